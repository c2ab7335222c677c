#pragma once
// Which invoice record an invoice document belongs to. The document format as our engine writes it
// keeps no custom properties, so the user's settings keep the record by the document's absolute
// path; a copied or moved document starts without one.

#include <filesystem>

namespace kovelund::gui {

/// The record the document's totals went to when it was last saved there, 0 for none.
int ZugeordneteRechnung(const std::filesystem::path& dokument);
/// Remembers `id` (a record's ID_Rechnungsnummer) for the document; 0 forgets it.
void RechnungZuordnen(const std::filesystem::path& dokument, int id);

} // namespace kovelund::gui

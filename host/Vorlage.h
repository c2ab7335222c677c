#pragma once
// The sample invoice and host database that `kovelund init` writes: an invoice template of our own
// with the marker comments the component fills, and a host database with a sample user, invoice,
// advance invoices and payment settings.

#include <filesystem>
#include <string>

namespace kovelund {

/// The host database's schema and sample data, as SQL.
const std::string& Hostschema();

/// Writes DIR/Rechnung.docx and DIR/host.sqlite. The invoice has sender and recipient, the heading
/// "Rechnung", the paragraph marked "vamoStart" where fee tables go, the totals lines marked
/// "vamoNetto", "vamoMwSt", "vamoBrutto", "vamoAuslagen" and the closing sentence marked
/// "vamoGesamt". DIR may exist (empty or not); existing files are
/// never overwritten: that fails with a message naming them, before anything is written.
void Initialisieren(const std::filesystem::path& verzeichnis);

} // namespace kovelund

#pragma once
// Finding and marking the fee tables of a category: a table's marker is the first comment on it
// ("Kovelund_1" … "Kovelund_6", "Kovelund_4_Ein", "RE_HOAI_Kosten").

#include "platform/docx/Table.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace kovelund {

/// The 1-based position, among all tables of the document, of the table the user chose last in
/// the dialog "Tabellenwahl"; 0 when a new table was chosen.
std::int16_t& Tabellenposition();

/// First mode (folgetabelle false): when the document holds tables marked `marke`, or the cursor
/// stands in an unmarked table, asks with the dialog "Tabellenwahl" which table to work on and
/// returns it (none for a new table), setting Tabellenposition. Second mode: the first table marked
/// `marke` from Tabellenposition on, stopped by a "RE_HOAI_Kosten" table after the starting one.
/// The document is the order context's. Failures are logged as "VV_WordAuto.TabelleErmitteln".
std::optional<docx::Table> TabelleErmitteln(std::string_view marke, bool folgetabelle);

/// Attaches a comment with the text `marke` to cell (1, 5) of the table.
void BookmarkSetzen(const docx::Table& tabelle, std::string_view marke);

/// The text of a table's marker: its first comment, or "" when it carries none.
std::string Tabellenmarke(const docx::Table& tabelle);

} // namespace kovelund

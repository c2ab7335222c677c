#pragma once
// The invoice check: what an invoice holds (its fee tables, their markers, the summary table, the
// total markers, the payment target, the invoice record) against what the totals give for it now.

#include "component/Auftragskontext.h"

#include <string>
#include <vector>

namespace kovelund {

/// One line of the check, in German.
struct Befund {
    /// What the line is about: "Gebührentabelle", "Tabellenmarke", "Kategorie", "Summentabelle",
    /// "Summenmarke", "Zahlungsziel" or "Rechnungsdatensatz".
    std::string art;
    std::string text;
    /// False for a line that only lists what the invoice holds (a fee table).
    bool problem = true;
};

/// Checks the order context's document against the totals of its fee tables (the context's VAT
/// rate and advance), and the context's invoice record when it holds one, without changing either:
/// every fee table with its marker, rows and amount; a "Kovelund_…" marker that is not on cell
/// (1, 5) of a table; a marker on more than five tables; a missing, second or differing summary
/// table (cell by cell); a total marker showing another amount; a second payment target; record
/// amounts that differ by a cent or more. Without a document there is nothing to list.
std::vector<Befund> RechnungPrüfen(const Auftragskontext& k);

/// Whether any line reports a problem.
bool ProblemGefunden(const std::vector<Befund>& befunde);

} // namespace kovelund

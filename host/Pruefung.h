#pragma once
// `kovelund check`: an invoice checked against the totals of its fee tables, with its findings in
// German (one a line, or as JSON), and on request repaired by the totals routine itself.

#include <filesystem>
#include <iosfwd>
#include <optional>

namespace kovelund {

struct Prüfauftrag {
    std::filesystem::path dokument;
    /// The host database with the invoice settings; host.sqlite beside the invoice when not given.
    std::optional<std::filesystem::path> datenbank;
    /// The invoice record to check (ID_Rechnungsnummer); without it no record is checked.
    std::optional<int> rechnung;
    /// Whose invoice settings (TempDoc) give the VAT rate and the advance.
    int benutzer = 1;
    bool json = false;
    /// Rebuilds the summary table, the total markers, the payment target and the record with
    /// SummeBilden, keeps the previous state in the invoice's history and saves the invoice.
    bool reparieren = false;
};

/// Runs the check and writes its lines to `aus`. Returns 0 when nothing was found (after a repair:
/// nothing is left), 1 with findings, 2 when the invoice, the database, the settings or the record
/// cannot be read (the reason then goes to `fehler`; nothing is changed). A repair takes the invoice's
/// lock first and throws datei::Gesperrt, changing nothing, when someone else holds it.
int RechnungPrüfenBefehl(const Prüfauftrag& auftrag, std::ostream& aus, std::ostream& fehler);

} // namespace kovelund

#pragma once
// What must hold of an invoice however many sessions it has seen: one summary table, one payment
// box, the totals equal to the sum of the fee tables, the invoice record equal to the totals.

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace kovelund::soak {

/// The figures of an invoice as the soak checks them; amounts in euros.
struct Rechnungsbild {
    int gebührentabellen = 0;
    /// Fee tables by their marker ("Kovelund_2").
    std::map<std::string, int> jeMarke;
    int summentabellen = 0;
    int zahlungsziele = 0;
    double steuerpflichtig = 0;
    double steuerfrei = 0;
    /// The "Summe" line of the summary table.
    double summe = 0;
    /// NettoRechnung and MehrwertsteuerFreierbetrag of the record.
    double satzNetto = 0;
    double satzFrei = 0;
    std::uintmax_t bytes = 0;
};

/// Reads the invoice through `kovelund dump` (the program `bin`) and the record `rechnung`.
Rechnungsbild Lesen(const std::string& bin, const std::filesystem::path& dokument,
                    const std::filesystem::path& datenbank, int rechnung);

/// The invariants the picture breaks, each as a sentence; empty when all hold.
std::vector<std::string> Verstöße(const Rechnungsbild& bild, int erwarteteTabellen);

/// "1.234,56 €" as a number; 0 for a text without digits.
double Betrag(const std::string& text);

} // namespace kovelund::soak

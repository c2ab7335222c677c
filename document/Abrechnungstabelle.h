#pragma once
// The conventions every fee statement shares: where its table goes, how the table is created,
// formatted and filled, the share rows, the expense rows with their VAT-free mark.

#include "platform/docx/Document.h"
#include "platform/docx/Table.h"

#include <optional>
#include <string>
#include <string_view>

namespace kovelund {

/// The customer's share from the share field (thousandths): "1000" or empty gives 1, 333 exactly
/// one third, any other value value / 1000.
double Anteil(std::string_view anteilFeld);

/// An amount as a statement writes it: WertFormatieren (8, 2) followed by " €".
std::string Betragstext(double betrag);

/// Writes one statement table for a window. Every step runs in the window's error scope (module =
/// the window's name, procedure "CommandEnde_Click"), so a failing step is logged and the writer
/// goes on with the next one, as the statements require.
class Abrechnungstabelle {
public:
    Abrechnungstabelle(docx::Document& doc, std::string modul);

    /// The place of the new table: the window's earlier table is deleted and its place reused;
    /// else every "vamoStart" comment gets a new empty paragraph before its word and the last one is
    /// taken; else a new paragraph at the end of the document.
    docx::Range AnkerFinden(std::optional<docx::Table> bisherige);
    /// Adds the table with the counted rows and columns at the anchor.
    void Anlegen(const docx::Range& anker, int zeilen, int spalten);
    /// Borders off, all cells right-aligned, column 1 left (logged as "TabelleFormatieren").
    void TabelleFormatieren();
    /// Sets the width of every column of the whole table, in centimetres, from column 1 on.
    void Spaltenbreiten(std::initializer_list<double> zentimeter);
    /// Sets the width (and alignment, when given) of column `spalte` from row `abZeile` down to the
    /// last row: the cell is selected and the selection extended one row at a time (logged as
    /// "SelectionVerschieben").
    void Blockbreite(int abZeile, int spalte, double zentimeter,
                     std::optional<int> ausrichtung = std::nullopt);
    /// Sets the width of one cell; its neighbours keep theirs.
    void Zellbreite(int zeile, int spalte, double zentimeter);
    /// A decimal tab stop in one cell.
    void Dezimaltab(int zeile, int spalte, double zentimeter);
    /// Appends the text to the cell; bold is set after the text is in.
    void Schreiben(int zeile, int spalte, std::string_view text, bool fett = false);
    /// Marks the cell's amount as free of VAT: a comment "0" on the selected cell.
    void Steuerfrei(int zeile, int spalte);

    /// "Zwischensumme" + CR in column 2 and the fee sum in column 7, both bold.
    void Zwischensumme(int zeile, double gebührensumme);
    /// The "Ihr Anteil beträgt " row: in column 2 the description and a paragraph break, then the
    /// percent text, " % von " and the fee sum; in column 5 the share amount.
    void AnteilZeile(int zeile, std::string_view beschreibung, std::string_view prozent, double gebührensumme,
                     double anteil);
    /// CR + "Umsatzsteuerfreie Auslagen" in column 2, bold.
    void AuslagenÜberschrift(int zeile);
    /// The "anteilige Auslagen " row: in column 2 the text, a paragraph break, the percent text,
    /// " % von " and the expense sum; in column 5 the shared expense sum, marked VAT-free.
    void AnteiligeAuslagen(int zeile, std::string_view prozent, double auslagensumme, double anteil);

    /// The table written, once Anlegen succeeded.
    const std::optional<docx::Table>& Tabelle() const { return tabelle_; }
    docx::Document& Dokument() { return doc_; }
    double Punkte(double zentimeter) { return doc_.Application().CentimetersToPoints(zentimeter); }

private:
    template <class Schritt> void Ausführen(const char* prozedur, Schritt&& schritt);

    docx::Document& doc_;
    std::string modul_;
    std::optional<docx::Table> tabelle_;
};

} // namespace kovelund

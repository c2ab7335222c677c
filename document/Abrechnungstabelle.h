#pragma once
// Writing a statement into the document: where its table goes, how the table is created and laid
// out, and how each row's steps reach its cells. Every step runs in the window's error scope (module
// = the window's name), so a failing step is logged and the writer goes on with the next one.

#include "document/Abrechnung.h"
#include "platform/docx/Document.h"
#include "platform/docx/Table.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kovelund {

class Abrechnungstabelle {
public:
    Abrechnungstabelle(docx::Document& doc, std::string modul);

    /// The place of the new table: the window's earlier table is deleted and its place reused;
    /// else every "vamoStart" comment gets a new empty paragraph before its word and the last one is
    /// taken; else a new paragraph at the end of the document.
    docx::Range AnkerFinden(std::optional<docx::Table> bisherige);

    /// Adds a table of exactly the statement's rows at the anchor, lays it out and writes every row.
    /// `marke` marks the new table where the statement asks for it (after its last row unless the
    /// statement set it earlier).
    void Schreiben(const docx::Range& anker, const Abrechnung& abrechnung,
                   const std::function<void(const docx::Table&)>& marke);

    /// The table written, once it was added.
    const std::optional<docx::Table>& Tabelle() const { return tabelle_; }

    /// The single steps, for statements built cell by cell.
    void Anlegen(const docx::Range& anker, int zeilen, int spalten);
    /// Borders off and the alignments of the table's form (logged as "TabelleFormatieren").
    void TabelleFormatieren(const Tabellenform& form);
    /// Sets the width of every column of the whole table, in centimetres, from column 1 on.
    void Spaltenbreiten(const std::vector<double>& zentimeter);
    /// Sets the width (and alignment, when given) of column `spalte` from row `abZeile` down to the
    /// last row: the cell is selected and the selection extended one row at a time (logged as
    /// "SelectionVerschieben").
    void Blockbreite(int abZeile, int spalte, double zentimeter,
                     std::optional<int> ausrichtung = std::nullopt);
    /// Sets the width of one cell; its neighbours keep theirs.
    void Zellbreite(int zeile, int spalte, double zentimeter);
    /// A decimal tab stop in one cell.
    void Dezimaltab(int zeile, int spalte, double zentimeter);
    /// The cell's paragraphs aligned right.
    void Rechts(int zeile, int spalte);
    /// Appends the text to the cell; bold is set after the text is in.
    void Schreiben(int zeile, int spalte, std::string_view text, bool fett = false);
    /// Appends the text to the cell in a font `punkte` points smaller than the cell's text before it.
    void KleinerSchreiben(int zeile, int spalte, std::string_view text, double punkte);
    /// Marks the cell's amount as free of VAT: a comment "0" on the selected cell.
    void Steuerfrei(int zeile, int spalte);

private:
    template <class Schritt> void Ausführen(const char* prozedur, Schritt&& schritt);
    void SchrittAusführen(int zeile, const Zeile::Schritt& schritt);
    double Punkte(double zentimeter) { return doc_.Application().CentimetersToPoints(zentimeter); }

    docx::Document& doc_;
    std::string modul_;
    std::optional<docx::Table> tabelle_;
};

} // namespace kovelund

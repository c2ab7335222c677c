#pragma once
// The category 4 window on the sample invoice, opened through KV::Show(3): one road section of
// 250 m in "Feldlage" with two separated parcels is what a new window starts with; the user's steps
// on the grid and its choice boxes are played as the session scripts play them.

#include "forms/frmKat4/frmKat4.h"
#include "support/Fenstersitzung.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kovelund::test {

class Kat4Test : public Fenstertest<frmKat4, 3> {
protected:
    Kat4Test() {
        Eigenschaften({{"Flurstücksnummer", "210/3"},
                       {"Achslänge", std::int16_t{250}},
                       {"AnzahlGrenzpunkte", std::int16_t{2}}});
    }

    /// The user types `text` into a cell.
    void Eintragen(int zeile, int spalte, const std::string& text) {
        Spielen(R"([{"cell": "GridGebühren", "row": )" + std::to_string(zeile) + R"(, "col": )" +
                std::to_string(spalte) + R"(}, {"edit": "GridGebühren", "text": ")" + text + R"("}])");
    }
    /// The user picks `text` in the choice box over a cell, then clicks the grid's cell to its right.
    void Auswählen(int zeile, int spalte, const std::string& liste, const std::string& text) {
        Spielen(R"([{"cell": "GridGebühren", "row": )" + std::to_string(zeile) + R"(, "col": )" +
                std::to_string(spalte) + R"(}, {"choose": ")" + liste + R"(", "text": ")" + text + R"("}])");
        fenster->GridGebühren.SetFocus();
    }
    /// Tab in column 7 of the last line: a new line with the defaults.
    void NeueLinie() {
        Spielen(R"([{"cell": "GridGebühren", "row": )" + std::to_string(fenster->GridGebühren.Rows()) +
                R"(, "col": 7}, {"key": "GridGebühren", "code": 9}])");
    }

    struct Linie {
        std::string kategorie;
        std::string länge;
        std::string seite;
        std::string art;
        std::string neue = "0";
        std::string ohne = "0";
    };
    /// Fills line `zeile` of the grid as a user does, cell by cell.
    void Füllen(int zeile, const Linie& l) {
        Auswählen(zeile, 2, "comKategorie", l.kategorie);
        Eintragen(zeile, 3, l.länge);
        Auswählen(zeile, 4, "comSeitig", l.seite);
        Auswählen(zeile, 5, "comArt", l.art);
        Eintragen(zeile, 6, l.neue);
        Eintragen(zeile, 7, l.ohne);
    }
    /// A new window whose grid holds exactly these lines.
    frmKat4& Öffnen(const std::vector<Linie>& linien) {
        frmKat4& f = Öffnen();
        for (std::size_t i = 0; i < linien.size(); ++i) {
            if (i > 0) NeueLinie();
            Füllen(static_cast<int>(i) + 1, linien[i]);
        }
        return f;
    }
    using Fenstertest::Öffnen;

    /// Line `zeile` of the grid: its seven cell texts.
    std::vector<std::string> Linie(int zeile) const {
        std::vector<std::string> zellen;
        for (int c = 1; c <= 7; ++c)
            zellen.push_back(fenster->GridGebühren.TextMatrix(zeile, c));
        return zellen;
    }
    std::string Zeile(int zeile) const { return Statementzeile(zeile); }
    int Zeilen() const { return Statement().Rows().Count(); }
    /// The amounts of column 5, the only ones the totals bill, from top to bottom.
    std::vector<std::string> Beträge() const {
        std::vector<std::string> beträge;
        for (const auto& zeile : Zellen(Statement()))
            if (!zeile.at(4).empty()) beträge.push_back(zeile.at(4));
        return beträge;
    }

    static constexpr const char* leer = "||||";
};

} // namespace kovelund::test

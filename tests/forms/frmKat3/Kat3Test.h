#pragma once
// The category 3 window on the sample invoice, opened as the host opens it, with a building of
// 80.000,00 € on parcel 123/4 (290,00 € by the scale) and the user's steps on its grid.

#include "forms/frmKat3/frmKat3.h"
#include "support/Fenstersitzung.h"

#include <string>
#include <vector>

namespace kovelund::test {

class Kat3Test : public Fenstertest<frmKat3, 2> {
protected:
    Kat3Test() { Eigenschaften({{"Flurstücksnummer", "123/4"}, {"Baukosten", 80000.0}}); }

    /// Types `text` into cell (zeile, spalte) of the grid and leaves it.
    void Zelle(int zeile, int spalte, const std::string& text) {
        Spielen(R"j([{"cell": "GridGebühren", "row": )j" + std::to_string(zeile) + R"j(, "col": )j" +
                std::to_string(spalte) + R"j(}, {"edit": "GridGebühren", "text": ")j" + text + R"j("}])j");
    }
    /// Grid row `zeile` of the open window: its six cells joined by "|".
    std::string Gitterzeile(int zeile) const {
        std::string text;
        for (int c = 1; c <= 6; ++c)
            text += (c > 1 ? "|" : "") + fenster->GridGebühren.TextMatrix(zeile, c);
        return text;
    }
    std::string Zeile(int zeile) const { return Statementzeile(zeile); }
    int Zeilen() const { return Statement().Rows().Count(); }
};

} // namespace kovelund::test

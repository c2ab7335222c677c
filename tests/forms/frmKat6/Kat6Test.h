#pragma once
// The category 6 window on the sample invoice, opened as the host opens it (Show with index 5), the
// user's steps played on its grid and its list of kinds, and the saved statement read back. Nothing
// a test does is expected to be logged.

#include "component/Fensterregister.h"
#include "forms/frmKat6/frmKat6.h"
#include "support/Fenstersitzung.h"

#include <string>
#include <vector>

namespace kovelund::test {

class Kat6Test : public Fenstertest<frmKat6, 5> {
protected:
    void TearDown() override { EXPECT_EQ(beispiel.log.Sätze(), 0) << beispiel.log.Text(); }

    /// Picks `art` from the list over column 1 of line `zeile`, then types `menge` into column 2.
    void Eingeben(int zeile, const std::string& art, const std::string& menge) {
        std::string z = std::to_string(zeile);
        Spielen(R"j([{"cell": "GridGebühren", "row": )j" + z + R"j(, "col": 1},
                     {"choose": "comKategorie", "text": ")j" +
                art + R"j("},
                     {"cell": "GridGebühren", "row": )j" +
                z + R"j(, "col": 2},
                     {"edit": "GridGebühren", "text": ")j" +
                menge + R"j("}])j");
    }
    /// Tab in the quantity column of the current line.
    void Tab() { Spielen(R"j([{"key": "GridGebühren", "code": 9}])j"); }

    /// Line `zeile` of the grid: its four texts joined by "|".
    std::string Linie(int zeile) const {
        std::string text = fenster->GridGebühren.TextMatrix(zeile, 1);
        for (int c = 2; c <= 4; ++c)
            text += "|" + fenster->GridGebühren.TextMatrix(zeile, c);
        return text;
    }
    std::string Reihe(int zeile) const { return Statementzeile(zeile); }
};

} // namespace kovelund::test

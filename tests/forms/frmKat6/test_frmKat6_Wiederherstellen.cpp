// Opening frmKat6 on a statement it wrote: one grid line per row below the header, rate and cost as a
// computed line shows them, and "&OK" unchanged writes the same table at the same place.

#include "Kat6Test.h"

#include <gtest/gtest.h>

namespace kovelund::test {
namespace {

using frmKat6Wiederherstellen = Kat6Test;

TEST_F(frmKat6Wiederherstellen, TheThreeLinesComeBackAsComputed) {
    BeispielSpielen("frmKat6-drei.json");
    Vormerken();
    frmKat6& f = Wiederöffnen();
    ASSERT_EQ(f.GridGebühren.Rows(), 3);
    EXPECT_EQ(Linie(1), "Meßtruppführer|3,5|46,00|    161,00") << "the rate as computed, not \"46\"";
    EXPECT_EQ(Linie(2), "Kraftfahrzeug|123| 0,46|     56,58");
    EXPECT_EQ(Linie(3), "Spezialinstrument außen bis 4h|1|25,50|     25,50");
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(f.GridGebühren.RowHeight(r), 300);
    EXPECT_EQ(f.GridGebühren.Row(), 1);
    UnverändertAbschließen();
}

// Lines that bill nothing or bill a kind not in the list read back so that they write themselves again.
TEST_F(frmKat6Wiederherstellen, EmptiedForeignUncomputedAndZeroLines) {
    Öffnen();
    Eingeben(1, "Rechenanlage", "4");
    Tab();
    Spielen(R"j([{"choose": "comKategorie", "index": 10}, {"cell": "GridGebühren", "row": 2, "col": 2}])j");
    Tab();
    Spielen(
        R"j([{"edit": "GridGebühren", "text": "Hilfsarbeiten"}, {"cell": "GridGebühren", "row": 3, "col": 2},
                {"edit": "GridGebühren", "text": "2"}])j");
    Tab();
    Eingeben(4, "Meßtruppführer", "0");
    Spielen(R"j([{"click": "CommandNeu"}])j");
    Abschließen();
    ASSERT_EQ(Statement().Rows().Count(), 6);
    Vormerken();

    frmKat6& f = Wiederöffnen();
    ASSERT_EQ(f.GridGebühren.Rows(), 5);
    EXPECT_EQ(Linie(1), "Rechenanlage|4|10,20|     40,80");
    EXPECT_EQ(Linie(2), "|||");
    EXPECT_EQ(Linie(3), " ||45,00|     90,00") << "blanks stand for a kind not in the list, and no quantity";
    EXPECT_EQ(Linie(4), "Öffentl. bestellter Vermessungsing.|||") << "never computed";
    EXPECT_EQ(Linie(5), "Meßtruppführer|0|46,00|      0,00");
    UnverändertAbschließen();
    EXPECT_EQ(Reihe(4), " | | |45,00 €|     90,00 €|");
    EXPECT_EQ(Reihe(5), "15.1.1|Öffentlich bestellte Vermessungsingenieure, Beamte des höheren "
                        "vermessungstechnischen Dienstes oder vergleichbare Angestellte| h|||");
}

TEST_F(frmKat6Wiederherstellen, AChangedLineReplacesTheTableInPlace) {
    BeispielSpielen("frmKat6-drei.json");
    beispiel.NeuLaden();
    Wiederöffnen();
    Eingeben(1, "Meßtruppführer", "4");
    EXPECT_EQ(Linie(1), "Meßtruppführer|4|46,00|    184,00");
    Spielen(R"j([{"cell": "GridGebühren", "row": 1, "col": 1}, {"choose": "comKategorie", "index": 10},
                {"cell": "GridGebühren", "row": 2, "col": 2}])j");
    Abschließen();
    ASSERT_EQ(Statements(), 1);
    EXPECT_EQ(Reihe(2), "|||||");
    EXPECT_EQ(Reihe(3), "15.3|Einsatz von Kraftfahrzeugen|123 km| 0,46 €|     56,58 €|");
    EXPECT_EQ(Markiert("vamoNetto"), "      82,08 € ");
}

} // namespace
} // namespace kovelund::test

// The grid of frmKat6 as the user fills it: each kind's rate and quantity rule, the empty entry and
// kinds not in the list, the list over column 1, Tab in the quantity column and "&Einfügen"; where
// the frame lays the list and how Right and Shift+Tab move are test_Rechnerfenster's and frmKat4's.

#include "Kat6Test.h"

#include <gtest/gtest.h>

#include <tuple>

namespace kovelund::test {
namespace {

using frmKat6Zeilen = Kat6Test;

TEST_F(frmKat6Zeilen, ANewWindowHasOneLineOfTheFirstKindNotYetComputed) {
    frmKat6& f = Öffnen();
    ASSERT_EQ(f.GridGebühren.Rows(), 1);
    EXPECT_EQ(Linie(1), "Öffentl. bestellter Vermessungsing.|||");
    EXPECT_EQ(f.GridGebühren.RowHeight(1), 300);
    for (int c = 1; c <= 4; ++c)
        EXPECT_EQ(f.GridGebühren.ColEditable(c), c <= 2) << "rate and cost are computed only";
    ASSERT_EQ(f.comKategorie.ListCount(), 11);
    EXPECT_EQ(f.comKategorie.List(10), "") << "the empty entry comes last";
    EXPECT_TRUE(f.comKategorie.Visible()) << "over the current cell, line 1 column 1";
    EXPECT_EQ(f.comKategorie.ListIndex(), 0);
}

// Each row names what it proves: the kind, the quantity typed, and the line as the grid then shows it.
TEST_F(frmKat6Zeilen, EachKindTakesItsQuantityByItsRuleAndShowsRateAndCost) {
    const std::tuple<const char*, const char*, const char*, const char*> fälle[] = {
        {"team leader, half hours up", "Meßtruppführer", "3,2", "Meßtruppführer|3,5|46,00|    161,00"},
        {"kilometres cut to whole", "Kraftfahrzeug", "123,9", "Kraftfahrzeug|123| 0,46|     56,58"},
        {"days cut to whole", "Spezialinstrument außen über 4h", "2,5",
         "Spezialinstrument außen über 4h|2|51,00|    102,00"},
        {"tenths 6 to 9 are the next hour", "sonstige technische Kräfte", "6,7",
         "sonstige technische Kräfte|7|30,60|    214,20"},
        {"a half hour stays", "vermessungstechnische Fachkräfte", "1,5",
         "vermessungstechnische Fachkräfte|1,5|41,00|     61,50"},
        {"less than a day is none", "Spezialinstrument außen bis 4h", "0,9",
         "Spezialinstrument außen bis 4h|0|25,50|      0,00"},
        {"quantity 0 shows the rate", "Zeichenanlage", "0", "Zeichenanlage|0|15,40|      0,00"},
        {"no number counts as 0", "photogrammetrisches Auswertegerät", "drei",
         "photogrammetrisches Auswertegerät|0|61,00|      0,00"},
        {"photogrammetry by the hour", "photogrammetrisches Auswertegerät", "0,6",
         "photogrammetrisches Auswertegerät|1|61,00|     61,00"}};
    for (const auto& [was, art, menge, linie] : fälle) {
        Öffnen();
        Eingeben(1, art, menge);
        EXPECT_EQ(Linie(1), linie) << was;
    }
}

TEST_F(frmKat6Zeilen, AKindNotInTheListBillsFortyFiveEurosWithItsQuantityUnchanged) {
    Öffnen();
    Spielen(
        R"j([{"cell": "GridGebühren", "row": 1, "col": 1}, {"edit": "GridGebühren", "text": "Hilfsarbeiten"},
                {"cell": "GridGebühren", "row": 1, "col": 2}, {"edit": "GridGebühren", "text": "3,33"}])j");
    EXPECT_EQ(Linie(1), "Hilfsarbeiten|3,33|45,00|    149,85");
}

TEST_F(frmKat6Zeilen, TheEmptyEntryClearsTheLine) {
    frmKat6& f = Öffnen();
    Eingeben(1, "Meßtruppführer", "3,2");
    Spielen(R"j([{"cell": "GridGebühren", "row": 1, "col": 1}, {"choose": "comKategorie", "index": 10},
                {"cell": "GridGebühren", "row": 1, "col": 2}])j");
    EXPECT_EQ(Linie(1), "|||");
    Spielen(R"j([{"edit": "GridGebühren", "text": "5"}])j");
    EXPECT_EQ(Linie(1), "|||") << "a line without a kind bills nothing";
    Spielen(R"j([{"cell": "GridGebühren", "row": 1, "col": 1}])j");
    EXPECT_EQ(f.comKategorie.ListIndex(), 10);
}

TEST_F(frmKat6Zeilen, TheListOverColumnOneWritesItsKindBack) {
    frmKat6& f = Öffnen();
    ui::Grid& g = f.GridGebühren;
    Spielen(R"j([{"cell": "GridGebühren", "row": 1, "col": 1},
                {"choose": "comKategorie", "text": "Kraftfahrzeug"}, {"cell": "GridGebühren", "row": 1, "col": 4}])j");
    EXPECT_FALSE(f.comKategorie.Visible());
    EXPECT_EQ(Linie(1), "Kraftfahrzeug|0| 0,46|      0,00") << "the line is computed with its new kind";

    Spielen(
        R"j([{"cell": "GridGebühren", "row": 1, "col": 1}, {"choose": "comKategorie", "text": "Rechenanlage"},
                {"leave": "comKategorie"}])j");
    EXPECT_EQ(Linie(1), "Rechenanlage|0|10,20|      0,00");
    EXPECT_EQ(g.Col(), 1) << "the focus went nowhere, so column 1 stays current";
    EXPECT_TRUE(f.comKategorie.Visible());
    EXPECT_EQ(f.comKategorie.ListIndex(), 6);

    Spielen(R"j([{"cell": "GridGebühren", "row": 1, "col": 1}, {"edit": "GridGebühren", "text": "Sonstiges"},
                {"cell": "GridGebühren", "row": 1, "col": 1}])j");
    EXPECT_EQ(f.comKategorie.ListIndex(), 0) << "a kind not in the list shows the first entry";
}

TEST_F(frmKat6Zeilen, TabInTheQuantityColumnComputesTheLineAndGoesOn) {
    frmKat6& f = Öffnen();
    ui::Grid& g = f.GridGebühren;
    Spielen(R"j([{"cell": "GridGebühren", "row": 1, "col": 2}])j");
    Tab();
    EXPECT_EQ(Linie(1), "Öffentl. bestellter Vermessungsing.|0|56,00|      0,00")
        << "computed before leaving";
    ASSERT_EQ(g.Rows(), 2) << "Tab on the last line adds one";
    EXPECT_EQ(Linie(2), "Öffentl. bestellter Vermessungsing.|0|56,00|      0,00");
    EXPECT_EQ(g.Col(), 1) << "the new line starts at its kind";
    EXPECT_TRUE(f.comKategorie.Visible());

    Spielen(R"j([{"cell": "GridGebühren", "row": 2, "col": 3}, {"key": "GridGebühren", "code": 9}])j");
    EXPECT_EQ(g.Rows(), 2) << "not from the rate column";
}

TEST_F(frmKat6Zeilen, InsertAddsALineOfTheFirstKindNotYetComputed) {
    Öffnen();
    Eingeben(1, "Kraftfahrzeug", "40");
    Spielen(R"j([{"click": "CommandNeu"}])j");
    EXPECT_EQ(Linie(1), "Öffentl. bestellter Vermessungsing.|||") << "inserted at the current line";
    EXPECT_EQ(Linie(2), "Kraftfahrzeug|40| 0,46|     18,40");
}

} // namespace
} // namespace kovelund::test

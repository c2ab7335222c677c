// The building grid of frmKat3: the defaults of a new row, each row's cost from value, count,
// surcharge, share and the cadastral update, and the grid's own commands.

#include "Kat3Test.h"

#include <gtest/gtest.h>

namespace kovelund::test {
namespace {

class Gebäude : public Kat3Test {
protected:
    void TearDown() override { EXPECT_EQ(beispiel.log.Sätze(), 0) << beispiel.log.Text(); }
};

// Inserting, Tab, Right and deleting rows are the frame's (test_Rechnerfenster); here what the
// window adds: the defaults, the cost at once, and Tab in column 5, not the last.
TEST_F(Gebäude, ANewRowHasTheDefaultsAndItsCostAtOnce) {
    frmKat3& f = Öffnen();
    ASSERT_EQ(f.GridGebühren.Rows(), 1);
    EXPECT_EQ(f.GridGebühren.RowHeight(1), 300);
    EXPECT_EQ(Gitterzeile(1), "Flst.Nr. 123/4|80.000,00|  1| 0|1000|  290,00");
    EXPECT_EQ(f.mskBrechpunkte.Text(), "  ");

    Zelle(1, 2, "250000");
    Spielen(R"j([{"click": "CommandNeu"}])j");
    ASSERT_EQ(f.GridGebühren.Rows(), 2);
    EXPECT_EQ(Gitterzeile(1), "Flst.Nr. 123/4|80.000,00|  1| 0|1000|  290,00");
    EXPECT_EQ(Gitterzeile(2), "Flst.Nr. 123/4|250.000,00|  1| 0|1000|  475,00");

    Spielen(R"j([{"cell": "GridGebühren", "row": 2, "col": 5}, {"key": "GridGebühren", "code": 9}])j");
    ASSERT_EQ(f.GridGebühren.Rows(), 3);
    EXPECT_EQ(Gitterzeile(3), "Flst.Nr. 123/4|80.000,00|  1| 0|1000|  290,00");
}

TEST_F(Gebäude, TwoBuildingsWithASurchargeAndTheCadastralUpdate) {
    frmKat3& f = Öffnen();
    Zelle(1, 3, "2");
    Zelle(1, 4, "10");
    EXPECT_EQ(Gitterzeile(1), "Flst.Nr. 123/4|80.000,00|  2| 10|1000|  638,00") << "290 x 2 x 1,1";
    Spielen(R"j([{"click": "chkFortführung"}])j");
    EXPECT_EQ(f.GridGebühren.TextMatrix(1, 6), "  446,60") << "70 %";
    Spielen(R"j([{"click": "CommandNeu"}])j");
    EXPECT_EQ(f.GridGebühren.TextMatrix(1, 6), "  203,00") << "a new row is 70 % too";
    Spielen(R"j([{"click": "chkFortführung"}])j");
    EXPECT_EQ(f.GridGebühren.TextMatrix(1, 6), "  290,00") << "every row recomputed";
    EXPECT_EQ(f.GridGebühren.TextMatrix(2, 6), "  638,00");
}

TEST_F(Gebäude, TheShareOfARow) {
    struct Fall {
        const char* eingabe;
        const char* zelle;
        const char* kosten;
    };
    const Fall fälle[] = {{"333", " 333", "   96,67"},
                          {"500", " 500", "  145,00"},
                          {"0", "   0", "    0,00"},
                          {"1000", "1.000", "  290,00"},
                          {"2000", "2.000", "  580,00"}};
    frmKat3& f = Öffnen();
    for (const Fall& fall : fälle) {
        Zelle(1, 5, fall.eingabe);
        EXPECT_EQ(f.GridGebühren.TextMatrix(1, 5), fall.zelle);
        EXPECT_EQ(f.GridGebühren.TextMatrix(1, 6), fall.kosten) << fall.eingabe;
    }
}

TEST_F(Gebäude, CellsAreReformattedByTheirColumnAndNoNumberCountsAsNothing) {
    frmKat3& f = Öffnen();
    Zelle(1, 1, "Flst.Nr. 7, Garage");
    Zelle(1, 2, "1234567,891");
    Zelle(1, 3, "3");
    Zelle(1, 4, "5");
    EXPECT_EQ(Gitterzeile(1), "Flst.Nr. 7, Garage|1.234.567,89|  3|  5|1000|3.937,50") << "1250 x 3 x 1,05";
    Zelle(1, 6, "1");
    EXPECT_EQ(f.GridGebühren.TextMatrix(1, 6), "3.937,50") << "the cost is computed, not typed";

    Zelle(1, 2, "");
    Zelle(1, 4, "viel");
    EXPECT_EQ(Gitterzeile(1), "Flst.Nr. 7, Garage|     0,00|  3|  0|1000|  660,00")
        << "no number counts nothing: the lowest step of the scale, 220";
    Zelle(1, 3, "");
    EXPECT_EQ(f.GridGebühren.TextMatrix(1, 6), "    0,00");
    Zelle(1, 5, "x");
    EXPECT_EQ(f.GridGebühren.TextMatrix(1, 5), "   0");
    Spielen(R"j([{"set": "mskBrechpunkte", "text": "keine"}, {"leave": "mskBrechpunkte"}])j");
    EXPECT_EQ(f.mskBrechpunkte.Text(), "    0");
}

} // namespace
} // namespace kovelund::test

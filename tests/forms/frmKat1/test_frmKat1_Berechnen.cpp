// The running fee of frmKat1 as the user sees it in lblGebühr while editing.

#include "Kat1Sitzung.h"

#include <gtest/gtest.h>

namespace kovelund::test {
namespace {

using Berechnen = Kat1Sitzung;

TEST_F(Berechnen, ANewWindowListsTheOrdersParcelAndBillsIt) {
    frmKat1& f = Öffnen();
    ASSERT_EQ(f.GridGebühren1.Rows(), 1);
    EXPECT_EQ(f.GridGebühren1.TextMatrix(1, 1), "Flst.Nr. 123/4");
    EXPECT_EQ(f.GridGebühren1.TextMatrix(1, 2), "ja");
    EXPECT_EQ(f.GridGebühren1.TextMatrix(1, 3), "  1.200");
    EXPECT_EQ(f.GridGebühren1.TextMatrix(1, 4), "    85,50");
    EXPECT_EQ(f.GridGebühren1.TextMatrix(1, 5), "102.600,00");
    EXPECT_EQ(f.GridGebühren1.RowHeight(1), 300);
    EXPECT_EQ(f.comArt.Text(), "10.1.1");
    EXPECT_EQ(f.mskHTechniker.Text(), "  0,0");
    EXPECT_EQ(f.MaskEdBoxGrenzpunkte.Text(), " 6");
    EXPECT_EQ(f.MaskEdBoxFläche.Text(), "  1.200");
    EXPECT_EQ(f.MaskEdBoxWert.Text(), "    85,50");
    EXPECT_EQ(f.mskWert.Text(), "102.600,00");
    EXPECT_EQ(f.lblWert.Caption(), "      85,50");
    EXPECT_EQ(f.lblFläche.Caption(), "1.200");
    EXPECT_EQ(f.txtzahlen.Text(), "1200");
    EXPECT_EQ(f.MaskEdBoxAnteil.Text(), "1000") << "an empty share turns into 1000";
    // Scale 1 for 1.200 m² at 85,50 €/m² is 840, six boundary points at 77 add 462.
    EXPECT_EQ(f.lblGebühr.Caption(), " 1302,00");
    EXPECT_TRUE(f.GridGebühren1.Visible());
    EXPECT_FALSE(f.fraAnzahl.Visible());
    EXPECT_EQ(rechnung.log.Sätze(), 0) << rechnung.log.Text();
}

TEST_F(Berechnen, TabInTheLastColumnAddsParcelsAndTheirFactor) {
    frmKat1& f = Öffnen();
    Spielen(R"j([{"cell": "GridGebühren1", "row": 1, "col": 5}, {"key": "GridGebühren1", "code": 9}])j");
    ASSERT_EQ(f.GridGebühren1.Rows(), 2);
    EXPECT_EQ(f.lblFläche.Caption(), "2.400");
    EXPECT_EQ(f.lblGebühr.Caption(), " 1411,20") << "840 x 1,13 + 462";
    Spielen(R"j([{"key": "GridGebühren1", "code": 9}, {"key": "GridGebühren1", "code": 9}])j");
    ASSERT_EQ(f.GridGebühren1.Rows(), 4);
    EXPECT_EQ(f.lblGebühr.Caption(), " 2222,00") << "4.800 m² bill 1.100, x 1,6, + 462";
}

TEST_F(Berechnen, SurchargesAreCappedAtHalfTheFee) {
    frmKat1& f = Öffnen();
    Spielen(R"j([{"set": "MaskEdBoxMehr_a", "text": "100"}, {"set": "MaskEdBoxMehr_b", "text": "100"},
                {"set": "MaskEdBoxMehr_c", "text": "100"}, {"leave": "MaskEdBoxMehr_c"}])j");
    EXPECT_EQ(f.lblGebühr.Caption(), " 1722,00") << "840 + 420 instead of 504, + 462";
    Spielen(R"j([{"set": "MaskEdBoxMehr_c", "text": "50"}, {"leave": "MaskEdBoxMehr_c"}])j");
    EXPECT_EQ(f.MaskEdBoxMehr_c.Text(), " 50");
    EXPECT_EQ(f.lblGebühr.Caption(), " 1722,00") << "0,5 x 840 = 420 is the cap itself";
    Spielen(R"j([{"set": "MaskEdBoxMehr_b", "text": "0"}, {"leave": "MaskEdBoxMehr_b"}])j");
    EXPECT_EQ(f.lblGebühr.Caption(), " 1554,00") << "840 + 252 + 462";
}

TEST_F(Berechnen, TimeAndVehicleCostsCountOnlyForTheDivisionBySurvey) {
    frmKat1& f = Öffnen();
    Spielen(R"j([{"set": "mskHTechniker", "text": "10"}, {"set": "mskHGehilfen", "text": "2,3"},
                {"set": "MaskEdBoxKM", "text": "20"}, {"set": "txtTageskm", "text": "2"},
                {"leave": "txtTageskm"}])j");
    EXPECT_EQ(f.mskHGehilfen.Text(), "  2,5");
    // 1302 + 410 + 76,50 + 9,20 + 9,20
    EXPECT_EQ(f.lblGebühr.Caption(), " 1806,90");
    Spielen(R"j([{"choose": "comArt", "text": "11.2"}])j");
    EXPECT_EQ(f.lblGebühr.Caption(), "  672,00") << "840 x 0,8, the hours ignored";
    Spielen(R"j([{"choose": "comArt", "text": "11.1"}])j");
    EXPECT_EQ(f.lblGebühr.Caption(), "  420,00");
}

TEST_F(Berechnen, TheSharesOfThousandthsAndOfTheArea) {
    frmKat1& f = Öffnen();
    Spielen(R"j([{"set": "MaskEdBoxAnteil", "text": "333"}])j");
    EXPECT_EQ(f.lblGebühr.Caption(), "  434,00") << "exactly a third";
    Spielen(R"j([{"set": "MaskEdBoxAnteil", "text": "500"}])j");
    EXPECT_EQ(f.lblGebühr.Caption(), "  651,00");
    Spielen(R"j([{"set": "MaskEdBoxAnteil", "text": "0"}])j");
    EXPECT_EQ(f.MaskEdBoxAnteil.Text(), "1000");
    EXPECT_EQ(f.lblGebühr.Caption(), " 1302,00");
}

TEST_F(Berechnen, AParcelNotPaidForCountsInTheAreaButNotInThePaidArea) {
    frmKat1& f = Öffnen();
    Spielen(R"j([{"cell": "GridGebühren1", "row": 1, "col": 5}, {"key": "GridGebühren1", "code": 9},
                {"cell": "GridGebühren1", "row": 2, "col": 2}])j");
    EXPECT_TRUE(f.ComboBox4.Visible());
    EXPECT_EQ(f.ComboBox4.Text(), "ja");
    Spielen(R"j([{"choose": "ComboBox4", "text": "nein"}, {"leave": "ComboBox4"}])j");
    EXPECT_EQ(f.GridGebühren1.TextMatrix(2, 2), "nein");
    EXPECT_EQ(f.lblFläche.Caption(), "2.400");
    EXPECT_EQ(f.txtzahlen.Text(), "1200");
    EXPECT_EQ(f.lblGebühr.Caption(), "  705,60") << "the choice recomputes: 1411,20 x 1200 / 2400";
}

TEST_F(Berechnen, AnEditedCellIsReformattedAndItsValueFollows) {
    frmKat1& f = Öffnen();
    Spielen(R"j([{"cell": "GridGebühren1", "row": 1, "col": 3}, {"edit": "GridGebühren1", "text": "600"},
                {"cell": "GridGebühren1", "row": 1, "col": 4}, {"edit": "GridGebühren1", "text": "40,05"}])j");
    EXPECT_EQ(f.GridGebühren1.TextMatrix(1, 3), "  600");
    EXPECT_EQ(f.GridGebühren1.TextMatrix(1, 4), "   40,05");
    EXPECT_EQ(f.GridGebühren1.TextMatrix(1, 5), "24.030,00");
    // 600 m² at 40,05 €/m² is still column C (550); six points in the column up to 100 at 77.
    EXPECT_EQ(f.lblGebühr.Caption(), " 1012,00");
    Spielen(R"j([{"cell": "GridGebühren1", "row": 1, "col": 5}, {"edit": "GridGebühren1", "text": "0"}])j");
    EXPECT_EQ(f.GridGebühren1.TextMatrix(1, 5), "24.030,00") << "a value of 0 is computed again";
}

TEST_F(Berechnen, TheTotalsModeTakesItsFieldsOnLeaving) {
    frmKat1& f = Öffnen();
    Spielen(R"j([{"click": "optJa(1)"
}, {"set": "MaskEdBoxFläche", "text": "4800"},
                {"set": "MaskEdBoxWert", "text": "85,5"}, {"set": "txtAnzahl", "text": "4"},
                {"set": "txtZusammenZahlen", "text": "4800"}, {"leave": "txtZusammenZahlen"}])j");
    EXPECT_FALSE(f.GridGebühren1.Visible());
    EXPECT_FALSE(f.CommandNeu.Visible());
    EXPECT_TRUE(f.fraAnzahl.Visible());
    EXPECT_EQ(f.MaskEdBoxWert.Text(), "   85,50");
    EXPECT_EQ(f.mskWert.Text(), "  410.400,00");
    EXPECT_EQ(f.lblWert.Caption(), "      85,50");
    EXPECT_EQ(f.lblFläche.Caption(), "4.800");
    EXPECT_EQ(f.lblGebühr.Caption(), " 2222,00") << "the same as four listed parcels";
    Spielen(R"j([{"set": "mskWert", "text": "240000"}, {"leave": "mskWert"}])j");
    EXPECT_EQ(f.MaskEdBoxWert.Text(), "    50,00");
    Spielen(R"j([{"click": "optJa(0)"
    }])j");
    EXPECT_EQ(f.lblGebühr.Caption(), " 2222,00") << "switching the mode alone recomputes nothing";
}

} // namespace
} // namespace kovelund::test

// The statement frmKat4 writes on "&OK", read back from the saved invoice: the header and the grid
// lines, the fee block of tariff 10.2 row by row, the blank rows between its parts, the expenses and
// the rows a terrain without units leaves empty at the end; its layout; the example session.

#include "Kat4Test.h"
#include "support/Tabellenlayout.h"

#include <gtest/gtest.h>

namespace kovelund::test {
namespace {

class Abrechnung4 : public Kat4Test {
protected:
    void TearDown() override { EXPECT_EQ(beispiel.log.Sätze(), 0) << beispiel.log.Text(); }
};

TEST_F(Abrechnung4, OneFeldlageLineWithTwoParcels) {
    Öffnen();
    Abschließen();
    ASSERT_EQ(Zeilen(), 16) << "1 line + 13 + 2 for Feldlage";
    EXPECT_EQ(Zeile(1), "Langgestreckte Anlagen|Kate-  Länge  \rgorie    [m]|Art\r|"
                        "Anzahl Trennstücke\tGrenzlänge je\rmit / ohne neue GM\tangefangene 10m|");
    EXPECT_EQ(Zeile(2),
              "Flst.Nr. 210/3|  II\t 250|Feldlage, Seite 1|  2\t  0\t       250 x  1,0 / 10 =  25|");
    EXPECT_EQ(Zeile(3), leer);
    EXPECT_EQ(Zeile(4), "Tarifstelle 10.2 ; Gebührenstaffel 2||||");
    EXPECT_EQ(Zeile(5), leer);
    EXPECT_EQ(Zeile(6), "A. Grundgebühr||||770,00 €");
    EXPECT_EQ(Zeile(7), leer);
    EXPECT_EQ(Zeile(8), "B. Teilgebühr nach Grenzlänge je angefangene 10 m||||");
    EXPECT_EQ(Zeile(9), "|Feldlage:| 25 x 36,00  €|  900,00 €|");
    EXPECT_EQ(Zeile(10), "Multiplikator:\rGroßfläche (1), Feldlage (2), Ortslage (3)||||");
    EXPECT_EQ(Zeile(11), "|||2 x   900,00 €|1.800,00 €");
    EXPECT_EQ(Zeile(12), leer);
    EXPECT_EQ(Zeile(13), "C. Teilgebühr je Trennstück||||");
    EXPECT_EQ(Zeile(14), leer);
    EXPECT_EQ(Zeile(15), "mit neuen Grenzmarken|||2 x 87,00 €|  174,00 €");
    EXPECT_EQ(Zeile(16), "ohne neue Grenzmarken||||") << "no amount for no parcels";
    EXPECT_EQ(Beträge(), (std::vector<std::string>{"770,00 €", "1.800,00 €", "  174,00 €"}));
    EXPECT_EQ(Markiert("vamoNetto"), "   2.744,00 € ");
    auto kommentare = [&](int z, int s) { return Kommentare(Statement(), z, s); };
    EXPECT_EQ(kommentare(1, 5), std::vector<std::string>{"Kovelund_4"});
    EXPECT_TRUE(kommentare(11, 5).empty());
    EXPECT_FALSE(beispiel.doc->Bookmarks().Exists("Kovelund_4"));
}

TEST_F(Abrechnung4, CategoriesTwoAndThreeBillTheRatesOfTwo) {
    Öffnen({{"III", "100", "Seite 1", "Großfläche", "1", "0"},
            {"II", "200", "Seite 2", "Großfläche", "0", "3"}});
    Abschließen();
    ASSERT_EQ(Zeilen(), 17);
    EXPECT_EQ(Zeile(2),
              "Flst.Nr. 210/3|  III\t 100|Großfläche, Seite 1|  1\t  0\t       100 x  1,0 / 10 =  10|");
    EXPECT_EQ(Zeile(3),
              "Flst.Nr. 210/3|  II\t 200|Großfläche, Seite 2|  0\t  3\t       200 x  0,9 / 10 =  18|");
    EXPECT_EQ(Zeile(7), "A. Grundgebühr||||770,00 €");
    EXPECT_EQ(Zeile(10), "|Großfläche:| 28 x 36,00  €|1.008,00 €|");
    EXPECT_EQ(Zeile(12), "|||1 x 1.008,00 €|1.008,00 €");
    EXPECT_EQ(Zeile(16), "mit neuen Grenzmarken|||1 x 87,00 €|   87,00 €");
    EXPECT_EQ(Zeile(17), "ohne neue Grenzmarken|||3 x 72,00 €|  216,00 €");
    EXPECT_EQ(Markiert("vamoNetto"), "   2.081,00 € ");
}

TEST_F(Abrechnung4, StartedTenMetreUnitsOnOneSideAndOnBoth) {
    Öffnen({{"II", "95", "Seite 1", "Feldlage"},
            {"II", "101", "Seite 1", "Feldlage"},
            {"II", "100", "Seite 2", "Feldlage"}});
    Abschließen();
    EXPECT_EQ(Zeile(2),
              "Flst.Nr. 210/3|  II\t  95|Feldlage, Seite 1|  0\t  0\t        95 x  1,0 / 10 =  10|");
    EXPECT_EQ(Zeile(3),
              "Flst.Nr. 210/3|  II\t 101|Feldlage, Seite 1|  0\t  0\t       101 x  1,0 / 10 =  11|");
    EXPECT_EQ(Zeile(4),
              "Flst.Nr. 210/3|  II\t 100|Feldlage, Seite 2|  0\t  0\t       100 x  0,9 / 10 =   9|");
    EXPECT_EQ(Zeile(11), "|Feldlage:| 30 x 36,00  €|1.080,00 €|");
}

TEST_F(Abrechnung4, TwoOrtslageLinesWithTheSurcharge) {
    frmKat4& f = Öffnen({{"I", "100", "Seite 1", "Ortslage"}, {"I", "120", "Seite 1", "Ortslage"}});
    Klicken(f.chkZuschlag);
    Abschließen();
    ASSERT_EQ(Zeilen(), 19) << "2 lines + 13 + 2 for Ortslage + 2 for the surcharge";
    EXPECT_EQ(Zeile(7), "A. Grundgebühr||||1.020,00 €");
    EXPECT_EQ(Zeile(10), "|Ortslage:| 22 x 41,00  €|  902,00 €|");
    EXPECT_EQ(Zeile(12), "|||3 x   902,00 €|2.706,00 €");
    EXPECT_EQ(Zeile(18), leer);
    EXPECT_EQ(Zeile(19), "D. Zuschlag für erheblichen Mehraufwand||20% von Teilgebühr A und B|"
                         "0,2 x 1.922,00 €|  384,40 €")
        << "20 % of A and the unweighted B";
}

TEST_F(Abrechnung4, SurveyDocumentsPerStartedHalfKilometre) {
    frmKat4& f = Öffnen({{"II", "1234", "Seite 2", "Feldlage"}});
    Klicken(f.chkVUnterlagen);
    Abschließen();
    ASSERT_EQ(Zeilen(), 18);
    EXPECT_EQ(Zeile(9), "|Feldlage:|111 x 36,00  €|3.996,00 €|");
    EXPECT_EQ(Zeile(16), "ohne neue Grenzmarken||||");
    EXPECT_EQ(Zeile(17), "|\rUmsatzsteuerfreie Auslagen|||");
    EXPECT_EQ(Zeile(18), "5.3.2|Vermessungsunterlagen|je halbem km|122,71 €|  368,13 €")
        << "3 half kilometres";
    EXPECT_EQ(Kommentare(Statement(), 18, 5), std::vector<std::string>{"0"});
    EXPECT_EQ(Markiert("vamoAuslagen"), "     368,13 € ");
}

// A terrain whose lines have no length keeps its two rows, empty, at the end of the table; which
// terrain does is pinned by Anlagengebuehr.ATerrainWithoutUnitsKeepsTwoEmptyRows.
TEST_F(Abrechnung4, AnEmptyLengthAndEmptyFieldsCountAsNothing) {
    frmKat4& f = Öffnen({{"II", "", "Seite 1", "Feldlage"}});
    Setzen(f.mskFlächen, "");
    Klicken(f.chkVUnterlagen);
    Abschließen();
    ASSERT_EQ(Zeilen(), 18) << "the Feldlage rows are counted but not written";
    EXPECT_EQ(Zeile(2),
              "Flst.Nr. 210/3|  II\t   0|Feldlage, Seite 1|  0\t  0\t         0 x  1,0 / 10 =   0|");
    EXPECT_EQ(Zeile(8), "B. Teilgebühr nach Grenzlänge je angefangene 10 m||||");
    EXPECT_EQ(Zeile(9), "Multiplikator:\rGroßfläche (1), Feldlage (2), Ortslage (3)||||");
    EXPECT_EQ(Zeile(10), leer);
    EXPECT_EQ(Zeile(15), "|\rUmsatzsteuerfreie Auslagen|||");
    EXPECT_EQ(Zeile(16), "5.3.2|Vermessungsunterlagen|je halbem km|122,71 €|    0,00 €");
    EXPECT_EQ(Zeile(17), leer);
    EXPECT_EQ(Zeile(18), leer);
    EXPECT_EQ(Beträge(), (std::vector<std::string>{"770,00 €", "    0,00 €"}));
}

TEST_F(Abrechnung4, SurchargeAndAreaComputationsEachOneBlankRowApart) {
    frmKat4& f = Öffnen();
    Klicken(f.chkZuschlag);
    Setzen(f.mskFlächen, "2");
    Abschließen();
    ASSERT_EQ(Zeilen(), 20);
    EXPECT_EQ(Zeile(16), "ohne neue Grenzmarken||||");
    EXPECT_EQ(Zeile(17), leer);
    EXPECT_EQ(
        Zeile(18),
        "D. Zuschlag für erheblichen Mehraufwand||20% von Teilgebühr A und B|0,2 x 1.670,00 €|  334,00 €");
    EXPECT_EQ(Zeile(19), leer);
    EXPECT_EQ(Zeile(20), "  2 Flächenberechnungen:\r||||   92,04 €");
    EXPECT_EQ(Markiert("vamoNetto"), "   3.170,04 € ") << "770 + 1800 + 174 + 334 + 92,04";
}

TEST_F(Abrechnung4, OnlyTheTakeoverFeeFollowsTheLastFeeRowDirectly) {
    frmKat4& f = Öffnen();
    Eintragen(1, 7, "1");
    Klicken(f.chkÜbernahme);
    Abschließen();
    ASSERT_EQ(Zeilen(), 18);
    EXPECT_EQ(Zeile(16), "ohne neue Grenzmarken|||1 x 72,00 €|   72,00 €");
    EXPECT_EQ(Zeile(17), "|\rUmsatzsteuerfreie Auslagen|||");
    EXPECT_EQ(Zeile(18), "14.2|Übernahmegebühr|je Trennstück|40,90 €|  122,70 €") << "3 parcels";
    EXPECT_EQ(Kommentare(Statement(), 18, 5), std::vector<std::string>{"0"});
    EXPECT_TRUE(Kommentare(Statement(), 16, 5).empty());
    EXPECT_EQ(Markiert("vamoAuslagen"), "     122,70 € ");
}

TEST_F(Abrechnung4, TheExampleRoadThroughAllThreeTerrainsAndTheLayoutOfEveryKindOfRow) {
    BeispielSpielen("frmKat4-strasse.json");
    beispiel.NeuLaden();
    ASSERT_EQ(Zeilen(), 29);
    EXPECT_EQ(Zeile(11), "|Ortslage:| 17 x 36,00  €|  612,00 €|");
    EXPECT_EQ(Zeile(12), "|Feldlage:| 25 x 36,00  €|  900,00 €|");
    EXPECT_EQ(Zeile(13), "|Großfläche:| 42 x 36,00  €|1.512,00 €|");
    EXPECT_EQ(Beträge(), (std::vector<std::string>{"770,00 €", "1.836,00 €", "1.800,00 €", "1.512,00 €",
                                                   "  522,00 €", "  288,00 €", "  758,80 €", "   92,04 €",
                                                   "  245,42 €", "  409,00 €"}));
    EXPECT_EQ(Markiert("vamoNetto"), "   8.233,26 € ") << "7.578,84 € of fees and the expenses";
    EXPECT_EQ(Markiert("vamoAuslagen"), "     654,42 € ");

    // The table's own widths and the right-aligned amount column, and each fee row's widths as the
    // saved invoice shows them.
    const std::string tabelle = "3,3L 2,4L 3,3L 7L 0,3R";
    const std::string& frei = tabelle;
    const std::string betrag = "3,3L 2,4L 3,3L 4L 4,5R";
    const std::string titel = "5,4L 0,3L 3,3L 7L 0,3R";
    const std::string auslage = "1,4L 4,5L 4L 3,3R 4,3R";
    EXPECT_TRUE(LayoutGleich(Statement(), {"3,3L* 2,4L* 3,3L* 7L* 0,3R",
                                           tabelle,
                                           tabelle,
                                           tabelle,
                                           frei,
                                           "6,7L* 0,3L 2L 7L 0,3R",
                                           frei,
                                           betrag,
                                           frei,
                                           titel,
                                           "3,3L 2,4L 3,3R 4R 4R",
                                           "3,3L 2,4L 3,3R 4R 4,5R",
                                           "3,3L 2,4L 3,3R 4R 4R",
                                           "8,34L 0,3L 0,3L 7L 0,3R",
                                           "3,3L 2,4L 3,3L 4R 4,5R",
                                           "3,3L 2,4L 3,3L 4R 4,5R",
                                           "3,3L 2,4L 3,3L 4R 1,5R",
                                           frei,
                                           titel,
                                           frei,
                                           "5,4L 0,3L 3,3L 4R 4,5R",
                                           "5,4L 0,3L 3,3L 4R 4,5R",
                                           frei,
                                           "5,4L 0,3L 3,3L 4R 4,5R",
                                           frei,
                                           "12,1L* 0,3L 0,3L 0,3L 4,5R",
                                           "1,37L 5L* 2,7L 7L 0,3R",
                                           auslage,
                                           auslage}));
    EXPECT_FALSE(Statement().BordersVisible());
}

} // namespace
} // namespace kovelund::test

// The statement frmKat1 writes on "&OK", and reading it back when the window opens on it again.

#include "Kat1Sitzung.h"
#include "support/Tabellenlayout.h"

#include <gtest/gtest.h>

namespace kovelund::test {
namespace {

using Abrechnung = Kat1Sitzung;

// The layout as the saved invoice shows it (support/Tabellenlayout.h): no borders, texts left and
// amounts right, the table's widths above the fee header and the fee block's below it, and bold
// only in the title, the headers, "Zwischensumme" and the expense heading.
TEST_F(Abrechnung, OneListedParcelWithAShareOfFiveHundredTheExpensesAndTheLayout) {
    Öffnen();
    Spielen(R"j([{"set": "MaskEdBoxAnteil", "text": "500"}, {"click": "chkUnterlagen"},
                {"click": "chkÜbernahme"}, {"click": "CommandEnde"}])j");
    EXPECT_EQ(Fenster().Standardinstanz(0), nullptr) << "the window unloaded";
    ASSERT_EQ(Statements(), 1);
    ASSERT_EQ(Zeilen(), 17);
    EXPECT_EQ(Zeile(1), "Zerlegung / Sonderung|Fläche [m²]|Bodenwert [€/m²]|Wert [€]|zu zahlen|||");
    EXPECT_EQ(Zeile(2), "Flst.Nr. 123/4|  1.200|    85,50|102.600,00|ja|||");
    EXPECT_EQ(Zeile(3), "|||||||") << "one row between the parcels and the fee header";
    EXPECT_EQ(Zeile(4), "Tarif- stelle|Bezeichnung||||||");
    EXPECT_EQ(Zeile(5), "10.1|Zerlegungsmessung||||||");
    EXPECT_EQ(Zeile(6), "|Vermessungsfläche|1.200 m²|||||");
    EXPECT_EQ(Zeile(7), "|Anzahl der berechneten Flächen|1|||||");
    EXPECT_EQ(Zeile(8), "|durchschnittlicher Verkehrswert|40,01 - 100,00 €/m²|||||");
    EXPECT_EQ(Zeile(9), "10.1.1|Gebühr nach Staffel 1|1|x   840,00 €|||  840,00 €|");
    EXPECT_EQ(Zeile(10),
              "|Gebühr nach Staffel 3, Teil B|6 in der Örtlichkeit überprüfte/hergestellte Grenzpunkte|"
              "x    77,00 €|||  462,00 €|");
    EXPECT_EQ(Zeile(11), "|||||||");
    EXPECT_EQ(Zeile(12), "|Zwischensumme\r|||||1.302,00 €|");
    EXPECT_EQ(Zeile(13), "|Ihr Anteil beträgt 500/1000\r50 % von 1.302,00 €|||  651,00 €|||");
    EXPECT_EQ(Zeile(14), "|\rUmsatzsteuerfreie Auslagen||||||");
    EXPECT_EQ(Zeile(15),
              "5.3.1|Vermessungsunterlagen|20% der Gebühr nach Gebührenstaffel|max. 184,06 €||||  168,00 €");
    EXPECT_EQ(Zeile(16), "14.1|Übernahmegebühr|15% der Gebühr nach Gebührenstaffel 1|||||  126,00 €");
    EXPECT_EQ(Zeile(17), "|anteilige Auslagen \r50 % von   294,00 €|||  147,00 €|||");
    EXPECT_EQ(Kommentare(17, 5), "0") << "the shared expenses are free of VAT";
    EXPECT_EQ(Kommentare(15, 8), "");
    EXPECT_EQ(Kommentare(13, 5), "");
    EXPECT_EQ(Kommentare(1, 5), "Kovelund_1");
    EXPECT_TRUE(rechnung.doc->Bookmarks().Exists("Kovelund_1"));
    EXPECT_EQ(Markiert("vamoAuslagen"), "     147,00 € ");
    EXPECT_EQ(rechnung.log.Sätze(), 0) << rechnung.log.Text();

    rechnung.NeuLaden();
    const std::string liste = "5,6L 3,5R 3R 2,9R 2,5R 0,3R 0,3R 0,3R";
    const std::string gebühr = "2L 5L 4R 3,4R 0,3R 0,3R 3R 0,3R";
    const std::string auslage = "2L 5L 4R 3,14R 0,3R 0,3R 0,3R 3R";
    EXPECT_TRUE(
        LayoutGleich(Statement(), {"5,6L* 3,5R* 3R* 2,9R* 2,5R* 0,3R 0,3R 0,3R", liste, liste,
                                   "2L* 5L* 4R 3,4R 0,3R 0,3R 3R 0,3R", gebühr, gebühr, gebühr, gebühr,
                                   gebühr, gebühr, gebühr, "2L 5L* 4R 3,4R 0,3R 0,3R 3R* 0,3R",
                                   "2L 7,2L 2,4R 3,4R 3R 0,3R 0,3R 0,3R", "2L 5L* 4R 3,4R 0,3R 0,3R 3R 0,3R",
                                   auslage, auslage, "2L 7,2L 2,1R 3,4R 2,8R 0,3R 0,3R 0,3R"}));
    EXPECT_FALSE(Statement().BordersVisible());
}

TEST_F(Abrechnung, TheFactorOfSeveralParcels) {
    Öffnen();
    Spielen(R"j([{"cell": "GridGebühren1", "row": 1, "col": 5}, {"key": "GridGebühren1", "code": 9},
                {"key": "GridGebühren1", "code": 9}, {"key": "GridGebühren1", "code": 9}])j");
    Abschließen();
    ASSERT_EQ(Zeilen(), 14);
    EXPECT_EQ(Zeile(5), "Flst.Nr. 123/4|  1.200|    85,50|102.600,00|ja|||");
    EXPECT_EQ(Zeile(9), "|Vermessungsfläche|4.800 m²|||||");
    EXPECT_EQ(Zeile(10), "|Anzahl der berechneten Flächen|4|||||");
    EXPECT_EQ(Zeile(12), "10.1.1|Gebühr nach Staffel 1|1,6|x 1.100,00 €|1.760,00 €|||");
}

TEST_F(Abrechnung, SurchargesAreWrittenWithoutCap) {
    Öffnen();
    Spielen(R"j([{"set": "MaskEdBoxMehr_a", "text": "100"}, {"set": "MaskEdBoxMehr_b", "text": "100"},
                {"set": "MaskEdBoxMehr_c", "text": "100"}])j");
    Abschließen();
    ASSERT_EQ(Zeilen(), 14);
    EXPECT_EQ(Zeile(11), "10.1.2 a|erheblicher Mehraufwand wegen Teilungsberechnungen |20% von   840,00 €|"
                         "mit einem Anteil von 100%|  168,00 €|||");
    EXPECT_EQ(Zeile(12),
              "10.1.2 b|erheblicher Mehraufwand wegen unklarer Grenzverhältnisse : |20% von   840,00 €|"
              "mit einem Anteil von 100%|  168,00 €|||");
    EXPECT_EQ(Zeile(13),
              "10.1.2 c|erheblicher Mehraufwand wegen dichter Bodenbewachsung : |20% von   840,00 €|"
              "mit einem Anteil von 100%|  168,00 €|||");
    EXPECT_EQ(Zeile(14), "|||||||");
    EXPECT_EQ(Markiert("vamoNetto"), "   1.806,00 € ") << "840 + 462 + 3 x 168";
}

TEST_F(Abrechnung, SeparationByABindingPlanBillsTheHoursAndNoPoints) {
    Öffnen();
    Spielen(R"j([{"choose": "comArt", "text": "11.2"}, {"set": "mskHTechniker", "text": "10"},
                {"set": "MaskEdBoxKM", "text": "12"}, {"set": "txtTageskm", "text": "2"}])j");
    Abschließen();
    ASSERT_EQ(Zeilen(), 14);
    EXPECT_EQ(Zeile(5), "11.2|Sonderung nach einem verbindlichen Plan||||||");
    EXPECT_EQ(Zeile(9), "|Gebühr nach Staffel 1|1 x 0,8 |x   840,00 €|  672,00 €|||");
    EXPECT_EQ(Zeile(10), "|||||||");
    EXPECT_EQ(Zeile(11), "|||||||");
    EXPECT_EQ(Zeile(12),
              "15.1.3|Aussenarbeiten von vermessungstechnischen Fachkräften|10,0 Stunden|x 41,00  €|"
              "  410,00 €|||");
    EXPECT_EQ(Zeile(13), "15.3|Einsatz von Kraftfahrzeugen|12 km|x 0,46 €/km |    5,52 €|||");
    EXPECT_EQ(Zeile(14), "15.3|Einsatz von Kraftfahrzeugen bis 10 km|2 Arbeitstage|x 5,00 € |   10,00 €|||")
        << "5,00 a day in the statement";
}

TEST_F(Abrechnung, SeparationByTheRecordWithoutTheList) {
    Öffnen();
    Summen("1200", "85,5");
    Spielen(R"j([{"choose": "comArt", "text": "11.1"}])j");
    EXPECT_EQ(fenster->lblGebühr.Caption(), "  420,00");
    Abschließen();
    ASSERT_EQ(Zeilen(), 9);
    EXPECT_EQ(Zeile(1), "Zerlegung / Sonderung|||||||");
    EXPECT_EQ(Zeile(2), "Tarif- stelle|Bezeichnung||||||");
    EXPECT_EQ(Zeile(3), "11.1|Sonderung nach dem Katasternachweis||||||");
    EXPECT_EQ(Zeile(5), "|Anzahl der berechneten Flächen|1|||||");
    EXPECT_EQ(Zeile(7), "|Gebühr nach Staffel 1|1 x 0,5 |x   840,00 €|  420,00 €|||");
    EXPECT_EQ(Zeile(8), "|||||||");
}

TEST_F(Abrechnung, TheShareFromTheAreas) {
    Öffnen();
    Summen("1200", "85,5");
    Spielen(R"j([{"set": "txtZusammenZahlen", "text": "600"}, {"click": "CommandEnde"}])j");
    ASSERT_EQ(Zeilen(), 12);
    EXPECT_EQ(Zeile(11), "|Ihr Anteil beträgt 600 m² zu 1.200 m²\r50 % von 1.302,00 €|||  651,00 €|||");
}

TEST_F(Abrechnung, AParcelTurnedToNeinJustBeforeOkIsNotBilled) {
    Öffnen();
    Spielen(R"j([{"cell": "GridGebühren1", "row": 1, "col": 5}, {"key": "GridGebühren1", "code": 9},
                {"cell": "GridGebühren1", "row": 2, "col": 2}, {"choose": "ComboBox4", "text": "nein"},
                {"click": "CommandEnde"}])j");
    ASSERT_EQ(Zeilen(), 15);
    EXPECT_EQ(Zeile(3), "Flst.Nr. 123/4|  1.200|    85,50|102.600,00|nein|||");
    EXPECT_EQ(Zeile(7), "|Vermessungsfläche|2.400 m²|||||");
    EXPECT_EQ(Zeile(10), "10.1.1|Gebühr nach Staffel 1|1,13|x   840,00 €|||  949,20 €|");
    EXPECT_EQ(Zeile(13), "|Zwischensumme\r|||||1.411,20 €|");
    EXPECT_EQ(Zeile(14), "|Ihr Anteil beträgt 1200 m² zu 2.400 m²\r50 % von 1.411,20 €|||  705,60 €|||");
}

TEST_F(Abrechnung, TheDocumentsAreCappedAt18406AndTheLayoutOfTheWholeFee) {
    Öffnen();
    Summen("1200", "150");
    Spielen(R"j([{"click": "chkUnterlagen"}, {"click": "chkÜbernahme"}, {"click": "CommandEnde"}])j");
    ASSERT_EQ(Zeilen(), 12);
    EXPECT_EQ(Zeile(10), "|\rUmsatzsteuerfreie Auslagen||||||");
    EXPECT_EQ(Zeile(11),
              "5.3.1|Vermessungsunterlagen|20% der Gebühr nach Gebührenstaffel|max. 184,06 €|  184,06 €|||")
        << "20 % of 1.030 would be 206";
    EXPECT_EQ(Zeile(12), "14.1|Übernahmegebühr|15% der Gebühr nach Gebührenstaffel 1||  154,50 €|||");
    EXPECT_EQ(Kommentare(11, 5), "0");
    EXPECT_EQ(Kommentare(12, 5), "0");

    rechnung.NeuLaden();
    const std::string gebühr = "2L 5,6L 4R 3,4R 2,5R 0,3R 0,3R 0,3R";
    const std::string auslage = "2L 5,6L 4R 3,14R 2,8R 0,3R 0,3R 0,3R";
    EXPECT_TRUE(LayoutGleich(Statement(),
                             {"5,6L* 3,5R 3R 2,9R 2,5R 0,3R 0,3R 0,3R",
                              "2L* 5,6L* 4R 3,4R 2,5R 0,3R 0,3R 0,3R", gebühr, gebühr, gebühr, gebühr, gebühr,
                              gebühr, gebühr, "2L 5,6L* 4R 3,4R 2,5R 0,3R 0,3R 0,3R", auslage, auslage}));
    EXPECT_FALSE(Statement().BordersVisible());
}

TEST_F(Abrechnung, AListWithoutAreaWritesNothing) {
    frmKat1& f = Öffnen();
    Spielen(R"j([{"cell": "GridGebühren1", "row": 1, "col": 3}, {"edit": "GridGebühren1", "text": "0"}])j");
    EXPECT_EQ(f.GridGebühren1.TextMatrix(1, 3), "    0");
    Abschließen();
    EXPECT_EQ(Fenster().Standardinstanz(0), nullptr);
    EXPECT_EQ(rechnung.doc->Tables().Count(), 0);
    EXPECT_FALSE(rechnung.doc->Modified());
}

TEST_F(Abrechnung, TheExampleWithTheParcelListAndTheExpenses) {
    BeispielSpielen("frmKat1-liste.json");
    ASSERT_EQ(Zeilen(), 20);
    EXPECT_EQ(Zeile(9), "|durchschnittlicher Verkehrswert|40,01 - 100,00 €/m²|||||")
        << "130.725 € / 1.650 m²";
    EXPECT_EQ(Zeile(12), "10.1.2 a|erheblicher Mehraufwand wegen Teilungsberechnungen |20% von   949,20 €|"
                         "mit einem Anteil von  30%|   56,95 €|||");
    EXPECT_EQ(Zeile(20), "14.1|Übernahmegebühr|15% der Gebühr nach Gebührenstaffel 1||  142,38 €|||")
        << "15 % of 949,20, the factor included";
    EXPECT_EQ(rechnung.log.Sätze(), 0) << rechnung.log.Text();
}

TEST_F(Abrechnung, TheExampleWithTotalsAndAShareOfFiveHundred) {
    BeispielSpielen("frmKat1-anteil.json");
    ASSERT_EQ(Zeilen(), 14);
    EXPECT_EQ(Zeile(5), "|Anzahl der berechneten Flächen|3|||||");
    EXPECT_EQ(Zeile(7), "10.1.1|Gebühr nach Staffel 1|1,38|x   840,00 €|||1.159,20 €|");
    EXPECT_EQ(Zeile(11), "|Ihr Anteil beträgt 500/1000\r50 % von 1.621,20 €|||  810,60 €|||");
    EXPECT_EQ(Zeile(14), "|anteilige Auslagen \r50 % von   184,06 €|||   92,03 €|||");
    EXPECT_EQ(rechnung.log.Sätze(), 0) << rechnung.log.Text();
}

// The bands' edges: 2,50 and 250,00 are the last of theirs.
TEST_F(Abrechnung, TheLandValueIsWrittenAsItsBand) {
    const std::pair<const char*, const char*> fälle[] = {
        {"2,50", "0 - 2,50"}, {"2,51", "2,51 - 10,00"}, {"250", "100,01 - 250,00"}, {"250,01", "> 250,00"}};
    for (const auto& [wert, stufe] : fälle) {
        Öffnen();
        Summen("1200", wert);
        Abschließen();
        EXPECT_EQ(Zeile(6), std::string("|durchschnittlicher Verkehrswert|") + stufe + " €/m²|||||");
        Statement().Delete();
    }
}

} // namespace
} // namespace kovelund::test

// Opening frmKat1 on a statement it wrote: the window shows what the statement holds, and "&OK"
// writes the same statement again in the same place.

#include "Kat1Sitzung.h"
#include "common/Texte.h"
#include "platform/docx/Table.h"

#include <gtest/gtest.h>

namespace kovelund::test {
namespace {

class Wiederherstellen : public Kat1Sitzung {
protected:
    /// Opens the window again on the saved statement, noting first how the invoice reads.
    frmKat1& Wiederöffnen() {
        Vormerken();
        return Kat1Sitzung::Wiederöffnen();
    }
};

TEST_F(Wiederherstellen, AListWithShareSurchargesTimeAndExpenses) {
    frmKat1& erst = Öffnen();
    Spielen(R"j([{"cell": "GridGebühren1", "row": 1, "col": 5}, {"key": "GridGebühren1", "code": 9},
                {"cell": "GridGebühren1", "row": 2, "col": 3}, {"edit": "GridGebühren1", "text": "300"},
                {"cell": "GridGebühren1", "row": 2, "col": 1}, {"edit": "GridGebühren1", "text": "Flst.Nr. 123/5"},
                {"set": "MaskEdBoxAnteil", "text": "500"}, {"set": "MaskEdBoxMehr_b", "text": "50"},
                {"set": "mskHTechniker", "text": "2,3"}, {"set": "mskHGehilfen", "text": "4"},
                {"set": "MaskEdBoxKM", "text": "35"}, {"set": "txtTageskm", "text": "3"},
                {"click": "chkUnterlagen"}, {"click": "chkÜbernahme"}, {"leave": "chkÜbernahme"}])j");
    std::string gebühr = erst.lblGebühr.Caption();
    Abschließen();

    frmKat1& f = Wiederöffnen();
    EXPECT_TRUE(f.optJa[0].Value());
    ASSERT_EQ(f.GridGebühren1.Rows(), 2) << "the empty row below the parcels is none";
    EXPECT_EQ(f.GridGebühren1.TextMatrix(2, 1), "Flst.Nr. 123/5");
    EXPECT_EQ(f.GridGebühren1.TextMatrix(2, 2), "ja");
    EXPECT_EQ(f.GridGebühren1.TextMatrix(2, 3), "  300");
    EXPECT_EQ(f.GridGebühren1.TextMatrix(2, 5), "25.650,00");
    EXPECT_EQ(f.GridGebühren1.RowHeight(2), 300);
    EXPECT_EQ(f.comArt.Text(), "10.1.1");
    EXPECT_EQ(f.MaskEdBoxAnteil.Text(), " 500");
    EXPECT_EQ(f.MaskEdBoxMehr_a.Text(), "");
    EXPECT_EQ(f.MaskEdBoxMehr_b.Text(), " 50");
    EXPECT_EQ(f.mskHTechniker.Text(), "  2,5");
    EXPECT_EQ(f.mskHGehilfen.Text(), "  4,0");
    EXPECT_EQ(f.MaskEdBoxKM.Text(), " 35");
    EXPECT_EQ(f.txtTageskm.Text(), "  3");
    EXPECT_EQ(f.MaskEdBoxGrenzpunkte.Text(), " 6");
    EXPECT_EQ(f.chkUnterlagen.Value(), ui::vbChecked);
    EXPECT_EQ(f.chkÜbernahme.Value(), ui::vbChecked);
    EXPECT_EQ(f.lblGebühr.Caption(), gebühr);
    UnverändertAbschließen();
}

TEST_F(Wiederherstellen, AListBilledInFull) {
    Öffnen();
    Spielen(R"j([{"choose": "comArt", "text": "11.1"}])j");
    Abschließen();
    frmKat1& f = Wiederöffnen();
    EXPECT_EQ(f.comArt.Text(), "11.1");
    EXPECT_EQ(f.GridGebühren1.Rows(), 1);
    EXPECT_EQ(f.lblGebühr.Caption(), "  420,00");
    UnverändertAbschließen();
}

TEST_F(Wiederherstellen, TotalsWithAShareOfTheAreaAndDecimalsInDaysAndPaidArea) {
    Öffnen();
    Summen("1200", "85,5");
    Spielen(R"j([{"set": "txtZusammenZahlen", "text": "600,4"}, {"set": "txtTageskm", "text": "1,5"},
                {"click": "CommandEnde"}])j");
    frmKat1& f = Wiederöffnen();
    EXPECT_TRUE(f.optJa[1].Value());
    EXPECT_TRUE(f.fraAnzahl.Visible());
    EXPECT_EQ(f.txtZusammenZahlen.Text(), "600,4") << "the decimals as written";
    EXPECT_EQ(f.txtTageskm.Text(), "1,5");
    EXPECT_EQ(f.txtzahlen.Text(), "600,4");
    EXPECT_EQ(f.MaskEdBoxFläche.Text(), "1.200,00");
    EXPECT_EQ(f.lblFläche.Caption(), "1.200");
    EXPECT_EQ(f.txtAnzahl.Text(), " 1");
    EXPECT_EQ(f.lblGebühr.Caption(), "  654,89") << "(1302 + 1,5 x 4,60) x 600,4 / 1200";
    UnverändertAbschließen();
}

TEST_F(Wiederherstellen, TotalsWithAShareOfThousandths) {
    Öffnen();
    Summen("2000", "12");
    Spielen(
        R"j([{"set": "MaskEdBoxAnteil", "text": "333"}, {"click": "chkUnterlagen"}, {"click": "CommandEnde"}])j");
    EXPECT_EQ(Zeile(11), "|Ihr Anteil beträgt 333/1000\r33,3333333333333 % von 1.106,00 €|||  368,67 €|||");
    frmKat1& f = Wiederöffnen();
    EXPECT_EQ(f.MaskEdBoxAnteil.Text(), " 333") << "the thousandths, not an area";
    EXPECT_EQ(f.txtZusammenZahlen.Text(), "2000") << "all of the area is paid for";
    UnverändertAbschließen();
}

TEST_F(Wiederherstellen, AShareRowOfTheEarlierFormGivesThePaidArea) {
    // An earlier statement: totals, and the share as "Ihr Anteil entspre…" with the thousandths
    // at the 54th character.
    docx::Range ende = rechnung.doc->Content();
    ende.Collapse(docx::CollapseEnd);
    ende.InsertParagraphAfter();
    ende.Collapse(docx::CollapseEnd);
    docx::Table t = rechnung.doc->Tables().Add(ende, 10, 8);
    auto schreiben = [&](int r, int c, const std::string& text) { t.Cell(r, c).Range().InsertAfter(text); };
    schreiben(1, 1, "Zerlegung / Sonderung");
    schreiben(2, 1, "Tarif- stelle");
    schreiben(3, 1, "10.1");
    schreiben(4, 3, "1.200 m²");
    schreiben(5, 3, "1");
    schreiben(6, 3, "40,01 - 100,00 €/m²");
    schreiben(7, 4, "x   840,00 €");
    schreiben(8, 3, "6 in der Örtlichkeit überprüfte/hergestellte Grenzpunkte");
    std::string anteil = "Ihr Anteil entsprechend dem Verhältnis der Flächen";
    schreiben(10, 2, anteil + std::string(53 - Länge(anteil), ' ') + "  250/1000");
    ASSERT_EQ(Mitte(Zelltext(t.Cell(10, 2)), 54, 5), "  250");
    t.Cell(1, 5).Range().Comments().Add(t.Cell(1, 5).Range(), "Kovelund_1");
    frmKat1& f = Kat1Sitzung::Wiederöffnen();
    EXPECT_EQ(f.txtZusammenZahlen.Text(), "300");
    EXPECT_EQ(f.MaskEdBoxWert.Text(), "  100,00");
    EXPECT_EQ(f.lblGebühr.Caption(), "  325,50") << "1302 x 300 / 1200";
    EXPECT_EQ(rechnung.log.Sätze(), 0) << rechnung.log.Text();
}

// The land value comes back from the band the statement names, and bills the same fee.
TEST_F(Wiederherstellen, TotalsWithoutShareBillTheSameLandValue) {
    const std::pair<const char*, const char*> fälle[] = {
        {"40,05", "   40,01"}, {"85,5", "  100,00"}, {"480", "  500,00"}, {"250,05", "  250,01"}};
    for (const auto& [eingabe, wiederhergestellt] : fälle) {
        frmKat1& erst = Öffnen();
        Summen("1200", eingabe);
        std::string gebühr = erst.lblGebühr.Caption();
        Abschließen();
        frmKat1& f = Wiederöffnen();
        EXPECT_EQ(f.MaskEdBoxWert.Text(), wiederhergestellt) << eingabe;
        EXPECT_EQ(f.txtZusammenZahlen.Text(), "1200") << "without a share row all of the area is paid for";
        EXPECT_EQ(f.lblGebühr.Caption(), gebühr);
        UnverändertAbschließen();
        Statement().Delete();
    }
}

} // namespace
} // namespace kovelund::test

// Opening frmKat3 on a statement it wrote, its share notes checked first: the grid, the break
// points and the boxes come back from the table, and "&OK" on the unchanged window writes the same
// table in the same place.

#include "Kat3Test.h"
#include "totals/VV_WordAuto.h"

#include <gtest/gtest.h>

namespace kovelund::test {
namespace {

class Wiederherstellen : public Kat3Test {
protected:
    /// Opens the window again on the saved statement, which the table choice offers.
    frmKat3& Wiederöffnen() {
        Vormerken();
        frmKat3& f = Kat3Test::Wiederöffnen();
        EXPECT_TRUE(backend.PendingAnswers().empty()) << "the statement was offered";
        return f;
    }
};

TEST_F(Wiederherstellen, BuildingsWithShareNotesBreakPointsAndExpenses) {
    Öffnen();
    Zelle(1, 3, "2");
    Zelle(1, 4, "10");
    Zelle(1, 5, "500");
    Spielen(R"j([{"key": "GridGebühren", "code": 9}])j");
    Zelle(2, 1, "Flst.Nr. 123/5, Garage");
    Zelle(2, 5, "333");
    Spielen(R"j([{"key": "GridGebühren", "code": 9}])j");
    Zelle(3, 5, "0");
    Spielen(R"j([{"key": "GridGebühren", "code": 9}])j");
    Zelle(4, 2, "1250000");
    Zelle(4, 5, "1000");
    Spielen(
        R"j([{"set": "mskBrechpunkte", "text": "3"}, {"click": "chkVUnterlagen"}, {"click": "chkÜbernahme"}])j");
    Abschließen();
    ASSERT_EQ(Zeilen(), 9);
    EXPECT_EQ(Zeile(2),
              "Flst.Nr. 123/4\vBetrag :  €   638,00 Ihr Anteil  500/1000|80.000,00|  2| 10|  319,00 €|");
    EXPECT_EQ(Zeile(3), "Flst.Nr. 123/5, Garage\vBetrag :  €   290,01 Ihr Anteil  333/1000|80.000,00|  1| 0|"
                        "   96,67 €|")
        << "96,67 x 3";
    EXPECT_EQ(Zeile(4),
              "Flst.Nr. 123/4\vBetrag :  €   290,00 Ihr Anteil    0/1000|80.000,00|  1| 0|    0,00 €|")
        << "nothing to go back from: the cost before the share";
    EXPECT_EQ(Zeile(5), "Flst.Nr. 123/4|1.250.000,00|  1| 0|1.250,00 €|") << "\"1.000\" is the whole";
    EXPECT_EQ(Markiert("vamoNetto"), "   2.132,24 € ") << "1.665,67 + 3 x 60 + 120 + 166,57";
    // A note is set 2 points below the invoice's 10 pt; how a note is written is
    // test_Abrechnungstabelle's.
    EXPECT_NE(beispiel.doc->PartXml("word/document.xml")
                  .find(R"(<w:sz w:val="16"/><w:szCs w:val="16"/></w:rPr><w:br/><w:t>Betrag :  € )"),
              std::string::npos);

    frmKat3& f = Wiederöffnen();
    ASSERT_EQ(f.GridGebühren.Rows(), 4)
        << "the break-point row, the heading and the expenses are no buildings";
    EXPECT_EQ(Gitterzeile(1), "Flst.Nr. 123/4|80.000,00|  2| 10| 500|  319,00");
    EXPECT_EQ(Gitterzeile(2), "Flst.Nr. 123/5, Garage|80.000,00|  1| 0| 333|   96,67");
    EXPECT_EQ(Gitterzeile(3), "Flst.Nr. 123/4|80.000,00|  1| 0|   0|    0,00") << "a share of 0 stays 0";
    EXPECT_EQ(Gitterzeile(4), "Flst.Nr. 123/4|1.250.000,00|  1| 0|1000|1.250,00");
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(f.GridGebühren.RowHeight(r), 300);
    EXPECT_EQ(f.mskBrechpunkte.Text(), "    3");
    EXPECT_EQ(f.chkFortführung.Value(), ui::vbUnchecked);
    EXPECT_EQ(f.chkVUnterlagen.Value(), ui::vbChecked);
    EXPECT_EQ(f.chkÜbernahme.Value(), ui::vbChecked);
    UnverändertAbschließen();
}

TEST_F(Wiederherstellen, TheCadastralUpdateInTheTitleAndBackFromIt) {
    Öffnen();
    Spielen(R"j([{"click": "chkFortführung"}])j");
    Zelle(1, 5, "250");
    Abschließen();
    EXPECT_EQ(
        Zeile(1),
        "Einmessung von Gebäuden\rim Zusammenhang mit einer Fortführung \rTarifstelle 13.1.3|Wert \r[€] "
        "|Anzahl|Zuschlag [%]\rTarifstelle 13.1.2||");
    frmKat3& f = Wiederöffnen();
    EXPECT_EQ(f.chkFortführung.Value(), ui::vbChecked);
    EXPECT_EQ(Gitterzeile(1), "Flst.Nr. 123/4|80.000,00|  1| 0| 250|   50,75") << "290 x 0,7 / 4";
    EXPECT_EQ(f.mskBrechpunkte.Text(), "") << "no break-point row";
    EXPECT_EQ(f.chkVUnterlagen.Value(), ui::vbUnchecked);
    UnverändertAbschließen();
}

TEST_F(Wiederherstellen, TickingTheUpdateWhileRestoringRecomputesEveryRow) {
    // A statement of another hand: its cost is not what the scale gives.
    docx::Table t = beispiel.doc->Tables().Add(beispiel.doc->Content(), 3, 6);
    const struct {
        int zeile, spalte;
        const char* text;
    } zellen[] = {{1, 1, "Einmessung von Gebäuden\rim Zusammenhang mit einer Fortführung"},
                  {2, 1, "Flst.Nr. 9\vBetrag :  €   400,00 Ihr Anteil  500/1000"},
                  {2, 2, "80.000,00"},
                  {2, 3, "  1"},
                  {2, 4, " 0"},
                  {2, 5, "  200,00 €"},
                  {3, 1, "14.4"}};
    for (const auto& z : zellen)
        t.Cell(z.zeile, z.spalte).Range().InsertAfter(z.text);
    BookmarkSetzen(t, "Kovelund_3");
    frmKat3& f = Wiederöffnen();
    ASSERT_EQ(f.GridGebühren.Rows(), 1);
    EXPECT_EQ(Gitterzeile(1), "Flst.Nr. 9|80.000,00|  1| 0| 500|  101,50") << "290 x 0,7 / 2, not 200,00";
    EXPECT_EQ(f.chkÜbernahme.Value(), ui::vbChecked);
    EXPECT_EQ(beispiel.log.Sätze(), 0) << beispiel.log.Text();
}

TEST_F(Wiederherstellen, TheExampleWithSharesBreakPointsAndExpenses) {
    BeispielSpielen("frmKat3-gebaeude.json");
    beispiel.NeuLaden();
    ASSERT_EQ(Zeilen(), 8);
    EXPECT_EQ(Zeile(2), "Flst.Nr. 123/4|180.000,00|  2| 10|1.045,00 €|") << "475 x 2 x 1,1";
    EXPECT_EQ(
        Zeile(4),
        "Flst.Nr. 123/6, Garage\vBetrag :  €   219,99 Ihr Anteil  333/1000|40.000,00|  1| 0|   73,33 €|");
    EXPECT_EQ(Zeile(8), "14.4|Übernahmegebühr|10% der Gebühr nach Gebührenstaffel||  126,33 €|")
        << "of 1.263,33";
    Wiederöffnen();
    UnverändertAbschließen();
}

TEST_F(Wiederherstellen, TheExampleWithTheCadastralUpdate) {
    BeispielSpielen("frmKat3-fortfuehrung.json");
    beispiel.NeuLaden();
    ASSERT_EQ(Zeilen(), 5);
    EXPECT_EQ(Zeile(2), "Flst.Nr. 88/2|320.000,00|  1| 0|  574,00 €|") << "820 x 0,7";
    EXPECT_EQ(Zeile(3), "Flst.Nr. 88/3, Anbau|60.000,00|  1| 20|  243,60 €|") << "290 x 0,7 x 1,2";
    EXPECT_EQ(Zeile(5), "14.4|Übernahmegebühr|10% der Gebühr nach Gebührenstaffel||   81,76 €|");
    Wiederöffnen();
    UnverändertAbschließen();
}

} // namespace
} // namespace kovelund::test

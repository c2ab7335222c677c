// Opening frmKat4 on a statement it wrote: the grid lines, the boxes and the count of area
// computations come back from the table, the companion table is looked up, and "&OK" without a
// change writes the same statement in the same place (a changed one's place is
// test_Abrechnungstabelle's).

#include "Kat4Test.h"
#include "component/Auftragskontext.h"
#include "totals/VV_WordAuto.h"

#include <gtest/gtest.h>

namespace kovelund::test {
namespace {

class Wiederherstellen4 : public Kat4Test {
protected:
    /// Opens the window on the invoice's first statement.
    frmKat4& Wiederöffnen() {
        frmKat4& f = Kat4Test::Wiederöffnen();
        EXPECT_TRUE(backend.PendingAnswers().empty()) << "the statement was offered";
        return f;
    }
};

TEST_F(Wiederherstellen4, EveryLineAndOptionComesBackAndIsWrittenAgainUnchanged) {
    frmKat4& f = Öffnen({{"II", "250", "Seite 1", "Feldlage", "2"},
                         {"I", "1234", "Seite 2", "Ortslage", "0", "1"},
                         {"III", "", "Seite 1", "Großfläche", "12", "3"}});
    Eintragen(2, 1, "Flst.Nr. 211, Weg");
    Klicken(f.chkZuschlag);
    Setzen(f.mskFlächen, "3");
    Klicken(f.chkVUnterlagen);
    Klicken(f.chkÜbernahme);
    Abschließen();
    ASSERT_EQ(Zeilen(), 29) << "the Großfläche rows stay empty at the end";

    Auftrag().Flurstücksnummer = "999/9";
    Auftrag().Achslänge = 10;
    Vormerken();
    frmKat4& w = Wiederöffnen();
    ASSERT_EQ(w.GridGebühren.Rows(), 3);
    EXPECT_EQ(Linie(1),
              (std::vector<std::string>{"Flst.Nr. 210/3", "II", "250", "Seite 1", "Feldlage", "  2", "0"}));
    EXPECT_EQ(Linie(2), (std::vector<std::string>{"Flst.Nr. 211, Weg", "I", "1.234", "Seite 2", "Ortslage",
                                                  "  0", "1"}));
    EXPECT_EQ(Linie(3),
              (std::vector<std::string>{"Flst.Nr. 210/3", "III", "0", "Seite 1", "Großfläche", " 12", "3"}));
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(w.GridGebühren.RowHeight(r), 300);
    EXPECT_EQ(w.GridGebühren.Row(), 1);
    EXPECT_EQ(w.chkZuschlag.Value(), ui::vbChecked);
    EXPECT_EQ(w.chkVUnterlagen.Value(), ui::vbChecked);
    EXPECT_EQ(w.chkÜbernahme.Value(), ui::vbChecked);
    EXPECT_EQ(w.mskFlächen.Text(), "  3");
    UnverändertAbschließen();
}

TEST_F(Wiederherstellen4, WithoutOptionsTheBoxesStayClearAndAChangeReplacesTheTable) {
    Öffnen();
    Abschließen();
    frmKat4& w = Wiederöffnen();
    EXPECT_EQ(w.GridGebühren.Rows(), 1);
    EXPECT_EQ(w.chkZuschlag.Value(), ui::vbUnchecked);
    EXPECT_EQ(w.chkVUnterlagen.Value(), ui::vbUnchecked);
    EXPECT_EQ(w.chkÜbernahme.Value(), ui::vbUnchecked);
    EXPECT_EQ(w.mskFlächen.Text(), "");
    Klicken(w.chkÜbernahme);
    Eintragen(1, 3, "600");
    Abschließen();
    EXPECT_EQ(Statements(), 1) << "the statement was replaced";
    EXPECT_EQ(Zeile(2),
              "Flst.Nr. 210/3|  II\t 600|Feldlage, Seite 1|  2\t  0\t       600 x  1,0 / 10 =  60|");
    EXPECT_EQ(Zeile(18), "14.2|Übernahmegebühr|je Trennstück|40,90 €|   81,80 €");
    EXPECT_EQ(beispiel.log.Sätze(), 0) << beispiel.log.Text();
}

TEST_F(Wiederherstellen4, TheCompanionTableIsLookedUpFromTheChosenStatementOn) {
    Öffnen();
    Abschließen();
    auto ende = [&] {
        docx::Range r = beispiel.doc->Content();
        r.Collapse(docx::CollapseEnd);
        r.InsertParagraphAfter();
        r.Collapse(docx::CollapseEnd);
        return r;
    };
    docx::Table begleitend = beispiel.doc->Tables().Add(ende(), 2, 5);
    BookmarkSetzen(begleitend, "Kovelund_4_Ein");
    int stelle = begleitend.Position();
    frmKat4& w = Wiederöffnen();
    ASSERT_TRUE(w.Begleittabelle());
    EXPECT_EQ(w.Begleittabelle()->Position(), stelle);
    Spielen(R"([{"click": "CommandAbbruch"}])");

    docx::Table hoai = beispiel.doc->Tables().Add(ende(), 2, 5);
    BookmarkSetzen(hoai, "RE_HOAI_Kosten");
    begleitend.Delete();
    docx::Table dahinter = beispiel.doc->Tables().Add(ende(), 2, 5);
    BookmarkSetzen(dahinter, "Kovelund_4_Ein");
    EXPECT_FALSE(Wiederöffnen().Begleittabelle()) << "the host's own fee table ends the search";
    EXPECT_EQ(beispiel.log.Sätze(), 0) << beispiel.log.Text();
}

TEST_F(Wiederherstellen4, AForeignTableWithTheMarkerIsLoggedAndLeavesOneLine) {
    docx::Table fremd = beispiel.doc->Tables().Add(beispiel.doc->Content(), 1, 5);
    BookmarkSetzen(fremd, "Kovelund_4");
    frmKat4& w = Wiederöffnen();
    EXPECT_TRUE(w.IsLoaded());
    ASSERT_EQ(w.GridGebühren.Rows(), 1) << "the grid keeps the line it always has";
    EXPECT_EQ(Linie(1), std::vector<std::string>(7, ""));
    EXPECT_EQ(beispiel.log.Sätze(), 4) << "the four cells of a line the table lacks";
    EXPECT_NE(beispiel.log.Text().find("Ort  : frmKat4.Form_Load"), std::string::npos) << beispiel.log.Text();
    Abschließen();
    EXPECT_EQ(Statements(), 1) << "the foreign table was replaced";
    EXPECT_EQ(Zeilen(), 16);
    EXPECT_EQ(Zeile(6), "A. Grundgebühr||||410,00 €") << "no category bills as III";
    EXPECT_EQ(beispiel.log.Sätze(), 4) << beispiel.log.Text();
}

} // namespace
} // namespace kovelund::test

// A category 5 window opened on an invoice that holds its table: the inputs come back from the
// cells, and "&OK" on the unchanged inputs writes the same table at the same place; that a changed
// table takes the old one's place is test_Abrechnungstabelle's.

#include "Kat5Test.h"

namespace kovelund::test {
namespace {

using frmKat5Wiederherstellen = Kat5Test;

// Each row: inspection, the value and the copies as entered, then the boxes as the reopened window
// shows them from the table, not from the order, and the last row of the table written again.
TEST_F(frmKat5Wiederherstellen, TheInputsComeBackAndAreWrittenAgainUnchanged) {
    const struct {
        bool mit;
        const char* wert;
        const char* mehrfach;
        const char* gezeigt;
        const char* kopien;
        Reihe letzte;
    } fälle[] = {
        {true,
         "380000",
         "2",
         " 380.000",
         "       2",
         {"Anzahl Mehrfachausfertigungen:", "       2", "", "", "  189,00 €"}},
        {false, "80000", "0", "  80.000", "", {"Gebäudewert [€]", "  80.000", "", "", "   41,00 €"}},
        {true, "500", "", "     500", "", {"Gebäudewert [€]", "     500", "", "", "   61,00 €"}},
        {true, "150000000", "", "150.000.000", "", {"Gebäudewert [€]", "150.000.000", "", "", "11.005,00 €"}},
    };
    for (const auto& fall : fälle) {
        Eigenschaften({{"Baukosten", 250000.0}});
        frmKat5& f = Öffnen();
        if (fall.mit) Klicken(f.chkOrt);
        Setzen(f.MaskEdBoxWert, fall.wert);
        Setzen(f.mskMehrfach, fall.mehrfach);
        Abschließen();

        Eigenschaften({{"Baukosten", 1000.0}});
        Vormerken();
        frmKat5& w = Wiederöffnen();
        EXPECT_EQ(w.chkOrt.Value(), fall.mit ? ui::vbChecked : ui::vbUnchecked) << fall.wert;
        EXPECT_EQ(w.MaskEdBoxWert.Text(), fall.gezeigt);
        EXPECT_EQ(w.mskMehrfach.Text(), fall.kopien);
        UnverändertAbschließen();
        EXPECT_EQ(Reihen().back(), fall.letzte);
        Statement().Delete();
    }
}

TEST_F(frmKat5Wiederherstellen, AValueWithCentsFromTheOrderKeepsItsCentsAndItsBracket) {
    Eigenschaften({{"Baukosten", 50000.4}});
    Klicken(Öffnen().chkOrt);
    Abschließen();
    ASSERT_EQ(Reihen()[2], (Reihe{"Gebäudewert [€]", "50.000,40", "", "", "   77,00 €"}));
    Vormerken();
    EXPECT_EQ(Wiederöffnen().MaskEdBoxWert.Text(), "50.000,40") << "whole euros would bill 61,00";
    UnverändertAbschließen();
}

TEST_F(frmKat5Wiederherstellen, ChangedInputsReplaceTheTableInPlace) {
    frmKat5& f = Öffnen();
    Setzen(f.mskMehrfach, "1");
    Abschließen();

    frmKat5& w = Wiederöffnen();
    Setzen(w.mskMehrfach, "");
    Klicken(w.chkOrt);
    Abschließen();
    EXPECT_EQ(Reihen(), (std::vector<Reihe>{{"Grenzbescheinigungen", "", "", "", ""},
                                            {"mit Ortsbesichtigung\rTarifstelle 8.1.1", "", "", "", ""},
                                            {"Gebäudewert [€]", "250.000,00", "", "", "  102,00 €"}}))
        << "the value from the order, as written the first time";
    EXPECT_EQ(Statements(), 1);
    EXPECT_EQ(Markiert("vamoNetto"), "     102,00 € ");
}

TEST_F(frmKat5Wiederherstellen, AForeignTableWithTheMarkerIsReadAsFarAsItGoes) {
    Fremdtabelle(2, 5).Cell(2, 1).Range().InsertAfter("Grenzbescheinigung mit Besichtigung");
    frmKat5& w = Wiederöffnen();
    EXPECT_TRUE(w.IsLoaded());
    EXPECT_EQ(w.chkOrt.Value(), ui::vbChecked);
    EXPECT_EQ(w.MaskEdBoxWert.Text(), "") << "the table has no row 3";
    protokollsätze = 1;
    EXPECT_NE(beispiel.log.Text().find("Ort  : frmKat5.Form_Load"), std::string::npos) << beispiel.log.Text();

    Abschließen();
    EXPECT_EQ(Reihen()[2], (Reihe{"Gebäudewert [€]", "", "", "", "   61,00 €"}));
    EXPECT_EQ(Statements(), 1);
}

} // namespace
} // namespace kovelund::test

// A category 5 window opened on an invoice that holds its table: the inputs come back from the
// cells, and "&OK" on the unchanged inputs writes the same table at the same place.

#include "Kat5Test.h"

namespace kovelund::test {
namespace {

class frmKat5Wiederherstellen : public Kat5Test {
protected:
    /// Finishes the reopened window unchanged and expects the invoice exactly as before.
    void UnverändertAbschließen() {
        std::string vorher = Abbild();
        auto zellen = Reihen();
        int tabellen = beispiel.doc->Tables().Count();
        Abschließen();
        EXPECT_EQ(Reihen(), zellen);
        EXPECT_EQ(Abbild(), vorher) << "the same table at the same place, the same totals";
        EXPECT_EQ(beispiel.doc->Tables().Count(), tabellen);
        EXPECT_EQ(Statements(), 1);
    }
};

TEST_F(frmKat5Wiederherstellen, AFourRowTableGivesBackTheInspectionTheValueAndTheCopies) {
    frmKat5& f = Öffnen();
    Klicken(f.chkOrt);
    Setzen(f.MaskEdBoxWert, "380000");
    Setzen(f.mskMehrfach, "2");
    Abschließen();

    Eigenschaften({{"Baukosten", 1000.0}});
    frmKat5& w = Wiederöffnen();
    EXPECT_EQ(w.chkOrt.Value(), ui::vbChecked);
    EXPECT_EQ(w.MaskEdBoxWert.Text(), " 380.000") << "the table, not the order";
    EXPECT_EQ(w.mskMehrfach.Text(), "       2");
    UnverändertAbschließen();
    EXPECT_EQ(Reihen()[3][4], "  189,00 €");
}

TEST_F(frmKat5Wiederherstellen, AThreeRowTableLeavesTheCopiesEmpty) {
    frmKat5& f = Öffnen();
    Setzen(f.MaskEdBoxWert, "80000");
    Setzen(f.mskMehrfach, "0");
    Abschließen();

    frmKat5& w = Wiederöffnen();
    EXPECT_EQ(w.chkOrt.Value(), ui::vbUnchecked) << "\"ohne\" holds no \"mit\"";
    EXPECT_EQ(w.MaskEdBoxWert.Text(), "  80.000");
    EXPECT_EQ(w.mskMehrfach.Text(), "");
    UnverändertAbschließen();
    EXPECT_EQ(Reihen().size(), 3u);
}

TEST_F(frmKat5Wiederherstellen, SmallAndHugeValuesSurviveAReopen) {
    const struct {
        const char* wert;
        const char* gezeigt;
        const char* gebühr;
    } fälle[] = {{"500", "     500", "   61,00 €"}, {"150000000", "150.000.000", "11.005,00 €"}};
    for (const auto& fall : fälle) {
        frmKat5& f = Öffnen();
        Klicken(f.chkOrt);
        Setzen(f.MaskEdBoxWert, fall.wert);
        Abschließen();
        frmKat5& w = Wiederöffnen();
        EXPECT_EQ(w.MaskEdBoxWert.Text(), fall.gezeigt);
        UnverändertAbschließen();
        EXPECT_EQ(Reihen()[2], (Reihe{"Gebäudewert [€]", fall.gezeigt, "", "", fall.gebühr}));
        Statement().Delete();
    }
}

TEST_F(frmKat5Wiederherstellen, AValueWithCentsFromTheOrderKeepsItsCentsAndItsBracket) {
    Eigenschaften({{"Baukosten", 50000.4}});
    Klicken(Öffnen().chkOrt);
    Abschließen();
    ASSERT_EQ(Reihen()[2], (Reihe{"Gebäudewert [€]", "50.000,40", "", "", "   77,00 €"}));
    EXPECT_EQ(Wiederöffnen().MaskEdBoxWert.Text(), "50.000,40") << "whole euros would bill 61,00";
    UnverändertAbschließen();
}

TEST_F(frmKat5Wiederherstellen, ChangedInputsReplaceTheTableInPlace) {
    frmKat5& f = Öffnen();
    Setzen(f.mskMehrfach, "1");
    Abschließen();
    std::string vorher = Abbild();
    std::string davor = vorher.substr(0, vorher.find("Grenzbescheinigungen"));

    frmKat5& w = Wiederöffnen();
    Setzen(w.mskMehrfach, "");
    Klicken(w.chkOrt);
    Abschließen();
    EXPECT_EQ(Reihen(), (std::vector<Reihe>{{"Grenzbescheinigungen", "", "", "", ""},
                                            {"mit Ortsbesichtigung\rTarifstelle 8.1.1", "", "", "", ""},
                                            {"Gebäudewert [€]", "250.000,00", "", "", "  102,00 €"}}))
        << "the value from the order, as written the first time";
    std::string nachher = Abbild();
    EXPECT_EQ(nachher.substr(0, nachher.find("Grenzbescheinigungen")), davor);
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

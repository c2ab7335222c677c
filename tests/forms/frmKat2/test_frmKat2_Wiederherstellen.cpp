// A category 2 window opened on an invoice that holds its statement: the inputs restored from the
// table, and "&OK" replacing that table in place.

#include "Kat2Test.h"

namespace kovelund::test {
namespace {

class Wiederherstellen : public Kat2Test {
protected:
    /// Notes how the saved invoice reads and picks its first category 2 statement.
    frmKat2& Wiederöffnen() {
        Vormerken();
        frmKat2& f = Kat2Test::Wiederöffnen();
        EXPECT_TRUE(backend.PendingAnswers().empty());
        return f;
    }

    void TearDown() override {
        if (!protokolliert) {
            EXPECT_EQ(u.log.Sätze(), 0) << u.log.Text();
        }
    }

    bool protokolliert = false;
};

TEST_F(Wiederherstellen, EveryInputOfAFullStatementComesBack) {
    frmKat2& f = Öffnen();
    Klicken(f.optArt[1]);
    Setzen(f.MaskEdBoxWert, "85,5");
    Klicken(f.chkT10_11);
    Klicken(f.chkUnterlagen);
    Klicken(f.chkVerhältnisse);
    Tippen(f.mskHTechniker, "2,3");
    Tippen(f.mskHGehilfen, "1");
    Setzen(f.MaskEdBoxKM, "36");
    Setzen(f.txtTageskm, "1,5");
    Klicken(f.chkVUnterlagen);
    Klicken(f.chkÜbernahme);
    std::string gebühr = f.lblGebühr.Caption();
    Abschließen();

    Auftrag().Flurstücksnummer = "999/9";
    Auftrag().AnzahlGrenzpunkte = 3;
    frmKat2& w = Wiederöffnen();
    EXPECT_TRUE(w.optArt[1].Value());
    EXPECT_EQ(w.TextboxFlst.Text(), "Flst.Nr. 123/4");
    EXPECT_EQ(w.MaskEdBoxWert.Text(), "   85,50");
    EXPECT_EQ(w.msk100.Text(), "12");
    EXPECT_EQ(w.chkT10_11.Value(), ui::vbChecked);
    EXPECT_EQ(w.chkUnterlagen.Value(), ui::vbChecked);
    EXPECT_EQ(w.chkVerhältnisse.Value(), ui::vbChecked);
    EXPECT_EQ(w.mskHTechniker.Text(), "  2,5");
    EXPECT_EQ(w.mskHGehilfen.Text(), "  1,0");
    EXPECT_EQ(w.MaskEdBoxKM.Text(), " 36");
    EXPECT_EQ(w.txtTageskm.Text(), "1,5") << "the statement's \" 1.5\" is one and a half days, not fifteen";
    EXPECT_EQ(w.chkVUnterlagen.Value(), ui::vbChecked);
    EXPECT_EQ(w.chkÜbernahme.Value(), ui::vbChecked);
    EXPECT_EQ(w.MaskEdBoxAnteil.Text(), "1000") << "no share row";
    EXPECT_EQ(w.lblGebühr.Caption(), gebühr)
        << "recomputed, as the label stood when the statement was written";
    EXPECT_EQ(gebühr, " 1.790,44");
    UnverändertAbschließen();
}

TEST_F(Wiederherstellen, TheShareComesBackFromItsRowAndTheKindFromRowFour) {
    const struct {
        int art;
        const char* anteil;
        const char* wieder;
    } fälle[] = {{0, "500", " 500"}, {2, "333", " 333"}, {1, "1000", "1000"}};
    for (const auto& fall : fälle) {
        frmKat2& f = Öffnen();
        Klicken(f.optArt[fall.art]);
        Setzen(f.MaskEdBoxAnteil, fall.anteil);
        Abschließen();
        frmKat2& w = Wiederöffnen();
        EXPECT_TRUE(w.optArt[fall.art].Value()) << fall.art;
        EXPECT_EQ(w.MaskEdBoxAnteil.Text(), fall.wieder);
        EXPECT_EQ(w.fraAufwendungen.Enabled(), fall.art != 2);
        Kat2Tabelle().Delete();
    }
}

TEST_F(Wiederherstellen, FinishingAgainReplacesTheTableInPlace) {
    frmKat2& f = Öffnen();
    Setzen(f.MaskEdBoxAnteil, "500");
    Klicken(f.chkÜbernahme);
    Abschließen();
    Wiederöffnen();
    UnverändertAbschließen();
    int stelle = Kat2Tabelle().Position();

    frmKat2& w = Wiederöffnen();
    Setzen(w.MaskEdBoxAnteil, "1000");
    Klicken(w.chkÜbernahme);
    docx::Table dritte = Abschließen();
    EXPECT_EQ(dritte.Rows().Count(), 7);
    EXPECT_EQ(Zellen(dritte)[5][4], "  540,00 €");
    EXPECT_EQ(dritte.Position(), stelle);
    EXPECT_EQ(Abrechnungen(), 1);
    EXPECT_EQ(Marke("vamoNetto"), "   1.092,00 € ") << "the totals follow the new table";
}

TEST_F(Wiederherstellen, ANewStatementBesideAnExistingOne) {
    Öffnen();
    Abschließen();
    Auftrag().AnzahlGrenzpunkte = 3;
    frmKat2& f = Öffnen();
    ASSERT_EQ(backend.Questions().size(), 1u);
    EXPECT_EQ(backend.Questions()[0].answer, "optNeu");
    EXPECT_EQ(f.msk100.Text(), " 3") << "a new statement takes the order";
    OK(f);
    EXPECT_EQ(Abrechnungen(), 2);
}

TEST_F(Wiederherstellen, AForeignTableWithTheMarkerIsLoggedAndReplaced) {
    Fremdtabelle(3, 5).Cell(2, 1).Range().InsertAfter("Flst.Nr. 7");
    frmKat2& w = Wiederöffnen();
    EXPECT_TRUE(w.IsLoaded());
    EXPECT_EQ(w.TextboxFlst.Text(), "Flst.Nr. 7") << "what the table has is read";
    EXPECT_EQ(w.MaskEdBoxAnteil.Text(), "1000");
    EXPECT_EQ(w.lblGebühr.Caption(), "     0,00");
    protokolliert = true;
    EXPECT_GE(u.log.Sätze(), 3) << "the cells the table lacks, each logged";
    EXPECT_NE(u.log.Text().find("Ort  : frmKat2.Form_Load"), std::string::npos) << u.log.Text();

    Setzen(w.msk100, "12");
    Setzen(w.MaskEdBoxWert, "5");
    docx::Table t = Abschließen();
    EXPECT_EQ(t.Rows().Count(), 7);
    EXPECT_EQ(Zellen(t)[1][0], "Flst.Nr. 7");
    EXPECT_EQ(Abrechnungen(), 1) << "the foreign table was replaced";
}

} // namespace
} // namespace kovelund::test

// The category 2 window while the user edits: the fields of a new window, the rules of each field
// and the running fee in lblGebühr.

#include "Kat2Test.h"

namespace kovelund::test {
namespace {

class Gebühr : public Kat2Test {
protected:
    Gebühr() { Öffnen(); }

    /// Points and land value as the user enters them, leaving the last field.
    void Eingeben(std::string punkte, std::string bodenwert) {
        Setzen(fenster->msk100, std::move(punkte));
        Setzen(fenster->MaskEdBoxWert, std::move(bodenwert));
        fenster->LeaveFocus();
    }

    std::string Label() const { return fenster->lblGebühr.Caption(); }

    void TearDown() override { EXPECT_EQ(u.log.Sätze(), protokollsätze) << u.log.Text(); }

    int protokollsätze = 0;
};

TEST_F(Gebühr, ANewWindowTakesTheOrderAndShowsNoFeeYet) {
    frmKat2& f = *fenster;
    EXPECT_EQ(f.TextboxFlst.Text(), "Flst.Nr. 123/4");
    EXPECT_EQ(f.MaskEdBoxWert.Text(), "    5,00");
    EXPECT_EQ(f.msk100.Text(), "12");
    EXPECT_EQ(f.MaskEdBoxAnteil.Text(), "1000");
    EXPECT_TRUE(f.optArt[0].Value());
    EXPECT_EQ(f.lblGebühr.Caption(), "    0,00");

    Auftrag().AnzahlGrenzpunkte = 6;
    Auftrag().Bodenwert = 1234.5;
    Öffnen();
    EXPECT_EQ(fenster->msk100.Text(), " 6");
    EXPECT_EQ(fenster->MaskEdBoxWert.Text(), " 1234,50") << "no grouping in the land value";
}

TEST(TeilA, ByNumberOfBoundaryPoints) {
    const struct {
        double punkte;
        double teilA;
    } fälle[] = {{0, 0},    {1, 385},  {5, 385},  {6, 435},  {10, 435},  {11, 540},  {20, 540},
                 {21, 640}, {30, 640}, {31, 790}, {50, 790}, {51, 1050}, {99, 1050}, {5.5, 1050}};
    for (const auto& fall : fälle)
        EXPECT_EQ(GrenzfeststellungTeilA(fall.punkte), fall.teilA) << fall.punkte << " points";
}

TEST_F(Gebühr, TeilAAndTeilBAtTheBandEdges) {
    const struct {
        const char* punkte;
        const char* gebühr;
    } fälle[] = {
        {"0", "     0,00"},  // no points, no Teil B either
        {"5", "   715,00"},  // 385 + 5 x 66
        {"6", "   771,00"},  // 435 + 6 x 56
        {"50", " 2.590,00"}, // 790 + 50 x 36
        {"51", " 2.631,00"}, // 1050 + 51 x 31
    };
    for (const auto& fall : fälle) {
        Eingeben(fall.punkte, "5");
        EXPECT_EQ(Label(), fall.gebühr) << fall.punkte << " points";
    }
}

TEST_F(Gebühr, KindsSurchargesAndShare) {
    frmKat2& f = *fenster;
    Eingeben("12", "5");
    EXPECT_EQ(Label(), " 1.092,00") << "540 + 12 x 46";

    Klicken(f.optArt[1]);
    EXPECT_EQ(Label(), "   873,60") << "subsequent marking: x 0.8";
    Klicken(f.chkUnterlagen);
    Klicken(f.chkVerhältnisse);
    EXPECT_EQ(Label(), " 1.223,04") << "each surcharge 20 % of the reduced fee";
    Klicken(f.chkUnterlagen);
    EXPECT_EQ(Label(), " 1.048,32");
    Klicken(f.optArt[0]);
    EXPECT_EQ(Label(), " 1.310,40");
    Klicken(f.chkUnterlagen);
    EXPECT_EQ(Label(), " 1.528,80") << "both 20 % of 1092, not of the sum after the first";

    Klicken(f.optArt[2]);
    EXPECT_EQ(Label(), "   960,00") << "cadastral renewal: 80 per point, surcharges cleared";

    Klicken(f.optArt[0]);
    Setzen(f.MaskEdBoxAnteil, "500");
    f.MaskEdBoxAnteil.PressKey(ui::vbKeyReturn, 0);
    EXPECT_EQ(Label(), "   546,00") << "Enter recomputes without leaving";
    Setzen(f.MaskEdBoxAnteil, "333");
    f.LeaveFocus();
    EXPECT_EQ(Label(), "   364,00") << "333 is one third";
    Setzen(f.MaskEdBoxAnteil, "");
    f.LeaveFocus();
    EXPECT_EQ(Label(), "     0,00") << "an empty share counts 0 here";
    Setzen(f.MaskEdBoxAnteil, "1000");
    f.LeaveFocus();
    EXPECT_EQ(Label(), " 1.092,00");
}

// How the hours fields round is the frame's (test_Rechnerfenster); here what they bill.
TEST_F(Gebühr, HoursCountByHalfHours) {
    frmKat2& f = *fenster;
    Eingeben("12", "5");
    Tippen(f.mskHTechniker, "1,5");
    EXPECT_EQ(f.mskHTechniker.Text(), "  1,5") << "the comma goes to Wert_Key";
    f.LeaveFocus();
    EXPECT_EQ(f.mskHTechniker.Text(), "  1,5");
    EXPECT_EQ(Label(), " 1.215,00") << "Int(2 x 1.9) = 3 half hours x 41 = 123,00";

    Tippen(f.mskHGehilfen, "1,5");
    Setzen(f.MaskEdBoxKM, "10");
    f.LeaveFocus();
    EXPECT_EQ(f.MaskEdBoxKM.Text(), " 10");
    EXPECT_EQ(Label(), " 1.315,80") << "+ 3 x 30,60 + 10 x 0,90";
}

TEST_F(Gebühr, EachFieldSelectsLeavesAndRecomputesByItsOwnRule) {
    frmKat2& f = *fenster;
    f.TextboxFlst.SetFocus();
    EXPECT_EQ(f.TextboxFlst.SelStart(), 9) << "the caret just behind \"Flst.Nr. \"";
    f.msk100.SetFocus();
    EXPECT_EQ(f.msk100.SelText(), "12");
    f.MaskEdBoxWert.SetFocus();
    EXPECT_EQ(f.MaskEdBoxWert.SelText(), "    5,00");

    Setzen(f.msk100, "7");
    EXPECT_EQ(Label(), " 1.092,00") << "leaving the land value counted 12 points; 7 count on leaving";
    f.LeaveFocus();
    EXPECT_EQ(f.msk100.Text(), "7") << "the points stay as typed";
    EXPECT_EQ(Label(), "   827,00");

    Tippen(f.MaskEdBoxWert, "12,5");
    EXPECT_EQ(f.MaskEdBoxWert.Text(), "   12,5");
    f.MaskEdBoxWert.PressKey(ui::vbKeyReturn, 0);
    EXPECT_EQ(Label(), "   897,00") << "Enter recomputes: 435 + 7 x 66";
    f.LeaveFocus();
    EXPECT_EQ(f.MaskEdBoxWert.Text(), "   12,50");

    Setzen(f.MaskEdBoxWert, "40,5");
    Setzen(f.MaskEdBoxKM, "7");
    EXPECT_EQ(f.MaskEdBoxWert.Text(), "   40,50");
    f.LeaveFocus();
    EXPECT_EQ(f.MaskEdBoxKM.Text(), "  7");
    EXPECT_EQ(Label(), "   980,30") << "435 + 7 x 77 + 7 x 0,90";
}

TEST_F(Gebühr, CadastralRenewalClearsAndLocksTheExpensesAndSurcharges) {
    frmKat2& f = *fenster;
    Tippen(f.mskHTechniker, "2");
    Tippen(f.mskHGehilfen, "3,5");
    Setzen(f.MaskEdBoxKM, "12");
    Setzen(f.txtTageskm, "3");
    Klicken(f.chkUnterlagen);
    Klicken(f.chkVerhältnisse);
    Klicken(f.chkÜbernahme);

    Klicken(f.optArt[2]);
    EXPECT_EQ(f.mskHTechniker.Text(), "  0,0");
    EXPECT_EQ(f.mskHGehilfen.Text(), "  0,0");
    EXPECT_EQ(f.MaskEdBoxKM.Text(), "  0");
    EXPECT_EQ(f.chkUnterlagen.Value(), ui::vbUnchecked);
    EXPECT_EQ(f.chkVerhältnisse.Value(), ui::vbUnchecked);
    EXPECT_EQ(f.txtTageskm.Text(), "3") << "kept, only locked with its group";
    EXPECT_EQ(f.chkÜbernahme.Value(), ui::vbChecked);
    for (const char* name :
         {"mskHTechniker", "txtTageskm", "chkVUnterlagen", "chkUnterlagen", "MaskEdBoxWert"})
        EXPECT_FALSE(f.Find(name)->Usable()) << name;
    EXPECT_TRUE(f.msk100.Usable());
    EXPECT_EQ(Label(), "   960,00");

    Klicken(f.optArt[1]);
    for (const char* name : {"mskHTechniker", "txtTageskm", "chkUnterlagen", "MaskEdBoxWert"})
        EXPECT_TRUE(f.Find(name)->Usable()) << name;
    EXPECT_EQ(f.mskHTechniker.Text(), "  0,0") << "enabling restores nothing";
    EXPECT_EQ(f.MaskEdBoxKM.Text(), "  0");
}

TEST_F(Gebühr, AFieldThatIsNoNumberCountsZeroAndIsLogged) {
    Eingeben("12", "5");
    Setzen(fenster->msk100, "-");
    fenster->LeaveFocus();
    EXPECT_EQ(Label(), "     0,00");
    protokollsätze = 1;
    EXPECT_NE(u.log.Text().find("Ort  : Funktionen.CVal"), std::string::npos) << u.log.Text();
}

} // namespace
} // namespace kovelund::test

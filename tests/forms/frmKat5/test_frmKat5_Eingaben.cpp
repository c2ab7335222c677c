// The inputs of frmKat5: the building value from the order, its focus, comma, Enter and leaving
// rules, and the copies box.

#include "Kat5Test.h"

namespace kovelund::test {
namespace {

class frmKat5Eingaben : public Kat5Test {
protected:
    frmKat5Eingaben() { Öffnen(); }
    frmKat5& f() { return *fenster; }
};

TEST_F(frmKat5Eingaben, ANewWindowShowsTheBuildingCostsWithCentsAndLeavingWholeEuros) {
    EXPECT_EQ(f().MaskEdBoxWert.Text(), "250.000,00");
    EXPECT_EQ(f().chkOrt.Value(), ui::vbUnchecked);
    EXPECT_EQ(f().mskMehrfach.Text(), "");
    f().MaskEdBoxWert.SetFocus();
    EXPECT_EQ(f().MaskEdBoxWert.SelStart(), 0);
    EXPECT_EQ(f().MaskEdBoxWert.SelText(), "250.000,00") << "the whole text selected";
    f().LeaveFocus();
    EXPECT_EQ(f().MaskEdBoxWert.Text(), " 250.000");
}

TEST_F(frmKat5Eingaben, EnterShowsWholeEurosWithoutLeaving) {
    Tippen(f().MaskEdBoxWert, "1234,5");
    f().MaskEdBoxWert.PressKey(ui::vbKeyReturn, 0);
    EXPECT_EQ(f().MaskEdBoxWert.Text(), "   1.235") << "halves away from zero";
    EXPECT_TRUE(f().MaskEdBoxWert.HasFocus());
}

// Typed values have no blank behind them: the comma goes where it is typed, so large values keep
// their digits. A comma behind blanks moves the integer part right, beside the comma written there,
// and the caret behind it; the decimals typed behind the integer part count.
TEST_F(frmKat5Eingaben, TheCommaOfATypedValue) {
    const struct {
        const char* getippt;
        const char* gezeigt;
        int einfügemarke;
        const char* verlassen;
    } fälle[] = {{"1234,", "1234,", 5, "   1.234"},
                 {"250000,4", "250000,4", 8, " 250.000"},
                 {"1234567,5", "1234567,5", 9, "1.234.568"},
                 {"12   ,", "   12,,  ", 6, "      12"},
                 {"1234 ,5", " 1234,5,  ", 7, "   1.235"}};
    for (const auto& fall : fälle) {
        Tippen(f().MaskEdBoxWert, fall.getippt);
        EXPECT_EQ(f().MaskEdBoxWert.Text(), fall.gezeigt) << fall.getippt;
        EXPECT_EQ(f().MaskEdBoxWert.SelStart(), fall.einfügemarke) << fall.getippt;
        f().LeaveFocus();
        EXPECT_EQ(f().MaskEdBoxWert.Text(), fall.verlassen) << fall.getippt;
    }
}

TEST_F(frmKat5Eingaben, ACommaBehindARightAlignedValueKeepsItsDigits) {
    Setzen(f().MaskEdBoxWert, "500");
    f().LeaveFocus();
    ASSERT_EQ(f().MaskEdBoxWert.Text(), "     500");
    f().MaskEdBoxWert.SetFocus();
    f().MaskEdBoxWert.SetSelStart(8);
    f().MaskEdBoxWert.Type(",6");
    EXPECT_EQ(f().MaskEdBoxWert.Text(), "     500,6");
    f().LeaveFocus();
    EXPECT_EQ(f().MaskEdBoxWert.Text(), "     501");
}

TEST_F(frmKat5Eingaben, TheCopiesBoxSelectsOnEntryAndShowsWholeNumbersOnLeaving) {
    Setzen(f().mskMehrfach, "2");
    f().LeaveFocus();
    EXPECT_EQ(f().mskMehrfach.Text(), "       2");
    f().mskMehrfach.SetFocus();
    EXPECT_EQ(f().mskMehrfach.SelStart(), 0);
    EXPECT_EQ(f().mskMehrfach.SelText(), "       2");
    Tippen(f().mskMehrfach, "x");
    f().LeaveFocus();
    EXPECT_EQ(f().mskMehrfach.Text(), "       0") << "no number counts 0";
}

TEST(frmKat5KommaUmschreiben, OnlyANumberInTheFirstFourPlacesIsMoved) {
    EXPECT_EQ(KommaUmschreiben("1234"), std::nullopt) << "no fifth character";
    EXPECT_EQ(KommaUmschreiben("12345"), std::nullopt);
    EXPECT_EQ(KommaUmschreiben("1234 "), " 1234,  ");
    EXPECT_EQ(KommaUmschreiben("7      "), "    7,  ");
    EXPECT_EQ(KommaUmschreiben("     500"), std::nullopt) << "the number stands behind the fourth place";
    EXPECT_EQ(KommaUmschreiben("        "), "     ,  ") << "four times at most";
}

} // namespace
} // namespace kovelund::test

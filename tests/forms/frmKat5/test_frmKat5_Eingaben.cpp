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
    EXPECT_EQ(f().Caption(), "Grenzbescheinigungen");
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
// their digits.
TEST_F(frmKat5Eingaben, TheCommaOfATypedValueStaysWhereItIsTyped) {
    Tippen(f().MaskEdBoxWert, "1234,");
    EXPECT_EQ(f().MaskEdBoxWert.Text(), "1234,");
    EXPECT_EQ(f().MaskEdBoxWert.SelStart(), 5);
    f().LeaveFocus();
    Tippen(f().MaskEdBoxWert, "250000,4");
    EXPECT_EQ(f().MaskEdBoxWert.Text(), "250000,4") << "not 25000,04";
    f().LeaveFocus();
    EXPECT_EQ(f().MaskEdBoxWert.Text(), " 250.000");
    Tippen(f().MaskEdBoxWert, "1234567,5");
    f().LeaveFocus();
    EXPECT_EQ(f().MaskEdBoxWert.Text(), "1.234.568");
}

TEST_F(frmKat5Eingaben, ACommaBehindBlanksMovesTheIntegerPartRightAndTheCaretBehindIt) {
    Tippen(f().MaskEdBoxWert, "12   ,");
    EXPECT_EQ(f().MaskEdBoxWert.Text(), "   12,,  ") << "the typed comma besides the written one";
    EXPECT_EQ(f().MaskEdBoxWert.SelStart(), 6);
    f().LeaveFocus();
    Tippen(f().MaskEdBoxWert, "1234 ,5");
    EXPECT_EQ(f().MaskEdBoxWert.Text(), " 1234,5,  ");
    f().LeaveFocus();
    EXPECT_EQ(f().MaskEdBoxWert.Text(), "   1.235") << "the decimals typed behind the integer part count";
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

#include "Protokoll.h"
#include "common/Funktionen.h"

#include <gtest/gtest.h>

using namespace kovelund;

namespace {

struct Feld : Eingabefeld {
    std::string text;
    int start = 0, länge = 0;
    std::string Text() const override { return text; }
    void SetText(std::string t) override { text = std::move(t); }
    int SelStart() const override { return start; }
    void SetSelStart(int s) override { start = s; }
    int SelLength() const override { return länge; }
    void SetSelLength(int l) override { länge = l; }
};

} // namespace

TEST(CVal, ReadsFieldTexts) {
    test::Protokoll log;
    EXPECT_EQ(CVal("12,5 m"), 12.5);
    EXPECT_EQ(CVal("1.250,00 €"), 1250);
    EXPECT_EQ(CVal("abc"), 0);
    EXPECT_EQ(CVal(""), 0);
    EXPECT_EQ(CVal(" 7 "), 7);
    EXPECT_EQ(CVal(","), 0);
    EXPECT_EQ(CVal("    0,00"), 0);
    EXPECT_EQ(log.Sätze(), 0);
}

TEST(CVal, ACollectedTextThatIsNoNumberIsLoggedAndGivesZero) {
    test::Protokoll log;
    EXPECT_EQ(CVal("-"), 0);
    EXPECT_EQ(CVal("1e999"), 0) << "a number too large for a double";
    EXPECT_EQ(CVal(std::string(400, '9') + " m"), 0);
    ASSERT_EQ(log.Sätze(), 3);
    EXPECT_NE(log.Text().find("Error 13: "), std::string::npos);
    EXPECT_NE(log.Text().find("Ort  : Funktionen.CVal\r\n"), std::string::npos);
}

TEST(WertFormatieren, ExamplesOfTheWindows) {
    EXPECT_EQ(WertFormatieren("1234,567", 8, 2), "1.234,57");
    EXPECT_EQ(WertFormatieren("5", 8, 2), "    5,00");
    EXPECT_EQ(WertFormatieren("0", 3, 0), "  0");
    EXPECT_EQ(WertFormatieren("2,25", 5, 1), "  2,3");
    EXPECT_EQ(WertFormatieren("1234567,891", 8, 2), "1.234.567,89");
    EXPECT_EQ(WertFormatieren("-12,5", 8, 0), "     -13");
    EXPECT_EQ(WertFormatieren(1234567.891, 8, 2), "1.234.567,89");
    EXPECT_EQ(WertFormatieren(100.0 / 3, 11, 2), "      33,33");
    EXPECT_EQ(WertFormatieren("", 5, 1), "  0,0");
    EXPECT_EQ(WertFormatieren("50 %", 4, 0), "  50");
    EXPECT_EQ(WertFormatieren("5 ", 2, 0), " 5") << "a left-aligned mask text moves right";
    EXPECT_EQ(WertFormatieren("1.200", 5, 0), "1.200") << "grouping points are dropped before reading";
    EXPECT_EQ(WertFormatieren("12,30", 4, 7), "12.30") << "decimals beyond 3 leave the prepared text";
}

TEST(Tausche, ReplacesEveryOccurrence) {
    EXPECT_EQ(Tausche("1.234.567", ".", ""), "1234567");
    EXPECT_EQ(Tausche("a,b,c", ",", ".."), "a..b..c");
    EXPECT_EQ(Tausche("Aa", "a", "b"), "Ab");
    EXPECT_EQ(Tausche("abc", "", "x"), "abc");
}

TEST(Wert_Key, MovesTheIntegerPartAndSelectsTheDecimals) {
    Feld feld;
    feld.text = "12";
    Wert_Key(feld, 8, 2);
    EXPECT_EQ(feld.text, "   12,  ");
    EXPECT_EQ(feld.start, 6);
    EXPECT_EQ(feld.länge, 255);

    feld.text = "4";
    Wert_Key(feld, 5, 1);
    EXPECT_EQ(feld.text, "  4, ");
    EXPECT_EQ(feld.start, 4);

    feld.text = "  3,5";
    Wert_Key(feld, 5, 1);
    EXPECT_EQ(feld.text, "  3,5") << "a text with a comma keeps it";
}

TEST(TextMarkieren, SelectsTheWholeText) {
    Feld feld;
    feld.text = "123";
    feld.start = 2;
    TextMarkieren(feld);
    EXPECT_EQ(feld.start, 0);
    EXPECT_EQ(feld.länge, 255);
}

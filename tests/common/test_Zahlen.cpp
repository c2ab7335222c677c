#include "common/Fehler.h"
#include "common/Zahlen.h"

#include <gtest/gtest.h>

#include <clocale>

using namespace kovelund;

TEST(AlsText, GeneralNumberFormat) {
    EXPECT_EQ(AlsText(100.0 / 3), "33,3333333333333");
    EXPECT_EQ(AlsText(50), "50");
    EXPECT_EQ(AlsText(-2.5), "-2,5");
    EXPECT_EQ(AlsText(0), "0");
    EXPECT_EQ(AlsText(0.0001), "0,0001");
    EXPECT_EQ(AlsText(0.00001), "1E-05");
    EXPECT_EQ(AlsText(1e16), "1E+16");
    EXPECT_EQ(AlsText(1.5e16), "1,5E+16");
    EXPECT_EQ(AlsText(123456789012345.0), "123456789012345");
    EXPECT_EQ(AlsText(0.1 + 0.2), "0,3") << "15 significant digits hide the binary noise";
}

TEST(AlsZahltext, PointAndLeadingBlank) {
    EXPECT_EQ(AlsZahltext(50), " 50");
    EXPECT_EQ(AlsZahltext(-2.5), "-2.5");
    EXPECT_EQ(AlsZahltext(100.0 / 3), " 33.3333333333333");
    EXPECT_EQ(AlsZahltext(0.333333333333333 * 100), " 33.3333333333333");
}

TEST(FührendeZahl, ReadsTheLeadingNumber) {
    EXPECT_EQ(FührendeZahl("  12.5 m"), 12.5);
    EXPECT_EQ(FührendeZahl(" 1 2 3"), 123) << "blanks are skipped anywhere";
    EXPECT_EQ(FührendeZahl("-3.25x"), -3.25);
    EXPECT_EQ(FührendeZahl("1.2.3"), 1.2) << "one point only";
    EXPECT_EQ(FührendeZahl("2e3"), 2000);
    EXPECT_EQ(FührendeZahl("12,5"), 12) << "a comma ends the number";
    EXPECT_EQ(FührendeZahl("abc"), 0);
    EXPECT_EQ(FührendeZahl(""), 0);
    EXPECT_EQ(FührendeZahl("-"), 0);
    EXPECT_THROW(FührendeZahl("1e999"), Fehler);
}

TEST(DeutscheZahl, AcceptsOnlyWholeGermanNumbers) {
    EXPECT_EQ(DeutscheZahl("1.250,5"), 1250.5);
    EXPECT_EQ(DeutscheZahl(" -3,5 "), -3.5);
    EXPECT_EQ(DeutscheZahl(",5"), 0.5);
    EXPECT_EQ(DeutscheZahl("1,5E3"), 1500);
    EXPECT_EQ(DeutscheZahl("12."), 12);
    EXPECT_EQ(DeutscheZahl(".5"), std::nullopt);
    EXPECT_EQ(DeutscheZahl("12a"), std::nullopt);
    EXPECT_EQ(DeutscheZahl("-"), std::nullopt);
    EXPECT_EQ(DeutscheZahl("1-2"), std::nullopt);
    EXPECT_EQ(DeutscheZahl(""), std::nullopt);
    EXPECT_EQ(DeutscheZahl("1,2,3"), std::nullopt);
}

TEST(Festformat, RoundsHalvesAwayFromZeroOnTheDecimalForm) {
    EXPECT_EQ(Festformat(2.675, 2), "2,68");
    EXPECT_EQ(Festformat(999.995, 2), "1.000,00");
    EXPECT_EQ(Festformat(-12.5, 0), "-13");
    EXPECT_EQ(Festformat(-0.001, 2), "0,00") << "no negative zero";
    EXPECT_EQ(Festformat(0, 2), "0,00");
    EXPECT_EQ(Festformat(0.005, 2), "0,01");
    EXPECT_EQ(Festformat(1234567.891, 2), "1.234.567,89");
    EXPECT_EQ(Festformat(1234567.891, 2, Gruppierung::Ohne), "1234567,89");
    EXPECT_EQ(Festformat(2.25, 1), "2,3");
    EXPECT_EQ(Festformat(1e20, 0), "100.000.000.000.000.000.000");
    EXPECT_EQ(Festformat(0.0004, 3), "0,000");
    EXPECT_THROW(Festformat(1.0 / 0.0, 2), Fehler);
}

TEST(Rechtsbündig, CountsCharactersAndKeepsLongTexts) {
    EXPECT_EQ(Rechtsbündig("5,00", 8), "    5,00");
    EXPECT_EQ(Rechtsbündig("12 €", 6), "  12 €");
    EXPECT_EQ(Rechtsbündig("1.234.567,89", 8), "1.234.567,89");
}

TEST(Ganzzahlen, IntAndRoundingWithOverflow) {
    EXPECT_EQ(Int(2.7), 2);
    EXPECT_EQ(Int(-2.5), -3);
    EXPECT_EQ(AlsInteger(2.5), 2) << "half to even";
    EXPECT_EQ(AlsInteger(3.5), 4);
    EXPECT_EQ(AlsInteger(-32768.0), -32768);
    try {
        AlsInteger(40000.0);
        FAIL();
    } catch (const Fehler& f) {
        EXPECT_EQ(f.Nummer(), 6);
    }
    EXPECT_THROW(AlsInteger(32767.5), Fehler);
    EXPECT_EQ(AlsLong(2147483647.0), 2147483647);
    EXPECT_THROW(AlsLong(2147483648.0), Fehler);
}

TEST(Gebietsschema, TheProcessLocaleChangesNothing) {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) std::setlocale(LC_NUMERIC, "C.UTF-8");
    EXPECT_EQ(AlsText(1234.5), "1234,5");
    EXPECT_EQ(AlsZahltext(2.5), " 2.5");
    EXPECT_EQ(FührendeZahl("2.5"), 2.5);
    EXPECT_EQ(Festformat(1234.5, 2), "1.234,50");
    std::setlocale(LC_ALL, "C");
}

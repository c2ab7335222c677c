// The category 6 statement as "&OK" writes it into the sample invoice: one header row and one row per
// grid line, its texts, units and amounts, its layout at 10 pt, its marker and the totals.

#include "Kat6Test.h"
#include "support/Tabellenlayout.h"
#include "totals/VV_WordAuto.h"

#include <gtest/gtest.h>

namespace kovelund::test {
namespace {

using frmKat6Abrechnung = Kat6Test;

const char* const kopf = "Gebühren nach Zeitaufwand|||Gebühr||";

TEST_F(frmKat6Abrechnung, TheThreeLineExampleAndItsLayout) {
    BeispielSpielen("frmKat6-drei.json");
    EXPECT_EQ(Fenster().Standardinstanz(5), nullptr) << "the window unloaded";
    beispiel.NeuLaden();
    ASSERT_EQ(Statements(), 1);
    ASSERT_EQ(Statement().Rows().Count(), 4);
    EXPECT_EQ(Reihe(1), kopf);
    EXPECT_EQ(Reihe(2), "15.1.2|Meßtruppführer, Beamte des gehobenen Dienstes oder vergleichbare Angestellte|"
                        "3,5 h|46,00 €|    161,00 €|");
    EXPECT_EQ(Reihe(3), "15.3|Einsatz von Kraftfahrzeugen|123 km| 0,46 €|     56,58 €|");
    EXPECT_EQ(Reihe(4), "15.2.1 a)|Einsatz von Spezialinstrumenten und -geräten für den Außendienst bis zu 4 "
                        "Stunden pro Tag|1 Tag|25,50 €|     25,50 €|");
    EXPECT_EQ(Kommentare(Statement(), 1, 5), std::vector<std::string>{"Kovelund_6"});
    for (int r = 2; r <= 4; ++r)
        EXPECT_TRUE(Kommentare(Statement(), r, 5).empty()) << "no amount is free of VAT";
    EXPECT_EQ(Tabellenmarke(beispiel.doc->Tables().Item(1)), "Kovelund_6")
        << "at the marker, above the totals";
    EXPECT_EQ(Markiert("vamoNetto"), "     243,08 € ");
    EXPECT_EQ(Markiert("vamoAuslagen"), "       0,00 € ");
    EXPECT_EQ(Markiert("vamoBrutto"), "     289,27 € ");

    // Cells 1 and 2 of the header have widths of their own, rate and cost stand right, nothing has
    // a border, and all the table's text is 10 pt.
    const std::string zeile = "1,62L 6,87L 2,25L 2,25R 3R 0,3L";
    EXPECT_TRUE(LayoutGleich(Statement(), {"7L* 1,5L 2,25L* 2,25R* 3R 0,3L", zeile, zeile, zeile}));
    EXPECT_FALSE(Statement().BordersVisible());
    EXPECT_EQ(Statement().Range().FontSize(), 10);
}

TEST_F(frmKat6Abrechnung, TheEmptiedLineExample) {
    BeispielSpielen("frmKat6-geleert.json");
    beispiel.NeuLaden();
    ASSERT_EQ(Statement().Rows().Count(), 4);
    EXPECT_EQ(Reihe(2),
              "15.1.1|Öffentlich bestellte Vermessungsingenieure, Beamte des höheren "
              "vermessungstechnischen Dienstes oder vergleichbare Angestellte|2,5 h|56,00 €|    140,00 €|");
    EXPECT_EQ(Reihe(3), "|||||") << "the emptied line";
    EXPECT_EQ(Reihe(4),
              "15.1.4|sonstige technische Kräfte, Meßgehilfen oder anderen entsprechend eingesetzten "
              "Hilfskräften|7 h|30,60 €|    214,20 €|");
    EXPECT_EQ(Markiert("vamoNetto"), "     354,20 € ");
}

TEST_F(frmKat6Abrechnung, EveryKindWithItsTariffItemUnitAndRate) {
    Öffnen();
    const std::vector<Aufwandsart>& arten{Aufwandsarten().begin(), Aufwandsarten().end()};
    for (int z = 1; z <= 10; ++z) {
        Eingeben(z, std::string(arten[static_cast<std::size_t>(z - 1)].art), "2");
        if (z < 10) Tab();
    }
    Abschließen();
    // Tariff item, unit and rate of each kind; the descriptions are the list's, and the examples pin
    // five of them.
    const char* const erwartet[] = {
        "15.1.1|2 h|56,00 €|    112,00 €",       "15.1.2|2 h|46,00 €|     92,00 €",
        "15.1.3|2 h|41,00 €|     82,00 €",       "15.1.4|2 h|30,60 €|     61,20 €",
        "15.2.1 a)|2 Tage|25,50 €|     51,00 €", "15.2.1 b)|2 Tage|51,00 €|    102,00 €",
        "15.2.2 a)|2 h|10,20 €|     20,40 €",    "15.2.2 b)|2 h|15,40 €|     30,80 €",
        "15.2.2 c)|2 h|61,00 €|    122,00 €",    "15.3|2 km| 0,46 €|      0,92 €"};
    ASSERT_EQ(Statement().Rows().Count(), 11);
    for (int z = 2; z <= 11; ++z) {
        const std::vector<std::string> zeile = Zellen(Statement())[static_cast<std::size_t>(z - 1)];
        EXPECT_EQ(zeile[0] + "|" + zeile[2] + "|" + zeile[3] + "|" + zeile[4], erwartet[z - 2]);
    }
    EXPECT_EQ(Markiert("vamoNetto"), "     674,32 € ");
}

// One day is "1 Tag" in the three-line example; less than one is none.
TEST_F(frmKat6Abrechnung, LessThanADayIsZeroTagWithoutCost) {
    Öffnen();
    Eingeben(1, "Spezialinstrument außen über 4h", "0,5");
    Abschließen();
    EXPECT_EQ(Reihe(2), "15.2.1 b)|Einsatz von Spezialinstrumenten und -geräten für den Außendienst über 4 "
                        "Stunden pro Tag|0 Tag|51,00 €||")
        << "quantity 0: the rate, no cost";
}

// A line never computed, such as the first line of a new window, bills nothing but names its kind.
TEST_F(frmKat6Abrechnung, ALineNeverComputedHasItsTextsWithoutAmounts) {
    Öffnen();
    Abschließen();
    ASSERT_EQ(Statement().Rows().Count(), 2) << "the statement is written even with nothing to bill";
    EXPECT_EQ(Reihe(2), "15.1.1|Öffentlich bestellte Vermessungsingenieure, Beamte des höheren "
                        "vermessungstechnischen Dienstes oder vergleichbare Angestellte| h|||");
    EXPECT_EQ(Markiert("vamoNetto"), "       0,00 € ");
}

} // namespace
} // namespace kovelund::test

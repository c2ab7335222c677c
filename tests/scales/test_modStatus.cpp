#include "Protokoll.h"
#include "scales/modStatus.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <limits>

using namespace kovelund;

namespace {
struct Fall {
    const char* was;
    double bodenwert, fläche, gebühr;
};
} // namespace

TEST(Gebührenstaffel1, BracketBoundaries) {
    const Fall fälle[] = {
        {"2,59 €/m² is still column A", 2.59, 20, 123},
        {"2,60 €/m² is column B", 2.60, 20, 143},
        {"10,09 €/m² is column B", 10.09, 20, 143},
        {"10,10 €/m² is column C", 10.10, 20, 174},
        {"40,10 €/m² is column D", 40.10, 1200, 840},
        {"100,10 €/m² is column E", 100.10, 1200, 1030},
        {"250,05 €/m² stays in column E", 250.05, 20, 280},
        {"250,10 €/m² adds one value step", 250.10, 20, 280 + 36},
        {"349,90 €/m² one value step", 349.90, 600, 790 + 72},
        {"350,00 €/m² two value steps", 350.00, 600, 790 + 2 * 72},
        {"25 m² is the first row", 85.5, 25, 215},
        {"25,9 m² is cut to 25", 85.5, 25.9, 215},
        {"26 m² is the second row", 85.5, 26, 270},
        {"100.000 m² is the last row", 5, 100000, 2260},
        {"100.001 m² adds one area step", 5, 100001, 2260 + 360},
        {"150.000 m² still one area step", 45, 150000, 2980 + 430},
        {"150.001 m² two area steps", 1, 150001, 1870 + 2 * 310},
        {"200.001 m² at 450 €/m²: both above", 450, 200001, 5082},
        {"no land value and no area", 0, 0, 123},
    };
    for (const auto& f : fälle)
        EXPECT_EQ(Gebührenstaffel1(f.bodenwert, f.fläche), f.gebühr) << f.was;
}

// Every cell of scale 1 at both corners of its area row and value column, and both steps.
TEST(Gebührenstaffel1, EveryRowColumnAndStep) {
    struct Zeile {
        double flächeVon, flächeBis;
        double gebühr[5];
        double wertstufe;
    };
    const Zeile staffel[] = {
        {0, 25, {123, 143, 174, 215, 280}, 36},
        {26, 100, {159, 184, 220, 270, 340}, 41},
        {101, 300, {215, 265, 330, 380, 460}, 46},
        {301, 500, {295, 355, 420, 490, 580}, 51},
        {501, 1000, {375, 460, 550, 650, 790}, 72},
        {1001, 2500, {490, 590, 710, 840, 1030}, 97},
        {2501, 5000, {640, 760, 920, 1100, 1310}, 107},
        {5001, 10000, {830, 990, 1210, 1480, 1730}, 123},
        {10001, 25000, {1110, 1380, 1700, 2020, 2320}, 143},
        {25001, 50000, {1440, 1730, 2050, 2420, 2750}, 164},
        {50001, 100000, {1870, 2260, 2610, 2980, 3300}, 164},
    };
    // Land values at the lower and upper end of columns A to E (in whole tenths of a euro).
    const double wertVon[] = {0, 2.60, 10.10, 40.10, 100.10};
    const double wertBis[] = {2.59, 10.09, 40.09, 100.09, 250.09};
    const double flächenstufe[] = {310, 360, 430, 430, 430};
    const Zeile& letzte = staffel[std::size(staffel) - 1];
    for (const Zeile& z : staffel) {
        for (int s = 0; s < 5; ++s) {
            EXPECT_EQ(Gebührenstaffel1(wertVon[s], z.flächeVon), z.gebühr[s])
                << z.flächeVon << " m², column " << s;
            EXPECT_EQ(Gebührenstaffel1(wertBis[s], z.flächeBis + 0.9), z.gebühr[s])
                << z.flächeBis << ",9 m², column " << s;
        }
        EXPECT_EQ(Gebührenstaffel1(250.10, z.flächeBis), z.gebühr[4] + z.wertstufe)
            << "one value step, " << z.flächeBis << " m²";
        EXPECT_EQ(Gebührenstaffel1(350.00, z.flächeVon), z.gebühr[4] + 2 * z.wertstufe)
            << "two value steps, " << z.flächeVon << " m²";
    }
    for (int s = 0; s < 5; ++s) {
        EXPECT_EQ(Gebührenstaffel1(wertVon[s], 100001), letzte.gebühr[s] + flächenstufe[s])
            << "one area step, column " << s;
        EXPECT_EQ(Gebührenstaffel1(wertBis[s], 150001), letzte.gebühr[s] + 2 * flächenstufe[s])
            << "two area steps, column " << s;
    }
    EXPECT_EQ(Gebührenstaffel1(250.10, 100001), 3300 + 430 + 164) << "both above";
}

TEST(Grenzfeststellung_B, EveryRowColumnAndStep) {
    struct Zeile {
        double punkteVon, punkteBis;
        double betrag[4];
        double stufe;
    };
    const Zeile staffel[] = {
        {1, 5, {66, 77, 87, 102}, 10},  {6, 10, {56, 66, 77, 97}, 70},  {11, 20, {46, 56, 66, 87}, 10},
        {21, 30, {41, 51, 61, 82}, 10}, {31, 50, {36, 46, 56, 77}, 10}, {51, 500, {31, 41, 51, 72}, 10},
    };
    const double wertVon[] = {0, 10.01, 40.01, 100.01};
    const double wertBis[] = {10, 40, 100, 250};
    for (const Zeile& z : staffel) {
        for (int s = 0; s < 4; ++s) {
            EXPECT_EQ(Grenzfeststellung_B(wertVon[s], z.punkteVon), z.betrag[s])
                << z.punkteVon << " points, column " << s;
            EXPECT_EQ(Grenzfeststellung_B(wertBis[s], z.punkteBis), z.betrag[s])
                << z.punkteBis << " points, column " << s;
        }
        EXPECT_EQ(Grenzfeststellung_B(250.01, z.punkteVon), z.betrag[3] + z.stufe)
            << "one step, " << z.punkteVon << " points";
        EXPECT_EQ(Grenzfeststellung_B(350, z.punkteBis), z.betrag[3] + 2 * z.stufe)
            << "two steps, " << z.punkteBis << " points";
    }
}

TEST(Grenzfeststellung_B, RowsColumnsAndSteps) {
    const Fall fälle[] = {
        {"no points give 0", 300, 0, 0},
        {"5 points up to 10 €/m²", 10, 5, 66},
        {"10,50 €/m² is the column up to 40", 10.50, 5, 77},
        {"6 points, the 6-10 row", 100, 6, 77},
        {"8 points at 300: the 6-10 row's step is 70", 300, 8, 167},
        {"25 points at 350", 350, 25, 102},
        {"50 points at 250", 250, 50, 77},
        {"51 points, the last row", 40, 51, 41},
        {"12 points at 5 €/m²", 5, 12, 46},
    };
    for (const auto& f : fälle)
        EXPECT_EQ(Grenzfeststellung_B(f.bodenwert, f.fläche), f.gebühr) << f.was;
}

TEST(Grenzbescheinigung, ContiguousBracketsAndSteps) {
    EXPECT_EQ(Grenzbescheinigung_mit(50), 61);
    EXPECT_EQ(Grenzbescheinigung_mit(50.0005), 77) << "50.000,50 € is above the first bracket";
    EXPECT_EQ(Grenzbescheinigung_mit(2500), 385);
    EXPECT_EQ(Grenzbescheinigung_mit(3000), 385 + 36);
    EXPECT_EQ(Grenzbescheinigung_mit(3000.001), 385 + 2 * 36);
    EXPECT_EQ(Grenzbescheinigung_ohne(0), 36);
    EXPECT_EQ(Grenzbescheinigung_ohne(250), 56);
    EXPECT_EQ(Grenzbescheinigung_ohne(1500), 230);
    EXPECT_EQ(Grenzbescheinigung_ohne(2500.001), 305 + 31);
}

// Each bracket at its lower end (one euro above the previous bound) and at its bound, then the steps.
TEST(Grenzbescheinigung, EveryBracketAndStep) {
    const double bis[] = {50, 100, 250, 500, 1000, 1500, 2500}; // thousands of euros
    const double mit[] = {61, 77, 102, 179, 251, 305, 385};
    const double ohne[] = {36, 41, 56, 123, 179, 230, 305};
    double von = 0;
    for (std::size_t k = 0; k < std::size(bis); ++k) {
        EXPECT_EQ(Grenzbescheinigung_mit(von), mit[k]) << von;
        EXPECT_EQ(Grenzbescheinigung_mit(bis[k]), mit[k]) << bis[k];
        EXPECT_EQ(Grenzbescheinigung_ohne(von), ohne[k]) << von;
        EXPECT_EQ(Grenzbescheinigung_ohne(bis[k]), ohne[k]) << bis[k];
        von = bis[k] + 0.001;
    }
    EXPECT_EQ(Grenzbescheinigung_mit(3000), 385 + 36);
    EXPECT_EQ(Grenzbescheinigung_mit(3500), 385 + 2 * 36);
    EXPECT_EQ(Grenzbescheinigung_ohne(3000), 305 + 31);
    EXPECT_EQ(Grenzbescheinigung_ohne(3000.001), 305 + 2 * 31);
}

TEST(Gebäudevermessung, EveryBracket) {
    const double bis[] = {50'000, 100'000, 250'000, 500'000, 1'000'000, 1'500'000, 2'500'000};
    const double gebühr[] = {220, 290, 475, 820, 1070, 1250, 1600};
    double von = 0;
    for (std::size_t k = 0; k < std::size(bis); ++k) {
        EXPECT_EQ(Gebäudevermessung(von), gebühr[k]) << von;
        EXPECT_EQ(Gebäudevermessung(bis[k]), gebühr[k]) << bis[k];
        von = bis[k] + 1;
    }
}

TEST(Gebäudevermessung, BracketsAndTheSquareRootRule) {
    EXPECT_EQ(Gebäudevermessung(50000), 220);
    EXPECT_EQ(Gebäudevermessung(50000.50), 290);
    EXPECT_EQ(Gebäudevermessung(2500000), 1600);
    EXPECT_EQ(Gebäudevermessung(4000000), 2800);
    EXPECT_NEAR(Gebäudevermessung(2500001), 2213.59, 0.01) << "not continuous with the table";
}

TEST(modStatus, AFailureIsLoggedAndGivesZero) {
    test::Protokoll log;
    double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(Gebührenstaffel1(nan, 100), 0);
    EXPECT_EQ(Gebäudevermessung(std::numeric_limits<double>::infinity()), 0);
    EXPECT_EQ(log.Sätze(), 2);
    EXPECT_NE(log.Text().find("Ort  : modStatus.Gebührenstaffel1\r\n"), std::string::npos);
    EXPECT_NE(log.Text().find("Ort  : modStatus.Gebäudevermessung\r\n"), std::string::npos);
}

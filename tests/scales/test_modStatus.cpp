#include "Protokoll.h"
#include "scales/modStatus.h"

#include <gtest/gtest.h>

#include <cmath>
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
        {"40,09 €/m² is still column C", 40.09, 1200, 710},
        {"40,10 €/m² is column D", 40.10, 1200, 840},
        {"100,09 €/m² is still column D", 100.09, 1200, 840},
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

TEST(Grenzfeststellung_B, RowsColumnsAndSteps) {
    const Fall fälle[] = {
        {"no points give 0", 300, 0, 0},
        {"5 points up to 10 €/m²", 10, 5, 66},
        {"10,50 €/m² is the column up to 40", 10.50, 5, 77},
        {"6 points, the 6-10 row", 100, 6, 77},
        {"8 points at 300: the 6-10 row's step is 70", 300, 8, 167},
        {"25 points at 350", 350, 25, 102},
        {"250,01 €/m² starts a step", 250.01, 50, 87},
        {"50 points at 250", 250, 50, 77},
        {"51 points, the last row", 40, 51, 41},
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
    EXPECT_EQ(Grenzbescheinigung_ohne(3000.001), 305 + 2 * 31);
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

// The fee of tariff 10.2 from grid lines alone: the base-fee category, the started 10-m units, the
// terrain weights, the parcels, the surcharge's base and the two expenses.

#include "Protokoll.h"
#include "forms/frmKat4/frmKat4.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kovelund::test {
namespace {

Abschnitt Linie(std::string kategorie, std::string länge, std::string seite = "Seite 1",
                std::string art = "Feldlage", std::string neue = "  0", std::string ohne = "  0") {
    return {"Flst.Nr. 1", kategorie, länge, seite, art, neue, ohne};
}

class Anlagengebuehr : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(log.Sätze(), 0) << log.Text(); }
    Protokoll log;
};

TEST_F(Anlagengebuehr, TheShortestCategoryTextChoosesTheRates) {
    struct Fall {
        std::vector<std::string> kategorien;
        const char* stufe;
        const char* grundgebühr;
        const char* satzB;
        const char* satzC1;
        const char* satzC2;
    };
    const Fall fälle[] = {
        {{"II", "III", "III"}, "II", "770,00", "36,00  €", "87,00", "72,00"},
        {{"III", "III"}, "III", "410,00", "31,00  €", "82,00", "66,00"},
        {{"III", "I", "II"}, "I", "1.020,00", "41,00  €", "97,00", "82,00"},
    };
    for (const Fall& fall : fälle) {
        std::vector<Abschnitt> abschnitte;
        for (const std::string& k : fall.kategorien)
            abschnitte.push_back(Linie(k, "100"));
        const Staffel2& s = Grundgebührstufe(abschnitte);
        EXPECT_EQ(s.kategorie, fall.stufe);
        EXPECT_EQ(s.grundgebühr, fall.grundgebühr);
        EXPECT_EQ(s.satzB, fall.satzB) << "with the blank before \" €\"";
        EXPECT_EQ(s.satzC1, fall.satzC1);
        EXPECT_EQ(s.satzC2, fall.satzC2);
    }
}

// What the grid cannot hold: its length column is reformatted without decimals.
TEST_F(Anlagengebuehr, StartedTenMetreUnitsOfLengthsWithDecimalsOrNone) {
    EXPECT_EQ(Einheiten("100,5", "Seite 1"), 10) << "10,05 + 0,9 = 10,95";
    EXPECT_EQ(Einheiten("1.234", "Seite 2"), 111) << "1.110,6 m";
    EXPECT_EQ(Einheiten("", "Seite 1"), 0) << "an empty length";
    EXPECT_EQ(Einheiten("abc", "Seite 2"), 0);
}

TEST_F(Anlagengebuehr, AnyOtherTerrainIsGrossflaeche) {
    Anlagengebühr g = AnlagengebührBerechnen(
        {Linie("II", "100", "Seite 1", "Großfläche"), Linie("II", "100", "Seite 1", "Feldlage"),
         Linie("II", "100", "Seite 1", "Ortslage"), Linie("II", "100", "Seite 1", "Wald")},
        0);
    EXPECT_EQ(g.geländeeinheiten[0], 20);
    EXPECT_DOUBLE_EQ(g.Gewichtet(Gelände::Großfläche), 720);
    EXPECT_DOUBLE_EQ(g.Gewichtet(Gelände::Feldlage), 720);
    EXPECT_DOUBLE_EQ(g.Gewichtet(Gelände::Ortslage), 1080);
    EXPECT_DOUBLE_EQ(g.summeB, 770 + 4 * 360);
}

TEST_F(Anlagengebuehr, ATerrainWithoutUnitsKeepsTwoEmptyRows) {
    Anlagengebühr g = AnlagengebührBerechnen({Linie("II", "   0", "Seite 1", "Ortslage"),
                                              Linie("II", "", "Seite 2", "Ortslage"),
                                              Linie("II", "300", "Seite 1", "Feldlage")},
                                             0);
    EXPECT_TRUE(g.vorhanden[2]);
    EXPECT_FALSE(g.MitZeilen(Gelände::Ortslage));
    EXPECT_TRUE(g.MitZeilen(Gelände::Feldlage));
    EXPECT_EQ(g.LeereZeilen(), 2);
    EXPECT_EQ(g.einheiten, (std::vector<double>{0, 0, 30}));
    EXPECT_EQ(g.halbeKilometer, 1) << "the empty length adds 0 km";
}

TEST_F(Anlagengebuehr, ColumnSixGoesWithNewMarksAndColumnSevenWithout) {
    Anlagengebühr g = AnlagengebührBerechnen({Linie("I", "10", "Seite 1", "Feldlage", "  3", "  1"),
                                              Linie("I", "10", "Seite 1", "Feldlage", "  2", "")},
                                             0);
    EXPECT_EQ(g.mitNeuenGM, 5);
    EXPECT_EQ(g.ohneNeueGM, 1);
    EXPECT_DOUBLE_EQ(g.teilgebührC1, 5 * 97.0);
    EXPECT_DOUBLE_EQ(g.teilgebührC2, 82);
    EXPECT_DOUBLE_EQ(g.übernahme, 6 * 40.90) << "every separated parcel";
}

TEST_F(Anlagengebuehr, SurveyDocumentsPerStartedHalfKilometre) {
    EXPECT_EQ(HalbeKilometer(1234), 3) << "2,468 + 0,99";
    EXPECT_EQ(HalbeKilometer(1000), 2) << "2,99";
    EXPECT_EQ(HalbeKilometer(1001), 2) << "the first 5 m of a half kilometre are not billed";
    EXPECT_EQ(HalbeKilometer(1005.1), 3);
    EXPECT_EQ(HalbeKilometer(0), 0);
    Anlagengebühr g = AnlagengebührBerechnen(
        {Linie("II", "1.000", "Seite 2"), Linie("II", "234", "Seite 1", "Ortslage")}, 0);
    EXPECT_EQ(g.halbeKilometer, 3) << "the lengths as entered, not times 0,9";
    EXPECT_NEAR(g.unterlagen, 368.13, 1e-9);
}

TEST_F(Anlagengebuehr, AreaComputationsAreReadAsPlainNumberText) {
    EXPECT_EQ(Flächenberechnungen("  2"), 2);
    EXPECT_EQ(Flächenberechnungen(""), 0);
    EXPECT_EQ(Flächenberechnungen("abc"), 0);
    EXPECT_EQ(Flächenberechnungen("1,5"), 1);
    EXPECT_EQ(Flächenberechnungen("1 2"), 12) << "blanks skipped";
    EXPECT_DOUBLE_EQ(AnlagengebührBerechnen({Linie("II", "100")}, 3).flächenbetrag, 138.06);
}

} // namespace
} // namespace kovelund::test

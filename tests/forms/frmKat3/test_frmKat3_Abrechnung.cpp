// The statement frmKat3 writes on "&OK": the title, the building rows, the break points outside the
// base of the expenses, the expenses with their VAT-free marks, the layout; the share notes are
// checked on the statement the restore test writes.

#include "Kat3Test.h"
#include "support/Tabellenlayout.h"

#include <gtest/gtest.h>

namespace kovelund::test {
namespace {

class Abrechnung : public Kat3Test {
protected:
    void TearDown() override { EXPECT_EQ(beispiel.log.Sätze(), 0) << beispiel.log.Text(); }

    static constexpr const char* titel =
        "Einmessung von Gebäuden\rTarifstelle 13.1.1|Wert \r[€] |Anzahl|Zuschlag [%]\rTarifstelle 13.1.2||";
};

TEST_F(Abrechnung, OneBuildingOfTheOrderIsATableOfTwoRows) {
    Öffnen();
    Abschließen();
    ASSERT_EQ(Statements(), 1);
    ASSERT_EQ(Zeilen(), 2);
    EXPECT_EQ(Zeile(1), titel);
    EXPECT_EQ(Zeile(2), "Flst.Nr. 123/4|80.000,00|  1| 0|  290,00 €|") << "no share note";
    EXPECT_EQ(test::Kommentare(Statement(), 1, 5), std::vector<std::string>{"Kovelund_3"});
    EXPECT_TRUE(test::Kommentare(Statement(), 2, 5).empty()) << "a building's fee bears VAT";
    EXPECT_EQ(Markiert("vamoNetto"), "     290,00 € ");
}

TEST_F(Abrechnung, ABuildingWithoutACostAndNothingElseWritesNothing) {
    frmKat3& f = Öffnen();
    Zelle(1, 5, "0");
    Spielen(R"j([{"click": "CommandEnde"}])j");
    EXPECT_FALSE(f.IsLoaded());
    EXPECT_EQ(beispiel.doc->Tables().Count(), 0);
    EXPECT_FALSE(beispiel.doc->Modified());

    Öffnen();
    Zelle(1, 5, "0");
    Spielen(R"j([{"set": "mskBrechpunkte", "text": "1"}])j");
    Abschließen();
    ASSERT_EQ(Zeilen(), 3) << "the break point is something to write";
    EXPECT_EQ(Zeile(3), "Einmessung von Nutzungsartengrenzen für|    1 Brechpunkte|||   60,00 €|");
}

TEST_F(Abrechnung, TheBreakPointsStayOutsideTheBaseOfTheExpensesAndTheLayout) {
    Öffnen();
    Spielen(R"j([{"set": "mskBrechpunkte", "text": "4"}, {"click": "chkVUnterlagen"},
                {"click": "chkÜbernahme"}])j");
    Abschließen();
    ASSERT_EQ(Zeilen(), 6);
    EXPECT_EQ(Zeile(3), "Einmessung von Nutzungsartengrenzen für|    4 Brechpunkte|||  240,00 €|");
    EXPECT_EQ(Zeile(4), "|\rUmsatzsteuerfreie Auslagen||||");
    EXPECT_EQ(Zeile(5),
              "5.3.3|Vermessungsunterlagen|30% der Gebühr nach Gebührenstaffel|max. 120 €|   87,00 €|")
        << "30 % of 290, not of 530";
    EXPECT_EQ(Zeile(6), "14.4|Übernahmegebühr|10% der Gebühr nach Gebührenstaffel||   29,00 €|");
    EXPECT_TRUE(test::Kommentare(Statement(), 3, 5).empty());
    EXPECT_EQ(test::Kommentare(Statement(), 5, 5), std::vector<std::string>{"0"});
    EXPECT_EQ(test::Kommentare(Statement(), 6, 5), std::vector<std::string>{"0"});
    EXPECT_EQ(Markiert("vamoAuslagen"), "     116,00 € ");

    // No borders, column 1 left and the rest right but the expense descriptions, the table's widths
    // in the building rows and the rows' own in the break-point and expense rows.
    const std::string auslage = "1,4L 4,6L 4,5R 3R 4R 0,3R";
    EXPECT_TRUE(LayoutGleich(Statement(),
                             {"5,73L* 2,6R* 2,75R* 3,42R* 3R 0,3R", "5,73L 2,6R 2,75R 3,42R 3R 0,3R",
                              "8,5L 3,5R 1,5R 1R 3R 0,3R", "1,4L 8,6L* 0,5R 3R 4R 0,3R", auslage, auslage}));
    EXPECT_FALSE(Statement().BordersVisible());
}

TEST_F(Abrechnung, TheSurveyDocumentsAreCappedAt120) {
    struct Fall {
        const char* anteil;
        const char* unterlagen;
        const char* übernahme;
    };
    // 1.250.000,00 € bill 1.250,00; the share makes the base S.
    for (const Fall& fall :
         {Fall{"400", "  120,00 €", "   50,00 €"}, Fall{"240", "   90,00 €", "   30,00 €"}}) {
        Öffnen();
        Zelle(1, 2, "1250000");
        Zelle(1, 5, fall.anteil);
        Spielen(R"j([{"click": "chkVUnterlagen"}, {"click": "chkÜbernahme"}])j");
        Abschließen();
        std::vector<std::vector<std::string>> zellen = Zellen(Statement());
        ASSERT_EQ(zellen.size(), 5u);
        EXPECT_EQ(zellen[3][4], fall.unterlagen) << "S from the share " << fall.anteil;
        EXPECT_EQ(zellen[4][4], fall.übernahme);
        Statement().Delete();
    }
}

} // namespace
} // namespace kovelund::test

// The fee table frmKat5 writes on "&OK": three rows, or four with copies, the fee by the scale with
// or without site inspection, the marker, the layout and the totals it leads to.

#include "Kat5Test.h"
#include "support/Tabellenlayout.h"

namespace kovelund::test {
namespace {

const Reihe titel = {"Grenzbescheinigungen", "", "", "", ""};
const Reihe mit = {"mit Ortsbesichtigung\rTarifstelle 8.1.1", "", "", "", ""};
const Reihe ohne = {"ohne Ortsbesichtigung\rTarifstelle 8.1.2", "", "", "", ""};

class Abrechnung : public Kat5Test {
protected:
    /// A new window with the building value and the copies entered, finished with "&OK".
    void Berechnen(bool ortsbesichtigung, const char* wert, const char* mehrfach) {
        frmKat5& f = Öffnen();
        if (ortsbesichtigung) Klicken(f.chkOrt);
        Setzen(f.MaskEdBoxWert, wert);
        Setzen(f.mskMehrfach, mehrfach);
        Abschließen();
    }
};

TEST_F(Abrechnung, NoCopiesEmptyZeroNegativeOrNoNumberWriteThreeRows) {
    for (const char* mehrfach : {"", "0", "-2", "abc"}) {
        Berechnen(false, "250000", mehrfach);
        EXPECT_EQ(Reihen(),
                  (std::vector<Reihe>{titel, ohne, {"Gebäudewert [€]", " 250.000", "", "", "   56,00 €"}}))
            << '"' << mehrfach << '"';
        EXPECT_EQ(Statements(), 1);
        Statement().Delete();
    }
}

TEST_F(Abrechnung, TwoCopiesWithInspectionAddTenEurosInRowFour) {
    Berechnen(true, "250000", "2");
    docx::Table t = Statement();
    EXPECT_EQ(Zellen(t),
              (std::vector<Reihe>{titel,
                                  mit,
                                  {"Gebäudewert [€]", " 250.000", "", "", ""},
                                  {"Anzahl Mehrfachausfertigungen:", "       2", "", "", "  112,00 €"}}))
        << "102 for up to 250.000 € and 2 x 5,00";
    EXPECT_EQ(Kommentare(t, 1, 5), std::vector<std::string>{"Kovelund_5"});
    EXPECT_TRUE(Kommentare(t, 3, 5).empty()) << "the fee is billed with VAT";
    EXPECT_EQ(Markiert("vamoNetto"), "     112,00 € ");
    EXPECT_EQ(Markiert("vamoAuslagen"), "       0,00 € ");
    EXPECT_EQ(Markiert("vamoGesamt"), "     133,28 € ");
}

TEST_F(Abrechnung, ValueZeroWithoutInspectionIsTheLowestBracket) {
    Berechnen(false, "0", "");
    EXPECT_EQ(Reihen()[2], (Reihe{"Gebäudewert [€]", "       0", "", "", "   36,00 €"}));
}

TEST_F(Abrechnung, TheBracketsWithInspectionAtFiftyThousand) {
    const struct {
        const char* wert;
        const char* gezeigt;
        const char* gebühr;
    } fälle[] = {{"50000", "  50.000", "   61,00 €"},
                 {"50000,50", "  50.001", "   77,00 €"},
                 {"100000", " 100.000", "   77,00 €"},
                 {"2500001", "2.500.001", "  421,00 €"}};
    for (const auto& fall : fälle) {
        Berechnen(true, fall.wert, "");
        EXPECT_EQ(Reihen()[2], (Reihe{"Gebäudewert [€]", fall.gezeigt, "", "", fall.gebühr})) << fall.wert;
        Statement().Delete();
    }
}

TEST_F(Abrechnung, AValueWithCentsFromTheOrderIsBilledUnrounded) {
    // 50.000,50 € lies above the first bracket, although the box would show 50.001 once left.
    Eigenschaften({{"Baukosten", 50000.5}});
    frmKat5& f = Öffnen();
    EXPECT_EQ(f.MaskEdBoxWert.Text(), "50.000,50");
    Klicken(f.chkOrt);
    Abschließen();
    EXPECT_EQ(Reihen()[2], (Reihe{"Gebäudewert [€]", "50.000,50", "", "", "   77,00 €"}));
}

TEST_F(Abrechnung, CopiesAreBilledAsTheBoxShowsThemOnceLeft) {
    // In German a point groups thousands: "2.5" is 25 copies, "2,5" rounds to 3.
    const struct {
        const char* eingabe;
        const char* gezeigt;
        const char* gebühr;
    } fälle[] = {{"2,5", "       3", "   71,00 €"},
                 {"2.5", "      25", "  181,00 €"},
                 {"1 Stück", "       1", "   61,00 €"}};
    for (const auto& fall : fälle) {
        Berechnen(false, "250000", fall.eingabe);
        EXPECT_EQ(Reihen()[3], (Reihe{"Anzahl Mehrfachausfertigungen:", fall.gezeigt, "", "", fall.gebühr}))
            << fall.eingabe;
        Statement().Delete();
    }
}

TEST_F(Abrechnung, AValueThatIsNoNumberCountsZero) {
    Berechnen(false, "abc", "");
    EXPECT_EQ(Reihen()[2], (Reihe{"Gebäudewert [€]", "       0", "", "", "   36,00 €"}));
}

// No borders; columns 2 and 5 right-aligned, the others as the document's paragraphs (left); only
// the title bold; the widths 8, 3, 1, 3 and 2,5 cm in every row.
TEST_F(Abrechnung, TheLayout) {
    Berechnen(true, "250000", "2");
    docx::Table t = Statement();
    const std::string zeile = "8L 3R 1L 3L 2,5R";
    EXPECT_TRUE(LayoutGleich(t, {"8L* 3R 1L 3L 2,5R", zeile, zeile, zeile}));
    EXPECT_FALSE(t.BordersVisible());
}

} // namespace
} // namespace kovelund::test

// The fee table frmKat5 writes on "&OK": three rows, or four with copies, the fee by the scale with
// or without site inspection, the marker, the layout and the totals it leads to.

#include "Kat5Test.h"
#include "support/Tabellenlayout.h"

namespace kovelund::test {
namespace {

const Reihe titel = {"Grenzbescheinigungen", "", "", "", ""};
const Reihe mit = {"mit Ortsbesichtigung\rTarifstelle 8.1.1", "", "", "", ""};
const Reihe ohne = {"ohne Ortsbesichtigung\rTarifstelle 8.1.2", "", "", "", ""};

class frmKat5Abrechnung : public Kat5Test {
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

TEST_F(frmKat5Abrechnung, NoCopiesEmptyZeroNegativeOrNoNumberWriteThreeRows) {
    for (const char* mehrfach : {"", "0", "-2", "abc"}) {
        Berechnen(false, "250000", mehrfach);
        EXPECT_EQ(Reihen(),
                  (std::vector<Reihe>{titel, ohne, {"Gebäudewert [€]", " 250.000", "", "", "   56,00 €"}}))
            << '"' << mehrfach << '"';
        EXPECT_EQ(Statements(), 1);
        Statement().Delete();
    }
}

TEST_F(frmKat5Abrechnung, TwoCopiesWithInspectionAddTenEurosInRowFourAndTheLayout) {
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

    // No borders; columns 2 and 5 right-aligned, the others as the document's paragraphs (left);
    // only the title bold; the widths 8, 3, 1, 3 and 2,5 cm in every row.
    const std::string zeile = "8L 3R 1L 3L 2,5R";
    EXPECT_TRUE(LayoutGleich(t, {"8L* 3R 1L 3L 2,5R", zeile, zeile, zeile}));
    EXPECT_FALSE(t.BordersVisible());
}

// Each row: inspection, the value and the copies as entered, then the last row of the table. The
// value box and the copies box show whole numbers once left; in German a point groups thousands,
// so "2.5" copies are 25 and "2,5" round to 3.
TEST_F(frmKat5Abrechnung, TheFeeByBracketInspectionAndCopies) {
    const struct {
        bool mit;
        const char* wert;
        const char* mehrfach;
        Reihe letzte;
    } fälle[] = {
        {false, "0", "", {"Gebäudewert [€]", "       0", "", "", "   36,00 €"}},
        {false, "abc", "", {"Gebäudewert [€]", "       0", "", "", "   36,00 €"}},
        {true, "50000", "", {"Gebäudewert [€]", "  50.000", "", "", "   61,00 €"}},
        {true, "50000,50", "", {"Gebäudewert [€]", "  50.001", "", "", "   77,00 €"}},
        {true, "100000", "", {"Gebäudewert [€]", " 100.000", "", "", "   77,00 €"}},
        {true, "2500001", "", {"Gebäudewert [€]", "2.500.001", "", "", "  421,00 €"}},
        {false, "250000", "2,5", {"Anzahl Mehrfachausfertigungen:", "       3", "", "", "   71,00 €"}},
        {false, "250000", "2.5", {"Anzahl Mehrfachausfertigungen:", "      25", "", "", "  181,00 €"}},
        {false, "250000", "1 Stück", {"Anzahl Mehrfachausfertigungen:", "       1", "", "", "   61,00 €"}},
    };
    for (const auto& fall : fälle) {
        Berechnen(fall.mit, fall.wert, fall.mehrfach);
        EXPECT_EQ(Reihen().back(), fall.letzte) << fall.wert << " " << fall.mehrfach;
        Statement().Delete();
    }
}

} // namespace
} // namespace kovelund::test

// The example sessions of category 5 played as `kovelund run` plays them: their tables and totals,
// both in turn as the demo plays them, and a later session that picks a table and finishes it
// unchanged.

#include "Kat5Test.h"

namespace kovelund::test {
namespace {

using Beispiele = Kat5Test;

TEST_F(Beispiele, WithInspectionAndTwoCopies) {
    BeispielSpielen("frmKat5-mit.json");
    EXPECT_FALSE(fenster->IsLoaded());
    beispiel.NeuLaden();
    EXPECT_EQ(Reihen(),
              (std::vector<Reihe>{{"Grenzbescheinigungen", "", "", "", ""},
                                  {"mit Ortsbesichtigung\rTarifstelle 8.1.1", "", "", "", ""},
                                  {"Gebäudewert [€]", " 380.000", "", "", ""},
                                  {"Anzahl Mehrfachausfertigungen:", "       2", "", "", "  189,00 €"}}));
    EXPECT_EQ(Markiert("vamoNetto"), "     189,00 € ");
}

TEST_F(Beispiele, WithoutInspectionValueZero) {
    BeispielSpielen("frmKat5-ohne.json");
    beispiel.NeuLaden();
    EXPECT_EQ(Reihen(), (std::vector<Reihe>{{"Grenzbescheinigungen", "", "", "", ""},
                                            {"ohne Ortsbesichtigung\rTarifstelle 8.1.2", "", "", "", ""},
                                            {"Gebäudewert [€]", "       0", "", "", "   36,00 €"}}));
}

TEST_F(Beispiele, BothInTurnAndTheFirstFinishedAgainUnchanged) {
    BeispielSpielen("frmKat5-mit.json");
    BeispielSpielen("frmKat5-ohne.json");
    beispiel.NeuLaden();
    ASSERT_EQ(Statements(), 2) << "the table choice keeps \"neuer Abrechnungspunkt\"";
    EXPECT_EQ(Markiert("vamoNetto"), "     225,00 € ");
    std::string vorher = Abbild();

    Wiederöffnen();
    Abschließen();
    EXPECT_EQ(Abbild(), vorher);
    EXPECT_EQ(Statements(), 2);
}

} // namespace
} // namespace kovelund::test

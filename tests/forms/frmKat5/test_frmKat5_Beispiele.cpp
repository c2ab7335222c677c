// The example sessions of category 5 played in turn as the demo plays them, and a later session
// that picks the first table and finishes it unchanged.

#include "Kat5Test.h"

namespace kovelund::test {
namespace {

using frmKat5Beispiele = Kat5Test;

TEST_F(frmKat5Beispiele, BothInTurnAndTheFirstFinishedAgainUnchanged) {
    BeispielSpielen("frmKat5-mit.json");
    BeispielSpielen("frmKat5-ohne.json");
    beispiel.NeuLaden();
    ASSERT_EQ(Statements(), 2) << "the table choice keeps \"neuer Abrechnungspunkt\"";
    EXPECT_EQ(Zellen(Statement(1)).back(),
              (Reihe{"Anzahl Mehrfachausfertigungen:", "       2", "", "", "  189,00 €"}));
    EXPECT_EQ(Zellen(Statement(1))[2][1], " 380.000");
    EXPECT_EQ(Zellen(Statement(2)).back(), (Reihe{"Gebäudewert [€]", "       0", "", "", "   36,00 €"}));
    EXPECT_EQ(Markiert("vamoNetto"), "     225,00 € ");
    std::string vorher = Abbild();

    Wiederöffnen();
    Abschließen();
    EXPECT_EQ(Abbild(), vorher);
}

} // namespace
} // namespace kovelund::test

// The example sessions of category 2 played in turn as the demo plays them, on the sample invoice:
// each statement and the totals, and a later session that picks the first statement and finishes it
// unchanged. How the command line saves and reports a session is tests/host's.

#include "Kat2Test.h"

namespace kovelund::test {
namespace {

using Beispiele = Kat2Test;

TEST_F(Beispiele, BothInTurnAndTheFirstFinishedAgainUnchanged) {
    BeispielSpielen("frmKat2-anteil.json");
    EXPECT_EQ(fenster->lblGebühr.Caption(), "   584,40") << "(1051 x 0.8 + 8 half hours x 41) / 2";
    beispiel.NeuLaden();
    std::vector<std::vector<std::string>> anteil = Zellen(Statement());
    ASSERT_EQ(anteil.size(), 13u);
    EXPECT_EQ(anteil[6][6], "  616,00 €");
    EXPECT_EQ(anteil[9][1], "Ihr Anteil beträgt 500/1000\r 50 % von 1.215,00 €");
    EXPECT_EQ(anteil[9][4], "  607,50 €");
    EXPECT_EQ(anteil[11][7], "  184,80 €");
    EXPECT_EQ(anteil[12][4], "   92,40 €");
    EXPECT_EQ(Markiert("vamoNetto"), "     699,90 € ");

    BeispielSpielen("frmKat2-voll.json");
    EXPECT_EQ(fenster->lblGebühr.Caption(), " 2.583,20");
    beispiel.NeuLaden();
    ASSERT_EQ(Statements(), 2) << "the table choice keeps \"neuer Abrechnungspunkt\"";
    std::vector<std::vector<std::string>> voll = Zellen(Statement(2));
    ASSERT_EQ(voll.size(), 16u);
    EXPECT_EQ(voll[6][4], "  924,00 €");
    const char* tarife[] = {"12.4 a", "12.4 b", "15.1.3", "15.1.4", "15.3", "15.3", "", "5.3.1", "14.3"};
    const char* beträge[] = {"  292,80 €", "  292,80 €", "  143,50 €", "  107,10 €", "   16,56 €",
                             "   10,00 €", "",           "  184,06 €", "  138,60 €"};
    for (std::size_t i = 0; i < std::size(tarife); ++i) {
        EXPECT_EQ(voll[7 + i][0], tarife[i]);
        EXPECT_EQ(voll[7 + i][4], beträge[i]);
    }
    EXPECT_EQ(Markiert("vamoNetto"), "   3.349,32 € ");

    std::string vorher = Abbild();
    Wiederöffnen();
    Abschließen();
    EXPECT_EQ(Abbild(), vorher);
    EXPECT_EQ(beispiel.log.Sätze(), 0) << beispiel.log.Text();
}

} // namespace
} // namespace kovelund::test

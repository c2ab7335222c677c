// The category 2 statement as "&OK" writes it into the sample invoice: rows, texts, amounts, the
// VAT-free marks, the share layout and the totals it leads to.

#include "Kat2Test.h"
#include "platform/dao/Field.h"
#include "support/Tabellenlayout.h"

namespace kovelund::test {
namespace {

using Zeile = std::vector<std::string>;

/// A row of the 8-column table; cells not given are empty.
Zeile Z(std::initializer_list<const char*> zellen) {
    Zeile zeile(zellen.begin(), zellen.end());
    zeile.resize(8);
    return zeile;
}

const Zeile titel = Z({"Grenzfeststellung und Abmarkungen"});
const Zeile flurstück = Z({"Flst.Nr. 123/4"});
const Zeile kopf = Z({"Tarif- stelle", "Bezeichnung"});
const Zeile art0 = Z({"12.1", "Grenzfeststellung und Abmarkungen"});
const Zeile wertZeile = Z({"", "Bodenwert", "    5,00 €/m²"});
const Zeile teilA = Z({"", "Gebühr nach Staffel 3, Teil A", "", "", "  540,00 €"});
const Zeile teilB =
    Z({"", "Gebühr nach Staffel 3, Teil B", "12 in der Örtlichkeit überprüfte/hergestellte Grenzpunkte",
       "x    46,00 €", "  552,00 €"});
const Zeile leer = Z({});

class Abrechnung : public Kat2Test {
protected:
    Abrechnung() { Öffnen(); }

    void Eingeben(std::string punkte, std::string bodenwert) {
        Setzen(fenster->msk100, std::move(punkte));
        Setzen(fenster->MaskEdBoxWert, std::move(bodenwert));
    }

    /// Row `zeile` of the statement written by Abschließen.
    Zeile Reihe(const docx::Table& t, int zeile) const {
        return Zellen(t)[static_cast<std::size_t>(zeile - 1)];
    }

    void TearDown() override { EXPECT_EQ(u.log.Sätze(), 0) << u.log.Text(); }
};

TEST_F(Abrechnung, SevenRowsForTwelvePointsAtFiveEuros) {
    docx::Table t = Abschließen();
    EXPECT_EQ(Zellen(t), (std::vector<Zeile>{titel, flurstück, kopf, art0, wertZeile, teilA, teilB}));
    EXPECT_EQ(Kommentare(t, 1, 5), std::vector<std::string>{"Kovelund_2"});
    EXPECT_EQ(Abrechnungen(), 1);
    EXPECT_EQ(Marke("vamoNetto"), "   1.092,00 € ");
    EXPECT_EQ(Marke("vamoAuslagen"), "       0,00 € ");
    EXPECT_EQ(Marke("vamoGesamt"), "   1.299,48 € ") << "19 % on all of it";
}

TEST_F(Abrechnung, WithTariff10Or11RowSixStaysEmptyAndTheFeeIsTeilBAlone) {
    Klicken(fenster->chkT10_11);
    Klicken(fenster->chkUnterlagen);
    docx::Table t = Abschließen();
    EXPECT_EQ(Reihe(t, 6), leer);
    EXPECT_EQ(Reihe(t, 7), teilB);
    EXPECT_EQ(Reihe(t, 8), Z({"12.4 a", "erheblicher Mehraufwand wegen schwierig auszuwertender Unterlagen",
                              "20% von ", "  552,00 €", "  110,40 €"}))
        << "the surcharge on B alone";
    EXPECT_EQ(Marke("vamoNetto"), "     662,40 € ");
}

TEST_F(Abrechnung, BothSurchargesAreEachTwentyPercentOfAPlusB) {
    Klicken(fenster->chkUnterlagen);
    Klicken(fenster->chkVerhältnisse);
    docx::Table t = Abschließen();
    ASSERT_EQ(t.Rows().Count(), 9);
    EXPECT_EQ(Reihe(t, 8), Z({"12.4 a", "erheblicher Mehraufwand wegen schwierig auszuwertender Unterlagen",
                              "20% von ", "1.092,00 €", "  218,40 €"}));
    EXPECT_EQ(Reihe(t, 9),
              Z({"12.4 b",
                 "erheblicher Mehraufwand wegen dichter Bodenbewachsung, starker Hanglage oder ähnlich "
                 "schwieriger Verhältnisse",
                 "20% von ", "1.092,00 €", "  218,40 €"}));
    EXPECT_EQ(Marke("vamoNetto"), "   1.528,80 € ");
}

TEST_F(Abrechnung, HoursKilometresAndDaysByTheirExactRates) {
    frmKat2& f = *fenster;
    Tippen(f.mskHTechniker, "2,3");
    Tippen(f.mskHGehilfen, "1");
    Setzen(f.MaskEdBoxKM, "36");
    Setzen(f.txtTageskm, "2");
    f.LeaveFocus();
    EXPECT_EQ(f.lblGebühr.Caption(), " 1.390,60") << "the running fee: 5 and 2 half hours, 0,90 per km";
    docx::Table t = Abschließen();
    ASSERT_EQ(t.Rows().Count(), 11);
    EXPECT_EQ(Reihe(t, 8), Z({"15.1.3", "Aussenarbeiten von vermessungstechnischen Fachkräften",
                              "2,5 Stunden", "x 41,00  €", "  102,50 €"}));
    EXPECT_EQ(Reihe(t, 9), Z({"15.1.4", "Aussenarbeiten von vermessungstechnischen Hilfskräften",
                              "1,0 Stunden", "x 30,60  €", "   30,60 €"}));
    EXPECT_EQ(Reihe(t, 10),
              Z({"15.3", "Einsatz von Kraftfahrzeugen", "36 km", "x 0,46 €/km ", "   16,56 €"}));
    EXPECT_EQ(Reihe(t, 11), Z({"15.3", "Einsatz von Kraftfahrzeugen bis 10 km", " 2 Arbeitstage", "x 5,00 € ",
                               "   10,00 €"}));
    EXPECT_EQ(Marke("vamoNetto"), "   1.251,66 € ");
}

TEST_F(Abrechnung, KindsOneAndTwoChangeOnlyTheTariffText) {
    for (const auto& [art, zeile] :
         {std::pair{1, Z({"12.2", "Nachträgliche Abmarkungen"})},
          std::pair{2, Z({"12.3", "Abmarkungen im Zusammenhang mit einer Katastererneuerung"})}}) {
        Öffnen();
        Klicken(fenster->optArt[art]);
        docx::Table t = Abschließen();
        EXPECT_EQ(Zellen(t), (std::vector<Zeile>{titel, flurstück, kopf, zeile, wertZeile, teilA, teilB}));
        t.Delete();
    }
}

TEST_F(Abrechnung, ExpensesInTheFullLayoutAreMarkedFreeOfVatAndTheLayout) {
    u.Rechnung(17);
    Klicken(fenster->chkVUnterlagen);
    Klicken(fenster->chkÜbernahme);
    docx::Table t = Abschließen();
    ASSERT_EQ(t.Rows().Count(), 10);
    EXPECT_EQ(Reihe(t, 8), Z({"", "\rUmsatzsteuerfreie Auslagen"}));
    EXPECT_EQ(Reihe(t, 9), Z({"5.3.1", "Vermessungsunterlagen", "20% der Gebühr nach Gebührenstaffel",
                              "max. 184,06 €", "  184,06 €"}))
        << "20 % of 1092 is above the bound";
    EXPECT_EQ(Reihe(t, 10),
              Z({"14.3", "Übernahmegebühr", "15% der Teilgebühr B", "min. 25,56 €", "   82,80 €"}));
    EXPECT_EQ(Kommentare(t, 9, 5), std::vector<std::string>{"0"});
    EXPECT_EQ(Kommentare(t, 10, 5), std::vector<std::string>{"0"});
    EXPECT_TRUE(Kommentare(t, 7, 5).empty());

    EXPECT_EQ(Marke("vamoNetto"), "   1.358,86 € ");
    EXPECT_EQ(Marke("vamoAuslagen"), "     266,86 € ");
    EXPECT_EQ(Marke("vamoGesamt"), "   1.566,34 € ") << "VAT on 1092 only";
    auto rechnung = u.Gespeichert(17);
    EXPECT_NEAR(AlsDouble(rechnung->Fields("NettoRechnung").Value()), 109200, 1e-6);
    EXPECT_NEAR(AlsDouble(rechnung->Fields("MehrwertsteuerFreierbetrag").Value()), 26686, 1e-6);
    EXPECT_NEAR(AlsDouble(rechnung->Fields("Brutto").Value()), 156634, 1e-6);

    const std::string gebühr = "2L 5,6L 4L 3,4L 2,5L 0,3L 0,3L 0,3L";
    EXPECT_TRUE(
        LayoutGleich(t, {"13,5L* 0,5L 0,5L 0,5L 2,5L 0,3L 0,3L 0,3L",
                         "13,5L 0,5L 0,5L 0,5L 2,5L 0,3L 0,3L 0,3L", "2L* 5,6L* 1L 3,4L 2,87L 0,3L 0,3L 0,3L",
                         gebühr, gebühr, gebühr, gebühr, "2L 5,6L* 4L 3,4L 2,5L 0,3L 0,3L 0,3L",
                         "2L 5,6L 4L 3,1L 3L 2,5L 0,3L 0,3L", "2L 5,6L 4L 3,1L 3L 3L 0,3L 0,3L"}));
    EXPECT_FALSE(t.BordersVisible());
}

TEST(Auslagen, SurveyDocumentsAndTakeoverFeeByTheirBounds) {
    EXPECT_EQ(Vermessungsunterlagen(1000), 184.06) << "200 is above the bound";
    EXPECT_EQ(Vermessungsunterlagen(900), 180);
    EXPECT_EQ(Vermessungsunterlagen(920.3), 184.06);
    EXPECT_EQ(Vermessungsunterlagen(0), 0);
    EXPECT_EQ(Übernahmegebühr(100, 1), 25.56) << "15 is below the minimum";
    EXPECT_EQ(Übernahmegebühr(1000, 1), 150);
    EXPECT_EQ(Übernahmegebühr(100, 0.5), 30) << "divided by the share before the minimum";
    EXPECT_EQ(Übernahmegebühr(1000, 0), 150) << "a share of 0 leaves it undivided";
    EXPECT_EQ(Übernahmegebühr(100, 0), 25.56);
}

// The base G of the survey documents is the scale fee with its surcharges but no hours, Teil B alone
// with tariff 10 or 11: G = 435 + 8 x 56 = 883 gives 176,60 below the bound; with 12.4 a G = 1059,60
// and the bound applies; G = B = 20 x 46 = 920 gives 184,00, just below it.
TEST_F(Abrechnung, SurveyDocumentsTakeTheScaleFeeWithSurchargesButNoHours) {
    const struct {
        const char* punkte;
        const char* schritte;
        int zeile;
        const char* betrag;
    } fälle[] = {
        {"8", R"j([{"type": "mskHTechniker", "text": "10"}])j", 10, "  176,60 €"},
        {"8", R"j([{"click": "chkUnterlagen"}])j", 10, "  184,06 €"},
        {"20", R"j([{"click": "chkT10_11"}])j", 9, "  184,00 €"},
    };
    for (const auto& fall : fälle) {
        Öffnen();
        Eingeben(fall.punkte, "5");
        Spielen(fall.schritte);
        Klicken(fenster->chkVUnterlagen);
        EXPECT_EQ(Reihe(Abschließen(), fall.zeile)[4], fall.betrag) << fall.schritte;
        Kat2Tabelle().Delete();
    }
}

TEST_F(Abrechnung, ShareFiveHundredWithoutExpensesLeavesTheReservedRowEmpty) {
    Setzen(fenster->MaskEdBoxAnteil, "500");
    docx::Table t = Abschließen();
    EXPECT_EQ(Zellen(t),
              (std::vector<Zeile>{
                  titel, flurstück, kopf, art0, wertZeile,
                  Z({"", "Gebühr nach Staffel 3, Teil A", "", "", "", "", "  540,00 €"}),
                  Z({"", "Gebühr nach Staffel 3, Teil B",
                     "12 in der Örtlichkeit überprüfte/hergestellte Grenzpunkte", "x    46,00 €", "", "",
                     "  552,00 €"}),
                  Z({"", "Zwischensumme\r", "", "", "", "", "1.092,00 €"}),
                  Z({"", "Ihr Anteil beträgt 500/1000\r 50 % von 1.092,00 €", "", "", "  546,00 €"}), leer}));
    EXPECT_EQ(Marke("vamoNetto"), "     546,00 € ") << "only the share is billed";
}

// The layout as the saved invoice shows it (support/Tabellenlayout.h): no borders, every cell left
// (the amounts line up on decimal tabs), the title rows wide, and bold only in the title, the
// headers, "Zwischensumme" and the expense heading.
TEST_F(Abrechnung, ShareFiveHundredSharesTheExpensesInTheLastRowAndTheLayout) {
    Setzen(fenster->MaskEdBoxAnteil, "500");
    Setzen(fenster->mskHTechniker, "2");
    Klicken(fenster->chkUnterlagen);
    Klicken(fenster->chkVUnterlagen);
    Klicken(fenster->chkÜbernahme);
    docx::Table t = Abschließen();
    ASSERT_EQ(t.Rows().Count(), 15);
    EXPECT_EQ(Reihe(t, 12), Z({"", "\rUmsatzsteuerfreie Auslagen"}));
    EXPECT_EQ(Reihe(t, 13), Z({"5.3.1", "Vermessungsunterlagen", "20% der Gebühr nach Gebührenstaffel",
                               "max. 184,06 €", "", "", "", "  184,06 €"}));
    EXPECT_EQ(Reihe(t, 14), Z({"14.3", "Übernahmegebühr", "15% der Teilgebühr B", "min. 25,56 €", "", "", "",
                               "  165,60 €"}))
        << "552 / 0.5 x 15 %";
    EXPECT_EQ(Reihe(t, 15), Z({"", "anteilige Auslagen \r 50 % von   349,66 €", "", "", "  174,83 €"}));
    EXPECT_EQ(Kommentare(t, 15, 5), std::vector<std::string>{"0"});
    EXPECT_TRUE(Kommentare(t, 13, 8).empty());
    EXPECT_TRUE(Kommentare(t, 11, 5).empty());
    EXPECT_EQ(Marke("vamoAuslagen"), "     174,83 € ");
    EXPECT_EQ(Marke("vamoNetto"), "     871,03 € ") << "(1092 + 218,40 + 82) / 2 + 174,83";

    const std::string flurstücksreihe = "13,5L 0,5L 0,5L 0,5L 0,3L 0,3L 2,5L 0,3L";
    const std::string gebühr = "2L 5,3L 4L 3,1L 0,3L 0,3L 2,5L 0,3L";
    const std::string auslage = "2L 5,3L 4L 2,8L 0,3L 0,3L 0,3L 2,5L";
    EXPECT_TRUE(
        LayoutGleich(t, {"13,5L* 0,5L 0,5L 0,5L 0,3L 0,3L 2,5L 0,3L", flurstücksreihe,
                         "2L* 5,3L* 1L 3,1L 2,87L 0,3L 2,5L 0,3L", gebühr, gebühr, gebühr, gebühr, gebühr,
                         gebühr, "2L 5,3L* 4L 3,1L 0,3L 0,3L 2,5L* 0,3L",
                         "2L 7,4L 2,4L 3,1L 3L 0,3L 0,3L 0,3L", "2L 5,3L* 4L 3,1L 0,3L 0,3L 2,5L 0,3L",
                         auslage, auslage, "2L 7,4L 2,1L 3,1L 3L 0,3L 0,3L 0,3L"}));
    EXPECT_FALSE(t.BordersVisible());
}

TEST_F(Abrechnung, ShareThreeHundredThirtyThreeIsFifteenThrees) {
    Setzen(fenster->MaskEdBoxAnteil, "333");
    Klicken(fenster->chkÜbernahme);
    docx::Table t = Abschließen();
    EXPECT_EQ(Reihe(t, 9), Z({"", "Ihr Anteil beträgt 333/1000\r 33.3333333333333 % von 1.092,00 €", "", "",
                              "  364,00 €"}));
    EXPECT_EQ(Reihe(t, 11)[7], "  248,40 €") << "552 / 0.333333333333333 x 15 %";
    EXPECT_EQ(Reihe(t, 12),
              Z({"", "anteilige Auslagen \r 33.3333333333333 % von   248,40 €", "", "", "   82,80 €"}));
}

TEST_F(Abrechnung, ShareZeroBillsNothingAndDividesNothingByZero) {
    Setzen(fenster->MaskEdBoxAnteil, "0");
    Klicken(fenster->chkÜbernahme);
    docx::Table t = Abschließen();
    ASSERT_EQ(t.Rows().Count(), 12);
    EXPECT_EQ(Reihe(t, 9), Z({"", "Ihr Anteil beträgt 0/1000\r 0 % von 1.092,00 €", "", "", "    0,00 €"}));
    EXPECT_EQ(Reihe(t, 11), Z({"14.3", "Übernahmegebühr", "15% der Teilgebühr B", "min. 25,56 €", "", "", "",
                               "   82,80 €"}));
    EXPECT_EQ(Reihe(t, 12), Z({"", "anteilige Auslagen \r 0 % von    82,80 €", "", "", "    0,00 €"}));
    EXPECT_EQ(Marke("vamoNetto"), "       0,00 € ");
}

TEST_F(Abrechnung, AnEmptyShareFieldIsTheWholeFee) {
    Setzen(fenster->MaskEdBoxAnteil, "");
    fenster->LeaveFocus();
    EXPECT_EQ(fenster->lblGebühr.Caption(), "     0,00");
    docx::Table t = Abschließen();
    EXPECT_EQ(t.Rows().Count(), 7);
    EXPECT_EQ(Reihe(t, 7), teilB);
}

} // namespace
} // namespace kovelund::test

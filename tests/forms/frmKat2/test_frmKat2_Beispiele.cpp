// The example sessions of category 2 played as `kovelund run` plays them, on the sample invoice:
// the statement and the totals land in the file, and a later session that picks the statement
// again and finishes replaces it in place.

#include "Protokoll.h"
#include "document/Zelltext.h"
#include "host/Sitzung.h"
#include "host/Vorlage.h"
#include "platform/dao/Database.h"
#include "platform/dao/Field.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Workspace.h"
#include "platform/docx/Document.h"
#include "totals/G_frmTabelle.h"
#include "totals/VV_WordAuto.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace kovelund::test {
namespace {

namespace fs = std::filesystem;

class Beispiele : public ::testing::Test {
protected:
    Beispiele() {
        auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        verzeichnis = fs::temp_directory_path() / "kovelund-test-beispiele" /
                      (std::string(info->name()) + "." + std::to_string(::getpid()));
        fs::remove_all(verzeichnis);
        Initialisieren(verzeichnis);
    }
    // The table choice keeps its last choice for the process; the next test plays its sessions as a
    // new `kovelund run` process would.
    ~Beispiele() override {
        G_frmTabelle::Freigeben();
        fs::remove_all(verzeichnis);
    }

    Sitzungsbericht Spielen(const fs::path& skript) {
        return SitzungSpielen(
            {skript, verzeichnis / "Rechnung.docx", verzeichnis / "host.sqlite", {}, 17, {}});
    }

    /// Picks the first category 2 statement of the invoice and finishes the window unchanged.
    Sitzungsbericht NochEinmal() {
        fs::path skript = verzeichnis / "nochmal.json";
        std::ofstream(skript)
            << R"json({"properties": {"ID_Benutzer": 1}, "answers": [{"Tabellenwahl": "optTabelle(0)"}],
                                    "show": 1, "steps": [{"click": "CommandEnde"}]})json";
        return Spielen(skript);
    }

    struct Stand {
        std::vector<std::vector<std::string>> zellen;
        std::string text;
        int abrechnungen = 0;
        std::string netto;
    };

    /// The invoice as the file holds it: the category 2 statement's cells, the whole text, the
    /// number of category 2 statements and the net total.
    Stand Lesen() const {
        Stand stand;
        auto doc = docx::Document::Open(verzeichnis / "Rechnung.docx");
        stand.text = doc->Content().Text();
        for (const docx::Table& t : doc->Tables()) {
            if (Tabellenmarke(t) != "Kovelund_2") continue;
            if (++stand.abrechnungen > 1) continue;
            for (int z = 1; z <= t.Rows().Count(); ++z) {
                auto& zeile = stand.zellen.emplace_back();
                for (int s = 1; s <= 8; ++s)
                    zeile.push_back(Zelltext(t.Cell(z, s)));
            }
        }
        for (const docx::Comment& k : doc->Comments())
            if (k.Text() == "vamoNetto") stand.netto = k.Scope().Text();
        return stand;
    }

    double Rechnungsfeld(const char* feld) const {
        auto db = dao::Workspace().OpenDatabase((verzeichnis / "host.sqlite").string());
        auto r = db->OpenRecordset("SELECT * FROM Rechnung WHERE ID_Rechnungsnummer = 17");
        return AlsDouble(r->Fields(feld).Value());
    }

    Protokoll log;
    fs::path verzeichnis;
};

TEST_F(Beispiele, TheFullLayout) {
    Sitzungsbericht bericht = Spielen(fs::path(KOVELUND_EXAMPLES) / "frmKat2-voll.json");
    EXPECT_TRUE(bericht.geschlossen);
    EXPECT_TRUE(bericht.gespeichert);
    EXPECT_EQ(bericht.protokollsätze, 0) << log.Text();
    EXPECT_EQ(bericht.lblGebühr, " 2.583,20") << "as it stood when the window closed";

    Stand stand = Lesen();
    ASSERT_EQ(stand.zellen.size(), 16u);
    EXPECT_EQ(stand.zellen[1][0], "Flst.Nr. 123/4");
    EXPECT_EQ(stand.zellen[4][2], "   45,50 €/m²");
    EXPECT_EQ(stand.zellen[6][2], "14 in der Örtlichkeit überprüfte/hergestellte Grenzpunkte");
    EXPECT_EQ(stand.zellen[6][4], "  924,00 €");
    const char* tarife[] = {"12.4 a", "12.4 b", "15.1.3", "15.1.4", "15.3", "15.3", "", "5.3.1", "14.3"};
    const char* beträge[] = {"  292,80 €", "  292,80 €", "  143,50 €", "  107,10 €", "   16,56 €",
                             "   10,00 €", "",           "  184,06 €", "  138,60 €"};
    for (std::size_t i = 0; i < std::size(tarife); ++i) {
        EXPECT_EQ(stand.zellen[7 + i][0], tarife[i]);
        EXPECT_EQ(stand.zellen[7 + i][4], beträge[i]);
    }
    EXPECT_EQ(stand.netto, "   2.649,42 € ");
    EXPECT_NEAR(Rechnungsfeld("NettoRechnung"), 232676, 1e-6);
    EXPECT_NEAR(Rechnungsfeld("MehrwertsteuerFreierbetrag"), 32266, 1e-6);

    EXPECT_TRUE(NochEinmal().gespeichert);
    Stand wieder = Lesen();
    EXPECT_EQ(wieder.zellen, stand.zellen);
    EXPECT_EQ(wieder.text, stand.text) << "the same table at the same place";
    EXPECT_EQ(wieder.abrechnungen, 1);
    EXPECT_EQ(log.Sätze(), 0) << log.Text();
}

TEST_F(Beispiele, TheShareLayoutOfKindOne) {
    Sitzungsbericht bericht = Spielen(fs::path(KOVELUND_EXAMPLES) / "frmKat2-anteil.json");
    EXPECT_TRUE(bericht.gespeichert);
    EXPECT_EQ(bericht.protokollsätze, 0) << log.Text();
    EXPECT_EQ(bericht.lblGebühr, "   584,40") << "(1051 x 0.8 + 8 half hours x 41) / 2";

    Stand stand = Lesen();
    ASSERT_EQ(stand.zellen.size(), 13u);
    EXPECT_EQ(stand.zellen[3][0], "12.2");
    EXPECT_EQ(stand.zellen[6][6], "  616,00 €") << "Teil B in column 7";
    EXPECT_EQ(stand.zellen[9][1], "Ihr Anteil beträgt 500/1000\r 50 % von 1.215,00 €");
    EXPECT_EQ(stand.zellen[9][4], "  607,50 €");
    EXPECT_EQ(stand.zellen[11][7], "  184,80 €");
    EXPECT_EQ(stand.zellen[12][1], "anteilige Auslagen \r 50 % von   184,80 €");
    EXPECT_EQ(stand.zellen[12][4], "   92,40 €");
    EXPECT_EQ(stand.netto, "     699,90 € ");

    NochEinmal();
    Stand wieder = Lesen();
    EXPECT_EQ(wieder.zellen, stand.zellen);
    EXPECT_EQ(wieder.text, stand.text);
    EXPECT_EQ(wieder.abrechnungen, 1);
}

TEST_F(Beispiele, BothInTurnAsTheDemoPlaysThem) {
    Spielen(fs::path(KOVELUND_EXAMPLES) / "frmKat2-anteil.json");
    Sitzungsbericht bericht = Spielen(fs::path(KOVELUND_EXAMPLES) / "frmKat2-voll.json");
    EXPECT_TRUE(bericht.gespeichert) << "the table choice keeps \"neuer Abrechnungspunkt\"";
    EXPECT_EQ(Lesen().abrechnungen, 2);
    EXPECT_EQ(Lesen().netto, "   3.349,32 € ");
    EXPECT_EQ(log.Sätze(), 0) << log.Text();
}

} // namespace
} // namespace kovelund::test

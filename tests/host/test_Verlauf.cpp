// An invoice's history: calculations undone and redone byte for byte with their invoice record, the
// branch cut by a new calculation, and the bound of ten steps.
#include "common/Fehler.h"
#include "host/Sitzung.h"
#include "host/Verlauf.h"
#include "host/Verlaufsbefehle.h"
#include "platform/dao/Workspace.h"
#include "platform/datei/Sperre.h"
#include "support/Beispielordner.h"
#include "support/Dateiinhalt.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace kovelund;
namespace fs = std::filesystem;

namespace {

struct Stand {
    std::string datei;
    Rechnungsstand rechnung;
    friend bool operator==(const Stand&, const Stand&) = default;
};

class VerlaufTest : public ::testing::Test {
protected:
    void Spielen(const char* beispiel) {
        Sitzungsauftrag sitzung{fs::path(KOVELUND_EXAMPLES) / beispiel,
                                ordner.Dokumentpfad(),
                                ordner.Datenbankpfad(),
                                {},
                                17,
                                {}};
        ASSERT_TRUE(SitzungSpielen(sitzung).gespeichert) << beispiel;
    }

    Stand Jetzt() const {
        auto db = dao::Workspace().OpenDatabase(ordner.Datenbankpfad());
        return {kovelund::test::Dateiinhalt(ordner.Dokumentpfad()),
                RechnungsstandLesen(*db, fs::absolute(ordner.Datenbankpfad()), 17)};
    }

    int Gehen(bool zurück) {
        std::ostringstream aus, fehler;
        return VerlaufGehen(ordner.Dokumentpfad(), zurück, std::nullopt, aus, fehler);
    }

    test::Beispielordner ordner;
};

TEST_F(VerlaufTest, RunRunUndoUndoGivesTheOriginalBackAndRedoRedoBothRuns) {
    const Stand anfang = Jetzt();
    Spielen("frmKat6-drei.json");
    const Stand erster = Jetzt();
    Spielen("frmKat5-ohne.json");
    const Stand zweiter = Jetzt();
    ASSERT_NE(erster.rechnung, anfang.rechnung);
    ASSERT_NE(zweiter.datei, erster.datei);

    EXPECT_EQ(Gehen(true), 0);
    EXPECT_EQ(Jetzt(), erster);
    EXPECT_EQ(Gehen(true), 0);
    EXPECT_EQ(Jetzt(), anfang);
    EXPECT_EQ(Gehen(true), 1) << "nothing left to undo";
    EXPECT_EQ(Jetzt(), anfang);

    EXPECT_EQ(Gehen(false), 0);
    EXPECT_EQ(Jetzt(), erster);
    EXPECT_EQ(Gehen(false), 0);
    EXPECT_EQ(Jetzt(), zweiter);
    EXPECT_EQ(Gehen(false), 1) << "nothing left to redo";

    std::ostringstream liste;
    VerlaufZeigen(ordner.Dokumentpfad(), liste);
    EXPECT_NE(liste.str().find("Rückgängig (2):"), std::string::npos) << liste.str();
    EXPECT_NE(liste.str().find("vor: run frmKat5-ohne.json  (Rechnung 17)"), std::string::npos)
        << liste.str();
}

TEST_F(VerlaufTest, AnInvoiceHeldElsewhereIsNeitherUndoneNorRedone) {
    Spielen("frmKat2-voll.json");
    const Stand nachDerRechnung = Jetzt();
    {
        datei::Sperre anderswo = datei::Sperre::Nehmen(ordner.Dokumentpfad());
        EXPECT_THROW(Gehen(true), datei::Gesperrt);
        EXPECT_EQ(Jetzt(), nachDerRechnung);
    }
    EXPECT_EQ(Gehen(true), 0);
    EXPECT_NE(Jetzt(), nachDerRechnung);
}

TEST_F(VerlaufTest, ANewCalculationAfterAnUndoCutsTheStepsForward) {
    Spielen("frmKat6-drei.json");
    ASSERT_EQ(Gehen(true), 0);
    ASSERT_EQ(Verlauf(ordner.Dokumentpfad()).Vor().size(), 1u);
    Spielen("frmKat5-ohne.json");
    EXPECT_TRUE(Verlauf(ordner.Dokumentpfad()).Vor().empty());
    EXPECT_EQ(Gehen(false), 1);
    EXPECT_EQ(Verlauf(ordner.Dokumentpfad()).Zurück().size(), 1u);
}

TEST_F(VerlaufTest, OnlyTheLastTenStepsAreKept) {
    const fs::path datei = ordner.verzeichnis / "Notiz.docx";
    Verlauf verlauf(datei);
    for (int i = 0; i < 12; ++i) {
        if (i > 0) verlauf.Sichern(std::nullopt, "Schritt " + std::to_string(i));
        std::ofstream(datei, std::ios::binary) << "Stand " << i;
    }
    ASSERT_EQ(verlauf.Zurück().size(), Verlauf::Tiefe);
    EXPECT_EQ(verlauf.Zurück().front().anlass, "Schritt 2");
    int gesichert = 0;
    for (const auto& eintrag : fs::directory_iterator(Verlauf::Ordner(datei)))
        gesichert += eintrag.path().extension() == ".docx";
    EXPECT_EQ(gesichert, 10);
    while (verlauf.Rückgängig()) {
    }
    EXPECT_EQ(kovelund::test::Dateiinhalt(datei), "Stand 1");
}

TEST_F(VerlaufTest, UndoingTheFirstSaveOfANewFileRemovesItAndRedoBringsItBack) {
    const fs::path datei = ordner.verzeichnis / "Neu.docx";
    Verlauf verlauf(datei);
    verlauf.Sichern(std::nullopt, "erste Speicherung");
    std::ofstream(datei, std::ios::binary) << "neu";
    ASSERT_TRUE(verlauf.Rückgängig());
    EXPECT_FALSE(fs::exists(datei));
    ASSERT_TRUE(verlauf.Wiederherstellen());
    EXPECT_EQ(kovelund::test::Dateiinhalt(datei), "neu");
}

TEST_F(VerlaufTest, ADamagedHistoryIsReportedAndPutAsideByTheNextSave) {
    const fs::path datei = ordner.Dokumentpfad();
    fs::create_directories(Verlauf::Ordner(datei));
    std::ofstream(Verlauf::Ordner(datei) / "verlauf.json") << "{ kaputt";
    Verlauf verlauf(datei);
    EXPECT_THROW(verlauf.Zurück(), Fehler);
    std::ostringstream aus, fehler;
    EXPECT_THROW(VerlaufGehen(datei, true, std::nullopt, aus, fehler), Fehler);

    Spielen("frmKat6-drei.json");
    EXPECT_TRUE(fs::exists(Verlauf::Ordner(datei) / "verlauf.json.defekt"));
    EXPECT_EQ(verlauf.Zurück().size(), 1u);
}

} // namespace

// The kovelund command line as a user runs it: the real program, real files, exit codes.
#include "Prozess.h"
#include "support/Dateiinhalt.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

using kovelund::soak::Ergebnis;

Ergebnis Aufrufen(const std::string& argumente) {
    return kovelund::soak::Aufrufen(std::string(KOVELUND_BIN) + " " + argumente + " 2>&1");
}

void Schreiben(const fs::path& datei, const std::string& text) {
    std::ofstream(datei, std::ios::binary) << text;
}

class Kommandozeile : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("kovelund-cli-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        ASSERT_EQ(Aufrufen("init " + dir.string()).code, 0);
        doc = dir / "Rechnung.docx";
        db = dir / "host.sqlite";
        vorher = kovelund::test::Dateiinhalt(doc);
    }
    void TearDown() override { fs::remove_all(dir); }

    Ergebnis Spielen(const std::string& skript, const std::string& weitere = "") {
        Schreiben(dir / "s.json", skript);
        return Aufrufen("run " + (dir / "s.json").string() + " --doc " + doc.string() + " --db " +
                        db.string() + " " + weitere);
    }

    fs::path dir, doc, db;
    std::string vorher;
};

} // namespace

TEST_F(Kommandozeile, InitWritesTheSampleAndNeverOverwrites) {
    EXPECT_TRUE(fs::exists(db));
    Ergebnis zweites = Aufrufen("init " + dir.string());
    EXPECT_NE(zweites.code, 0);
    EXPECT_NE(zweites.ausgabe.find("exists already"), std::string::npos) << zweites.ausgabe;
    EXPECT_EQ(kovelund::test::Dateiinhalt(doc), vorher);
    Ergebnis dump = Aufrufen("dump " + doc.string());
    EXPECT_EQ(dump.code, 0);
    EXPECT_NE(dump.ausgabe.find(R"("text": "vamoStart")"), std::string::npos);
}

TEST_F(Kommandozeile, AFinishedWindowIsSavedWithItsTotals) {
    Ergebnis e = Spielen(R"({"properties": {"ID_Benutzer": 1, "Bodenwert": 5, "Flurstücksnummer": "12/3",
                                           "AnzahlGrenzpunkte": 12},
                             "show": 1, "steps": [{"click": "CommandEnde"}]})",
                         "--invoice 17 --report " + (dir / "r.json").string());
    ASSERT_EQ(e.code, 0) << e.ausgabe;
    EXPECT_NE(kovelund::test::Dateiinhalt(doc), vorher);
    std::string bericht = kovelund::test::Dateiinhalt(dir / "r.json");
    EXPECT_NE(bericht.find(R"("closed": true)"), std::string::npos) << bericht;
    EXPECT_NE(bericht.find(R"("lblGebühr": ")"), std::string::npos) << bericht;
    EXPECT_NE(bericht.find(R"("log_records": 0)"), std::string::npos) << bericht;
    std::string dump = Aufrufen("dump " + doc.string()).ausgabe;
    EXPECT_NE(dump.find(R"("marker": "Kovelund_2")"), std::string::npos);
    EXPECT_NE(dump.find(R"("text": "Flst.Nr. 12/3")"), std::string::npos);
    EXPECT_NE(dump.find(R"("name": "Zahlungsziel")"), std::string::npos);
}

TEST_F(Kommandozeile, CancelAndEveryErrorLeaveTheInvoiceAsItWas) {
    Ergebnis abbruch =
        Spielen(R"({"show": 1, "steps": [{"set": "msk100", "text": "5"}, {"click": "CommandAbbruch"}]})");
    EXPECT_EQ(abbruch.code, 0) << abbruch.ausgabe;

    const std::pair<const char*, std::string> fehler[] = {
        {"malformed script", R"({"show": 1, "steps": [)"},
        {"unknown control", R"({"show": 1, "steps": [{"click": "cmdGibtEsNicht"}]})"},
        {"unknown verb", R"({"show": 1, "steps": [{"press": "CommandEnde"}]})"},
        {"window still open", R"({"show": 1, "steps": [{"set": "msk100", "text": "5"}]})"},
        {"answers left over",
         R"({"show": 1, "answers": [{"Zeile löschen?": 6}], "steps": [{"click": "CommandEnde"}]})"},
    };
    for (const auto& [was, skript] : fehler) {
        Ergebnis e = Spielen(skript);
        EXPECT_NE(e.code, 0) << was;
        EXPECT_EQ(std::count(e.ausgabe.begin(), e.ausgabe.end(), '\n'), 1) << was << ": one line\n"
                                                                           << e.ausgabe;
        EXPECT_EQ(kovelund::test::Dateiinhalt(doc), vorher) << was;
    }
    EXPECT_NE(Spielen(R"({"show": 1, "steps": []})", "--invoice 999").code, 0) << "unknown invoice";
    EXPECT_NE(Aufrufen("run " + (dir / "s.json").string() + " --db " + db.string()).code, 0) << "no --doc";
    EXPECT_NE(Aufrufen("run " + (dir / "s.json").string() + " --doc " + (dir / "fehlt.docx").string() +
                       " --db " + db.string())
                  .code,
              0)
        << "unreadable document";
    EXPECT_EQ(kovelund::test::Dateiinhalt(doc), vorher);
}

TEST_F(Kommandozeile, TheDemoNamesTheRunningFeeOnlyOfWindowsThatShowOne) {
    fs::path beispiele = dir / "beispiele";
    fs::create_directories(beispiele);
    Schreiben(beispiele / "a-kat2.json", R"({"properties": {"ID_Benutzer": 1, "Bodenwert": 5,
                                             "AnzahlGrenzpunkte": 12},
                                             "show": 1, "steps": [{"click": "CommandEnde"}]})");
    Schreiben(beispiele / "b-kat5.json", R"({"properties": {"ID_Benutzer": 1}, "show": 4,
                                             "steps": [{"click": "CommandEnde"}]})");
    Ergebnis e = Aufrufen("demo " + (dir / "demo").string() + " --examples " + beispiele.string());
    ASSERT_EQ(e.code, 0) << e.ausgabe;
    EXPECT_NE(e.ausgabe.find("a-kat2.json                  Gebühr 0,00 €\n"), std::string::npos) << e.ausgabe;
    EXPECT_NE(e.ausgabe.find("b-kat5.json                  \n"), std::string::npos) << e.ausgabe;
}

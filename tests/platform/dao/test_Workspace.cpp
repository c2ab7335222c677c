#include "platform/dao/Testdatenbank.h"
#include "platform/dao/Workspace.h"

#include <gtest/gtest.h>

#include <fstream>

namespace kovelund::dao {
namespace {

using test::Fehlschlag;

TEST(Workspace, OpensOnlyExistingDatabases) {
    test::Testdatenbank datenbank;
    Workspace workspace;
    auto database = workspace.OpenDatabase(datenbank.Pfad());
    EXPECT_EQ(database->Name(), datenbank.Pfad());

    std::string fehlt = (datenbank.Verzeichnis() / "Fehlt.db").string();
    Fehler error = Fehlschlag([&] { workspace.OpenDatabase(fehlt); });
    EXPECT_EQ(error.Nummer(), errors::FileNotFound);
    EXPECT_EQ(std::string(error.what()), "cannot open database '" + fehlt + "': no such file");
    EXPECT_FALSE(std::filesystem::exists(fehlt)) << "OpenDatabase must never create a file";

    EXPECT_EQ(Fehlschlag([&] { workspace.OpenDatabase(""); }).Nummer(), errors::FileNotFound);
}

TEST(Workspace, RejectsFilesThatAreNoDatabase) {
    test::Testdatenbank datenbank;
    std::string text = (datenbank.Verzeichnis() / "Rechnung.docx").string();
    std::ofstream(text) << "this is no database, but it is long enough to carry a header of one hundred "
                           "bytes, which SQLite checks before anything else";
    Fehler error = Fehlschlag([&] { Workspace().OpenDatabase(text); });
    EXPECT_EQ(error.Nummer(), errors::UnrecognizedFormat);
    EXPECT_NE(std::string(error.what()).find("'" + text + "'"), std::string::npos) << error.what();
}

TEST(Workspace, CreatesOnlyNewDatabases) {
    test::Testdatenbank datenbank;
    EXPECT_EQ(Fehlschlag([&] { Workspace().CreateDatabase(datenbank.Pfad()); }).Nummer(),
              errors::DatabaseExists);
    std::string neu = (datenbank.Verzeichnis() / "Neu.db").string();
    Workspace().CreateDatabase(neu)->Execute("CREATE TABLE T (A INTEGER); INSERT INTO T VALUES (5);");
    auto t = Workspace().OpenDatabase(neu)->OpenRecordset("T");
    EXPECT_EQ(t->Fields("A").Value(), Variant(std::int32_t{5}));
}

TEST(Workspace, ClosedDatabaseEndsItsRecordsets) {
    test::Testdatenbank datenbank;
    auto database = Workspace().OpenDatabase(datenbank.Pfad());
    auto version = database->OpenRecordset("Version");
    database->Close();
    EXPECT_EQ(Fehlschlag([&] { version->Fields("Zahlungsziel").Value(); }).Nummer(), errors::ObjectClosed);
    EXPECT_EQ(Fehlschlag([&] { database->OpenRecordset("Version"); }).Nummer(), errors::ObjectClosed);
    EXPECT_EQ(Fehlschlag([&] { database->Close(); }).Nummer(), errors::ObjectClosed);
}

TEST(Workspace, RecordsetsOutliveTheirDatabaseObject) {
    test::Testdatenbank datenbank;
    auto rechnung = Workspace()
                        .OpenDatabase(datenbank.Pfad())
                        ->OpenRecordset("SELECT * FROM Rechnung WHERE ID_Rechnungsnummer = 17");
    rechnung->Edit();
    rechnung->Fields("Brutto") = 100.0;
    rechnung->Update();
    auto wieder = Workspace()
                      .OpenDatabase(datenbank.Pfad())
                      ->OpenRecordset("SELECT Brutto FROM Rechnung WHERE ID_Rechnungsnummer = 17");
    EXPECT_EQ(wieder->Fields("Brutto").Value(), Variant(100.0));
}

TEST(Workspace, WaitsSecondsForABusyDatabaseUnlessTheEnvironmentSaysOtherwise) {
    auto mit = [](const char* wert) {
        if (wert) setenv("KOVELUND_DB_WAIT_MS", wert, 1);
        else unsetenv("KOVELUND_DB_WAIT_MS");
        auto ms = Standardwartezeit().count();
        unsetenv("KOVELUND_DB_WAIT_MS");
        return ms;
    };
    EXPECT_EQ(mit(nullptr), 5000);
    EXPECT_EQ(mit("250"), 250);
    EXPECT_EQ(mit("0"), 0);
    for (const char* unbrauchbar : {"", "-1", "2s", "600001", "99999999999999999999"})
        EXPECT_EQ(mit(unbrauchbar), 5000) << unbrauchbar;
    setenv("KOVELUND_DB_WAIT_MS", "40", 1);
    EXPECT_EQ(Workspace().LockWait().count(), 40);
    unsetenv("KOVELUND_DB_WAIT_MS");
}

} // namespace
} // namespace kovelund::dao

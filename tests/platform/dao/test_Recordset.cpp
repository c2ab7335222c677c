#include "platform/dao/Testdatenbank.h"
#include "platform/dao/Workspace.h"

#include <gtest/gtest.h>

namespace kovelund::dao {
namespace {

using namespace std::chrono;
using test::Fehlschlag;

class RecordsetTest : public ::testing::Test {
protected:
    std::shared_ptr<Recordset> Öffnen(std::string_view quelle, RecordsetType typ = RecordsetType::Default) {
        return database->OpenRecordset(quelle, typ);
    }
    // The value as a fresh connection reads it from the file.
    Variant Gespeichert(const std::string& abfrage, const std::string& feld) {
        return Workspace().OpenDatabase(datenbank.Pfad())->OpenRecordset(abfrage)->Fields(feld).Value();
    }

    test::Testdatenbank datenbank;
    std::shared_ptr<Database> database = Workspace().OpenDatabase(datenbank.Pfad());
};

TEST_F(RecordsetTest, ReadsValuesAsTheHostStoresThem) {
    auto tempDoc = Öffnen("SELECT * FROM TempDoc WHERE ID_Benutzer = 1");
    EXPECT_EQ(tempDoc->Fields("ID_Auftragsnummer").Value(), Variant(std::int32_t{4711}));
    EXPECT_EQ(tempDoc->Fields("MeßtruppZusammenfassen").Value(), Variant(false));
    EXPECT_EQ(tempDoc->Fields("Zahlungsziel").Value(), Variant(true)) << "-1 is true";
    EXPECT_EQ(tempDoc->Fields("AbschlagAbsolut").Value(), Variant(0.0));
    EXPECT_EQ(tempDoc->Fields("mehrwertsteuersatz").Value(), Variant(std::int32_t{19}))
        << "names ignore case";

    datenbank.Ausführen("INSERT INTO TempDoc (ID_Benutzer, Zahlungsziel, AbschlagAbsolut, ID_Lieferschein) "
                        "VALUES (2, 1, '', 3000000000)");
    auto zwei = Öffnen("SELECT * FROM TempDoc WHERE ID_Benutzer = 2");
    EXPECT_EQ(zwei->Fields("Zahlungsziel").Value(), Variant(true)) << "1 is true as well";
    EXPECT_EQ(zwei->Fields("MeßtruppZusammenfassen").Value(), Variant::Null());
    EXPECT_EQ(zwei->Fields("AbschlagAbsolut").Value(), Variant(""));
    EXPECT_EQ(zwei->Fields("ID_Lieferschein").Value(), Variant(3000000000.0)) << "too large for 32 bits";

    auto version = Öffnen("Version", RecordsetType::Dynaset);
    EXPECT_EQ(version->Fields("Zahlungsziel").Value(), Variant("Zahlbar ohne Abzug bis <14>."));
    EXPECT_EQ(version->Fields("AbstandZahlungsziel").Value(), Variant(25.0));
    EXPECT_EQ(version->Fields(std::size_t{3}).Value(), Variant(std::int32_t{0}));
    EXPECT_EQ(version->FieldCount(), 4u);
}

TEST_F(RecordsetTest, RunsAccessStyleQueriesAsTheyStand) {
    auto termin =
        Öffnen("SELECT ID_Terminart, ID_Rechnungsnummer, Datum From Termine WHERE (((ID_Terminart)=8) "
               "AND ((ID_Rechnungsnummer)=17));");
    ASSERT_EQ(termin->RecordCount(), 1);
    EXPECT_EQ(termin->Fields("Datum").Value(), Variant(Datum::Aus(2026y / December / 1)));

    datenbank.Ausführen("UPDATE Termine SET Datum = '2024-03-01 14:05:00' WHERE ID_Termin = 1");
    auto mitZeit = Öffnen("SELECT Datum FROM Termine WHERE ID_Termin = 1");
    EXPECT_EQ(mitZeit->Fields("Datum").Value(), Variant(Datum{sys_days(2024y / March / 1) + 14h + 5min}));
}

TEST_F(RecordsetTest, WalksRecordsFromBofToEof) {
    auto anzahlungen = Öffnen("SELECT * FROM Rechnung WHERE ID_Auftragsnummer = 4711 AND Rechnungsart = 5",
                              RecordsetType::Dynaset);
    EXPECT_EQ(anzahlungen->RecordCount(), 2);
    EXPECT_FALSE(anzahlungen->Bof());
    std::vector<Variant> nummern;
    for (; !anzahlungen->Eof(); anzahlungen->MoveNext())
        nummern.push_back(anzahlungen->Fields("Rechnungsnummer").Value());
    EXPECT_EQ(nummern, (std::vector<Variant>{"2026-011", "2026-014"}));
    EXPECT_EQ(Fehlschlag([&] { anzahlungen->MoveNext(); }).Nummer(), errors::NoCurrentRecord);
    Fehler leer = Fehlschlag([&] { anzahlungen->Fields("Brutto").Value(); });
    EXPECT_EQ(leer.Nummer(), errors::NoCurrentRecord);
    EXPECT_NE(std::string(leer.what()).find("cannot read field 'Brutto'"), std::string::npos) << leer.what();
    anzahlungen->MoveFirst();
    EXPECT_EQ(anzahlungen->Fields("Brutto").Value(), Variant(119000.0));
}

TEST_F(RecordsetTest, EmptyRecordsetHasNoCurrentRecord) {
    auto keiner = Öffnen("SELECT * FROM TempDoc WHERE ID_Benutzer = 0");
    EXPECT_TRUE(keiner->Bof());
    EXPECT_TRUE(keiner->Eof());
    EXPECT_EQ(keiner->RecordCount(), 0);
    EXPECT_EQ(Fehlschlag([&] { keiner->Fields("Rabatt").Value(); }).Nummer(), errors::NoCurrentRecord);
    EXPECT_EQ(Fehlschlag([&] { keiner->MoveFirst(); }).Nummer(), errors::NoCurrentRecord);
    EXPECT_EQ(Fehlschlag([&] { keiner->Edit(); }).Nummer(), errors::NoCurrentRecord);
    Fehler unbekannt = Fehlschlag([&] { keiner->Fields("Gibtsnicht"); });
    EXPECT_EQ(unbekannt.Nummer(), errors::ItemNotFound);
    EXPECT_EQ(std::string(unbekannt.what()),
              "cannot find field 'Gibtsnicht' of 'SELECT * FROM TempDoc WHERE ID_Benutzer = 0' in '" +
                  datenbank.Pfad() + "': item not found in this collection");
    EXPECT_EQ(Fehlschlag([&] { keiner->Fields(std::size_t{15}); }).Nummer(), errors::ItemNotFound);
}

TEST_F(RecordsetTest, EditAndUpdateWriteTheRecordBack) {
    auto rechnung = Öffnen("SELECT * FROM Rechnung WHERE ID_Rechnungsnummer = 17");
    ASSERT_TRUE(rechnung->Updatable());
    rechnung->Edit();
    rechnung->Fields("NettoRechnung") = 15000.0;
    rechnung->Fields("Brutto") = Variant("18950");
    rechnung->Fields("Mehrwertsteuersatz") = std::int16_t{16};
    EXPECT_EQ(rechnung->Fields("Brutto").Value(), Variant(18950.0)) << "the edit buffer, converted";
    EXPECT_EQ(Gespeichert("SELECT Brutto FROM Rechnung WHERE ID_Rechnungsnummer = 17", "Brutto"),
              Variant(0.0));
    rechnung->Update();

    const std::string gespeichert = "SELECT * FROM Rechnung WHERE ID_Rechnungsnummer = 17";
    EXPECT_EQ(Gespeichert(gespeichert, "NettoRechnung"), Variant(15000.0));
    EXPECT_EQ(Gespeichert(gespeichert, "Brutto"), Variant(18950.0));
    EXPECT_EQ(Gespeichert(gespeichert, "Mehrwertsteuersatz"), Variant(std::int32_t{16}));
    EXPECT_EQ(Gespeichert(gespeichert, "Rechnungsnummer"), Variant("2026-017")) << "untouched fields stay";
    EXPECT_EQ(rechnung->Fields("Brutto").Value(), Variant(18950.0));
    EXPECT_EQ(Gespeichert("SELECT Brutto FROM Rechnung WHERE ID_Rechnungsnummer = 11", "Brutto"),
              Variant(119000.0));
}

TEST_F(RecordsetTest, WritesBooleansAndDatesAsTheHostStoresThem) {
    auto tempDoc = Öffnen("TempDoc");
    tempDoc->Edit();
    tempDoc->Fields("MeßtruppZusammenfassen") = true;
    tempDoc->Fields("Zahlungsziel") = std::int32_t{0};
    tempDoc->Update();
    EXPECT_EQ(Gespeichert("SELECT MeßtruppZusammenfassen + 0 AS Roh FROM TempDoc", "Roh"),
              Variant(std::int32_t{-1}));
    EXPECT_EQ(Gespeichert("SELECT Zahlungsziel FROM TempDoc", "Zahlungsziel"), Variant(false));

    auto termin = Öffnen("SELECT * FROM Termine WHERE ID_Termin = 3");
    termin->Edit();
    termin->Fields("Datum") = Datum::Aus(2027y / January / 15);
    termin->Update();
    EXPECT_EQ(Gespeichert("SELECT Datum || '' AS Roh FROM Termine WHERE ID_Termin = 3", "Roh"),
              Variant("2027-01-15"));
}

TEST_F(RecordsetTest, EditRulesAndConversionErrors) {
    auto rechnung = Öffnen("SELECT * FROM Rechnung WHERE ID_Rechnungsnummer = 17");
    Fehler ohneEdit = Fehlschlag([&] { rechnung->Update(); });
    EXPECT_EQ(ohneEdit.Nummer(), errors::UpdateWithoutEdit);
    EXPECT_EQ(Fehlschlag([&] { rechnung->Fields("Brutto") = 1.0; }).Nummer(), errors::UpdateWithoutEdit);

    rechnung->Edit();
    rechnung->Fields("Brutto") = 5.0;
    Fehler keineZahl = Fehlschlag([&] { rechnung->Fields("Brutto") = "abc"; });
    EXPECT_EQ(keineZahl.Nummer(), errors::ConversionError);
    EXPECT_NE(std::string(keineZahl.what()).find("cannot set field 'Brutto'"), std::string::npos);
    EXPECT_EQ(rechnung->Fields("Brutto").Value(), Variant(5.0)) << "a failed assignment keeps the value";

    rechnung->CancelUpdate();
    EXPECT_EQ(rechnung->Fields("Brutto").Value(), Variant(0.0));
    EXPECT_EQ(Fehlschlag([&] { rechnung->Update(); }).Nummer(), errors::UpdateWithoutEdit);

    rechnung->Edit();
    rechnung->Fields("Rechnungsart") = Variant::Null();
    EXPECT_EQ(Fehlschlag([&] { rechnung->Update(); }).Nummer(), errors::NullNotAllowed);
    rechnung->Fields("Rechnungsart") = std::int16_t{4};
    rechnung->Update();
    EXPECT_EQ(Gespeichert("SELECT Rechnungsart FROM Rechnung WHERE ID_Rechnungsnummer = 17", "Rechnungsart"),
              Variant(std::int32_t{4}));
}

TEST_F(RecordsetTest, QueriesOverMoreThanOneTableAreReadOnly) {
    auto verbunden =
        Öffnen("SELECT Rechnung.Rechnungsnummer, Termine.Datum FROM Rechnung INNER JOIN Termine ON "
               "Rechnung.ID_Rechnungsnummer = Termine.ID_Rechnungsnummer WHERE Termine.ID_Terminart = 8");
    EXPECT_EQ(verbunden->RecordCount(), 3);
    EXPECT_FALSE(verbunden->Updatable());
    Fehler fehler = Fehlschlag([&] { verbunden->Edit(); });
    EXPECT_EQ(fehler.Nummer(), errors::ReadOnly);
    EXPECT_NE(std::string(fehler.what()).find("read-only"), std::string::npos) << fehler.what();

    auto gleicheSpalten = Öffnen("SELECT Rechnung.* FROM Rechnung, Termine WHERE Termine.ID_Termin = 1");
    EXPECT_FALSE(gleicheSpalten->Updatable()) << "columns of one table, rows of a join";
    EXPECT_FALSE(Öffnen("SELECT count(*) AS Anzahl FROM Rechnung")->Updatable());
    EXPECT_FALSE(Öffnen("SELECT DISTINCT ID_Auftragsnummer FROM Rechnung")->Updatable());
    EXPECT_FALSE(Öffnen("SELECT ID_Auftragsnummer FROM Rechnung GROUP BY ID_Auftragsnummer")->Updatable());
    EXPECT_TRUE(Öffnen("SELECT Brutto AS B FROM Rechnung WHERE Rechnungsnummer = 'DISTINCT'")->Updatable());
}

TEST_F(RecordsetTest, QueryErrorsCarryTheEngineNumbers) {
    Fehler tabelle = Fehlschlag([&] { Öffnen("Versionen"); });
    EXPECT_EQ(tabelle.Nummer(), errors::TableNotFound);
    EXPECT_EQ(std::string(tabelle.what()), "cannot open recordset 'Versionen' in '" + datenbank.Pfad() +
                                               "': no table or query of that name");
    EXPECT_EQ(Fehlschlag([&] { Öffnen("SELECT * FROM Versionen"); }).Nummer(), errors::TableNotFound);

    Fehler spalte = Fehlschlag([&] { Öffnen("SELECT * FROM Rechnung WHERE Rechnungsnr = 17"); });
    EXPECT_EQ(spalte.Nummer(), errors::TooFewParameters);
    EXPECT_NE(std::string(spalte.what()).find("no such column: Rechnungsnr"), std::string::npos)
        << spalte.what();
    Fehler parameter = Fehlschlag([&] { Öffnen("SELECT * FROM Rechnung WHERE ID_Rechnungsnummer = ?"); });
    EXPECT_EQ(parameter.Nummer(), errors::TooFewParameters);
    EXPECT_NE(std::string(parameter.what()).find("expected 1"), std::string::npos);

    Fehler syntax = Fehlschlag([&] { Öffnen("SELECT * FROM Rechnung ORDER Rechnungsart"); });
    EXPECT_EQ(syntax.Nummer(), errors::General);
    EXPECT_NE(std::string(syntax.what()).find("syntax error"), std::string::npos) << syntax.what();
}

TEST_F(RecordsetTest, UpdateFailuresLeaveTheEditOpen) {
    auto wartetKaum = Workspace("kurz", milliseconds(20)).OpenDatabase(datenbank.Pfad());
    auto rechnung = wartetKaum->OpenRecordset("SELECT * FROM Rechnung WHERE ID_Rechnungsnummer = 17");
    rechnung->Edit();
    rechnung->Fields("Brutto") = 700.0;
    auto andere = Workspace().OpenDatabase(datenbank.Pfad());
    andere->Execute("BEGIN EXCLUSIVE");
    EXPECT_EQ(Fehlschlag([&] { rechnung->Update(); }).Nummer(), errors::Locked);
    andere->Execute("ROLLBACK");
    rechnung->Update();
    EXPECT_EQ(Gespeichert("SELECT Brutto FROM Rechnung WHERE ID_Rechnungsnummer = 17", "Brutto"),
              Variant(700.0));

    rechnung->Edit();
    rechnung->Fields("Brutto") = 800.0;
    andere->Execute("DELETE FROM Termine WHERE ID_Rechnungsnummer = 17; DELETE FROM Rechnung WHERE "
                    "ID_Rechnungsnummer = 17");
    EXPECT_EQ(Fehlschlag([&] { rechnung->Update(); }).Nummer(), errors::RecordDeleted);
}

TEST_F(RecordsetTest, ClosedRecordsetFails) {
    auto version = Öffnen("Version");
    auto& feld = version->Fields("Zahlungsziel");
    version->Close();
    EXPECT_EQ(Fehlschlag([&] { feld.Value(); }).Nummer(), errors::ObjectClosed);
    EXPECT_EQ(Fehlschlag([&] { version->Eof(); }).Nummer(), errors::ObjectClosed);
    EXPECT_EQ(Fehlschlag([&] { version->Edit(); }).Nummer(), errors::ObjectClosed);
}

} // namespace
} // namespace kovelund::dao

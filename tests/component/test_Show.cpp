#include "Protokoll.h"
#include "Testfenster.h"
#include "component/Auftragskontext.h"
#include "component/KV.h"
#include "component/TempDoc.h"
#include "platform/dao/Workspace.h"
#include "support/Beispielordner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace kovelund {
namespace {

using test::Fensterzähler;

class ShowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Auftrag() = Auftragskontext{};
        Fenster().Leeren();
        for (int i = 0; i < Fensterregister::Anzahl; ++i)
            test::TestfensterRegistrieren(Fenster(), i, zähler[i]);
        kv.SetVamoWorkspace(std::make_shared<dao::Workspace>());
        kv.SetDatenbankPfad(datenbank.Datenbankpfad());
        kv.SetID_Benutzer(std::int32_t{1});
    }
    void TearDown() override {
        Fenster().Leeren();
        Auftrag() = Auftragskontext{};
    }

    int Erzeugt() const {
        int n = 0;
        for (const auto& z : zähler)
            n += z.erzeugt;
        return n;
    }

    test::Protokoll protokoll;
    test::Beispielordner datenbank;
    Fensterzähler zähler[Fensterregister::Anzahl];
    KV kv;
};

TEST_F(ShowTest, TheQueryNamesTheUser) {
    EXPECT_EQ(TempDocAbfrage(0), "SELECT * FROM TempDoc WHERE ID_Benutzer = 0");
    EXPECT_EQ(TempDocAbfrage(-3), "SELECT * FROM TempDoc WHERE ID_Benutzer = -3");
}

TEST_F(ShowTest, FieldReadersApplyTheZeroAndNullRules) {
    EXPECT_EQ(ZahlDatensatzLesen(Variant::Null()), Variant(std::int16_t{0}));
    EXPECT_EQ(ZahlDatensatzLesen(""), Variant(std::int16_t{0}));
    EXPECT_EQ(ZahlDatensatzLesen(" "), Variant(" ")) << "only the empty text is empty";
    EXPECT_EQ(ZahlDatensatzLesen(12.5), Variant(12.5));
    EXPECT_EQ(BoolDatensatzLesen(Variant::Null()), Variant(false));
    EXPECT_EQ(BoolDatensatzLesen(""), Variant("")) << "a later conversion fails on it";
    EXPECT_EQ(BoolDatensatzLesen(true), Variant(true));
}

// Index 6 opens no window (test_Fensterregister pins the other indices) but loads the order all the same.
TEST_F(ShowTest, LoadsTheUsersInvoiceSettings) {
    kv.Show(6, Variant(), 0x2040);
    const Auftragskontext& a = Auftrag();
    EXPECT_EQ(a.hWndMDI, 0x2040);
    EXPECT_EQ(a.ID_Auftragsnummer, 4711);
    EXPECT_FALSE(a.MeßtruppZusammenfassen);
    EXPECT_EQ(a.ID_Lieferschein, 0);
    EXPECT_EQ(a.AbschlagAbsolut, 0.0);
    EXPECT_EQ(a.AbschlagProzent, 100);
    EXPECT_TRUE(a.Zahlungsziel);
    EXPECT_EQ(a.Mehrwertsteuersatz, 19);
    EXPECT_EQ(a.Preisgruppe1, 1);
    EXPECT_EQ(a.Preisgruppe2, 2);
    EXPECT_EQ(a.Preisgruppe3, 3);
    EXPECT_EQ(a.Preisgruppe4, 4);
    EXPECT_EQ(a.Mehrwertsteuer, 19);
    EXPECT_EQ(a.MwStErmäßigt, 7);
    EXPECT_EQ(a.Rabatt, 0);
    EXPECT_EQ(protokoll.Sätze(), 0) << protokoll.Text();
    EXPECT_EQ(Erzeugt(), 0);
}

TEST_F(ShowTest, NullAndEmptyValues) {
    datenbank.Ausführen("INSERT INTO TempDoc (ID_Benutzer, AbschlagAbsolut, Rabatt, Mehrwertsteuersatz, "
                        "AbschlagProzent, MwStErmäßigt) VALUES (2, '', '', 16, 50, 7)");
    Auftragskontext& a = Auftrag();
    a.ID_Auftragsnummer = 99;
    a.MeßtruppZusammenfassen = true;
    a.AbschlagAbsolut = 500;
    a.Zahlungsziel = true;
    a.Mehrwertsteuer = 5;
    a.Rabatt = 3;
    a.ID_Lieferschein = 8;
    kv.SetID_Benutzer(std::int32_t{2});
    kv.Show(0, Variant(), 0);

    EXPECT_EQ(a.AbschlagAbsolut, 0.0) << "empty gives 0";
    EXPECT_EQ(a.Rabatt, 0);
    EXPECT_EQ(a.ID_Lieferschein, 0) << "Null gives 0";
    EXPECT_EQ(a.Preisgruppe1, 0);
    EXPECT_FALSE(a.Zahlungsziel) << "Null gives false";
    EXPECT_EQ(a.Mehrwertsteuersatz, 16);
    EXPECT_EQ(a.AbschlagProzent, 50);
    EXPECT_EQ(a.MwStErmäßigt, 7);
    EXPECT_EQ(a.ID_Auftragsnummer, 99) << "Null read directly keeps the field";
    EXPECT_TRUE(a.MeßtruppZusammenfassen);
    EXPECT_EQ(a.Mehrwertsteuer, 5);
    EXPECT_EQ(protokoll.Sätze(), 3) << protokoll.Text();
    EXPECT_NE(
        protokoll.Text().find("Error 94: \r\nInvalid use of Null\r\nZeile: 0\r\nOrt  : Rechnung.Show\r\n"),
        std::string::npos)
        << protokoll.Text();
    EXPECT_EQ(zähler[0].geladen, 1);
    EXPECT_EQ(zähler[0].mehrwertsteuersatzBeimLaden, 16) << "the window loads after the order";
}

TEST_F(ShowTest, NoRecordForTheUser) {
    kv.SetID_Benutzer(std::int32_t{0});
    Auftrag().Mehrwertsteuersatz = 7;
    kv.Show(1, Variant(), 0);
    EXPECT_EQ(protokoll.Sätze(), 14) << "one record per field read";
    std::string text = protokoll.Text();
    std::size_t rechnungShow = 0;
    for (auto pos = text.find("\r\nOrt  : Rechnung.Show\r\n"); pos != std::string::npos;
         pos = text.find("\r\nOrt  : Rechnung.Show\r\n", pos + 1))
        ++rechnungShow;
    EXPECT_EQ(rechnungShow, 14u);
    EXPECT_NE(text.find("Error 3021: "), std::string::npos) << text;
    EXPECT_EQ(Auftrag().Mehrwertsteuersatz, 7);
    EXPECT_EQ(zähler[1].geladen, 1) << "the window opens all the same";
}

TEST_F(ShowTest, MissingDatabaseStillOpensTheWindow) {
    kv.SetDatenbankPfad((datenbank.verzeichnis / "Fehlt.db").string());
    kv.Show(5, Variant(), 0);
    std::string text = protokoll.Text();
    EXPECT_EQ(protokoll.Sätze(), 16) << "the open, the query and the 14 reads";
    EXPECT_EQ(text.find("Error 3024: "), text.find("Error ")) << text;
    EXPECT_FALSE(std::filesystem::exists(datenbank.verzeichnis / "Fehlt.db"));
    EXPECT_EQ(zähler[5].geladen, 1);

    kv.SetVamoWorkspace(Variant());
    kv.SetDatenbankPfad(datenbank.Datenbankpfad());
    kv.Show(5, Variant(), 0);
    EXPECT_EQ(protokoll.Sätze(), 32);
    EXPECT_NE(protokoll.Text().find("Error 91: ", text.size()), std::string::npos);
}

TEST_F(ShowTest, KeepsTheInvoiceRecordForTheTotals) {
    auto neueAbfrage = dao::Workspace().OpenDatabase(datenbank.Datenbankpfad());
    auto rechnung = neueAbfrage->OpenRecordset("SELECT * FROM Rechnung WHERE ID_Rechnungsnummer = 17");
    kv.Show(6, rechnung, 0);
    ASSERT_EQ(Auftrag().Rechnung, rechnung);
    Auftrag().Rechnung->Edit();
    Auftrag().Rechnung->Fields("Brutto") = 18950.0;
    Auftrag().Rechnung->Update();
    auto gespeichert = dao::Workspace()
                           .OpenDatabase(datenbank.Datenbankpfad())
                           ->OpenRecordset("SELECT Brutto FROM Rechnung WHERE ID_Rechnungsnummer = 17");
    EXPECT_EQ(gespeichert->Fields("Brutto").Value(), Variant(18950.0));

    kv.Show(6, "keine Rechnung", 0);
    EXPECT_EQ(Auftrag().Rechnung, rechnung) << "a wrong kind is logged and the record stays";
    EXPECT_EQ(protokoll.Sätze(), 1);
    kv.Show(6, Variant(), 0);
    EXPECT_EQ(Auftrag().Rechnung, nullptr);
}

TEST_F(ShowTest, ReleasesTheDatabaseItOpened) {
    auto offen = [&] {
        int n = 0;
        for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
            std::error_code fehler;
            if (std::filesystem::read_symlink(fd.path(), fehler) == datenbank.Datenbankpfad()) ++n;
        }
        return n;
    };
    ASSERT_EQ(offen(), 0);
    kv.Show(6, Variant(), 0);
    EXPECT_EQ(offen(), 0);
}

TEST_F(ShowTest, ShowTwiceWhileTheWindowIsOpen) {
    kv.Show(2, Variant(), 0);
    ui::Form* fenster = Fenster().Standardinstanz(2);
    ASSERT_NE(fenster, nullptr);
    datenbank.Ausführen("UPDATE TempDoc SET Mehrwertsteuersatz = 7 WHERE ID_Benutzer = 1");
    kv.Show(2, Variant(), 0);
    EXPECT_EQ(Fenster().Standardinstanz(2), fenster);
    EXPECT_EQ(zähler[2].erzeugt, 1);
    EXPECT_EQ(zähler[2].geladen, 1);
    EXPECT_EQ(zähler[2].mehrwertsteuersatzBeimLaden, 19);
    EXPECT_EQ(Auftrag().Mehrwertsteuersatz, 7) << "although the order was reloaded";

    fenster->Unload();
    kv.Show(2, Variant(), 0);
    EXPECT_EQ(zähler[2].erzeugt, 2);
    EXPECT_EQ(zähler[2].mehrwertsteuersatzBeimLaden, 7);
    EXPECT_EQ(protokoll.Sätze(), 0);
}

TEST_F(ShowTest, TheFinishHookLivesWithItsInstance) {
    std::vector<std::int16_t> fertig;
    {
        KV andere;
        andere.SetAbschluss([&](std::int16_t index, bool geschrieben) {
            fertig.push_back(index);
            EXPECT_FALSE(geschrieben) << "no \"&OK\", no document";
        });
        kv.Show(4, Variant(), 0);
        Fenster().Standardinstanz(4)->Unload();
        andere.SetAbschluss(
            [&](std::int16_t index, bool) { fertig.push_back(static_cast<std::int16_t>(index + 10)); });
        kv.Show(2, Variant(), 0);
        Fenster().Standardinstanz(2)->Unload();
    }
    kv.Show(2, Variant(), 0);
    Fenster().Standardinstanz(2)->Unload();
    EXPECT_EQ(fertig, (std::vector<std::int16_t>{4, 12})) << "replaced once, ended with its KV";
}

} // namespace
} // namespace kovelund

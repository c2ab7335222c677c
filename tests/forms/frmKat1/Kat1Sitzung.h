#pragma once
// A small invoice and a host database for the window's tests: the invoice is built with the document
// engine (a heading, the paragraph marked "vamoStart", the totals lines marked for the totals), the
// database from the host schema with its sample invoice 17.

#include "Protokoll.h"
#include "component/Auftragskontext.h"
#include "component/Fensterregister.h"
#include "component/KV.h"
#include "document/Zelltext.h"
#include "forms/Fensterliste.h"
#include "forms/frmKat1/frmKat1.h"
#include "host/Treiber.h"
#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Workspace.h"
#include "platform/docx/Comment.h"
#include "platform/docx/Document.h"
#include "platform/ui/Backend.h"
#include "platform/ui/HeadlessBackend.h"
#include "totals/VV_WordAuto.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace kovelund::test {

class Testrechnung {
public:
    Testrechnung() {
        auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        verzeichnis =
            std::filesystem::temp_directory_path() / "kovelund-test-kat1" /
            (std::string(info->test_suite_name()) + "." + info->name() + "." + std::to_string(::getpid()));
        std::filesystem::remove_all(verzeichnis);
        std::filesystem::create_directories(verzeichnis);
        DatenbankAnlegen();
        DokumentAnlegen();
    }
    ~Testrechnung() { std::filesystem::remove_all(verzeichnis); }
    Testrechnung(const Testrechnung&) = delete;
    Testrechnung& operator=(const Testrechnung&) = delete;

    std::filesystem::path Dokumentpfad() const { return verzeichnis / "Rechnung.docx"; }
    std::string Datenbankpfad() const { return (verzeichnis / "host.sqlite").string(); }

    /// Saves the invoice and opens it again, so that checks see what the file holds.
    void NeuLaden() {
        doc->Save();
        doc = docx::Document::Open(Dokumentpfad());
    }

    Protokoll log;
    std::filesystem::path verzeichnis;
    std::shared_ptr<docx::Document> doc;

private:
    void DatenbankAnlegen() {
        std::ifstream datei(KOVELUND_SCHEMA, std::ios::binary);
        std::stringstream schema;
        schema << datei.rdbuf();
        dao::Workspace().CreateDatabase(Datenbankpfad())->Execute(schema.str());
    }

    // Writes behind the insertion point: a new paragraph with the text, then the marked text.
    void Zeile(docx::Range& stelle, const std::string& text, const std::string& marke,
               const std::string& markiert) {
        stelle.InsertAfter("\r" + text);
        stelle.Collapse(docx::CollapseEnd);
        stelle.InsertAfter(markiert);
        doc->Comments().Add(stelle, marke);
        stelle.Collapse(docx::CollapseEnd);
    }

    void DokumentAnlegen() {
        doc = docx::Document::Open(std::filesystem::path(KOVELUND_TEST_DATA) / "docx" / "leer.docx");
        doc->Content().InsertAfter("Rechnung Nr. 17");
        // The engine inserts text at a point in the text; a comment's mark gives the first one.
        docx::Comment hilfe = doc->Comments().Add(doc->Content(), "Hilfe");
        docx::Range stelle = hilfe.Reference();
        stelle.InsertAfter("\rFür die Vermessungsarbeiten berechnen wir:");
        stelle.Collapse(docx::CollapseEnd);
        Zeile(stelle, "", "vamoStart", "Gebühren");
        Zeile(stelle, "Nettobetrag: ", "vamoNetto", "0,00 €");
        Zeile(stelle, "Mehrwertsteuer: ", "vamoMwSt", "0,00 €");
        Zeile(stelle, "Rechnungsbetrag: ", "vamoBrutto", "0,00 €");
        Zeile(stelle, "davon Auslagen: ", "vamoAuslagen", "0,00 €");
        Zeile(stelle, "Bitte überweisen Sie ", "vamoGesamt", "0,00 €");
        hilfe.Delete();
        doc->SaveAs(Dokumentpfad());
        doc = docx::Document::Open(Dokumentpfad());
    }
};

/// One sitting at the window as the host opens it: the order set through KV, the window shown by
/// Show(0) on invoice 17, the user's steps played by the script driver.
class Kat1Sitzung : public ::testing::Test {
protected:
    void SetUp() override {
        Auftrag() = Auftragskontext{};
        Fenster().Leeren();
        FensterRegistrieren(Fenster());
        kv.SetVamoWorkspace(workspace);
        kv.SetDatenbankPfad(rechnung.Datenbankpfad());
        kv.SetID_Benutzer(std::int32_t{1});
        kv.SetFlurstücksnummer("123/4");
        kv.SetFläche(1200.0);
        kv.SetBodenwert(85.5);
        kv.SetAnzahlGrenzpunkte(std::int16_t{6});
    }
    void TearDown() override {
        Fenster().Leeren();
        Auftrag() = Auftragskontext{};
    }

    /// Shows the window on the invoice; `antworten` answers the table choice and message boxes.
    frmKat1& Öffnen(std::vector<ui::Answer> antworten = {}) {
        for (ui::Answer& a : antworten)
            backend.Enqueue(std::move(a));
        db = workspace->OpenDatabase(rechnung.Datenbankpfad());
        kv.SetDoc(rechnung.doc);
        kv.SetNeueAbfrage(db);
        auto rs = db->OpenRecordset("SELECT * FROM Rechnung WHERE ID_Rechnungsnummer = 17");
        kv.Show(0, Variant(rs), 1);
        fenster = dynamic_cast<frmKat1*>(Fenster().Standardinstanz(0));
        if (fenster == nullptr) throw std::runtime_error("Show(0) opened no frmKat1");
        return *fenster;
    }
    /// Opens the window on the first statement of the category.
    frmKat1& Wiederöffnen() { return Öffnen({{"Tabellenwahl", std::string("optTabelle(0)")}}); }

    /// Plays a session script of examples/ as the host does: its order properties set through KV,
    /// the window shown, its answers queued, its steps played.
    void BeispielSpielen(const std::string& name) {
        Skript skript = SkriptLaden(std::filesystem::path(KOVELUND_EXAMPLES) / name);
        using Setzer = void (KV::*)(const Variant&);
        const std::map<std::string, Setzer> setzer = {{"ID_Benutzer", &KV::SetID_Benutzer},
                                                      {"Flurstücksnummer", &KV::SetFlurstücksnummer},
                                                      {"Fläche", &KV::SetFläche},
                                                      {"Bodenwert", &KV::SetBodenwert},
                                                      {"AnzahlGrenzpunkte", &KV::SetAnzahlGrenzpunkte}};
        for (const auto& [eigenschaft, wert] : skript.eigenschaften)
            (kv.*setzer.at(eigenschaft))(wert);
        ASSERT_EQ(skript.show, 0);
        treiber.AntwortenEinreihen(skript);
        Öffnen();
        treiber.Spielen(skript, *fenster);
    }

    /// Plays steps (a JSON list) on the open window.
    void Spielen(const std::string& schritte) {
        Skript skript = SkriptLesen(R"j({"steps": )j" + schritte + "}");
        treiber.Spielen(skript, *fenster);
    }

    /// The category's `nummer`-th statement table; fails the test when there is none.
    docx::Table Statement(int nummer = 1) const {
        for (const docx::Table& t : rechnung.doc->Tables())
            if (Tabellenmarke(t) == "Kovelund_1" && --nummer == 0) return t;
        throw std::runtime_error("no such statement table marked Kovelund_1");
    }
    int Statements() const {
        int n = 0;
        for (const docx::Table& t : rechnung.doc->Tables())
            if (Tabellenmarke(t) == "Kovelund_1") ++n;
        return n;
    }
    /// Row `zeile` of the statement: its eight cell texts joined by "|".
    std::string Zeile(int zeile, int statement = 1) const {
        docx::Table t = Statement(statement);
        std::string text;
        for (int c = 1; c <= 8; ++c)
            text += (c > 1 ? "|" : "") + Zelltext(t.Cell(zeile, c));
        return text;
    }
    int Zeilen() const { return Statement().Rows().Count(); }
    /// The comments attached to one cell of the statement, joined by "|".
    std::string Kommentare(int zeile, int spalte) const {
        std::string text;
        for (const docx::Comment& k : Statement().Cell(zeile, spalte).Range().Comments())
            text += (text.empty() ? "" : "|") + k.Text();
        return text;
    }

    /// Totals mode with one parcel of `fläche` m² at `wert` €/m², all of it paid for.
    void Summen(const std::string& fläche, const std::string& wert) {
        Spielen(R"j([{"click": "optJa(1)"}, {"set": "MaskEdBoxFläche", "text": ")j" + fläche +
                R"j("}, {"set": "MaskEdBoxWert", "text": ")j" + wert +
                R"j("}, {"set": "txtAnzahl", "text": "1"},
                    {"set": "txtZusammenZahlen", "text": ")j" +
                fläche + R"j("}, {"leave": "txtZusammenZahlen"}])j");
    }
    void Abschließen() { Spielen(R"j([{"click": "CommandEnde"}])j"); }

    /// What a reader of the invoice sees of it: the whole text and every comment in order.
    std::string Abbild() const {
        std::string abbild = rechnung.doc->Content().Text();
        for (const docx::Comment& k : rechnung.doc->Comments())
            abbild += "\n[" + k.Text() + "] " + k.Scope().Text();
        return abbild;
    }
    /// The text a totals marker shows.
    std::string Markiert(const std::string& marke) const {
        for (const docx::Comment& k : rechnung.doc->Comments())
            if (k.Text() == marke) return k.Scope().Text();
        return "(no " + marke + ")";
    }

    Testrechnung rechnung;
    std::shared_ptr<dao::Workspace> workspace = std::make_shared<dao::Workspace>();
    std::shared_ptr<dao::Database> db;
    ui::HeadlessBackend backend;
    ui::ScopedBackend aktiv{backend};
    Treiber treiber{backend};
    KV kv;
    frmKat1* fenster = nullptr;
};

} // namespace kovelund::test

#include "support/Fenstersitzung.h"

#include "component/Eigenschaften.h"
#include "component/Fensterregister.h"
#include "component/KV.h"
#include "forms/Fensterliste.h"
#include "host/Skript.h"
#include "host/Treiber.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Workspace.h"
#include "platform/ui/CommandButton.h"
#include "totals/G_frmTabelle.h"
#include "totals/VV_WordAuto.h"

#include <filesystem>
#include <memory>
#include <stdexcept>

namespace kovelund::test {

namespace {

// The host's main window, into which the windows are embedded, and the sample's invoice record.
constexpr std::int32_t hostfenster = 1;
constexpr int rechnungsnummer = 17;

} // namespace

// The windows of forms/, registered as the top of the program registers them.
Fenstersitzung::Fenstersitzung(int index) : index_(index) {
    Fenster().Leeren();
    FensterRegistrieren(Fenster());
    KV kv;
    kv.SetVamoWorkspace(std::make_shared<dao::Workspace>());
    kv.SetDatenbankPfad(beispiel.Datenbankpfad());
    kv.SetID_Benutzer(std::int32_t{1});
}

// The table choice keeps its last choice for the process; the next test starts as a new process.
Fenstersitzung::~Fenstersitzung() {
    Fenster().Leeren();
    G_frmTabelle::Freigeben();
}

void Fenstersitzung::Eigenschaften(std::initializer_list<std::pair<std::string_view, Variant>> werte) {
    KV kv;
    for (const auto& [name, wert] : werte)
        EigenschaftSetzen(kv, name, wert);
}

ui::Form& Fenstersitzung::Zeigen(std::vector<ui::Answer> antworten) {
    if (ui::Form* offen = Fenster().Standardinstanz(index_)) offen->Unload();
    for (ui::Answer& antwort : antworten)
        backend.Enqueue(std::move(antwort));
    KV kv;
    kv.SetDoc(beispiel.doc);
    kv.SetNeueAbfrage(beispiel.db);
    kv.Show(static_cast<std::int16_t>(index_), Variant(beispiel.Gespeichert(rechnungsnummer)), hostfenster);
    ui::Form& fenster = Offen();
    Geöffnet(fenster);
    return fenster;
}

void Fenstersitzung::Spielen(const std::string& schritte) {
    Skript skript = SkriptLesen(R"j({"steps": )j" + schritte + "}");
    Treiber(backend).Spielen(skript, Offen());
}

void Fenstersitzung::BeispielSpielen(const std::string& name) {
    Skript skript = SkriptLaden(std::filesystem::path(KOVELUND_EXAMPLES) / name);
    ASSERT_EQ(skript.show, index_) << name << " shows another window";
    KV kv;
    for (const auto& [eigenschaft, wert] : skript.eigenschaften)
        EigenschaftSetzen(kv, eigenschaft, wert);
    Treiber treiber(backend);
    treiber.AntwortenEinreihen(skript);
    treiber.Spielen(skript, Zeigen());
}

docx::Table Fenstersitzung::Abschließen() {
    ui::Form& fenster = Offen();
    auto* ende = dynamic_cast<ui::CommandButton*>(fenster.Find("CommandEnde"));
    if (ende == nullptr) throw std::runtime_error(fenster.Name() + " has no CommandEnde");
    ende->SetFocus();
    ende->Press();
    EXPECT_FALSE(fenster.IsLoaded()) << "\"&OK\" closes the window";
    beispiel.NeuLaden();
    return Statement();
}

void Fenstersitzung::Vormerken() {
    beispiel.NeuLaden();
    vorgemerkt_ = Abbild();
}

void Fenstersitzung::UnverändertAbschließen() {
    Abschließen();
    EXPECT_EQ(Statements(), 1);
    EXPECT_EQ(Abbild(), vorgemerkt_);
    EXPECT_EQ(beispiel.log.Sätze(), 0) << beispiel.log.Text();
}

docx::Table Fenstersitzung::Statement(int nummer) const {
    std::vector<docx::Table> tabellen = Tabellen(*beispiel.doc, Marke());
    if (nummer < 1 || nummer > static_cast<int>(tabellen.size()))
        throw std::runtime_error("the invoice has no statement " + std::to_string(nummer) + " marked " +
                                 Marke());
    return tabellen[static_cast<std::size_t>(nummer - 1)];
}

int Fenstersitzung::Statements() const {
    return static_cast<int>(Tabellen(*beispiel.doc, Marke()).size());
}

std::string Fenstersitzung::Statementzeile(int zeile, int nummer) const {
    std::vector<std::string> zellen = Zellen(Statement(nummer)).at(static_cast<std::size_t>(zeile - 1));
    std::string text;
    for (std::size_t i = 0; i < zellen.size(); ++i)
        text += (i > 0 ? "|" : "") + zellen[i];
    return text;
}

std::string Fenstersitzung::Markiert(std::string_view marke) const {
    return test::Markiert(*beispiel.doc, marke);
}

std::string Fenstersitzung::Abbild() const {
    return test::Abbild(*beispiel.doc);
}

docx::Table Fenstersitzung::Fremdtabelle(int zeilen, int spalten) const {
    docx::Table tabelle = beispiel.doc->Tables().Add(beispiel.doc->Content(), zeilen, spalten);
    BookmarkSetzen(tabelle, Marke());
    return tabelle;
}

ui::Form& Fenstersitzung::Offen() const {
    ui::Form* fenster = Fenster().Standardinstanz(index_);
    if (fenster == nullptr) throw std::runtime_error("window " + std::to_string(index_) + " is not open");
    return *fenster;
}

std::string Fenstersitzung::Marke() const {
    return "Kovelund_" + std::to_string(index_ + 1);
}

} // namespace kovelund::test

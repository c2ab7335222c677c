#include "host/Pruefung.h"

#include "common/Fehler.h"
#include "component/Auftragskontext.h"
#include "component/TempDoc.h"
#include "host/Verlauf.h"
#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Workspace.h"
#include "platform/datei/Sperre.h"
#include "platform/docx/Document.h"
#include "totals/G_modSumme.h"
#include "totals/Rechnungspruefung.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <ostream>

namespace kovelund {

namespace fs = std::filesystem;

namespace {

// The invoice, its database and record as the check reads them; opening them is where exit code 2
// comes from.
struct Geöffnet {
    std::shared_ptr<docx::Document> doc;
    std::shared_ptr<dao::Database> db;
    fs::path datenbank;
    std::shared_ptr<dao::Recordset> rechnung;
};

fs::path Datenbankpfad(const Prüfauftrag& auftrag) {
    if (auftrag.datenbank) return *auftrag.datenbank;
    fs::path daneben = auftrag.dokument.parent_path() / "host.sqlite";
    if (!fs::exists(daneben))
        throw Fehler(3024, "no host database beside '" + auftrag.dokument.string() +
                               "' for the invoice settings; name one with --db");
    return daneben;
}

std::shared_ptr<dao::Recordset> Einzelsatz(dao::Database& db, const std::string& abfrage,
                                           const std::string& was) {
    auto r = db.OpenRecordset(abfrage);
    if (r->Eof()) throw Fehler(3021, "the host database has no " + was);
    return r;
}

std::shared_ptr<dao::Recordset> Rechnungssatz(dao::Database& db, int id) {
    return Einzelsatz(db, "SELECT * FROM Rechnung WHERE ID_Rechnungsnummer = " + std::to_string(id),
                      "invoice " + std::to_string(id));
}

// Hands the invoice, the database, the user's settings and the record to the order context, as Show does.
Geöffnet Öffnen(const Prüfauftrag& auftrag) {
    Geöffnet g;
    g.doc = docx::Document::Open(auftrag.dokument);
    g.datenbank = fs::absolute(Datenbankpfad(auftrag));
    g.db = dao::Workspace().OpenDatabase(g.datenbank.string());
    auto tempDoc = Einzelsatz(*g.db, TempDocAbfrage(auftrag.benutzer),
                              "invoice settings (TempDoc) for user " + std::to_string(auftrag.benutzer));
    if (auftrag.rechnung) g.rechnung = Rechnungssatz(*g.db, *auftrag.rechnung);
    Auftragskontext& k = Auftrag();
    Fehlerbereich fehler{"Rechnungspruefung", "Öffnen"};
    TempDocLesen(fehler, tempDoc, k);
    k.Doc = g.doc;
    k.NeueAbfrage = g.db;
    k.DatenbankPfad = g.datenbank.string();
    k.Rechnung = g.rechnung;
    return g;
}

bool Enthalten(const std::vector<Befund>& befunde, const Befund& b) {
    return std::any_of(befunde.begin(), befunde.end(),
                       [&](const Befund& x) { return x.art == b.art && x.text == b.text; });
}

// What the repair put right: the problems of before that the check no longer finds.
std::vector<std::string> Behoben(const std::vector<Befund>& vorher, const std::vector<Befund>& nachher) {
    std::vector<std::string> texte;
    for (const Befund& b : vorher)
        if (b.problem && !Enthalten(nachher, b)) texte.push_back(b.text);
    return texte;
}

std::vector<Befund> Reparieren(const Prüfauftrag& auftrag, Geöffnet& g) {
    std::optional<Rechnungsstand> stand;
    if (auftrag.rechnung) stand = RechnungsstandLesen(*g.db, g.datenbank, *auftrag.rechnung);
    Auftragskontext& k = Auftrag();
    SummeBilden(k.Zahlungsziel);
    Verlauf(auftrag.dokument).Sichern(stand, "check --repair");
    g.doc->SaveAs(auftrag.dokument);
    // The record read afresh, so that the check after the repair sees what was stored.
    if (auftrag.rechnung) k.Rechnung = Rechnungssatz(*g.db, *auftrag.rechnung);
    return RechnungPrüfen(k);
}

void Ausgeben(const Prüfauftrag& auftrag, const std::vector<Befund>& befunde,
              const std::vector<std::string>& behoben, std::ostream& aus) {
    if (auftrag.json) {
        nlohmann::ordered_json j = {{"invoice", auftrag.dokument.string()},
                                    {"findings", nlohmann::ordered_json::array()}};
        for (const Befund& b : befunde)
            j["findings"].push_back({{"kind", b.art}, {"text", b.text}, {"problem", b.problem}});
        if (auftrag.reparieren) j["repaired"] = behoben;
        aus << j.dump(2) << '\n';
        return;
    }
    for (const std::string& text : behoben)
        aus << "Behoben: " << text << '\n';
    int probleme = 0;
    for (const Befund& b : befunde) {
        aus << (b.problem ? "Befund: " : "") << b.text << '\n';
        probleme += b.problem ? 1 : 0;
    }
    if (probleme == 0)
        aus << "Keine Befunde.\n";
    else
        aus << probleme << (probleme == 1 ? " Befund.\n" : " Befunde.\n");
}

} // namespace

int RechnungPrüfenBefehl(const Prüfauftrag& auftrag, std::ostream& aus, std::ostream& fehler) {
    // A repair saves the invoice, so it holds the invoice from reading to saving as a session does.
    std::optional<datei::Sperre> sperre;
    if (auftrag.reparieren) sperre.emplace(datei::Sperre::Nehmen(auftrag.dokument));
    Geöffnet g;
    try {
        g = Öffnen(auftrag);
    } catch (const std::exception& e) {
        fehler << "kovelund: " << e.what() << '\n';
        return 2;
    }
    std::vector<Befund> befunde = RechnungPrüfen(Auftrag());
    std::vector<std::string> behoben;
    if (auftrag.reparieren && ProblemGefunden(befunde)) {
        std::vector<Befund> nachher = Reparieren(auftrag, g);
        behoben = Behoben(befunde, nachher);
        befunde = std::move(nachher);
    }
    Ausgeben(auftrag, befunde, behoben, aus);
    return ProblemGefunden(befunde) ? 1 : 0;
}

} // namespace kovelund

#include "host/Sitzung.h"

#include "common/Fehler.h"
#include "component/Eigenschaften.h"
#include "component/Fensterregister.h"
#include "component/KV.h"
#include "forms/Fensterliste.h"
#include "host/Treiber.h"
#include "host/Verlauf.h"
#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Workspace.h"
#include "platform/datei/Dateistand.h"
#include "platform/datei/Sperre.h"
#include "platform/docx/Document.h"
#include "platform/docx/Selection.h"
#include "platform/docx/Table.h"
#include "platform/ui/HeadlessBackend.h"
#include "platform/ui/Label.h"
#include "totals/G_frmTabelle.h"

#include <algorithm>
#include <future>

namespace kovelund {

namespace {

// The host's main window as the command line plays it.
constexpr std::int32_t hostfenster = 1;

void EigenschaftÜbergeben(KV& kv, const std::string& name, const Variant& wert) {
    try {
        EigenschaftSetzen(kv, name, wert);
    } catch (const Fehler& f) {
        throw SkriptFehler("properties: " + name + ": " + f.what());
    }
}

std::optional<std::string> Gebühr(const ui::Form& fenster) {
    if (auto* label = dynamic_cast<ui::Label*>(fenster.Find("lblGebühr"))) return label->Caption();
    return std::nullopt;
}

std::shared_ptr<dao::Recordset> Rechnung(dao::Database& db, int id) {
    auto rechnung =
        db.OpenRecordset("SELECT * FROM Rechnung WHERE ID_Rechnungsnummer = " + std::to_string(id));
    if (rechnung->Eof()) throw Fehler(3021, "the host database has no invoice " + std::to_string(id));
    return rechnung;
}

/// Locks the invoice, and the file it is saved to when that is another one.
std::vector<datei::Sperre> Sperren(const Sitzungsauftrag& auftrag) {
    std::vector<datei::Sperre> sperren;
    sperren.push_back(datei::Sperre::Nehmen(auftrag.dokument));
    std::error_code fehler;
    if (!auftrag.ausgabe.empty() && !std::filesystem::equivalent(auftrag.ausgabe, auftrag.dokument, fehler))
        sperren.push_back(datei::Sperre::Nehmen(auftrag.ausgabe));
    return sperren;
}

/// Puts the record's amounts back as they were before the session; says how that went.
std::string Zurücksetzen(dao::Database& datenbank, const std::optional<Rechnungsstand>& vorher) {
    if (!vorher) return "";
    try {
        RechnungsstandSchreiben(datenbank, *vorher);
        return ", the invoice record keeps its amounts from before";
    } catch (const Fehler& f) {
        return "; the invoice record could not be put back and holds this session's totals: " +
               std::string(f.what());
    }
}

/// Saves unless the invoice on disk is no longer the file that was opened; then the record's
/// amounts are put back too, so that record and invoice still agree. A save first keeps the state
/// it replaces in the invoice's history.
void Speichern(docx::Document& dokument, const Sitzungsauftrag& auftrag, const datei::Dateistand& geöffnet,
               dao::Database& datenbank, const std::optional<Rechnungsstand>& vorher) {
    std::filesystem::path ziel = auftrag.ausgabe.empty() ? auftrag.dokument : auftrag.ausgabe;
    datei::Dateistand jetzt = datei::DateistandLesen(auftrag.dokument);
    if (jetzt != geöffnet)
        throw DokumentGeändert("'" + auftrag.dokument.string() + "' changed on disk since it was opened (" +
                               datei::Unterschied(geöffnet, jetzt) + "); nothing was written" +
                               Zurücksetzen(datenbank, vorher));
    // The history copies the file as it stands while the new one is made and flushed; it is complete
    // before the new file replaces the old, and a history that cannot be kept stops the save.
    auto verlauf = std::async(std::launch::async, [&] {
        Verlauf(ziel).Sichern(vorher, "run " + auftrag.skript.filename().string());
    });
    dokument.SaveAs(ziel, [&] { verlauf.get(); });
}

} // namespace

std::string SatzNichtAktualisiertText(const Sitzungsbericht& bericht) {
    std::string text;
    for (const Fehlschritt& s : bericht.fehlschritte)
        if (Datenbankfehler(s))
            text += (text.empty() ? "" : "; ") + s.ort + ": error " + std::to_string(s.nummer) + ": " +
                    s.beschreibung;
    return "invoice saved, invoice record not updated: " + text;
}

Sitzungsbericht SitzungSpielen(const Sitzungsauftrag& auftrag) {
    Skript skript = SkriptLaden(auftrag.skript);
    auto sperren = Sperren(auftrag);
    datei::Dateistand geöffnet = datei::DateistandLesen(auftrag.dokument);
    auto dokument = docx::Document::Open(auftrag.dokument);
    auto workspace =
        auftrag.datenbankWartezeit
            ? std::make_shared<dao::Workspace>("#Default Workspace#", *auftrag.datenbankWartezeit)
            : std::make_shared<dao::Workspace>();
    auto datenbank = workspace->OpenDatabase(auftrag.datenbank.string());
    std::shared_ptr<dao::Recordset> rechnung;
    if (auftrag.rechnung) rechnung = Rechnung(*datenbank, *auftrag.rechnung);
    // The record as it stands before the calculation writes it: kept in the history when the invoice
    // is saved, put back when the save is refused.
    std::optional<Rechnungsstand> vorher;
    if (auftrag.rechnung)
        vorher =
            RechnungsstandLesen(*datenbank, std::filesystem::absolute(auftrag.datenbank), *auftrag.rechnung);

    FensterRegistrieren(Fenster());
    // The windows of this session go with it, whichever way it ends, and so does the table choice,
    // so that the next session's dialog starts with "optNeu" again.
    struct Aufräumen {
        ~Aufräumen() {
            Fenster().Leeren();
            G_frmTabelle::Freigeben();
        }
    } aufräumen;
    int protokollVorher = Protokollsätze();
    Protokollauszug protokoll;
    KV kv;
    kv.SetDoc(dokument);
    kv.SetNeueAbfrage(datenbank);
    kv.SetVamoWorkspace(workspace);
    kv.SetDatenbankPfad(auftrag.datenbank.string());
    for (const auto& [name, wert] : skript.eigenschaften)
        EigenschaftÜbergeben(kv, name, wert);
    if (skript.cursorTabelle) {
        if (*skript.cursorTabelle < 1 || *skript.cursorTabelle > dokument->Tables().Count())
            throw SkriptFehler("cursor: the document has no table " + std::to_string(*skript.cursorTabelle));
        dokument->Application().Selection().SetCursor(dokument->Tables().Item(*skript.cursorTabelle));
    }

    ui::HeadlessBackend backend;
    ui::ScopedBackend aktiv(backend);
    Treiber treiber(backend);
    treiber.AntwortenEinreihen(skript);
    int index = skript.show.value_or(-1);
    kv.Show(static_cast<std::int16_t>(index), rechnung ? Variant(rechnung) : Variant(), hostfenster);
    treiber.AntwortenPrüfen("show");

    Sitzungsbericht bericht;
    ui::Form* fenster = Fenster().Standardinstanz(index);
    if (fenster == nullptr && !skript.schritte.empty())
        throw SkriptFehler("show " + std::to_string(index) + " opened no window to play the steps on");
    if (fenster != nullptr) bericht.lblGebühr = Gebühr(*fenster);
    for (const Schritt& schritt : skript.schritte) {
        if (fenster == nullptr || !fenster->IsLoaded())
            throw SkriptFehler(SchrittName(schritt) + ": the window has closed already");
        treiber.Spielen(schritt, *fenster);
        bericht.lblGebühr = Gebühr(*fenster);
    }
    treiber.Abschließen();
    bericht.geschlossen = fenster == nullptr || !fenster->IsLoaded();
    if (!bericht.geschlossen)
        throw SkriptFehler("the window is still open when the steps end; nothing was written");
    if (dokument->Modified()) {
        Speichern(*dokument, auftrag, geöffnet, *datenbank, vorher);
        bericht.gespeichert = true;
    }
    bericht.protokollsätze = Protokollsätze() - protokollVorher;
    bericht.fehlschritte = protokoll.Neue();
    bericht.rechnungssatzAktuell =
        !bericht.gespeichert || !auftrag.rechnung ||
        std::none_of(bericht.fehlschritte.begin(), bericht.fehlschritte.end(), Datenbankfehler);
    return bericht;
}

} // namespace kovelund

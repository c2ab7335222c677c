// The kovelund command line: init, run, dump, demo, check and the history (history, undo, redo), as a
// host application plays them.

#include "common/Funktionen.h"
#include "common/Texte.h"
#include "common/Variant.h"
#include "host/Ausgabe.h"
#include "host/Pruefung.h"
#include "host/Sitzung.h"
#include "host/Verlauf.h"
#include "host/Verlaufsbefehle.h"
#include "host/Vorlage.h"
#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Workspace.h"
#include "platform/datei/Sperre.h"
#include "platform/docx/Document.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <vector>

namespace {

using namespace kovelund;
namespace fs = std::filesystem;

// The demo's own invoice: the sample's invoice number 17.
constexpr int demoRechnung = 17;

void BerichtSchreiben(const fs::path& datei, const Sitzungsbericht& bericht) {
    nlohmann::ordered_json schritte = nlohmann::ordered_json::array();
    for (const Fehlschritt& s : bericht.fehlschritte)
        schritte.push_back({{"where", s.ort}, {"number", s.nummer}, {"description", s.beschreibung}});
    nlohmann::ordered_json json = {{"closed", bericht.geschlossen},
                                   {"saved", bericht.gespeichert},
                                   {"lblGebühr", bericht.lblGebühr
                                                     ? nlohmann::ordered_json(*bericht.lblGebühr)
                                                     : nlohmann::ordered_json(nullptr)},
                                   {"log_records", bericht.protokollsätze},
                                   {"record_updated", bericht.rechnungssatzAktuell},
                                   {"failed_steps", schritte}};
    std::ofstream aus(datei, std::ios::binary);
    aus << json.dump(2) << '\n';
    if (!aus) throw Fehler(75, "cannot write the report '" + datei.string() + "'");
}

std::vector<fs::path> Beispiele(const fs::path& verzeichnis) {
    std::vector<fs::path> skripte;
    if (fs::is_directory(verzeichnis))
        for (const auto& eintrag : fs::directory_iterator(verzeichnis))
            if (eintrag.path().extension() == ".json") skripte.push_back(eintrag.path());
    std::sort(skripte.begin(), skripte.end());
    return skripte;
}

std::string Euro(const Variant& cent) {
    return WertFormatieren(AlsDouble(cent) / 100, 11, 2) + " €";
}

void SummenZeigen(const fs::path& datenbank) {
    auto db = dao::Workspace().OpenDatabase(datenbank.string());
    auto r = db->OpenRecordset("SELECT * FROM Rechnung WHERE ID_Rechnungsnummer = " +
                               std::to_string(demoRechnung));
    std::printf("\nRechnung %d:\n", demoRechnung);
    std::printf("  Netto (umsatzsteuerpflichtig) %s\n", Euro(r->Fields("NettoRechnung").Value()).c_str());
    std::printf("  Auslagen (umsatzsteuerfrei)   %s\n",
                Euro(r->Fields("MehrwertsteuerFreierbetrag").Value()).c_str());
    std::printf("  Rechnungsbetrag (brutto)      %s\n", Euro(r->Fields("Brutto").Value()).c_str());
}

int Demo(const fs::path& verzeichnis, const fs::path& beispiele) {
    for (const char* datei : {"Rechnung.docx", "host.sqlite"})
        fs::remove(verzeichnis / datei);
    // A history of the invoice it replaces would undo into another demo's states.
    fs::remove_all(Verlauf::Ordner(verzeichnis / "Rechnung.docx"));
    Initialisieren(verzeichnis);
    auto skripte = Beispiele(beispiele);
    if (skripte.empty()) throw Fehler(53, "no example scripts in '" + beispiele.string() + "'");
    for (const fs::path& skript : skripte) {
        Sitzungsauftrag auftrag{
            skript, verzeichnis / "Rechnung.docx", verzeichnis / "host.sqlite", {}, demoRechnung, {}};
        Sitzungsbericht bericht = SitzungSpielen(auftrag);
        // A window without a running fee shows its fee only in the table it writes.
        std::string gebühr = bericht.lblGebühr ? "Gebühr " + Trimmen(*bericht.lblGebühr) + " €" : "";
        std::printf("%-28s %s%s\n", skript.filename().c_str(), gebühr.c_str(),
                    bericht.gespeichert ? "" : "  (nichts geschrieben)");
    }
    SummenZeigen(verzeichnis / "host.sqlite");
    std::printf("\nRechnung geschrieben: %s\n", fs::absolute(verzeichnis / "Rechnung.docx").c_str());
    return 0;
}

int Spielen(const Sitzungsauftrag& auftrag, const fs::path& bericht) {
    Sitzungsbericht ergebnis = SitzungSpielen(auftrag);
    if (!bericht.empty()) BerichtSchreiben(bericht, ergebnis);
    if (ergebnis.rechnungssatzAktuell) return 0;
    std::fprintf(stderr, "kovelund: %s\n", SatzNichtAktualisiertText(ergebnis).c_str());
    return ausgang::SatzNichtAktualisiert;
}

// An installed program finds the scripts in its documentation folder, one of the build tree in the
// source tree.
fs::path StandardBeispiele() {
    if (fs::is_directory("examples")) return "examples";
    std::error_code fehler;
    fs::path installiert =
        fs::canonical("/proc/self/exe", fehler).parent_path() / KOVELUND_INSTALLED_EXAMPLES;
    if (!fehler && fs::is_directory(installiert)) return installiert.lexically_normal();
    return KOVELUND_EXAMPLES_DIR;
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"Kovelund: fees for cadastral surveying work, written into invoice documents."};
    app.require_subcommand(1);

    fs::path initVerzeichnis;
    auto* init = app.add_subcommand(
        "init", "Write a sample invoice (Rechnung.docx) and host database (host.sqlite) into DIR.");
    init->add_option("DIR", initVerzeichnis,
                     "Directory to write into (may exist; files are never overwritten)")
        ->required();

    Sitzungsauftrag auftrag;
    fs::path bericht;
    auto* run =
        app.add_subcommand("run", "Play one scripted session on an invoice and save it after \"&OK\".");
    run->add_option("SCRIPT", auftrag.skript, "Session script (JSON)")->required();
    run->add_option("--doc", auftrag.dokument, "The invoice (.docx)")->required();
    run->add_option("--db", auftrag.datenbank, "The host database (.sqlite)")->required();
    run->add_option("--out", auftrag.ausgabe, "Where to save the invoice (default: --doc)");
    run->add_option("--invoice", auftrag.rechnung, "ID_Rechnungsnummer of the invoice record handed to Show");
    run->add_option("--report", bericht, "Write a JSON report of the session here");
    std::optional<long> warten;
    run->add_option("--db-wait", warten,
                    "Milliseconds a database write waits for another connection's lock "
                    "(default $KOVELUND_DB_WAIT_MS, else 5000)")
        ->check(CLI::Range(0L, 600000L));

    fs::path dumpDokument;
    auto* dump =
        app.add_subcommand("dump", "Print the tables, comments and text boxes of an invoice as JSON.");
    dump->add_option("DOC", dumpDokument, "The invoice (.docx)")->required();

    fs::path demoVerzeichnis = "kovelund-demo";
    fs::path beispiele = StandardBeispiele();
    auto* demo = app.add_subcommand("demo", "Write the sample into DIR and play every example script on it.");
    demo->add_option("DIR", demoVerzeichnis, "Directory of the demo (default ./kovelund-demo)");
    demo->add_option("--examples", beispiele, "Directory of the example scripts")->capture_default_str();

    Prüfauftrag prüfung;
    auto* check =
        app.add_subcommand("check", "Check an invoice against the totals of its fee tables (exit 0 clean, "
                                    "1 findings, 2 unreadable).");
    check->add_option("DOC", prüfung.dokument, "The invoice (.docx)")->required();
    check->add_option("--db", prüfung.datenbank, "The host database (default: host.sqlite beside DOC)");
    check->add_option("--invoice", prüfung.rechnung, "ID_Rechnungsnummer of the invoice record to check");
    check->add_option("--user", prüfung.benutzer, "ID_Benutzer whose invoice settings apply (default 1)");
    check->add_flag("--json", prüfung.json, "Print the findings as JSON");
    check->add_flag("--repair", prüfung.reparieren,
                    "Rebuild summary, markers, payment target and record; fee tables stay untouched");

    fs::path verlaufDokument;
    std::optional<fs::path> verlaufDatenbank;
    auto* history =
        app.add_subcommand("history", "List the kept states of an invoice that undo and redo restore.");
    history->add_option("DOC", verlaufDokument, "The invoice (.docx)")->required();
    auto* undo =
        app.add_subcommand("undo", "Restore the invoice and its record as they were before the last save.");
    auto* redo = app.add_subcommand("redo", "Bring back what the last undo replaced.");
    for (auto* schritt : {undo, redo}) {
        schritt->add_option("DOC", verlaufDokument, "The invoice (.docx)")->required();
        schritt->add_option("--db", verlaufDatenbank,
                            "The host database (default: the one the record came from)");
    }

    CLI11_PARSE(app, argc, argv);
    try {
        if (*init) {
            Initialisieren(initVerzeichnis);
        } else if (*run) {
            if (warten) auftrag.datenbankWartezeit = std::chrono::milliseconds(*warten);
            return Spielen(auftrag, bericht);
        } else if (*dump) {
            std::cout << DokumentAlsJson(*docx::Document::Open(dumpDokument)) << '\n';
        } else if (*demo) {
            Demo(demoVerzeichnis, beispiele);
        } else if (*check) {
            return RechnungPrüfenBefehl(prüfung, std::cout, std::cerr);
        } else if (*history) {
            VerlaufZeigen(verlaufDokument, std::cout);
        } else if (*undo || *redo) {
            return VerlaufGehen(verlaufDokument, undo->parsed(), verlaufDatenbank, std::cout, std::cerr);
        }
        return 0;
    } catch (const datei::Gesperrt& fehler) {
        std::fprintf(stderr, "kovelund: %s; nothing was written\n", fehler.what());
        return ausgang::Gesperrt;
    } catch (const DokumentGeändert& fehler) {
        std::fprintf(stderr, "kovelund: %s\n", fehler.what());
        return ausgang::Geändert;
    } catch (const std::exception& fehler) {
        std::fprintf(stderr, "kovelund: %s\n", fehler.what());
        return 1;
    }
}

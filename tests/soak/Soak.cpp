// The soak: many sessions on one invoice in a row, reopened statements, and two sessions at once,
// with the invoice's invariants checked along the way; prints one table of what was tried and what
// held, and exits non-zero when anything broke.
//
//   kovelund_soak --bin build/bin/kovelund --examples examples --dir /tmp/soak
//                 [--sessions 1000] [--reopens 200] [--rounds 50]

#include "Prozess.h"
#include "Rechnungsbild.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace kovelund::soak;

namespace {

constexpr int rechnung = 17;

struct Einstellungen {
    std::string bin;
    fs::path beispiele, ordner;
    int sitzungen = 1000, wiederöffnungen = 200, runden = 50;
};

/// One row of the summary: what was tried, how often, what held.
struct Zeile {
    std::string was;
    int versuche = 0;
    int gehalten = 0;
    std::string bemerkung;
};

/// The table choice offers five existing statements of a category; from the sixth on, each session
/// logs that the entry does not exist, as the error convention has it.
bool SechsteTabelle(const nlohmann::json& schritt) {
    return schritt.value("number", 0) == 340 &&
           schritt.value("where", std::string()) == "VV_WordAuto.TabelleErmitteln";
}

struct Soak {
    Einstellungen e;
    std::vector<fs::path> skripte;
    int tabellen = 0;
    std::vector<std::string> fehler;
    std::vector<Zeile> zeilen;
    /// Sessions that logged the one record a sixth statement of a category must give.
    int sechste = 0;

    fs::path Dokument() const { return e.ordner / "Rechnung.docx"; }
    fs::path Datenbank() const { return e.ordner / "host.sqlite"; }

    std::string Befehl(const fs::path& skript, const std::string& bericht) const {
        return e.bin + " run '" + skript.string() + "' --doc '" + Dokument().string() + "' --db '" +
               Datenbank().string() + "' --invoice " + std::to_string(rechnung) + " --report '" +
               (e.ordner / bericht).string() + "' 2>&1";
    }

    nlohmann::json Bericht(const std::string& name) const {
        std::ifstream ein(e.ordner / name);
        return ein ? nlohmann::json::parse(ein) : nlohmann::json();
    }

    /// Checks the invoice; true when every invariant holds.
    bool Prüfen(const std::string& wann) {
        auto verstöße = Verstöße(Lesen(e.bin, Dokument(), Datenbank(), rechnung), tabellen);
        for (const auto& v : verstöße)
            fehler.push_back(wann + ": " + v);
        return verstöße.empty();
    }

    /// One session run alone; true when it succeeded and logged nothing but the expected record.
    bool Einzeln(const fs::path& skript, const std::string& wann) {
        Ergebnis r = Aufrufen(Befehl(skript, "bericht.json"));
        bool ok = r.code == 0 && NichtsGescheitert(Bericht("bericht.json"), wann);
        if (r.code != 0) fehler.push_back(wann + ": exit " + std::to_string(r.code) + " " + r.ausgabe);
        return ok;
    }

    /// Whether the report lists no failed step but the expected one.
    bool NichtsGescheitert(const nlohmann::json& b, const std::string& wann) {
        bool ok = true;
        for (const auto& schritt : b.value("failed_steps", nlohmann::json::array())) {
            if (SechsteTabelle(schritt)) {
                ++sechste;
                continue;
            }
            ok = false;
            fehler.push_back(wann + ": logged " + schritt.dump());
        }
        return ok;
    }

    void Reihe();
    void Wiederöffnen();
    void Gleichzeitig();
};

void Soak::Reihe() {
    Zeile z{"sessions of mixed categories in a row", 0, 0, ""};
    std::uintmax_t proTabelleFrüh = 0, proTabelle = 0;
    for (int i = 0; i < e.sitzungen; ++i) {
        ++z.versuche;
        bool ok = Einzeln(skripte[static_cast<std::size_t>(i) % skripte.size()],
                          "session " + std::to_string(i + 1));
        if (ok && Bericht("bericht.json").value("saved", false)) ++tabellen;
        bool letzte = i + 1 == e.sitzungen;
        if (ok && ((i + 1) % 100 == 0 || letzte)) {
            ok = Prüfen("after session " + std::to_string(i + 1));
            auto bytes = fs::file_size(Dokument());
            proTabelle = bytes / static_cast<std::uintmax_t>(std::max(tabellen, 1));
            if (proTabelleFrüh == 0) proTabelleFrüh = proTabelle;
        }
        if (ok) ++z.gehalten;
    }
    bool begrenzt = proTabelle <= proTabelleFrüh + proTabelleFrüh / 4;
    if (!begrenzt) fehler.push_back("the invoice grows faster than its tables");
    z.bemerkung = std::to_string(tabellen) + " fee tables, " + std::to_string(fs::file_size(Dokument())) +
                  " bytes (" + std::to_string(proTabelle) + " per table" + (begrenzt ? ")" : ", unbounded)");
    zeilen.push_back(z);
}

void Soak::Wiederöffnen() {
    Zeile z{"statements reopened and written again", 0, 0, ""};
    std::srand(20);
    // Reopening rewrites a statement in place, so the counts per category stay as they are now.
    auto jeMarke = Lesen(e.bin, Dokument(), Datenbank(), rechnung).jeMarke;
    for (int i = 0; i < e.wiederöffnungen; ++i) {
        ++z.versuche;
        const fs::path& beispiel = skripte[static_cast<std::size_t>(std::rand()) % skripte.size()];
        nlohmann::json skript = nlohmann::json::parse(std::ifstream(beispiel));
        std::string marke = "Kovelund_" + std::to_string(skript["show"].get<int>() + 1);
        int vorhanden = std::min(5, jeMarke[marke]);
        if (vorhanden == 0) continue;
        // The reopened statement is written back as it was read: the window's final click alone.
        std::string wahl = "optTabelle(" + std::to_string(std::rand() % vorhanden) + ")";
        skript["answers"] = nlohmann::json::array({{{"Tabellenwahl", wahl}}});
        skript["steps"] = nlohmann::json::array({skript["steps"].back()});
        fs::path datei = e.ordner / "wieder.json";
        std::ofstream(datei) << skript.dump();
        std::string wann =
            "reopen " + std::to_string(i + 1) + " (" + beispiel.filename().string() + ", " + wahl + ")";
        if (Einzeln(datei, wann) && ((i + 1) % 50 != 0 || Prüfen(wann))) ++z.gehalten;
    }
    if (e.wiederöffnungen > 0 && Prüfen("after the reopens")) z.bemerkung = "table count unchanged";
    zeilen.push_back(z);
}

void Soak::Gleichzeitig() {
    Zeile z{"rounds of two sessions at once", 0, 0, ""};
    std::map<std::string, int> ausgänge;
    for (int i = 0; i < e.runden; ++i) {
        ++z.versuche;
        const fs::path& a = skripte[static_cast<std::size_t>(2 * i) % skripte.size()];
        const fs::path& b = skripte[static_cast<std::size_t>(2 * i + 1) % skripte.size()];
        Aufruf erster(Befehl(a, "a.json"));
        Aufruf zweiter(Befehl(b, "b.json"));
        Ergebnis ra = erster.Beenden(), rb = zweiter.Beenden();
        ++ausgänge[std::to_string(ra.code) + "+" + std::to_string(rb.code)];
        bool erlaubt =
            (ra.code == 0 || ra.code == 3) && (rb.code == 0 || rb.code == 3) && ra.code + rb.code < 6;
        std::string wann = "round " + std::to_string(i + 1);
        for (auto [code, name] : {std::pair{ra.code, "a.json"}, std::pair{rb.code, "b.json"}}) {
            if (code != 0) continue;
            nlohmann::json bericht = Bericht(name);
            erlaubt = NichtsGescheitert(bericht, wann) && erlaubt;
            if (bericht.value("saved", false)) ++tabellen;
        }
        if (!erlaubt)
            fehler.push_back(wann + ": exits " + std::to_string(ra.code) + " and " + std::to_string(rb.code));
        if (Prüfen(wann) && erlaubt) ++z.gehalten;
    }
    for (const auto& [paar, n] : ausgänge)
        z.bemerkung += (z.bemerkung.empty() ? "exit codes " : ", ") + paar + ": " + std::to_string(n);
    zeilen.push_back(z);
}

Einstellungen Lesen(int argc, char** argv) {
    Einstellungen e;
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string name = argv[i], wert = argv[i + 1];
        if (name == "--bin")
            e.bin = wert;
        else if (name == "--examples")
            e.beispiele = wert;
        else if (name == "--dir")
            e.ordner = wert;
        else if (name == "--sessions")
            e.sitzungen = std::stoi(wert);
        else if (name == "--reopens")
            e.wiederöffnungen = std::stoi(wert);
        else if (name == "--rounds")
            e.runden = std::stoi(wert);
        else
            throw std::runtime_error("unknown option " + name);
    }
    if (e.bin.empty() || e.beispiele.empty() || e.ordner.empty())
        throw std::runtime_error(
            "usage: kovelund_soak --bin KOVELUND --examples DIR --dir DIR [--sessions N] "
            "[--reopens N] [--rounds N]");
    return e;
}

} // namespace

int main(int argc, char** argv) try {
    Soak soak{Lesen(argc, argv), {}, 0, {}, {}, 0};
    fs::remove_all(soak.e.ordner);
    // The sessions must add nothing to the error log; a log of their own shows it.
    setenv("KOVELUND_LOG_DIR", (soak.e.ordner / "log").c_str(), 1);
    if (Aufrufen(soak.e.bin + " init '" + soak.e.ordner.string() + "'").code != 0)
        throw std::runtime_error("kovelund init failed");
    for (const auto& eintrag : fs::directory_iterator(soak.e.beispiele))
        if (eintrag.path().extension() == ".json") soak.skripte.push_back(eintrag.path());
    std::sort(soak.skripte.begin(), soak.skripte.end());
    if (soak.skripte.empty()) throw std::runtime_error("no scripts in " + soak.e.beispiele.string());
    auto anfang = std::chrono::steady_clock::now();
    // Each row is printed as its phase ends, so a long run shows its figures as it goes.
    std::printf("| what was tried | how often | held | notes |\n|---|---:|---:|---|\n");
    for (void (Soak::*phase)() : {&Soak::Reihe, &Soak::Wiederöffnen, &Soak::Gleichzeitig}) {
        (soak.*phase)();
        const Zeile& z = soak.zeilen.back();
        std::printf("| %s | %d | %d | %s |\n", z.was.c_str(), z.versuche, z.gehalten, z.bemerkung.c_str());
        std::fflush(stdout);
    }
    int protokollsätze = 0;
    if (std::ifstream log{soak.e.ordner / "log" / "VamoVerw.log"})
        for (std::string zeile; std::getline(log, zeile);)
            protokollsätze += zeile.rfind("Ort  : ", 0) == 0 ? 1 : 0;
    bool protokollLeer = protokollsätze == soak.sechste;
    if (!protokollLeer) soak.fehler.push_back("the error log has records beyond the sixth-statement ones");
    auto sekunden =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - anfang);
    std::printf(
        "| error log: no record but \"a sixth statement cannot be offered\" | 1 | %d | %d such records |\n",
        protokollLeer ? 1 : 0, soak.sechste);
    std::printf("\n%lld s; %zu failure(s)\n", static_cast<long long>(sekunden.count()), soak.fehler.size());
    for (const auto& f : soak.fehler)
        std::printf("  %s\n", f.c_str());
    return soak.fehler.empty() ? 0 : 1;
} catch (const std::exception& f) {
    std::fprintf(stderr, "kovelund_soak: %s\n", f.what());
    return 2;
}

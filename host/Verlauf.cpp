#include "host/Verlauf.h"

#include "common/Fehler.h"
#include "common/Variant.h"
#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Workspace.h"

#include <nlohmann/json.hpp>

#include <chrono>
#include <ctime>
#include <fstream>
#include <sstream>

namespace kovelund {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

namespace {

// The error number of a file that cannot be read or written.
constexpr int dateifehler = 75;

const char* const felder[] = {"NettoRechnung", "Brutto", "MehrwertsteuerFreierbetrag", "Mehrwertsteuersatz"};

std::optional<double>* Feld(Rechnungsstand& stand, int i) {
    std::optional<double>* feld[] = {&stand.NettoRechnung, &stand.Brutto, &stand.MehrwertsteuerFreierbetrag,
                                     &stand.Mehrwertsteuersatz};
    return feld[i];
}

std::shared_ptr<dao::Recordset> Datensatz(dao::Database& db, int rechnung) {
    auto r =
        db.OpenRecordset("SELECT * FROM Rechnung WHERE ID_Rechnungsnummer = " + std::to_string(rechnung));
    if (r->Eof()) throw Fehler(3021, "the host database has no invoice " + std::to_string(rechnung));
    return r;
}

std::string Jetzt() {
    std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm utc{};
    gmtime_r(&t, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &utc);
    return text;
}

Json AlsJson(const std::optional<Rechnungsstand>& stand) {
    if (!stand) return nullptr;
    Rechnungsstand s = *stand;
    Json j = {{"datenbank", s.datenbank.string()}, {"rechnung", s.rechnung}};
    for (int i = 0; i < 4; ++i)
        j[felder[i]] = *Feld(s, i) ? Json(**Feld(s, i)) : Json(nullptr);
    return j;
}

std::optional<Rechnungsstand> StandAusJson(const Json& j) {
    if (j.is_null()) return std::nullopt;
    Rechnungsstand s;
    s.datenbank = j.at("datenbank").get<std::string>();
    s.rechnung = j.at("rechnung").get<int>();
    for (int i = 0; i < 4; ++i)
        if (!j.at(felder[i]).is_null()) *Feld(s, i) = j.at(felder[i]).get<double>();
    return s;
}

Json AlsJson(const Verlaufsschritt& schritt) {
    return {{"datei", schritt.datei},
            {"zeit", schritt.zeit},
            {"anlass", schritt.anlass},
            {"rechnung", AlsJson(schritt.rechnung)}};
}

Verlaufsschritt SchrittAusJson(const Json& j) {
    return {j.at("datei").get<std::string>(), j.at("zeit").get<std::string>(),
            j.at("anlass").get<std::string>(), StandAusJson(j.at("rechnung"))};
}

// Through a temporary file and a rename, so that a failure leaves `ziel` as it was.
void Ersetzen(const fs::path& ziel, const std::function<void(const fs::path&)>& schreiben) {
    fs::path temp = ziel;
    temp += ".kovelund-tmp";
    try {
        schreiben(temp);
        fs::rename(temp, ziel);
    } catch (const std::exception& e) {
        std::error_code egal;
        fs::remove(temp, egal);
        throw Fehler(dateifehler, "cannot write '" + ziel.string() + "': " + e.what());
    }
}

void Kopieren(const fs::path& von, const fs::path& nach) {
    Ersetzen(nach,
             [&](const fs::path& temp) { fs::copy_file(von, temp, fs::copy_options::overwrite_existing); });
}

std::shared_ptr<dao::Database> Öffnen(const fs::path& datenbank) {
    return dao::Workspace().OpenDatabase(datenbank.string());
}

} // namespace

Rechnungsstand RechnungsstandLesen(dao::Database& db, const fs::path& datenbank, int rechnung) {
    auto r = Datensatz(db, rechnung);
    Rechnungsstand stand{datenbank, rechnung, {}, {}, {}, {}};
    for (int i = 0; i < 4; ++i) {
        Variant wert = r->Fields(felder[i]).Value();
        if (!wert.IstNull()) *Feld(stand, i) = AlsDouble(wert);
    }
    return stand;
}

void RechnungsstandSchreiben(dao::Database& db, const Rechnungsstand& stand) {
    auto r = Datensatz(db, stand.rechnung);
    Rechnungsstand s = stand;
    r->Edit();
    for (int i = 0; i < 4; ++i)
        r->Fields(felder[i]) = *Feld(s, i) ? Variant(**Feld(s, i)) : Variant::Null();
    r->Update();
}

struct Verlauf::Stapel {
    int nächste = 1;
    std::vector<Verlaufsschritt> zurück;
    std::vector<Verlaufsschritt> vor;
};

Verlauf::Verlauf(fs::path dokument) : dokument_(std::move(dokument)), ordner_(Ordner(dokument_)) {}

fs::path Verlauf::Ordner(const fs::path& dokument) {
    std::string name = dokument.filename().string();
    return dokument.parent_path() / name.insert(0, 1, '.').append(".verlauf");
}

Verlauf::Stapel Verlauf::Laden() const {
    Stapel stapel;
    fs::path datei = ordner_ / "verlauf.json";
    if (!fs::exists(datei)) return stapel;
    try {
        std::ifstream ein(datei, std::ios::binary);
        Json j = Json::parse(ein);
        stapel.nächste = j.at("naechste").get<int>();
        for (const Json& s : j.at("zurueck"))
            stapel.zurück.push_back(SchrittAusJson(s));
        for (const Json& s : j.at("vor"))
            stapel.vor.push_back(SchrittAusJson(s));
    } catch (const std::exception& e) {
        throw Fehler(dateifehler, "cannot read the history '" + datei.string() + "': " + e.what());
    }
    return stapel;
}

void Verlauf::Ablegen(const Stapel& stapel) const {
    Json j = {{"naechste", stapel.nächste}, {"zurueck", Json::array()}, {"vor", Json::array()}};
    for (const auto& s : stapel.zurück)
        j["zurueck"].push_back(AlsJson(s));
    for (const auto& s : stapel.vor)
        j["vor"].push_back(AlsJson(s));
    Ersetzen(ordner_ / "verlauf.json", [&](const fs::path& temp) {
        std::ofstream aus(temp, std::ios::binary);
        aus << j.dump(2) << '\n';
        if (!aus.flush()) throw std::runtime_error("write failed");
    });
}

namespace {

// Copies the invoice as it is now into the history folder; "" when there is no file to keep.
std::string Aufheben(const fs::path& dokument, const fs::path& ordner, int& nächste) {
    if (!fs::exists(dokument)) return "";
    fs::create_directories(ordner);
    std::string name = std::to_string(nächste++) + ".docx";
    Kopieren(dokument, ordner / name);
    return name;
}

void Verwerfen(const fs::path& ordner, const Verlaufsschritt& schritt) {
    std::error_code egal;
    if (!schritt.datei.empty()) fs::remove(ordner / schritt.datei, egal);
}

} // namespace

void Verlauf::Sichern(const std::optional<Rechnungsstand>& rechnung, const std::string& anlass) {
    Stapel stapel;
    try {
        stapel = Laden();
    } catch (const Fehler&) {
        // A damaged history must not stop the invoice from being saved: it is put aside and begun anew.
        fs::rename(ordner_ / "verlauf.json", ordner_ / "verlauf.json.defekt");
    }
    Verlaufsschritt schritt{Aufheben(dokument_, ordner_, stapel.nächste), Jetzt(), anlass, rechnung};
    std::vector<Verlaufsschritt> verworfen = std::move(stapel.vor);
    stapel.vor.clear();
    stapel.zurück.push_back(schritt);
    while (stapel.zurück.size() > Tiefe) {
        verworfen.push_back(stapel.zurück.front());
        stapel.zurück.erase(stapel.zurück.begin());
    }
    fs::create_directories(ordner_);
    Ablegen(stapel);
    for (const auto& s : verworfen)
        Verwerfen(ordner_, s);
}

bool Verlauf::Wechseln(bool zurück, const std::optional<fs::path>& datenbank) {
    Stapel stapel = Laden();
    std::vector<Verlaufsschritt>& von = zurück ? stapel.zurück : stapel.vor;
    std::vector<Verlaufsschritt>& nach = zurück ? stapel.vor : stapel.zurück;
    if (von.empty()) return false;
    const Verlaufsschritt ziel = von.back();
    // The state being replaced is kept first, so that a failure further on loses nothing.
    // Undone or redone, a step stays named after the calculation that lies between its two states.
    Verlaufsschritt jetzt{Aufheben(dokument_, ordner_, stapel.nächste), Jetzt(), ziel.anlass, std::nullopt};
    if (ziel.rechnung) {
        fs::path pfad = datenbank.value_or(ziel.rechnung->datenbank);
        auto db = Öffnen(pfad);
        jetzt.rechnung = RechnungsstandLesen(*db, pfad, ziel.rechnung->rechnung);
        RechnungsstandSchreiben(*db, *ziel.rechnung);
    }
    if (ziel.datei.empty())
        fs::remove(dokument_);
    else
        Kopieren(ordner_ / ziel.datei, dokument_);
    von.pop_back();
    nach.push_back(jetzt);
    Ablegen(stapel);
    Verwerfen(ordner_, ziel);
    return true;
}

bool Verlauf::Rückgängig(const std::optional<fs::path>& datenbank) {
    return Wechseln(true, datenbank);
}

bool Verlauf::Wiederherstellen(const std::optional<fs::path>& datenbank) {
    return Wechseln(false, datenbank);
}

std::vector<Verlaufsschritt> Verlauf::Zurück() const {
    return Laden().zurück;
}

std::vector<Verlaufsschritt> Verlauf::Vor() const {
    return Laden().vor;
}

} // namespace kovelund

#include "common/Fehler.h"

#include <dlfcn.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <new>

namespace kovelund {

Fehler Typfehler(std::string_view was) {
    return Fehler(fehlernummer::Typen, "Type mismatch: '" + std::string(was) + "'");
}

Fehler Überlauf(std::string_view was) {
    return Fehler(fehlernummer::Überlauf, "Overflow: " + std::string(was));
}

Fehler ObjektFehlt(std::string_view was) {
    return Fehler(fehlernummer::ObjektFehlt, "Object variable not set: " + std::string(was));
}

double Teilen(double a, double b) {
    if (b == 0) {
        if (a == 0 || std::isnan(a)) throw Fehler(fehlernummer::Überlauf, "Overflow");
        throw Fehler(fehlernummer::DivisionDurchNull, "Division by zero");
    }
    double ergebnis = a / b;
    if (!std::isfinite(ergebnis)) throw Fehler(fehlernummer::Überlauf, "Overflow");
    return ergebnis;
}

namespace {

// The directory of the shared library or executable that holds this code: where the component
// was loaded from.
std::filesystem::path Komponentenverzeichnis() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&Komponentenverzeichnis), &info) != 0 && info.dli_fname != nullptr) {
        std::error_code fehler;
        auto pfad = std::filesystem::canonical(info.dli_fname, fehler);
        if (!fehler) return pfad.parent_path();
    }
    return std::filesystem::current_path();
}

std::string Kopfzeile(int nummer) {
    std::time_t jetzt = std::time(nullptr);
    std::tm t{};
    localtime_r(&jetzt, &t);
    char zeile[64];
    std::snprintf(zeile, sizeof zeile, "%d.%d.%02d %02d:%02d   Error %d: ", t.tm_mday, t.tm_mon + 1,
                  t.tm_year % 100, t.tm_hour, t.tm_min, nummer);
    return zeile;
}

} // namespace

std::string Protokollordner(const std::string& komponente, const std::string& bauordner) {
    namespace fs = std::filesystem;
    fs::path innen = fs::path(komponente).lexically_relative(bauordner);
    if (!bauordner.empty() && !innen.empty() && *innen.begin() != "..") return komponente;
    // A relative XDG_DATA_HOME is to be ignored, as the XDG base directory rules say.
    const char* daten = std::getenv("XDG_DATA_HOME");
    if (daten != nullptr && fs::path(daten).is_absolute()) return (fs::path(daten) / "kovelund").string();
    const char* heim = std::getenv("HOME");
    if (heim != nullptr && *heim != '\0') return (fs::path(heim) / ".local/share/kovelund").string();
    return komponente;
}

std::string Protokolldatei() {
    const char* verzeichnis = std::getenv("KOVELUND_LOG_DIR");
    if (verzeichnis != nullptr && *verzeichnis != '\0')
        return (std::filesystem::path(verzeichnis) / "VamoVerw.log").string();
    std::error_code fehler;
    auto bauordner = std::filesystem::weakly_canonical(KOVELUND_BUILD_DIR, fehler);
    std::string ordner = Protokollordner(Komponentenverzeichnis().string(), fehler ? "" : bauordner.string());
    return (std::filesystem::path(ordner) / "VamoVerw.log").string();
}

int Protokollsätze() {
    std::string text;
    if (std::FILE* f = std::fopen(Protokolldatei().c_str(), "rb")) {
        char puffer[4096];
        while (std::size_t n = std::fread(puffer, 1, sizeof puffer, f))
            text.append(puffer, n);
        std::fclose(f);
    }
    int n = 0;
    for (auto pos = text.find("\r\nOrt  : "); pos != std::string::npos;
         pos = text.find("\r\nOrt  : ", pos + 1))
        ++n;
    return n;
}

void FehlerProtokollieren(std::string_view modul, std::string_view prozedur, int nummer,
                          std::string_view beschreibung) noexcept {
    try {
        std::string satz = Kopfzeile(nummer) + "\r\n";
        satz += beschreibung;
        satz += "\r\nZeile: 0\r\nOrt  : ";
        satz += modul;
        satz += '.';
        satz += prozedur;
        satz += "\r\nUser : , \r\n\r\n";
        std::string datei = Protokolldatei();
        std::error_code fehler;
        std::filesystem::create_directories(std::filesystem::path(datei).parent_path(), fehler);
        if (std::FILE* f = std::fopen(datei.c_str(), "ab")) {
            std::fwrite(satz.data(), 1, satz.size(), f);
            std::fclose(f);
        }
    } catch (...) {
        // A record that cannot be written is lost; the caller goes on.
    }
}

void Fehlerbereich::Melden() noexcept {
    if (art_ == Art::Ignorieren) return;
    try {
        throw;
    } catch (const Fehler& f) {
        FehlerProtokollieren(modul_, prozedur_, f.Nummer(), f.what());
    } catch (const std::bad_alloc&) {
        FehlerProtokollieren(modul_, prozedur_, fehlernummer::KeinSpeicher, "Out of memory");
    } catch (const std::out_of_range& f) {
        FehlerProtokollieren(modul_, prozedur_, fehlernummer::Index, f.what());
    } catch (const std::exception& f) {
        FehlerProtokollieren(modul_, prozedur_, fehlernummer::UngültigerAufruf, f.what());
    } catch (...) {
        FehlerProtokollieren(modul_, prozedur_, fehlernummer::UngültigerAufruf,
                             "Invalid procedure call or argument");
    }
}

} // namespace kovelund

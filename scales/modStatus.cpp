#include "scales/modStatus.h"

#include "common/Fehler.h"
#include "common/Zahlen.h"

#include <array>
#include <cmath>
#include <span>

namespace kovelund {

namespace {

// Gebührenstaffel 1. Columns by t = Int(land value × 10): A up to 25, B up to 100, C up to 400,
// D up to 1000, E up to 2500.
constexpr std::array<double, 5> spaltenBis = {25, 100, 400, 1000, 2500};

struct Staffel1Zeile {
    double flächeBis;
    std::array<double, 5> gebühr; // A B C D E
    double wertstufe;             // per started 100 €/m² above 250 €/m²
};

constexpr std::array<Staffel1Zeile, 11> staffel1 = {{
    {25, {123, 143, 174, 215, 280}, 36},
    {100, {159, 184, 220, 270, 340}, 41},
    {300, {215, 265, 330, 380, 460}, 46},
    {500, {295, 355, 420, 490, 580}, 51},
    {1000, {375, 460, 550, 650, 790}, 72},
    {2500, {490, 590, 710, 840, 1030}, 97},
    {5000, {640, 760, 920, 1100, 1310}, 107},
    {10000, {830, 990, 1210, 1480, 1730}, 123},
    {25000, {1110, 1380, 1700, 2020, 2320}, 143},
    {50000, {1440, 1730, 2050, 2420, 2750}, 164},
    {100000, {1870, 2260, 2610, 2980, 3300}, 164},
}};
constexpr std::array<double, 5> flächenstufe = {310, 360, 430, 430, 430}; // per started 50.000 m²

// Staffel 3, Teil B. Columns by land value: up to 10, 40, 100, 250 €/m².
constexpr std::array<double, 4> wertBis = {10, 40, 100, 250};

struct TeilBZeile {
    double punkteBis;
    std::array<double, 4> betrag;
    double stufe; // per started 100 €/m² above 250 €/m²
};

constexpr double unbegrenzt = 1e300;

constexpr std::array<TeilBZeile, 6> teilB = {{
    {5, {66, 77, 87, 102}, 10},
    {10, {56, 66, 77, 97}, 70},
    {20, {46, 56, 66, 87}, 10},
    {30, {41, 51, 61, 82}, 10},
    {50, {36, 46, 56, 77}, 10},
    {unbegrenzt, {31, 41, 51, 72}, 10},
}};

// Boundary certificates and building survey: contiguous brackets by value in euros.
struct Klasse {
    double bis;
    double gebühr;
};

constexpr std::array<Klasse, 7> bescheinigungMit = {{{50'000, 61},
                                                     {100'000, 77},
                                                     {250'000, 102},
                                                     {500'000, 179},
                                                     {1'000'000, 251},
                                                     {1'500'000, 305},
                                                     {2'500'000, 385}}};
constexpr double bescheinigungMitStufe = 36;
constexpr std::array<Klasse, 7> bescheinigungOhne = {{{50'000, 36},
                                                      {100'000, 41},
                                                      {250'000, 56},
                                                      {500'000, 123},
                                                      {1'000'000, 179},
                                                      {1'500'000, 230},
                                                      {2'500'000, 305}}};
constexpr double bescheinigungOhneStufe = 31;
constexpr std::array<Klasse, 7> gebäude = {{{50'000, 220},
                                            {100'000, 290},
                                            {250'000, 475},
                                            {500'000, 820},
                                            {1'000'000, 1070},
                                            {1'500'000, 1250},
                                            {2'500'000, 1600}}};

void Prüfen(double wert) {
    if (!std::isfinite(wert)) throw Überlauf("a scale input that is no finite number");
}

// Started steps above a bound: each started `schritt` above `grenze` counts one.
double Wertstufen(double bodenwert) {
    return Int((bodenwert - 250) / 100 + 1);
}
double Flächenstufen(double fläche) {
    return Int((fläche - 100001) / 50000 + 1);
}

// The first bracket whose bound is not below the value, or nullptr above the last.
const Klasse* Suchen(std::span<const Klasse> klassen, double wert) {
    for (const auto& k : klassen)
        if (wert <= k.bis) return &k;
    return nullptr;
}

double Bescheinigung(std::span<const Klasse> klassen, double stufe, double wertInTausend) {
    double w = wertInTausend * 1000;
    if (const Klasse* k = Suchen(klassen, w)) return k->gebühr;
    return klassen.back().gebühr + Int((w - 2'500'001) / 500'000 + 1) * stufe;
}

template <class Berechnung> double ImFehlerbereich(const char* prozedur, Berechnung berechnung) {
    Fehlerbereich fehler{"modStatus", prozedur};
    double ergebnis = 0;
    fehler([&] { ergebnis = berechnung(); });
    return ergebnis;
}

} // namespace

double Gebührenstaffel1(const double& bodenwert, const double& fläche) {
    return ImFehlerbereich("Gebührenstaffel1", [&] {
        Prüfen(bodenwert);
        Prüfen(fläche);
        double t = Int(bodenwert * 10);
        double a = Int(fläche);
        bool wertDarüber = t > spaltenBis.back();
        bool flächeDarüber = a > staffel1.back().flächeBis;
        if (wertDarüber && flächeDarüber)
            return 3300 + Flächenstufen(fläche) * 430 + Wertstufen(bodenwert) * 164;
        std::size_t spalte = 0;
        while (spalte + 1 < spaltenBis.size() && t > spaltenBis[spalte])
            ++spalte;
        if (flächeDarüber)
            return staffel1.back().gebühr[spalte] + Flächenstufen(fläche) * flächenstufe[spalte];
        std::size_t zeile = 0;
        while (a > staffel1[zeile].flächeBis)
            ++zeile;
        const auto& z = staffel1[zeile];
        if (wertDarüber) return z.gebühr.back() + Wertstufen(bodenwert) * z.wertstufe;
        return z.gebühr[spalte];
    });
}

double Grenzfeststellung_B(double bodenwert, double grenzpunkte) {
    return ImFehlerbereich("Grenzfeststellung_B", [&] {
        Prüfen(bodenwert);
        Prüfen(grenzpunkte);
        if (grenzpunkte == 0) return 0.0;
        std::size_t zeile = 0;
        while (grenzpunkte > teilB[zeile].punkteBis)
            ++zeile;
        const auto& z = teilB[zeile];
        if (bodenwert > wertBis.back()) return z.betrag.back() + Wertstufen(bodenwert) * z.stufe;
        std::size_t spalte = 0;
        while (bodenwert > wertBis[spalte])
            ++spalte;
        return z.betrag[spalte];
    });
}

double Grenzbescheinigung_mit(const double& wertInTausend) {
    return ImFehlerbereich("Grenzbescheinigung_mit", [&] {
        Prüfen(wertInTausend);
        return Bescheinigung(bescheinigungMit, bescheinigungMitStufe, wertInTausend);
    });
}

double Grenzbescheinigung_ohne(const double& wertInTausend) {
    return ImFehlerbereich("Grenzbescheinigung_ohne", [&] {
        Prüfen(wertInTausend);
        return Bescheinigung(bescheinigungOhne, bescheinigungOhneStufe, wertInTausend);
    });
}

double Gebäudevermessung(const double& baukosten) {
    return ImFehlerbereich("Gebäudevermessung", [&] {
        Prüfen(baukosten);
        if (const Klasse* k = Suchen(gebäude, baukosten)) return k->gebühr;
        return 1.4 * std::sqrt(baukosten);
    });
}

} // namespace kovelund

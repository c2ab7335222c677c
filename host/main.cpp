// The kovelund command line. For now it knows `demo`, which prints the five fee scales for a
// handful of worked inputs.

#include "common/Funktionen.h"
#include "common/Texte.h"
#include "scales/modStatus.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

using namespace kovelund;

void Zeile(std::string_view was, double betrag) {
    std::string text(was);
    text.resize(text.size() + 40 - std::min<std::size_t>(40, Länge(was)), ' ');
    std::printf("  %s %s €\n", text.c_str(), WertFormatieren(betrag, 11, 2).c_str());
}

int Demo() {
    std::puts("Gebührenstaffel 1 (Bodenwert, Fläche):");
    Zeile("2,59 €/m², 1.200 m²", Gebührenstaffel1(2.59, 1200));
    Zeile("85,50 €/m², 1.200 m²", Gebührenstaffel1(85.5, 1200));
    Zeile("350,00 €/m², 800 m²", Gebührenstaffel1(350, 800));
    Zeile("450,00 €/m², 200.001 m²", Gebührenstaffel1(450, 200001));
    std::puts("Staffel 3, Teil B (Bodenwert, Grenzpunkte), je Punkt:");
    Zeile("5,00 €/m², 12 Punkte", Grenzfeststellung_B(5, 12));
    Zeile("300,00 €/m², 8 Punkte", Grenzfeststellung_B(300, 8));
    Zeile("350,00 €/m², 25 Punkte", Grenzfeststellung_B(350, 25));
    std::puts("Grenzbescheinigung (Gebäudewert in Tausend €):");
    Zeile("mit Ortstermin, 50,0005", Grenzbescheinigung_mit(50.0005));
    Zeile("ohne Ortstermin, 3.000", Grenzbescheinigung_ohne(3000));
    std::puts("Gebäudevermessung (Baukosten):");
    Zeile("250.000,00 €", Gebäudevermessung(250000));
    Zeile("4.000.000,00 €", Gebäudevermessung(4000000));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::string_view befehl = argc > 1 ? argv[1] : "";
    if (befehl == "demo") return Demo();
    std::fprintf(stderr, "usage: kovelund demo\n");
    return 2;
}

#include "common/Funktionen.h"

#include "common/Fehler.h"
#include "common/Texte.h"
#include "common/Zahlen.h"

#include <optional>

namespace kovelund {

double CVal(std::string_view roh) {
    Fehlerbereich fehler{"Funktionen", "CVal"};
    std::string text = Trimmen(roh);
    std::optional<double> ganz;
    if (!fehler([&] { ganz = DeutscheZahl(text); })) return 0;
    if (ganz) return *ganz;
    std::string gesammelt;
    for (char c : text) {
        if ((c < '0' || c > '9') && c != ',' && c != '.' && c != '-') break;
        gesammelt += c;
    }
    if (gesammelt.empty() || gesammelt == ",") return 0;
    double wert = 0;
    fehler([&] {
        auto zahl = DeutscheZahl(gesammelt);
        if (!zahl) throw Typfehler(gesammelt);
        wert = *zahl;
    });
    return wert;
}

std::string Tausche(std::string_view text, std::string_view suchen, std::string_view ersetzen) {
    std::string ergebnis(text);
    if (suchen.empty()) return ergebnis;
    for (std::size_t pos = ergebnis.find(suchen); pos != std::string::npos;
         pos = ergebnis.find(suchen, pos + ersetzen.size()))
        ergebnis.replace(pos, suchen.size(), ersetzen);
    return ergebnis;
}

std::string WertFormatieren(std::string_view wert, int breite, int dezimalen) {
    Fehlerbereich fehler{"Funktionen", "WertFormatieren"};
    std::string text = Tausche(Tausche(Tausche(wert, ".", ""), ",", "."), "%", " ");
    int p = dezimalen == 0 ? breite : breite - dezimalen - 1;
    // A left-aligned integer part moves right within its p positions.
    if (p > 0) {
        auto stelle = static_cast<std::size_t>(p);
        for (int i = 0; i < p - 1 && Mitte(text, stelle, 1) == " "; ++i)
            text = Links(text, stelle).insert(0, 1, ' ');
    }
    fehler([&] {
        if (text.empty()) text.assign(1, '0');
        if (FührendeZahl(text) == 0 && text.back() == ' ') text.back() = '0';
        if (dezimalen >= 0 && dezimalen <= 3) text = Festformat(FührendeZahl(text), dezimalen);
    });
    return Rechtsbündig(text, breite < 0 ? 0 : static_cast<std::size_t>(breite));
}

std::string WertFormatieren(double wert, int breite, int dezimalen) {
    std::string text;
    Fehlerbereich fehler{"Funktionen", "WertFormatieren"};
    fehler([&] { text = AlsText(wert); });
    return WertFormatieren(text, breite, dezimalen);
}

void Wert_Key(Eingabefeld& feld, int breite, int dezimalen) {
    std::string text = feld.Text();
    if (breite > 0 && Länge(text) < static_cast<std::size_t>(breite))
        text += std::string(static_cast<std::size_t>(breite) - Länge(text), ' ');
    int p = breite - dezimalen - 1;
    for (int i = 0; i < p - 1 && Mitte(text, static_cast<std::size_t>(p), 1) == " "; ++i)
        text = Links(text, static_cast<std::size_t>(p - 1)).insert(0, 1, ' ');
    if (text.find(',') == std::string::npos && dezimalen >= 1 && dezimalen <= 3)
        text.append(1, ',').append(static_cast<std::size_t>(dezimalen), ' ');
    feld.SetText(text);
    feld.SetSelStart(p + 1);
    feld.SetSelLength(255);
}

void TextMarkieren(Eingabefeld& feld) noexcept {
    Fehlerbereich fehler{"Funktionen", "TextMarkieren", Fehlerbereich::Art::Ignorieren};
    fehler([&] {
        feld.SetSelStart(0);
        feld.SetSelLength(255);
    });
}

} // namespace kovelund

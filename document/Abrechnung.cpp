#include "document/Abrechnung.h"

#include "common/Funktionen.h"
#include "common/Zahlen.h"

namespace kovelund {

std::string Betragstext(double betrag) {
    return WertFormatieren(betrag, 8, 2) + " €";
}

std::string Zahlschrift(double wert, Zahlform form) {
    return form == Zahlform::Allgemein ? AlsText(wert) : AlsZahltext(wert);
}

double ZahlschriftLesen(std::string_view text, Zahlform form) {
    // Plain number text has a decimal point, which CVal would take for grouping.
    return form == Zahlform::Allgemein ? CVal(text) : FührendeZahl(text);
}

Zeile& Zeile::Text(int spalte, std::string text, bool fett) {
    schritte_.push_back({Art::Text, spalte, std::move(text), 0, fett, std::nullopt});
    return *this;
}

Zeile& Zeile::KleinerText(int spalte, std::string text, double punkte) {
    schritte_.push_back({Art::KleinerText, spalte, std::move(text), punkte, false, std::nullopt});
    return *this;
}

Zeile& Zeile::Breite(int spalte, double zentimeter) {
    schritte_.push_back({Art::Breite, spalte, {}, zentimeter, false, std::nullopt});
    return *this;
}

Zeile& Zeile::Breiten(std::initializer_list<double> zentimeter) {
    int spalte = 1;
    for (double breite : zentimeter)
        Breite(spalte++, breite);
    return *this;
}

Zeile& Zeile::Blockbreite(int spalte, double zentimeter, std::optional<int> ausrichtung) {
    schritte_.push_back({Art::Blockbreite, spalte, {}, zentimeter, false, ausrichtung});
    return *this;
}

Zeile& Zeile::Dezimaltab(int spalte, double zentimeter) {
    schritte_.push_back({Art::Dezimaltab, spalte, {}, zentimeter, false, std::nullopt});
    return *this;
}

Zeile& Zeile::Rechts(int spalte) {
    schritte_.push_back({Art::Rechts, spalte, {}, 0, false, std::nullopt});
    return *this;
}

Zeile& Zeile::Steuerfrei(int spalte) {
    schritte_.push_back({Art::Steuerfrei, spalte, {}, 0, false, std::nullopt});
    return *this;
}

Abrechnung::Abrechnung(Tabellenform form, double anteil, Zahlform zahlform)
    : form_(std::move(form)), anteil_(anteil), zahlform_(zahlform) {}

std::string Abrechnung::Prozent() const {
    return Zahlschrift(anteil_ * 100, zahlform_);
}

Zeile& Abrechnung::Neue() {
    return zeilen_.emplace_back();
}

void Abrechnung::Leer(int anzahl) {
    for (int i = 0; i < anzahl; ++i)
        zeilen_.emplace_back();
}

Zeile& Abrechnung::Posten(std::string_view tarif, std::string_view bezeichnung, std::string_view menge,
                          std::string_view satz) {
    Zeile& zeile = Neue();
    int spalte = 1;
    for (std::string_view text : {tarif, bezeichnung, menge, satz}) {
        if (!text.empty()) zeile.Text(spalte, std::string(text));
        ++spalte;
    }
    return zeile;
}

Zeile& Abrechnung::Gebühr(std::string_view tarif, std::string_view bezeichnung, std::string_view menge,
                          std::string_view satz, double betrag) {
    Zeile& zeile = Posten(tarif, bezeichnung, menge, satz).Text(Gebührenspalte(), Betragstext(betrag));
    gebühren_ += betrag;
    return zeile;
}

Zeile& Abrechnung::Zwischensumme() {
    return Neue().Text(2, "Zwischensumme\r", true).Text(7, Betragstext(gebühren_), true);
}

Zeile& Abrechnung::AnteilDerGebühren(std::string_view beschreibung) {
    return Neue()
        .Text(2, std::string(beschreibung) + "\r\n")
        .Text(2, Prozent() + " % von " + WertFormatieren(gebühren_, 8, 2) + " €")
        .Text(5, Betragstext(anteil_ * gebühren_));
}

Zeile& Abrechnung::AuslagenÜberschrift() {
    return Neue().Text(2, "\rUmsatzsteuerfreie Auslagen", true);
}

Zeile& Abrechnung::Auslage(std::string_view tarif, std::string_view bezeichnung, std::string_view menge,
                           std::string_view satz, double betrag) {
    Zeile& zeile = Posten(tarif, bezeichnung, menge, satz).Text(Auslagenspalte(), Betragstext(betrag));
    if (!Anteilig()) zeile.Steuerfrei(5);
    auslagen_ += betrag;
    mitAuslagen_ = true;
    return zeile;
}

Zeile* Abrechnung::AnteiligeAuslagen() {
    if (!Anteilig()) return nullptr;
    Zeile& zeile = Neue();
    if (!mitAuslagen_) return nullptr;
    return &zeile
                .Text(2, "anteilige Auslagen \r" + Prozent() + " % von " + WertFormatieren(auslagen_, 8, 2) +
                             " €")
                .Text(5, Betragstext(anteil_ * auslagen_))
                .Steuerfrei(5);
}

} // namespace kovelund

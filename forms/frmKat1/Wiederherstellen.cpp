// Reading a category 1 statement back into the window: the statement table is the stored form of
// the window's input, so a reopened statement finished again bills the same.

#include "common/Fehler.h"
#include "common/Funktionen.h"
#include "common/Texte.h"
#include "common/Zahlen.h"
#include "document/Anteil.h"
#include "document/Zelltext.h"
#include "forms/frmKat1/frmKat1.h"
#include "scales/modStatus.h"

#include <cmath>
#include <optional>

namespace kovelund {

namespace {

struct Stufe {
    const char* text;
    double untergrenze;
    double obergrenze;
};
constexpr Stufe stufen[] = {{"0 - 2,50", 0, 2.5},
                            {"2,51 - 10,00", 2.51, 10},
                            {"10,01 - 40,00", 10.01, 40},
                            {"40,01 - 100,00", 40.01, 100},
                            {"100,01 - 250,00", 100.01, 250}};

bool BilltSatz(double bodenwert, double satz, double fläche) {
    return std::abs(Gebührenstaffel1(bodenwert, fläche) - satz) < 0.005;
}

// Above 250,00 each started 100 €/m² adds a step: 300, 400, … stand for one, two, … steps.
double ÜberDerLetztenStufe(double satz, double fläche) {
    for (double wert = 300; wert < 1e6; wert += 100) {
        if (BilltSatz(wert, satz, fläche)) return wert;
        if (Gebührenstaffel1(wert, fläche) > satz) break;
    }
    return BilltSatz(250.01, satz, fläche) ? 250.01 : 300;
}

} // namespace

std::string Wertstufe(double bodenwert) {
    for (const Stufe& s : stufen)
        if (bodenwert <= s.obergrenze) return s.text;
    return "> 250,00";
}

std::optional<double> BodenwertDerStufe(std::string_view stufe, double satz, double fläche) {
    if (stufe == "> 250,00") return ÜberDerLetztenStufe(satz, fläche);
    for (const Stufe& s : stufen) {
        if (stufe != s.text) continue;
        if (!BilltSatz(s.obergrenze, satz, fläche) && BilltSatz(s.untergrenze, satz, fläche))
            return s.untergrenze;
        return s.obergrenze;
    }
    return std::nullopt;
}

void frmKat1::Wiederherstellen(const docx::Table& tabelle) {
    Fehlerbereich fehler{Name(), "Form_Load"};
    auto zelle = [&](int zeile, int spalte) { return Zelltext(tabelle.Cell(zeile, spalte)); };
    int zeilen = 0;
    fehler([&] { zeilen = tabelle.Rows().Count(); });
    int h = 0;
    fehler([&] {
        for (int r = 2; r <= zeilen && h == 0; ++r)
            if (BeginntMit(zelle(r, 1), "Tarif")) h = r;
    });
    if (h < 3)
        fehler([&] { optJa[1].SetValue(true); });
    else
        fehler([&] { FlurstückeLesen(tabelle, h); });
    fehler([&] {
        std::string art = zelle(h + 1, 1);
        comArt.SetText(art == "10.1" ? "10.1.1" : art);
    });
    fehler([&] {
        lblFläche.SetCaption(WertFormatieren(Links(zelle(h + 2, 3), 12), 8, 2));
        MaskEdBoxFläche.SetText(lblFläche.Caption());
    });
    fehler([&] { txtAnzahl.SetText(WertFormatieren(Links(zelle(h + 3, 3), 8), 2, 0)); });
    fehler([&] { BodenwertLesen(zelle(h + 4, 3), zelle(h + 5, 4)); });
    fehler([&] { MaskEdBoxGrenzpunkte.SetText(WertFormatieren(zelle(h + 6, 3), 2, 0)); });
    fehler([&] { MaskEdBoxFläche_LostFocus(); });
    bool flächenanteil = false;
    for (int r = h; r <= zeilen; ++r)
        fehler([&] {
            flächenanteil = ZeileLesen(zelle(r, 1), zelle(r, 2), zelle(r, 3), zelle(r, 4)) || flächenanteil;
        });
    // Without a share of the area the customer pays for all of it.
    if (!flächenanteil) fehler([&] { txtZusammenZahlen.SetText(AlsText(CVal(lblFläche.Caption()))); });
    fehler([&] { LesenWerte(); });
}

void frmKat1::FlurstückeLesen(const docx::Table& tabelle, int kopfzeile) {
    // Between the parcels and the fee header stands one empty row.
    int flurstücke = std::max(kopfzeile - 3, 1);
    GridGebühren1.SetCols(5);
    GridGebühren1.SetRows(flurstücke);
    constexpr int gridspalte[] = {1, 3, 4, 5, 2};
    for (int r = 1; r <= flurstücke; ++r) {
        for (int c = 1; c <= 5; ++c)
            GridGebühren1.SetTextMatrix(r, gridspalte[c - 1], Zelltext(tabelle.Cell(r + 1, c)));
        GridGebühren1.SetRowHeight(r, Zeilenhöhe);
    }
}

void frmKat1::BodenwertLesen(const std::string& stufe, const std::string& staffelsatz) {
    std::string name = stufe.substr(0, stufe.rfind(" €/m²"));
    double satz = CVal(Mitte(staffelsatz, 3));
    std::optional<double> wert = BodenwertDerStufe(name, satz, CVal(lblFläche.Caption()));
    lblWert.SetCaption(wert ? WertFormatieren(*wert, 8, 2) : WertFormatieren(Links(stufe, 12), 8, 2));
    MaskEdBoxWert.SetText(lblWert.Caption());
}

bool frmKat1::ZeileLesen(const std::string& nummer, const std::string& bezeichnung, const std::string& menge,
                         const std::string& satz) {
    if (!aufwand.ZeileLesen(nummer, bezeichnung, menge)) {
        // The surcharge's share of the area follows "mit einem Anteil von " in column 4.
        for (auto [tarif, feld] :
             {std::pair{"10.1.2 a", &MaskEdBoxMehr_a}, std::pair{"10.1.2 b", &MaskEdBoxMehr_b},
              std::pair{"10.1.2 c", &MaskEdBoxMehr_c}})
            if (BeginntMit(nummer, tarif)) feld->SetText(WertFormatieren(Mitte(satz, 22), 3, 0));
    }
    if (BeginntMit(bezeichnung, "Ihr Anteil beträgt")) {
        if (std::optional<std::string> tausendstel = Tausendstel(bezeichnung)) {
            MaskEdBoxAnteil.SetText(WertFormatieren(*tausendstel, 4, 0));
            return false;
        }
        txtZusammenZahlen.SetText(Mengentext(CVal(Mitte(bezeichnung, 19)), 4));
        return true;
    }
    if (BeginntMit(bezeichnung, "Ihr Anteil entspre")) {
        double t = CVal(WertFormatieren(Mitte(bezeichnung, 54, 5), 4, 0));
        double fläche = CVal(lblFläche.Caption());
        txtZusammenZahlen.SetText(AlsText(Anteilig(fläche, t)));
        return true;
    }
    return false;
}

} // namespace kovelund

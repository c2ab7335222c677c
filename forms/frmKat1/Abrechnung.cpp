// The category 1 fee statement: computed afresh from the window's fields, row by row in the order
// the statement reads.

#include "common/Fehler.h"
#include "common/Funktionen.h"
#include "common/Texte.h"
#include "common/Zahlen.h"
#include "document/Anteil.h"
#include "forms/frmKat1/frmKat1.h"
#include "platform/docx/Selection.h"
#include "scales/modStatus.h"

namespace kovelund {

namespace {

constexpr const char* modul = "frmKat1";
constexpr const char* prozedur = "CommandEnde_Click";

/// What the statement computes before it writes a row.
struct Werte {
    double anteil = 1;
    bool anteilAusFeld = false;
    bool liste = false;
    int flurstücke = 0;
    std::string art;
    double bodenwert = 0;
    double staffel = 0;
    double faktor = 1;
    /// The scale fee with the factors: the base of the surcharges and of the expenses.
    double gebühr = 0;
    double punkte = 0;
    double punktsatz = 0;

    bool Zerlegung() const { return art == "10.1.1"; }
};

/// The share field's thousandths, unless it holds the whole; else the paid part of the area.
void AnteilBestimmen(const frmKat1& f, Werte& w) {
    std::string feld = Trimmen(f.MaskEdBoxAnteil.Text());
    if (!feld.empty() && feld != "1000") {
        w.anteil = Anteil(feld);
        w.anteilAusFeld = true;
        return;
    }
    double fläche = CVal(f.lblFläche.Caption());
    double zahlen = CVal(f.txtzahlen.Text());
    if (fläche != zahlen) w.anteil = Teilen(zahlen, fläche);
}

Werte Vorbereiten(const frmKat1& f) {
    Fehlerbereich fehler{modul, prozedur};
    Werte w;
    fehler([&] { AnteilBestimmen(f, w); });
    w.liste = f.optJa[0].Value();
    w.flurstücke = f.GridGebühren1.Rows();
    w.art = f.comArt.Text() == "10.1.1" || f.comArt.Text() == "11.1" ? f.comArt.Text() : "11.2";
    w.bodenwert = CVal(f.lblWert.Caption());
    w.staffel = Gebührenstaffel1(w.bodenwert, CVal(f.lblFläche.Caption()));
    double anzahl = w.liste ? w.flurstücke : CVal(f.txtAnzahl.Text());
    if (anzahl > 1) w.faktor = Flurstücksfaktor(anzahl);
    double faktorDerArt = w.art == "11.1" ? w.faktor * 0.5 : w.art == "11.2" ? w.faktor * 0.8 : w.faktor;
    w.gebühr = w.staffel * faktorDerArt;
    if (w.Zerlegung()) {
        w.punkte = CVal(f.MaskEdBoxGrenzpunkte.Text());
        w.punktsatz = Grenzfeststellung_B(w.bodenwert, w.punkte);
    }
    return w;
}

void Flurstücksliste(Abrechnung& a, const frmKat1& f, const Werte& w) {
    Zeile& titel = a.Neue().Text(1, "Zerlegung / Sonderung", true);
    if (!w.liste) return;
    const char* köpfe[] = {"Fläche [m²]", "Bodenwert [€/m²]", "Wert [€]", "zu zahlen"};
    for (int c = 2; c <= 5; ++c)
        titel.Text(c, köpfe[c - 2], true);
    constexpr int tabellenspalte[] = {1, 5, 2, 3, 4};
    for (int r = 1; r <= w.flurstücke; ++r) {
        Zeile& zeile = a.Neue();
        for (int c = 1; c <= 5; ++c)
            zeile.Text(tabellenspalte[c - 1], f.GridGebühren1.TextMatrix(r, c));
    }
    // Below the parcels one row stays empty; the restore counts on it.
    a.Leer();
}

/// The fee header with the widths of the fee block below it, the kind and the three quantities.
void Gebührenkopf(Abrechnung& a, const frmKat1& f, const Werte& w) {
    Zeile& kopf = a.Neue()
                      .Blockbreite(1, 2.0, docx::AlignLeft)
                      .Blockbreite(2, a.Anteilig() ? 5.0 : 5.6, docx::AlignLeft)
                      .Blockbreite(3, 4.0)
                      .Blockbreite(4, 3.4)
                      .Blockbreite(5, a.Anteilig() ? 0.3 : 2.5);
    if (a.Anteilig()) kopf.Blockbreite(7, 3.0);
    kopf.Text(1, "Tarif- stelle", true).Text(2, "Bezeichnung", true);
    if (w.Zerlegung())
        a.Neue().Text(1, "10.1").Text(2, "Zerlegungsmessung");
    else if (w.art == "11.1")
        a.Neue().Text(1, "11.1").Text(2, "Sonderung nach dem Katasternachweis");
    else
        a.Neue().Text(1, "11.2").Text(2, "Sonderung nach einem verbindlichen Plan");
    a.Neue().Text(2, "Vermessungsfläche").Text(3, Trimmen(f.lblFläche.Caption()) + " m²");
    a.Neue()
        .Text(2, "Anzahl der berechneten Flächen")
        .Text(3, w.liste ? AlsText(w.flurstücke) : Trimmen(f.txtAnzahl.Text()));
    a.Neue().Text(2, "durchschnittlicher Verkehrswert").Text(3, Wertstufe(w.bodenwert) + " €/m²");
}

void Staffelzeilen(Abrechnung& a, const frmKat1& f, const Werte& w) {
    const char* art = w.art == "11.1" ? " x 0,5 " : w.art == "11.2" ? " x 0,8 " : "";
    a.Gebühr(w.Zerlegung() ? "10.1.1" : "", "Gebühr nach Staffel 1", AlsText(w.faktor) + art,
             "x " + WertFormatieren(w.staffel, 8, 2) + " €", w.gebühr);
    if (!w.Zerlegung()) return a.Leer();
    a.Gebühr("", "Gebühr nach Staffel 3, Teil B",
             Trimmen(f.MaskEdBoxGrenzpunkte.Text()) +
                 " in der Örtlichkeit überprüfte/hergestellte Grenzpunkte",
             "x " + WertFormatieren(w.punktsatz, 8, 2) + " €", w.punktsatz * w.punkte);
}

void Zuschläge(Abrechnung& a, const frmKat1& f, const Werte& w) {
    struct Zuschlag {
        const char* nummer;
        const char* bezeichnung;
        const ui::MaskEdBox& feld;
    };
    const Zuschlag zuschläge[] = {
        {"10.1.2 a", "erheblicher Mehraufwand wegen Teilungsberechnungen ", f.MaskEdBoxMehr_a},
        {"10.1.2 b", "erheblicher Mehraufwand wegen unklarer Grenzverhältnisse : ", f.MaskEdBoxMehr_b},
        {"10.1.2 c", "erheblicher Mehraufwand wegen dichter Bodenbewachsung : ", f.MaskEdBoxMehr_c}};
    for (const Zuschlag& z : zuschläge) {
        double prozent = CVal(z.feld.Text());
        if (prozent <= 0) continue;
        a.Gebühr(z.nummer, z.bezeichnung, "20% von " + WertFormatieren(w.gebühr, 8, 2) + " €",
                 "mit einem Anteil von " + z.feld.Text() + "%", prozent / 100 * w.gebühr * 0.2);
    }
}

void Anteilzeilen(Abrechnung& a, const frmKat1& f, const Werte& w) {
    std::string beschreibung = w.anteilAusFeld
                                   ? "Ihr Anteil beträgt " + Trimmen(f.MaskEdBoxAnteil.Text()) + "/1000"
                                   : "Ihr Anteil beträgt " + Trimmen(f.txtzahlen.Text()) + " m² zu " +
                                         Trimmen(f.lblFläche.Caption()) + " m²";
    a.Zwischensumme();
    a.AnteilDerGebühren(beschreibung).Breite(5, 3.0).Breite(2, 7.2).Breite(3, 2.4).Breite(7, 0.3);
}

void Auslagenbreiten(Zeile& zeile, const Abrechnung& a) {
    zeile.Breite(4, 3.14).Breite(5, 0.3).Breite(7, 0.3);
    if (a.Anteilig())
        zeile.Breite(8, 3.0);
    else
        zeile.Breite(5, 2.8);
}

void Auslagen(Abrechnung& a, const Aufwandsfelder& aufwand, const Werte& w) {
    if (aufwand.Unterlagen() || aufwand.Übernahme()) a.AuslagenÜberschrift();
    if (aufwand.Unterlagen()) Auslagenbreiten(VermessungsunterlagenZeile(a, w.gebühr), a);
    if (aufwand.Übernahme())
        Auslagenbreiten(a.Auslage("14.1", "Übernahmegebühr", "15% der Gebühr nach Gebührenstaffel 1", "",
                                  0.15 * w.gebühr),
                        a);
    if (Zeile* anteilig = a.AnteiligeAuslagen())
        anteilig->Breite(5, 2.8).Breite(2, 7.2).Breite(3, 2.1).Breite(7, 0.3);
}

} // namespace

void frmKat1::EingabeAbschließen() {
    Fehlerbereich fehler{Name(), "CommandEnde_Click"};
    fehler([&] { Gridfenster::EingabeAbschließen(); });
    if (!Listenmodus()) return;
    fehler([&] { LesenWerte(); });
    fehler([&] { ÜbernehmenWerte(); });
}

bool frmKat1::EtwasZuSchreiben() {
    // A list without any area would bill the scale's minimum fee for nothing.
    if (!Listenmodus()) return true;
    for (int r = 1; r <= GridGebühren1.Rows(); ++r)
        if (CVal(GridGebühren1.TextMatrix(r, 3)) > 0) return true;
    return false;
}

Abrechnung frmKat1::Aufstellen() {
    Werte w = Vorbereiten(*this);
    Abrechnung a(Tabellenform({5.6, 3.5, 3.0, 2.9, 2.5, 0.3, 0.3, 0.3})
                     .AlleRechts()
                     .Links(1)
                     .Lesezeichen("Kovelund_1"),
                 w.anteil);
    Flurstücksliste(a, *this, w);
    Gebührenkopf(a, *this, w);
    Staffelzeilen(a, *this, w);
    Zuschläge(a, *this, w);
    a.Leer();
    Aufwandszeilen(a, aufwand.Werte());
    if (a.Anteilig()) Anteilzeilen(a, *this, w);
    Auslagen(a, aufwand, w);
    return a;
}

} // namespace kovelund

// The category 1 fee statement: computed afresh from the window's fields and written as one table,
// row by row, in the order the statement reads.

#include "common/Fehler.h"
#include "common/Funktionen.h"
#include "common/Texte.h"
#include "common/Zahlen.h"
#include "forms/frmKat1/frmKat1.h"
#include "platform/docx/Selection.h"
#include "scales/modStatus.h"

#include <algorithm>
#include <initializer_list>

namespace kovelund {

namespace {

constexpr const char* modul = "frmKat1";
constexpr const char* prozedur = "CommandEnde_Click";

/// What the statement computes before it writes a row.
struct Abrechnung {
    double anteil = 1;
    bool anteilAusFeld = false;
    bool liste = false;
    int flurstücke = 0;
    std::string art;
    double bodenwert = 0;
    double fläche = 0;
    double staffel = 0;
    double faktor = 1;
    double gebühr = 0;
    double punkte = 0;
    double punktsatz = 0;
    double gebührensumme = 0;
    double auslagensumme = 0;
    int zeile = 0;

    bool Anteilig() const { return anteil < 1; }
    int Betragsspalte() const { return Anteilig() ? 7 : 5; }
    bool Zerlegung() const { return art == "10.1.1"; }
};

void AnteilBestimmen(const frmKat1& f, Abrechnung& a) {
    std::string feld = Trimmen(f.MaskEdBoxAnteil.Text());
    if (!feld.empty() && feld != "1000") {
        a.anteil = Anteil(feld);
        a.anteilAusFeld = true;
        return;
    }
    double fläche = CVal(f.lblFläche.Caption());
    double zahlen = CVal(f.txtzahlen.Text());
    if (fläche != zahlen) a.anteil = Teilen(zahlen, fläche);
}

Abrechnung Vorbereiten(const frmKat1& f) {
    Fehlerbereich fehler{modul, prozedur};
    Abrechnung a;
    fehler([&] { AnteilBestimmen(f, a); });
    a.liste = f.optJa[0].Value();
    a.flurstücke = f.GridGebühren1.Rows();
    a.art = f.comArt.Text() == "10.1.1" || f.comArt.Text() == "11.1" ? f.comArt.Text() : "11.2";
    a.bodenwert = CVal(f.lblWert.Caption());
    a.fläche = CVal(f.lblFläche.Caption());
    a.staffel = Gebührenstaffel1(a.bodenwert, a.fläche);
    double anzahl = a.liste ? a.flurstücke : CVal(f.txtAnzahl.Text());
    if (anzahl > 1) a.faktor = Flurstücksfaktor(anzahl);
    double faktorDerArt = a.art == "11.1" ? a.faktor * 0.5 : a.art == "11.2" ? a.faktor * 0.8 : a.faktor;
    a.gebühr = a.staffel * faktorDerArt;
    if (a.Zerlegung()) {
        a.punkte = CVal(f.MaskEdBoxGrenzpunkte.Text());
        a.punktsatz = Grenzfeststellung_B(a.bodenwert, a.punkte);
    }
    return a;
}

bool Positiv(const ui::TextBox& feld) {
    return CVal(feld.Text()) > 0;
}

int Zeilenzahl(const frmKat1& f, const Abrechnung& a) {
    // Title and fee block; in list mode the parcels and the empty row below them.
    int zeilen = 9 + (a.liste ? a.flurstücke + 1 : 0);
    const std::initializer_list<const ui::TextBox*> posten = {
        &f.MaskEdBoxMehr_a, &f.MaskEdBoxMehr_b, &f.MaskEdBoxMehr_c, &f.MaskEdBoxKM,
        &f.txtTageskm,      &f.mskHTechniker,   &f.mskHGehilfen};
    for (const ui::TextBox* feld : posten)
        if (Positiv(*feld)) ++zeilen;
    bool unterlagen = f.chkUnterlagen.Value() == ui::vbChecked;
    bool übernahme = f.chkÜbernahme.Value() == ui::vbChecked;
    zeilen += (unterlagen || übernahme) + unterlagen + übernahme;
    return zeilen + (a.Anteilig() ? 3 : 0);
}

void Betrag(Abrechnungstabelle& t, Abrechnung& a, int zeile, double betrag) {
    t.Schreiben(zeile, a.Betragsspalte(), Betragstext(betrag));
    a.gebührensumme += betrag;
}

void KovelundMarke(Abrechnungstabelle& t) {
    Fehlerbereich fehler{modul, prozedur};
    fehler([&] {
        if (!t.Tabelle()) throw Fehler(91, "Object variable not set: the statement table was not created");
        t.Tabelle()->Cell(1, 5).Select();
        docx::Bookmarks marken = t.Dokument().Bookmarks();
        marken.Add("Kovelund_1", t.Dokument().Application().Selection().Range());
        marken.SetDefaultSorting(0);
        marken.SetShowHidden(true);
    });
}

void Flurstücksliste(Abrechnungstabelle& t, const frmKat1& f, Abrechnung& a) {
    Fehlerbereich fehler{modul, prozedur};
    const char* köpfe[] = {"Fläche [m²]", "Bodenwert [€/m²]", "Wert [€]", "zu zahlen"};
    for (int c = 2; c <= 5; ++c)
        t.Schreiben(1, c, köpfe[c - 2], true);
    constexpr int tabellenspalte[] = {1, 5, 2, 3, 4};
    for (int r = 1; r <= a.flurstücke; ++r)
        for (int c = 1; c <= 5; ++c)
            fehler([&] { t.Schreiben(r + 1, tabellenspalte[c - 1], f.GridGebühren1.TextMatrix(r, c)); });
}

void Blockbreiten(Abrechnungstabelle& t, const Abrechnung& a) {
    int kopf = a.zeile;
    t.Blockbreite(kopf, 1, 2.0, docx::AlignLeft);
    t.Blockbreite(kopf, 2, a.Anteilig() ? 5.0 : 5.6, docx::AlignLeft);
    t.Blockbreite(kopf, 3, 4.0);
    t.Blockbreite(kopf, 4, 3.4);
    t.Blockbreite(kopf, 5, a.Anteilig() ? 0.3 : 2.5);
    if (a.Anteilig()) t.Blockbreite(kopf, 7, 3.0);
}

void Gebührenkopf(Abrechnungstabelle& t, const frmKat1& f, const Abrechnung& a) {
    int z = a.zeile;
    t.Schreiben(z, 1, "Tarif- stelle", true);
    t.Schreiben(z, 2, "Bezeichnung", true);
    if (a.Zerlegung()) {
        t.Schreiben(z + 1, 1, "10.1");
        t.Schreiben(z + 1, 2, "Zerlegungsmessung");
    } else if (a.art == "11.1") {
        t.Schreiben(z + 1, 1, "11.1");
        t.Schreiben(z + 1, 2, "Sonderung nach dem Katasternachweis");
    } else {
        t.Schreiben(z + 1, 1, "11.2");
        t.Schreiben(z + 1, 2, "Sonderung nach einem verbindlichen Plan");
    }
    t.Schreiben(z + 2, 2, "Vermessungsfläche");
    t.Schreiben(z + 2, 3, Trimmen(f.lblFläche.Caption()) + " m²");
    t.Schreiben(z + 3, 2, "Anzahl der berechneten Flächen");
    t.Schreiben(z + 3, 3, a.liste ? AlsText(a.flurstücke) : Trimmen(f.txtAnzahl.Text()));
    t.Schreiben(z + 4, 2, "durchschnittlicher Verkehrswert");
    t.Schreiben(z + 4, 3, Wertstufe(a.bodenwert) + " €/m²");
}

void Staffelzeilen(Abrechnungstabelle& t, const frmKat1& f, Abrechnung& a) {
    int z = a.zeile + 5;
    if (a.Zerlegung()) t.Schreiben(z, 1, "10.1.1");
    t.Schreiben(z, 2, "Gebühr nach Staffel 1");
    const char* art = a.art == "11.1" ? " x 0,5 " : a.art == "11.2" ? " x 0,8 " : "";
    t.Schreiben(z, 3, AlsText(a.faktor) + art);
    t.Schreiben(z, 4, "x " + WertFormatieren(a.staffel, 8, 2) + " €");
    Betrag(t, a, z, a.gebühr);
    if (!a.Zerlegung()) return;
    t.Schreiben(z + 1, 2, "Gebühr nach Staffel 3, Teil B");
    t.Schreiben(z + 1, 3,
                Trimmen(f.MaskEdBoxGrenzpunkte.Text()) +
                    " in der Örtlichkeit überprüfte/hergestellte Grenzpunkte");
    t.Schreiben(z + 1, 4, "x " + WertFormatieren(a.punktsatz, 8, 2) + " €");
    Betrag(t, a, z + 1, a.punktsatz * a.punkte);
}

void Zuschläge(Abrechnungstabelle& t, const frmKat1& f, Abrechnung& a) {
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
        if (!Positiv(z.feld)) continue;
        t.Schreiben(a.zeile, 1, z.nummer);
        t.Schreiben(a.zeile, 2, z.bezeichnung);
        t.Schreiben(a.zeile, 3, "20% von " + WertFormatieren(a.gebühr, 8, 2) + " €");
        t.Schreiben(a.zeile, 4, "mit einem Anteil von " + z.feld.Text() + "%");
        Betrag(t, a, a.zeile, CVal(z.feld.Text()) / 100 * a.gebühr * 0.2);
        ++a.zeile;
    }
}

void Zeitaufwand(Abrechnungstabelle& t, const frmKat1& f, Abrechnung& a) {
    struct Aufwand {
        const char* nummer;
        const char* bezeichnung;
        std::string menge;
        const char* satz;
        double betrag;
        bool schreiben;
    };
    double tage = CVal(f.txtTageskm.Text());
    const Aufwand aufwände[] = {{"15.1.3", "Aussenarbeiten von vermessungstechnischen Fachkräften",
                                 Trimmen(f.mskHTechniker.Text()) + " Stunden", "x 41,00  €",
                                 CVal(f.mskHTechniker.Text()) * 41.00, Positiv(f.mskHTechniker)},
                                {"15.1.4", "Aussenarbeiten von vermessungstechnischen Hilfskräften",
                                 Trimmen(f.mskHGehilfen.Text()) + " Stunden", "x 30,60  €",
                                 CVal(f.mskHGehilfen.Text()) * 30.60, Positiv(f.mskHGehilfen)},
                                {"15.3", "Einsatz von Kraftfahrzeugen", Trimmen(f.MaskEdBoxKM.Text()) + " km",
                                 "x 0,46 €/km ", CVal(f.MaskEdBoxKM.Text()) * 0.46, Positiv(f.MaskEdBoxKM)},
                                {"15.3", "Einsatz von Kraftfahrzeugen bis 10 km",
                                 AlsText(tage) + " Arbeitstage", "x 5,00 € ", tage * 5.00, tage > 0}};
    for (const Aufwand& x : aufwände) {
        if (!x.schreiben) continue;
        t.Schreiben(a.zeile, 1, x.nummer);
        t.Schreiben(a.zeile, 2, x.bezeichnung);
        t.Schreiben(a.zeile, 3, x.menge);
        t.Schreiben(a.zeile, 4, x.satz);
        Betrag(t, a, a.zeile, x.betrag);
        ++a.zeile;
    }
}

void Anteilzeilen(Abrechnungstabelle& t, const frmKat1& f, Abrechnung& a) {
    std::string beschreibung = a.anteilAusFeld
                                   ? "Ihr Anteil beträgt " + Trimmen(f.MaskEdBoxAnteil.Text()) + "/1000"
                                   : "Ihr Anteil beträgt " + Trimmen(f.txtzahlen.Text()) + " m² zu " +
                                         Trimmen(f.lblFläche.Caption()) + " m²";
    t.Zwischensumme(a.zeile++, a.gebührensumme);
    t.AnteilZeile(a.zeile, beschreibung, AlsText(a.anteil * 100), a.gebührensumme, a.anteil);
    t.Zellbreite(a.zeile, 5, 3.0);
    t.Zellbreite(a.zeile, 2, 7.2);
    t.Zellbreite(a.zeile, 3, 2.4);
    t.Zellbreite(a.zeile, 7, 0.3);
    ++a.zeile;
}

void Auslage(Abrechnungstabelle& t, Abrechnung& a, double betrag) {
    int z = a.zeile++;
    t.Zellbreite(z, 4, 3.14);
    t.Zellbreite(z, 5, 0.3);
    t.Zellbreite(z, 7, 0.3);
    if (a.Anteilig()) {
        t.Zellbreite(z, 8, 3.0);
        t.Schreiben(z, 8, Betragstext(betrag));
    } else {
        t.Zellbreite(z, 5, 2.8);
        t.Schreiben(z, 5, Betragstext(betrag));
        t.Steuerfrei(z, 5);
        Fehlerbereich{modul, prozedur}([&] { t.Tabelle()->Cell(z, 6).Select(); });
    }
    a.auslagensumme += betrag;
}

void Auslagen(Abrechnungstabelle& t, const frmKat1& f, Abrechnung& a) {
    bool unterlagen = f.chkUnterlagen.Value() == ui::vbChecked;
    bool übernahme = f.chkÜbernahme.Value() == ui::vbChecked;
    if (!unterlagen && !übernahme) return;
    t.AuslagenÜberschrift(a.zeile++);
    if (unterlagen) {
        t.Schreiben(a.zeile, 1, "5.3.1");
        t.Schreiben(a.zeile, 2, "Vermessungsunterlagen");
        t.Schreiben(a.zeile, 3, "20% der Gebühr nach Gebührenstaffel");
        t.Schreiben(a.zeile, 4, "max. 184,06 €");
        Auslage(t, a, std::min(0.2 * a.gebühr, 184.06));
    }
    if (übernahme) {
        t.Schreiben(a.zeile, 1, "14.1");
        t.Schreiben(a.zeile, 2, "Übernahmegebühr");
        t.Schreiben(a.zeile, 3, "15% der Gebühr nach Gebührenstaffel 1");
        Auslage(t, a, 0.15 * a.gebühr);
    }
    if (!a.Anteilig()) return;
    t.AnteiligeAuslagen(a.zeile, AlsText(a.anteil * 100), a.auslagensumme, a.anteil);
    t.Zellbreite(a.zeile, 5, 2.8);
    t.Zellbreite(a.zeile, 2, 7.2);
    t.Zellbreite(a.zeile, 3, 2.1);
    t.Zellbreite(a.zeile, 7, 0.3);
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

void frmKat1::StatementSchreiben(Abrechnungstabelle& t) {
    Abrechnung a = Vorbereiten(*this);
    // Counted before the old table goes, so that nothing can fail between deleting and writing.
    int zeilen = Zeilenzahl(*this, a);
    docx::Range anker = t.AnkerFinden(Tabelle());
    t.Anlegen(anker, zeilen, 8);
    t.TabelleFormatieren();
    t.Spaltenbreiten({5.6, 3.5, 3.0, 2.9, 2.5, 0.3, 0.3, 0.3});
    KovelundMarke(t);
    t.Schreiben(1, 1, "Zerlegung / Sonderung", true);
    if (a.liste) Flurstücksliste(t, *this, a);
    // Below the parcels one row stays empty; the restore counts on it.
    a.zeile = a.liste ? a.flurstücke + 3 : 2;
    Blockbreiten(t, a);
    Gebührenkopf(t, *this, a);
    Staffelzeilen(t, *this, a);
    a.zeile += 7;
    Zuschläge(t, *this, a);
    ++a.zeile;
    Zeitaufwand(t, *this, a);
    if (a.Anteilig()) Anteilzeilen(t, *this, a);
    Auslagen(t, *this, a);
}

} // namespace kovelund

// The fee statement of category 2: the table written on "&OK", row by row.

#include "common/Fehler.h"
#include "common/Funktionen.h"
#include "common/Texte.h"
#include "common/Zahlen.h"
#include "forms/frmKat2/frmKat2.h"
#include "platform/docx/Selection.h"
#include "scales/modStatus.h"

namespace kovelund {

namespace {

constexpr const char* modul = "frmKat2";
constexpr const char* prozedur = "CommandEnde_Click";

constexpr double unterlagenHöchstens = 184.06;
constexpr double übernahmeMindestens = 25.56;

/// What the statement reads from the window, and its running sums and row.
struct Abrechnung {
    double s = 1;
    double P = 0, W = 0, hT = 0, hG = 0, km = 0, d = 0;
    /// Teil A, Teil B, the scale fee with surcharges, the fee sum, the VAT-free expenses.
    double A = 0, B = 0, G = 0, F = 0, E = 0;
    int r = 8;

    bool Voll() const { return s >= 1; }
    /// Where the fee rows and the expense rows put their amounts.
    int Gebührenspalte() const { return Voll() ? 5 : 7; }
    int Auslagenspalte() const { return Voll() ? 5 : 8; }
};

bool Angekreuzt(const ui::CheckBox& box) {
    return box.Value() == ui::vbChecked;
}

/// The share from the share field: "1000" or nothing is the whole, 333 one third in 15 digits, any
/// other leading number thousandths.
double AnteilLesen(const std::string& text) {
    if (text == "1000" || Trimmen(text).empty()) return 1;
    double wert = FührendeZahl(text);
    if (wert == 333) return 0.333333333333333;
    return wert / 1000;
}

const docx::Table& Neue(const Abrechnungstabelle& tabelle) {
    if (!tabelle.Tabelle()) throw Fehler(91, "Object variable not set: the statement table was not created");
    return *tabelle.Tabelle();
}

/// The wide amount column gets a decimal tab stop at 1,5 cm.
void Dezimalspalte(Abrechnungstabelle& tabelle, int spalte) {
    Fehlerbereich fehler{modul, prozedur};
    fehler([&] {
        Neue(tabelle).Columns().Item(spalte).Select();
        tabelle.Dokument().Application().Selection().AddTabStop(tabelle.Punkte(1.5), docx::TabDecimal,
                                                                docx::LeaderSpaces);
    });
}

void Werte(const frmKat2& f, Abrechnung& a) {
    Fehlerbereich fehler{modul, prozedur};
    fehler([&] { a.s = AnteilLesen(f.MaskEdBoxAnteil.Text()); });
    fehler([&] { a.P = CVal(f.msk100.Text()); });
    fehler([&] { a.W = CVal(f.MaskEdBoxWert.Text()); });
    fehler([&] { a.hT = CVal(f.mskHTechniker.Text()); });
    fehler([&] { a.hG = CVal(f.mskHGehilfen.Text()); });
    fehler([&] { a.km = CVal(f.MaskEdBoxKM.Text()); });
    fehler([&] { a.d = CVal(f.txtTageskm.Text()); });
}

int Zeilenzahl(const frmKat2& f, const Abrechnung& a) {
    bool auslagen = Angekreuzt(f.chkVUnterlagen) || Angekreuzt(f.chkÜbernahme);
    int n = 7;
    for (bool zeile :
         {Angekreuzt(f.chkUnterlagen), Angekreuzt(f.chkVerhältnisse), a.km > 0, a.d > 0, a.hT > 0, a.hG > 0,
          auslagen, Angekreuzt(f.chkVUnterlagen), Angekreuzt(f.chkÜbernahme)})
        n += zeile ? 1 : 0;
    return a.Voll() ? n : n + 3;
}

void Spaltenbreiten(Abrechnungstabelle& tabelle, const Abrechnung& a) {
    if (a.Voll())
        tabelle.Spaltenbreiten({2.0, 5.6, 4.0, 3.4, 2.5, 0.3, 0.3, 0.3});
    else
        tabelle.Spaltenbreiten({2.0, 5.3, 4.0, 3.1, 0.3, 0.3, 2.5, 0.3});
    Dezimalspalte(tabelle, a.Gebührenspalte());
}

void Kopfzeilen(const frmKat2& f, Abrechnungstabelle& tabelle) {
    tabelle.Schreiben(1, 1, "Grenzfeststellung und Abmarkungen", true);
    tabelle.Schreiben(2, 1, f.TextboxFlst.Text());
    for (int zeile : {1, 2}) {
        tabelle.Zellbreite(zeile, 1, 13.5);
        for (int spalte : {2, 3, 4})
            tabelle.Zellbreite(zeile, spalte, 0.5);
    }
    tabelle.Schreiben(3, 1, "Tarif- stelle", true);
    tabelle.Schreiben(3, 2, "Bezeichnung", true);
    tabelle.Zellbreite(3, 3, 1.0);
    tabelle.Zellbreite(3, 5, 2.87);
}

void Artzeile(const frmKat2& f, Abrechnungstabelle& tabelle) {
    if (f.optArt[0].Value()) {
        tabelle.Schreiben(4, 1, "12.1");
        tabelle.Schreiben(4, 2, "Grenzfeststellung und Abmarkungen");
    } else if (f.optArt[1].Value()) {
        tabelle.Schreiben(4, 1, "12.2");
        tabelle.Schreiben(4, 2, "Nachträgliche Abmarkungen");
    } else {
        tabelle.Schreiben(4, 1, "12.3");
        tabelle.Schreiben(4, 2, "Abmarkungen im Zusammenhang mit einer Katastererneuerung");
    }
}

void Bodenwertzeile(const frmKat2& f, Abrechnungstabelle& tabelle) {
    tabelle.Schreiben(5, 2, "Bodenwert");
    tabelle.Schreiben(5, 3, f.MaskEdBoxWert.Text() + " €/m²");
}

// Rows 6 and 7: Teil A unless the work goes with tariff 10 or 11, and Teil B per boundary point.
void Staffelzeilen(const frmKat2& f, Abrechnungstabelle& tabelle, Abrechnung& a) {
    Fehlerbereich fehler{modul, prozedur};
    if (!Angekreuzt(f.chkT10_11)) {
        fehler([&] { a.A = GrenzfeststellungTeilA(a.P); });
        tabelle.Schreiben(6, 2, "Gebühr nach Staffel 3, Teil A");
        tabelle.Schreiben(6, a.Gebührenspalte(), Betragstext(a.A));
    }
    double jePunkt = 0;
    fehler([&] { jePunkt = Grenzfeststellung_B(a.W, a.P); });
    fehler([&] { a.B = jePunkt * a.P; });
    tabelle.Schreiben(7, 2, "Gebühr nach Staffel 3, Teil B");
    tabelle.Schreiben(7, 3, f.msk100.Text() + " in der Örtlichkeit überprüfte/hergestellte Grenzpunkte");
    tabelle.Schreiben(7, 4, "x " + WertFormatieren(jePunkt, 8, 2) + " €");
    tabelle.Schreiben(7, a.Gebührenspalte(), Betragstext(a.B));
    a.G = a.A + a.B;
    a.F = a.A + a.B;
}

/// A fee row after row 7: tariff, description, quantity, rate and the amount, which the fee sum takes.
void Gebührenzeile(Abrechnungstabelle& tabelle, Abrechnung& a, const char* tarif, const char* bezeichnung,
                   const std::string& menge, const std::string& satz, double betrag) {
    tabelle.Schreiben(a.r, 1, tarif);
    tabelle.Schreiben(a.r, 2, bezeichnung);
    tabelle.Schreiben(a.r, 3, menge);
    tabelle.Schreiben(a.r, 4, satz);
    tabelle.Schreiben(a.r, a.Gebührenspalte(), Betragstext(betrag));
    a.F += betrag;
    ++a.r;
}

// Both surcharges are 20 % of A + B, the second not of the sum after the first.
void Zuschläge(const frmKat2& f, Abrechnungstabelle& tabelle, Abrechnung& a) {
    double basis = a.A + a.B;
    if (Angekreuzt(f.chkUnterlagen)) {
        Gebührenzeile(tabelle, a, "12.4 a",
                      "erheblicher Mehraufwand wegen schwierig auszuwertender Unterlagen", "20% von ",
                      Betragstext(basis), 0.2 * basis);
        a.G += 0.2 * basis;
    }
    if (Angekreuzt(f.chkVerhältnisse)) {
        Gebührenzeile(tabelle, a, "12.4 b",
                      "erheblicher Mehraufwand wegen dichter Bodenbewachsung, starker Hanglage oder ähnlich "
                      "schwieriger Verhältnisse",
                      "20% von ", Betragstext(basis), 0.2 * basis);
        a.G += 0.2 * basis;
    }
}

void Aufwendungen(const frmKat2& f, Abrechnungstabelle& tabelle, Abrechnung& a) {
    if (a.hT > 0)
        Gebührenzeile(tabelle, a, "15.1.3", "Aussenarbeiten von vermessungstechnischen Fachkräften",
                      Trimmen(f.mskHTechniker.Text()) + " Stunden", "x 41,00  €", a.hT * 41);
    if (a.hG > 0)
        Gebührenzeile(tabelle, a, "15.1.4", "Aussenarbeiten von vermessungstechnischen Hilfskräften",
                      Trimmen(f.mskHGehilfen.Text()) + " Stunden", "x 30,60  €", a.hG * 30.6);
    if (a.km > 0)
        Gebührenzeile(tabelle, a, "15.3", "Einsatz von Kraftfahrzeugen",
                      Trimmen(f.MaskEdBoxKM.Text()) + " km", "x 0,46 €/km ", a.km * 0.46);
    if (a.d > 0)
        Gebührenzeile(tabelle, a, "15.3", "Einsatz von Kraftfahrzeugen bis 10 km",
                      AlsZahltext(a.d) + " Arbeitstage", "x 5,00 € ", a.d * 5);
}

/// A share row's amount cell: 3,0 cm with the decimal tab, and the widths of its other cells.
void Anteilsbreiten(Abrechnungstabelle& tabelle, int zeile, double spalte3) {
    tabelle.Zellbreite(zeile, 5, 3.0);
    tabelle.Dezimaltab(zeile, 5, 1.5);
    tabelle.Zellbreite(zeile, 2, 7.4);
    tabelle.Zellbreite(zeile, 3, spalte3);
    tabelle.Zellbreite(zeile, 7, 0.3);
}

void Anteilszeilen(const frmKat2& f, Abrechnungstabelle& tabelle, Abrechnung& a) {
    tabelle.Zwischensumme(a.r, a.F);
    ++a.r;
    // Trimmed: a share restored from its row stands right-aligned in the field (" 500"), and finishing
    // an unchanged statement again writes the same text.
    tabelle.AnteilZeile(a.r, "Ihr Anteil beträgt " + Trimmen(f.MaskEdBoxAnteil.Text()) + "/1000",
                        AlsZahltext(a.s * 100), a.F, a.s);
    Anteilsbreiten(tabelle, a.r, 2.4);
    ++a.r;
}

/// An expense row: in column 5 marked free of VAT (full layout), else in column 8.
void Auslagenzeile(Abrechnungstabelle& tabelle, Abrechnung& a, const char* tarif, const char* bezeichnung,
                   const char* menge, const char* satz, double betrag, double spalte6) {
    tabelle.Schreiben(a.r, 1, tarif);
    tabelle.Schreiben(a.r, 2, bezeichnung);
    tabelle.Schreiben(a.r, 3, menge);
    tabelle.Schreiben(a.r, 4, satz);
    tabelle.Schreiben(a.r, a.Auslagenspalte(), Betragstext(betrag));
    tabelle.Zellbreite(a.r, 4, a.Voll() ? 3.1 : 2.8);
    // In the share layout column 5 of an expense row stays empty; 3 cm there would push the amount
    // of column 8 off the page, so it keeps the spacer width and column 8 lines up under column 7.
    tabelle.Zellbreite(a.r, 5, a.Voll() ? 3.0 : 0.3);
    tabelle.Zellbreite(a.r, 7, 0.3);
    if (a.Voll()) {
        tabelle.Steuerfrei(a.r, 5);
        tabelle.Zellbreite(a.r, 6, spalte6);
        tabelle.Dezimaltab(a.r, 6, 1.5);
    } else {
        tabelle.Zellbreite(a.r, 8, 2.5);
        tabelle.Dezimaltab(a.r, 8, 1.5);
    }
    a.E += betrag;
    ++a.r;
}

void Auslagen(const frmKat2& f, Abrechnungstabelle& tabelle, Abrechnung& a) {
    bool unterlagen = Angekreuzt(f.chkVUnterlagen);
    bool übernahme = Angekreuzt(f.chkÜbernahme);
    if (unterlagen || übernahme) {
        tabelle.AuslagenÜberschrift(a.r);
        ++a.r;
    }
    a.E = 0;
    if (unterlagen) {
        Auslagenzeile(tabelle, a, "5.3.1", "Vermessungsunterlagen", "20% der Gebühr nach Gebührenstaffel",
                      "max. 184,06 €", Vermessungsunterlagen(a.G), 2.5);
    }
    if (übernahme) {
        Auslagenzeile(tabelle, a, "14.3", "Übernahmegebühr", "15% der Teilgebühr B", "min. 25,56 €",
                      Übernahmegebühr(a.B, a.s), 3.0);
    }
    if (!a.Voll() && (unterlagen || übernahme)) {
        tabelle.AnteiligeAuslagen(a.r, AlsZahltext(a.s * 100), a.E, a.s);
        Anteilsbreiten(tabelle, a.r, 2.1);
        ++a.r;
    }
}

} // namespace

double Vermessungsunterlagen(double staffelgebühr) {
    double betrag = 0.2 * staffelgebühr;
    return betrag > unterlagenHöchstens ? unterlagenHöchstens : betrag;
}

double Übernahmegebühr(double teilB, double anteil) {
    double betrag = anteil == 0 ? teilB * 0.15 : teilB / anteil * 0.15;
    return betrag < übernahmeMindestens ? übernahmeMindestens : betrag;
}

void frmKat2::TabelleFormatieren(Abrechnungstabelle& tabelle) {
    Fehlerbereich fehler{modul, "TabelleFormatieren"};
    // The whole table: the amount column selected before would leave the borders of all other cells.
    fehler([&] { Neue(tabelle).Select(); });
    for (int rand = docx::BorderTop; rand >= docx::BorderVertical; --rand)
        fehler([&] { tabelle.Dokument().Application().Selection().SetBorderLineStyle(rand, 0); });
}

void frmKat2::StatementSchreiben(Abrechnungstabelle& tabelle) {
    Fehlerbereich fehler{modul, prozedur};
    Abrechnung a;
    Werte(*this, a);
    docx::Range anker = tabelle.AnkerFinden(Tabelle());
    int zeilen = 7;
    fehler([&] { zeilen = Zeilenzahl(*this, a); });
    tabelle.Anlegen(anker, zeilen, 8);
    Spaltenbreiten(tabelle, a);
    TabelleFormatieren(tabelle);

    Kopfzeilen(*this, tabelle);
    Artzeile(*this, tabelle);
    Bodenwertzeile(*this, tabelle);
    Staffelzeilen(*this, tabelle, a);
    Zuschläge(*this, tabelle, a);
    Aufwendungen(*this, tabelle, a);
    if (!a.Voll()) Anteilszeilen(*this, tabelle, a);
    Auslagen(*this, tabelle, a);
}

} // namespace kovelund

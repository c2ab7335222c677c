// The fee statement of category 2, row by row: the title, the parcel, the kind and the land value,
// Teil A and Teil B of scale 3, the surcharges and field expenses, the share and the expenses.

#include "common/Fehler.h"
#include "common/Funktionen.h"
#include "common/Texte.h"
#include "document/Anteil.h"
#include "forms/frmKat2/frmKat2.h"
#include "scales/modStatus.h"

namespace kovelund {

namespace {

constexpr const char* modul = "frmKat2";
constexpr const char* prozedur = "CommandEnde_Click";

constexpr double übernahmeMindestens = 25.56;

bool Angekreuzt(const ui::CheckBox& box) {
    return box.Value() == ui::vbChecked;
}

// The wide amount column carries a decimal tab, so the amounts line up on their commas.
Tabellenform Tabellenlayout(bool anteilig) {
    if (anteilig) return Tabellenform({2.0, 5.3, 4.0, 3.1, 0.3, 0.3, 2.5, 0.3}).Dezimaltab(7, 1.5);
    return Tabellenform({2.0, 5.6, 4.0, 3.4, 2.5, 0.3, 0.3, 0.3}).Dezimaltab(5, 1.5);
}

void Kopfzeilen(const frmKat2& f, Abrechnung& a) {
    auto titelbreiten = [](Zeile& zeile) { zeile.Breiten({13.5, 0.5, 0.5, 0.5}); };
    titelbreiten(a.Neue().Text(1, "Grenzfeststellung und Abmarkungen", true));
    titelbreiten(a.Neue().Text(1, f.TextboxFlst.Text()));
    a.Neue().Text(1, "Tarif- stelle", true).Text(2, "Bezeichnung", true).Breite(3, 1.0).Breite(5, 2.87);
    if (f.optArt[0].Value())
        a.Neue().Text(1, "12.1").Text(2, "Grenzfeststellung und Abmarkungen");
    else if (f.optArt[1].Value())
        a.Neue().Text(1, "12.2").Text(2, "Nachträgliche Abmarkungen");
    else
        a.Neue().Text(1, "12.3").Text(2, "Abmarkungen im Zusammenhang mit einer Katastererneuerung");
    a.Neue().Text(2, "Bodenwert").Text(3, f.MaskEdBoxWert.Text() + " €/m²");
}

/// The widths of a share row; its amount lines up on the decimal tab of column 5.
void Anteilsbreiten(Zeile& zeile, double spalte3) {
    zeile.Breite(5, 3.0).Dezimaltab(5, 1.5).Breite(2, 7.4).Breite(3, spalte3).Breite(7, 0.3);
}

// In the share layout column 5 of an expense row stays empty; 3 cm there would push the amount of
// column 8 off the page, so it keeps the spacer width and column 8 lines up under column 7.
void Auslagenbreiten(Zeile& zeile, const Abrechnung& a, double spalte6) {
    zeile.Breite(4, a.Anteilig() ? 2.8 : 3.1).Breite(5, a.Anteilig() ? 0.3 : 3.0).Breite(7, 0.3);
    if (a.Anteilig())
        zeile.Breite(8, 2.5).Dezimaltab(8, 1.5);
    else
        zeile.Breite(6, spalte6).Dezimaltab(6, 1.5);
}

} // namespace

double Übernahmegebühr(double teilB, double anteil) {
    double betrag = anteil == 0 ? teilB * 0.15 : teilB / anteil * 0.15;
    return betrag < übernahmeMindestens ? übernahmeMindestens : betrag;
}

Abrechnung frmKat2::Aufstellen() {
    Fehlerbereich fehler{modul, prozedur};
    double s = 1, P = 0, W = 0;
    fehler([&] { s = Anteil(MaskEdBoxAnteil.Text(), DrittelAlsZahltext); });
    fehler([&] { P = CVal(msk100.Text()); });
    fehler([&] { W = CVal(MaskEdBoxWert.Text()); });
    Abrechnung a(Tabellenlayout(s < 1), s, Zahlform::Zahltext);
    Kopfzeilen(*this, a);

    // Teil A unless the work goes with tariff 10 or 11, and Teil B per boundary point; their sum with
    // the surcharges is the base of the survey documents.
    double A = 0, B = 0, jePunkt = 0;
    if (Angekreuzt(chkT10_11)) {
        a.Leer();
    } else {
        fehler([&] { A = GrenzfeststellungTeilA(P); });
        a.Gebühr("", "Gebühr nach Staffel 3, Teil A", "", "", A);
    }
    fehler([&] { jePunkt = Grenzfeststellung_B(W, P); });
    B = jePunkt * P;
    a.Gebühr("", "Gebühr nach Staffel 3, Teil B",
             msk100.Text() + " in der Örtlichkeit überprüfte/hergestellte Grenzpunkte",
             "x " + WertFormatieren(jePunkt, 8, 2) + " €", B);
    double G = A + B;

    // Both surcharges are 20 % of A + B, the second not of the sum after the first.
    if (Angekreuzt(chkUnterlagen)) {
        a.Gebühr("12.4 a", "erheblicher Mehraufwand wegen schwierig auszuwertender Unterlagen", "20% von ",
                 Betragstext(A + B), 0.2 * (A + B));
        G += 0.2 * (A + B);
    }
    if (Angekreuzt(chkVerhältnisse)) {
        a.Gebühr("12.4 b",
                 "erheblicher Mehraufwand wegen dichter Bodenbewachsung, starker Hanglage oder ähnlich "
                 "schwieriger Verhältnisse",
                 "20% von ", Betragstext(A + B), 0.2 * (A + B));
        G += 0.2 * (A + B);
    }
    Aufwandszeilen(a, aufwand.Werte());

    if (a.Anteilig()) {
        a.Zwischensumme();
        // Trimmed: a share restored from its row stands right-aligned in the field (" 500"), and
        // finishing an unchanged statement again writes the same text.
        Anteilsbreiten(a.AnteilDerGebühren("Ihr Anteil beträgt " + Trimmen(MaskEdBoxAnteil.Text()) + "/1000"),
                       2.4);
    }
    if (aufwand.Unterlagen() || aufwand.Übernahme()) a.AuslagenÜberschrift();
    if (aufwand.Unterlagen()) Auslagenbreiten(VermessungsunterlagenZeile(a, G), a, 2.5);
    if (aufwand.Übernahme())
        Auslagenbreiten(a.Auslage("14.3", "Übernahmegebühr", "15% der Teilgebühr B", "min. 25,56 €",
                                  Übernahmegebühr(B, s)),
                        a, 3.0);
    if (Zeile* anteilig = a.AnteiligeAuslagen()) Anteilsbreiten(*anteilig, 2.1);
    return a;
}

} // namespace kovelund

// The category 4 statement, row by row: the header, one row per grid line, the fee block of tariff
// 10.2 (A, B by terrain, C, the surcharge D and the area computations) with widths of its own in
// each row, and the VAT-free expenses. The restore reads the upper block back, so its texts and
// separators are a stored format.

#include "common/Fehler.h"
#include "common/Funktionen.h"
#include "common/Zahlen.h"
#include "forms/frmKat4/frmKat4.h"

namespace kovelund {

namespace {

constexpr const char* modul = "frmKat4";
constexpr const char* prozedur = "CommandEnde_Click";

// The terrains as the fee block lists them.
constexpr Gelände reihenfolge[] = {Gelände::Ortslage, Gelände::Feldlage, Gelände::Großfläche};

bool Angekreuzt(const ui::CheckBox& box) {
    return box.Value() == ui::vbChecked;
}

void Kopfzeile(Abrechnung& a) {
    a.Neue()
        .Text(1, "Langgestreckte Anlagen", true)
        .Text(2, "Kate-  Länge  \r\ngorie    [m]", true)
        .Text(3, "Art\r\n", true)
        .Text(4, "Anzahl Trennstücke\tGrenzlänge je\r\nmit / ohne neue GM\tangefangene 10m", true);
}

void Abschnittszeile(Abrechnung& a, const Abschnitt& l, double einheiten) {
    std::string länge = WertFormatieren(l.länge, 4, 0);
    std::string faktor = l.seite == "Seite 1" ? " 1,0 / 10 = " : " 0,9 / 10 = ";
    a.Neue()
        .Text(1, l.flurstück)
        .Text(2, "  " + l.kategorie + "\t" + länge)
        .Text(3, l.art + ", " + l.seite)
        .Text(4, WertFormatieren(l.mitNeuenGM, 3, 0) + "\t" + WertFormatieren(l.ohneNeueGM, 3, 0) +
                     "\t      " + länge + " x " + faktor + WertFormatieren(einheiten, 3, 0));
}

void Grundgebühr(Abrechnung& a, const Anlagengebühr& g) {
    a.Neue().Text(1, "Tarifstelle 10.2 ; Gebührenstaffel 2", true).Breiten({6.7, 0.3, 2.0});
    a.Leer();
    a.Neue()
        .Text(1, "A. Grundgebühr")
        .Text(5, std::string(g.staffel->grundgebühr) + " €")
        .Breite(4, 4.0)
        .Breite(5, 4.5);
}

void TeilgebührB(Abrechnung& a, const Anlagengebühr& g) {
    a.Leer();
    a.Neue().Text(1, "B. Teilgebühr nach Grenzlänge je angefangene 10 m").Breiten({5.4, 0.3});
    for (Gelände gelände : reihenfolge) {
        if (!g.MitZeilen(gelände)) continue;
        auto i = static_cast<std::size_t>(gelände);
        a.Neue()
            .Text(2, std::string(Geländename(gelände)) + ":")
            .Text(3, WertFormatieren(g.geländeeinheiten[i], 3, 0) + " x " + std::string(g.staffel->satzB))
            .Rechts(3)
            .Text(4, Betragstext(g.teilgebührB[i]))
            .Rechts(4)
            .Breite(4, 4.0)
            .Breite(5, gelände == Gelände::Feldlage ? 4.5 : 4.0);
    }
    a.Neue()
        .Text(1, "Multiplikator:\r\nGroßfläche (1), Feldlage (2), Ortslage (3)")
        .Breiten({8.34, 0.3, 0.3});
    for (Gelände gelände : reihenfolge) {
        if (!g.MitZeilen(gelände)) continue;
        auto gewicht = static_cast<int>(gelände) + 1;
        a.Neue()
            .Text(4, std::to_string(gewicht) + " x " +
                         Betragstext(g.teilgebührB[static_cast<std::size_t>(gelände)]))
            .Rechts(4)
            .Text(5, Betragstext(g.Gewichtet(gelände)))
            .Breite(4, 4.0)
            .Breite(5, gelände == Gelände::Großfläche ? 1.5 : 4.5);
    }
}

void Trennstückzeile(Abrechnung& a, const char* text, double anzahl, std::string_view satz, double betrag) {
    Zeile& zeile = a.Neue().Text(1, text).Breiten({5.4, 0.3});
    if (anzahl <= 0) return;
    zeile.Text(4, AlsText(anzahl) + " x " + std::string(satz) + " €")
        .Rechts(4)
        .Text(5, Betragstext(betrag))
        .Breite(4, 4.0)
        .Breite(5, 4.5);
}

void TeilgebührC(Abrechnung& a, const Anlagengebühr& g) {
    a.Leer();
    a.Neue().Text(1, "C. Teilgebühr je Trennstück").Breiten({5.4, 0.3});
    a.Leer();
    Trennstückzeile(a, "mit neuen Grenzmarken", g.mitNeuenGM, g.staffel->satzC1, g.teilgebührC1);
    Trennstückzeile(a, "ohne neue Grenzmarken", g.ohneNeueGM, g.staffel->satzC2, g.teilgebührC2);
}

void Zuschlag(Abrechnung& a, const Anlagengebühr& g) {
    a.Leer();
    a.Neue()
        .Text(1, "D. Zuschlag für erheblichen Mehraufwand")
        .Text(3, "20% von Teilgebühr A und B")
        .Text(4, "0,2 x " + Betragstext(g.summeB))
        .Rechts(4)
        .Text(5, Betragstext(g.zuschlag))
        .Breiten({5.4, 0.3})
        .Breite(4, 4.0)
        .Breite(5, 4.5);
}

void Flächenberechnungszeile(Abrechnung& a, const Anlagengebühr& g, const std::string& feld) {
    a.Leer();
    a.Neue()
        .Text(1, feld + " Flächenberechnungen:\r\n", true)
        .Text(5, Betragstext(g.flächenbetrag))
        .Breiten({12.1, 0.3, 0.3, 0.3, 4.5});
}

void Auslagenbreiten(Zeile& zeile) {
    zeile.Rechts(4).Breiten({1.4, 4.5, 4.0, 3.3, 4.3});
}

void Auslagen(Abrechnung& a, const Anlagengebühr& g, bool unterlagen, bool übernahme) {
    if (unterlagen || übernahme) a.AuslagenÜberschrift().Breiten({1.37, 5.0, 2.7});
    if (unterlagen)
        Auslagenbreiten(
            a.Auslage("5.3.2", "Vermessungsunterlagen", "je halbem km", "122,71 €", g.unterlagen));
    if (übernahme)
        Auslagenbreiten(a.Auslage("14.2", "Übernahmegebühr", "je Trennstück", "40,90 €", g.übernahme));
}

} // namespace

Abrechnung frmKat4::Aufstellen() {
    Fehlerbereich fehler{modul, prozedur};
    std::vector<Abschnitt> abschnitte;
    fehler([&] { abschnitte = Abschnitte(); });
    double flächen = 0;
    fehler([&] { flächen = Flächenberechnungen(mskFlächen.Text()); });
    Anlagengebühr g = AnlagengebührBerechnen(abschnitte, flächen);

    Abrechnung a(Tabellenform({3.3, 2.4, 3.3, 7.0, 0.3}).Rechts(5));
    Kopfzeile(a);
    a.MarkeSetzen();
    for (std::size_t n = 0; n < abschnitte.size(); ++n)
        Abschnittszeile(a, abschnitte[n], g.einheiten[n]);
    a.Leer();
    Grundgebühr(a, g);
    TeilgebührB(a, g);
    TeilgebührC(a, g);
    if (Angekreuzt(chkZuschlag)) Zuschlag(a, g);
    if (g.flächenberechnungen > 0) Flächenberechnungszeile(a, g, mskFlächen.Text());
    Auslagen(a, g, Angekreuzt(chkVUnterlagen), Angekreuzt(chkÜbernahme));
    // A terrain named in the grid but without units keeps its rows, empty, at the table's end.
    a.Leer(g.LeereZeilen());
    return a;
}

} // namespace kovelund

// The category 3 fee statement: the title with the column heads, one row per building with the
// grid's cost as it stands, the break points, and the expenses on the sum of the building costs.

#include "common/Fehler.h"
#include "common/Funktionen.h"
#include "common/Zahlen.h"
#include "forms/frmKat3/frmKat3.h"
#include "platform/docx/Selection.h"

#include <algorithm>
#include <array>
#include <string>

namespace kovelund {

namespace {

constexpr const char* modul = "frmKat3";
constexpr const char* prozedur = "CommandEnde_Click";

constexpr double jeBrechpunkt = 60;
constexpr double unterlagenAnteil = 0.3;
constexpr double unterlagenHöchstens = 120;
constexpr double übernahmeAnteil = 0.1;

bool Angekreuzt(const ui::CheckBox& box) {
    return box.Value() == ui::vbChecked;
}

void Titelzeile(Abrechnung& a, bool fortführung) {
    a.Neue()
        .Text(1, "Einmessung von Gebäuden", true)
        .Text(1, fortführung ? "\rim Zusammenhang mit einer Fortführung \rTarifstelle 13.1.3"
                             : "\rTarifstelle 13.1.1")
        .Text(2, "Wert \r[€] ", true)
        .Text(3, "Anzahl", true)
        .Text(4, "Zuschlag [%]\rTarifstelle 13.1.2", true);
}

/// The note behind a building's parcel text when only a share of it is billed: the row's full
/// amount and the share as the grid shows it.
std::string Anteilsvermerk(double vollerBetrag, const std::string& anteil) {
    return "\vBetrag :  € " + Rechtsbündig(Festformat(vollerBetrag, 2, Gruppierung::Ohne), 8) +
           " Ihr Anteil " + anteil + "/1000";
}

/// One building row from grid row `r`; gives its cost.
double Gebäudezeile(Abrechnung& a, const frmKat3& f, int r, Fehlerbereich& fehler) {
    std::array<std::string, 6> zellen;
    auto zelle = [&zellen](int spalte) -> std::string& {
        return zellen[static_cast<std::size_t>(spalte - 1)];
    };
    for (int c = 1; c <= 6; ++c)
        fehler([&] { zelle(c) = f.GridGebühren.TextMatrix(r, c); });
    Zeile& zeile = a.Neue();
    for (int c = 1; c <= 4; ++c)
        if (!zelle(c).empty()) zeile.Text(c, zelle(c));
    double kosten = CVal(zelle(6));
    double anteil = CVal(zelle(5));
    // A share of 0 leaves no cost to go back from: its full amount is the cost before the share.
    if (anteil != 1000) {
        double voll = 0;
        fehler([&] {
            voll = anteil == 333 ? kosten * 3 : anteil == 0 ? f.KostenVorAnteil(r) : kosten * 1000 / anteil;
        });
        zeile.KleinerText(1, Anteilsvermerk(voll, zelle(5)), 2);
    }
    zeile.Text(5, zelle(6) + " €");
    return kosten;
}

void Brechpunkte(Abrechnung& a, const std::string& text, double punkte) {
    a.Gebühr(frmKat3::Brechpunktzeile, text + " Brechpunkte", "", "", punkte * jeBrechpunkt)
        .Breiten({8.5, 3.5, 1.5, 1.0, 3.0});
}

void Auslagenbreiten(Zeile& zeile) {
    zeile.Breiten({1.4, 4.6, 4.5, 3.0, 4.0});
}

// The expense descriptions follow their tariff items as in the other statements, and the heading
// above them gets the room of two columns, so that it stays on one line.
void Auslagenüberschrift(Abrechnung& a) {
    a.AuslagenÜberschrift().Blockbreite(2, 4.6, docx::AlignLeft).Breiten({1.4, 8.6, 0.5, 3.0, 4.0});
}

} // namespace

bool frmKat3::EtwasZuSchreiben() {
    // A single building without a cost and nothing else would be a statement of nothing.
    bool zusätzlich =
        CVal(mskBrechpunkte.Text()) > 0 || Angekreuzt(chkVUnterlagen) || Angekreuzt(chkÜbernahme);
    return GridGebühren.Rows() != 1 || zusätzlich || CVal(GridGebühren.TextMatrix(1, 6)) != 0;
}

Abrechnung frmKat3::Aufstellen() {
    Fehlerbereich fehler{modul, prozedur};
    Abrechnung a(Tabellenform({5.73, 2.6, 2.75, 3.42, 3.0, 0.3}).AlleRechts().Links(1));
    Titelzeile(a, Angekreuzt(chkFortführung));
    // The base of the expenses: the building costs after each row's share, without the break points.
    double gebäude = 0;
    for (int r = 1; r <= GridGebühren.Rows(); ++r)
        gebäude += Gebäudezeile(a, *this, r, fehler);
    double punkte = CVal(mskBrechpunkte.Text());
    if (punkte > 0) Brechpunkte(a, mskBrechpunkte.Text(), punkte);
    bool unterlagen = Angekreuzt(chkVUnterlagen);
    bool übernahme = Angekreuzt(chkÜbernahme);
    if (unterlagen || übernahme) Auslagenüberschrift(a);
    if (unterlagen)
        Auslagenbreiten(a.Auslage(UnterlagenTarif, "Vermessungsunterlagen",
                                  "30% der Gebühr nach Gebührenstaffel", "max. 120 €",
                                  std::min(unterlagenAnteil * gebäude, unterlagenHöchstens)));
    if (übernahme)
        Auslagenbreiten(a.Auslage(ÜbernahmeTarif, "Übernahmegebühr", "10% der Gebühr nach Gebührenstaffel",
                                  "", übernahmeAnteil * gebäude));
    return a;
}

} // namespace kovelund

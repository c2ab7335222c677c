// The category 6 statement, one row per grid line below a header row, and reading it back into the
// grid: tariff item in cell 1, quantity and unit in cell 3, rate in cell 4, cost in cell 5.

#include "common/Fehler.h"
#include "common/Funktionen.h"
#include "common/Zahlen.h"
#include "document/Zelltext.h"
#include "forms/frmKat6/frmKat6.h"

#include <algorithm>

namespace kovelund {

namespace {

constexpr const char* modul = "frmKat6";

/// One grid line as the statement takes it: texts as the grid shows them.
struct Zeilentexte {
    std::string art;
    std::string menge;
    std::string satz;
    std::string kosten;
};

// A kind not in the list writes blanks where a kind writes its texts; amounts only above 0.
void Posten(Abrechnung& a, const Zeilentexte& z) {
    Zeile& zeile = a.Neue();
    if (const Aufwandsart* art = AufwandsartVon(z.art))
        zeile.Text(1, std::string(art->tarif))
            .Text(2, std::string(art->bezeichnung))
            .Text(3, z.menge + Einheit(*art, CVal(z.menge)));
    else if (!z.art.empty())
        zeile.Text(1, " ").Text(2, " ").Text(3, " ");
    if (CVal(z.satz) > 0) zeile.Text(4, z.satz + " €");
    if (CVal(z.kosten) > 0) zeile.Text(5, z.kosten + " €");
}

/// The kind of a statement row: the last kind whose tariff item cell 1 holds. A row of a kind not in
/// the list holds blanks there, which stand for such a kind again.
std::string ArtLesen(const std::string& tarif) {
    std::string art = tarif;
    for (const Aufwandsart& a : Aufwandsarten())
        if (tarif.find(a.tarif) != std::string::npos) art = a.art;
    return art;
}

/// The quantity of cell 3 without its unit; a row whose line was never computed holds only the unit
/// there, and its line gets no quantity.
std::string MengeLesen(const std::string& zelle) {
    bool zahl = std::any_of(zelle.begin(), zelle.end(), [](char c) { return c >= '0' && c <= '9'; });
    return zahl ? AlsText(CVal(zelle)) : "";
}

} // namespace

Abrechnung frmKat6::Aufstellen() {
    Fehlerbereich fehler{modul, "CommandEnde_Click"};
    Abrechnung a(Tabellenform({1.62, 6.87, 2.25, 2.25, 3.0, 0.3}).Rechts(4).Rechts(5).Schriftgröße(10));
    a.Neue()
        .Breiten({7.0, 1.5})
        .Text(1, "Gebühren nach Zeitaufwand", true)
        .Text(3, "", true)
        .Text(4, "Gebühr", true);
    a.MarkeSetzen();
    for (int r = 1; r <= GridGebühren.Rows(); ++r) {
        Zeilentexte z;
        fehler([&] {
            z = {GridGebühren.TextMatrix(r, 1), GridGebühren.TextMatrix(r, 2), GridGebühren.TextMatrix(r, 3),
                 GridGebühren.TextMatrix(r, 4)};
        });
        Posten(a, z);
    }
    return a;
}

void frmKat6::Wiederherstellen(const docx::Table& tabelle) {
    Fehlerbereich fehler{modul, "Form_Load"};
    int zeilen = 1;
    fehler([&] { zeilen = std::max(tabelle.Rows().Count() - 1, 1); });
    fehler([&] {
        GridGebühren.SetRows(zeilen);
        GridGebühren.SetCols(4);
    });
    for (int r = 1; r <= zeilen; ++r) {
        fehler([&] { ZeileLesen(tabelle, r); });
        fehler([&] { GridGebühren.SetRowHeight(r, Zeilenhöhe); });
    }
}

// Rate and cost read back as the line computed them, so that finishing the statement again writes
// the same amounts.
void frmKat6::ZeileLesen(const docx::Table& tabelle, int zeile) {
    auto zelle = [&](int spalte) { return Zelltext(tabelle.Cell(zeile + 1, spalte)); };
    GridGebühren.SetTextMatrix(zeile, 1, ArtLesen(zelle(1)));
    GridGebühren.SetTextMatrix(zeile, 2, MengeLesen(zelle(3)));
    std::string satz = zelle(4), kosten = zelle(5);
    if (satz.empty() && kosten.empty()) return;
    GridGebühren.SetTextMatrix(zeile, 3, WertFormatieren(AlsText(CVal(satz)), 5, 2));
    GridGebühren.SetTextMatrix(zeile, 4, WertFormatieren(AlsText(CVal(kosten)), 10, 2));
}

} // namespace kovelund

// Reading a category 3 statement back into the window: every row after the title is a building, the
// break-point row or an expense row, and a building's share note gives back its share.

#include "common/Fehler.h"
#include "common/Funktionen.h"
#include "common/Texte.h"
#include "common/Zahlen.h"
#include "document/Anteil.h"
#include "document/Zelltext.h"
#include "forms/frmKat3/frmKat3.h"

#include <algorithm>

namespace kovelund {

namespace {

enum class Zeilenart { Gebäude, Brechpunkte, Unterlagen, Übernahme, Auslagenüberschrift };

Zeilenart Art(const std::string& zelle1, const std::string& zelle2) {
    if (BeginntMit(zelle1, frmKat3::Brechpunktzeile)) return Zeilenart::Brechpunkte;
    if (BeginntMit(zelle1, frmKat3::UnterlagenTarif)) return Zeilenart::Unterlagen;
    if (BeginntMit(zelle1, frmKat3::ÜbernahmeTarif)) return Zeilenart::Übernahme;
    if (BeginntMit(zelle2, "\rUms")) return Zeilenart::Auslagenüberschrift;
    return Zeilenart::Gebäude;
}

} // namespace

void frmKat3::Wiederherstellen(const docx::Table& tabelle) {
    Fehlerbereich fehler{Name(), "Form_Load"};
    int zeilen = 0;
    fehler([&] { zeilen = tabelle.Rows().Count(); });
    int zusatz = Zusatzzeilen(tabelle, zeilen);
    fehler([&] { GridGebühren.SetCols(6); });
    // A table of nothing but its title still leaves the grid the one row it cannot do without.
    fehler([&] { GridGebühren.SetRows(std::max(zeilen - 1 - zusatz, 1)); });
    for (int t = 2; t <= zeilen; ++t)
        fehler([&] { ZeileLesen(tabelle, t); });
    fehler([&] {
        if (Zelltext(tabelle.Cell(1, 1)).find("Fort") != std::string::npos)
            chkFortführung.SetValue(ui::vbChecked);
    });
}

int frmKat3::Zusatzzeilen(const docx::Table& tabelle, int zeilen) {
    Fehlerbereich fehler{Name(), "Form_Load"};
    int zusatz = 0;
    for (int t = 2; t <= zeilen; ++t) {
        fehler([&] {
            Zeilenart art = Art(Zelltext(tabelle.Cell(t, 1)), Zelltext(tabelle.Cell(t, 2)));
            if (art == Zeilenart::Gebäude) return;
            ++zusatz;
            if (art == Zeilenart::Unterlagen) chkVUnterlagen.SetValue(ui::vbChecked);
            if (art == Zeilenart::Übernahme) chkÜbernahme.SetValue(ui::vbChecked);
        });
    }
    return zusatz;
}

void frmKat3::ZeileLesen(const docx::Table& tabelle, int t) {
    Fehlerbereich fehler{Name(), "Form_Load"};
    auto zelle = [&](int spalte) { return Zelltext(tabelle.Cell(t, spalte)); };
    std::string eins = zelle(1);
    Zeilenart art = Art(eins, zelle(2));
    if (art == Zeilenart::Brechpunkte) return mskBrechpunkte.SetText(Links(zelle(2), 5));
    if (art != Zeilenart::Gebäude) return;
    int r = t - 1;
    // Behind the line break stands the share note; its thousandths are the row's share, 0 included.
    std::size_t umbruch = eins.find('\v');
    std::string anteil = "1000";
    if (umbruch != std::string::npos) {
        std::optional<std::string> tausendstel = TausendstelNach(eins.substr(umbruch + 1), "Ihr Anteil");
        anteil = Rechtsbündig(AlsText(tausendstel ? CVal(*tausendstel) : 0), 4);
        eins.resize(umbruch);
    }
    fehler([&] { GridGebühren.SetTextMatrix(r, 1, eins); });
    for (int c = 2; c <= 4; ++c)
        fehler([&] { GridGebühren.SetTextMatrix(r, c, zelle(c)); });
    fehler([&] { GridGebühren.SetTextMatrix(r, 5, anteil); });
    fehler([&] {
        std::string betrag = zelle(5);
        GridGebühren.SetTextMatrix(r, 6, Links(betrag, std::max<std::size_t>(Länge(betrag), 2) - 2));
    });
    fehler([&] { GridGebühren.SetRowHeight(r, Zeilenhöhe); });
}

} // namespace kovelund

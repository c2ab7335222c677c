#include "forms/frmKat3/frmKat3.h"

#include "common/Fehler.h"
#include "common/Funktionen.h"
#include "component/Auftragskontext.h"
#include "document/Anteil.h"
#include "scales/modStatus.h"

namespace kovelund {

frmKat3::frmKat3() : Gridfenster("frmKat3", 3, "GridGebühren") {
    SetCaption("Einmessung von Gebäuden");
    chkFortführung.SetCaption("Zusammenhang mit Fortführung");
    lblBrechpunkte.SetCaption("Nutzungsartengrenzen, Anzahl Brechpunkte:");
    chkVUnterlagen.SetCaption("Unterlagen berechnen");
    chkÜbernahme.SetCaption("Übernahmegebühr");
    chkFortführung.Click = [this] { chkFortführung_Click(); };
    Zahlenfeld(mskBrechpunkte, 5, 0);
}

void frmKat3::NeuAnlegen() {
    Fehlerbereich fehler{Name(), "Form_Load"};
    fehler([&] { GridGebühren.SetCols(6); });
    fehler([&] { GridGebühren.SetRows(1); });
    fehler([&] { GridGebühren.SetRowHeight(1, Zeilenhöhe); });
    fehler([&] { GridGebühren.SetRow(1); });
    fehler([&] { NeuWerte(); });
    fehler([&] { mskBrechpunkte.SetText("  "); });
}

void frmKat3::GridEinrichten() {
    SpaltenEinrichten({{"  ", 2600, 0},
                       {" Wert [€]", 1300, 1},
                       {" Anzahl", 800, 1},
                       {" Zuschlag [%]", 1300, 1},
                       {" Anteil ", 900, 1},
                       {" Kosen [€]", 1200, 1}});
}

void frmKat3::NeuWerte() {
    Fehlerbereich fehler{Name(), "NeuWerte"};
    const Auftragskontext& auftrag = Auftrag();
    int r = GridGebühren.Row();
    fehler([&] { GridGebühren.SetTextMatrix(r, 2, WertFormatieren(auftrag.Baukosten, 9, 2)); });
    fehler([&] { GridGebühren.SetTextMatrix(r, 3, "  1"); });
    fehler([&] { GridGebühren.SetTextMatrix(r, 4, " 0"); });
    fehler([&] { GridGebühren.SetTextMatrix(r, 5, "1000"); });
    fehler([&] { GridGebühren.SetTextMatrix(r, 1, "Flst.Nr. " + auftrag.Flurstücksnummer); });
    // A new row shows its cost at once, whether the window, "&Einfügen" or Tab added it.
    ÜbernehmenWerte();
}

double frmKat3::KostenVorAnteil(int zeile) const {
    double wert = CVal(GridGebühren.TextMatrix(zeile, 2));
    double kosten = Gebäudevermessung(wert) * CVal(GridGebühren.TextMatrix(zeile, 3));
    if (chkFortführung.Value() == ui::vbChecked) kosten *= 0.7;
    return (CVal(GridGebühren.TextMatrix(zeile, 4)) / 100 + 1) * kosten;
}

void frmKat3::KostenSchreiben(int zeile, Fehlerbereich& fehler) {
    double kosten = 0;
    double anteil = 0;
    fehler([&] { kosten = KostenVorAnteil(zeile); });
    fehler([&] { anteil = CVal(GridGebühren.TextMatrix(zeile, 5)); });
    fehler([&] { GridGebühren.SetTextMatrix(zeile, 6, WertFormatieren(Anteilig(kosten, anteil), 8, 2)); });
}

void frmKat3::ÜbernehmenWerte() {
    Fehlerbereich fehler{Name(), "ÜbernehmenWerte"};
    KostenSchreiben(GridGebühren.Row(), fehler);
}

void frmKat3::chkFortführung_Click() {
    Fehlerbereich fehler{Name(), "chkFortführung_Click"};
    for (int r = 1; r <= GridGebühren.Rows(); ++r)
        KostenSchreiben(r, fehler);
}

void frmKat3::ZelleFormatieren() {
    Fehlerbereich fehler{Name(), "GridGebühren_CellIsDirty"};
    struct Format {
        int breite;
        int dezimalen;
    };
    static constexpr Format formate[] = {{9, 2}, {3, 0}, {3, 0}, {4, 0}};
    int r = GridGebühren.Row();
    int c = GridGebühren.Col();
    if (c < 2 || c > 5) return;
    const Format& f = formate[c - 2];
    fehler([&] {
        GridGebühren.SetTextMatrix(r, c,
                                   WertFormatieren(GridGebühren.TextMatrix(r, c), f.breite, f.dezimalen));
    });
}

} // namespace kovelund

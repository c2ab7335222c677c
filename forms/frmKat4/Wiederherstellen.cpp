// Reading a category 4 statement back into the window: the statement is the stored form of the
// grid, so its texts and separators (tabs and the comma) give every cell back, and the rows of the
// fee block give back the boxes and the count of area computations.

#include "common/Fehler.h"
#include "common/Funktionen.h"
#include "common/Texte.h"
#include "common/Zahlen.h"
#include "document/Zelltext.h"
#include "forms/frmKat4/frmKat4.h"
#include "totals/VV_WordAuto.h"

#include <algorithm>
#include <utility>

namespace kovelund {

namespace {

/// The text before the first `trenner` (all of it when there is none) and the text after it.
std::pair<std::string, std::string> Aufteilen(const std::string& text, char trenner) {
    std::size_t stelle = text.find(trenner);
    if (stelle == std::string::npos) return {text, ""};
    return {text.substr(0, stelle), text.substr(stelle + 1)};
}

bool Enthält(const std::string& text, std::string_view teil) {
    return text.find(teil) != std::string::npos;
}

} // namespace

void frmKat4::Wiederherstellen(const docx::Table& tabelle) {
    Fehlerbereich fehler{Name(), "Form_Load"};
    int zeilen = 0;
    fehler([&] { zeilen = tabelle.Rows().Count(); });
    int linien = 0;
    for (int r = 2; r <= zeilen; ++r) {
        std::string text;
        if (!fehler([&] { text = Zelltext(tabelle.Cell(r, 1)); })) continue;
        // The fee block's title stands two rows below the last grid line.
        if (Enthält(text, "Tarifstelle 10.2")) linien = r - 3;
        if (Links(text, 5) == "5.3.2") chkVUnterlagen.SetValue(ui::vbChecked);
        if (Links(text, 4) == "14.2") chkÜbernahme.SetValue(ui::vbChecked);
        if (Enthält(text, "Flächenbe"))
            fehler([&] { mskFlächen.SetText(WertFormatieren(Links(text, 6), 3, 0)); });
        if (Enthält(text, "D. Zuschlag ")) chkZuschlag.SetValue(ui::vbChecked);
    }
    // A table without the fee block's title still leaves the grid the one line it always has.
    fehler([&] {
        GridGebühren.SetRows(std::max(linien, 1));
        GridGebühren.SetCols(7);
    });
    for (int n = 1; n <= GridGebühren.Rows(); ++n)
        AbschnittLesen(tabelle, n);
    fehler([&] { begleittabelle_ = TabelleErmitteln("Kovelund_4_Ein", true); });
}

void frmKat4::AbschnittLesen(const docx::Table& tabelle, int linie) {
    Fehlerbereich fehler{Name(), "Form_Load"};
    auto zelle = [&](int spalte) { return Zelltext(tabelle.Cell(linie + 1, spalte)); };
    auto setzen = [&](int spalte, const std::string& text) {
        GridGebühren.SetTextMatrix(linie, spalte, text);
    };
    fehler([&] { setzen(1, zelle(1)); });
    fehler([&] {
        auto [kategorie, länge] = Aufteilen(zelle(2), '\t');
        setzen(2, Trimmen(kategorie));
        setzen(3, Trimmen(länge));
    });
    fehler([&] {
        auto [art, seite] = Aufteilen(zelle(3), ',');
        setzen(5, Trimmen(art));
        setzen(4, Trimmen(seite));
    });
    fehler([&] {
        auto [mitNeuen, rest] = Aufteilen(zelle(4), '\t');
        setzen(6, Rechtsbündig(AlsText(CVal(mitNeuen)), 3));
        setzen(7, Trimmen(Aufteilen(rest, '\t').first));
    });
    fehler([&] { GridGebühren.SetRowHeight(linie, Zeilenhöhe); });
}

} // namespace kovelund

#include "forms/frmKat4/frmKat4.h"

#include "common/Fehler.h"
#include "common/Funktionen.h"
#include "component/Auftragskontext.h"

#include <initializer_list>
#include <utility>

namespace kovelund {

namespace {

int KategorieEintrag(const std::string& text) {
    return text == "III" ? 2 : text == "II" ? 1 : 0;
}

int SeitenEintrag(const std::string& text) {
    return text == "Seite 1" ? 0 : 1;
}

int ArtEintrag(const std::string& text) {
    return text == "Ortslage" ? 2 : text == "Großfläche" ? 0 : 1;
}

} // namespace

frmKat4::frmKat4() : Gridfenster("frmKat4", 4, "GridGebühren") {
    SetCaption("Langgestreckte Anlagen");
    lblFlächen.SetCaption("Anzahl Flächenberechnungen (Anmerkung 2)");
    chkZuschlag.SetCaption("Zuschlag");
    chkVUnterlagen.SetCaption("Unterlagen berechnen");
    chkÜbernahme.SetCaption("Übernahmegebühr");
    GridGebühren.SetCols(7);
    GridGebühren.SetRows(1);
    Zahlenfeld(mskFlächen, 3, 0);
    Überlagern({2, &comKategorie, KategorieEintrag, 3, {}});
    Überlagern({4, &comSeitig, SeitenEintrag, 5, {}});
    Überlagern({5, &comArt, ArtEintrag, 6, {}});
}

void frmKat4::ListenFüllen() {
    Fehlerbereich fehler{Name(), "Form_Load"};
    auto füllen = [&](ui::ComboBox& liste, std::initializer_list<const char*> einträge) {
        fehler([&] {
            for (const char* eintrag : einträge)
                liste.AddItem(eintrag);
        });
    };
    füllen(comKategorie, {"I", "II", "III"});
    füllen(comSeitig, {"Seite 1", "Seite 2"});
    füllen(comArt, {"Großfläche", "Feldlage", "Ortslage"});
}

void frmKat4::NeuAnlegen() {
    Fehlerbereich fehler{Name(), "Form_Load"};
    fehler([&] {
        GridGebühren.SetRows(1);
        GridGebühren.SetCols(7);
    });
    fehler([&] { GridGebühren.SetRowHeight(1, Zeilenhöhe); });
    fehler([&] { GridGebühren.SetRow(1); });
    fehler([&] { NeuWerte(); });
}

void frmKat4::GridEinrichten() {
    Fehlerbereich fehler{Name(), "Form_Load"};
    fehler([&] { GridGebühren.SetRow(1); });
    // Category, side and terrain are chosen in their lists only, so the fee never meets other texts.
    // Column 6 is billed with the rate for new marks and column 7 with the one without, so their
    // headings say so; the statement's header names them in the same order.
    SpaltenEinrichten({{"", 2590, 0},
                       {" Kategorie", 900, 1, false},
                       {" Länge [m]", 930, 1},
                       {" Seite", 870, 1, false},
                       {" Art", 1185, 1, false},
                       {" neue GM", 1000, 1},
                       {" ohne GM", 900, 1}});
}

void frmKat4::NeuWerte() {
    Fehlerbereich fehler{Name(), "NeuWerte"};
    const Auftragskontext& auftrag = Auftrag();
    int r = GridGebühren.Row();
    const std::pair<int, std::string> vorgaben[] = {{7, WertFormatieren("0", 3, 0)},
                                                    {3, WertFormatieren(auftrag.Achslänge, 4, 0)},
                                                    {5, "Feldlage"},
                                                    {2, "II"},
                                                    {4, "Seite 1"},
                                                    {6, WertFormatieren(auftrag.AnzahlGrenzpunkte, 3, 0)},
                                                    {1, "Flst.Nr. " + auftrag.Flurstücksnummer}};
    for (const auto& vorgabe : vorgaben)
        fehler([&] { GridGebühren.SetTextMatrix(r, vorgabe.first, vorgabe.second); });
    fehler([&] { comArt.SetText("Feldlage"); });
    fehler([&] { comKategorie.SetText("II"); });
    fehler([&] { comSeitig.SetText("Seite 1"); });
    fehler([&] { GridGebühren.SetCol(1); });
}

void frmKat4::ZelleFormatieren() {
    Fehlerbereich fehler{Name(), "GridGebühren_CellIsDirty"};
    int r = GridGebühren.Row();
    int c = GridGebühren.Col();
    int breite = c == 3 ? 4 : c == 6 || c == 7 ? 3 : 0;
    if (breite == 0) return;
    fehler(
        [&] { GridGebühren.SetTextMatrix(r, c, WertFormatieren(GridGebühren.TextMatrix(r, c), breite, 0)); });
}

std::vector<Abschnitt> frmKat4::Abschnitte() const {
    std::vector<Abschnitt> abschnitte;
    for (int r = 1; r <= GridGebühren.Rows(); ++r) {
        auto zelle = [&](int c) { return GridGebühren.TextMatrix(r, c); };
        abschnitte.push_back({zelle(1), zelle(2), zelle(3), zelle(4), zelle(5), zelle(6), zelle(7)});
    }
    return abschnitte;
}

} // namespace kovelund

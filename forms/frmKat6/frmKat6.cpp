#include "forms/frmKat6/frmKat6.h"

#include "common/Fehler.h"
#include "common/Funktionen.h"
#include "common/Zahlen.h"

namespace kovelund {

namespace {

constexpr const char* modul = "frmKat6";

// The list index of the empty entry, after the ten kinds.
constexpr int leererEintrag = 10;

constexpr std::array<Aufwandsart, 10> arten = {{
    {"Öffentl. bestellter Vermessungsing.", "15.1.1", 56.00, Mengenregel::HalbeStunden,
     "Öffentlich bestellte Vermessungsingenieure, Beamte des höheren vermessungstechnischen Dienstes "
     "oder vergleichbare Angestellte"},
    {"Meßtruppführer", "15.1.2", 46.00, Mengenregel::HalbeStunden,
     "Meßtruppführer, Beamte des gehobenen Dienstes oder vergleichbare Angestellte"},
    {"vermessungstechnische Fachkräfte", "15.1.3", 41.00, Mengenregel::HalbeStunden,
     "vermessungstechnische Fachkräfte, Beamte des mittleren Dienstes oder vergleichbare Angestellte"},
    {"sonstige technische Kräfte", "15.1.4", 30.60, Mengenregel::HalbeStunden,
     "sonstige technische Kräfte, Meßgehilfen oder anderen entsprechend eingesetzten Hilfskräften"},
    {"Spezialinstrument außen bis 4h", "15.2.1 a)", 25.50, Mengenregel::GanzeTage,
     "Einsatz von Spezialinstrumenten und -geräten für den Außendienst bis zu 4 Stunden pro Tag"},
    {"Spezialinstrument außen über 4h", "15.2.1 b)", 51.00, Mengenregel::GanzeTage,
     "Einsatz von Spezialinstrumenten und -geräten für den Außendienst über 4 Stunden pro Tag"},
    {"Rechenanlage", "15.2.2 a)", 10.20, Mengenregel::HalbeStunden, "Einsatz einer Rechenanlage"},
    {"Zeichenanlage", "15.2.2 b)", 15.40, Mengenregel::HalbeStunden,
     "Einsatz einer Zeichenanlage einschließlich der erforderlichen Rechenanlage"},
    {"photogrammetrisches Auswertegerät", "15.2.2 c)", 61.00, Mengenregel::HalbeStunden,
     "Einsatz eines photogrammetrischen Auswertegerätes"},
    {"Kraftfahrzeug", "15.3", 0.46, Mengenregel::GanzeKilometer, "Einsatz von Kraftfahrzeugen"},
}};

/// The list entry of a grid text: its kind's, the empty entry for "", the first kind for any other.
int Listeneintrag(const std::string& art) {
    if (art.empty()) return leererEintrag;
    const Aufwandsart* a = AufwandsartVon(art);
    return a ? static_cast<int>(a - arten.data()) : 0;
}

// The width of column 1, which a new grid gets before the others.
constexpr int artbreite = 3225;

} // namespace

const std::array<Aufwandsart, 10>& Aufwandsarten() {
    return arten;
}

const Aufwandsart* AufwandsartVon(std::string_view art) {
    for (const Aufwandsart& a : arten)
        if (a.art == art) return &a;
    return nullptr;
}

std::string Einheit(const Aufwandsart& art, double menge) {
    switch (art.regel) {
    case Mengenregel::GanzeTage:
        return menge > 1 ? " Tage" : " Tag";
    case Mengenregel::GanzeKilometer:
        return " km";
    case Mengenregel::HalbeStunden:
        break;
    }
    return " h";
}

std::string HalbRunden(std::string_view menge) {
    Fehlerbereich fehler{modul, "HalbRunden"};
    std::string gerundet(menge);
    fehler([&] { gerundet = AlsText(HalbeStunde(CVal(menge))); });
    return gerundet;
}

frmKat6::frmKat6() : Gridfenster(modul, 6, "GridGebühren") {
    SetCaption("Gebühren nach Zeitaufwand");
    // The grid as designed, so that a restore that fails early still has one to set up.
    GridGebühren.SetCols(4);
    GridGebühren.SetRows(1);
    Überlagern({1, &comKategorie, Listeneintrag, 2, [this] { ÜbernehmenWerte(); }});
}

void frmKat6::ListenFüllen() {
    Fehlerbereich fehler{modul, "Form_Load"};
    fehler([&] { comKategorie.Clear(); });
    for (const Aufwandsart& a : arten)
        fehler([&] { comKategorie.AddItem(std::string(a.art)); });
    fehler([&] { comKategorie.AddItem(""); });
}

void frmKat6::NeuAnlegen() {
    Fehlerbereich fehler{modul, "Form_Load"};
    fehler([&] {
        GridGebühren.SetRows(1);
        GridGebühren.SetCols(4);
        GridGebühren.SetRowHeight(1, Zeilenhöhe);
        GridGebühren.SetColWidth(1, artbreite);
        GridGebühren.SetRow(1);
    });
    fehler([&] { NeuWerte(); });
}

void frmKat6::GridEinrichten() {
    Fehlerbereich fehler{modul, "Form_Load"};
    fehler([&] { GridGebühren.SetRow(1); });
    SpaltenEinrichten({{" Art", artbreite, 0},
                       {" Stunden/Tage/km", 2435, 1},
                       {" Gebühr [€]", 1345, 1, false},
                       {" Kosten [€]", 1035, 1, false}});
    // The window opens in column 1, which no cell entry made current: the list lies over it at once.
    fehler([&] { TestComboEdit(GridGebühren.Row(), GridGebühren.Col()); });
}

void frmKat6::NeuWerte() {
    Fehlerbereich fehler{modul, "NeuWerte"};
    fehler([&] { GridGebühren.SetTextMatrix(GridGebühren.Row(), 1, std::string(arten[0].art)); });
    fehler([&] { GridGebühren.SetCol(1); });
}

void frmKat6::ÜbernehmenWerte() {
    Fehlerbereich fehler{modul, "ÜbernehmenWerte"};
    int r = GridGebühren.Row();
    double menge = 0;
    std::string art;
    fehler([&] { menge = CVal(GridGebühren.TextMatrix(r, 2)); });
    fehler([&] { art = GridGebühren.TextMatrix(r, 1); });
    double satz = art.empty() ? 0 : SatzUnbekannterArt;
    if (const Aufwandsart* a = AufwandsartVon(art)) {
        satz = a->satz;
        if (a->regel == Mengenregel::HalbeStunden)
            fehler([&] { menge = CVal(HalbRunden(AlsText(menge))); });
        else
            menge = Int(menge);
    }
    if (satz == 0) {
        for (int c = 2; c <= 4; ++c)
            fehler([&] { GridGebühren.SetTextMatrix(r, c, ""); });
        return;
    }
    fehler([&] { GridGebühren.SetTextMatrix(r, 2, AlsText(menge)); });
    fehler([&] { GridGebühren.SetTextMatrix(r, 3, WertFormatieren(AlsText(satz), 5, 2)); });
    fehler([&] { GridGebühren.SetTextMatrix(r, 4, WertFormatieren(AlsText(satz * menge), 10, 2)); });
}

void frmKat6::VorDemZeilenwechsel() {
    ÜbernehmenWerte();
}

} // namespace kovelund

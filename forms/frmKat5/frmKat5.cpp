#include "forms/frmKat5/frmKat5.h"

#include "common/Fehler.h"
#include "common/Funktionen.h"
#include "common/Texte.h"
#include "common/Zahlen.h"
#include "component/Auftragskontext.h"
#include "document/Zelltext.h"
#include "scales/modStatus.h"

#include <algorithm>
#include <cctype>

namespace kovelund {

namespace {

constexpr const char* modul = "frmKat5";
constexpr int höchstlänge = 64;

bool HatZiffer(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

} // namespace

double Grenzbescheinigungsgebühr(bool ortsbesichtigung, double gebäudewert, double mehrfach) {
    double inTausend = gebäudewert / 1000;
    double gebühr = ortsbesichtigung ? Grenzbescheinigung_mit(inTausend) : Grenzbescheinigung_ohne(inTausend);
    if (mehrfach > 0) gebühr += mehrfach * Mehrausfertigungssatz;
    return gebühr;
}

std::optional<std::string> KommaUmschreiben(std::string_view eingabe) {
    std::string text(eingabe);
    // A right-aligned value ("     500") also has a blank fifth character; keeping only its first
    // four would drop the number.
    if (HatZiffer(Mitte(text, 5))) return std::nullopt;
    bool umgeschrieben = false;
    for (int i = 0; i < 4 && Mitte(text, 5, 1) == " "; ++i) {
        text = " " + Links(text, 4) + ",  ";
        umgeschrieben = true;
    }
    if (!umgeschrieben) return std::nullopt;
    return text;
}

frmKat5::frmKat5() : Rechnerfenster("frmKat5", 5) {
    SetCaption("Grenzbescheinigungen");
    chkOrt.SetCaption("Ortsbesichtigung durchgeführt");
    lblWert.SetCaption("Gebäudewert [€] :");
    lblMehrfach.SetCaption("Anzahl der Mehrausfertigungen:");
    MaskEdBoxWert.SetMaxLength(höchstlänge);
    mskMehrfach.SetMaxLength(höchstlänge);

    Zahlenfeld(MaskEdBoxWert, 8, 0);
    Markieren(MaskEdBoxWert, 200);
    MaskEdBoxWert.KeyPress = [this](int& taste) { MaskEdBoxWert_KeyPress(taste); };
    Zahlenfeld(mskMehrfach, 8, 0);
}

void frmKat5::NeuAnlegen() {
    Fehlerbereich fehler{modul, "Form_Load"};
    fehler([&] { NeuWerte(); });
}

void frmKat5::NeuWerte() {
    Fehlerbereich fehler{modul, "NeuWerte"};
    fehler([&] { MaskEdBoxWert.SetText(WertFormatieren(Auftrag().Baukosten, 8, 2)); });
}

void frmKat5::Wiederherstellen(const docx::Table& tabelle) {
    Fehlerbereich fehler{modul, "Form_Load"};
    auto zelle = [&](int zeile, int spalte) { return Zelltext(tabelle.Cell(zeile, spalte)); };
    fehler([&] {
        bool mit = Links(zelle(2, 1), 30).find("mit") != std::string::npos;
        chkOrt.SetValue(mit ? ui::vbChecked : ui::vbUnchecked);
    });
    // The whole cell at the width it was written with; a value never left since the new statement
    // took it from the order still has its cents, and keeps them, so a reopened statement bills the same.
    fehler([&] {
        std::string wert = zelle(3, 2);
        MaskEdBoxWert.SetText(WertFormatieren(wert, 8, wert.find(',') == std::string::npos ? 0 : 2));
    });
    int zeilen = 0;
    fehler([&] { zeilen = tabelle.Rows().Count(); });
    // At the width the box writes on leaving, which is the text the table holds.
    if (zeilen == 4) fehler([&] { mskMehrfach.SetText(WertFormatieren(CVal(zelle(4, 2)), 8, 0)); });
}

void frmKat5::WertÜberprüfen() {
    Fehlerbereich fehler{modul, "WertÜberprüfen"};
    fehler([&] { MaskEdBoxWert.SetText(WertFormatieren(MaskEdBoxWert.Text(), 8, 0)); });
}

void frmKat5::MaskEdBoxWert_KeyPress(int& taste) {
    Fehlerbereich fehler{modul, "MaskEdBoxWert_KeyPress"};
    if (taste == ',' || taste == '.') {
        // The key itself is typed afterwards: behind the moved integer part, or where the user was.
        fehler([&] {
            if (std::optional<std::string> text = KommaUmschreiben(MaskEdBoxWert.Text())) {
                MaskEdBoxWert.SetText(*text);
                MaskEdBoxWert.SetSelStart(5);
            }
        });
    } else if (taste == ui::vbKeyReturn) {
        fehler([&] { WertÜberprüfen(); });
    }
}

double frmKat5::Mehrausfertigungen() const {
    return FührendeZahl(mskMehrfach.Text());
}

} // namespace kovelund

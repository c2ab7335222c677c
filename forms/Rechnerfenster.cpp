#include "forms/Rechnerfenster.h"

#include "common/Fehler.h"
#include "common/Funktionen.h"
#include "common/Zahlen.h"
#include "component/Auftragskontext.h"
#include "document/Abrechnungstabelle.h"
#include "platform/ui/Backend.h"
#include "platform/ui/TextBox.h"
#include "totals/G_modSumme.h"
#include "totals/VV_WordAuto.h"

namespace kovelund {

const std::string& Revision() {
    static const std::string revision = KOVELUND_REVISION;
    return revision;
}

double HalbeStunde(double stunden) {
    std::string zehntel = WertFormatieren(stunden, 1, 1);
    double gerundet = CVal(zehntel);
    char letzte = zehntel.empty() ? '0' : zehntel.back();
    if (letzte == '0' || letzte == '5') return gerundet;
    return Int(gerundet) + (letzte > '5' ? 1 : 0.5);
}

std::string HalbeStundeRunden(std::string_view eingabe) {
    return WertFormatieren(HalbeStunde(CVal(WertFormatieren(eingabe, 5, 1))), 5, 1);
}

Rechnerfenster::Rechnerfenster(std::string name, int kategorie)
    : ui::Form(std::move(name)), kategorie_(kategorie) {
    CommandEnde.SetCaption("&OK");
    CommandAbbruch.SetCaption("&Abbruch");
    CommandEnde.Click = [this] { CommandEnde_Click(); };
    CommandAbbruch.Click = [this] { CommandAbbruch_Click(); };
}

void Rechnerfenster::Form_Load() {
    Fehlerbereich fehler{Name(), "Form_Load"};
    fehler([&] { SetIcon(9); });
    fehler([&] { CommandEnde.SetPicture("OK"); });
    fehler([&] { CommandAbbruch.SetPicture("Abbruch"); });
    fehler([&] { lblVersion.SetCaption("V " + Revision()); });
    fehler([&] { ListenFüllen(); });
    fehler([&] { tabelle_ = TabelleErmitteln(Marke(), false); });
    fehler([&] { SetMousePointer(ui::vbHourglass); });
    if (tabelle_)
        fehler([&] { Wiederherstellen(*tabelle_); });
    else
        fehler([&] { NeuAnlegen(); });
    fehler([&] { GridEinrichten(); });
    fehler([&] { SetMousePointer(ui::vbDefault); });
    fehler([&] { ui::CurrentBackend().SetParent(hWnd(), Auftrag().hWndMDI); });
    fehler([&] { ui::CurrentBackend().SetWindowLongA(hWnd(), -20, 320); });
}

void Rechnerfenster::Markieren(ui::TextBox& feld, int länge) {
    feld.GotFocus = [this, &feld, länge] {
        Fehlerbereich fehler{Name(), feld.Name() + "_GotFocus"};
        fehler([&] {
            feld.SetSelStart(0);
            feld.SetSelLength(länge);
        });
    };
}

void Rechnerfenster::Zahlenfeld(ui::MaskEdBox& feld, int breite, int dezimalen,
                                std::function<void()> danach) {
    Markieren(feld);
    feld.LostFocus = [this, &feld, breite, dezimalen, danach = std::move(danach)] {
        Fehlerbereich fehler{Name(), feld.Name() + "_LostFocus"};
        fehler([&] { feld.SetText(WertFormatieren(feld.Text(), breite, dezimalen)); });
        if (danach) fehler(danach);
    };
}

void Rechnerfenster::Stundenfeld(ui::MaskEdBox& feld, std::function<void()> danach) {
    feld.SetMask("###,#");
    Markieren(feld);
    // The comma is a literal of the field's mask: after Wert_Key it only moves the caret, so the key
    // itself is not typed.
    feld.KeyPress = [this, &feld](int& taste) {
        Fehlerbereich fehler{Name(), feld.Name() + "_KeyPress"};
        if (taste != ',' && taste != '.') return;
        fehler([&] { Wert_Key(feld, 5, 1); });
        taste = 0;
    };
    feld.LostFocus = [this, &feld, danach = std::move(danach)] {
        Fehlerbereich fehler{Name(), feld.Name() + "_LostFocus"};
        fehler([&] { feld.SetText(HalbeStundeRunden(feld.Text())); });
        if (danach) fehler(danach);
    };
}

void Rechnerfenster::Anteilfeld(ui::MaskEdBox& feld, std::function<void()> eingabe,
                                std::function<void()> verlassen) {
    feld.SetMask("####");
    feld.SetText("1000");
    Markieren(feld);
    feld.KeyPress = [this, &feld, eingabe = std::move(eingabe)](int& taste) {
        Fehlerbereich fehler{Name(), feld.Name() + "_KeyPress"};
        if (taste == ui::vbKeyReturn && eingabe) fehler(eingabe);
    };
    if (!verlassen) return;
    feld.LostFocus = [this, &feld, verlassen = std::move(verlassen)] {
        Fehlerbereich fehler{Name(), feld.Name() + "_LostFocus"};
        fehler(verlassen);
    };
}

void Rechnerfenster::AufwandVerdrahten(Aufwandsfelder& felder, std::function<void()> danach) {
    Stundenfeld(felder.stundenFachkraft, danach);
    Stundenfeld(felder.stundenHilfskraft, danach);
    felder.kilometer.SetMask("###");
    Zahlenfeld(felder.kilometer, 3, 0, std::move(danach));
}

void Rechnerfenster::CommandEnde_Click() {
    Fehlerbereich fehler{Name(), "CommandEnde_Click"};
    fehler([&] { SetMousePointer(ui::vbHourglass); });
    fehler([&] { EingabeAbschließen(); });
    bool schreiben = true;
    fehler([&] { schreiben = EtwasZuSchreiben(); });
    if (schreiben && Auftrag().Doc) {
        std::optional<Abrechnung> abrechnung;
        fehler([&] { abrechnung = Aufstellen(); });
        if (abrechnung) {
            Abrechnungstabelle tabelle(*Auftrag().Doc, Name());
            docx::Range anker = tabelle.AnkerFinden(tabelle_);
            tabelle.Schreiben(anker, *abrechnung,
                              [&](const docx::Table& neu) { BookmarkSetzen(neu, Marke()); });
        }
        fehler([&] { SummeBilden(Auftrag().Zahlungsziel); });
    } else if (schreiben) {
        fehler([] { throw ObjektFehlt("no document"); });
    }
    fehler([&] { SetMousePointer(ui::vbDefault); });
    tabelle_.reset();
    fehler([&] { Unload(); });
}

void Rechnerfenster::CommandAbbruch_Click() {
    Fehlerbereich fehler{Name(), "CommandAbbruch_Click"};
    tabelle_.reset();
    fehler([&] { Unload(); });
}

} // namespace kovelund

#include "totals/G_frmTabelle.h"

#include "common/Fehler.h"
#include "totals/G_Funktionen.h"

#include <memory>
#include <string>

namespace kovelund {

namespace {
std::unique_ptr<G_frmTabelle>& Instanz() {
    static std::unique_ptr<G_frmTabelle> instanz;
    return instanz;
}
} // namespace

G_frmTabelle::G_frmTabelle() : ui::Form("G_frmTabelle") {
    SetCaption("Tabellenwahl");
    fraTabelle.SetCaption("zu bearbeitende Tabelle auswählen");
    optNeu.SetCaption("neuer Abrechnungspunkt");
    for (int i = 0; i < optTabelle.Count(); ++i)
        optTabelle[i].SetCaption(std::to_string(i + 1) + ". vorhandener Eintrag");
    optAktTabelle.SetCaption("aktuelle Cursorposition als Abrechnungspunkt interpretieren");
    fraTabelle.Place({&optNeu, &optAktTabelle});
    optTabelle.SetContainer(&fraTabelle);
    cmdEnde.SetPicture("OK");
    cmdEnde.SetDefault(true);
    cmdEnde.Click = [this] { cmdEnde_Click(); };
}

G_frmTabelle& G_frmTabelle::Standardinstanz() {
    auto& instanz = Instanz();
    if (!instanz) instanz = std::make_unique<G_frmTabelle>();
    instanz->Load();
    return *instanz;
}

void G_frmTabelle::Freigeben() {
    auto& instanz = Instanz();
    if (instanz && instanz->IsLoaded()) instanz->Unload();
    instanz.reset();
}

void G_frmTabelle::Form_Load() {
    Fehlerbereich fehler{"G_frmTabelle", "Form_Load"};
    fehler([&] { optNeu.SetValue(true); });
    fehler([&] { GetWindowReg(*this); });
}

void G_frmTabelle::Form_Unload() {
    Fehlerbereich fehler{"G_frmTabelle", "Form_Unload"};
    fehler([&] { SetWindowReg(*this); });
}

void G_frmTabelle::cmdEnde_Click() {
    Fehlerbereich fehler{"G_frmTabelle", "cmdEnde_Click"};
    fehler([&] { Hide(); });
}

} // namespace kovelund

#include "totals/G_Funktionen.h"

#include "common/Fehler.h"
#include "common/Variant.h"
#include "common/Zahlen.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Form.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace kovelund {

namespace {

constexpr const char* Anwendung = "VamoVerwaltung";

std::string Lesen(const ui::Form& fenster, const char* schlüssel) {
    return ui::CurrentBackend().GetSetting(Anwendung, fenster.Name(), schlüssel, "0");
}

void Speichern(const ui::Form& fenster, const char* schlüssel, const std::string& wert) {
    ui::CurrentBackend().SaveSetting(Anwendung, fenster.Name(), schlüssel, wert);
}

/// A single-precision number as text: seven significant digits, as a Single turns into text.
std::string EinfachAlsText(float wert) {
    char puffer[32];
    std::snprintf(puffer, sizeof puffer, "%.7g", static_cast<double>(wert));
    return AlsText(std::strtod(puffer, nullptr));
}

} // namespace

int MsgBox(std::string_view prompt, int buttons, std::string_view title) {
    Fehlerbereich fehler{"G_Funktionen", "MsgBox"};
    int antwort = 0;
    fehler([&] { antwort = ui::CurrentBackend().MsgBox(std::string(prompt), buttons, std::string(title)); });
    return antwort;
}

void GetWindowReg(ui::Form& fenster) {
    Fehlerbereich fehler{"G_Funktionen", "GetWindowReg"};
    fehler([&] { fenster.SetWindowState(AlsInteger(Variant(Lesen(fenster, "State")))); });
    if (fenster.WindowState() != ui::vbNormal) return;
    fehler([&] { fenster.SetTop(static_cast<float>(AlsDouble(Variant(Lesen(fenster, "Top"))))); });
    fehler([&] { fenster.SetLeft(static_cast<float>(AlsDouble(Variant(Lesen(fenster, "Left"))))); });
}

void SetWindowReg(ui::Form& fenster) {
    Fehlerbereich fehler{"G_Funktionen", "SetWindowReg"};
    fehler([&] { Speichern(fenster, "State", std::to_string(fenster.WindowState())); });
    if (fenster.WindowState() != ui::vbNormal) return;
    fehler([&] { Speichern(fenster, "Top", EinfachAlsText(fenster.Top())); });
    fehler([&] { Speichern(fenster, "Left", EinfachAlsText(fenster.Left())); });
}

} // namespace kovelund

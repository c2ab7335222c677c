#include "gui/Fenstersystem.h"

#include "common/Fehler.h"
#include "component/Fensterregister.h"
#include "gui/QtBackend.h"

#include <QApplication>
#include <QEventLoop>

namespace kovelund::gui {

namespace {

/// What the component made for a host that had no window system of Qt. Qt cannot take its
/// application down inside the process's exit handlers, so both live until the process ends.
struct Fenstersystem {
    int argc = 1;
    char programm[9] = "kovelund";
    char* argv[2] = {programm, nullptr};
    QApplication* anwendung = nullptr;
    QtBackend* backend = nullptr;
};

Fenstersystem& System() {
    static auto* system = new Fenstersystem;
    return *system;
}

bool AnzeigeVorhanden() {
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY") ||
           qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

} // namespace

void FenstersystemBereitstellen() {
    Fenstersystem& system = System();
    if (system.backend) return;
    if (QCoreApplication* vorhanden = QCoreApplication::instance()) {
        if (!qobject_cast<QApplication*>(vorhanden))
            throw Fehler(
                fehlernummer::UngültigerAufruf,
                "cannot show a calculator window: the process's Qt application is not a QApplication");
    } else {
        // Qt ends the process when it finds no display, so the library looks first.
        if (!AnzeigeVorhanden())
            throw Fehler(fehlernummer::UngültigerAufruf,
                         "cannot show a calculator window: no display (set DISPLAY, WAYLAND_DISPLAY or "
                         "QT_QPA_PLATFORM)");
        system.anwendung = new QApplication(system.argc, system.argv);
    }
    system.backend = new QtBackend;
}

void LaufenBisGeschlossen() {
    if (!QCoreApplication::instance() || !Fenster().EinesOffen()) return;
    QEventLoop schleife;
    int beobachtung = Fenster().Beobachten([&schleife](int, bool) {
        if (!Fenster().EinesOffen()) schleife.quit();
    });
    schleife.exec();
    Fenster().NichtMehrBeobachten(beobachtung);
}

} // namespace kovelund::gui

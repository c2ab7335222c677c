// The C host of examples/host-c, run as it runs in a process without Qt: the component creates the
// application on Show, opens a top-level window, and kovelund_run_until_closed returns when "&OK",
// clicked on the real widgets, has written the statement the host then saved.

#include "Gast.h"
#include "Probe.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

int fehler = 0;

void Prüfen(bool bedingung, const char* was) {
    if (bedingung) return;
    std::fprintf(stderr, "FAIL: %s\n", was);
    ++fehler;
}

} // namespace

int main() {
    QTemporaryDir ordner;
    Prüfen(probe::StichprobeKopieren(ordner), "the sample is copied");
    const QByteArray rechnung = ordner.filePath(QStringLiteral("Rechnung.docx")).toUtf8();
    const QByteArray datenbank = ordner.filePath(QStringLiteral("host.sqlite")).toUtf8();

    gast g;
    Prüfen(QCoreApplication::instance() == nullptr, "the host starts without Qt");
    if (gast_laden(&g, nullptr) != 0 ||
        gast_zeigen(&g, rechnung.constData(), datenbank.constData(), 17, 2, 0) != 0) {
        std::fprintf(stderr, "FAIL: %s\n", g.fehler);
        return 1;
    }
    Prüfen(qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr,
           "Show made the Qt application");
    QWidget* fenster = probe::Fenster("frmKat2");
    Prüfen(fenster && fenster->isWindow() && fenster->isVisible(), "the window is a top-level window");

    QTimer::singleShot(0, [fenster] {
        probe::Kategorie2Ausfüllen(fenster);
        probe::Klicken(probe::Element(fenster, "CommandEnde"));
    });
    Prüfen(gast_warten(&g) == 0, "kovelund_run_until_closed returns");
    Prüfen(g.abschluesse == 1 && g.kategorie == 2 && g.geschrieben == 1,
           "the finish callback came once: category 2, statement written");
    Prüfen(g.fehler[0] == '\0', g.fehler);
    QString bericht;
    bool gespeichert = probe::StatementGespeichert(ordner.filePath(QStringLiteral("Rechnung.docx")), bericht);
    Prüfen(gespeichert, qPrintable(bericht));
    gast_entladen(&g);
    return fehler == 0 ? 0 : 1;
}

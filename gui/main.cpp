// kovelund-gui: the desktop host of the calculator windows. Without arguments it opens the sample
// invoice and database in the user's data directory, writing them there on the first start.

#include "component/Fensterregister.h"
#include "forms/Fensterliste.h"
#include "gui/Bildschirmfotos.h"
#include "gui/Hauptfenster.h"
#include "gui/QtBackend.h"
#include "host/Vorlage.h"
#include "totals/G_frmTabelle.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>
#include <exception>
#include <filesystem>

namespace {

namespace fs = std::filesystem;
using namespace kovelund;

// The sample is written once; later starts open what the user made of it.
bool BeispielÖffnen(gui::Hauptfenster& host) {
    fs::path ordner = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
    fs::path rechnung = ordner / "Rechnung.docx";
    fs::path datenbank = ordner / "host.sqlite";
    try {
        if (!fs::exists(rechnung) && !fs::exists(datenbank)) Initialisieren(ordner);
    } catch (const std::exception& fehler) {
        QMessageBox::warning(&host, QStringLiteral("Kovelund"), QString::fromUtf8(fehler.what()));
        return false;
    }
    return host.DatenbankÖffnen(datenbank) && host.RechnungÖffnen(rechnung);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kovelund"));
    QApplication::setApplicationVersion(QStringLiteral(KOVELUND_VERSION));

    QCommandLineParser optionen;
    optionen.setApplicationDescription(
        QStringLiteral("Kovelund: fees for cadastral surveying work, written into invoice documents."));
    optionen.addHelpOption();
    optionen.addVersionOption();
    optionen.addPositionalArgument(QStringLiteral("RECHNUNG"), QStringLiteral("The invoice (.docx) to open"));
    QCommandLineOption datenbank(
        QStringLiteral("db"),
        QStringLiteral("The host database (.sqlite); default: host.sqlite beside the invoice"),
        QStringLiteral("DATEI"));
    QCommandLineOption bilder(
        QStringLiteral("screenshot"),
        QStringLiteral("Write pictures of the windows on a fresh sample into DIR and quit"),
        QStringLiteral("DIR"));
    optionen.addOption(datenbank);
    optionen.addOption(bilder);
    optionen.process(app);

    gui::QtBackend backend;
    FensterRegistrieren(Fenster());
    if (optionen.isSet(bilder)) {
        int ergebnis = gui::BildschirmfotosAufnehmen(optionen.value(bilder));
        G_frmTabelle::Freigeben();
        return ergebnis;
    }

    gui::Hauptfenster host;
    host.resize(1280, 860);
    host.show();
    if (optionen.positionalArguments().isEmpty()) {
        BeispielÖffnen(host);
    } else {
        fs::path rechnung = optionen.positionalArguments().first().toStdString();
        fs::path db = optionen.isSet(datenbank) ? fs::path(optionen.value(datenbank).toStdString())
                                                : rechnung.parent_path() / "host.sqlite";
        host.DatenbankÖffnen(db);
        host.RechnungÖffnen(rechnung);
    }
    int ergebnis = QApplication::exec();
    G_frmTabelle::Freigeben();
    return ergebnis;
}

// kovelund-gui with an invoice others hold and a database others lock: the holder is named and the
// invoice opened read-only or not at all; a record left unwritten is reported and written again.
#include "component/Fensterregister.h"
#include "forms/Fensterliste.h"
#include "gui/Hauptfenster.h"
#include "gui/QtBackend.h"
#include "host/Vorlage.h"
#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Workspace.h"
#include "platform/docx/Document.h"
#include "support/Dateiinhalt.h"
#include "totals/G_frmTabelle.h"

#include <QApplication>
#include <QMdiArea>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <cstdlib>
#include <fstream>
#include <sstream>

using namespace kovelund;
namespace fs = std::filesystem;

namespace {

/// Answers the next message box with the button whose text is `knopf` (closes it without one),
/// keeping its text.
void Antworten(QString& text, const QString& knopf = {}) {
    QTimer::singleShot(0, [&text, knopf] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        text = box->text();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == knopf) return b->click();
        box->close();
    });
}

} // namespace

class Sperrmeldung : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        FensterRegistrieren(Fenster());
        ordner = std::make_unique<QTemporaryDir>();
        Initialisieren(ordner->path().toStdString());
        backend = std::make_unique<gui::QtBackend>();
        host = std::make_unique<gui::Hauptfenster>();
    }
    void cleanup() {
        for (int i = 0; i < Fensterregister::Anzahl; ++i)
            if (ui::Form* f = Fenster().Standardinstanz(i)) f->Unload();
        host.reset();
        G_frmTabelle::Freigeben();
        backend.reset();
        ordner.reset();
    }

    void eineGesperrteRechnungNenntIhrenHalter() {
        std::ofstream(Rechnung().parent_path() / ".~lock.Rechnung.docx#")
            << "Anna Berg,anna,pc-12,07.12.2026 09:15,file:///home/anna/.config/libreoffice/4;";
        std::string vorher = kovelund::test::Dateiinhalt(Rechnung());
        QString text;
        Antworten(text, QStringLiteral("Abbrechen"));
        QVERIFY(!host->RechnungÖffnen(Rechnung()));
        QVERIFY2(text.contains(QStringLiteral("„Rechnung.docx“ wird gerade bearbeitet von Anna Berg "
                                              "(anna@pc-12, LibreOffice, seit 07.12.2026 09:15)")),
                 qPrintable(text));
        QVERIFY(host->Dokument() == nullptr);

        Antworten(text, QStringLiteral("&Schreibgeschützt öffnen"));
        QVERIFY(host->RechnungÖffnen(Rechnung()));
        QVERIFY(host->Dokument() != nullptr);
        host->Dokument()->Content().InsertAfter("geändert");
        Antworten(text);
        QVERIFY(!host->Speichern());
        QVERIFY2(text.contains(QStringLiteral("schreibgeschützt")), qPrintable(text));
        QCOMPARE(kovelund::test::Dateiinhalt(Rechnung()), vorher);
    }

    void einUngeschriebenerRechnungssatzWirdGemeldetUndWiederholt() {
        setenv("KOVELUND_DB_WAIT_MS", "50", 1);
        QVERIFY(host->RechnungÖffnen(Rechnung()));
        QVERIFY(host->DatenbankÖffnen(Datenbank()));
        unsetenv("KOVELUND_DB_WAIT_MS");
        QVERIFY(fs::exists(Rechnung().parent_path() / ".~lock.Rechnung.docx#"));
        double vorher = Netto();
        auto andere = dao::Workspace().OpenDatabase(Datenbank().string());
        andere->Execute("BEGIN IMMEDIATE");

        host->GebührÖffnen(1);
        QString text;
        // The warning comes once the window has finished, after "&OK" returned: wait for it.
        QTimer wächter;
        wächter.setInterval(20);
        connect(&wächter, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            wächter.stop();
            text = box->text();
            andere->Execute("ROLLBACK");
            for (QAbstractButton* b : box->buttons())
                if (b->text() == QStringLiteral("&Wiederholen")) b->click();
        });
        wächter.start();
        host->findChild<QPushButton*>(QStringLiteral("CommandEnde"))->click();
        QTRY_VERIFY(host->Bereich()->subWindowList().isEmpty());
        QTRY_VERIFY(!text.isEmpty());
        QVERIFY2(text.contains(QStringLiteral("Rechnungssatz in der Datenbank wurde nicht aktualisiert")),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("database is locked")), qPrintable(text));
        QVERIFY(Netto() != vorher);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

private:
    fs::path Rechnung() const { return fs::path(ordner->path().toStdString()) / "Rechnung.docx"; }
    fs::path Datenbank() const { return fs::path(ordner->path().toStdString()) / "host.sqlite"; }
    double Netto() const {
        return AlsDouble(dao::Workspace()
                             .OpenDatabase(Datenbank().string())
                             ->OpenRecordset("SELECT * FROM Rechnung WHERE ID_Rechnungsnummer = 17")
                             ->Fields("NettoRechnung")
                             .Value());
    }

    std::unique_ptr<QTemporaryDir> ordner;
    std::unique_ptr<gui::QtBackend> backend;
    std::unique_ptr<gui::Hauptfenster> host;
};

QTEST_MAIN(Sperrmeldung)
#include "support/Dateiinhalt.h"
#include "test_Sperrmeldung.moc"

#include "Hostumgebung.h"

#include "common/Variant.h"
#include "component/Fensterregister.h"
#include "forms/Fensterliste.h"
#include "host/Ausgabe.h"
#include "host/Vorlage.h"
#include "platform/dao/Database.h"
#include "platform/dao/Field.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Workspace.h"
#include "platform/ui/Form.h"
#include "totals/G_frmTabelle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTableView>
#include <QTimer>
#include <QtTest>

using namespace kovelund;

Beispiel::Beispiel() {
    Initialisieren(Ordner());
}

void Hostumgebung::Starten() {
    // The windows of forms/, as kovelund-gui registers them when it starts.
    FensterRegistrieren(Fenster());
    beispiel_ = std::make_unique<Beispiel>();
    backend_ = std::make_unique<gui::QtBackend>();
    host_ = std::make_unique<gui::Hauptfenster>();
    QVERIFY(host_->RechnungÖffnen(beispiel_->Rechnung()));
    QVERIFY(host_->DatenbankÖffnen(beispiel_->Datenbank()));
    host_->resize(1400, 900);
    host_->show();
    QVERIFY(QTest::qWaitForWindowActive(host_.get()));
    protokollVorher_ = Protokollsätze();
}

void Hostumgebung::Beenden() {
    QCOMPARE(Protokollsätze(), protokollVorher_);
    for (int i = 0; i < Fensterregister::Anzahl; ++i)
        if (ui::Form* f = Fenster().Standardinstanz(i)) f->Unload();
    host_.reset();
    G_frmTabelle::Freigeben();
    backend_.reset();
    beispiel_.reset();
}

QWidget* Hostumgebung::W(const char* name) const {
    auto* w = host_->Bereich()->findChild<QWidget*>(QString::fromUtf8(name));
    if (!w) qFatal("no widget %s", name);
    return w;
}

void Hostumgebung::Klicken(const char* name) {
    QWidget* w = W(name);
    bool kästchen = qobject_cast<QCheckBox*>(w) != nullptr;
    QTest::mouseClick(w, Qt::LeftButton, {}, kästchen ? QPoint(8, w->height() / 2) : w->rect().center());
}

QAction* Hostumgebung::Menüpunkt(const char* menü, const char* punkt) const {
    for (QAction* m : host_->menuBar()->actions())
        if (m->text() == QString::fromUtf8(menü))
            for (QAction* a : m->menu()->actions())
                if (a->text() == QString::fromUtf8(punkt)) return a;
    qFatal("no menu entry %s", punkt);
}

void Hostumgebung::Eingeben(const char* feld, const char* text) {
    Klicken(feld);
    QTest::keyClicks(W(feld), QString::fromUtf8(text));
}

void Hostumgebung::ZelleWählen(int zeile, int spalte, const char* raster) {
    auto* tabelle = W<QTableView>(raster);
    QRect zelle = tabelle->visualRect(tabelle->model()->index(zeile - 1, spalte - 1));
    QTest::mouseClick(tabelle->viewport(), Qt::LeftButton, {}, zelle.center());
}

void Hostumgebung::ZelleSchreiben(int zeile, int spalte, const char* text, const char* raster) {
    ZelleWählen(zeile, spalte, raster);
    QTest::keyClick(W(raster), Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, QString::fromUtf8(text));
    QTest::keyClick(editor, Qt::Key_Return);
}

QString Hostumgebung::Beantworten(const QString& knopf, const std::function<void()>& schritt) {
    QString text;
    QTimer wache;
    QObject::connect(&wache, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        text = box->text();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == knopf) QTest::mouseClick(b, Qt::LeftButton);
    });
    wache.start(10);
    schritt();
    wache.stop();
    return text;
}

QStringList Hostumgebung::DialogeSchließen(const std::function<void()>& schritt) {
    QStringList titel;
    QTimer wache;
    QObject::connect(&wache, &QTimer::timeout, [&titel] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            titel << dialog->windowTitle();
            dialog->close();
        }
    });
    wache.start(10);
    schritt();
    wache.stop();
    return titel;
}

void Hostumgebung::FensterZu() {
    QTRY_VERIFY(host_->Bereich()->subWindowList().isEmpty());
    // The host takes the finished window's changes in a queued step.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString Hostumgebung::Datensatz(int id) const {
    auto workspace = std::make_shared<dao::Workspace>();
    auto datenbank = workspace->OpenDatabase(beispiel_->Datenbank().string());
    auto r =
        datenbank->OpenRecordset("SELECT * FROM Rechnung WHERE ID_Rechnungsnummer = " + std::to_string(id));
    QString text;
    for (const char* feld : {"NettoRechnung", "Brutto", "MehrwertsteuerFreierbetrag", "Mehrwertsteuersatz"})
        text += QString::number(AlsDouble(r->Fields(feld).Value())) + QLatin1Char(' ');
    return text;
}

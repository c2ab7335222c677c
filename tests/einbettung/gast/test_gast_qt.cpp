// The Qt host of examples/host-qt with the installed component: its action opens the category 2
// window inside its MDI area, keys and clicks fill it, and "&OK" writes the statement that the host
// saves when it is told the window finished.

#include "Gastfenster.h"
#include "Probe.h"

#include <QApplication>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

class GastQt : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void kategorie2ImMdiBereichBisInsDokument();
    void abbruchMeldetNichtsGeschrieben();
    void tabellenwahlIstEinModalerDialog();

private:
    /// Opens the window through the host's tool button and returns its view.
    QWidget* Öffnen();

    std::unique_ptr<QTemporaryDir> ordner_;
    std::unique_ptr<Gastfenster> gast_;
};

void GastQt::init() {
    ordner_ = std::make_unique<QTemporaryDir>();
    QVERIFY(probe::StichprobeKopieren(*ordner_));
    gast_ = std::make_unique<Gastfenster>(ordner_->filePath(QStringLiteral("Rechnung.docx")),
                                          ordner_->filePath(QStringLiteral("host.sqlite")), 17);
    gast_->resize(1400, 900);
    gast_->show();
    QVERIFY(QTest::qWaitForWindowActive(gast_.get()));
}

void GastQt::cleanup() {
    gast_.reset();
    ordner_.reset();
}

QWidget* GastQt::Öffnen() {
    QWidget* knopf = gast_->findChild<QToolBar*>()->widgetForAction(gast_->Berechnen());
    probe::Klicken(knopf);
    if (gast_->Bereich()->subWindowList().size() != 1) return nullptr;
    return gast_->Bereich()->subWindowList().first()->widget();
}

void GastQt::kategorie2ImMdiBereichBisInsDokument() {
    QSignalSpy fertig(gast_.get(), &Gastfenster::Abgeschlossen);
    QWidget* fenster = Öffnen();
    QVERIFY(fenster);
    // The sub-window holds the calculator window, in a scroll area of its own on a small screen.
    QVERIFY(fenster->objectName() == QStringLiteral("frmKat2") ||
            fenster->findChild<QWidget*>(QStringLiteral("frmKat2")));
    probe::Kategorie2Ausfüllen(fenster);
    probe::Klicken(probe::Element(fenster, "CommandEnde"));

    QTRY_VERIFY(gast_->Bereich()->subWindowList().isEmpty());
    QCOMPARE(fertig.size(), 1);
    QCOMPARE(fertig.first(), (QVariantList{2, true}));
    QString bericht;
    QVERIFY2(probe::StatementGespeichert(ordner_->filePath(QStringLiteral("Rechnung.docx")), bericht),
             qPrintable(bericht));
}

void GastQt::tabellenwahlIstEinModalerDialog() {
    QWidget* fenster = Öffnen();
    QVERIFY(fenster);
    probe::Kategorie2Ausfüllen(fenster);
    probe::Klicken(probe::Element(fenster, "CommandEnde"));
    QTRY_VERIFY(gast_->Bereich()->subWindowList().isEmpty());

    // The invoice holds a category 2 table now, so the window asks which one it works on.
    bool gefragt = false;
    QTimer::singleShot(0, [&gefragt] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        gefragt = dialog->isModal() && dialog->findChild<QRadioButton*>(QStringLiteral("optNeu"));
        probe::Klicken(probe::Element(dialog, "cmdEnde"));
    });
    fenster = Öffnen();
    QVERIFY(gefragt);
    QVERIFY(fenster);
    probe::Klicken(probe::Element(fenster, "CommandAbbruch"));
    QTRY_VERIFY(gast_->Bereich()->subWindowList().isEmpty());
}

void GastQt::abbruchMeldetNichtsGeschrieben() {
    QSignalSpy fertig(gast_.get(), &Gastfenster::Abgeschlossen);
    QWidget* fenster = Öffnen();
    QVERIFY(fenster);
    probe::Klicken(probe::Element(fenster, "CommandAbbruch"));
    QTRY_VERIFY(gast_->Bereich()->subWindowList().isEmpty());
    QCOMPARE(fertig.size(), 1);
    QCOMPARE(fertig.first(), (QVariantList{2, false}));
    QString bericht;
    QVERIFY(!probe::StatementGespeichert(ordner_->filePath(QStringLiteral("Rechnung.docx")), bericht));
}

QTEST_MAIN(GastQt)
#include "test_gast_qt.moc"

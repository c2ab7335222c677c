// The host as a billing clerk uses it: the invoice record goes back when the invoice is discarded,
// the record is picked from the database's list, changed entries are not dropped unasked, number
// fields take no letters, and the grids' lists and the table choice work with the keys alone.

#include "Hostumgebung.h"
#include "component/Fensterregister.h"
#include "document/Zelltext.h"
#include "forms/frmKat1/frmKat1.h"
#include "gui/Auftragspanel.h"
#include "gui/Rechnungswahl.h"
#include "gui/Seitenansicht.h"
#include "gui/Tabellenpanel.h"
#include "host/Ausgabe.h"
#include "platform/docx/Document.h"
#include "platform/ui/TextBox.h"
#include "totals/VV_WordAuto.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextTable>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>
#include <fstream>

using namespace kovelund;

class Sachbearbeitung : public Hostumgebung {
    Q_OBJECT

private Q_SLOTS:
    void init() { Starten(); }
    void cleanup() { Beenden(); }
    void verwerfenSetztDenDatensatzZurueck();
    void speichernBehaeltDenDatensatzUndMerktIhn();
    void rechnungAusDerListeUndRueckfrageVorAnderemDatensatz();
    void geaenderteEingabenNurAufNachfrageVerwerfen();
    void zahlenfelderNehmenKeineBuchstaben();
    void jaNeinListeMitDenTasten();
    void posEinsZeigtDieZelleDesTippens();
    void tabellenwahlMitEscapeOderDemVorhandenenEintrag();
    void tabellenpanelNenntKategorieUndBetragUndOeffnet();
    void kleinerBildschirmZeigtKnoepfeUndSummen();
    void seitenansichtZeigtDieAbrechnungUndWirdPdf();
    void oeffnenUndSpeichernZeigenDenZeigerBeschaeftigt();

private:
    /// Category 2 with a few entries, finished with "&OK".
    void Kategorie2Abschließen();
    frmKat1& Kategorie1() const { return dynamic_cast<frmKat1&>(*Fenster().Standardinstanz(0)); }
};

void Sachbearbeitung::Kategorie2Abschließen() {
    host_->GebührÖffnen(1);
    Eingeben("msk100", "12");
    Klicken("chkUnterlagen");
    Klicken("CommandEnde");
    FensterZu();
    QTRY_VERIFY2(host_->isWindowModified(), "the title marks the changed invoice after \"&OK\"");
}

void Sachbearbeitung::verwerfenSetztDenDatensatzZurueck() {
    QString vorher = Datensatz(17);
    std::string datei = DokumentAlsJson(*docx::Document::Open(beispiel_->Rechnung()));
    Kategorie2Abschließen();
    QVERIFY(Datensatz(17) != vorher);
    QString frage =
        Beantworten(QStringLiteral("&Nein"), [this] { Menüpunkt("&Datei", "&Beenden")->trigger(); });
    QVERIFY(frage.contains(QStringLiteral("Änderungen speichern?")));
    QVERIFY(!host_->isVisible());
    QCOMPARE(Datensatz(17), vorher);
    QCOMPARE(DokumentAlsJson(*docx::Document::Open(beispiel_->Rechnung())), datei);
}

void Sachbearbeitung::speichernBehaeltDenDatensatzUndMerktIhn() {
    host_->Auftrag()->Feld("Rechnung")->setText(QStringLiteral("11"));
    Kategorie2Abschließen();
    QString neu = Datensatz(11);
    QTest::keyClick(host_.get(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!host_->isWindowModified());
    QCOMPARE(Beantworten(QStringLiteral("&Nein"), [this] { host_->close(); }), QString());
    QCOMPARE(Datensatz(11), neu);

    // Opened again, the invoice names its record itself.
    host_ = std::make_unique<gui::Hauptfenster>();
    QVERIFY(host_->RechnungÖffnen(beispiel_->Rechnung()));
    QCOMPARE(host_->Auftrag()->Rechnung(), 11);
}

void Sachbearbeitung::rechnungAusDerListeUndRueckfrageVorAnderemDatensatz() {
    Kategorie2Abschließen();
    QString vierzehn = Datensatz(14);
    QStringList zeilen;
    QTimer::singleShot(0, [&zeilen] {
        auto* wahl = dynamic_cast<gui::Rechnungswahl*>(QApplication::activeModalWidget());
        QVERIFY(wahl);
        QTableWidget* liste = wahl->Liste();
        for (int z = 0; z < liste->rowCount(); ++z) {
            QStringList zellen;
            for (int s = 0; s < liste->columnCount(); ++s)
                zellen << liste->item(z, s)->text();
            zeilen << zellen.join(QLatin1Char('|'));
        }
        QTest::keyClick(liste, Qt::Key_Up);
        QTest::keyClick(liste, Qt::Key_Return);
    });
    auto* wählen = host_->Auftrag()->findChild<QToolButton*>(QStringLiteral("RechnungWählen"));
    wählen->setFocus();
    QTest::keyClick(wählen, Qt::Key_Space);
    QCOMPARE(zeilen.size(), 3);
    QCOMPARE(zeilen[1], QStringLiteral("14|2026-014|Abschlagsrechnung|02.11.2026|615,00 €"));
    QVERIFY(zeilen[2].startsWith(QStringLiteral("17|2026-017|Rechnung|01.12.2026|")));
    QCOMPARE(host_->Auftrag()->Rechnung(), 14);

    QString frage = Beantworten(QStringLiteral("&Nein"), [this] { host_->GebührÖffnen(1); });
    QVERIFY2(frage.contains(QStringLiteral("Rechnung (ID) 17")) && frage.contains(QStringLiteral("(ID) 14")),
             qPrintable(frage));
    QVERIFY(host_->Bereich()->subWindowList().isEmpty());
    QCOMPARE(Datensatz(14), vierzehn);
}

void Sachbearbeitung::geaenderteEingabenNurAufNachfrageVerwerfen() {
    std::string vorher = DokumentAlsJson(*host_->Dokument());
    QString summen = host_->Summentext();
    host_->GebührÖffnen(1);
    QCOMPARE(Beantworten(QStringLiteral("&Ja"), [this] { Klicken("CommandAbbruch"); }), QString());
    FensterZu();

    host_->GebührÖffnen(1);
    Eingeben("msk100", "30");
    Klicken("chkVerhältnisse");
    QString frage = Beantworten(QStringLiteral("&Nein"), [this] { Klicken("CommandAbbruch"); });
    QCOMPARE(frage, QStringLiteral("Eingaben verwerfen?"));
    QCOMPARE(
        Beantworten(QStringLiteral("&Nein"), [this] { host_->Bereich()->subWindowList().value(0)->close(); }),
        frage);
    QCOMPARE(host_->Bereich()->subWindowList().size(), 1);
    QCOMPARE(W<QLineEdit>("msk100")->displayText(), QStringLiteral("30"));

    // The message boxes took the activation; the clerk is back in the host window.
    host_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(host_.get()));
    Klicken("msk100");
    QVERIFY(QApplication::focusWidget());
    for (int i = 0; i < 40 && QApplication::focusWidget() != W("CommandAbbruch"); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), W("CommandAbbruch"));
    QCOMPARE(Beantworten(QStringLiteral("&Ja"),
                         [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); }),
             frage);
    FensterZu();
    // "&Abbruch" leaves the invoice, its totals and the title as they were.
    QVERIFY(Fenster().Standardinstanz(1) == nullptr);
    QVERIFY(!host_->Dokument()->Modified());
    QVERIFY(!host_->isWindowModified());
    QCOMPARE(DokumentAlsJson(*host_->Dokument()), vorher);
    QCOMPARE(host_->Summentext(), summen);
}

void Sachbearbeitung::zahlenfelderNehmenKeineBuchstaben() {
    QLineEdit* bodenwert = host_->Auftrag()->Feld("Bodenwert");
    bodenwert->setFocus();
    bodenwert->selectAll();
    QTest::keyClicks(bodenwert, QStringLiteral("9a2,5x0"));
    QCOMPARE(bodenwert->text(), QStringLiteral("92,50"));

    host_->GebührÖffnen(0);
    Eingeben("txtTageskm", "1k2");
    QCOMPARE(QString::fromStdString(Kategorie1().txtTageskm.Text()).trimmed(), QStringLiteral("12"));
    Beantworten(QStringLiteral("&Ja"), [this] { Klicken("CommandAbbruch"); });
    FensterZu();

    host_->GebührÖffnen(1);
    Eingeben("MaskEdBoxWert", "7b,5");
    QVERIFY2(!W<QLineEdit>("MaskEdBoxWert")->text().contains(QLatin1Char('b')),
             qPrintable(W<QLineEdit>("MaskEdBoxWert")->text()));
    Beantworten(QStringLiteral("&Ja"), [this] { Klicken("CommandAbbruch"); });
}

// The clerk reaches the "zu zahlen" column with the arrows and sets it with a letter or the open list.
void Sachbearbeitung::jaNeinListeMitDenTasten() {
    host_->GebührÖffnen(0);
    auto* tabelle = W<QTableView>("GridGebühren1");
    auto* liste = W<QComboBox>("ComboBox4");
    auto zuZahlen = [&](Qt::KeyboardModifiers umschalt, Qt::Key taste) {
        ZelleWählen(1, 1);
        QTest::keyClick(tabelle, Qt::Key_Right);
        QTRY_VERIFY(liste->isVisible());
        QTest::keyClick(tabelle, taste, umschalt);
    };
    // Alt+Down opens the list (the offscreen platform shows no popup), the arrow then chooses.
    zuZahlen(Qt::AltModifier, Qt::Key_Down);
    QVERIFY(tabelle->visualRect(tabelle->model()->index(0, 1)).intersects(liste->geometry()));
    QTRY_COMPARE(QApplication::focusWidget(), liste);
    QTest::keyClick(liste, Qt::Key_Down);
    QCOMPARE(liste->currentText(), QStringLiteral("nein"));
    ZelleWählen(1, 3);
    QTRY_VERIFY(!liste->isVisible());
    QTRY_COMPARE(tabelle->model()->index(0, 1).data().toString(), QStringLiteral("nein"));

    zuZahlen({}, Qt::Key_J);
    QCOMPARE(liste->currentText(), QStringLiteral("ja"));
    ZelleWählen(1, 3);
    QTRY_COMPARE(tabelle->model()->index(0, 1).data().toString(), QStringLiteral("ja"));
    Beantworten(QStringLiteral("&Ja"), [this] { Klicken("CommandAbbruch"); });
}

void Sachbearbeitung::posEinsZeigtDieZelleDesTippens() {
    host_->GebührÖffnen(0);
    auto* tabelle = W<QTableView>("GridGebühren1");
    ui::Grid& grid = Kategorie1().GridGebühren1;
    ZelleWählen(1, 3);
    for (Qt::Key taste : {Qt::Key_Home, Qt::Key_End, Qt::Key_Home}) {
        QTest::keyClick(tabelle, taste);
        QCOMPARE(tabelle->currentIndex().row() + 1, grid.Row());
        QCOMPARE(tabelle->currentIndex().column() + 1, grid.Col());
    }
    QTest::keyClicks(tabelle, QStringLiteral("Flst 9"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(tabelle->currentIndex().data().toString().trimmed(),
             QString::fromStdString(grid.TextMatrix(grid.Row(), grid.Col())).trimmed());
    Beantworten(QStringLiteral("&Ja"), [this] { Klicken("CommandAbbruch"); });
}

// The table choice for a category already in the invoice: Escape opens no window, the entry opens it
// on the entries made before.
void Sachbearbeitung::tabellenwahlMitEscapeOderDemVorhandenenEintrag() {
    Kategorie2Abschließen();
    std::string vorher = DokumentAlsJson(*host_->Dokument());
    QString titel;
    QTimer::singleShot(0, [&titel] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        titel = dialog->windowTitle();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    host_->GebührÖffnen(1);
    QCOMPARE(titel, QStringLiteral("Tabellenwahl"));
    QVERIFY(host_->Bereich()->subWindowList().isEmpty());
    QVERIFY(Fenster().Standardinstanz(1) == nullptr);
    QCOMPARE(DokumentAlsJson(*host_->Dokument()), vorher);

    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        auto* eintrag = dialog->findChild<QRadioButton*>(QStringLiteral("optTabelle(0)"));
        QVERIFY(eintrag->isVisible());
        QVERIFY(dialog->findChild<QRadioButton*>(QStringLiteral("optTabelle(1)"))->isHidden());
        QTest::mouseClick(eintrag, Qt::LeftButton, {}, QPoint(8, eintrag->height() / 2));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdEnde")), Qt::LeftButton);
    });
    host_->GebührÖffnen(1);
    QCOMPARE(W<QLineEdit>("msk100")->displayText(), QStringLiteral("12"));
    Beantworten(QStringLiteral("&Ja"), [this] { Klicken("CommandAbbruch"); });
    FensterZu();
}

void Sachbearbeitung::tabellenpanelNenntKategorieUndBetragUndOeffnet() {
    Kategorie2Abschließen();
    gui::Tabellenpanel* panel = host_->Tabellen();
    QCOMPARE(panel->topLevelItemCount(), 1 + host_->Dokument()->Tables().Count());
    QTreeWidgetItem* eintrag = panel->topLevelItem(1);
    QCOMPARE(eintrag->toolTip(1), QStringLiteral("Kovelund_2"));
    panel->CursorSetzen(0);
    QVERIFY(!host_->Dokument()->Application().Selection().InTable());
    panel->CursorSetzen(1);
    QCOMPARE(host_->Dokument()->Application().Selection().CurrentTable().Position(), 1);
    QCOMPARE(eintrag->text(1), QStringLiteral("Grenzfeststellung und Abmarkungen"));
    // The only statement: its amount is the summary's "Summe".
    QVERIFY2(host_->Summentext().contains(QStringLiteral("Summe ") + eintrag->text(2)),
             qPrintable(eintrag->text(2)));

    QStringList dialoge = DialogeSchließen([&] {
        panel->setFocus();
        panel->setCurrentItem(eintrag);
        QTest::keyClick(panel, Qt::Key_Return);
        QTRY_COMPARE(host_->Bereich()->subWindowList().size(), 1);
    });
    QVERIFY2(dialoge.isEmpty(), qPrintable(dialoge.join(QLatin1Char(','))));
    QCOMPARE(host_->Bereich()->subWindowList().size(), 1);
    QCOMPARE(W<QLineEdit>("msk100")->displayText(), QStringLiteral("12"));
    QCOMPARE(Beantworten(QStringLiteral("&Ja"), [this] { Klicken("CommandAbbruch"); }), QString());
    FensterZu();

    // The mouse's way: a double-click on the entry, which the click's cursor move must not end.
    eintrag = panel->topLevelItem(1);
    QPoint mitte = panel->visualItemRect(eintrag).center();
    // A real double-click: a first click, then the second press, which Qt reports as the double-click.
    QTest::mouseClick(panel->viewport(), Qt::LeftButton, {}, mitte);
    QTest::mouseDClick(panel->viewport(), Qt::LeftButton, {}, mitte);
    QTRY_COMPARE(host_->Bereich()->subWindowList().size(), 1);
    QCOMPARE(Beantworten(QStringLiteral("&Ja"), [this] { Klicken("CommandAbbruch"); }), QString());
    FensterZu();
}

// At 800 × 600 the biggest window scrolls: Tab reaches "&OK" where it can be seen; the totals show whole.
void Sachbearbeitung::kleinerBildschirmZeigtKnoepfeUndSummen() {
    host_->resize(800, 600);
    Kategorie2Abschließen();
    host_->GebührÖffnen(0);
    QMdiSubWindow* unter = host_->Bereich()->subWindowList().value(0);
    QVERIFY(host_->Bereich()->viewport()->rect().contains(unter->geometry()));
    Klicken("MaskEdBoxGrenzpunkte");
    for (int i = 0; i < 60 && QApplication::focusWidget() != W("CommandEnde"); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* ok = W("CommandEnde");
    QCOMPARE(QApplication::focusWidget(), ok);
    QRect sichtbar(ok->mapTo(host_->Bereich()->viewport(), QPoint(0, 0)), ok->size());
    QVERIFY(host_->Bereich()->viewport()->rect().contains(sichtbar));
    QVERIFY(!ok->visibleRegion().isEmpty());
    auto* summen = host_->findChild<QLabel*>(QStringLiteral("Summen"));
    QVERIFY(summen->width() >= summen->sizeHint().width());
    QVERIFY(host_->minimumSizeHint().width() <= 800);
    auto ort = [&] { return QRect(summen->mapTo(host_.get(), QPoint(0, 0)), summen->size()); };
    QTRY_VERIFY(host_->rect().contains(ort()));
    Beantworten(QStringLiteral("&Ja"), [this] { Klicken("CommandAbbruch"); });
}

namespace {

QString Zellentext(const QTextTableCell& zelle) {
    QTextCursor c = zelle.firstCursorPosition();
    c.setPosition(zelle.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return c.selectedText()
        .replace(QChar::ParagraphSeparator, QLatin1Char('\r'))
        .replace(QChar::LineSeparator, QLatin1Char('\v'));
}

QString Dokumenttext(const docx::Cell& zelle) {
    return QString::fromStdString(Zelltext(zelle)).replace(QLatin1Char('\n'), QLatin1Char('\v'));
}

} // namespace

// The statement just written stands in the preview as in the document: every cell's text, bold and
// width; the summary table and the payment box follow; the PDF is written from it.
void Sachbearbeitung::seitenansichtZeigtDieAbrechnungUndWirdPdf() {
    Kategorie2Abschließen();
    QTRY_VERIFY(host_->Seite()->Tabelle(1) != nullptr);
    int position = 0;
    for (const docx::Table& t : host_->Dokument()->Tables())
        if (Tabellenmarke(t) == "Kovelund_2") position = t.Position();
    QVERIFY(position > 0);
    docx::Table tabelle = host_->Dokument()->Tables().Item(position);
    QTextTable* gezeigt = host_->Seite()->Tabelle(position);
    QVERIFY(gezeigt);
    QCOMPARE(gezeigt->rows(), tabelle.Rows().Count());
    // Lines only where the invoice has them: none around a fee table and its narrow spacer columns.
    QVERIFY(!tabelle.BordersVisible());
    QCOMPARE(gezeigt->format().border(), 0.0);
    int fett = 0;
    int zellen = 0;
    for (int r = 1; r <= gezeigt->rows(); ++r)
        // The k-th cell of a row in the document is the k-th in the preview; merged ones span columns.
        for (int spalte = 0, k = 1; spalte < gezeigt->columns(); ++k) {
            QTextTableCell zelle = gezeigt->cellAt(r - 1, spalte);
            spalte += zelle.columnSpan();
            docx::Cell original;
            try {
                original = tabelle.Cell(r, k);
            } catch (const std::exception&) {
                // A row with fewer cells than the grid: the preview's rest of it stays empty.
                QCOMPARE(Zellentext(zelle), QString());
                continue;
            }
            QCOMPARE(Zellentext(zelle), Dokumenttext(original));
            ++zellen;
            if (original.Range().Bold() == docx::TristateTrue && !Zellentext(zelle).isEmpty()) {
                ++fett;
                QCOMPARE(zelle.firstCursorPosition().charFormat().fontWeight(), int(QFont::Bold));
            }
        }
    QVERIFY(zellen > 8);
    QVERIFY(fett > 0);
    QVector<QTextLength> breiten = gezeigt->format().columnWidthConstraints();
    QCOMPARE(breiten.size(), gezeigt->columns());
    double erste = 0;
    for (int s = 0; s < gezeigt->cellAt(0, 0).columnSpan(); ++s)
        erste += breiten[s].rawValue() * 15;
    QCOMPARE(qRound(erste), qRound(tabelle.Cell(1, 1).Width() * 20));

    int cursor = host_->Seite()->textCursor().position();
    QVERIFY(cursor >= gezeigt->firstPosition() && cursor <= gezeigt->lastPosition());
    QString text = host_->Seite()->toPlainText();
    QVERIFY(text.contains(QStringLiteral("Rechnungsbetrag")));
    QVERIFY(text.contains(QStringLiteral("Zahlbar ohne Abzug bis")));

    QTemporaryDir ordner;
    QString pdf = ordner.filePath(QStringLiteral("Rechnung.pdf"));
    QVERIFY(host_->PdfExportieren(pdf.toStdString()));
    QFile datei(pdf);
    QVERIFY(datei.open(QIODevice::ReadOnly));
    QVERIFY(datei.read(5) == "%PDF-");
    QVERIFY(!QFile::exists(pdf + QStringLiteral(".teil")));
}

void Sachbearbeitung::oeffnenUndSpeichernZeigenDenZeigerBeschaeftigt() {
    // What the status bar said while the pointer was busy.
    QStringList beschäftigt;
    auto mitschrift =
        connect(host_->statusBar(), &QStatusBar::messageChanged, this, [&](const QString& text) {
            const QCursor* zeiger = QApplication::overrideCursor();
            if (!text.isEmpty() && zeiger && zeiger->shape() == Qt::WaitCursor) beschäftigt << text;
        });
    QVERIFY(host_->RechnungÖffnen(beispiel_->Rechnung()));
    Kategorie2Abschließen();
    QTest::keyClick(host_.get(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!host_->isWindowModified());
    QCOMPARE(beschäftigt, QStringList({QStringLiteral("Öffne „Rechnung.docx“ …"),
                                       QStringLiteral("Speichere „Rechnung.docx“ …")}));
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QVERIFY(host_->statusBar()->currentMessage().isEmpty());

    // A file that is no invoice: its message comes with the usual pointer, and none stays busy.
    std::filesystem::path kaputt = beispiel_->Ordner() / "kaputt.docx";
    std::ofstream(kaputt) << "kein Zip";
    bool zeigerBeiMeldung = true;
    QTimer wache;
    connect(&wache, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            zeigerBeiMeldung = QApplication::overrideCursor() != nullptr;
            box->done(QMessageBox::Ok);
        }
    });
    wache.start(10);
    QVERIFY(!host_->RechnungÖffnen(kaputt));
    wache.stop();
    disconnect(mitschrift);
    QVERIFY(!zeigerBeiMeldung);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QVERIFY(host_->statusBar()->currentMessage().isEmpty());
}

QTEST_MAIN(Sachbearbeitung)
#include "test_Sachbearbeitung.moc"

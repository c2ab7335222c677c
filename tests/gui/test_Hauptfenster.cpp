// The host window with the real calculator windows: what a user does with keys and clicks in
// kovelund-gui must write the same statement and totals as the same steps played on the window
// models alone by the script driver.

#include "Hostumgebung.h"
#include "component/Fensterregister.h"
#include "component/KV.h"
#include "document/Zelltext.h"
#include "forms/Fensterliste.h"
#include "gui/Auftragspanel.h"
#include "gui/Bildschirmfotos.h"
#include "gui/Hauptfenster.h"
#include "gui/QtBackend.h"
#include "gui/Tabellenpanel.h"
#include "host/Ausgabe.h"
#include "host/Sitzung.h"
#include "host/Treiber.h"
#include "host/Vorlage.h"
#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Workspace.h"
#include "platform/docx/Document.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/HeadlessBackend.h"
#include "platform/ui/Label.h"
#include "totals/G_frmTabelle.h"
#include "totals/VV_WordAuto.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <fstream>
#include <memory>

using namespace kovelund;
namespace fs = std::filesystem;

namespace {

/// The same steps, a script's "steps", played on the window models alone, on a sample of its own: the
/// invoice as JSON after the window finished, and lblGebühr as it stood before (empty for a window without
/// one).
struct Zwilling {
    std::string json;
    std::string gebühr;
};

Zwilling ZwillingSpielen(int index, const std::string& schritte) {
    Beispiel beispiel;
    auto dokument = docx::Document::Open(beispiel.Rechnung());
    auto workspace = std::make_shared<dao::Workspace>();
    auto datenbank = workspace->OpenDatabase(beispiel.Datenbank().string());
    ui::HeadlessBackend headless;
    ui::ScopedBackend aktiv(headless);
    KV kv;
    kv.SetDoc(dokument);
    kv.SetNeueAbfrage(datenbank);
    kv.SetVamoWorkspace(workspace);
    kv.SetDatenbankPfad(beispiel.Datenbank().string());
    gui::Auftragspanel auftrag;
    auftrag.Übertragen(kv);
    kv.Show(static_cast<std::int16_t>(index),
            datenbank->OpenRecordset("SELECT * FROM Rechnung WHERE ID_Rechnungsnummer = 17"), 1);
    ui::Form& fenster = *Fenster().Standardinstanz(index);
    Zwilling z;
    Treiber(headless).Spielen(SkriptLesen(R"j({"steps": )j" + schritte + "}"), fenster);
    if (auto* gebühr = dynamic_cast<ui::Label*>(fenster.Find("lblGebühr"))) z.gebühr = gebühr->Caption();
    dynamic_cast<ui::CommandButton*>(fenster.Find("CommandEnde"))->SetFocus();
    dynamic_cast<ui::CommandButton*>(fenster.Find("CommandEnde"))->Press();
    z.json = DokumentAlsJson(*dokument);
    return z;
}

std::string Datei(const fs::path& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

} // namespace

class Hauptfenster : public Hostumgebung {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void kategorie2MitTastenUndKlicks();
    void kategorie1MitZweiFlurstueckenImRaster();
    void kategorie3MitZweiGebaeudenImRaster();
    void kategorie5MitTastenUndKlicksUndRueckgaengig();
    void kategorie6MitListeUndTabImRaster();
    void kategorie4MitDenListenImRaster();
    void bildschirmfotosFragenNichtNachDemSpeichern();
    void ueberKovelundNenntDieVolleVersion();
};

void Hauptfenster::init() {
    Starten();
}

void Hauptfenster::cleanup() {
    Beenden();
}

void Hauptfenster::kategorie2MitTastenUndKlicks() {
    host_->GebührÖffnen(1);
    QCOMPARE(host_->Bereich()->subWindowList().size(), 1);
    Eingeben("msk100", "12");
    Klicken("chkUnterlagen");
    Eingeben("mskHTechniker", "2,3");
    Eingeben("MaskEdBoxKM", "24");
    Klicken("chkVUnterlagen");
    Klicken("MaskEdBoxAnteil");
    QCOMPARE(W<QLineEdit>("mskHTechniker")->displayText(), QStringLiteral("  2,5"));
    QCOMPARE(W<QLineEdit>("MaskEdBoxKM")->displayText(), QStringLiteral(" 24"));
    QString gebühr = W<QLabel>("lblGebühr")->text();
    Klicken("CommandEnde");

    FensterZu();
    QVERIFY(host_->isWindowModified());
    QVERIFY(host_->windowTitle().startsWith(QStringLiteral("Rechnung.docx")));
    // The status bar names the summary table's "Summe" and "Rechnungsbetrag", and no "Netto".
    QString summen = host_->findChild<QLabel*>(QStringLiteral("Summen"))->text();
    QCOMPARE(host_->Summentext(), summen);
    std::string summe, betrag;
    for (const docx::Table& t : host_->Dokument()->Tables())
        for (int r = 1; r <= t.Rows().Count(); ++r) {
            if (Zelltext(t.Cell(r, 2)) == "Summe") summe = Zelltext(t.Cell(r, 4));
            if (Zelltext(t.Cell(r, 2)) == "Rechnungsbetrag") betrag = Zelltext(t.Cell(r, 4));
        }
    auto zahl = [](const std::string& text) {
        return QString::fromStdString(text).remove(QLatin1Char(' ')).remove(QStringLiteral("€"));
    };
    QVERIFY2(!summe.empty() && summen.contains(QStringLiteral("Summe ") + zahl(summe) + QStringLiteral(" €")),
             qPrintable(summen));
    QVERIFY2(!betrag.empty() &&
                 summen.contains(QStringLiteral("Rechnungsbetrag ") + zahl(betrag) + QStringLiteral(" €")),
             qPrintable(summen));
    QVERIFY(!summen.contains(QStringLiteral("Netto")) &&
            !summen.contains(QStringLiteral("Rechnungsbetrag 0,00")));
    std::string json = DokumentAlsJson(*host_->Dokument());

    Zwilling z = ZwillingSpielen(1, R"j([{"type": "msk100", "text": "12"}, {"click": "chkUnterlagen"},
        {"type": "mskHTechniker", "text": "2,3"}, {"type": "MaskEdBoxKM", "text": "24"}, {"click": "chkVUnterlagen"},
        {"type": "MaskEdBoxAnteil", "text": ""}])j");
    QCOMPARE(gebühr.toStdString(), z.gebühr);
    QCOMPARE(json, z.json);
    QVERIFY(json.find("Kovelund_2") != std::string::npos);
}

void Hauptfenster::kategorie1MitZweiFlurstueckenImRaster() {
    host_->GebührÖffnen(0);
    auto* tabelle = W<QTableView>("GridGebühren1");
    QCOMPARE(tabelle->model()->rowCount(), 1);
    ZelleSchreiben(1, 3, "620");
    ZelleWählen(1, 5);
    QTest::keyClick(tabelle, Qt::Key_Tab);
    QCOMPARE(tabelle->model()->rowCount(), 2);
    ZelleSchreiben(2, 1, "Flst.Nr. 123/5");
    ZelleSchreiben(2, 3, "230");
    QCOMPARE(tabelle->model()->index(0, 2).data().toString().trimmed(), QStringLiteral("620"));
    Eingeben("MaskEdBoxGrenzpunkte", "8");
    Klicken("chkUnterlagen");
    QString gebühr = W<QLabel>("lblGebühr")->text();
    Klicken("CommandEnde");
    FensterZu();
    std::string json = DokumentAlsJson(*host_->Dokument());

    Zwilling z = ZwillingSpielen(
        0, R"j([{"cell": "GridGebühren1", "row": 1, "col": 3}, {"edit": "GridGebühren1", "text": "620"},
        {"cell": "GridGebühren1", "row": 1, "col": 5}, {"key": "GridGebühren1", "code": 9},
        {"cell": "GridGebühren1", "row": 2, "col": 1}, {"edit": "GridGebühren1", "text": "Flst.Nr. 123/5"},
        {"cell": "GridGebühren1", "row": 2, "col": 3}, {"edit": "GridGebühren1", "text": "230"},
        {"type": "MaskEdBoxGrenzpunkte", "text": "8"}, {"click": "chkUnterlagen"}])j");
    QCOMPARE(gebühr.toStdString(), z.gebühr);
    QCOMPARE(json, z.json);
    QVERIFY(json.find("Flst.Nr. 123/5") != std::string::npos);
}

void Hauptfenster::kategorie3MitZweiGebaeudenImRaster() {
    QAction* eintrag = Menüpunkt("&Gebühren", "&3  Einmessung von Gebäuden");
    QVERIFY(eintrag->isEnabled());
    eintrag->trigger();
    auto* tabelle = W<QTableView>("GridGebühren");
    QCOMPARE(tabelle->model()->rowCount(), 1);
    QCOMPARE(tabelle->model()->columnCount(), 6);
    ZelleSchreiben(1, 2, "80000", "GridGebühren");
    ZelleSchreiben(1, 3, "2", "GridGebühren");
    QCOMPARE(tabelle->model()->index(0, 5).data().toString(), QStringLiteral("  580,00"));
    ZelleWählen(1, 5, "GridGebühren");
    QTest::keyClick(tabelle, Qt::Key_Tab);
    QCOMPARE(tabelle->model()->rowCount(), 2);
    ZelleSchreiben(2, 1, "Flst.Nr. 123/5, Garage", "GridGebühren");
    ZelleSchreiben(2, 5, "333", "GridGebühren");
    Klicken("chkFortführung");
    QCOMPARE(tabelle->model()->index(0, 5).data().toString(), QStringLiteral("  406,00"));
    Eingeben("mskBrechpunkte", "3");
    Klicken("chkÜbernahme");
    QCOMPARE(W<QLineEdit>("mskBrechpunkte")->displayText(), QStringLiteral("    3"));
    Klicken("CommandEnde");
    FensterZu();
    std::string json = DokumentAlsJson(*host_->Dokument());

    Zwilling z = ZwillingSpielen(
        2, R"j([{"cell": "GridGebühren", "row": 1, "col": 2}, {"edit": "GridGebühren", "text": "80000"},
        {"cell": "GridGebühren", "row": 1, "col": 3}, {"edit": "GridGebühren", "text": "2"},
        {"cell": "GridGebühren", "row": 1, "col": 5}, {"key": "GridGebühren", "code": 9},
        {"cell": "GridGebühren", "row": 2, "col": 1}, {"edit": "GridGebühren", "text": "Flst.Nr. 123/5, Garage"},
        {"cell": "GridGebühren", "row": 2, "col": 5}, {"edit": "GridGebühren", "text": "333"},
        {"click": "chkFortführung"}, {"type": "mskBrechpunkte", "text": "3"}, {"click": "chkÜbernahme"}])j");
    QCOMPARE(json, z.json);
    QVERIFY(json.find("Betrag :  €   153,99 Ihr Anteil  333/1000") != std::string::npos);
}

// Category 5 as on the window models; then, saved, it is undone from the menu, file and record, and
// redone again.
void Hauptfenster::kategorie5MitTastenUndKlicksUndRueckgaengig() {
    const std::string vorher = Datei(beispiel_->Rechnung());
    QAction* rückgängig = Menüpunkt("&Bearbeiten", "&Rückgängig");
    QAction* wiederherstellen = Menüpunkt("&Bearbeiten", "&Wiederherstellen");
    QVERIFY(!rückgängig->isEnabled());
    host_->GebührÖffnen(4);
    QCOMPARE(host_->Bereich()->subWindowList().size(), 1);
    QCOMPARE(W<QLineEdit>("MaskEdBoxWert")->displayText(), QStringLiteral("    0,00"));
    Klicken("chkOrt");
    Eingeben("MaskEdBoxWert", "380000,4");
    Eingeben("mskMehrfach", "2");
    Klicken("MaskEdBoxWert");
    QCOMPARE(W<QLineEdit>("mskMehrfach")->displayText(), QStringLiteral("       2"));
    QTest::keyClick(W("MaskEdBoxWert"), Qt::Key_Return);
    QCOMPARE(W<QLineEdit>("MaskEdBoxWert")->displayText(), QStringLiteral(" 380.000"));
    Klicken("CommandEnde");
    FensterZu();
    QVERIFY(host_->Summentext().contains(QStringLiteral("189,00")));
    std::string json = DokumentAlsJson(*host_->Dokument());

    Zwilling z = ZwillingSpielen(4, R"j([{"click": "chkOrt"}, {"type": "MaskEdBoxWert", "text": "380000,4"},
        {"type": "mskMehrfach", "text": "2"}, {"key": "MaskEdBoxWert", "code": 13}])j");
    QCOMPARE(json, z.json);
    QVERIFY(json.find("Kovelund_5") != std::string::npos);

    QVERIFY(host_->Speichern());
    const std::string gerechnet = Datei(beispiel_->Rechnung());
    const QString summen = host_->Summentext();
    QVERIFY(rückgängig->isEnabled());
    rückgängig->trigger();
    QCOMPARE(Datei(beispiel_->Rechnung()), vorher);
    QVERIFY(host_->Summentext().contains(QStringLiteral("Rechnungsbetrag 0,00 €")));
    QVERIFY(DokumentAlsJson(*host_->Dokument()).find("Kovelund_5") == std::string::npos);
    QVERIFY(!rückgängig->isEnabled());
    wiederherstellen->trigger();
    QCOMPARE(Datei(beispiel_->Rechnung()), gerechnet);
    QCOMPARE(host_->Summentext(), summen);
    QVERIFY(!wiederherstellen->isEnabled());
}

// The kind is picked with the keys in the list over column 1, the quantity typed, Tab adds the next
// line; "&OK" writes the lines as the grid shows them.
void Hauptfenster::kategorie6MitListeUndTabImRaster() {
    QAction* eintrag = Menüpunkt("&Gebühren", "&6  Gebühren nach Zeitaufwand");
    QVERIFY(eintrag->isEnabled());
    eintrag->trigger();
    auto* tabelle = W<QTableView>("GridGebühren");
    auto* liste = W<QComboBox>("comKategorie");
    ZelleWählen(1, 1, "GridGebühren");
    QVERIFY(liste->isVisible());
    QVERIFY(tabelle->visualRect(tabelle->model()->index(0, 0)).intersects(liste->geometry()));
    liste->setFocus();
    QTest::keyClick(liste, Qt::Key_Down);
    QCOMPARE(liste->currentText(), QStringLiteral("Meßtruppführer"));
    ZelleSchreiben(1, 2, "3,2", "GridGebühren");
    QCOMPARE(tabelle->model()->index(0, 0).data().toString(), QStringLiteral("Meßtruppführer"));
    QCOMPARE(tabelle->model()->index(0, 1).data().toString(), QStringLiteral("3,5"));
    QCOMPARE(tabelle->model()->index(0, 3).data().toString().trimmed(), QStringLiteral("161,00"));
    ZelleWählen(1, 2, "GridGebühren");
    QTest::keyClick(tabelle, Qt::Key_Tab);
    QCOMPARE(tabelle->model()->rowCount(), 2);
    QTRY_VERIFY(liste->isVisible());
    QVERIFY(tabelle->visualRect(tabelle->model()->index(1, 0)).intersects(liste->geometry()));
    liste->setFocus();
    for (int i = 0; i < 9; ++i)
        QTest::keyClick(liste, Qt::Key_Down);
    QCOMPARE(liste->currentText(), QStringLiteral("Kraftfahrzeug"));
    ZelleSchreiben(2, 2, "123,9", "GridGebühren");
    Klicken("CommandEnde");
    FensterZu();

    std::vector<std::string> zeilen;
    for (const docx::Table& t : host_->Dokument()->Tables())
        if (Tabellenmarke(t) == "Kovelund_6")
            for (int r = 2; r <= t.Rows().Count(); ++r)
                zeilen.push_back(Zelltext(t.Cell(r, 3)) + "|" + Zelltext(t.Cell(r, 5)));
    QCOMPARE(zeilen, (std::vector<std::string>{"3,5 h|    161,00 €", "123 km|     56,58 €"}));
}

void Hauptfenster::kategorie4MitDenListenImRaster() {
    QAction* kategorie4 = Menüpunkt("&Gebühren", "&4  Langgestreckte Anlagen");
    QVERIFY(kategorie4->isEnabled());
    kategorie4->trigger();
    const char* raster = "GridGebühren";
    auto* tabelle = W<QTableView>(raster);
    auto tabZiel = [](QWidget* w) {
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisible());
        return w;
    };
    QCOMPARE(tabZiel(W("CommandLöschen")), W("mskFlächen"));
    QCOMPARE(tabZiel(W("mskFlächen")), W("chkZuschlag"));
    QCOMPARE(tabelle->model()->headerData(5, Qt::Horizontal).toString().trimmed(), QStringLiteral("neue GM"));
    ZelleSchreiben(1, 3, "250", raster);
    ZelleWählen(1, 7, raster);
    QTest::keyClick(tabelle, Qt::Key_Tab);
    QCOMPARE(tabelle->model()->rowCount(), 2);
    ZelleSchreiben(2, 1, "Flst.Nr. 211", raster);
    ZelleSchreiben(2, 3, "180", raster);
    ZelleWählen(2, 5, raster);
    auto* art = W<QComboBox>("comArt");
    QVERIFY(art->isVisible());
    QVERIFY(!W("comKategorie")->isVisible());
    QVERIFY(tabelle->visualRect(tabelle->model()->index(1, 4)).intersects(art->geometry()));
    art->setFocus();
    QTest::keyClick(art, Qt::Key_Down);
    QCOMPARE(art->currentText(), QStringLiteral("Ortslage"));
    ZelleWählen(2, 4, raster);
    QTRY_VERIFY(!art->isVisible());
    QCOMPARE(tabelle->model()->index(1, 4).data().toString(), QStringLiteral("Ortslage"));
    auto* seite = W<QComboBox>("comSeitig");
    QVERIFY(seite->isVisible());
    QVERIFY2(seite->width() >= seite->sizeHint().width(), "\"Seite 2\" is not cut off in the narrow column");
    seite->setFocus();
    QTest::keyClick(seite, Qt::Key_Down);
    ZelleWählen(2, 7, raster);
    QTRY_VERIFY(!seite->isVisible());
    QCOMPARE(tabelle->model()->index(1, 3).data().toString(), QStringLiteral("Seite 2"));
    Eingeben("mskFlächen", "2");
    Klicken("chkZuschlag");
    Klicken("chkVUnterlagen");
    QCOMPARE(W<QLineEdit>("mskFlächen")->displayText(), QStringLiteral("  2"));
    Klicken("CommandEnde");
    FensterZu();
    std::string json = DokumentAlsJson(*host_->Dokument());

    Zwilling z = ZwillingSpielen(
        3, R"j([{"cell": "GridGebühren", "row": 1, "col": 3}, {"edit": "GridGebühren", "text": "250"},
        {"cell": "GridGebühren", "row": 1, "col": 7}, {"key": "GridGebühren", "code": 9},
        {"cell": "GridGebühren", "row": 2, "col": 1}, {"edit": "GridGebühren", "text": "Flst.Nr. 211"},
        {"cell": "GridGebühren", "row": 2, "col": 3}, {"edit": "GridGebühren", "text": "180"},
        {"cell": "GridGebühren", "row": 2, "col": 5}, {"choose": "comArt", "text": "Ortslage"},
        {"cell": "GridGebühren", "row": 2, "col": 4}, {"choose": "comSeitig", "text": "Seite 2"},
        {"cell": "GridGebühren", "row": 2, "col": 7}, {"type": "mskFlächen", "text": "2"},
        {"click": "chkZuschlag"}, {"click": "chkVUnterlagen"}])j");
    QCOMPARE(json, z.json);
    QVERIFY(json.find("Ortslage, Seite 2") != std::string::npos);
    QVERIFY(json.find("Kovelund_4") != std::string::npos);
}

// The pictures are taken on a temporary copy: closing its changed invoice must not wait for an answer.
void Hauptfenster::bildschirmfotosFragenNichtNachDemSpeichern() {
    QTemporaryDir bilder;
    int ergebnis = -1;
    QStringList fragen = DialogeSchließen([&] { ergebnis = gui::BildschirmfotosAufnehmen(bilder.path()); });
    QCOMPARE(ergebnis, 0);
    QVERIFY2(fragen.isEmpty(), qPrintable(fragen.join(QStringLiteral(", "))));
    for (const char* bild : {"kovelund-gui.png", "frmKat1.png", "frmKat2.png", "frmKat3.png", "frmKat4.png",
                             "frmKat5.png", "frmKat6.png", "Seitenansicht.png"})
        QVERIFY(QFileInfo::exists(bilder.filePath(QString::fromUtf8(bild))));
    QVERIFY2(Fenster().Standardinstanz(1) == nullptr, "the open window goes with the host");
}

void Hauptfenster::ueberKovelundNenntDieVolleVersion() {
    QApplication::setApplicationVersion(QStringLiteral("0.1.0.abc1234"));
    QAction* über = Menüpunkt("&Hilfe", "Ü&ber Kovelund …");
    QString text;
    QTimer::singleShot(0, [&text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        text = box->text();
        box->accept();
    });
    über->trigger();
    QVERIFY2(text.startsWith(QStringLiteral("Kovelund 0.1.0.abc1234")), qPrintable(text));
}

QTEST_MAIN(Hauptfenster)
#include "test_Hauptfenster.moc"

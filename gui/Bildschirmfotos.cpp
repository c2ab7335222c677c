#include "gui/Bildschirmfotos.h"

#include "component/Fensterregister.h"
#include "forms/frmKat1/frmKat1.h"
#include "forms/frmKat2/frmKat2.h"
#include "forms/frmKat3/frmKat3.h"
#include "forms/frmKat4/frmKat4.h"
#include "forms/frmKat5/frmKat5.h"
#include "forms/frmKat6/frmKat6.h"
#include "gui/Hauptfenster.h"
#include "gui/Seitenansicht.h"
#include "host/Vorlage.h"

#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>

namespace kovelund::gui {

namespace {

void Warten() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

QMdiSubWindow* Unterfenster(Hauptfenster& host, const char* name) {
    for (QMdiSubWindow* unter : host.Bereich()->subWindowList())
        if (unter->findChild<QWidget*>(QString::fromUtf8(name))) return unter;
    return nullptr;
}

bool Speichern(QWidget* widget, const QString& datei) {
    Warten();
    if (widget && widget->grab().save(datei)) return true;
    std::fprintf(stderr, "kovelund-gui: cannot write %s\n", datei.toUtf8().constData());
    return false;
}

/// Opens window `index` in the host, lets `eingeben` fill it in as a user would and writes the picture
/// of its frame into `verzeichnis` under the window's name; gives the window, still open, or none when
/// it did not open.
template <class Fensterklasse>
Fensterklasse* Aufnehmen(Hauptfenster& host, int index, void (*eingeben)(Fensterklasse&),
                         const QString& verzeichnis, bool& gut) {
    host.GebührÖffnen(index);
    auto* fenster = dynamic_cast<Fensterklasse*>(Fenster().Standardinstanz(index));
    if (fenster == nullptr) return nullptr;
    eingeben(*fenster);
    QMdiSubWindow* unter = Unterfenster(host, fenster->Name().c_str());
    if (unter) unter->adjustSize();
    QString datei = verzeichnis + QStringLiteral("/%1.png").arg(QString::fromStdString(fenster->Name()));
    gut = Speichern(unter, datei) && gut;
    return fenster;
}

void Eingeben(ui::TextBox& feld, const char* text) {
    feld.SetFocus();
    feld.Type(text);
}

// Two parcels, one of them paid only in part, eight boundary points and two technician hours.
void Kategorie1(frmKat1& f) {
    f.GridGebühren1.Select(1, 3);
    f.GridGebühren1.Edit("620");
    f.CommandNeu.Press();
    f.GridGebühren1.Select(1, 1);
    f.GridGebühren1.Edit("Flst.Nr. 123/5");
    f.GridGebühren1.Select(1, 3);
    f.GridGebühren1.Edit("230");
    Eingeben(f.MaskEdBoxGrenzpunkte, "8");
    Eingeben(f.mskHTechniker, "2");
    Eingeben(f.MaskEdBoxKM, "18");
    f.chkUnterlagen.Toggle();
    f.GridGebühren1.Select(2, 2);
}

// Two buildings, the second one billed at half, four break points and the survey documents.
void Kategorie3(frmKat3& f) {
    const struct {
        int zeile, spalte;
        const char* text;
    } einträge[] = {{1, 2, "180000"}, {1, 3, "2"},  {1, 4, "10"}, {2, 1, "Flst.Nr. 123/5, Garage"},
                    {2, 2, "40000"},  {2, 5, "500"}};
    for (const auto& e : einträge) {
        // Tab in the last column of the last row adds the next building.
        if (e.zeile > f.GridGebühren.Rows()) {
            f.GridGebühren.Select(e.zeile - 1, 5);
            f.GridGebühren.PressKey(ui::vbKeyTab, 0);
        }
        f.GridGebühren.Select(e.zeile, e.spalte);
        f.GridGebühren.Edit(e.text);
    }
    Eingeben(f.mskBrechpunkte, "4");
    f.chkVUnterlagen.Toggle();
    f.GridGebühren.Select(2, 2);
}

// With site inspection, a building of 380.000 € and two copies; the value box shows it in whole euros.
void Kategorie5(frmKat5& f) {
    f.chkOrt.Toggle();
    Eingeben(f.MaskEdBoxWert, "380000");
    Eingeben(f.mskMehrfach, "2");
    f.MaskEdBoxWert.SetFocus();
}

void Kategorie2(frmKat2& f) {
    Eingeben(f.msk100, "12");
    f.chkUnterlagen.Toggle();
    Eingeben(f.mskHTechniker, "3,5");
    Eingeben(f.mskHGehilfen, "3,5");
    Eingeben(f.MaskEdBoxKM, "24");
    f.chkVUnterlagen.Toggle();
    f.MaskEdBoxAnteil.SetFocus();
}

// A surveying team leader's hours, the kilometres driven and a day of a special instrument, each
// kind picked from the list over its line.
void Kategorie6(frmKat6& f) {
    ui::Grid& g = f.GridGebühren;
    auto zeile = [&](int r, const char* art, const char* menge) {
        g.Select(r, 1);
        f.comKategorie.SetFocus();
        f.comKategorie.Choose(art);
        g.SetFocus();
        g.Select(r, 2);
        g.Edit(menge);
    };
    g.SetFocus();
    zeile(1, "Meßtruppführer", "3,2");
    g.PressKey(ui::vbKeyTab, 0);
    zeile(2, "Kraftfahrzeug", "123,9");
    g.PressKey(ui::vbKeyTab, 0);
    zeile(3, "Spezialinstrument außen bis 4h", "1");
}

// A road section of 250 m, a second one on both sides in "Ortslage", area computations, the surcharge and the
// survey documents; the side of the new line is being chosen in its list.
void Kategorie4(frmKat4& f) {
    ui::Grid& g = f.GridGebühren;
    g.SetFocus();
    g.Select(1, 3);
    g.Edit("250");
    g.Select(1, 7);
    g.PressKey(ui::vbKeyTab, 0);
    g.Edit("Flst.Nr. 211");
    g.Select(2, 3);
    g.Edit("180");
    g.Select(2, 5);
    f.comArt.SetFocus();
    f.comArt.Choose("Ortslage");
    g.SetFocus();
    Eingeben(f.mskFlächen, "2");
    f.chkZuschlag.Toggle();
    f.chkVUnterlagen.Toggle();
    g.SetFocus();
    g.Select(2, 4);
}

} // namespace

int BildschirmfotosAufnehmen(const QString& verzeichnis) {
    QTemporaryDir arbeit;
    std::filesystem::path ordner = arbeit.path().toStdString();
    Initialisieren(ordner);
    QDir().mkpath(verzeichnis);

    Hauptfenster host;
    host.RechnungÖffnen(ordner / "Rechnung.docx");
    host.DatenbankÖffnen(ordner / "host.sqlite");
    host.resize(1500, 940);
    host.show();
    Warten();

    bool gut = true;
    if (auto* kat1 = Aufnehmen(host, 0, Kategorie1, verzeichnis, gut)) kat1->CommandEnde.Press();
    if (auto* kat3 = Aufnehmen(host, 2, Kategorie3, verzeichnis, gut)) kat3->CommandAbbruch.Press();
    if (auto* kat4 = Aufnehmen(host, 3, Kategorie4, verzeichnis, gut)) kat4->CommandEnde.Press();
    if (auto* kat5 = Aufnehmen(host, 4, Kategorie5, verzeichnis, gut)) kat5->CommandEnde.Press();
    if (auto* kat6 = Aufnehmen(host, 5, Kategorie6, verzeichnis, gut)) kat6->CommandAbbruch.Press();
    if (Aufnehmen(host, 1, Kategorie2, verzeichnis, gut)) {
        // The host's picture shows the category 2 window open in its corner.
        if (QMdiSubWindow* unter = Unterfenster(host, "frmKat2")) unter->move(0, 0);
    }
    gut = Speichern(&host, verzeichnis + QStringLiteral("/kovelund-gui.png")) && gut;
    // The preview's picture shows a whole page width.
    if (auto* seite = host.findChild<QDockWidget*>(QStringLiteral("SeiteDock"))) {
        host.resize(1900, 1000);
        host.resizeDocks({seite}, {840}, Qt::Horizontal);
    }
    gut = Speichern(host.Seite(), verzeichnis + QStringLiteral("/Seitenansicht.png")) && gut;
    host.OhneSpeichernSchließen();
    return gut ? 0 : 1;
}

} // namespace kovelund::gui

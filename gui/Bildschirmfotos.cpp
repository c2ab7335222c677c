#include "gui/Bildschirmfotos.h"

#include "component/Fensterregister.h"
#include "forms/frmKat1/frmKat1.h"
#include "forms/frmKat2/frmKat2.h"
#include "forms/frmKat4/frmKat4.h"
#include "gui/Hauptfenster.h"
#include "host/Vorlage.h"

#include <QApplication>
#include <QDir>
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
        if (unter->widget() && unter->widget()->objectName() == QString::fromUtf8(name)) return unter;
    return nullptr;
}

bool Speichern(QWidget* widget, const QString& datei) {
    Warten();
    if (widget && widget->grab().save(datei)) return true;
    std::fprintf(stderr, "kovelund-gui: cannot write %s\n", datei.toUtf8().constData());
    return false;
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

void Kategorie2(frmKat2& f) {
    Eingeben(f.msk100, "12");
    f.chkUnterlagen.Toggle();
    Eingeben(f.mskHTechniker, "3,5");
    Eingeben(f.mskHGehilfen, "3,5");
    Eingeben(f.MaskEdBoxKM, "24");
    f.chkVUnterlagen.Toggle();
    f.MaskEdBoxAnteil.SetFocus();
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

/// Opens window `index` in the host, plays `sitzung` on it and writes its picture, named after the
/// window; the window stays open. `gut` turns false when the picture could not be written.
template <class Rechner>
Rechner* Aufnehmen(Hauptfenster& host, int index, void (*sitzung)(Rechner&), const QString& verzeichnis,
                   bool& gut) {
    host.GebührÖffnen(index);
    auto* fenster = dynamic_cast<Rechner*>(Fenster().Standardinstanz(index));
    if (!fenster) return nullptr;
    sitzung(*fenster);
    QMdiSubWindow* unter = Unterfenster(host, fenster->Name().c_str());
    if (unter) unter->adjustSize();
    gut = Speichern(unter,
                    verzeichnis + QStringLiteral("/%1.png").arg(QString::fromStdString(fenster->Name()))) &&
          gut;
    return fenster;
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
    if (auto* kat4 = Aufnehmen(host, 3, Kategorie4, verzeichnis, gut)) kat4->CommandEnde.Press();
    // The last window stays open for the picture of the host window.
    if (Aufnehmen(host, 1, Kategorie2, verzeichnis, gut))
        if (QMdiSubWindow* unter = Unterfenster(host, "frmKat2")) unter->move(0, 0);
    gut = Speichern(&host, verzeichnis + QStringLiteral("/kovelund-gui.png")) && gut;
    host.OhneSpeichernSchließen();
    return gut ? 0 : 1;
}

} // namespace kovelund::gui

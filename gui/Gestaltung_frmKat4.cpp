#include "gui/Formularansicht.h"
#include "gui/Gestaltung.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace kovelund::gui {

// The sections of the facility fill the window; below them the area computations and the three
// boxes, in this order for the focus too. The window shows no running fee: the fee is computed when
// "&OK" writes the statement.
void frmKat4Gestalten(Formularansicht& a) {
    QHBoxLayout* abschnitte = Rasterliste(a, "GridGebühren", {"comKategorie", "comSeitig", "comArt"}, 8);
    auto* flächen = Felder(a, {{"lblFlächen", "mskFlächen"}});
    Feldbreite(a, "mskFlächen", 4);

    auto* kästchen = new QVBoxLayout;
    for (const char* box : {"chkZuschlag", "chkVUnterlagen", "chkÜbernahme"})
        kästchen->addWidget(a.Element(box));
    kästchen->addStretch();

    auto* unten = new QHBoxLayout;
    unten->addLayout(flächen);
    unten->addSpacing(32);
    unten->addLayout(kästchen);
    unten->addStretch();

    auto* fenster = new QVBoxLayout(&a);
    fenster->addLayout(abschnitte, 1);
    fenster->addLayout(unten);
    fenster->addLayout(Knopfleiste(a, {"CommandEnde", "CommandAbbruch"}));
}

} // namespace kovelund::gui

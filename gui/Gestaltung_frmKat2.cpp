#include "gui/Formularansicht.h"
#include "gui/Gestaltung.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace kovelund::gui {

// Kind of work, then the parcel's data, the surcharges and the field expenses; the running fee
// stands at the foot of the right column, above the buttons.
void frmKat2Gestalten(Formularansicht& a) {
    auto* art = new QVBoxLayout;
    for (const char* option : {"optArt(0)", "optArt(1)", "optArt(2)"})
        art->addWidget(a.Element(option));

    auto* daten = Felder(a, {{"lblFlst", "TextboxFlst"},
                             {"lblGrenzpunkte", "msk100"},
                             {"lblBodenwert", "MaskEdBoxWert"},
                             {"lblAnteil", "MaskEdBoxAnteil"},
                             {nullptr, "chkT10_11"}});
    Feldbreite(a, "TextboxFlst", 14);
    Feldbreite(a, "msk100", 3);
    Feldbreite(a, "MaskEdBoxWert", 9);
    Feldbreite(a, "MaskEdBoxAnteil", 5);

    auto* zuschläge = new QVBoxLayout;
    zuschläge->addWidget(a.Element("chkUnterlagen"));
    zuschläge->addWidget(a.Element("chkVerhältnisse"));

    auto* aufwand = Felder(a, {{"lblTechniker", "mskHTechniker"},
                               {"lblGehilfen", "mskHGehilfen"},
                               {"lblKM", "MaskEdBoxKM"},
                               {"lblTageskm", "txtTageskm"},
                               {nullptr, "chkVUnterlagen"},
                               {nullptr, "chkÜbernahme"}});
    Feldbreite(a, "mskHTechniker", 6);
    Feldbreite(a, "mskHGehilfen", 6);
    Feldbreite(a, "MaskEdBoxKM", 4);
    Feldbreite(a, "txtTageskm", 4);
    Zahlenfeld(a, "txtTageskm");

    auto* links = new QVBoxLayout;
    links->addWidget(Gruppe(a, "fraArt", art));
    links->addWidget(Gruppe(a, "fraDaten", daten));
    links->addStretch();

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(Gruppe(a, "fraZuschläge", zuschläge));
    rechts->addWidget(Gruppe(a, "fraAufwendungen", aufwand));
    rechts->addStretch();
    rechts->addWidget(Gebührenanzeige(a, "lblGebührText", "lblGebühr"));

    auto* spalten = new QHBoxLayout;
    spalten->addLayout(links, 1);
    spalten->addLayout(rechts, 1);

    auto* fenster = new QVBoxLayout(&a);
    fenster->addLayout(spalten);
    fenster->addLayout(Knopfleiste(a, {"CommandEnde", "CommandAbbruch"}));
}

} // namespace kovelund::gui

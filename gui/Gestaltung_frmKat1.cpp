#include "gui/Formularansicht.h"
#include "gui/Gestaltung.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace kovelund::gui {

namespace {

// The kind of work and whether the parcels are listed singly.
QLayout* Kopf(Formularansicht& a) {
    auto* ja = new QHBoxLayout;
    ja->addWidget(a.Element("optJa(0)"));
    ja->addWidget(a.Element("optJa(1)"));
    ja->addStretch();
    auto* kopf = new QHBoxLayout;
    kopf->addWidget(a.Element("lblNr"));
    kopf->addWidget(a.Element("comArt"));
    kopf->addSpacing(24);
    kopf->addWidget(Gruppe(a, "fraFlurstücke", ja), 1);
    return kopf;
}

// The parcel list with its two buttons, or in its place the totals of fraAnzahl.
QLayout* Flurstücke(Formularansicht& a) {
    QHBoxLayout* mitListe = Rasterliste(a, "GridGebühren1", {"ComboBox4"});

    auto* summen = Felder(a, {{"lblFlächeEingabe", "MaskEdBoxFläche"},
                              {"lblWertEingabe", "MaskEdBoxWert"},
                              {"lblGesamtwert", "mskWert"},
                              {"lblAnzahl", "txtAnzahl"},
                              {"lblZusammenZahlen", "txtZusammenZahlen"}});
    for (const char* feld : {"MaskEdBoxFläche", "MaskEdBoxWert", "mskWert"})
        Feldbreite(a, feld, 12);
    Feldbreite(a, "txtAnzahl", 4);
    Feldbreite(a, "txtZusammenZahlen", 8);
    for (const char* feld : {"txtAnzahl", "txtZusammenZahlen"})
        Zahlenfeld(a, feld);

    auto* bereich = new QVBoxLayout;
    bereich->addLayout(mitListe, 1);
    bereich->addWidget(Gruppe(a, "fraAnzahl", summen));
    return bereich;
}

// Boundary points and share, the surcharge shares, the field hours and the travel.
QLayout* Eingaben(Formularansicht& a) {
    auto* punkte = Felder(a, {{"lblGrenzpunkte", "MaskEdBoxGrenzpunkte"}, {"lblAnteil", "MaskEdBoxAnteil"}});
    Feldbreite(a, "MaskEdBoxGrenzpunkte", 3);
    Feldbreite(a, "MaskEdBoxAnteil", 5);
    auto* mehr = Felder(a, {{"lblMehr_a", "MaskEdBoxMehr_a"},
                            {"lblMehr_b", "MaskEdBoxMehr_b"},
                            {"lblMehr_c", "MaskEdBoxMehr_c"}});
    for (const char* feld : {"MaskEdBoxMehr_a", "MaskEdBoxMehr_b", "MaskEdBoxMehr_c"})
        Feldbreite(a, feld, 4);
    auto* zeit = Felder(a, {{"lblTechniker", "mskHTechniker"}, {"lblGehilfen", "mskHGehilfen"}});
    Feldbreite(a, "mskHTechniker", 6);
    Feldbreite(a, "mskHGehilfen", 6);
    auto* fahrt = Felder(a, {{"lblKM", "MaskEdBoxKM"},
                             {"lblTageskm", "txtTageskm"},
                             {nullptr, "chkUnterlagen"},
                             {nullptr, "chkÜbernahme"}});
    Feldbreite(a, "MaskEdBoxKM", 4);
    Feldbreite(a, "txtTageskm", 4);
    Zahlenfeld(a, "txtTageskm");

    auto* links = new QVBoxLayout;
    links->addLayout(punkte);
    links->addStretch();
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(Gruppe(a, "fraZeitaufwand", zeit));
    rechts->addLayout(fahrt);
    rechts->addStretch();
    auto* eingaben = new QHBoxLayout;
    eingaben->addLayout(links);
    eingaben->addWidget(Gruppe(a, "fraMehraufwand", mehr), 1, Qt::AlignTop);
    eingaben->addLayout(rechts);
    return eingaben;
}

// What the fee is computed from, and the running fee itself.
QWidget* Ergebnis(Formularansicht& a) {
    auto* werte = Felder(
        a, {{"lblBodenwert", "lblWert"}, {"lblGesamtfläche", "lblFläche"}, {"lblZahlen", "txtzahlen"}});
    for (const char* wert : {"lblWert", "lblFläche"})
        a.Element<QLabel>(wert)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Feldbreite(a, "txtzahlen", 10);
    Zahlenfeld(a, "txtzahlen");
    auto* ergebnis = new QHBoxLayout;
    ergebnis->addLayout(werte);
    ergebnis->addSpacing(24);
    ergebnis->addWidget(Gebührenanzeige(a, "lblGebührText", "lblGebühr"), 1, Qt::AlignBottom);
    return Gruppe(a, "fraErgebnis", ergebnis);
}

} // namespace

void frmKat1Gestalten(Formularansicht& a) {
    auto* fenster = new QVBoxLayout(&a);
    fenster->addLayout(Kopf(a));
    fenster->addLayout(Flurstücke(a), 1);
    fenster->addLayout(Eingaben(a));
    fenster->addWidget(Ergebnis(a));
    fenster->addLayout(Knopfleiste(a, {"CommandEnde", "CommandAbbruch"}));
}

} // namespace kovelund::gui

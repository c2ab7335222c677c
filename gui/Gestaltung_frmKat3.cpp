#include "gui/Formularansicht.h"
#include "gui/Gestaltung.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace kovelund::gui {

// The buildings fill the window, each row showing its cost; below them what the whole statement
// adds: the cadastral update, the break points and the two expenses. The window has no running fee.
void frmKat3Gestalten(Formularansicht& a) {
    auto* gebäude = a.Element<QTableView>("GridGebühren");
    gebäude->setMinimumHeight(gebäude->fontMetrics().height() * 9);
    gebäude->horizontalHeader()->setStretchLastSection(true);
    // As wide as its columns: a narrower grid scrolls the parcel texts out of view.
    gebäude->setMinimumWidth(gebäude->horizontalHeader()->length() +
                             gebäude->verticalHeader()->sizeHint().width() +
                             gebäude->verticalScrollBar()->sizeHint().width() + 2 * gebäude->frameWidth());
    auto* knöpfe = new QVBoxLayout;
    knöpfe->addWidget(a.Element("CommandNeu"));
    knöpfe->addWidget(a.Element("CommandLöschen"));
    knöpfe->addStretch();
    auto* liste = new QHBoxLayout;
    liste->addWidget(gebäude, 1);
    liste->addLayout(knöpfe);

    auto* statement = new QVBoxLayout;
    statement->addWidget(a.Element("chkFortführung"));
    statement->addLayout(Felder(a, {{"lblBrechpunkte", "mskBrechpunkte"}}));
    Feldbreite(a, "mskBrechpunkte", 6);

    auto* auslagen = new QVBoxLayout;
    auslagen->addWidget(a.Element("chkVUnterlagen"));
    auslagen->addWidget(a.Element("chkÜbernahme"));
    auto* auslagenGruppe = new QGroupBox(QStringLiteral("Auslagen"), &a);
    auslagenGruppe->setLayout(auslagen);

    auto* unten = new QHBoxLayout;
    unten->addLayout(statement, 1);
    unten->addWidget(auslagenGruppe, 0, Qt::AlignTop);

    auto* fenster = new QVBoxLayout(&a);
    fenster->addLayout(liste, 1);
    fenster->addLayout(unten);
    fenster->addLayout(Knopfleiste(a, {"CommandEnde", "CommandAbbruch"}));
}

} // namespace kovelund::gui

#include "gui/Bindung.h"
#include "gui/Formularansicht.h"
#include "gui/Gestaltung.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Form.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace kovelund::gui {

namespace {

// The list over column 1 is as narrow as the column; opened, it shows every kind whole.
void ListeVollAufklappen(Formularansicht& a, const char* name) {
    auto* liste = a.Element<QComboBox>(name);
    const auto* modell = dynamic_cast<const ui::ComboBox*>(a.Form().Find(name));
    int breite = 0;
    for (int i = 0; modell && i < modell->ListCount(); ++i)
        breite = std::max(breite, liste->fontMetrics().horizontalAdvance(Q(modell->List(i))));
    QAbstractItemView* aufgeklappt = liste->view();
    aufgeklappt->setMinimumWidth(breite + aufgeklappt->verticalScrollBar()->sizeHint().width() +
                                 2 * aufgeklappt->frameWidth() + 16);
}

} // namespace

// The grid of resources fills the window, as wide as its four columns so that no cost is cut off;
// the commands for its lines stand right below it, the closing buttons at the foot.
void frmKat6Gestalten(Formularansicht& a) {
    auto* raster = a.Element<QTableView>("GridGebühren");
    a.Überlagern("comKategorie", "GridGebühren");
    ListeVollAufklappen(a, "comKategorie");
    raster->setMinimumHeight(raster->fontMetrics().height() * 12);
    raster->setMinimumWidth(raster->horizontalHeader()->length() +
                            raster->verticalHeader()->sizeHint().width() +
                            raster->verticalScrollBar()->sizeHint().width() + 2 * raster->frameWidth());
    raster->horizontalHeader()->setStretchLastSection(true);

    auto* zeilen = new QHBoxLayout;
    zeilen->addWidget(a.Element("CommandNeu"));
    zeilen->addWidget(a.Element("CommandLöschen"));
    zeilen->addStretch();

    auto* fenster = new QVBoxLayout(&a);
    fenster->addWidget(raster, 1);
    fenster->addLayout(zeilen);
    fenster->addLayout(Knopfleiste(a, {"CommandEnde", "CommandAbbruch"}));
}

} // namespace kovelund::gui

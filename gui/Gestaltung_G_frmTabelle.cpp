#include "gui/Formularansicht.h"
#include "gui/Gestaltung.h"

#include <QGroupBox>
#include <QVBoxLayout>
#include <string>

namespace kovelund::gui {

// A new entry first, then the existing ones, then the table at the cursor; the confirming button.
void G_frmTabelleGestalten(Formularansicht& a) {
    auto* optionen = new QVBoxLayout;
    optionen->addWidget(a.Element("optNeu"));
    for (int i = 0; i < 5; ++i)
        optionen->addWidget(a.Element("optTabelle(" + std::to_string(i) + ")"));
    optionen->addWidget(a.Element("optAktTabelle"));

    auto* fenster = new QVBoxLayout(&a);
    fenster->addWidget(Gruppe(a, "fraTabelle", optionen));
    fenster->addLayout(Knopfleiste(a, {"cmdEnde"}));
}

} // namespace kovelund::gui

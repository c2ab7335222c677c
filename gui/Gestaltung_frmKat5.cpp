#include "gui/Formularansicht.h"
#include "gui/Gestaltung.h"

#include <QVBoxLayout>

namespace kovelund::gui {

// The three inputs in the order the certificate is billed: site inspection, building value, copies.
// The window shows no running fee; "&OK" writes it.
void frmKat5Gestalten(Formularansicht& a) {
    auto* felder =
        Felder(a, {{nullptr, "chkOrt"}, {"lblWert", "MaskEdBoxWert"}, {"lblMehrfach", "mskMehrfach"}});
    Feldbreite(a, "MaskEdBoxWert", 12);
    Feldbreite(a, "mskMehrfach", 9);

    auto* fenster = new QVBoxLayout(&a);
    fenster->addLayout(felder);
    fenster->addLayout(Knopfleiste(a, {"CommandEnde", "CommandAbbruch"}));
}

} // namespace kovelund::gui

#include "forms/Aufwandsfelder.h"

#include "common/Funktionen.h"
#include "common/Texte.h"
#include "document/Zelltext.h"

namespace kovelund {

Aufwand Aufwandsfelder::Werte() const {
    return {stundenFachkraft.Text(), stundenHilfskraft.Text(), kilometer.Text(), CVal(fahrzeugtage.Text())};
}

bool Aufwandsfelder::ZeileLesen(std::string_view tarif, std::string_view bezeichnung,
                                std::string_view menge) {
    if (BeginntMit(tarif, "15.3")) {
        if (BeginntMit(bezeichnung, "Einsatz von Kraftfahrzeugen bis"))
            fahrzeugtage.SetText(Mengentext(ZahlschriftLesen(menge, zahlform), 3));
        else
            kilometer.SetText(WertFormatieren(menge, 3, 0));
    } else if (BeginntMit(tarif, "15.1.3")) {
        stundenFachkraft.SetText(WertFormatieren(menge, 5, 1));
    } else if (BeginntMit(tarif, "15.1.4")) {
        stundenHilfskraft.SetText(WertFormatieren(menge, 5, 1));
    } else if (BeginntMit(tarif, unterlagenTarif)) {
        unterlagen.SetValue(ui::vbChecked);
    } else if (BeginntMit(tarif, übernahmeTarif)) {
        übernahme.SetValue(ui::vbChecked);
    } else {
        return false;
    }
    return true;
}

} // namespace kovelund

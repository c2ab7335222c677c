#include "document/Aufwand.h"

#include "common/Funktionen.h"
#include "common/Texte.h"

#include <algorithm>

namespace kovelund {

double Vermessungsunterlagen(double staffelgebühr) {
    return std::min(0.2 * staffelgebühr, VermessungsunterlagenHöchstens);
}

void Aufwandszeilen(Abrechnung& a, const Aufwand& aufwand) {
    double fachkraft = CVal(aufwand.stundenFachkraft);
    double hilfskraft = CVal(aufwand.stundenHilfskraft);
    double kilometer = CVal(aufwand.kilometer);
    if (fachkraft > 0)
        a.Gebühr("15.1.3", "Aussenarbeiten von vermessungstechnischen Fachkräften",
                 Trimmen(aufwand.stundenFachkraft) + " Stunden", "x 41,00  €",
                 fachkraft * StundensatzFachkraft);
    if (hilfskraft > 0)
        a.Gebühr("15.1.4", "Aussenarbeiten von vermessungstechnischen Hilfskräften",
                 Trimmen(aufwand.stundenHilfskraft) + " Stunden", "x 30,60  €",
                 hilfskraft * StundensatzHilfskraft);
    if (kilometer > 0)
        a.Gebühr("15.3", "Einsatz von Kraftfahrzeugen", Trimmen(aufwand.kilometer) + " km", "x 0,46 €/km ",
                 kilometer * Kilometersatz);
    if (aufwand.fahrzeugtage > 0)
        a.Gebühr("15.3", "Einsatz von Kraftfahrzeugen bis 10 km",
                 Zahlschrift(aufwand.fahrzeugtage, a.Zahlen()) + " Arbeitstage", "x 5,00 € ",
                 aufwand.fahrzeugtage * Fahrzeugtagessatz);
}

Zeile& VermessungsunterlagenZeile(Abrechnung& a, double staffelgebühr) {
    return a.Auslage("5.3.1", "Vermessungsunterlagen", "20% der Gebühr nach Gebührenstaffel", "max. 184,06 €",
                     Vermessungsunterlagen(staffelgebühr));
}

} // namespace kovelund

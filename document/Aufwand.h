#pragma once
// The rows of field expenses that several statements bill alike: technicians' and assistants'
// hours, kilometres driven, vehicle days within 10 km, and the survey documents of tariff 5.3.1.

#include "document/Abrechnung.h"

#include <string>

namespace kovelund {

/// The rates of tariff 15: an hour of a surveying technician (15.1.3) and of an assistant (15.1.4),
/// a kilometre driven and a vehicle day within 10 km (15.3).
inline constexpr double StundensatzFachkraft = 41.00;
inline constexpr double StundensatzHilfskraft = 30.60;
inline constexpr double Kilometersatz = 0.46;
inline constexpr double Fahrzeugtagessatz = 5.00;

/// The survey documents (5.3.1) are 20 % of the scale fee, at most this.
inline constexpr double VermessungsunterlagenHöchstens = 184.06;
double Vermessungsunterlagen(double staffelgebühr);

/// The field expenses as the window's fields hold them.
struct Aufwand {
    std::string stundenFachkraft;
    std::string stundenHilfskraft;
    std::string kilometer;
    double fahrzeugtage = 0;
};

/// One fee row for each expense above 0: 15.1.3, 15.1.4, 15.3 by kilometres, 15.3 by days.
void Aufwandszeilen(Abrechnung& abrechnung, const Aufwand& aufwand);

/// The expense row of the survey documents, 20 % of `staffelgebühr`, capped.
Zeile& VermessungsunterlagenZeile(Abrechnung& abrechnung, double staffelgebühr);

} // namespace kovelund

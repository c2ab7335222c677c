#pragma once
// The value-graded fee scales of the fee schedule, as pure functions. Inputs are non-negative;
// results are euros. A failure (an input that is no finite number) is logged under "modStatus"
// with the function's name and gives 0.

namespace kovelund {

/// Gebührenstaffel 1: the fee by parcel area (m²) and land value (€/m²), with a value step for
/// each started 100 €/m² above 250 €/m² and an area step for each started 50.000 m² above 100.000 m².
double Gebührenstaffel1(const double& bodenwert, const double& fläche);

/// Staffel 3, Teil B: the amount per boundary point by the number of points and the land value,
/// with a step for each started 100 €/m² above 250 €/m². No points give 0.
double Grenzfeststellung_B(double bodenwert, double grenzpunkte);

/// The boundary certificate with a site inspection, by the building value in thousands of euros.
double Grenzbescheinigung_mit(const double& wertInTausend);

/// The boundary certificate without a site inspection, by the building value in thousands of euros.
double Grenzbescheinigung_ohne(const double& wertInTausend);

/// The building survey fee by construction costs; above 2.500.000 € it is 1,4 × √costs, unrounded.
double Gebäudevermessung(const double& baukosten);

} // namespace kovelund

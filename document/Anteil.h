#pragma once
// The customer's share of a fee, given in thousandths in a window's share field and written back
// into the statement's "Ihr Anteil beträgt " row.

#include <optional>
#include <string>
#include <string_view>

namespace kovelund {

/// One third as the boundary-marking statement bills it: the 15 digits it prints, not 1/3.
inline constexpr double DrittelAlsZahltext = 0.333333333333333;

/// The share a statement bills from the share field: "1000" or an empty field is the whole fee;
/// 333 thousandths stand for one third (`drittel`, exactly 1/3 unless a statement prints its own);
/// any other value for value / 1000.
double Anteil(std::string_view anteilFeld, double drittel = 1.0 / 3);

/// The running fees' share step: `betrag` for `tausendstel` thousandths, 333 being one third.
double Anteilig(double betrag, double tausendstel);

/// The thousandths of a share row that came from the share field ("Ihr Anteil beträgt 500/1000"
/// on its first line), trimmed; none for any other text, such as a share of the area.
std::optional<std::string> Tausendstel(std::string_view beschreibung);

/// The thousandths a text ends with behind the last `vor`: "… Ihr Anteil  500/1000" gives "500" for
/// `vor` "Ihr Anteil"; none unless only blanks and digits stand between `vor` and "/1000".
std::optional<std::string> TausendstelNach(std::string_view text, std::string_view vor);

} // namespace kovelund

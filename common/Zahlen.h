#pragma once
// The number texts of the German locale, written once and independent of the process locale:
// how the system turns doubles into text and text into doubles.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kovelund {

/// The general number format (what a double becomes whenever it turns into text): up to 15
/// significant digits, decimal comma, no grouping, no trailing zeros, no comma for whole numbers;
/// exponent form ("1E+16", "1,5E-05") outside 1e-4 <= |x| < 1e15. 100/3 -> "33,3333333333333".
std::string AlsText(double wert);

/// The plain number text: the digits of AlsText with a point as decimal separator and a leading
/// blank for values >= 0. 50 -> " 50", -2.5 -> "-2.5".
std::string AlsZahltext(double wert);

/// The leading number of a text: blanks skipped anywhere, optional sign, digits, one "." as decimal
/// point, optional exponent; reading stops at the first other character; nothing gives 0.
/// " 1 2.5x" -> 12.5. A number too large for a double fails with 6 (overflow).
double FührendeZahl(std::string_view text);

/// The value of a text that is, blanks trimmed, a whole number in the German format: optional sign,
/// digits with optional grouping points, optional decimal comma and digits, optional exponent.
/// Anything else gives no value. "1.250,5" -> 1250.5, "12a" -> none.
std::optional<double> DeutscheZahl(std::string_view text);

/// Grouping of the fixed formats: "#,##0.00" groups thousands with points, "0.00" does not.
enum class Gruppierung { Ohne, Tausender };

/// A fixed format with `dezimalen` decimals (0 to 3): "0.00", "#,##0", "#,##0.0", "#,##0.00",
/// "#,##0.000". Halves round away from zero on the number's 15-significant-digit decimal form, so
/// 2.675 -> "2,68" and 999.995 -> "1.000,00". A value that is not finite fails with 6 (overflow).
std::string Festformat(double wert, int dezimalen, Gruppierung gruppierung = Gruppierung::Tausender);

/// The text right-aligned in `breite` characters (the format "@@@@@@@@"); a longer text stays whole.
std::string Rechtsbündig(std::string_view text, std::size_t breite);

/// The greatest whole number not above the value.
double Int(double wert);

/// A double rounded half to even into a 16-bit integer; outside -32768 ... 32767 fails with 6.
std::int16_t AlsInteger(double wert);

/// A double rounded half to even into a 32-bit integer; outside its range fails with 6.
std::int32_t AlsLong(double wert);

} // namespace kovelund

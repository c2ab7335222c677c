#pragma once
// Numeric input, parsing and formatting of the calculator windows: reading a field's number,
// writing a number right-aligned in the German format, and the decimal-key and select-on-entry
// helpers of the input fields.

#include "common/Eingabefeld.h"

#include <string>
#include <string_view>

namespace kovelund {

/// The number of a field's or cell's text: the whole text when it is a German number, else the
/// number its leading digits, commas, points and minus signs make ("12,5 m" -> 12.5,
/// "1.250,00 €" -> 1250, "abc" -> 0). A collected text that is still no number ("-", "1-2") is
/// logged (module "Funktionen", procedure "CVal") and gives 0.
double CVal(std::string_view text);

/// The number right-aligned in `breite` characters with `dezimalen` decimals and German grouping
/// ("1234,567", 8, 2 -> "1.234,57"); a longer result is returned whole. A text the reading cannot
/// format goes on as far as it was built (logged as "Funktionen.WertFormatieren").
std::string WertFormatieren(std::string_view wert, int breite, int dezimalen);
/// The same for a double, which first becomes text in the general number format.
std::string WertFormatieren(double wert, int breite, int dezimalen);

/// The text with every occurrence of `suchen` replaced by `ersetzen`, case-sensitive.
std::string Tausche(std::string_view text, std::string_view suchen, std::string_view ersetzen);

/// The decimal key in an amount field: the integer part moves right to end at position
/// breite - dezimalen - 1, a comma with blank decimals follows, and the caret stands behind the
/// comma with the decimals selected, so that typing replaces them.
void Wert_Key(Eingabefeld& feld, int breite, int dezimalen);

/// Selects a field's whole text on entry (caret 0, 255 characters); errors are ignored.
void TextMarkieren(Eingabefeld& feld) noexcept;

} // namespace kovelund

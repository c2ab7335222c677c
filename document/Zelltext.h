#pragma once
// How the windows and the totals read a cell of a fee table back.

#include "platform/docx/Cell.h"

#include <string>

namespace kovelund {

/// The cell's text without its cell-end marks (CR + char 7): exactly the texts written into it.
std::string Zelltext(const docx::Cell& zelle);

/// A quantity read back from a statement for its field: a whole number right-aligned in `breite`
/// characters, as the field shows it; one with decimals in the general number format, so that
/// finishing the statement again bills the same quantity.
std::string Mengentext(double wert, int breite);

} // namespace kovelund

#pragma once
// How the windows and the totals read a cell of a fee table back.

#include "platform/docx/Cell.h"

#include <string>

namespace kovelund {

/// The cell's text without its cell-end marks (CR + char 7): exactly the texts written into it.
std::string Zelltext(const docx::Cell& zelle);

} // namespace kovelund

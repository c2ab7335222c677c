#pragma once
// A table's layout as a reader of the saved invoice sees it: per cell its text, bold, alignment,
// width and borders, read through the document engine. Layout tests then are short lists of
// expected rows, one line each, such as "2L* 5,6L* 4R 3,4R 2,5R 0,3R 0,3R 0,3R".

#include "platform/docx/Table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kovelund::test {

/// One cell as written: text without the cell-end marks, bold (docx::Tristate), alignment (0 left,
/// 1 centred, 2 right, 3 justified, docx::Undefined mixed), width in centimetres, visible borders.
struct Zellenlayout {
    std::string text;
    int fett = 0;
    int ausrichtung = 0;
    double breite = 0;
    bool rahmen = false;
};
using Zeilenlayout = std::vector<Zellenlayout>;

/// Every row of the table with every cell of the row.
std::vector<Zeilenlayout> LayoutLesen(const docx::Table& tabelle);

/// One row in one line, the cells separated by blanks: the width in centimetres (up to two
/// decimals, decimal comma), the alignment (L, Z, R, B; ? when mixed), then "*" for bold ("~" when
/// only partly) and "#" when the cell shows a border.
std::string Zeilenbild(const Zeilenlayout& zeile);

/// The rows of the table as Zeilenbild writes them.
std::vector<std::string> Layoutbild(const docx::Table& tabelle);

/// Whether the table has exactly these rows (Zeilenbild); a failure names each row that differs:
/// `EXPECT_TRUE(LayoutGleich(tabelle, {"4L 8L 3R 2,5R", ...}))`.
::testing::AssertionResult LayoutGleich(const docx::Table& tabelle, const std::vector<std::string>& erwartet);

} // namespace kovelund::test

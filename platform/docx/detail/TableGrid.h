#pragma once
// Rows, cells and the column grid of a table: the grid is rebuilt from the cells' own widths, so
// that cells of different rows may disagree and still render as set.

#include <pugixml.hpp>

#include <vector>

namespace kovelund::docx::detail {

/// The rows of a table (also inside row-level content controls), in order.
std::vector<pugi::xml_node> RowsOf(pugi::xml_node table);
/// The cells of a row (also inside cell-level content controls), in order.
std::vector<pugi::xml_node> CellsOf(pugi::xml_node row);
/// The row and the table of a cell.
pugi::xml_node RowOf(pugi::xml_node cell);
pugi::xml_node TableOf(pugi::xml_node cellOrRow);
/// Points to twentieths of a point, rounded once.
int Twips(double points);
/// Sets a cell's width (twips).
void SetCellWidth(pugi::xml_node cell, int twips);
/// Rebuilds w:tblGrid, gridSpan, gridBefore/After with wBefore/wAfter and the table width from the
/// cells' widths; a cell without a width in twips keeps the width its grid columns gave it.
void RebuildGrid(pugi::xml_node table);
/// Whether the grid follows from the widths alone: every cell has its width in twips and every row
/// its leading gap, so a rebuild after several width changes equals one after each.
bool GridFollowsWidths(pugi::xml_node table);

} // namespace kovelund::docx::detail

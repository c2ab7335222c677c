#pragma once
// Rows, cells and the column grid of a table: the grid is rebuilt from the cells' own widths, so
// that cells of different rows may disagree and still render as set.

#include <pugixml.hpp>

#include <cstring>
#include <vector>

namespace kovelund::docx::detail {

/// Visits the children named `name` of `parent`, also those one level inside a content control or a
/// custom XML element, in order, until `visit` returns false; false when it stopped early.
template <class Visit> bool ForEachThrough(pugi::xml_node parent, const char* name, Visit&& visit);

/// The rows of a table (also inside row-level content controls), in order.
std::vector<pugi::xml_node> RowsOf(pugi::xml_node table);
/// The cells of a row (also inside cell-level content controls), in order.
std::vector<pugi::xml_node> CellsOf(pugi::xml_node row);
/// How many rows a table and cells a row have, and the one at a place counted from 0 (a null node
/// past the end), without listing them: cells are looked up once for every cell a statement writes.
int RowCount(pugi::xml_node table);
int CellCount(pugi::xml_node row);
pugi::xml_node NthRow(pugi::xml_node table, int index);
pugi::xml_node NthCell(pugi::xml_node row, int index);
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

template <class Visit> bool ForEachThrough(pugi::xml_node parent, const char* name, Visit&& visit) {
    for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling()) {
        const char* own = c.name();
        if (std::strcmp(own, name) == 0) {
            if (!visit(c)) return false;
        } else if (std::strcmp(own, "w:sdt") == 0 || std::strcmp(own, "w:customXml") == 0) {
            pugi::xml_node inner = own[2] == 's' ? c.child("w:sdtContent") : c;
            for (pugi::xml_node n : inner.children(name))
                if (!visit(n)) return false;
        }
    }
    return true;
}

} // namespace kovelund::docx::detail

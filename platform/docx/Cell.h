#pragma once
// One cell of a table, addressed as the word processor does: row, and position of the cell within
// its row (not the grid column).

#include "platform/docx/Range.h"

namespace kovelund::docx {

/// Width rule of SetWidth: 0 = the neighbours keep their widths (the row grows or shrinks).
enum WidthRule { RuleFixedNeighbours = 0 };

class Cell {
public:
    Cell() = default;
    Cell(detail::DocumentState* doc, detail::Node cell) : doc_(doc), cell_(cell) {}

    /// The whole cell; its text ends with CR + char 7.
    docx::Range Range() const;
    /// Sets the cell's width in points (rounded once to twentieths) and rebuilds the table's grid;
    /// a negative width or another rule than 0 throws 5843.
    void SetWidth(double points, int rule);
    /// The cell's width in points; 0 when it has none in twentieths of a point.
    double Width() const;
    /// Whether any of the cell's four edges shows a line: the cell's own border for that edge, else
    /// the table's (its outer border at the table's edge, the inside border between cells); a table
    /// style's borders are not consulted.
    bool BordersVisible() const;
    /// Selects this cell.
    void Select() const;
    /// 1-based row of the cell in its table.
    int Row() const;
    /// 1-based position of the cell in its row.
    int Column() const;
    detail::Node Node() const { return cell_; }
    bool operator==(const Cell& other) const { return cell_ == other.cell_; }

private:
    detail::DocumentState* doc_ = nullptr;
    detail::Node cell_ = nullptr;
};

} // namespace kovelund::docx

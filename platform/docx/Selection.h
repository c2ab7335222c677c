#pragma once
// The selection: a file has no cursor of its own, so the host says where the cursor stands; the
// select calls of tables, columns, cells and ranges then set what the formatting calls act on.

#include "platform/docx/Range.h"
#include "platform/docx/Table.h"

#include <optional>
#include <string>
#include <vector>

namespace kovelund::docx {

/// Borders of Selection::SetBorderLineStyle.
enum BorderIndex {
    BorderTop = -1,
    BorderLeft = -2,
    BorderBottom = -3,
    BorderRight = -4,
    BorderHorizontal = -5,
    BorderVertical = -6
};
/// Paragraph alignments.
enum ParagraphAlignment { AlignLeft = 0, AlignCenter = 1, AlignRight = 2, AlignJustify = 3 };
/// Tab stop alignments and leaders.
enum TabAlignment { TabLeft = 0, TabCenter = 1, TabRight = 2, TabDecimal = 3, TabBar = 4 };
enum TabLeader { LeaderSpaces = 0, LeaderDots = 1, LeaderDashes = 2, LeaderLines = 3 };

class Selection {
public:
    explicit Selection(detail::DocumentState* doc) : doc_(doc) {}

    /// The host puts the cursor into the first cell of `table`.
    void SetCursor(const Table& table);
    /// The host puts the cursor outside any table (at the start of the main text).
    void ClearCursor();

    /// Whether the selection is in a table.
    bool InTable() const;
    /// The table the selection is in; outside a table throws 5941.
    Table CurrentTable() const;
    /// The selected text: a selected cell's range, the range from the first to the last selected
    /// cell, or the selected range.
    docx::Range Range() const;
    std::string Text() const;

    /// Extends a cell selection down by `count` rows (unit 5 line, extend 1; a row is one line),
    /// keeping the selected columns; stops at the last row. Other units or extend 0 throw 4605.
    void MoveDown(int unit, int count, int extend);
    /// Sets the width of every selected cell (see Cell::SetWidth); without cells throws 4605.
    void CellsSetWidth(double points, int rule);
    /// Line style of one border of the selected cells (-1 top ... -6 inside vertical): 0 none, any
    /// other a single line. A whole table sets the table's border and clears the cells' own; other
    /// indices throw 5941; without cells throws 4605.
    void SetBorderLineStyle(int borderIndex, int lineStyle);
    /// Alignment of the selected paragraphs: 0 left, 1 centred, 2 right, 3 justified; else 5843.
    void SetAlignment(int alignment);
    /// Adds a tab stop (position in points, alignment 0-4, leader 0-3) to the selected paragraphs,
    /// replacing one at the same position; bad values throw 5843.
    void AddTabStop(double points, int alignment, int leader);
    /// Font size in points of the selected text and paragraph marks; outside 1 ... 1638 throws 5843.
    void SetFontSize(double points);

    /// What Table/Column/Cell/Range::Select set: the selected cells (in row order), or a range.
    void SelectCells(detail::Node table, std::vector<detail::Node> cells);
    void SelectRange(const docx::Range& range);

private:
    std::vector<detail::Node> SelectedCells(const char* operation) const;
    std::vector<detail::Node> SelectedParagraphs() const;

    detail::DocumentState* doc_;
    detail::Node table_ = nullptr;
    std::vector<detail::Node> cells_;
    bool wholeTable_ = false;
    std::optional<docx::Range> range_;
};

} // namespace kovelund::docx

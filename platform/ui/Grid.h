#pragma once
// The grid: a table of text cells with data rows numbered from 1 and columns numbered from 1, the
// headings apart in row 0; a current cell, selected rows, row heights, column widths, alignments
// and the scroll position, all in twips.

#include "platform/ui/Control.h"

#include <functional>
#include <string>
#include <vector>

namespace kovelund::ui {

class Grid : public Control {
public:
    Grid(Form& form, std::string name);

    /// The number of data rows (the heading row not counted). Growing adds empty rows, shrinking
    /// drops rows from the end; the current row stays within the rows.
    int Rows() const noexcept { return static_cast<int>(cells_.size()); }
    void SetRows(int rows);
    int Cols() const noexcept { return cols_; }
    void SetCols(int cols);

    /// The current cell. Setting it fires EnterCell when it changes; a row or column outside the
    /// grid fails (30009, 30010).
    int Row() const noexcept { return row_; }
    void SetRow(int row);
    int Col() const noexcept { return col_; }
    void SetCol(int col);

    /// The text of a cell; row 0 is the heading row. A cell outside the grid fails (30009, 30010).
    std::string TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, std::string text);
    /// The text of the current cell.
    std::string Text() const { return TextMatrix(row_, col_); }
    void SetText(std::string text) { SetTextMatrix(row_, col_, std::move(text)); }

    /// Inserts a row before `index` (1 … Rows() + 1; by default at the end) whose cells take the
    /// tab-separated parts of `item`. The current row keeps its number, so a row inserted there
    /// becomes current.
    void AddItem(const std::string& item, int index = -1);
    /// Removes the row; the last remaining row cannot be removed (30015).
    void RemoveItem(int index);

    /// Selected rows, in ascending order.
    int SelectedRows() const noexcept;
    /// The row number of the `i`-th selected row (from 0); fails when there are fewer.
    int SelectedRow(int i) const;
    bool RowSelected(int row) const;
    void SetRowSelected(int row, bool selected);

    /// Row heights and column widths in twips; row 0 is the heading row.
    int RowHeight(int row) const;
    void SetRowHeight(int row, int twips);
    int ColWidth(int col) const;
    void SetColWidth(int col, int twips);
    /// The alignment value of a column (0 left, 1 right, as the windows set them).
    int ColAlignment(int col) const;
    void SetColAlignment(int col, int alignment);
    /// Whether the user may type into the cells of the column.
    bool ColEditable(int col) const;
    void SetColEditable(int col, bool editable);

    /// The left edge of a column and the top edge of a row inside the grid, in twips, as shown
    /// from the first visible row (TopRow) on.
    int ColPos(int col) const;
    int RowPos(int row) const;
    /// The first visible data row.
    int TopRow() const noexcept { return topRow_; }
    void SetTopRow(int row);

    /// The grid's place on the window, in twips.
    float Left() const noexcept { return left_; }
    void SetLeft(float left);
    float Top() const noexcept { return top_; }
    void SetTop(float top);

    /// Asks the view to commit the cell edit it has pending (EditFinishing() is true while the
    /// view is told); without a view there is nothing pending.
    void FinishEdit();
    bool EditFinishing() const noexcept { return finishing_; }

    /// The user clicks a cell: it becomes current and EnterCell fires, even when it was current.
    void Select(int row, int col);
    /// The user types a text into the current cell and leaves it: the text replaces the cell's,
    /// then CellEdited fires. A column that is not editable fails (5).
    void Edit(std::string text);
    /// The user presses a key in the grid: KeyDown; a key its handler left alone moves the current
    /// cell (Tab and Right to the next column, Left, Up and Down).
    void PressKey(int keyCode, int shift);
    /// The user selects exactly these rows.
    void SelectRows(const std::vector<int>& rows);

    std::function<void()> EnterCell;
    std::function<void()> CellEdited;
    std::function<void(int& keyCode, int shift)> KeyDown;

private:
    struct Column {
        std::string heading;
        int width = 1000;
        int alignment = 0;
        bool editable = true;
    };
    struct Zeile {
        std::vector<std::string> cells;
        int height = 240;
        bool selected = false;
    };

    void CheckRow(int row, bool headingAllowed) const;
    void CheckCol(int col) const;
    Zeile NewRow() const;
    void MoveTo(int row, int col);

    std::vector<Column> columns_;
    std::vector<Zeile> cells_;
    int cols_ = 0;
    int headingHeight_ = 240;
    int row_ = 0;
    int col_ = 0;
    int topRow_ = 1;
    float left_ = 0;
    float top_ = 0;
    bool finishing_ = false;
};

} // namespace kovelund::ui

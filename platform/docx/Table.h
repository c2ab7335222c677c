#pragma once
// The tables of the main text: enumeration in document order, creation at a range, deletion,
// rows, columns and cells.

#include "platform/docx/Cell.h"
#include "platform/docx/Collection.h"
#include "platform/docx/Range.h"

namespace kovelund::docx {

/// The cells at one position of every row (a row too short for it contributes none).
class Column {
public:
    Column(detail::DocumentState* doc, detail::Node table, int index)
        : doc_(doc), table_(table), index_(index) {}
    /// Sets the width of each of the column's cells in points and rebuilds the grid (see Cell::SetWidth).
    void SetWidth(double points, int rule);
    /// Selects the column's cells.
    void Select() const;

private:
    detail::DocumentState* doc_;
    detail::Node table_;
    int index_;
};

class Columns {
public:
    Columns(detail::DocumentState* doc, detail::Node table) : doc_(doc), table_(table) {}
    /// The largest number of cells in a row.
    int Count() const;
    /// Item(1) is the first column; an index outside 1 ... Count() throws 5941.
    Column Item(int index) const;

private:
    detail::DocumentState* doc_;
    detail::Node table_;
};

class Rows {
public:
    Rows(detail::DocumentState* doc, detail::Node table) : doc_(doc), table_(table) {}
    int Count() const;
    /// Appends a row like the last one (row and cell properties, each cell's first paragraph
    /// formatting), with empty cells.
    void Add();

private:
    detail::DocumentState* doc_;
    detail::Node table_;
};

class Table {
public:
    Table() = default;
    Table(detail::DocumentState* doc, detail::Node table) : doc_(doc), table_(table) {}

    /// Removes the table with the comments and bookmarks anchored in it and returns the insertion
    /// point at its place, so that Tables::Add there puts a new table exactly where it stood.
    docx::Range Delete();
    /// The whole table; its text is the cells' texts, each row ending with CR + char 7.
    docx::Range Range() const;
    /// The cell at position `column` of row `row` (both from 1); an index outside the table throws 5941.
    docx::Cell Cell(int row, int column) const;
    docx::Rows Rows() const { return {doc_, table_}; }
    docx::Columns Columns() const { return {doc_, table_}; }
    /// Selects all cells of the table.
    void Select() const;
    /// Whether any cell shows a line at any edge (see Cell::BordersVisible).
    bool BordersVisible() const;
    /// 1-based position among the tables of the main text; 0 for a deleted table.
    int Position() const;
    detail::Node Node() const { return table_; }
    bool operator==(const Table& other) const { return table_ == other.table_; }

private:
    detail::DocumentState* doc_ = nullptr;
    detail::Node table_ = nullptr;
};

/// The tables of the main text (children of the body, also inside content controls), in document
/// order; tables nested in cells or text boxes are not among them.
class Tables {
public:
    explicit Tables(detail::DocumentState* doc) : doc_(doc) {}
    int Count() const;
    /// Item(1) is the first; an index outside 1 ... Count() throws 5941.
    Table Item(int index) const;
    /// Adds a table of `rows` x `columns` empty cells (one paragraph each, single borders, fixed
    /// layout, the text width shared equally) at the start of `at`. At the start of a paragraph the
    /// table goes before that paragraph; inside one it splits it. The cells' paragraphs take the
    /// character formatting of that paragraph's mark (of the paragraph after `at` when it lies between
    /// blocks), as a table made of the paragraph does. The table always has a paragraph after it and
    /// never touches another table. Fewer than 1 or more than 63 columns, or fewer than
    /// 1 or more than 32767 rows throw 5843; a place between the rows or cells of a table throws 4605.
    Table Add(const Range& at, int rows, int columns);
    CollectionIterator<Tables, Table> begin() const { return {this, 1}; }
    CollectionIterator<Tables, Table> end() const { return {this, Count() + 1}; }

private:
    detail::DocumentState* doc_;
};

} // namespace kovelund::docx

#include "platform/docx/Table.h"

#include "platform/docx/DocxError.h"
#include "platform/docx/Selection.h"
#include "platform/docx/detail/DocumentState.h"
#include "platform/docx/detail/TableGrid.h"
#include "platform/docx/detail/Xml.h"

#include <algorithm>
#include <set>

namespace kovelund::docx {

using namespace detail;

namespace {

constexpr int DefaultTextWidth = 9638; // A4 with 2 cm margins, in twips

[[noreturn]] void NoMember(const std::string& what) {
    throw DocxError(error::NoSuchMember, what + ": the requested member of the collection does not exist");
}

// Measures read from a file are clamped to the largest page the word processor knows (22 inches).
long long Measure(pugi::xml_attribute a) {
    return std::clamp(a.as_llong(0), 0LL, 31680LL);
}

int TextWidth(pugi::xml_node body) {
    pugi::xml_node sectPr = body.child("w:sectPr");
    long long page = Measure(sectPr.child("w:pgSz").attribute("w:w"));
    pugi::xml_node margins = sectPr.child("w:pgMar");
    long long width = page - Measure(margins.attribute("w:left")) - Measure(margins.attribute("w:right"));
    return page > 0 && width > 0 ? static_cast<int>(width) : DefaultTextWidth;
}

void Border(pugi::xml_node borders, const char* side, const char* value) {
    pugi::xml_node b = Ensure(borders, side, BorderOrder);
    Set(b, "w:val", value);
    Set(b, "w:sz", std::string_view(value) == "none" ? "0" : "4");
    Set(b, "w:space", "0");
    Set(b, "w:color", "auto");
}

pugi::xml_node BuildTable(const Point& at, int rows, int columns, int width) {
    pugi::xml_node table = InsertAt(at, "w:tbl");
    pugi::xml_node tblPr = table.append_child("w:tblPr");
    pugi::xml_node tblW = tblPr.append_child("w:tblW");
    int column = width / columns;
    Set(tblW, "w:w", std::to_string(column * columns));
    Set(tblW, "w:type", "dxa");
    pugi::xml_node borders = tblPr.append_child("w:tblBorders");
    for (const char* side : {"w:top", "w:left", "w:bottom", "w:right", "w:insideH", "w:insideV"})
        Border(borders, side, "single");
    Set(tblPr.append_child("w:tblLayout"), "w:type", "fixed");
    pugi::xml_node look = tblPr.append_child("w:tblLook");
    Set(look, "w:val", "0000");
    pugi::xml_node grid = table.append_child("w:tblGrid");
    for (int c = 0; c < columns; ++c)
        Set(grid.append_child("w:gridCol"), "w:w", std::to_string(column));
    pugi::xml_node row = table.append_child("w:tr");
    for (int c = 0; c < columns; ++c) {
        pugi::xml_node cell = row.append_child("w:tc");
        pugi::xml_node tcW = cell.append_child("w:tcPr").append_child("w:tcW");
        Set(tcW, "w:w", std::to_string(column));
        Set(tcW, "w:type", "dxa");
        cell.append_child("w:p");
    }
    for (int r = 1; r < rows; ++r)
        table.append_copy(row);
    return table;
}

// Where a new table goes: before the paragraph at whose start `at` stands, else between the two
// halves of the paragraph it splits, else at the point between blocks (before the final section).
Point TablePlace(const Point& at) {
    if (ParagraphOf(at)) {
        Point split = SplitToParagraph(at);
        pugi::xml_node p = N(split.container);
        if (AtParagraphStart(p, N(split.before))) return Before(p);
        return Before(SplitParagraph(p, N(split.before)));
    }
    pugi::xml_node container = N(at.container);
    if (Is(container, "w:body") && (!at.before || Is(N(at.before), "w:sectPr")) &&
        Is(container.last_child(), "w:sectPr"))
        return Before(container.last_child());
    return at;
}

// The paragraph mark's formatting of the place goes into every cell, so that a size set on the
// place before the table is added is the size of the table's text.
void MarkFormattingInto(pugi::xml_node table, pugi::xml_node rPr) {
    if (!rPr) return;
    for (pugi::xpath_node p : table.select_nodes(".//w:p")) {
        pugi::xml_node pPr = Properties(p.node());
        pPr.remove_child("w:rPr");
        pugi::xml_node copy = pPr.append_copy(rPr);
        for (const char* revision : {"w:ins", "w:del", "w:moveFrom", "w:moveTo", "w:rPrChange"})
            copy.remove_child(revision);
    }
}

void KeepApart(pugi::xml_node table) {
    if (Is(PreviousElement(table), "w:tbl")) table.parent().insert_child_before("w:p", table);
    pugi::xml_node next = NextElement(table);
    if (!next || Is(next, "w:tbl") || Is(next, "w:sectPr")) table.parent().insert_child_after("w:p", table);
}

// Removes the comments and bookmarks that have a marker in `table`, with their markers elsewhere.
void RemoveAnchored(DocumentState* doc, pugi::xml_node table) {
    std::set<int> comments, bookmarks;
    for (pugi::xpath_node m :
         table.select_nodes(".//w:commentRangeStart | .//w:commentRangeEnd | .//w:commentReference"))
        comments.insert(m.node().attribute("w:id").as_int(-1));
    for (pugi::xpath_node m : table.select_nodes(".//w:bookmarkStart | .//w:bookmarkEnd"))
        bookmarks.insert(m.node().attribute("w:id").as_int(-1));
    if (comments.empty() && bookmarks.empty()) return;
    std::vector<pugi::xml_node> doomed;
    for (pugi::xpath_node m :
         doc->Body().select_nodes(".//w:commentRangeStart | .//w:commentRangeEnd | .//w:commentReference | "
                                  ".//w:bookmarkStart | .//w:bookmarkEnd")) {
        pugi::xml_node n = m.node();
        bool comment = std::string_view(n.name()).starts_with("w:comment");
        if ((comment ? comments : bookmarks).count(n.attribute("w:id").as_int(-1)) == 0) continue;
        doomed.push_back(Is(n, "w:commentReference") ? n.parent() : n);
    }
    if (Part* part = doc->CommentsPart()) {
        for (pugi::xml_node c : part->xml.document_element().children("w:comment"))
            if (comments.count(c.attribute("w:id").as_int(-1))) doomed.push_back(c);
        doc->Changed(*part);
    }
    for (pugi::xml_node n : doomed)
        if (Attached(n)) Discard(n);
}

pugi::xml_node CellAt(pugi::xml_node table, int row, int column) {
    pugi::xml_node cell =
        row >= 1 && column >= 1 ? NthCell(NthRow(table, row - 1), column - 1) : pugi::xml_node();
    if (!cell) NoMember("Cell(" + std::to_string(row) + ", " + std::to_string(column) + ")");
    return cell;
}

std::vector<Node> ColumnCells(pugi::xml_node table, int index) {
    std::vector<Node> cells;
    ForEachThrough(table, "w:tr", [&](pugi::xml_node row) {
        if (pugi::xml_node cell = NthCell(row, index - 1)) cells.push_back(R(cell));
        return true;
    });
    return cells;
}

void CheckWidth(double points, int rule, const char* operation) {
    if (rule != RuleFixedNeighbours || !(points >= 0 && points <= 22 * 72))
        throw DocxError(error::BadParameter, std::string(operation) + ": width " + std::to_string(points) +
                                                 " pt with rule " + std::to_string(rule) +
                                                 " is not supported");
}

// Whether a border element shows a line; a missing one does not.
bool Line(pugi::xml_node border) {
    std::string_view value = border.attribute("w:val").value();
    return !value.empty() && value != "none" && value != "nil";
}

// One edge of a cell: its own border names, and the table's at the table's edge and between cells.
struct Edge {
    const char* side;
    const char* logical;
    const char* inner;
};
constexpr Edge Top{"w:top", "w:top", "w:insideH"};
constexpr Edge Bottom{"w:bottom", "w:bottom", "w:insideH"};
constexpr Edge Left{"w:left", "w:start", "w:insideV"};
constexpr Edge Right{"w:right", "w:end", "w:insideV"};

pugi::xml_node Side(pugi::xml_node borders, const Edge& edge) {
    return borders.child(edge.side) ? borders.child(edge.side) : borders.child(edge.logical);
}

// The cell's own border of the edge, else the row's exception's, else the table's.
bool EdgeShows(pugi::xml_node cell, const Edge& edge, bool atTableEdge) {
    pugi::xml_node border = Side(cell.child("w:tcPr").child("w:tcBorders"), edge);
    for (pugi::xml_node table : {RowOf(cell).child("w:tblPrEx").child("w:tblBorders"),
                                 TableOf(cell).child("w:tblPr").child("w:tblBorders")})
        if (!border) border = atTableEdge ? Side(table, edge) : table.child(edge.inner);
    return Line(border);
}

bool CellBordered(pugi::xml_node cell) {
    std::vector<pugi::xml_node> rows = RowsOf(TableOf(cell));
    std::vector<pugi::xml_node> cells = CellsOf(RowOf(cell));
    return EdgeShows(cell, Top, rows.front() == RowOf(cell)) ||
           EdgeShows(cell, Bottom, rows.back() == RowOf(cell)) ||
           EdgeShows(cell, Left, cells.front() == cell) || EdgeShows(cell, Right, cells.back() == cell);
}

} // namespace

docx::Range Cell::Range() const {
    return {doc_, Before(N(cell_)), After(N(cell_))};
}

void Cell::SetWidth(double points, int rule) {
    CheckWidth(points, rule, "Cell.SetWidth");
    SetCellWidth(N(cell_), Twips(points));
    doc_->WidthsChanged(TableOf(N(cell_)));
    doc_->Changed();
}

double Cell::Width() const {
    pugi::xml_node w = N(cell_).child("w:tcPr").child("w:tcW");
    std::string_view type = w.attribute("w:type").value();
    return type.empty() || type == "dxa" ? w.attribute("w:w").as_double(0) / 20.0 : 0.0;
}

bool Cell::BordersVisible() const {
    return CellBordered(N(cell_));
}

void Cell::Select() const {
    doc_->selection->SelectCells(R(TableOf(N(cell_))), {cell_});
}

int Cell::Row() const {
    std::vector<pugi::xml_node> rows = RowsOf(TableOf(N(cell_)));
    return static_cast<int>(std::find(rows.begin(), rows.end(), RowOf(N(cell_))) - rows.begin()) + 1;
}

int Cell::Column() const {
    std::vector<pugi::xml_node> cells = CellsOf(RowOf(N(cell_)));
    return static_cast<int>(std::find(cells.begin(), cells.end(), N(cell_)) - cells.begin()) + 1;
}

void Column::SetWidth(double points, int rule) {
    CheckWidth(points, rule, "Column.SetWidth");
    for (Node cell : ColumnCells(N(table_), index_))
        SetCellWidth(N(cell), Twips(points));
    doc_->WidthsChanged(N(table_));
    doc_->Changed();
}

void Column::Select() const {
    doc_->selection->SelectCells(table_, ColumnCells(N(table_), index_));
}

int Columns::Count() const {
    int most = 0;
    ForEachThrough(N(table_), "w:tr", [&](pugi::xml_node row) {
        most = std::max(most, CellCount(row));
        return true;
    });
    return most;
}

Column Columns::Item(int index) const {
    if (index < 1 || index > Count()) NoMember("Columns(" + std::to_string(index) + ")");
    return {doc_, table_, index};
}

int Rows::Count() const {
    return RowCount(N(table_));
}

void Rows::Add() {
    std::vector<pugi::xml_node> rows = RowsOf(N(table_));
    if (rows.empty()) throw DocxError(error::NotAvailable, "Rows.Add: the table has no row to copy");
    pugi::xml_node last = rows.back();
    pugi::xml_node row = last.parent().insert_child_after("w:tr", last);
    for (const char* name : {"w:tblPrEx", "w:trPr"})
        if (pugi::xml_node properties = last.child(name)) row.append_copy(properties);
    for (pugi::xml_node cell : CellsOf(last)) {
        pugi::xml_node copy = row.append_child("w:tc");
        if (pugi::xml_node tcPr = cell.child("w:tcPr")) copy.append_copy(tcPr).remove_child("w:vMerge");
        pugi::xml_node p = copy.append_child("w:p");
        if (pugi::xml_node pPr = FirstParagraph(cell).child("w:pPr")) {
            pugi::xml_node properties = p.append_copy(pPr);
            properties.remove_child("w:sectPr");
            properties.remove_child("w:pPrChange");
        }
    }
    doc_->Changed();
}

docx::Range Table::Delete() {
    pugi::xml_node table = N(table_);
    if (!doc_ || !Attached(table))
        throw DocxError(error::NotAvailable, "Table.Delete: the table is no longer in the document");
    RemoveAnchored(doc_, table);
    pugi::xml_node container = table.parent();
    pugi::xml_node previous = PreviousElement(table);
    pugi::xml_node next = table.next_sibling();
    Discard(table);
    if (Is(previous, "w:tbl") && Is(next, "w:tbl")) next = container.insert_child_before("w:p", next);
    doc_->Changed();
    Point at{R(container), R(next), 0};
    return {doc_, at, at};
}

docx::Range Table::Range() const {
    return {doc_, Before(N(table_)), After(N(table_))};
}

docx::Cell Table::Cell(int row, int column) const {
    return {doc_, R(CellAt(N(table_), row, column))};
}

void Table::Select() const {
    std::vector<detail::Node> cells;
    for (pugi::xml_node row : RowsOf(N(table_)))
        for (pugi::xml_node cell : CellsOf(row))
            cells.push_back(R(cell));
    doc_->selection->SelectCells(table_, cells);
}

bool Table::BordersVisible() const {
    for (pugi::xml_node row : RowsOf(N(table_)))
        for (pugi::xml_node cell : CellsOf(row))
            if (CellBordered(cell)) return true;
    return false;
}

int Table::Position() const {
    const auto& tables = doc_->Tables();
    auto found = std::find(tables.begin(), tables.end(), N(table_));
    return found == tables.end() ? 0 : static_cast<int>(found - tables.begin()) + 1;
}

int Tables::Count() const {
    return static_cast<int>(doc_->Tables().size());
}

Table Tables::Item(int index) const {
    const auto& tables = doc_->Tables();
    if (index < 1 || index > static_cast<int>(tables.size()))
        NoMember("Tables(" + std::to_string(index) + ") of " + std::to_string(tables.size()));
    return {doc_, R(tables[index - 1])};
}

Table Tables::Add(const Range& at, int rows, int columns) {
    if (rows < 1 || rows > 32767 || columns < 1 || columns > 63)
        throw DocxError(error::BadParameter, "Tables.Add: " + std::to_string(rows) + " rows and " +
                                                 std::to_string(columns) + " columns are out of range");
    if (!at.State() || !at.Start().container)
        throw DocxError(error::NotAvailable, "Tables.Add: the range belongs to no document");
    pugi::xml_node mark = ParagraphOf(InlineStart(at.Start())).child("w:pPr").child("w:rPr");
    Point place = TablePlace(at.Start());
    if (Is(N(place.container), "w:tbl") || Is(N(place.container), "w:tr"))
        throw DocxError(error::NotAvailable,
                        "Tables.Add: the place lies between the rows or cells of a table");
    pugi::xml_node table = BuildTable(place, rows, columns, TextWidth(doc_->Body()));
    MarkFormattingInto(table, mark);
    KeepApart(table);
    doc_->Changed();
    return {doc_, R(table)};
}

} // namespace kovelund::docx

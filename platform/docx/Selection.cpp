#include "platform/docx/Selection.h"

#include "platform/docx/DocxError.h"
#include "platform/docx/detail/DocumentState.h"
#include "platform/docx/detail/TableGrid.h"
#include "platform/docx/detail/Xml.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace kovelund::docx {

using namespace detail;

namespace {

constexpr int LineUnit = 5;

const char* BorderName(int index) {
    switch (index) {
    case BorderTop:
        return "w:top";
    case BorderLeft:
        return "w:left";
    case BorderBottom:
        return "w:bottom";
    case BorderRight:
        return "w:right";
    case BorderHorizontal:
        return "w:insideH";
    case BorderVertical:
        return "w:insideV";
    default:
        throw DocxError(error::NoSuchMember,
                        "Selection.Borders(" + std::to_string(index) + "): no such border");
    }
}

void SetBorder(pugi::xml_node borders, const char* side, int lineStyle) {
    pugi::xml_node b = Ensure(borders, side, BorderOrder);
    Set(b, "w:val", lineStyle == 0 ? "none" : "single");
    Set(b, "w:sz", lineStyle == 0 ? "0" : "4");
    Set(b, "w:space", "0");
    Set(b, "w:color", "auto");
}

void ClearCellBorder(pugi::xml_node cell, const char* side) {
    pugi::xml_node borders = cell.child("w:tcPr").child("w:tcBorders");
    if (!borders) return;
    borders.remove_child(side);
    if (std::string_view(side) == "w:left") borders.remove_child("w:start");
    if (std::string_view(side) == "w:right") borders.remove_child("w:end");
    if (!borders.first_child()) borders.parent().remove_child(borders);
}

int RowIndex(pugi::xml_node cell, const std::vector<pugi::xml_node>& rows) {
    return static_cast<int>(std::find(rows.begin(), rows.end(), RowOf(cell)) - rows.begin());
}

int ColumnIndex(pugi::xml_node cell) {
    std::vector<pugi::xml_node> cells = CellsOf(RowOf(cell));
    return static_cast<int>(std::find(cells.begin(), cells.end(), cell) - cells.begin());
}

} // namespace

void Selection::SetCursor(const Table& table) {
    std::vector<pugi::xml_node> rows = RowsOf(N(table.Node()));
    std::vector<pugi::xml_node> cells = rows.empty() ? std::vector<pugi::xml_node>() : CellsOf(rows.front());
    if (cells.empty()) throw DocxError(error::NotAvailable, "Selection: the table has no cell");
    SelectCells(table.Node(), {R(cells.front())});
}

void Selection::ClearCursor() {
    table_ = nullptr;
    cells_.clear();
    wholeTable_ = false;
    Point start = StartOf(doc_->Body());
    range_ = docx::Range(doc_, start, start);
}

void Selection::SelectCells(Node table, std::vector<Node> cells) {
    table_ = table;
    cells_ = std::move(cells);
    wholeTable_ = false;
    if (table) {
        std::size_t all = 0;
        ForEachThrough(N(table), "w:tr", [&](pugi::xml_node row) {
            all += static_cast<std::size_t>(CellCount(row));
            return true;
        });
        wholeTable_ = all == cells_.size();
    }
    range_.reset();
}

void Selection::SelectRange(const docx::Range& range) {
    table_ = nullptr;
    cells_.clear();
    wholeTable_ = false;
    range_ = range;
    for (pugi::xml_node n = N(range.Start().container); n; n = n.parent())
        if (Is(n, "w:tbl")) table_ = R(n);
}

bool Selection::InTable() const {
    return table_ && Attached(N(table_));
}

Table Selection::CurrentTable() const {
    if (!InTable())
        throw DocxError(error::NoSuchMember, "Selection.Tables(1): the selection is not in a table");
    pugi::xml_node table = N(table_);
    for (pugi::xml_node n = table.parent(); n; n = n.parent())
        if (Is(n, "w:tbl")) table = n;
    return Table(doc_, R(table));
}

docx::Range Selection::Range() const {
    if (!cells_.empty()) return {doc_, Before(N(cells_.front())), After(N(cells_.back()))};
    if (range_) return *range_;
    Point start = StartOf(doc_->Body());
    return {doc_, start, start};
}

std::string Selection::Text() const {
    return Range().Text();
}

std::vector<Node> Selection::SelectedCells(const char* operation) const {
    if (cells_.empty() || !Attached(N(cells_.front())))
        throw DocxError(error::NotAvailable, std::string(operation) + ": the selection holds no table cells");
    return cells_;
}

void Selection::MoveDown(int unit, int count, int extend) {
    if (unit != LineUnit || extend != 1)
        throw DocxError(error::NotAvailable,
                        "Selection.MoveDown: only extending by lines (unit 5, extend 1) is supported");
    std::vector<Node> cells = SelectedCells("Selection.MoveDown");
    std::vector<pugi::xml_node> rows = RowsOf(N(table_));
    int bottom = 0;
    for (Node c : cells)
        bottom = std::max(bottom, RowIndex(N(c), rows));
    std::set<int> columns;
    for (Node c : cells)
        if (RowIndex(N(c), rows) == bottom) columns.insert(ColumnIndex(N(c)));
    for (int k = 0; k < count && bottom + 1 < static_cast<int>(rows.size()); ++k) {
        std::vector<pugi::xml_node> below = CellsOf(rows[++bottom]);
        for (int column : columns)
            if (column < static_cast<int>(below.size())) cells_.push_back(R(below[column]));
    }
}

void Selection::CellsSetWidth(double points, int rule) {
    std::vector<Node> cells = SelectedCells("Selection.Cells.SetWidth");
    if (rule != RuleFixedNeighbours || !(points >= 0 && points <= 22 * 72))
        throw DocxError(error::BadParameter, "Selection.Cells.SetWidth: width " + std::to_string(points) +
                                                 " pt with rule " + std::to_string(rule) +
                                                 " is not supported");
    for (Node c : cells)
        SetCellWidth(N(c), Twips(points));
    doc_->WidthsChanged(TableOf(N(cells.front())));
    doc_->Changed();
}

void Selection::SetBorderLineStyle(int borderIndex, int lineStyle) {
    const char* side = BorderName(borderIndex);
    std::vector<Node> cells = SelectedCells("Selection.Borders");
    if (wholeTable_) {
        pugi::xml_node tblPr = Properties(N(table_));
        SetBorder(Ensure(tblPr, "w:tblBorders", TablePropertyOrder), side, lineStyle);
        for (Node c : cells)
            ClearCellBorder(N(c), side);
    } else {
        for (Node c : cells) {
            pugi::xml_node tcPr = Properties(N(c));
            SetBorder(Ensure(tcPr, "w:tcBorders", CellPropertyOrder), side, lineStyle);
        }
    }
    doc_->Changed();
}

std::vector<Node> Selection::SelectedParagraphs() const {
    std::vector<Node> paragraphs;
    if (!cells_.empty()) {
        for (Node c : cells_)
            for (pugi::xpath_node p : N(c).select_nodes(".//w:p"))
                paragraphs.push_back(R(p.node()));
        return paragraphs;
    }
    if (!range_) throw DocxError(error::NotAvailable, "Selection: nothing is selected");
    if (pugi::xml_node first = ParagraphOf(InlineStart(range_->Start()))) paragraphs.push_back(R(first));
    Walk(range_->Start(), range_->End(), [&](Event event, pugi::xml_node node, std::string_view) {
        if (event == Event::Enter && Is(node, "w:p") &&
            R(node) != (paragraphs.empty() ? nullptr : paragraphs.back()))
            paragraphs.push_back(R(node));
    });
    return paragraphs;
}

void Selection::SetAlignment(int alignment) {
    static const char* values[] = {"left", "center", "right", "both"};
    if (alignment < AlignLeft || alignment > AlignJustify)
        throw DocxError(error::BadParameter, "Selection.ParagraphFormat.Alignment: " +
                                                 std::to_string(alignment) + " is not supported");
    for (Node p : SelectedParagraphs())
        Set(Ensure(Properties(N(p)), "w:jc", ParagraphPropertyOrder), "w:val", values[alignment]);
    doc_->Changed();
}

void Selection::AddTabStop(double points, int alignment, int leader) {
    static const char* alignments[] = {"left", "center", "right", "decimal", "bar"};
    static const char* leaders[] = {"none", "dot", "hyphen", "underscore"};
    if (alignment < TabLeft || alignment > TabBar || leader < LeaderSpaces || leader > LeaderLines ||
        !(points >= 0 && points < 1584))
        throw DocxError(error::BadParameter, "Selection.ParagraphFormat.TabStops.Add: position " +
                                                 std::to_string(points) + ", alignment " +
                                                 std::to_string(alignment) + ", leader " +
                                                 std::to_string(leader) + " is not supported");
    int position = Twips(points);
    for (Node p : SelectedParagraphs()) {
        pugi::xml_node tabs = Ensure(Properties(N(p)), "w:tabs", ParagraphPropertyOrder);
        pugi::xml_node after;
        for (pugi::xml_node t = tabs.first_child(); t;) {
            pugi::xml_node next = t.next_sibling();
            int at = t.attribute("w:pos").as_int(0);
            if (at == position)
                tabs.remove_child(t);
            else if (at < position)
                after = t;
            t = next;
        }
        pugi::xml_node tab = after ? tabs.insert_child_after("w:tab", after) : tabs.prepend_child("w:tab");
        Set(tab, "w:val", alignments[alignment]);
        if (leader != LeaderSpaces) Set(tab, "w:leader", leaders[leader]);
        Set(tab, "w:pos", std::to_string(position));
    }
    doc_->Changed();
}

void Selection::SetFontSize(double points) {
    if (!(points >= 1 && points <= 1638))
        throw DocxError(error::BadParameter,
                        "Selection.Font.Size: " + std::to_string(points) + " pt is out of range");
    int halfPoints = static_cast<int>(std::lround(points * 2));
    for (Node p : SelectedParagraphs()) {
        SetSize(Ensure(Properties(N(p)), "w:rPr", ParagraphPropertyOrder), halfPoints);
        for (pugi::xpath_node r : N(p).select_nodes("./w:r | ./*/w:r"))
            SetSize(Properties(r.node()), halfPoints);
    }
    doc_->Changed();
}

} // namespace kovelund::docx

#include "platform/docx/detail/TableGrid.h"

#include "platform/docx/detail/Xml.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

namespace kovelund::docx::detail {

namespace {

std::vector<pugi::xml_node> ChildrenThrough(pugi::xml_node parent, const char* name) {
    std::vector<pugi::xml_node> found;
    found.reserve(16);
    ForEachThrough(parent, name, [&](pugi::xml_node n) {
        found.push_back(n);
        return true;
    });
    return found;
}

int CountThrough(pugi::xml_node parent, const char* name) {
    int count = 0;
    ForEachThrough(parent, name, [&](pugi::xml_node) {
        ++count;
        return true;
    });
    return count;
}

pugi::xml_node NthThrough(pugi::xml_node parent, const char* name, int index) {
    pugi::xml_node found;
    ForEachThrough(parent, name, [&](pugi::xml_node n) {
        if (index-- == 0) found = n;
        return !found;
    });
    return found;
}

// Counts and widths read from a file, clamped so that no sum over a table can overflow.
int Value(pugi::xml_node properties, const char* name) {
    return std::clamp(properties.child(name).attribute("w:val").as_int(0), 0, 1000);
}

int Measure(pugi::xml_attribute a) {
    return static_cast<int>(std::clamp(a.as_llong(0), 0LL, 31680LL));
}

// The cell's width in twips when it has one, else 0.
int OwnWidth(pugi::xml_node cell) {
    pugi::xml_node w = cell.child("w:tcPr").child("w:tcW");
    std::string_view type = w.attribute("w:type").value();
    if (!w || !(type.empty() || type == "dxa")) return 0;
    return Measure(w.attribute("w:w"));
}

long long GridSum(const std::vector<long long>& grid, int from, int count) {
    long long sum = 0;
    for (int i = from; i < from + count && i < static_cast<int>(grid.size()); ++i)
        sum += grid[i];
    return sum;
}

struct RowEdges {
    pugi::xml_node row;
    std::vector<long long> edges; // left edge, then the right edge of each cell
};

RowEdges EdgesOf(pugi::xml_node row, const std::vector<long long>& grid) {
    pugi::xml_node trPr = row.child("w:trPr");
    int column = Value(trPr, "w:gridBefore");
    pugi::xml_node wBefore = trPr.child("w:wBefore");
    long long left = column > 0 && std::string_view(wBefore.attribute("w:type").value()) == "dxa"
                         ? Measure(wBefore.attribute("w:w"))
                         : GridSum(grid, 0, column);
    RowEdges result{row, {left}};
    ForEachThrough(row, "w:tc", [&](pugi::xml_node cell) {
        int span = std::max(1, Value(cell.child("w:tcPr"), "w:gridSpan"));
        long long width = OwnWidth(cell);
        if (width == 0) width = GridSum(grid, column, span);
        column = std::min(column + span, 1 << 20);
        result.edges.push_back(result.edges.back() + width);
        return true;
    });
    return result;
}

void SetRowExtra(pugi::xml_node row, const char* count, const char* width, int columns, long long twips) {
    pugi::xml_node trPr = row.child("w:trPr");
    if (columns == 0) {
        trPr.remove_child(count);
        trPr.remove_child(width);
        if (trPr && !trPr.first_child()) row.remove_child(trPr);
        return;
    }
    if (!trPr) trPr = Properties(row);
    pugi::xml_node c = trPr.child(count) ? trPr.child(count) : trPr.append_child(count);
    Set(c, "w:val", std::to_string(columns));
    pugi::xml_node w = trPr.child(width) ? trPr.child(width) : trPr.append_child(width);
    Set(w, "w:w", std::to_string(twips));
    Set(w, "w:type", "dxa");
}

void WriteGrid(pugi::xml_node table, const std::vector<long long>& edges) {
    pugi::xml_node grid = table.child("w:tblGrid");
    if (!grid) grid = table.insert_child_after("w:tblGrid", Properties(table));
    while (grid.first_child())
        grid.remove_child(grid.first_child());
    for (std::size_t i = 1; i < edges.size(); ++i)
        Set(grid.append_child("w:gridCol"), "w:w", std::to_string(edges[i] - edges[i - 1]));
    pugi::xml_node tblPr = Properties(table);
    pugi::xml_node tblW = Ensure(tblPr, "w:tblW", TablePropertyOrder);
    Set(tblW, "w:w", std::to_string(edges.back()));
    Set(tblW, "w:type", "dxa");
    Set(Ensure(tblPr, "w:tblLayout", TablePropertyOrder), "w:type", "fixed");
}

} // namespace

std::vector<pugi::xml_node> RowsOf(pugi::xml_node table) {
    return ChildrenThrough(table, "w:tr");
}
std::vector<pugi::xml_node> CellsOf(pugi::xml_node row) {
    return ChildrenThrough(row, "w:tc");
}
int RowCount(pugi::xml_node table) {
    return CountThrough(table, "w:tr");
}
int CellCount(pugi::xml_node row) {
    return CountThrough(row, "w:tc");
}
pugi::xml_node NthRow(pugi::xml_node table, int index) {
    return NthThrough(table, "w:tr", index);
}
pugi::xml_node NthCell(pugi::xml_node row, int index) {
    return NthThrough(row, "w:tc", index);
}

pugi::xml_node RowOf(pugi::xml_node cell) {
    pugi::xml_node n = cell.parent();
    while (n && !Is(n, "w:tr"))
        n = n.parent();
    return n;
}

pugi::xml_node TableOf(pugi::xml_node cellOrRow) {
    pugi::xml_node n = cellOrRow.parent();
    while (n && !Is(n, "w:tbl"))
        n = n.parent();
    return n;
}

int Twips(double points) {
    return static_cast<int>(std::lround(points * 20.0));
}

void SetCellWidth(pugi::xml_node cell, int twips) {
    pugi::xml_node w = Ensure(Properties(cell), "w:tcW", CellPropertyOrder);
    Set(w, "w:w", std::to_string(twips));
    Set(w, "w:type", "dxa");
}

void RebuildGrid(pugi::xml_node table) {
    std::vector<long long> grid;
    for (pugi::xml_node c : table.child("w:tblGrid").children("w:gridCol"))
        grid.push_back(Measure(c.attribute("w:w")));
    std::vector<RowEdges> rows;
    std::vector<long long> edges{0};
    for (pugi::xml_node row : RowsOf(table)) {
        rows.push_back(EdgesOf(row, grid));
        edges.insert(edges.end(), rows.back().edges.begin(), rows.back().edges.end());
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    if (edges.size() < 2) return;
    auto indexOf = [&](long long edge) {
        return static_cast<int>(std::lower_bound(edges.begin(), edges.end(), edge) - edges.begin());
    };
    int lastColumn = static_cast<int>(edges.size()) - 1;
    for (const RowEdges& row : rows) {
        int first = indexOf(row.edges.front());
        SetRowExtra(row.row, "w:gridBefore", "w:wBefore", first, row.edges.front());
        std::vector<pugi::xml_node> cells = CellsOf(row.row);
        for (std::size_t k = 0; k < cells.size(); ++k) {
            int span = indexOf(row.edges[k + 1]) - indexOf(row.edges[k]);
            pugi::xml_node tcPr = Properties(cells[k]);
            if (span > 1)
                Set(Ensure(tcPr, "w:gridSpan", CellPropertyOrder), "w:val", std::to_string(span));
            else
                tcPr.remove_child("w:gridSpan");
        }
        int end = indexOf(row.edges.back());
        SetRowExtra(row.row, "w:gridAfter", "w:wAfter", lastColumn - end, edges.back() - row.edges.back());
    }
    WriteGrid(table, edges);
}

bool GridFollowsWidths(pugi::xml_node table) {
    return ForEachThrough(table, "w:tr", [](pugi::xml_node row) {
        pugi::xml_node trPr = row.child("w:trPr");
        if (Value(trPr, "w:gridBefore") > 0 &&
            std::string_view(trPr.child("w:wBefore").attribute("w:type").value()) != "dxa")
            return false;
        return ForEachThrough(row, "w:tc", [](pugi::xml_node cell) { return OwnWidth(cell) != 0; });
    });
}

} // namespace kovelund::docx::detail

#include "platform/ui/Grid.h"

#include "common/Fehler.h"

#include <algorithm>

namespace kovelund::ui {

namespace {

constexpr int UngültigeZeile = 30009;
constexpr int UngültigeSpalte = 30010;
constexpr int LetzteZeile = 30015;

} // namespace

Grid::Grid(Form& form, std::string name) : Control(form, std::move(name)) {}

void Grid::SetRows(int rows) {
    rows = std::max(rows, 0);
    cells_.resize(static_cast<std::size_t>(rows), NewRow());
    row_ = rows == 0 ? 0 : std::clamp(row_, 1, rows);
    topRow_ = std::clamp(topRow_, 1, std::max(rows, 1));
    Notify();
}

void Grid::SetCols(int cols) {
    cols_ = std::max(cols, 0);
    columns_.resize(static_cast<std::size_t>(cols_));
    for (auto& z : cells_)
        z.cells.resize(static_cast<std::size_t>(cols_));
    col_ = cols_ == 0 ? 0 : std::clamp(col_, 1, cols_);
    Notify();
}

void Grid::SetRow(int row) {
    CheckRow(row, false);
    if (row == row_) return;
    row_ = row;
    Notify();
    Raise(EnterCell);
}

void Grid::SetCol(int col) {
    CheckCol(col);
    if (col == col_) return;
    col_ = col;
    Notify();
    Raise(EnterCell);
}

std::string Grid::TextMatrix(int row, int col) const {
    CheckRow(row, true);
    CheckCol(col);
    auto c = static_cast<std::size_t>(col - 1);
    return row == 0 ? columns_[c].heading : cells_[static_cast<std::size_t>(row - 1)].cells[c];
}

void Grid::SetTextMatrix(int row, int col, std::string text) {
    CheckRow(row, true);
    CheckCol(col);
    auto c = static_cast<std::size_t>(col - 1);
    (row == 0 ? columns_[c].heading : cells_[static_cast<std::size_t>(row - 1)].cells[c]) = std::move(text);
    Notify();
}

void Grid::AddItem(const std::string& item, int index) {
    if (index == -1) index = Rows() + 1;
    if (index < 1 || index > Rows() + 1)
        throw Fehler(UngültigeZeile, "grid '" + Name() + "' AddItem: invalid row " + std::to_string(index));
    Zeile z = NewRow();
    std::size_t von = 0;
    for (std::size_t c = 0; c < z.cells.size() && von <= item.size(); ++c) {
        std::size_t bis = std::min(item.find('\t', von), item.size());
        z.cells[c] = item.substr(von, bis - von);
        von = bis + 1;
    }
    cells_.insert(cells_.begin() + (index - 1), std::move(z));
    if (row_ == 0) row_ = 1;
    Notify();
}

void Grid::RemoveItem(int index) {
    CheckRow(index, false);
    if (Rows() == 1)
        throw Fehler(LetzteZeile, "grid '" + Name() + "' RemoveItem: cannot remove the last row");
    cells_.erase(cells_.begin() + (index - 1));
    row_ = std::min(row_, Rows());
    topRow_ = std::min(topRow_, Rows());
    Notify();
}

int Grid::SelectedRows() const noexcept {
    return static_cast<int>(
        std::count_if(cells_.begin(), cells_.end(), [](const Zeile& z) { return z.selected; }));
}

int Grid::SelectedRow(int i) const {
    int übrig = i;
    for (int r = 1; r <= Rows(); ++r)
        if (cells_[static_cast<std::size_t>(r - 1)].selected && übrig-- == 0) return r;
    throw Fehler(fehlernummer::Index, "grid '" + Name() + "': no selected row " + std::to_string(i));
}

bool Grid::RowSelected(int row) const {
    CheckRow(row, false);
    return cells_[static_cast<std::size_t>(row - 1)].selected;
}

void Grid::SetRowSelected(int row, bool selected) {
    CheckRow(row, false);
    cells_[static_cast<std::size_t>(row - 1)].selected = selected;
    Notify();
}

int Grid::RowHeight(int row) const {
    CheckRow(row, true);
    return row == 0 ? headingHeight_ : cells_[static_cast<std::size_t>(row - 1)].height;
}

void Grid::SetRowHeight(int row, int twips) {
    CheckRow(row, true);
    (row == 0 ? headingHeight_ : cells_[static_cast<std::size_t>(row - 1)].height) = std::max(twips, 0);
    Notify();
}

int Grid::ColWidth(int col) const {
    CheckCol(col);
    return columns_[static_cast<std::size_t>(col - 1)].width;
}

void Grid::SetColWidth(int col, int twips) {
    CheckCol(col);
    columns_[static_cast<std::size_t>(col - 1)].width = std::max(twips, 0);
    Notify();
}

int Grid::ColAlignment(int col) const {
    CheckCol(col);
    return columns_[static_cast<std::size_t>(col - 1)].alignment;
}

void Grid::SetColAlignment(int col, int alignment) {
    CheckCol(col);
    columns_[static_cast<std::size_t>(col - 1)].alignment = alignment;
    Notify();
}

bool Grid::ColEditable(int col) const {
    CheckCol(col);
    return columns_[static_cast<std::size_t>(col - 1)].editable;
}

void Grid::SetColEditable(int col, bool editable) {
    CheckCol(col);
    columns_[static_cast<std::size_t>(col - 1)].editable = editable;
    Notify();
}

int Grid::ColPos(int col) const {
    CheckCol(col);
    int pos = 0;
    for (int c = 1; c < col; ++c)
        pos += ColWidth(c);
    return pos;
}

int Grid::RowPos(int row) const {
    CheckRow(row, true);
    if (row == 0) return 0;
    int pos = headingHeight_;
    for (int r = topRow_; r < row; ++r)
        pos += RowHeight(r);
    for (int r = row; r < topRow_; ++r)
        pos -= RowHeight(r);
    return pos;
}

void Grid::SetTopRow(int row) {
    CheckRow(row, false);
    topRow_ = row;
    Notify();
}

void Grid::SetLeft(float left) {
    left_ = left;
    Notify();
}

void Grid::SetTop(float top) {
    top_ = top;
    Notify();
}

void Grid::FinishEdit() {
    finishing_ = true;
    Notify();
    finishing_ = false;
}

void Grid::Select(int row, int col) {
    CheckRow(row, false);
    CheckCol(col);
    row_ = row;
    col_ = col;
    Notify();
    Raise(EnterCell);
}

void Grid::Edit(std::string text) {
    if (!ColEditable(col_))
        throw Fehler(fehlernummer::UngültigerAufruf,
                     "grid '" + Name() + "': column " + std::to_string(col_) + " cannot be edited");
    SetText(std::move(text));
    Raise(CellEdited);
}

void Grid::PressKey(int keyCode, int shift) {
    if (KeyDown) KeyDown(keyCode, shift);
    if (Rows() == 0 || cols_ == 0) return;
    switch (keyCode) {
    case 9:
    case 39:
        MoveTo(row_, col_ + 1);
        break;
    case 37:
        MoveTo(row_, col_ - 1);
        break;
    case 38:
        MoveTo(row_ - 1, col_);
        break;
    case 40:
        MoveTo(row_ + 1, col_);
        break;
    default:
        break;
    }
}

void Grid::SelectRows(const std::vector<int>& rows) {
    for (int r : rows)
        CheckRow(r, false);
    for (auto& z : cells_)
        z.selected = false;
    for (int r : rows)
        cells_[static_cast<std::size_t>(r - 1)].selected = true;
    Notify();
}

void Grid::CheckRow(int row, bool headingAllowed) const {
    if (row < (headingAllowed ? 0 : 1) || row > Rows())
        throw Fehler(UngültigeZeile, "grid '" + Name() + "': invalid row " + std::to_string(row) + " of " +
                                         std::to_string(Rows()));
}

void Grid::CheckCol(int col) const {
    if (col < 1 || col > cols_)
        throw Fehler(UngültigeSpalte, "grid '" + Name() + "': invalid column " + std::to_string(col) +
                                          " of " + std::to_string(cols_));
}

Grid::Zeile Grid::NewRow() const {
    Zeile z;
    z.cells.resize(static_cast<std::size_t>(cols_));
    return z;
}

void Grid::MoveTo(int row, int col) {
    if (row >= 1 && row <= Rows() && col >= 1 && col <= cols_) Select(row, col);
}

} // namespace kovelund::ui

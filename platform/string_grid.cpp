#include "string_grid.h"

#include <utility>

#include "backend.h"

namespace platform {

StringGrid::StringGrid(Control* parent, int colCount)
    : Control(Kind::Grid, parent),
      colCount_(colCount),
      cells_(2, std::vector<std::string>(colCount)),
      colWidths_(colCount, defaultColWidth_) {}

void StringGrid::setRowCount(int count) {
    cells_.resize(count, std::vector<std::string>(colCount_));
    if (row_ >= count) row_ = count - 1;
    cellsChanged(Prop::RowCount);
}

void StringGrid::setCell(int col, int row, const std::string& text) {
    cells_[row][col] = text;
    cellsChanged(Prop::Cells);
}

void StringGrid::exchangeRows(int a, int b) {
    std::swap(cells_[a], cells_[b]);
    cellsChanged(Prop::Cells);
}

void StringGrid::copyRow(int from, int to) {
    cells_[to] = cells_[from];
    cellsChanged(Prop::Cells);
}

void StringGrid::permuteRows(const std::vector<int>& order) {
    std::vector<std::vector<std::string>> moved;
    moved.reserve(order.size());
    for (int from : order) moved.push_back(std::move(cells_[from + 1]));
    for (std::size_t i = 0; i < moved.size(); ++i) cells_[i + 1] = std::move(moved[i]);
    cellsChanged(Prop::Cells);
}

void StringGrid::setRow(int row) {
    row_ = row;
    changed(Prop::Row);
}

void StringGrid::setColWidth(int col, int width) {
    colWidths_[col] = width;
    changed(Prop::ColWidth);
}

void StringGrid::setColor(Color c) {
    color = c;
    changed(Prop::Color);
}

void StringGrid::endUpdate() {
    if (--updating_ == 0 && pending_) {
        pending_ = false;
        changed(Prop::RowCount);
    }
}

void StringGrid::cellsChanged(Prop what) {
    if (updating_ > 0) {
        pending_ = true;
        return;
    }
    changed(what);
}

}  // namespace platform

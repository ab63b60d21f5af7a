#pragma once
#include <functional>
#include <string>
#include <vector>

#include "color.h"
#include "control.h"

namespace platform {

// Typing in the grid looks for the row whose text begins with what was
// typed (partial) or is it, from fromRow down, then from row 1 when wrap;
// the handler sets foundRow, or leaves 0 for none.
struct RowSearch {
    std::string text;
    int fromRow = 1;
    bool partial = true;
    bool wrap = true;
    int foundRow = 0;
};

// A grid of texts: row 0 is the header row, column 0 a fixed column.
// It owns its cells; the real window only shows them.
class StringGrid : public Control {
public:
    StringGrid(Control* parent, int colCount);

    int colCount() const { return colCount_; }
    int rowCount() const { return static_cast<int>(cells_.size()); }
    void setRowCount(int count);

    const std::string& cell(int col, int row) const { return cells_[row][col]; }
    void setCell(int col, int row, const std::string& text);

    void exchangeRows(int a, int b);
    void copyRow(int from, int to);
    // Reorders rows 1 to RowCount - 1: new row i + 1 is old row order[i] + 1.
    void permuteRows(const std::vector<int>& order);

    // The selected row.
    int row() const { return row_; }
    void setRow(int row);

    int colWidth(int col) const { return colWidths_[col]; }
    void setColWidth(int col, int width);
    int defaultRowHeight() const { return defaultRowHeight_; }

    Color color = defaultColor;
    void setColor(Color c);

    // Changes between these two reach the real window once, at the end.
    void beginUpdate() { ++updating_; }
    void endUpdate();

    std::function<void(int col, int row, bool& canSelect)> onSelectCell;
    std::function<void(RowSearch& search)> onFindRow;

    // For the backend: the user moved the selection to this row.
    void adoptRow(int row) { row_ = row; }

private:
    void cellsChanged(Prop what);

    int colCount_;
    std::vector<std::vector<std::string>> cells_;
    int defaultColWidth_ = 90;
    int defaultRowHeight_ = 16;
    std::vector<int> colWidths_;
    int row_ = 1;
    int updating_ = 0;
    bool pending_ = false;
};

}  // namespace platform

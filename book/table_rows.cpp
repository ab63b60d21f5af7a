#include "table_rows.h"

#include <algorithm>

namespace book {

PersonRow rowAt(const platform::StringGrid& grid, int row) {
    PersonRow cells;
    for (int col = 0; col < columnCount; ++col) cells[col] = grid.cell(col, row);
    return cells;
}

std::vector<PersonRow> peopleRows(const platform::StringGrid& grid) {
    std::vector<PersonRow> rows;
    rows.reserve(static_cast<std::size_t>(grid.rowCount()));
    for (int row = 1; row < grid.rowCount(); ++row)
        if (holdsText(grid, row)) rows.push_back(rowAt(grid, row));
    return rows;
}

std::vector<PersonRow> setPeopleRows(platform::StringGrid& grid, std::vector<PersonRow> rows,
                                     std::size_t most) {
    std::vector<PersonRow> leftOut;
    if (rows.size() > most) {
        leftOut.assign(std::make_move_iterator(rows.begin() + static_cast<std::ptrdiff_t>(most)),
                       std::make_move_iterator(rows.end()));
        rows.resize(most);
    }
    grid.beginUpdate();
    grid.setRowCount(std::max<int>(2, static_cast<int>(rows.size()) + 1));
    clearPlaceholder(grid);
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (int col = 0; col < columnCount; ++col)
            grid.setCell(col, static_cast<int>(i) + 1, rows[i][col]);
    grid.endUpdate();
    return leftOut;
}

int findRow(const platform::StringGrid& grid, const PersonRow& cells) {
    for (int row = 1; row < grid.rowCount(); ++row) {
        bool same = true;
        for (int col = 0; col < columnCount && same; ++col)
            same = grid.cell(col, row) == cells[col];
        if (same) return row;
    }
    return 0;
}

}  // namespace book

#include "table_rows.h"

#include <algorithm>
#include <cstdint>

#include "text.h"

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

std::string nameOf(const PersonRow& row) {
    const std::string first = trimmed(row[colFirstName]);
    const std::string surname = trimmed(row[colSurname]);
    return first + (first.empty() || surname.empty() ? "" : " ") + surname;
}

std::size_t hashOf(const PersonRow& row) {
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (const std::string& cell : row) {
        for (unsigned char c : cell) hash = (hash ^ c) * 0x100000001b3ull;
        hash *= 0x100000001b3ull;
    }
    return static_cast<std::size_t>(hash);
}

}  // namespace book

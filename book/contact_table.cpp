#include "contact_table.h"

#include "text.h"

namespace book {

bool holdsPerson(const platform::StringGrid& grid, int row) {
    if (row < 1 || row >= grid.rowCount()) return false;
    return !trimmed(grid.cell(colFirstName, row)).empty() ||
           !trimmed(grid.cell(colSurname, row)).empty();
}

bool lastRowTaken(const platform::StringGrid& grid) { return holdsText(grid, grid.rowCount() - 1); }

bool holdsText(const platform::StringGrid& grid, int row) {
    for (int col = 0; col < grid.colCount(); ++col)
        if (!grid.cell(col, row).empty()) return true;
    return false;
}

void removeRow(platform::StringGrid& grid, int row) {
    grid.beginUpdate();
    for (int k = row; k <= grid.rowCount() - 2; ++k) grid.copyRow(k + 1, k);
    grid.setRowCount(grid.rowCount() - 1);
    grid.endUpdate();
}

void clearPlaceholder(platform::StringGrid& grid) {
    for (int col = 0; col < grid.colCount(); ++col) grid.setCell(col, 1, "");
}

int appendRow(platform::StringGrid& grid) {
    grid.setRowCount(grid.rowCount() + 1);
    return grid.rowCount() - 1;
}

std::string birthdayKey(int month, const std::string& dayText) {
    std::string monthText = std::to_string(month);
    if (monthText.size() == 1) monthText = "0" + monthText;
    std::string day = trimmed(dayText);
    if (day.size() == 1) day = "0" + day;
    return monthText + day;
}

std::string shownDate(const std::string& monthName, const std::string& dayText) {
    std::string day = trimmed(dayText);
    if (day.size() == 1) day = " " + day;
    return monthName + "," + day;
}

}  // namespace book

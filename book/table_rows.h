#pragma once
// The people of the contact table as rows of their ten cells, apart from the
// grid: what a merge compares, and what goes back into the grid after it.
#include <array>
#include <string>
#include <vector>

#include "contact_table.h"
#include "platform/string_grid.h"

namespace book {

using PersonRow = std::array<std::string, columnCount>;

PersonRow rowAt(const platform::StringGrid& grid, int row);
// Every row that holds any text, in grid order: the rows the file gets.
std::vector<PersonRow> peopleRows(const platform::StringGrid& grid);
// Replaces the table's people with the rows, in their order; no rows leave
// the empty placeholder row. The rows beyond `most` are left out and returned.
std::vector<PersonRow> setPeopleRows(platform::StringGrid& grid, std::vector<PersonRow> rows,
                                     std::size_t most);
// "Ann Smith": the trimmed first name and surname, a blank between them
// when both are there.
std::string nameOf(const PersonRow& row);
// FNV-1a over the cells, each ended by a zero byte, which no cell holds.
std::size_t hashOf(const PersonRow& row);
// The first row holding exactly these cells, or 0 when none does.
int findRow(const platform::StringGrid& grid, const PersonRow& cells);

}  // namespace book

#pragma once
// The order of the contact table: its rows ordered by the texts of one column.
#include <vector>

#include "platform/string_grid.h"

namespace book {

// Orders rows 1 to RowCount - 1 by the texts of column `col`, compared byte by
// byte as unsigned values, a text being smaller than a longer one that begins
// with it. Rows with equal texts end exactly where the table's exchange sort
// leaves them: for each row i from the top, each row j below it is exchanged
// with row i when the text of row i is greater. The work is about n log n.
//
// Returns where every row came from, over grid rows: order[newRow] == oldRow,
// order[0] == 0 for the header. A table of at most one person is left alone.
std::vector<int> sortRows(platform::StringGrid& grid, int col);

// The row where oldRow stands after the sort that returned `order`.
int rowAfterSort(const std::vector<int>& order, int oldRow);

}  // namespace book

#pragma once
// The table's sort exactly as the program's documentation writes it, about
// n²/2 comparisons: the reference the fast sort must match, row for row.
#include "platform/string_grid.h"

namespace test_support {

// For i from 1 to RowCount - 2, for j from i + 1 to RowCount - 1: exchange
// rows i and j when the text of cell (col, i) is greater than that of (col, j).
void literalExchangeSort(platform::StringGrid& grid, int col);

}  // namespace test_support

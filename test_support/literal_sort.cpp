#include "literal_sort.h"

#include <string>

namespace test_support {

namespace {

// Written out byte by byte, apart from the sort under test.
bool greaterText(const std::string& a, const std::string& b) {
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const unsigned char x = static_cast<unsigned char>(a[i]);
        const unsigned char y = static_cast<unsigned char>(b[i]);
        if (x != y) return x > y;
    }
    return a.size() > b.size();
}

}  // namespace

void literalExchangeSort(platform::StringGrid& grid, int col) {
    const int rowCount = grid.rowCount();
    grid.beginUpdate();
    for (int i = 1; i <= rowCount - 2; ++i)
        for (int j = i + 1; j <= rowCount - 1; ++j)
            if (greaterText(grid.cell(col, i), grid.cell(col, j))) grid.exchangeRows(i, j);
    grid.endUpdate();
}

}  // namespace test_support

#include "row_search.h"

#include <string_view>

#include "platform/services.h"

namespace book {

namespace {

bool beginsWith(std::string_view cell, std::string_view text) {
    return cell.size() >= text.size() &&
           platform::sameTextIgnoringCase(cell.substr(0, text.size()), text);
}

// `smallText` is the looked-for text in small letters; `cell` is lowered into
// `lowered`, which the search reuses, so that one pass of the system's
// lowering serves every position of the cell.
bool anyContains(const platform::StringGrid& grid, int row, const std::vector<int>& cols,
                 const std::string& smallText, std::string& lowered) {
    for (int col : cols) {
        lowered.assign(grid.cell(col, row));
        platform::lowerInPlace(lowered);
        if (lowered.find(smallText) != std::string::npos) return true;
    }
    return false;
}

// Rows `first` to the last one, then row 1 to first - 1.
template <typename Matches>
int firstRowRoundFrom(const platform::StringGrid& grid, int first, bool wrap, Matches matches) {
    for (int row = first; row < grid.rowCount(); ++row)
        if (matches(row)) return row;
    for (int row = 1; wrap && row < first && row < grid.rowCount(); ++row)
        if (matches(row)) return row;
    return 0;
}

}  // namespace

int rowBeginningWith(const platform::StringGrid& grid, int col, const std::string& text,
                     int fromRow, bool partial, bool wrap) {
    const int first = fromRow >= 1 ? fromRow : 1;
    return firstRowRoundFrom(grid, first, wrap, [&](int row) {
        const std::string& cell = grid.cell(col, row);
        return partial ? beginsWith(cell, text) : platform::sameTextIgnoringCase(cell, text);
    });
}

int nextRowContaining(const platform::StringGrid& grid, const std::vector<int>& cols,
                      const std::string& text, int selected) {
    if (text.empty()) return 0;
    const int first = selected >= 1 && selected + 1 < grid.rowCount() ? selected + 1 : 1;
    std::string smallText = text, lowered;
    platform::lowerInPlace(smallText);
    return firstRowRoundFrom(grid, first, true, [&](int row) {
        return anyContains(grid, row, cols, smallText, lowered);
    });
}

}  // namespace book

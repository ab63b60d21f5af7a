#include "reminder_placement.h"

#include <algorithm>

namespace reminders {

namespace {

// The places of one round: columns of rows, in screen coordinates.
struct Grid {
    int firstLeft, bottom;  // the first column's left edge, every column's bottom
    int rows, columns;
};

Grid gridFor(WindowSize window, const platform::Rect& area) {
    const int firstLeft = area.right - area.left - window.width - 1;
    const int bottom = area.bottom - area.top;
    const int rows = std::max(1, (bottom - area.top) / std::max(1, window.height));
    const int columns = std::max(1, (firstLeft - area.left) / std::max(1, window.width) + 1);
    return {firstLeft, bottom, rows, columns};
}

// How many rounds fit before a shifted caption would leave the work area: at
// the bottom of the first row or at the left of the last column.
int roundsFor(const Grid& grid, WindowSize window, const platform::Rect& area, int caption) {
    if (caption <= 0) return 1;
    const int roomBelow = area.bottom - (grid.bottom - window.height) - caption;
    const int roomLeft = grid.firstLeft - (grid.columns - 1) * window.width - area.left;
    return 1 + std::max(0, std::min(roomBelow, roomLeft) / caption);
}

}  // namespace

platform::Point reminderPlace(int index, WindowSize window, const platform::Rect& workArea,
                              int captionHeight) {
    const Grid grid = gridFor(window, workArea);
    const int perRound = grid.rows * grid.columns;
    const int shift = (index / perRound) % roundsFor(grid, window, workArea, captionHeight) *
                      std::max(0, captionHeight);
    const int inRound = index % perRound;
    const int column = inRound / grid.rows;
    const int row = inRound % grid.rows;
    return {grid.firstLeft - column * window.width - shift,
            grid.bottom - window.height * (row + 1) + shift};
}

}  // namespace reminders

#pragma once
// Where each of a day's reminder windows stands on the screen.
#include "platform/services.h"

namespace reminders {

struct WindowSize {
    int width = 0, height = 0;
};

// The top-left corner of the day's reminder window number `index`, counted
// from 0 in the order the windows opened, all of one outer size. The first
// column stands at the bottom right and stacks upwards; the work area's size,
// not its edges, gives that column's place from the screen's top-left corner.
// A window that would cross the top of the work area starts a new column to
// the left, from the bottom again. Once no further column fits, the next
// windows stand over the same places again, each round shifted one caption
// height further down and left, as cascaded windows stand; when a round would
// take a caption out of the work area, the rounds start over from no shift.
platform::Point reminderPlace(int index, WindowSize window, const platform::Rect& workArea,
                              int captionHeight);

}  // namespace reminders

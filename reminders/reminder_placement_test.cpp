#include "reminder_placement.h"

#include <gtest/gtest.h>

namespace reminders {
namespace {

constexpr WindowSize window{318, 54};
constexpr int caption = 16;

struct Screen {
    const char* name;
    platform::Rect area;
};

// Screens of 768 and 1080 pixels, with the taskbar at the bottom, the top
// and the left.
const Screen screens[] = {{"768, taskbar below", {0, 0, 1024, 738}},
                          {"768, taskbar above", {0, 30, 1024, 768}},
                          {"1080, taskbar below", {0, 0, 1920, 1040}},
                          {"1080, taskbar left", {60, 0, 1920, 1080}}};

bool captionInside(const platform::Point& place, const platform::Rect& area) {
    return place.x >= area.left && place.x + window.width <= area.right && place.y >= area.top &&
           place.y + caption <= area.bottom;
}

TEST(ReminderPlacement, TheFirstColumnStandsAsEverAndEveryCaptionInsideTheWorkArea) {
    for (const Screen& screen : screens) {
        const platform::Rect& area = screen.area;
        for (int count : {1, 15, 16, 100, 1350}) {
            for (int index = 0; index < count; ++index) {
                SCOPED_TRACE(testing::Message() << screen.name << ", window " << index + 1);
                const platform::Point place = reminderPlace(index, window, area, caption);
                const int stackedTop = area.bottom - area.top - window.height * (index + 1);
                if (stackedTop >= area.top) {
                    EXPECT_EQ(place.x, area.right - area.left - window.width - 1);
                    EXPECT_EQ(place.y, stackedTop);
                } else {
                    EXPECT_TRUE(captionInside(place, area)) << place.x << ", " << place.y;
                }
            }
        }
    }
}

// 13 rows of 3 columns fill the 768-pixel screen; the next window stands over
// the first, one caption down and left; a third round still keeps the
// bottom windows' captions inside, a fourth starts over.
TEST(ReminderPlacement, AFullWorkAreaCascadesOverTheFirstPlacesAndStartsOverInside) {
    const platform::Rect area{0, 0, 1024, 738};
    const platform::Point first = reminderPlace(0, window, area, caption);
    const platform::Point lastOfRound = reminderPlace(38, window, area, caption);
    EXPECT_EQ(lastOfRound.x, first.x - 2 * window.width);
    EXPECT_EQ(lastOfRound.y, first.y - 12 * window.height);
    for (int round = 1; round <= 3; ++round) {
        const platform::Point place = reminderPlace(39 * round, window, area, caption);
        EXPECT_EQ(place.x, first.x - caption * (round % 3)) << round;
        EXPECT_EQ(place.y, first.y + caption * (round % 3)) << round;
    }
}

}  // namespace
}  // namespace reminders

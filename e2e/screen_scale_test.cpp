// The windows at the screen's DPI: every size of the 96-DPI layout times
// DPI / 96. The test command runs this at 96 DPI with every other test, and
// once more in a prefix of its own whose LogPixels is 144 (FESTORIN_DPI).
#include <gtest/gtest.h>

#include <cstdlib>

#include "e2e/harness.h"

namespace {

int expectedDpi() {
    const char* dpi = std::getenv("FESTORIN_DPI");
    return dpi && *dpi ? std::atoi(dpi) : 96;
}

int scaled(int length) { return MulDiv(length, expectedDpi(), 96); }

TEST(ScreenScaleTest, TheWindowsGrowWithTheScreensDpi) {
    HDC screen = GetDC(nullptr);
    ASSERT_EQ(GetDeviceCaps(screen, LOGPIXELSY), expectedDpi());
    ReleaseDC(nullptr, screen);
    const SYSTEMTIME today = e2e::dayFromToday(0);
    e2e::clearDataFolder();
    e2e::writeDataFile(
        "dates.txt",
        e2e::contactRecords({e2e::enteredPerson("Ada", "Lovelace", today.wMonth, today.wDay)}));
    e2e::writeDataFile("date_verif.txt", e2e::checkDateLine(e2e::dayFromToday(-1)));
    e2e::Festorin festorin;
    ASSERT_TRUE(festorin.started());

    const e2e::Placement main = e2e::placementOf(festorin.mainWindow());
    EXPECT_EQ(main.clientWidth, scaled(794));
    EXPECT_EQ(main.clientHeight, scaled(348));
    EXPECT_EQ(e2e::placementOf(festorin.grid()).height, scaled(289));
    EXPECT_EQ(festorin.gridColumnWidth(3), scaled(92));
    EXPECT_EQ(e2e::placementOf(festorin.control("Button", "Add")).width, scaled(105));

    festorin.postMessage(WM_TIMER, 1, 0);
    ASSERT_TRUE(festorin.settle());
    const std::vector<HWND> reminders = festorin.windowsOfClass(e2e::reminderWindowClass);
    ASSERT_EQ(reminders.size(), 1u);
    const e2e::Placement reminder = e2e::placementOf(reminders[0]);
    EXPECT_EQ(reminder.clientWidth, scaled(312));
    EXPECT_EQ(reminder.clientHeight, scaled(32));
}

}  // namespace

// The notification-area icon's messages and its pop-up menu, as the shell
// and the user's mouse send them.
#include <gtest/gtest.h>

#include "e2e/harness.h"

namespace {

constexpr UINT iconMessage = WM_USER + 1;

TEST(PopupMenuTest, IconMenuHidesTheWindowAndADoubleClickBringsItBack) {
    e2e::clearDataFolder();
    e2e::Festorin festorin;
    ASSERT_TRUE(festorin.started());
    HWND main = festorin.mainWindow();

    festorin.postMessage(iconMessage, 1, WM_RBUTTONUP);
    ASSERT_TRUE(festorin.choosePopupItem(2));  // "Minimize"
    EXPECT_TRUE(e2e::waitUntil([&] { return !IsWindowVisible(main); }));
    EXPECT_TRUE(festorin.running());

    festorin.postMessage(iconMessage, 1, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(e2e::waitUntil([&] { return IsWindowVisible(main); }));
}

}  // namespace

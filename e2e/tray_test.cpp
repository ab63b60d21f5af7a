// The real notification-area icon and window life cycle under Wine: no
// taskbar button, minimise hides, the icon's menu and double-click, starting
// hidden, and the quit question.
#include <gtest/gtest.h>

#include "e2e/harness.h"

namespace {

using e2e::Festorin;
using e2e::waitUntil;

constexpr UINT iconMessage = WM_USER + 1;
const std::vector<std::string> fileQuit{"&File", "&Quit"};
const std::vector<std::string> startInTray{"&Options", "Start in the system tray"};

class TrayTest : public ::testing::Test {
protected:
    void SetUp() override {
        e2e::clearDataFolder();
        RemoveDirectoryA((e2e::dataFolder() + "st.txt").c_str());
    }

    // Asks the notification area about the icon without changing it.
    static bool iconShown(HWND main) {
        NOTIFYICONDATAA data{};
        data.cbSize = NOTIFYICONDATAA_V1_SIZE;
        data.hWnd = main;
        data.uID = 1;
        return Shell_NotifyIconA(NIM_MODIFY, &data);
    }

    static void iconMouse(const Festorin& festorin, UINT mouseMessage) {
        festorin.postMessage(iconMessage, 1, mouseMessage);
    }

    static bool shown(HWND window) { return IsWindowVisible(window); }

    // A taskbar button belongs to a visible window that has no owner and is
    // not a tool window, or that asks for one.
    static void expectNoTaskbarButton(const Festorin& festorin) {
        for (HWND window : festorin.windowsOfClass("")) {
            if (!IsWindowVisible(window)) continue;
            const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
            EXPECT_TRUE(GetWindow(window, GW_OWNER) || (exStyle & WS_EX_TOOLWINDOW))
                << "a visible window of class " << e2e::classOf(window);
            EXPECT_FALSE(exStyle & WS_EX_APPWINDOW) << e2e::classOf(window);
        }
        const std::vector<HWND> application = festorin.windowsOfClass("TApplication");
        ASSERT_EQ(application.size(), 1u);
        const LONG exStyle = GetWindowLongA(application[0], GWL_EXSTYLE);
        EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
        EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
    }

    static bool noMenuOpen(const Festorin& festorin) {
        for (HWND window : festorin.windowsOfClass("#32768"))
            if (IsWindowVisible(window)) return false;
        return true;
    }

    static bool menuClosed(const Festorin& festorin) {
        return waitUntil([&] { return noMenuOpen(festorin); });
    }

    // Opens the icon's menu and chooses an item, counting from 0.
    static void chooseFromIconMenu(const Festorin& festorin, int item) {
        iconMouse(festorin, WM_RBUTTONUP);
        EXPECT_TRUE(festorin.choosePopupItem(item));
    }
    static void chooseQuit(const Festorin& f) { chooseFromIconMenu(f, 0); }
    static void chooseRestore(const Festorin& f) { chooseFromIconMenu(f, 1); }
    static void chooseMinimize(const Festorin& f) { chooseFromIconMenu(f, 2); }

    static e2e::MessageBoxSeen expectQuitQuestion(const Festorin& festorin) {
        e2e::MessageBoxSeen box = festorin.waitForMessageBox();
        EXPECT_TRUE(box.window);
        EXPECT_EQ(box.caption, "Confirmation");
        EXPECT_EQ(box.text, "Do you really want to quit Festorin ?");
        const auto isDefault = [&](int button) {
            return (GetWindowLongA(GetDlgItem(box.window, button), GWL_STYLE) & BS_TYPEMASK) ==
                   BS_DEFPUSHBUTTON;
        };
        EXPECT_TRUE(GetDlgItem(box.window, IDNO));
        EXPECT_TRUE(isDefault(IDYES));
        EXPECT_FALSE(isDefault(IDNO));
        EXPECT_FALSE(GetDlgItem(box.window, IDCANCEL));
        return box;
    }

    static bool ends(const Festorin& festorin) {
        return waitUntil([&] { return !festorin.running(); }, 10000);
    }

    // The program ends by itself and its icon leaves the notification area.
    static void expectEndsTakingTheIconOut(const Festorin& festorin, HWND main) {
        EXPECT_TRUE(ends(festorin));
        EXPECT_FALSE(iconShown(main));
    }
};

// The icon's menu opens at the cursor on the right button's release only;
// a click elsewhere closes it without a command. (Named for the README's
// picture, which scripts/screenshot_tray.sh takes during this test.)
TEST_F(TrayTest, TheIconMenuOpensAtTheCursorOnRightButtonUpOnly) {
    Festorin festorin;
    ASSERT_TRUE(festorin.started());
    HWND main = festorin.mainWindow();
    ASSERT_TRUE(festorin.moveCursorTo(880, 680));  // above the icon, where a user's click is
    for (UINT mouse : {WM_RBUTTONDOWN, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEMOVE})
        iconMouse(festorin, mouse);
    ASSERT_TRUE(festorin.settle());
    EXPECT_TRUE(noMenuOpen(festorin));

    iconMouse(festorin, WM_RBUTTONUP);
    HWND menu = festorin.openMenu();
    ASSERT_TRUE(menu);
    const e2e::Placement place = e2e::placementOf(menu);
    EXPECT_EQ(place.left, 880);
    EXPECT_EQ(place.top, 680);
    expectNoTaskbarButton(festorin);
    // The README's picture is taken while the menu is open, when asked.
    e2e::holdForPicture("FESTORIN_TRAY_PICTURE");
    ASSERT_TRUE(festorin.choosePopupItem(2));
    EXPECT_TRUE(waitUntil([&] { return !shown(main); })) << "Minimize";
    EXPECT_TRUE(festorin.running());
    iconMouse(festorin, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(waitUntil([&] { return shown(main); })) << "the double-click";
    chooseMinimize(festorin);
    EXPECT_TRUE(waitUntil([&] { return !shown(main); })) << "Minimize again";

    chooseMinimize(festorin);
    ASSERT_TRUE(festorin.settle());
    EXPECT_FALSE(shown(main));
    chooseRestore(festorin);
    EXPECT_TRUE(waitUntil([&] { return shown(main); })) << "Restore";
    EXPECT_TRUE(festorin.running());

    // A click elsewhere closes the menu without a command.
    ASSERT_TRUE(festorin.moveCursorTo(900, 700));
    iconMouse(festorin, WM_RBUTTONUP);
    ASSERT_TRUE(festorin.openMenu());

    ASSERT_TRUE(festorin.moveCursorTo(20, 20));
    INPUT click[2]{};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, click, sizeof(INPUT));
    EXPECT_TRUE(menuClosed(festorin));
    ASSERT_TRUE(festorin.settle());
    EXPECT_TRUE(shown(main));
    EXPECT_TRUE(festorin.running());
    EXPECT_TRUE(festorin.openBoxes().empty()) << "no quit question";

    chooseMinimize(festorin);
    EXPECT_TRUE(waitUntil([&] { return !shown(main); })) << "the menu works again";
}

// Minimise hides the window, and the icon's double-click brings it back in
// place; the start-hidden option then waits for the next start.
TEST_F(TrayTest, MinimiseHidesAndTheStartHiddenOptionSurvivesARestart) {
    {
        Festorin festorin;
        ASSERT_TRUE(festorin.started());
        HWND main = festorin.mainWindow();
        EXPECT_TRUE(iconShown(main));
        expectNoTaskbarButton(festorin);
        RECT before;
        GetWindowRect(main, &before);

        festorin.postMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
        EXPECT_TRUE(waitUntil([&] { return !shown(main); }));
        EXPECT_FALSE(IsIconic(main));
        EXPECT_TRUE(festorin.running());
        EXPECT_TRUE(iconShown(main));
        expectNoTaskbarButton(festorin);

        iconMouse(festorin, WM_LBUTTONDBLCLK);
        EXPECT_TRUE(waitUntil([&] { return shown(main) && GetForegroundWindow() == main; }));
        RECT after;
        GetWindowRect(main, &after);
        EXPECT_TRUE(EqualRect(&before, &after));
        expectNoTaskbarButton(festorin);

        festorin.menuCommand(startInTray);
        EXPECT_EQ(festorin.dataFile("st.txt"), "*\r\n");
        EXPECT_TRUE(shown(festorin.mainWindow())) << "the option waits for the next start";
        EXPECT_TRUE(festorin.closeAndWait());
    }
    Festorin festorin(Festorin::Start::Created);
    ASSERT_TRUE(festorin.started());
    HWND main = festorin.mainWindow();
    // Settling needs the message loop, which first shows the window, centred:
    // hidden from then on means hidden by its first paint.
    ASSERT_TRUE(festorin.settle());
    EXPECT_TRUE(waitUntil([&] { return !shown(main); }));
    const e2e::Placement place = e2e::placementOf(main);
    EXPECT_EQ(place.left, (GetSystemMetrics(SM_CXSCREEN) - place.width) / 2) << "shown first";
    ASSERT_TRUE(festorin.settle());
    EXPECT_FALSE(shown(main));
    EXPECT_TRUE(iconShown(main));
    expectNoTaskbarButton(festorin);

    // Checked: choosing the option now takes the marker away.
    festorin.menuCommand(startInTray);
    ASSERT_TRUE(festorin.settle());
    EXPECT_FALSE(e2e::dataFileExists("st.txt"));
    iconMouse(festorin, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(waitUntil([&] { return shown(main); }));
}

TEST_F(TrayTest, QuitAnsweredNoKeepsItRunningAndYesEndsItAndTakesTheIconOut) {
    Festorin festorin;
    ASSERT_TRUE(festorin.started());
    HWND main = festorin.mainWindow();

    festorin.menuCommand(fileQuit);
    e2e::MessageBoxSeen box = expectQuitQuestion(festorin);
    festorin.pressKey(box.window, VK_ESCAPE);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(box.window); })) << "Escape answers No";
    ASSERT_TRUE(festorin.settle());
    EXPECT_TRUE(festorin.running());
    EXPECT_TRUE(shown(main));
    EXPECT_TRUE(iconShown(main));

    festorin.postMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(waitUntil([&] { return !shown(main); }));
    chooseQuit(festorin);
    box = expectQuitQuestion(festorin);
    EXPECT_TRUE(festorin.answer(box, IDNO));
    ASSERT_TRUE(festorin.settle());
    EXPECT_TRUE(festorin.running());
    EXPECT_FALSE(shown(main));

    chooseQuit(festorin);
    box = expectQuitQuestion(festorin);
    festorin.answer(box, IDYES);
    expectEndsTakingTheIconOut(festorin, main);
}

TEST_F(TrayTest, TheCloseButtonEndsWithoutAQuestionEvenAfterAQuitAnsweredNo) {
    Festorin festorin;
    ASSERT_TRUE(festorin.started());
    HWND main = festorin.mainWindow();
    festorin.menuCommand(fileQuit);
    EXPECT_TRUE(festorin.answer(expectQuitQuestion(festorin), IDNO));

    festorin.postMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    expectEndsTakingTheIconOut(festorin, main);
}

TEST_F(TrayTest, LoggingOffEndsWithoutAQuestion) {
    Festorin festorin;
    ASSERT_TRUE(festorin.started());
    HWND main = festorin.mainWindow();
    EXPECT_TRUE(festorin.sendMessage(WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
    EXPECT_TRUE(festorin.windowsOfClass("#32770").empty());
    festorin.postMessage(WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    expectEndsTakingTheIconOut(festorin, main);
}

TEST_F(TrayTest, RestoreBringsBackAnApplicationMinimisedFromOutsideAndTheIconComesBack) {
    Festorin festorin;
    ASSERT_TRUE(festorin.started());
    HWND main = festorin.mainWindow();
    HWND application = festorin.windowsOfClass("TApplication").at(0);
    ShowWindow(application, SW_MINIMIZE);
    ASSERT_TRUE(waitUntil([&] { return IsIconic(application); }));
    iconMouse(festorin, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(waitUntil([&] { return !IsIconic(application) && shown(main); }));
    expectNoTaskbarButton(festorin);

    // The icon comes back when the taskbar is recreated.
    festorin.postMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(waitUntil([&] { return !shown(main); }));

    // A restarted shell has lost the icon, then tells every window.
    NOTIFYICONDATAA forgotten{};
    forgotten.cbSize = NOTIFYICONDATAA_V1_SIZE;
    forgotten.hWnd = main;
    forgotten.uID = 1;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &forgotten));
    ASSERT_FALSE(iconShown(main));
    festorin.postMessage(RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(waitUntil([&] { return iconShown(main); }));

    iconMouse(festorin, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(waitUntil([&] { return shown(main); }));
}

}  // namespace

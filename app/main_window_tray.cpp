// The notification-area icon, its menu, hiding instead of minimising,
// starting hidden and the quit question.
#include <algorithm>

#include "app/hand_over.h"
#include "app/main_window.h"
#include "app/option_marker.h"
#include "platform/application.h"
#include "platform/message_box.h"

namespace {

// The first form of the icon record, which every version of the shell accepts.
constexpr std::uint32_t notifyIconDataSize = 88;
constexpr std::uint32_t iconId = 1;
constexpr std::uint32_t messageIconAndTip = 7;  // NIF_MESSAGE | NIF_ICON | NIF_TIP
constexpr unsigned iconMessage = 1025;          // WM_USER + 1
constexpr char iconTip[] = "Festorin";

constexpr unsigned wmSysCommand = 274;
constexpr std::uintptr_t systemCommandMask = 0xFFF0;
constexpr std::uintptr_t scMinimize = 0xF020;
constexpr std::intptr_t wmLButtonDblClk = 515;
constexpr std::intptr_t wmRButtonUp = 517;

}  // namespace

void MainWindow::wireLifeCycle() {
    onMessage = [this](unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
        return handleMessage(message, wParam, lParam);
    };
    onPaint = [this] { onPainted(); };
    onCloseQuery = [this](bool& canClose) { onCloseAsked(canClose); };
    onDestroy = [this] { onDestroyed(); };
    onHandOver = [this](std::uintptr_t tag, std::string_view handOver) {
        return anotherRunStarted(tag, handOver);
    };
    quitItem.onClick = [this] { onQuit(); };
    startInTrayItem.onClick = [this] { onStartInTray(); };
    trayQuitItem.onClick = [this] { onTrayQuit(); };
    trayRestoreItem.onClick = [this] { onTrayRestore(); };
    trayMinimizeItem.onClick = [this] { onTrayMinimize(); };
}

void MainWindow::addTrayIcon() {
    platform::NotifyIconData data;
    data.cbSize = notifyIconDataSize;
    data.window = this;
    data.id = iconId;
    data.flags = messageIconAndTip;
    data.callbackMessage = iconMessage;
    data.icon = icon;
    std::copy(std::begin(iconTip), std::end(iconTip), data.tip);
    platform::shellNotifyIcon(platform::nimAdd, data);
}

void MainWindow::removeTrayIcon() {
    platform::NotifyIconData data;
    data.cbSize = notifyIconDataSize;
    data.window = this;
    data.id = iconId;
    platform::shellNotifyIcon(platform::nimDelete, data);
}

bool MainWindow::handleMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    if (message == wmSysCommand && (wParam & systemCommandMask) == scMinimize) {
        // Hidden rather than minimised: the icon is the way back.
        hide();
        return true;
    }
    if (message == iconMessage) {
        onTrayIconMessage(wParam, lParam);
        return true;
    }
    // A restarted shell has forgotten the icon; without it a hidden
    // window could neither be shown nor quit.
    const unsigned taskbarCreated = platform::taskbarCreatedMessage();
    if (taskbarCreated != 0 && message == taskbarCreated) {
        addTrayIcon();
        return true;
    }
    return false;
}

void MainWindow::onTrayIconMessage(std::uintptr_t, std::intptr_t lParam) {
    if (lParam == wmRButtonUp) {
        const platform::Point cursor = platform::cursorPos();
        trayMenu.popup(cursor.x, cursor.y);
    } else if (lParam == wmLButtonDblClk) {
        bringBack();
    }
}

void MainWindow::bringBack() {
    platform::application::restore();
    show();
    bringToFront();
}

// The user started Festorin again, wanting its window, perhaps with files
// to take people from. Any other process may send data here: only a
// hand-over of Festorin's own is taken.
bool MainWindow::anotherRunStarted(std::uintptr_t tag, std::string_view handOver) {
    const std::optional<std::vector<std::string>> files = app::filesHandedOver(tag, handOver);
    if (!files) return false;
    bringBack();
    offerAddressBooks(*files);
    return true;
}

void MainWindow::askToQuit() {
    quitRequested = true;
    close();
}

void MainWindow::onQuit() { askToQuit(); }

void MainWindow::onTrayQuit() { askToQuit(); }

void MainWindow::onTrayRestore() { bringBack(); }

void MainWindow::onTrayMinimize() { hide(); }

void MainWindow::onCloseAsked(bool& canClose) {
    // Only the Quit commands ask; any other close ends the program at once.
    if (!quitRequested) return;
    const platform::MbResult answer =
        platform::messageBox("Do you really want to quit Festorin ?", "Confirmation",
                             platform::MbIcon::Question, platform::MbButtons::YesNo);
    if (answer == platform::MbResult::No) {
        canClose = false;
        quitRequested = false;
    }
}

void MainWindow::onPainted() {
    const bool first = firstPaint;
    firstPaint = false;
    if (!first) return;
    const bool startHidden = app::startHiddenMarker.present(dataFolder);
    startInTrayItem.setChecked(startHidden);
    if (startHidden) hide();
}

void MainWindow::onStartInTray() {
    app::switchOption(startInTrayItem, app::startHiddenMarker, dataFolder);
}

void MainWindow::onDestroyed() {
    // A change whose save failed still goes out, however the program ends.
    saveUnsavedChanges();
    keepBaseOf(dataFolder);
    removeTrayIcon();
    platform::destroyIcon(icon);
}

// The notification-area icon and the program's icons.

#include <cstring>

#include "platform/tray_icon.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/window_class.h"

namespace platform {

// The record goes to the shell as the program filled it; its cbSize (88,
// the first form) tells the shell how much of it to read.
void shellNotifyIcon(unsigned message, const NotifyIconData& data) {
    NOTIFYICONDATAA record{};
    record.cbSize = data.cbSize;
    record.hWnd = data.window ? win32::windowOf(*data.window) : nullptr;
    record.uID = data.id;
    record.uFlags = data.flags;
    record.uCallbackMessage = data.callbackMessage;
    record.hIcon = reinterpret_cast<HICON>(data.icon);
    std::memcpy(record.szTip, data.tip, sizeof data.tip);
    Shell_NotifyIconA(message, &record);
}

IconHandle loadIcon(const std::string& resourceName) {
    return reinterpret_cast<IconHandle>(LoadIconA(win32::instance(), resourceName.c_str()));
}

void destroyIcon(IconHandle icon) { DestroyIcon(reinterpret_cast<HICON>(icon)); }

unsigned taskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

}  // namespace platform

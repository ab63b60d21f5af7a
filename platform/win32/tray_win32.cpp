// The notification-area icon and the program's icons.

#include <cstring>

#include "platform/tray_icon.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/window_class.h"

namespace platform {

namespace {

// The first form of the record is 88 bytes in 32-bit Windows; its handles
// make it 104 in 64-bit Windows, whose shell tells the forms by their size.
constexpr std::uint32_t firstFormSize32 = 88;
static_assert(sizeof(void*) == 8 || NOTIFYICONDATAA_V1_SIZE == firstFormSize32);

DWORD recordSize(std::uint32_t cbSize) {
    return cbSize == firstFormSize32 ? NOTIFYICONDATAA_V1_SIZE : cbSize;
}

}  // namespace

// The record goes to the shell as the program filled it; its cbSize (the
// first form) tells the shell how much of it to read.
void shellNotifyIcon(unsigned message, const NotifyIconData& data) {
    NOTIFYICONDATAA record{};
    record.cbSize = recordSize(data.cbSize);
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

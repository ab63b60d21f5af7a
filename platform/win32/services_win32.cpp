// The system services the handlers ask for: clock, regional settings,
// folders, screen and the shell.

#include "platform/services.h"
#include "platform/win32/application_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_api.h"

namespace platform {

DateTime now() {
    SYSTEMTIME local;
    GetLocalTime(&local);
    return {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond};
}

char dateSeparator() {
    char separator[4] = "/";
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDATE, separator, sizeof separator);
    return separator[0] ? separator[0] : '/';
}

ShortDateOrder shortDateOrder() {
    char order[4] = "0";
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IDATE, order, sizeof order);
    switch (order[0]) {
        case '1':
            return ShortDateOrder::DayMonthYear;
        case '2':
            return ShortDateOrder::YearMonthDay;
        default:
            return ShortDateOrder::MonthDayYear;
    }
}

std::string fullPath(const std::string& path) {
    char full[MAX_PATH] = "";
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    return length > 0 && length < sizeof full ? std::string(full, length) : path;
}

namespace {

// The shell's answers are not examined: a failure leaves the path empty.
std::string shellFolder(int folder) {
    Form* main = win32::mainForm();
    HWND owner = main ? win32::windowOf(*main) : nullptr;
    LPITEMIDLIST location = nullptr;
    SHGetSpecialFolderLocation(owner, folder, &location);
    char path[MAX_PATH] = "";
    if (location) {
        SHGetPathFromIDListA(location, path);
        CoTaskMemFree(location);
    }
    return path;
}

}  // namespace

std::string appDataFolder() { return shellFolder(CSIDL_APPDATA); }

std::string documentsFolder() { return shellFolder(CSIDL_PERSONAL); }

std::string executablePath() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

Rect workArea() {
    RECT area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return {area.left, area.top, area.right, area.bottom};
}

Point cursorPos() {
    POINT point{};
    GetCursorPos(&point);
    return {point.x, point.y};
}

void shellOpen(const std::string& link) {
    ShellExecuteA(GetDesktopWindow(), "open", link.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void pause(int milliseconds) { Sleep(static_cast<DWORD>(milliseconds)); }

}  // namespace platform

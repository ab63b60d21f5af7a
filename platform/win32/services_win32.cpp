// The system services the handlers ask for: clock, regional settings,
// folders, screen and the shell.

#include "platform/services.h"
#include "platform/win32/application_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"
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

// The length asked for first, as a path given in UTF-16 may pass MAX_PATH.
std::string fullPathUtf8(const std::string& utf8Path) {
    const std::wstring path = win32::wideFromUtf8(utf8Path);
    const DWORD room = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (room == 0) return utf8Path;
    std::wstring full(room, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), room, full.data(), nullptr);
    if (length == 0 || length >= room) return utf8Path;
    full.resize(length);
    return win32::utf8FromWide(full);
}

namespace {

LPITEMIDLIST shellFolderLocation(int folder) {
    Form* main = win32::mainForm();
    HWND owner = main ? win32::windowOf(*main) : nullptr;
    LPITEMIDLIST location = nullptr;
    SHGetSpecialFolderLocation(owner, folder, &location);
    return location;
}

// The shell's answers are not examined: a failure leaves the path empty.
std::string shellFolderUtf8(int folder) {
    wchar_t path[MAX_PATH] = L"";
    if (LPITEMIDLIST location = shellFolderLocation(folder)) {
        SHGetPathFromIDListW(location, path);
        CoTaskMemFree(location);
    }
    return win32::utf8FromWide(path);
}

}  // namespace

std::string appDataFolder() { return shellFolderUtf8(CSIDL_APPDATA); }

// Where the Open and Save dialogs first open: a folder of address books,
// which may be named in any language.
std::string documentsFolderUtf8() { return shellFolderUtf8(CSIDL_PERSONAL); }

// String sort: a hyphen or an apostrophe counts as the other characters do.
bool sameTextIgnoringCase(std::string_view a, std::string_view b) {
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE | SORT_STRINGSORT, a.data(),
                          static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
}

void lowerInPlace(std::string& text) {
    if (!text.empty()) CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
}

std::string executablePath() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return win32::utf8FromWide(path);
}

Rect workArea() {
    RECT area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return {area.left, area.top, area.right, area.bottom};
}

int toolCaptionHeight() { return GetSystemMetrics(SM_CYSMCAPTION); }

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

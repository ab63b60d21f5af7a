// The shell's folder browser, owned by the main window. Its paths are wide,
// so that a folder named in any language can be chosen; the title is ANSI.
#include "platform/folder_picker.h"
#include "platform/win32/application_win32.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_api.h"
// After windows.h.
#include <objbase.h>
#include <shlobj.h>

namespace platform {

namespace {

// Opens the browser on the folder it was given.
int CALLBACK selectStartFolder(HWND window, UINT message, LPARAM, LPARAM startFolder) {
    if (message == BFFM_INITIALIZED && startFolder)
        SendMessageW(window, BFFM_SETSELECTIONW, TRUE, startFolder);
    return 0;
}

// The new dialog style needs COM on this thread, for as long as it is open.
class ComOnThisThread {
public:
    ComOnThisThread() : started_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComOnThisThread() {
        if (started_) CoUninitialize();
    }
    ComOnThisThread(const ComOnThisThread&) = delete;
    ComOnThisThread& operator=(const ComOnThisThread&) = delete;

private:
    bool started_;
};

}  // namespace

std::optional<std::string> chooseFolder(const std::string& title, const std::string& startFolder) {
    ComOnThisThread com;
    std::wstring start = win32::wideFromUtf8(startFolder);
    if (start.size() > 3 && start.back() == L'\\') start.pop_back();
    const std::wstring wideTitle = win32::wideFromAnsi(title);
    wchar_t shownName[MAX_PATH] = {};
    BROWSEINFOW browse{};
    browse.hwndOwner = win32::boxOwner();
    browse.pszDisplayName = shownName;
    browse.lpszTitle = wideTitle.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    browse.lpfn = selectStartFolder;
    browse.lParam = start.empty() ? 0 : reinterpret_cast<LPARAM>(start.c_str());
    LPITEMIDLIST chosen = SHBrowseForFolderW(&browse);
    if (!chosen) return std::nullopt;
    wchar_t path[MAX_PATH] = {};
    const bool named = SHGetPathFromIDListW(chosen, path) != 0;
    CoTaskMemFree(chosen);
    if (!named) return std::nullopt;
    return win32::utf8FromWide(path);
}

}  // namespace platform

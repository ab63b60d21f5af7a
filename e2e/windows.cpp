#include "e2e/windows.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace e2e {

namespace {

struct WindowSearch {
    DWORD processId;
    std::string className;
    std::vector<HWND> found;
};

BOOL CALLBACK collectTopLevel(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId &&
        (search.className.empty() || classOf(window) == search.className))
        search.found.push_back(window);
    return TRUE;
}

struct ChildSearch {
    std::string className, text;
    bool firstOnly;
    std::vector<HWND> found;
};

BOOL CALLBACK collectChildren(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<ChildSearch*>(context);
    if (classOf(window) != search.className) return TRUE;
    if (!search.text.empty() && windowText(window) != search.text) return TRUE;
    search.found.push_back(window);
    return !search.firstOnly;
}

}  // namespace

std::string windowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length))
        return "";
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 2000, &copied);
    text.resize(copied);
    return text;
}

std::string classOf(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::vector<HWND> topLevelWindows(DWORD processId, const std::string& className) {
    WindowSearch search{processId, className, {}};
    EnumWindows(collectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND childWindow(HWND parent, const std::string& className, const std::string& text) {
    ChildSearch search{className, text, true, {}};
    EnumChildWindows(parent, collectChildren, reinterpret_cast<LPARAM>(&search));
    return search.found.empty() ? nullptr : search.found.front();
}

std::vector<HWND> childWindows(HWND parent, const std::string& className) {
    ChildSearch search{className, "", false, {}};
    EnumChildWindows(parent, collectChildren, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<std::string> labelTexts(HWND window) {
    std::vector<std::string> texts;
    for (HWND label : childWindows(window, "Static")) {
        std::string text = windowText(label);
        if (!text.empty()) texts.push_back(text);
    }
    return texts;
}

bool shownAndPainted(HWND window) {
    return IsWindowVisible(window) && !GetUpdateRect(window, nullptr, FALSE);
}

std::wstring wideFromUtf8(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int size = static_cast<int>(utf8.size());
    std::wstring wide(
        static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)),
        L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

PROCESS_INFORMATION startProcess(const std::string& utf8CommandLine) {
    std::wstring commandLine = wideFromUtf8(utf8CommandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        throw std::runtime_error("cannot start " + utf8CommandLine);
    return process;
}

void holdForPicture(const char* variable) {
    const char* handshake = std::getenv(variable);
    if (!handshake || !*handshake) return;
    std::ofstream(std::string(handshake) + ".ready") << "ready\n";
    const std::string done = std::string(handshake) + ".done";
    waitUntil([&] { return GetFileAttributesA(done.c_str()) != INVALID_FILE_ATTRIBUTES; }, 60000);
}

Placement placementOf(HWND window) {
    RECT outer, client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    return {outer.left,   outer.top,    outer.right - outer.left, outer.bottom - outer.top,
            client.right, client.bottom};
}

}  // namespace e2e

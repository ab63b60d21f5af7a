#include "e2e/festorin.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "e2e/windows.h"
#include "platform/win32/menu_ids.h"
// After windows.h, which win32_api.h brings.
#include <dlgs.h>
#include <tlhelp32.h>

namespace e2e {

namespace {

// Every Festorin of the test now, for the report of a wait that ran out.
std::vector<const Festorin*>& runs() {
    static std::vector<const Festorin*> all;
    return all;
}

// The build hands over a Unix path; Wine's drive Z: is the Unix root.
std::string windowsPath(std::string path) {
    if (!path.empty() && path[0] == '/') {
        std::replace(path.begin(), path.end(), '/', '\\');
        path = "Z:" + path;
    }
    return path;
}

void notifyParent(HWND control, WORD code) {
    SendMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                 reinterpret_cast<LPARAM>(control));
}

MessageBoxSeen boxSeen(HWND window) {
    MessageBoxSeen box{window, windowText(window), ""};
    for (const std::string& text : labelTexts(window)) box.text += text;
    return box;
}

// Each round trip's own value of the grid's hover time, which Festorin never
// uses (no hot tracking), so that it can carry the settling probe.
DWORD nextProbe() {
    static DWORD probe = 1000;
    return ++probe;
}

constexpr int settleTimeoutMs = 20000;

// The name box of a common file dialog: an edit box, or the edit box inside
// the drop-down list of the Explorer-style dialogs.
HWND fileNameBox(HWND dialog) {
    if (HWND edit = GetDlgItem(dialog, edt1)) return edit;
    HWND list = GetDlgItem(dialog, cmb13);
    return list ? childWindow(list, "Edit") : nullptr;
}

}  // namespace

void reportWaitRanOut() {
    std::printf("A wait ran out.\n");
    for (const Festorin* festorin : runs()) std::printf("%s", festorin->describe().c_str());
    std::printf("Data folder:%s\n", dataFolderSizes().c_str());
    std::fflush(stdout);
}

std::string festorinExe() {
    const char* path = std::getenv("FESTORIN_EXE");
    if (!path || !*path) throw std::runtime_error("FESTORIN_EXE is not set");
    return windowsPath(path);
}

HWND mainWindowOf(DWORD processId) {
    for (HWND window : topLevelWindows(processId, mainWindowClass))
        if (windowText(window) == "Festorin") return window;
    return nullptr;
}

bool runUntilItEnds(const std::string& arguments, int timeoutMs) {
    const PROCESS_INFORMATION process = startProcess("\"" + festorinExe() + "\" " + arguments);
    const bool ended =
        WaitForSingleObject(process.hProcess, static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0;
    if (!ended) {
        reportWaitRanOut();
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ended;
}

int festorinProcesses() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return -1;
    int count = 0;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (lstrcmpiA(entry.szExeFile, "Festorin.exe") == 0) ++count;
    CloseHandle(snapshot);
    return count;
}

Festorin::Festorin(Start start, const std::string& arguments) {
    process_ = startProcess("\"" + festorinExe() + "\" " + arguments);
    runs().push_back(this);
    waitUntil(
        [&] {
            HWND window = mainWindowOf(process_.dwProcessId);
            if (window && (start == Start::Created || shownAndPainted(window)))
                mainWindow_ = window;
            return mainWindow_ != nullptr || !running();
        },
        settleTimeoutMs);
}

Festorin::~Festorin() {
    if (running() && !closeAndWait()) TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
    runs().erase(std::remove(runs().begin(), runs().end(), this), runs().end());
}

void Festorin::kill() {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 10000);
}

bool Festorin::running() const {
    return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

// Posted messages come in order, so the probe is handled once everything
// posted before it has been; the WM_NULL sent after it returns once the
// handler it ran in, or the one a sent message started, is done.
bool Festorin::settle() const {
    const HWND listView = grid();
    const DWORD probe = nextProbe();
    if (!listView || !PostMessageA(listView, LVM_SETHOVERTIME, 0, probe)) {
        std::printf("Festorin has no grid to settle on.\n%s", describe().c_str());
        return false;
    }
    const auto probeHandled = [&] {
        DWORD_PTR hoverTime = 0;
        return SendMessageTimeoutA(listView, LVM_GETHOVERTIME, 0, 0, SMTO_NORMAL, settleTimeoutMs,
                                   &hoverTime) &&
               hoverTime == probe;
    };
    if (!waitUntil(probeHandled, settleTimeoutMs)) return false;
    DWORD_PTR ignored = 0;
    if (SendMessageTimeoutA(mainWindow_, WM_NULL, 0, 0, SMTO_NORMAL, settleTimeoutMs, &ignored))
        return true;
    reportWaitRanOut();
    return false;
}

std::string Festorin::dataFile(const std::string& name) const {
    settle();
    return readDataFile(name);
}

std::vector<HWND> Festorin::windowsOfClass(const std::string& className) const {
    return topLevelWindows(process_.dwProcessId, className);
}

std::vector<MessageBoxSeen> Festorin::openBoxes() const {
    std::vector<MessageBoxSeen> boxes;
    for (HWND window : windowsOfClass("#32770"))
        if (IsWindowVisible(window)) boxes.push_back(boxSeen(window));
    return boxes;
}

HWND Festorin::control(HWND parent, const std::string& className, const std::string& text) const {
    return childWindow(parent, className, text);
}

std::vector<HWND> Festorin::controls(const std::string& className) const {
    return childWindows(mainWindow_, className);
}

void Festorin::enterPerson(const Person& person) const {
    click(control("Button", "Add"));
    const std::vector<HWND> edits = controls("Edit");
    setText(edits[0], person[1]);
    setText(edits[1], person[2]);
    pick(controls("ComboBox")[0], std::stoi(person[0].substr(0, 2)) - 1);
    type(edits[5], std::to_string(std::stoi(person[0].substr(2))));
}

// A click whose handler shows a box would wait for the box: such clicks are
// posted (clickLater).
void Festorin::click(HWND button) const {
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_NORMAL, settleTimeoutMs, &ignored))
        reportWaitRanOut();
}

void Festorin::clickLater(HWND button) const { PostMessageA(button, BM_CLICK, 0, 0); }

void Festorin::setText(HWND control, const std::string& text) const {
    SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Festorin::type(HWND edit, const std::string& characters) const {
    for (char c : characters) SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void Festorin::typeAtTheFocus(const std::string& characters) const {
    for (char c : characters) PostMessageA(focus(), WM_CHAR, static_cast<unsigned char>(c), 1);
}

void Festorin::pick(HWND comboBox, int index) const {
    SendMessageA(comboBox, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    notifyParent(comboBox, CBN_SELCHANGE);
}

void Festorin::typeInto(HWND comboBox, const std::string& text) const {
    setText(comboBox, text);
    notifyParent(comboBox, CBN_EDITCHANGE);
}

HWND Festorin::focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(process_.dwThreadId, &info) ? info.hwndFocus : nullptr;
}

void Festorin::pressKey(HWND window, WPARAM virtualKey) const {
    PostMessageA(window, WM_KEYDOWN, virtualKey, 1);
    PostMessageA(window, WM_KEYUP, virtualKey, 0xC0000001);
}

void Festorin::menuCommand(const std::vector<std::string>& captions) const {
    postMessage(WM_COMMAND, MAKEWPARAM(platform::win32::commandIdFor(captions), 0), 0);
}

void Festorin::postMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    PostMessageA(mainWindow_, message, wParam, lParam);
}

LRESULT Festorin::sendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return SendMessageA(mainWindow_, message, wParam, lParam);
}

bool Festorin::moveCursorTo(int x, int y) const {
    return waitUntil([&] {
        settle();
        SetCursorPos(x, y);
        settle();
        POINT cursor{};
        GetCursorPos(&cursor);
        return cursor.x == x && cursor.y == y;
    });
}

// Under Wine the menu is shown before its loop sets the capture.
HWND Festorin::openMenu(int timeoutMs) const {
    HWND menu = nullptr;
    const auto tracking = [&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(process_.dwThreadId, &info) && (info.flags & GUI_INMENUMODE) &&
               info.hwndCapture;
    };
    const bool open = waitUntil(
        [&] {
            menu = nullptr;
            for (HWND window : windowsOfClass("#32768"))
                if (IsWindowVisible(window)) menu = window;
            return menu && tracking();
        },
        timeoutMs);
    return open ? menu : nullptr;
}

bool Festorin::choosePopupItem(int index, int timeoutMs) const {
    HWND menu = openMenu(timeoutMs);
    if (!menu) return false;
    for (int step = 0; step <= index; ++step) pressKey(menu, VK_DOWN);
    pressKey(menu, VK_RETURN);
    return waitUntil([&] { return !IsWindowVisible(menu); });
}

MessageBoxSeen Festorin::waitForMessageBox(int timeoutMs) const {
    MessageBoxSeen box;
    waitUntil(
        [&] {
            const std::vector<MessageBoxSeen> boxes = openBoxes();
            if (!boxes.empty()) box = boxes.back();
            return box.window != nullptr;
        },
        timeoutMs);
    return box;
}

bool Festorin::answer(const MessageBoxSeen& box, int buttonId) const {
    PostMessageA(box.window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), 0);
    return waitUntil([&] { return !IsWindow(box.window); });
}

HWND Festorin::waitForFileDialog(const std::string& title, int timeoutMs) const {
    HWND dialog = nullptr;
    waitUntil(
        [&] {
            for (HWND window : windowsOfClass("#32770"))
                if (IsWindowVisible(window) && windowText(window) == title && fileNameBox(window))
                    dialog = window;
            return dialog != nullptr;
        },
        timeoutMs);
    return dialog;
}

std::string Festorin::fileNameIn(HWND dialog) const { return windowText(fileNameBox(dialog)); }

// The wide message: the dialog's box is a Unicode window, and the system
// carries the text to Festorin's process.
void Festorin::enterFileName(HWND dialog, const std::string& utf8Name) const {
    const std::wstring name = wideFromUtf8(utf8Name);
    SendMessageW(fileNameBox(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    const LRESULT defaultId = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    const int id = HIWORD(defaultId) == DC_HASDEFID ? LOWORD(defaultId) : IDOK;
    PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

bool Festorin::closeAndWait(int timeoutMs) {
    if (mainWindow_) PostMessageA(mainWindow_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0)
        return true;
    reportWaitRanOut();
    return false;
}

std::string Festorin::describe() const {
    std::string text = "Festorin, process " + std::to_string(process_.dwProcessId) +
                       (running() ? ", running" : ", ended") + ", shows:\n";
    for (const MessageBoxSeen& box : openBoxes())
        text += "  a message box \"" + box.caption + "\": " + box.text + "\n";
    for (HWND window : windowsOfClass(""))
        if (IsWindowVisible(window))
            text += "  a window " + classOf(window) + " \"" + windowText(window) + "\"\n";
    return text;
}

}  // namespace e2e

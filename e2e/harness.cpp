#include "e2e/harness.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "platform/win32/menu_ids.h"

namespace e2e {

namespace {

// Field sizes of a record of "dates.txt": a length byte and the characters.
constexpr std::array<int, 10> fieldSizes{5, 61, 61, 61, 31, 31, 31, 21, 21, 41};

constexpr std::array<const char*, 12> monthNames{"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};

std::string appDataFolder() {
    char path[MAX_PATH] = "";
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path)))
        throw std::runtime_error("no application-data folder in this prefix");
    return path;
}

// The build hands over a Unix path; Wine's drive Z: is the Unix root.
std::string windowsPath(std::string path) {
    if (!path.empty() && path[0] == '/') {
        std::replace(path.begin(), path.end(), '/', '\\');
        path = "Z:" + path;
    }
    return path;
}

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
    HWND found = nullptr;
};

BOOL CALLBACK findChild(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<ChildSearch*>(context);
    if (classOf(window) != search.className) return TRUE;
    if (!search.text.empty() && windowText(window) != search.text) return TRUE;
    search.found = window;
    return FALSE;
}

struct ChildrenOfClass {
    std::string className;
    std::vector<HWND> found;
};

BOOL CALLBACK collectChildren(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<ChildrenOfClass*>(context);
    if (classOf(window) == search.className) search.found.push_back(window);
    return TRUE;
}

void notifyParent(HWND control, WORD code) {
    SendMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                 reinterpret_cast<LPARAM>(control));
}

BOOL CALLBACK collectStaticTexts(HWND window, LPARAM context) {
    auto& texts = *reinterpret_cast<std::vector<std::string>*>(context);
    if (classOf(window) == "Static") {
        std::string text = windowText(window);
        if (!text.empty()) texts.push_back(text);
    }
    return TRUE;
}

// Memory in Festorin's process, for the messages whose arguments are pointers.
class RemoteMemory {
public:
    RemoteMemory(HANDLE process, std::size_t size)
        : process_(process),
          address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {
        if (!address_) throw std::runtime_error("cannot reserve memory in Festorin");
    }
    ~RemoteMemory() { VirtualFreeEx(process_, address_, 0, MEM_RELEASE); }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    char* at(std::size_t offset) const { return static_cast<char*>(address_) + offset; }
    void write(std::size_t offset, const void* data, std::size_t size) const {
        WriteProcessMemory(process_, at(offset), data, size, nullptr);
    }
    void read(std::size_t offset, void* data, std::size_t size) const {
        ReadProcessMemory(process_, at(offset), data, size, nullptr);
    }

private:
    HANDLE process_;
    void* address_;
};

constexpr int textCapacity = 512;

// A cell's text through memory reserved in Festorin for the request and the text.
std::string itemText(const RemoteMemory& memory, HWND listView, int item, int column) {
    LVITEMA request{};
    request.iSubItem = column;
    request.pszText = memory.at(sizeof request);
    request.cchTextMax = textCapacity;
    memory.write(0, &request, sizeof request);
    auto length = SendMessageA(listView, LVM_GETITEMTEXTA, static_cast<WPARAM>(item),
                               reinterpret_cast<LPARAM>(memory.at(0)));
    std::string text(static_cast<std::size_t>(length), '\0');
    memory.read(sizeof request, text.data(), text.size());
    return text;
}

HWND headerOf(HWND listView) {
    return reinterpret_cast<HWND>(SendMessageA(listView, LVM_GETHEADER, 0, 0));
}

LPARAM pointOnHeader(int x) { return MAKELPARAM(x, 5); }

// Wine's own name of a Windows path on the Unix side.
std::string unixPath(const std::string& windowsName) {
    using UnixFileName = char*(CDECL*)(const WCHAR*);
    auto toUnix = reinterpret_cast<UnixFileName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name")));
    if (!toUnix) throw std::runtime_error("not running under Wine");
    std::wstring wide(windowsName.size() + 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, windowsName.c_str(), -1, wide.data(),
                        static_cast<int>(wide.size()));
    char* name = toUnix(wide.c_str());
    if (!name) throw std::runtime_error("no Unix name for " + windowsName);
    std::string result = name;
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

// Wine starts a Unix program as it is; it cannot be waited for, so the
// caller checks the command's effect.
void runUnixShell(const std::string& command) {
    std::string commandLine = "/bin/sh -c \"" + command + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        throw std::runtime_error("cannot run " + commandLine);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

bool canCreateFileIn(const std::string& folder) {
    HANDLE probe = CreateFileA((folder + "write_probe").c_str(), GENERIC_WRITE, 0, nullptr,
                               CREATE_NEW, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (probe == INVALID_HANDLE_VALUE) return false;
    CloseHandle(probe);
    return true;
}

}  // namespace

// Asked of the window itself: GetWindowText gives another process's text
// boxes only their initial text.
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

Placement placementOf(HWND window) {
    RECT outer, client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    return {outer.left,   outer.top,    outer.right - outer.left, outer.bottom - outer.top,
            client.right, client.bottom};
}

std::string festorinExe() {
    const char* path = std::getenv("FESTORIN_EXE");
    if (!path || !*path) throw std::runtime_error("FESTORIN_EXE is not set");
    return windowsPath(path);
}

std::string dataFolder() { return appDataFolder() + "\\FN\\"; }

std::vector<std::string> dataFolderEntries() {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((dataFolder() + "*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = entry.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return names;
}

// Folders that a test put in place of a data file go too (when empty).
void clearDataFolder() {
    const std::string folder = dataFolder();
    CreateDirectoryA(folder.c_str(), nullptr);
    for (const std::string& name : dataFolderEntries()) {
        const std::string path = folder + name;
        if (GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY)
            RemoveDirectoryA(path.c_str());
        else
            DeleteFileA(path.c_str());
    }
}

bool setDataFolderWritable(bool writable) {
    const std::string folder = unixPath(dataFolder());
    // Root writes through missing write bits; the immutable flag stops it too.
    const std::string command =
        writable ? "chattr -i '" + folder + "' 2>/dev/null; chmod u+w '" + folder + "'"
                 : "chmod a-w '" + folder + "'; chattr +i '" + folder + "' 2>/dev/null";
    runUnixShell(command);
    return waitUntil([&] { return canCreateFileIn(dataFolder()) == writable; });
}

void writeDataFile(const std::string& name, const std::string& bytes) {
    std::ofstream file(dataFolder() + name, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + name);
}

std::string readDataFile(const std::string& name) {
    std::ifstream file(dataFolder() + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool dataFileExists(const std::string& name) {
    DWORD attributes = GetFileAttributesA((dataFolder() + name).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string contactRecord(const Person& person) {
    std::string record;
    for (std::size_t field = 0; field < fieldSizes.size(); ++field) {
        const std::size_t capacity = static_cast<std::size_t>(fieldSizes[field]) - 1;
        std::string text = field < person.size() ? person[field].substr(0, capacity) : "";
        record += static_cast<char>(text.size());
        record += text;
        record.append(capacity - text.size(), '\0');
    }
    return record;
}

std::string contactRecords(const std::vector<Person>& people) {
    std::string records;
    for (const Person& person : people) records += contactRecord(person);
    return records;
}

SYSTEMTIME dayFromToday(int days) {
    SYSTEMTIME today;
    GetLocalTime(&today);
    today.wHour = 12;
    today.wMinute = today.wSecond = today.wMilliseconds = 0;
    FILETIME time;
    SystemTimeToFileTime(&today, &time);
    ULARGE_INTEGER ticks{{time.dwLowDateTime, time.dwHighDateTime}};
    ticks.QuadPart += static_cast<LONGLONG>(days) * 24 * 60 * 60 * 10000000LL;
    time = {ticks.LowPart, ticks.HighPart};
    SYSTEMTIME day;
    FileTimeToSystemTime(&time, &day);
    return day;
}

std::string birthdayKey(const SYSTEMTIME& day) {
    char text[8];
    std::snprintf(text, sizeof text, "%02u%02u", day.wMonth, day.wDay);
    return text;
}

std::string shownDate(const SYSTEMTIME& day) {
    const std::string number = std::to_string(day.wDay);
    return std::string(monthNames[day.wMonth - 1]) + "," + (number.size() == 1 ? " " : "") + number;
}

std::string checkDateLine(const SYSTEMTIME& day) {
    char separator[4] = "/";
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDATE, separator, sizeof separator);
    char line[16];
    std::snprintf(line, sizeof line, "%02u%c%02u%c%04u\r\n", day.wDay, separator[0], day.wMonth,
                  separator[0], day.wYear);
    return line;
}

Person enteredPerson(const std::string& firstName, const std::string& surname, int month, int day) {
    SYSTEMTIME date{};
    date.wMonth = static_cast<WORD>(month);
    date.wDay = static_cast<WORD>(day);
    return {birthdayKey(date), firstName,        surname,         "",       "", "",
            shownDate(date),   "Send an E-mail", "The exact day", "Birtday"};
}

HWND mainWindowOf(DWORD processId) {
    WindowSearch search{processId, "TForm1", {}};
    EnumWindows(collectTopLevel, reinterpret_cast<LPARAM>(&search));
    for (HWND window : search.found)
        if (windowText(window) == "Festorin") return window;
    return nullptr;
}

Festorin::Festorin(Start start) {
    std::string commandLine = "\"" + festorinExe() + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_))
        throw std::runtime_error("cannot start " + commandLine);
    waitUntil(
        [&] {
            HWND window = mainWindowOf(process_.dwProcessId);
            if (window && (start == Start::Created || IsWindowVisible(window)))
                mainWindow_ = window;
            return mainWindow_ != nullptr || !running();
        },
        20000);
}

Festorin::~Festorin() {
    if (running() && !closeAndWait()) TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

void Festorin::kill() {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 10000);
}

bool Festorin::running() const {
    return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

std::vector<HWND> Festorin::windowsOfClass(const std::string& className) const {
    WindowSearch search{process_.dwProcessId, className, {}};
    EnumWindows(collectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Festorin::control(HWND parent, const std::string& className, const std::string& text) const {
    ChildSearch search{className, text};
    EnumChildWindows(parent, findChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> Festorin::controls(const std::string& className) const {
    ChildrenOfClass search{className, {}};
    EnumChildWindows(mainWindow_, collectChildren, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int Festorin::gridRows() const {
    return static_cast<int>(SendMessageA(grid(), LVM_GETITEMCOUNT, 0, 0));
}

std::string Festorin::gridCell(int item, int column) const {
    RemoteMemory memory(process_.hProcess, sizeof(LVITEMA) + textCapacity);
    return itemText(memory, grid(), item, column);
}

std::vector<Person> Festorin::gridPeople() const {
    std::vector<Person> people;
    for (int item = 0; item < gridRows(); ++item) {
        Person person;
        for (int column = 0; column < 10; ++column) person.push_back(gridCell(item, column));
        people.push_back(person);
    }
    return people;
}

std::vector<std::string> Festorin::gridColumn(int column) const {
    RemoteMemory memory(process_.hProcess, sizeof(LVITEMA) + textCapacity);
    const HWND listView = grid();
    std::vector<std::string> texts;
    for (int item = 0, rows = gridRows(); item < rows; ++item)
        texts.push_back(itemText(memory, listView, item, column));
    return texts;
}

std::vector<std::string> Festorin::gridHeaders() const {
    HWND header = headerOf(grid());
    int count = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    RemoteMemory memory(process_.hProcess, sizeof(HDITEMA) + textCapacity);
    std::vector<std::string> headers;
    for (int column = 0; column < count; ++column) {
        HDITEMA request{};
        request.mask = HDI_TEXT;
        request.pszText = memory.at(sizeof request);
        request.cchTextMax = textCapacity;
        memory.write(0, &request, sizeof request);
        memory.write(sizeof request, "", 1);
        SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(column),
                     reinterpret_cast<LPARAM>(memory.at(0)));
        std::array<char, textCapacity> text{};
        memory.read(sizeof request, text.data(), text.size());
        text.back() = '\0';
        headers.emplace_back(text.data());
    }
    return headers;
}

int Festorin::gridColumnWidth(int column) const {
    return static_cast<int>(SendMessageA(grid(), LVM_GETCOLUMNWIDTH, column, 0));
}

void Festorin::dragGridHeader(int fromX, int toX) const {
    HWND header = headerOf(grid());
    SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, pointOnHeader(fromX));
    for (int x = fromX; x != toX; x += (toX > fromX ? 1 : -1))
        SendMessageA(header, WM_MOUSEMOVE, MK_LBUTTON, pointOnHeader(x));
    SendMessageA(header, WM_MOUSEMOVE, MK_LBUTTON, pointOnHeader(toX));
    SendMessageA(header, WM_LBUTTONUP, 0, pointOnHeader(toX));
}

void Festorin::doubleClickGridHeader(int x) const {
    HWND header = headerOf(grid());
    SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, pointOnHeader(x));
    SendMessageA(header, WM_LBUTTONUP, 0, pointOnHeader(x));
    SendMessageA(header, WM_LBUTTONDBLCLK, MK_LBUTTON, pointOnHeader(x));
    SendMessageA(header, WM_LBUTTONUP, 0, pointOnHeader(x));
}

void Festorin::selectGridItem(int item) const {
    RemoteMemory memory(process_.hProcess, sizeof(LVITEMA));
    LVITEMA change{};
    change.stateMask = LVIS_SELECTED;
    memory.write(0, &change, sizeof change);
    SendMessageA(grid(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(memory.at(0)));
    change.state = change.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
    memory.write(0, &change, sizeof change);
    SendMessageA(grid(), LVM_SETITEMSTATE, static_cast<WPARAM>(item),
                 reinterpret_cast<LPARAM>(memory.at(0)));
}

void Festorin::enterPerson(const Person& person) const {
    click(control("Button", "Add"));
    const std::vector<HWND> edits = controls("Edit");
    setText(edits[0], person[1]);
    setText(edits[1], person[2]);
    pick(controls("ComboBox")[0], std::stoi(person[0].substr(0, 2)) - 1);
    type(edits[5], std::to_string(std::stoi(person[0].substr(2))));
}

void Festorin::click(HWND button) const { SendMessageA(button, BM_CLICK, 0, 0); }

void Festorin::clickLater(HWND button) const { PostMessageA(button, BM_CLICK, 0, 0); }

void Festorin::setText(HWND control, const std::string& text) const {
    SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Festorin::type(HWND edit, const std::string& characters) const {
    for (char c : characters) SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
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

bool Festorin::choosePopupItem(int index, int timeoutMs) const {
    HWND menu = nullptr;
    waitUntil(
        [&] {
            for (HWND window : windowsOfClass("#32768"))
                if (IsWindowVisible(window)) menu = window;
            return menu != nullptr;
        },
        timeoutMs);
    if (!menu) return false;
    for (int step = 0; step <= index; ++step) pressKey(menu, VK_DOWN);
    pressKey(menu, VK_RETURN);
    return waitUntil([&] { return !IsWindowVisible(menu); });
}

MessageBoxSeen Festorin::waitForMessageBox(int timeoutMs) const {
    MessageBoxSeen box;
    waitUntil(
        [&] {
            for (HWND window : windowsOfClass("#32770"))
                if (IsWindowVisible(window)) box.window = window;
            return box.window != nullptr;
        },
        timeoutMs);
    if (!box.window) return box;
    box.caption = windowText(box.window);
    std::vector<std::string> texts;
    EnumChildWindows(box.window, collectStaticTexts, reinterpret_cast<LPARAM>(&texts));
    for (const std::string& text : texts) box.text += text;
    return box;
}

bool Festorin::answer(const MessageBoxSeen& box, int buttonId) const {
    PostMessageA(box.window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), 0);
    return waitUntil([&] { return !IsWindow(box.window); });
}

bool Festorin::closeAndWait(int timeoutMs) {
    if (mainWindow_) PostMessageA(mainWindow_, WM_CLOSE, 0, 0);
    return WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0;
}

}  // namespace e2e

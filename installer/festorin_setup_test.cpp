// Festorin-Setup.exe under Wine, in a prefix of its own that the test's
// command makes anew for each run: a silent install puts every piece in
// place, an install over a running Festorin replaces it and keeps every
// person, and a silent uninstall removes everything but the user's list.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <stdexcept>

#include "app/version.h"
#include "e2e/harness.h"
// After <windows.h>, which the harness brings.
#include <tlhelp32.h>

namespace {

using e2e::waitUntil;

const std::string runKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string uninstallKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Festorin";
const std::string openWithKey = "Software\\Classes\\Applications\\Festorin.exe";
constexpr int programTimeLimitMs = 30000;

const std::vector<e2e::Person> threePeople{
    {"0115", "Ada", "Lovelace", "ada@example.org", "0101", "0102", "January,15", "Send an E-mail",
     "The exact day", "Birtday"},
    {"0520", "Blaise", "Pascal", "", "0201", "", "May,20", "Call phone 1", "1 day before", "Other"},
    {"1103", "Carl", "Gauss", "carl@example.org", "", "0302", "November, 3", "Other",
     "4 days before", "Lunch"},
};

// Festorin-Setup.exe as the build hands it over, a Unix path in Wine's drive Z:.
std::string setupExe() {
    const char* path = std::getenv("FESTORIN_SETUP");
    if (!path || !*path) throw std::runtime_error("FESTORIN_SETUP is not set");
    std::string name = path;
    std::replace(name.begin(), name.end(), '/', '\\');
    return "Z:" + name;
}

std::string quoted(const std::string& path) { return "\"" + path + "\""; }

std::string shellFolder(int folder) {
    char path[MAX_PATH] = "";
    if (FAILED(SHGetFolderPathA(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, path)))
        throw std::runtime_error("no shell folder " + std::to_string(folder));
    return path;
}

std::string installFolder() { return shellFolder(CSIDL_LOCAL_APPDATA) + "\\Programs\\Festorin"; }
std::string installedExe() { return installFolder() + "\\Festorin.exe"; }
std::string uninstaller() { return installFolder() + "\\Uninstall.exe"; }
std::string shortcut() { return shellFolder(CSIDL_PROGRAMS) + "\\Festorin.lnk"; }

bool exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string fileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::optional<std::string> registryText(const std::string& key, const std::string& value) {
    char text[1024];
    DWORD size = sizeof text;
    if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), value.c_str(), RRF_RT_REG_SZ, nullptr, text,
                     &size) != ERROR_SUCCESS)
        return std::nullopt;
    return text;
}

std::optional<DWORD> registryNumber(const std::string& key, const std::string& value) {
    DWORD number = 0, size = sizeof number;
    if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), value.c_str(), RRF_RT_REG_DWORD, nullptr,
                     &number, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return number;
}

bool registryKeyExists(const std::string& key) {
    HKEY opened;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

// The file version's four numbers, and the product version as its text says it.
std::string versionsOf(const std::string& path) {
    DWORD ignored = 0;
    std::string data(GetFileVersionInfoSizeA(path.c_str(), &ignored), '\0');
    if (data.empty() || !GetFileVersionInfoA(path.c_str(), 0, data.size(), data.data()))
        return "no version information";
    VS_FIXEDFILEINFO* fixed = nullptr;
    WORD* translation = nullptr;
    char* product = nullptr;
    UINT size = 0;
    if (!VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &size) ||
        !VerQueryValueA(data.data(), "\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translation), &size))
        return "no version numbers or language";
    char versions[128];
    std::snprintf(versions, sizeof versions, "\\StringFileInfo\\%04x%04x\\ProductVersion",
                  translation[0], translation[1]);
    VerQueryValueA(data.data(), versions, reinterpret_cast<void**>(&product), &size);
    std::snprintf(versions, sizeof versions, "%u.%u.%u.%u %s", HIWORD(fixed->dwFileVersionMS),
                  LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
                  LOWORD(fixed->dwFileVersionLS), product ? product : "");
    return versions;
}

std::string shortcutTarget(const std::string& path) {
    CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    char target[MAX_PATH] = "";
    std::wstring widePath(path.begin(), path.end());
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            if (SUCCEEDED(file->Load(widePath.c_str(), STGM_READ)))
                link->GetPath(target, sizeof target, nullptr, SLGP_RAWPATH);
            file->Release();
        }
        link->Release();
    }
    CoUninitialize();
    return target;
}

BOOL CALLBACK addChildText(HWND window, LPARAM screen) {
    const std::string text = e2e::windowText(window);
    if (IsWindowVisible(window) && !text.empty())
        *reinterpret_cast<std::string*>(screen) +=
            "    " + e2e::classOf(window) + ": " + text + "\n";
    return TRUE;
}

BOOL CALLBACK addWindow(HWND window, LPARAM screen) {
    if (!IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<std::string*>(screen) +=
        "  " + e2e::classOf(window) + " \"" + e2e::windowText(window) + "\"\n";
    EnumChildWindows(window, addChildText, screen);
    return TRUE;
}

// The visible windows and their texts, printed when a wait runs out.
std::string screen() {
    std::string shown = "on screen:\n";
    EnumWindows(addWindow, reinterpret_cast<LPARAM>(&shown));
    return shown;
}

class Process {
public:
    static Process start(std::string commandLine) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &started))
            throw std::runtime_error("cannot start " + commandLine);
        return Process(started.hProcess, started.dwProcessId, started.hThread);
    }
    static Process open(DWORD id) {
        return Process(
            OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE,
                        id),
            id);
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process() {
        if (handle_) CloseHandle(handle_);
        if (thread_) CloseHandle(thread_);
    }

    DWORD id() const { return id_; }
    bool ended(int timeoutMs = 0) const {
        return !handle_ ||
               WaitForSingleObject(handle_, static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0;
    }
    DWORD exitCode() const {
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(handle_, &code);
        return code;
    }
    // Stops or restarts the first thread, which runs Festorin's windows.
    void suspend() const { SuspendThread(thread_); }
    void resume() const { ResumeThread(thread_); }
    void kill() const {
        TerminateProcess(handle_, 1);
        WaitForSingleObject(handle_, 10000);
    }

private:
    Process(HANDLE handle, DWORD id, HANDLE thread = nullptr)
        : handle_(handle), id_(id), thread_(thread) {}
    HANDLE handle_;
    DWORD id_;
    HANDLE thread_;
};

// The running processes that `match` picks by their entry in the process list.
template <typename Match>
std::vector<DWORD> processesWhere(Match match) {
    std::vector<DWORD> found;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (match(entry)) found.push_back(entry.th32ProcessID);
    CloseHandle(snapshot);
    return found;
}

std::vector<DWORD> festorinProcesses() {
    return processesWhere([](const PROCESSENTRY32& entry) {
        return lstrcmpiA(entry.szExeFile, "Festorin.exe") == 0;
    });
}

// Waits for a program to end; one still running after the time limit is
// ended, and the failure says what the screen shows.
DWORD waitForEnd(const Process& program, const std::string& name) {
    if (program.ended(programTimeLimitMs)) return program.exitCode();
    ADD_FAILURE() << name << " still runs after " << programTimeLimitMs << " ms; " << screen();
    program.kill();
    return STILL_ACTIVE;
}

DWORD runToEnd(const std::string& commandLine) {
    return waitForEnd(Process::start(commandLine), commandLine);
}

// NSIS's uninstaller copies itself to the temporary folder, starts the copy
// and ends at once; the copy does the work and gives the real exit code.
DWORD uninstallToEnd(const std::string& commandLine) {
    const Process original = Process::start(commandLine);
    if (waitForEnd(original, commandLine) != 0) return original.exitCode();
    // The original's handle, still open, keeps its process id from being reused.
    const std::vector<DWORD> copies = processesWhere(
        [&](const PROCESSENTRY32& entry) { return entry.th32ParentProcessID == original.id(); });
    if (copies.size() != 1) {
        ADD_FAILURE() << commandLine << " started " << copies.size() << " copies of itself";
        return STILL_ACTIVE;
    }
    return waitForEnd(Process::open(copies[0]), "the uninstaller's copy");
}

HWND shownMainWindow(DWORD processId) {
    HWND main = nullptr;
    waitUntil(
        [&] {
            main = e2e::mainWindowOf(processId);
            return main && IsWindowVisible(main);
        },
        20000);
    return main && IsWindowVisible(main) ? main : nullptr;
}

// Returns once Festorin has handled every message before this one.
bool roundTrip(HWND main) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored) != 0;
}

int gridRows(HWND main) {
    DWORD_PTR rows = 0;
    SendMessageTimeoutA(FindWindowExA(main, nullptr, "SysListView32", nullptr), LVM_GETITEMCOUNT, 0,
                        0, SMTO_ABORTIFHUNG, 5000, &rows);
    return static_cast<int>(rows);
}

std::map<std::string, std::string> dataFiles() {
    std::map<std::string, std::string> files;
    for (const std::string& name : e2e::dataFolderEntries()) files[name] = e2e::readDataFile(name);
    return files;
}

// The logon start's box on Setup's components page, as a user first sees
// it: NSIS draws it with state image 2 ticked, 1 unticked.
int logonStartBoxOnThePage() {
    const Process setup = Process::start(quoted(setupExe()));
    HWND wizard = nullptr, tree = nullptr;
    waitUntil(
        [&] {
            for (HWND window : e2e::topLevelWindows(setup.id(), "#32770"))
                if (IsWindowVisible(window)) wizard = window;
            return wizard != nullptr;
        },
        programTimeLimitMs);
    if (wizard) {
        PostMessageA(wizard, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        waitUntil([&] { return (tree = e2e::childWindow(wizard, "SysTreeView32")) != nullptr; });
    }
    LRESULT state = 0;
    if (tree) {
        const LRESULT item = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
        state = SendMessageA(tree, TVM_GETITEMSTATE, item, TVIS_STATEIMAGEMASK) >> 12;
    }
    setup.kill();
    return static_cast<int>(state);
}

class InstallerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // Wine would copy the Start-menu shortcut into the Linux desktop's
        // menus, outside the prefix; its menu builder stays off here.
        RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Wine\\DllOverrides", "winemenubuilder.exe",
                        REG_SZ, "", 1);
    }

    // A Festorin left running by a failed test would count as running before.
    void SetUp() override {
        for (DWORD id : festorinProcesses()) Process::open(id).kill();
        e2e::clearDataFolder();
    }

    static DWORD install() { return runToEnd(quoted(setupExe()) + " /S"); }
};

TEST_F(InstallerTest, SilentInstallPutsEveryPieceInPlace) {
    ASSERT_EQ(install(), 0u);
    const std::string exe = installedExe();
    EXPECT_TRUE(fileBytes(exe) == fileBytes(e2e::festorinExe())) << exe << " is not the build's";
    const std::string versions = FESTORIN_FILE_VERSION_TEXT " " FESTORIN_VERSION_TEXT;
    for (const std::string& program : {setupExe(), exe, uninstaller()})
        EXPECT_EQ(versionsOf(program), versions) << program;

    EXPECT_EQ(registryText(runKey, "Festorin"), quoted(exe));
    EXPECT_EQ(shortcutTarget(shortcut()), exe);

    EXPECT_EQ(registryText(uninstallKey, "DisplayName"), "Festorin");
    EXPECT_EQ(registryText(uninstallKey, "DisplayVersion"), FESTORIN_VERSION_TEXT);
    EXPECT_NE(registryText(uninstallKey, "Publisher").value_or(""), "");
    EXPECT_EQ(registryText(uninstallKey, "DisplayIcon"), exe + ",0");
    EXPECT_EQ(registryText(uninstallKey, "InstallLocation"), installFolder());
    EXPECT_EQ(registryText(uninstallKey, "UninstallString"), quoted(uninstaller()));
    EXPECT_EQ(registryText(uninstallKey, "QuietUninstallString"), quoted(uninstaller()) + " /S");
    const DWORD kilobytes = (fileBytes(exe).size() + fileBytes(uninstaller()).size()) / 1024;
    EXPECT_EQ(registryNumber(uninstallKey, "EstimatedSize"), kilobytes);
    EXPECT_EQ(registryNumber(uninstallKey, "NoModify"), 1u);
    EXPECT_EQ(registryNumber(uninstallKey, "NoRepair"), 1u);

    // Offered in "Open with" for address books, without taking them over.
    EXPECT_EQ(registryText(openWithKey + "\\shell\\open\\command", ""), quoted(exe) + " \"%1\"");
    EXPECT_TRUE(registryText(openWithKey + "\\SupportedTypes", ".vcf").has_value());
    EXPECT_TRUE(registryText(openWithKey + "\\SupportedTypes", ".csv").has_value());
    EXPECT_FALSE(registryKeyExists("Software\\Classes\\.vcf"));
    EXPECT_FALSE(registryKeyExists("Software\\Classes\\.csv"));

    // Every program Setup started exists once Setup has ended: none, since
    // no Festorin ran before.
    EXPECT_EQ(festorinProcesses().size(), 0u);
    const Process festorin = Process::start(quoted(exe));
    HWND main = shownMainWindow(festorin.id());
    ASSERT_TRUE(main) << "the installed Festorin.exe shows no window; " << screen();
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(waitForEnd(festorin, "Festorin"), 0u);
}

TEST_F(InstallerTest, InstallOverARunningFestorinReplacesItAndKeepsEveryPerson) {
    const std::string people = e2e::contactRecords(threePeople);
    e2e::writeDataFile("dates.txt", people);
    ASSERT_EQ(install(), 0u);
    // An older Festorin.exe: bytes after the program's end, which Windows ignores.
    std::ofstream(installedExe(), std::ios::binary | std::ios::app) << "an older build";
    const Process older = Process::start(quoted(installedExe()));
    ASSERT_TRUE(shownMainWindow(older.id())) << screen();

    ASSERT_EQ(install(), 0u);
    EXPECT_TRUE(older.ended()) << "Setup ended before the Festorin it replaced";
    EXPECT_EQ(older.exitCode(), 0u) << "closed as its close box does, not killed";
    EXPECT_TRUE(fileBytes(installedExe()) == fileBytes(e2e::festorinExe()))
        << installedExe() << " was not replaced";
    const std::vector<DWORD> running = festorinProcesses();
    ASSERT_EQ(running.size(), 1u);
    EXPECT_NE(running[0], older.id());
    HWND main = shownMainWindow(running[0]);
    ASSERT_TRUE(main) << "the new Festorin shows no window; " << screen();
    ASSERT_TRUE(roundTrip(main));
    EXPECT_EQ(gridRows(main), 3);
    EXPECT_EQ(e2e::readDataFile("dates.txt"), people);
}

TEST_F(InstallerTest, InstallStopsWhenFestorinDoesNotEndInTime) {
    ASSERT_EQ(install(), 0u);
    std::ofstream(installedExe(), std::ios::binary | std::ios::app) << "an older build";
    const std::string older = fileBytes(installedExe());
    const Process hung = Process::start(quoted(installedExe()));
    HWND main = shownMainWindow(hung.id());
    ASSERT_TRUE(main) << screen();
    hung.suspend();

    // Setup gives it its ten seconds, then stops before writing anything.
    EXPECT_EQ(install(), 2u);
    EXPECT_FALSE(hung.ended());
    EXPECT_TRUE(fileBytes(installedExe()) == older) << installedExe() << " was replaced";
    hung.resume();
    EXPECT_EQ(waitForEnd(hung, "Festorin"), 0u) << "the close request still waited for it";
}

// An upgrade leaves the logon start as the user left it: there, or taken
// away, which unticks it on the components page too.
TEST_F(InstallerTest, AnUpgradeKeepsTheLogonStartTheUserTookAway) {
    if (const std::optional<std::string> uninstall =
            registryText(uninstallKey, "QuietUninstallString")) {
        ASSERT_EQ(uninstallToEnd(*uninstall), 0u);
    }
    EXPECT_EQ(logonStartBoxOnThePage(), 2) << "a first install offers it ticked";
    ASSERT_EQ(install(), 0u);
    EXPECT_EQ(logonStartBoxOnThePage(), 2);
    ASSERT_EQ(install(), 0u);
    EXPECT_EQ(registryText(runKey, "Festorin"), quoted(installedExe()));

    ASSERT_EQ(RegDeleteKeyValueA(HKEY_CURRENT_USER, runKey.c_str(), "Festorin"), ERROR_SUCCESS);
    EXPECT_EQ(logonStartBoxOnThePage(), 1);
    ASSERT_EQ(install(), 0u);
    EXPECT_FALSE(registryText(runKey, "Festorin").has_value());
    EXPECT_TRUE(fileBytes(installedExe()) == fileBytes(e2e::festorinExe()));
}

TEST_F(InstallerTest, SilentUninstallRemovesEverythingButTheList) {
    e2e::writeDataFile("dates.txt", e2e::contactRecords(threePeople));
    e2e::writeDataFile("ordre_tri.txt", "2");
    e2e::writeDataFile("date_verif.txt", e2e::checkDateLine(e2e::dayFromToday(0)));
    ASSERT_EQ(install(), 0u);
    const Process festorin = Process::start(quoted(installedExe()));
    HWND main = shownMainWindow(festorin.id());
    ASSERT_TRUE(main) << screen();
    ASSERT_TRUE(roundTrip(main));
    const std::map<std::string, std::string> list = dataFiles();
    ASSERT_EQ(list.size(), 3u);

    ASSERT_EQ(uninstallToEnd(registryText(uninstallKey, "QuietUninstallString").value()), 0u);
    EXPECT_TRUE(festorin.ended()) << "the uninstaller ended before Festorin";
    EXPECT_EQ(festorin.exitCode(), 0u) << "closed as its close box does, not killed";
    EXPECT_FALSE(exists(installFolder()));
    EXPECT_FALSE(exists(shortcut()));
    EXPECT_FALSE(registryText(runKey, "Festorin").has_value());
    EXPECT_FALSE(registryKeyExists(uninstallKey));
    EXPECT_FALSE(registryKeyExists(openWithKey));
    EXPECT_EQ(dataFiles(), list);
}

}  // namespace

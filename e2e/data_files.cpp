#include "e2e/data_files.h"

#include <array>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "e2e/windows.h"
#include "platform/win32/win32_api.h"

namespace e2e {

namespace {

// Field sizes of a record of "dates.txt": a length byte and the characters.
constexpr std::array<int, 10> fieldSizes{5, 61, 61, 61, 31, 31, 31, 21, 21, 41};

std::string appDataFolder() {
    char path[MAX_PATH] = "";
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path)))
        throw std::runtime_error("no application-data folder in this prefix");
    return path;
}

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
    const PROCESS_INFORMATION process = startProcess("/bin/sh -c \"" + command + "\"");
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

std::string dataFolderSizes() {
    std::string line;
    for (const std::string& name : dataFolderEntries()) {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        GetFileAttributesExA((dataFolder() + name).c_str(), GetFileExInfoStandard, &data);
        const bool folder = data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
        line += "  " + name + (folder ? " (a folder)" : " " + std::to_string(data.nFileSizeLow));
    }
    return line.empty() ? "  none" : line;
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

// The command says it is done by a file beside the data folder: a probe made
// in the folder while its rights change could outlive its delete-on-close
// there, and then stand in every later probe's way.
bool setDataFolderWritable(bool writable) {
    const std::string folder = unixPath(dataFolder());
    const std::string done = appDataFolder() + "\\rights_set";
    DeleteFileA(done.c_str());
    // Root writes through missing write bits; the immutable flag stops it too.
    const std::string command =
        (writable ? "chattr -i '" + folder + "' 2>/dev/null; chmod u+w '" + folder + "'"
                  : "chmod a-w '" + folder + "'; chattr +i '" + folder + "' 2>/dev/null") +
        "; touch '" + unixPath(done) + "'";
    runUnixShell(command);
    const bool set =
        waitUntil([&] { return GetFileAttributesA(done.c_str()) != INVALID_FILE_ATTRIBUTES; });
    DeleteFileA(done.c_str());
    return set && canCreateFileIn(dataFolder()) == writable;
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

void writeFileUtf8(const std::string& utf8Path, const std::string& bytes) {
    HANDLE file = CreateFileW(wideFromUtf8(utf8Path).c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    const bool whole =
        file != INVALID_HANDLE_VALUE &&
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    if (!whole) throw std::runtime_error("cannot write " + utf8Path);
}

std::string readFileUtf8(const std::string& utf8Path) {
    HANDLE file = CreateFileW(wideFromUtf8(utf8Path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "";
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

void removeFileUtf8(const std::string& utf8Path) { DeleteFileW(wideFromUtf8(utf8Path).c_str()); }

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

}  // namespace e2e

// The file operations over kernel32, always binary. Every path is UTF-8
// inside the program and goes through the wide calls, so that a folder or a
// file named in any language is reached whatever the ANSI code page.

#include <limits>

#include "platform/file_system_native.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_api.h"

namespace platform::fs::native {

namespace {

HANDLE handleOf(Handle file) { return reinterpret_cast<HANDLE>(file); }

Handle handleFrom(HANDLE file) {
    return file == INVALID_HANDLE_VALUE ? invalidHandle : reinterpret_cast<Handle>(file);
}

std::wstring wide(const std::string& path) { return win32::wideFromUtf8(path); }

DWORD attributesOf(const std::string& path) { return GetFileAttributesW(wide(path).c_str()); }

bool isReadOnly(const std::string& path) {
    const DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

// Kernel32 moves at most a DWORD's worth of bytes per call.
DWORD chunkOf(std::size_t count) {
    constexpr std::size_t largest = std::numeric_limits<DWORD>::max();
    return static_cast<DWORD>(count < largest ? count : largest);
}

HANDLE createFile(const std::string& path, DWORD access, DWORD share, DWORD disposition) {
    return CreateFileW(wide(path).c_str(), access, share, nullptr, disposition,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

BOOL moveFileOver(const std::string& from, const std::string& to) {
    return MoveFileExW(wide(from).c_str(), wide(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

}  // namespace

bool fileExists(const std::string& path) {
    DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool folderExists(const std::string& path) {
    DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool makeFolder(const std::string& path) {
    return CreateDirectoryW(wide(path).c_str(), nullptr) != 0;
}

std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(wide(folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(win32::utf8FromWide(found.cFileName));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

std::int64_t lastWriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(wide(path).c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<std::int64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
           data.ftLastWriteTime.dwLowDateTime;
}

// Every share mode: a file another program has open, as a spreadsheet keeps
// the one it shows, is still read.
Handle openRead(const std::string& path) {
    return handleFrom(createFile(
        path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING));
}

std::int64_t size(Handle file) {
    LARGE_INTEGER length{};
    return GetFileSizeEx(handleOf(file), &length) ? length.QuadPart : -1;
}

bool read(Handle file, void* buffer, std::size_t count) {
    auto* bytes = static_cast<char*>(buffer);
    while (count > 0) {
        DWORD got = 0;
        if (!ReadFile(handleOf(file), bytes, chunkOf(count), &got, nullptr) || got == 0)
            return false;
        bytes += got;
        count -= got;
    }
    return true;
}

Handle create(const std::string& path) {
    return handleFrom(createFile(path, GENERIC_WRITE, 0, CREATE_ALWAYS));
}

bool write(Handle file, const void* buffer, std::size_t count) {
    const auto* bytes = static_cast<const char*>(buffer);
    while (count > 0) {
        DWORD put = 0;
        if (!WriteFile(handleOf(file), bytes, chunkOf(count), &put, nullptr) || put == 0)
            return false;
        bytes += put;
        count -= put;
    }
    return true;
}

bool flush(Handle file) { return FlushFileBuffers(handleOf(file)) != 0; }

bool close(Handle file) { return CloseHandle(handleOf(file)) != 0; }

// A read-only file stays so and is no held file: Windows denies access to it
// as to a held one, and Wine would even replace it. Windows tells a file held
// open by another process by any of these three.
Replaced replace(const std::string& from, const std::string& to) {
    if (isReadOnly(to)) return Replaced::No;
    if (moveFileOver(from, to)) return Replaced::Yes;
    switch (GetLastError()) {
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_ACCESS_DENIED:
            return Replaced::FileHeld;
        default:
            return Replaced::No;
    }
}

bool remove(const std::string& path) { return DeleteFileW(wide(path).c_str()) != 0; }

std::string lastErrorText() {
    const DWORD error = GetLastError();
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string words = length > 0 ? std::string(text, length) : "error " + std::to_string(error);
    if (text) LocalFree(text);
    words.erase(words.find_last_not_of(" \r\n") + 1);
    return words;
}

}  // namespace platform::fs::native

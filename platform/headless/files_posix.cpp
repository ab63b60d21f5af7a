// The file operations over POSIX, with Windows paths turned into POSIX ones.
// POSIX takes a path's UTF-8 bytes as they are.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/file_system_native.h"

namespace platform::fs::native {

namespace {

std::string posixPath(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

bool isA(const std::string& path, mode_t type) {
    struct stat info {};
    return ::stat(posixPath(path).c_str(), &info) == 0 && (info.st_mode & S_IFMT) == type;
}

bool isReadOnly(const std::string& path) {
    struct stat info {};
    return ::stat(posixPath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

}  // namespace

bool fileExists(const std::string& path) { return isA(path, S_IFREG); }

bool folderExists(const std::string& path) { return isA(path, S_IFDIR); }

bool makeFolder(const std::string& path) { return ::mkdir(posixPath(path).c_str(), 0755) == 0; }

std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    DIR* listing = ::opendir(posixPath(folder).c_str());
    if (!listing) return names;
    while (const dirent* entry = ::readdir(listing))
        if (isA(folder + entry->d_name, S_IFREG)) names.emplace_back(entry->d_name);
    ::closedir(listing);
    return names;
}

std::int64_t lastWriteTime(const std::string& path) {
    struct stat info {};
    if (::stat(posixPath(path).c_str(), &info) != 0) return -1;
    return static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
}

// Only a file opens, as on Windows; errno says why anything else does not.
Handle openRead(const std::string& path) {
    struct stat info {};
    if (::stat(posixPath(path).c_str(), &info) != 0) return invalidHandle;
    if (!S_ISREG(info.st_mode)) {
        errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        return invalidHandle;
    }
    return ::open(posixPath(path).c_str(), O_RDONLY);
}

std::int64_t size(Handle file) {
    struct stat info {};
    return ::fstat(static_cast<int>(file), &info) == 0 ? info.st_size : -1;
}

bool read(Handle file, void* buffer, std::size_t count) {
    auto* bytes = static_cast<char*>(buffer);
    while (count > 0) {
        ssize_t got = ::read(static_cast<int>(file), bytes, count);
        if (got <= 0) return false;
        bytes += got;
        count -= static_cast<std::size_t>(got);
    }
    return true;
}

Handle create(const std::string& path) {
    return ::open(posixPath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
}

bool write(Handle file, const void* buffer, std::size_t count) {
    const auto* bytes = static_cast<const char*>(buffer);
    while (count > 0) {
        ssize_t put = ::write(static_cast<int>(file), bytes, count);
        if (put <= 0) return false;
        bytes += put;
        count -= static_cast<std::size_t>(put);
    }
    return true;
}

bool flush(Handle file) { return ::fsync(static_cast<int>(file)) == 0; }

bool close(Handle file) { return ::close(static_cast<int>(file)) == 0; }

// A file without write permission stands for Windows' read-only file, which
// cannot be replaced; POSIX would rename over it.
Replaced replace(const std::string& from, const std::string& to) {
    if (isReadOnly(to)) return Replaced::No;
    if (std::rename(posixPath(from).c_str(), posixPath(to).c_str()) == 0) return Replaced::Yes;
    return errno == EBUSY || errno == EACCES ? Replaced::FileHeld : Replaced::No;
}

bool remove(const std::string& path) { return ::unlink(posixPath(path).c_str()) == 0; }

std::string lastErrorText() { return std::strerror(errno); }

}  // namespace platform::fs::native

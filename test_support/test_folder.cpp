#include "test_folder.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace test_support {

namespace {

// A name is read as UTF-8, as an address book's path is; the tests' paths of
// data files are ASCII, which reads the same either way.
std::filesystem::path onDisk(std::string path) {
#ifndef _WIN32
    std::replace(path.begin(), path.end(), '\\', '/');
#endif
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

std::string uniqueName() {
    static std::atomic<int> counter{0};
    std::random_device seed;
    return "festorin-test-" + std::to_string(seed()) + "-" + std::to_string(counter++);
}

}  // namespace

TestFolder::TestFolder() {
    std::filesystem::path folder = std::filesystem::temp_directory_path() / uniqueName();
    std::filesystem::create_directories(folder);
    path_ = folder.string();
}

TestFolder::~TestFolder() {
    std::error_code ignored;
    std::filesystem::permissions(onDisk(path_), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(onDisk(path_), ignored);
}

std::string readBytes(const std::string& path) {
    std::ifstream in(onDisk(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(onDisk(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool exists(const std::string& path) { return std::filesystem::exists(onDisk(path)); }

void makeFolder(const std::string& path) { std::filesystem::create_directories(onDisk(path)); }

void resizeFile(const std::string& path, std::uintmax_t size) {
    std::filesystem::resize_file(onDisk(path), size);
}

void setWrittenSecondsAgo(const std::string& path, int seconds) {
    std::filesystem::last_write_time(onDisk(path), std::filesystem::file_time_type::clock::now() -
                                                       std::chrono::seconds(seconds));
}

void setReadOnly(const std::string& path, bool readOnly) {
    using std::filesystem::perms;
    std::filesystem::permissions(
        onDisk(path), perms::owner_write | perms::group_write | perms::others_write,
        readOnly ? std::filesystem::perm_options::remove : std::filesystem::perm_options::add);
}

#ifdef _WIN32
HeldForWriting::HeldForWriting(const std::string& path)
    : handle_(reinterpret_cast<std::intptr_t>(CreateFileA(path.c_str(), GENERIC_WRITE,
                                                          FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                                          FILE_ATTRIBUTE_NORMAL, nullptr))) {}

HeldForWriting::~HeldForWriting() { CloseHandle(reinterpret_cast<HANDLE>(handle_)); }
#else
HeldForWriting::HeldForWriting(const std::string& path)
    : handle_(::open(onDisk(path).c_str(), O_WRONLY)) {}

HeldForWriting::~HeldForWriting() { ::close(static_cast<int>(handle_)); }
#endif

}  // namespace test_support

#pragma once
// A fresh folder for one test, and byte-exact access to the files in it.
#include <cstdint>
#include <string>

namespace test_support {

class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    // The folder, as the program sees it, without a trailing separator.
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// Paths in the program's form (backslashes) work here on every platform; a
// name outside ASCII is UTF-8, as an address book's path is.
std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);
bool exists(const std::string& path);
void makeFolder(const std::string& path);
// Grows a file with zeros, without writing them, or cuts it.
void resizeFile(const std::string& path, std::uintmax_t size);
// Sets a file's last write time this long before now, as an old file has it.
void setWrittenSecondsAgo(const std::string& path, int seconds);
// Takes away a file's write permission, which Windows shows as read-only,
// or gives it back.
void setReadOnly(const std::string& path, bool readOnly);

// Keeps a file open for writing, letting others only read it, as a
// spreadsheet program holds the file it shows.
class HeldForWriting {
public:
    explicit HeldForWriting(const std::string& path);
    ~HeldForWriting();
    bool held() const { return handle_ != -1; }
    HeldForWriting(const HeldForWriting&) = delete;
    HeldForWriting& operator=(const HeldForWriting&) = delete;

private:
    std::intptr_t handle_;
};

}  // namespace test_support

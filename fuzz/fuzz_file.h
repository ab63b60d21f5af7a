#pragma once
// Puts the fuzzer's bytes into a file that the readers can open. Each process
// has a folder of its own, so that runs side by side never share a file.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace fuzz {

// Made at the first use, removed when the fuzzer ends normally; after a crash
// it stays with the input that caused it.
class Folder {
public:
    Folder()
        : path_(std::filesystem::temp_directory_path() /
                ("festorin-fuzz-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(path_);
    }
    ~Folder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline const std::filesystem::path& folder() {
    static const Folder made;
    return made.path();
}

// The data folder as the program names it, ending in a separator.
inline std::string dataFolder() { return folder().string() + "/"; }

inline std::string fileWith(const std::uint8_t* data, std::size_t size, const char* name) {
    const std::string path = dataFolder() + name;
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

}  // namespace fuzz

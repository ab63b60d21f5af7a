#pragma once
// Puts the fuzzer's bytes into a file that the readers can open.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace fuzz {

inline std::string fileWith(const std::uint8_t* data, std::size_t size, const char* name) {
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() / "festorin-fuzz";
        std::filesystem::create_directories(path);
        return path;
    }();
    const std::string path = (folder / name).string();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

}  // namespace fuzz

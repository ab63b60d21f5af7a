#include "bench/bench_folder.h"

#include <filesystem>

namespace bench {

std::string freshTempFolder(const std::string& name) {
    auto folder = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder.string();
}

}  // namespace bench

// Any bytes as "st.txt": every file of that name makes the program start
// hidden, and a folder of that name or no marker at all never does.
#include <cstdlib>
#include <filesystem>

#include "app/option_marker.h"
#include "fuzz_file.h"

namespace {

void markerAsFolder() {
    const std::filesystem::path marker = fuzz::dataFolder() + app::startHiddenMarker.name();
    std::filesystem::remove_all(marker);
    std::filesystem::create_directory(marker);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::fileWith(data, size, app::startHiddenMarker.name());
    if (!app::startHiddenMarker.present(fuzz::dataFolder())) std::abort();

    // The first byte's lowest bit chooses a folder or no marker in its place.
    if (size > 0 && (data[0] & 1) != 0) {
        markerAsFolder();
    } else {
        std::filesystem::remove_all(fuzz::dataFolder() + app::startHiddenMarker.name());
    }
    if (app::startHiddenMarker.present(fuzz::dataFolder())) std::abort();
    return 0;
}

#include "option_marker.h"

#include "platform/atomic_file.h"
#include "platform/file_system.h"

namespace app {

namespace {

// A marker's content is never read; this line only makes it a text file.
const char* const markerContent = "*\r\n";

}  // namespace

bool OptionMarker::present(const std::string& dataFolder) const {
    return platform::fs::fileExists(dataFolder + name_);
}

void OptionMarker::write(const std::string& dataFolder) const {
    platform::writeFileAtomically(dataFolder + name_, markerContent);
}

void OptionMarker::remove(const std::string& dataFolder) const {
    const std::string marker = dataFolder + name_;
    if (platform::fs::fileExists(marker)) platform::fs::remove(marker);
}

// Goes by the check mark, not by the file, so that the menu always does what
// it shows; the mark is set before the write, which may fail.
void switchOption(platform::MenuItem& item, const OptionMarker& marker,
                  const std::string& dataFolder) {
    if (!item.checked()) {
        item.setChecked(true);
        marker.write(dataFolder);
    } else {
        item.setChecked(false);
        marker.remove(dataFolder);
    }
}

}  // namespace app

#include "data_folder.h"

#include "platform/file_system.h"
#include "platform/services.h"
#include "text.h"

namespace book {

namespace {

std::string withBackslash(std::string path) {
    if (path.empty() || path.back() != '\\') path += '\\';
    return path;
}

std::string executableFolder() {
    std::string path = platform::executablePath();
    std::size_t lastBackslash = path.rfind('\\');
    return withBackslash(lastBackslash == std::string::npos ? ""
                                                            : path.substr(0, lastBackslash + 1));
}

}  // namespace

std::string resolveDataFolder() {
    std::string appData = platform::appDataFolder();
    if (!trimmed(appData).empty()) {
        std::string folder = withBackslash(appData) + "FN\\";
        // A folder that cannot be made may have been there all along, if the
        // first look at it failed.
        if (platform::fs::folderExists(folder) || platform::fs::makeFolder(folder) ||
            platform::fs::folderExists(folder))
            return folder;
    }
    return executableFolder();
}

}  // namespace book

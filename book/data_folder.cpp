#include "data_folder.h"

#include "platform/atomic_file.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "text.h"

namespace book {

std::string withBackslash(std::string path) {
    if (path.empty() || path.back() != '\\') path += '\\';
    return path;
}

namespace {

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

ChosenDataFolder resolveChosenDataFolder() {
    ChosenDataFolder chosen;
    chosen.standard = resolveDataFolder();
    chosen.folder = chosen.standard;
    std::string line;
    if (!platform::readFirstLine(chosen.standard + folderChoiceFileName, line)) return chosen;
    if (trimmed(line).empty()) return chosen;
    const std::string named = withBackslash(line);
    if (platform::fs::folderExists(named))
        chosen.folder = named;
    else
        chosen.missingChoice = line;
    return chosen;
}

void keepDataFolderChoice(const std::string& standard, const std::string& folder) {
    const std::string choice = standard + folderChoiceFileName;
    if (folder != standard) {
        platform::writeFileAtomically(choice, folder + "\r\n");
    } else if (platform::fs::fileExists(choice) && !platform::fs::remove(choice)) {
        throw platform::IoError("delete", choice);
    }
}

}  // namespace book

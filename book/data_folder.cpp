#include "data_folder.h"

#include <algorithm>
#include <cstdint>

#include "address_book/text_encoding.h"
#include "platform/atomic_file.h"
#include "platform/code_pages.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "text.h"

namespace book {

namespace {

// Windows takes a slash for a backslash, as a path typed by hand may have.
bool isSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

std::string withBackslash(std::string path) {
    if (path.empty() || !isSeparator(path.back())) path += '\\';
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

namespace {

// A choice written by hand is read in whatever its editor saved it in.
std::string utf8OfChoiceFile(const std::string& bytes) {
    std::string converted;
    const std::string_view text = address_book::inReadersForm(bytes, converted);
    return address_book::isUtf8(text) ? std::string(text) : platform::ansiToUtf8(std::string(text));
}

std::string firstLineNotBlank(std::string_view text) {
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
        const std::string line = trimmed(text.substr(0, end));
        if (!line.empty()) return line;
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return {};
}

// "Copy as path" in Explorer puts quotes around the path.
std::string withoutQuotes(std::string path) {
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        path = trimmed(std::string_view(path).substr(1, path.size() - 2));
    return path;
}

bool isRelative(const std::string& path) {
    const bool drive = path.size() >= 2 && path[1] == ':';
    return !drive && !isSeparator(path.front());
}

std::string pathFrom(const std::string& standard, const std::string& named) {
    return withBackslash(platform::fullPathUtf8(isRelative(named) ? standard + named : named));
}

void takeChoice(ChosenDataFolder& chosen, const std::string& named) {
    using Refused = ChosenDataFolder::Refused;
    chosen.named = named;
    if (named.empty()) {
        chosen.refused = Refused::NamesNothing;
        return;
    }
    const std::string folder = pathFrom(chosen.standard, named);
    chosen.wanted = folder;
    if (platform::fs::folderExists(folder))
        chosen.folder = folder;
    else if (platform::fs::fileExists(folder.substr(0, folder.size() - 1)))
        chosen.refused = Refused::NotAFolder;
    else
        chosen.refused = Refused::Missing;
}

}  // namespace

ChosenDataFolder resolveChosenDataFolder() {
    ChosenDataFolder chosen;
    chosen.standard = resolveDataFolder();
    chosen.folder = chosen.standard;
    constexpr std::int64_t largestChoiceFile = 64 * 1024;
    std::string bytes;
    const std::string choiceFile = chosen.standard + folderChoiceFileName;
    if (!platform::fs::fileExists(choiceFile) ||
        !platform::readSmallFile(choiceFile, bytes, largestChoiceFile))
        return chosen;
    takeChoice(chosen, withoutQuotes(firstLineNotBlank(utf8OfChoiceFile(bytes))));
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

std::string folderKey(const std::string& path) {
    std::string key = withBackslash(platform::fullPathUtf8(path));
    std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
    });
    return key;
}

bool sameFolder(const std::string& a, const std::string& b) { return folderKey(a) == folderKey(b); }

}  // namespace book

#pragma once
#include <string>

namespace book {

// The folder of every data file, ending in a backslash: "FN\" in the user's
// application-data folder, found or created, or else the program's own folder.
std::string resolveDataFolder();

// The file in that standard folder that names a folder chosen in its place,
// as a synced folder shared by several PCs.
inline constexpr const char* folderChoiceFileName = "folder.txt";

struct ChosenDataFolder {
    std::string folder;         // where the data files are, ending in a backslash
    std::string standard;       // the standard folder, which holds "folder.txt"
    std::string missingChoice;  // a folder named in "folder.txt" that does not exist
};
// The standard folder, or the one its "folder.txt" names when that exists.
ChosenDataFolder resolveChosenDataFolder();

// Keeps the choice of `folder` in the standard folder; choosing the
// standard folder itself deletes "folder.txt". Throws platform::IoError.
void keepDataFolderChoice(const std::string& standard, const std::string& folder);

std::string withBackslash(std::string path);

}  // namespace book

#pragma once
// Where the data files are. Every path here is UTF-8, as the file system
// takes it, so that a folder named in any language serves.
#include <string>

namespace book {

// The folder of every data file, ending in a backslash: "FN\" in the user's
// application-data folder, found or created, or else the program's own folder.
std::string resolveDataFolder();

// The file in that standard folder that names a folder chosen in its place,
// as a synced folder shared by several PCs.
inline constexpr const char* folderChoiceFileName = "folder.txt";

struct ChosenDataFolder {
    // Why the standard folder serves in place of the one "folder.txt" names.
    enum class Refused { No, Missing, NotAFolder, NamesNothing };
    std::string folder;    // where the data files are, ending in a backslash
    std::string standard;  // the standard folder, which holds "folder.txt"
    Refused refused = Refused::No;
    std::string named;   // the folder "folder.txt" names, as it names it
    std::string wanted;  // that folder as a full path, ending in a backslash
};
// The standard folder, or the one its "folder.txt" names when that exists.
// The file may be UTF-8, with or without its mark, UTF-16 with its mark, or
// in the ANSI code page; its first line that is not blank names the folder,
// without the blanks, tabs and quotes around it, and a relative path starts
// at the standard folder.
ChosenDataFolder resolveChosenDataFolder();

// Keeps the choice of `folder` in the standard folder; choosing the
// standard folder itself deletes "folder.txt". Throws platform::IoError.
void keepDataFolderChoice(const std::string& standard, const std::string& folder);

std::string withBackslash(std::string path);

// One spelling of a folder, as Windows takes paths whatever the case of
// their letters: its full path, ending in a backslash, in small letters.
std::string folderKey(const std::string& path);
bool sameFolder(const std::string& a, const std::string& b);

}  // namespace book

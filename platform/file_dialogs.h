#pragma once
// The system's dialogs in which the user chooses a file to open or to save.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace platform {

struct FileFilter {
    std::string description;  // as the list of types shows it: "vCard (*.vcf)"
    std::string patterns;     // "*.vcf", or several apart by ";": "*.vcf;*.csv"
};

// The title and the filters are the program's texts, in the ANSI code page;
// the folder and the names are paths, in UTF-8.
struct FileDialogRequest {
    std::string title;
    std::vector<FileFilter> filters;
    std::string folderUtf8;        // where the dialog opens
    std::string fileNameUtf8;      // the name a Save dialog proposes
    std::string defaultExtension;  // added to a name typed without one, "vcf"
    std::size_t chosenFilter = 0;  // the filter chosen when the dialog opens
};

struct FileToSave {
    std::string pathUtf8;
    std::size_t filter = 0;  // the filter chosen when the dialog closed
};

// The Open dialog, in which several files may be chosen: their full paths in
// UTF-8, none when the user cancels.
std::vector<std::string> chooseFilesToOpen(const FileDialogRequest& request);

// The Save dialog, which asks before it replaces an existing file: the full
// path in UTF-8 and the type chosen, or nothing when the user cancels.
std::optional<FileToSave> chooseFileToSave(const FileDialogRequest& request);

}  // namespace platform

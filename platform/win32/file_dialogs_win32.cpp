// The common Open and Save dialogs of comdlg32, owned by the main window.
#include <stdexcept>

#include "platform/file_dialogs.h"
#include "platform/win32/application_win32.h"
#include "platform/win32/win32_api.h"
// After windows.h.
#include <commdlg.h>

namespace platform {

namespace {

// Room for the paths of a few thousand files chosen at once.
constexpr std::size_t pathsRoom = 256 * 1024;

// "description\0patterns\0" for each filter, and one more "\0" at the end.
std::string filterList(const std::vector<FileFilter>& filters) {
    std::string list;
    for (const FileFilter& filter : filters) {
        list += filter.description;
        list += '\0';
        list += filter.patterns;
        list += '\0';
    }
    return list + '\0';
}

struct Dialog {
    Dialog(const FileDialogRequest& request, DWORD flags)
        : filters(filterList(request.filters)), paths(pathsRoom, '\0') {
        paths.replace(0, request.fileName.size(), request.fileName);
        names.lStructSize = sizeof names;
        names.hwndOwner = win32::boxOwner();
        names.lpstrFilter = filters.c_str();
        names.nFilterIndex = 1;
        names.lpstrFile = paths.data();
        names.nMaxFile = static_cast<DWORD>(paths.size());
        names.lpstrInitialDir = request.folder.empty() ? nullptr : request.folder.c_str();
        names.lpstrTitle = request.title.c_str();
        names.lpstrDefExt =
            request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
        names.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | flags;
    }

    // False when the user cancelled; a dialog that failed throws.
    bool chosen(BOOL answer) const {
        if (answer) return true;
        const DWORD error = CommDlgExtendedError();
        if (error == 0) return false;
        if (error == FNERR_BUFFERTOOSMALL)
            throw std::runtime_error("Too many files were chosen at once: choose fewer.");
        throw std::runtime_error("The file dialog failed (error " + std::to_string(error) + ").");
    }

    std::string filters;
    std::string paths;
    OPENFILENAMEA names{};
};

// One file comes as its full path; several as their folder and then each
// name, every text ended by a zero and the list by one more.
std::vector<std::string> chosenPaths(const char* buffer) {
    const std::string first = buffer;
    if (first.empty()) return {};
    const char* name = buffer + first.size() + 1;
    if (*name == '\0') return {first};
    const std::string folder = first.back() == '\\' ? first : first + "\\";
    std::vector<std::string> paths;
    for (; *name != '\0'; name += std::string(name).size() + 1) paths.push_back(folder + name);
    return paths;
}

}  // namespace

std::vector<std::string> chooseFilesToOpen(const FileDialogRequest& request) {
    Dialog dialog(request, OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST);
    if (!dialog.chosen(GetOpenFileNameA(&dialog.names))) return {};
    return chosenPaths(dialog.paths.c_str());
}

std::optional<std::string> chooseFileToSave(const FileDialogRequest& request) {
    Dialog dialog(request, OFN_OVERWRITEPROMPT | OFN_NOREADONLYRETURN);
    if (!dialog.chosen(GetSaveFileNameA(&dialog.names))) return std::nullopt;
    return std::string(dialog.paths.c_str());
}

}  // namespace platform

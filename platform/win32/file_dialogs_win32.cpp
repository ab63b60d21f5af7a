// The common Open and Save dialogs of comdlg32, owned by the main window,
// through the wide calls: a file named in any language can be chosen.
#include <cwchar>
#include <stdexcept>

#include "platform/file_dialogs.h"
#include "platform/win32/application_win32.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_api.h"
// After windows.h.
#include <commdlg.h>

namespace platform {

namespace {

// Room for the paths of a few thousand files chosen at once.
constexpr std::size_t pathsRoom = 256 * 1024;

// "description\0patterns\0" for each filter, and one more "\0" at the end.
std::wstring filterList(const std::vector<FileFilter>& filters) {
    std::wstring list;
    for (const FileFilter& filter : filters) {
        list += win32::wideFromAnsi(filter.description);
        list += L'\0';
        list += win32::wideFromAnsi(filter.patterns);
        list += L'\0';
    }
    return list + L'\0';
}

const wchar_t* orNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

// Every text the dialog is given lives as long as the dialog.
struct Dialog {
    Dialog(const FileDialogRequest& request, DWORD flags)
        : filters(filterList(request.filters)),
          folder(win32::wideFromUtf8(request.folderUtf8)),
          title(win32::wideFromAnsi(request.title)),
          defaultExtension(win32::wideFromUtf8(request.defaultExtension)),
          paths(pathsRoom, L'\0') {
        const std::wstring fileName = win32::wideFromUtf8(request.fileNameUtf8);
        paths.replace(0, fileName.size(), fileName);
        names.lStructSize = sizeof names;
        names.hwndOwner = win32::boxOwner();
        names.lpstrFilter = filters.c_str();
        names.nFilterIndex = static_cast<DWORD>(request.chosenFilter + 1);
        names.lpstrFile = paths.data();
        names.nMaxFile = static_cast<DWORD>(paths.size());
        names.lpstrInitialDir = orNull(folder);
        names.lpstrTitle = title.c_str();
        names.lpstrDefExt = orNull(defaultExtension);
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

    std::wstring filters, folder, title, defaultExtension;
    std::wstring paths;
    OPENFILENAMEW names{};
};

// One file comes as its full path; several as their folder and then each
// name, every text ended by a zero and the list by one more. The buffer ends
// in zeros, so no name runs past it.
std::vector<std::string> chosenPaths(const std::wstring& buffer) {
    const std::wstring first = buffer.c_str();
    if (first.empty()) return {};
    const wchar_t* name = buffer.c_str() + first.size() + 1;
    if (*name == L'\0') return {win32::utf8FromWide(first)};
    const std::wstring folder = first.back() == L'\\' ? first : first + L"\\";
    std::vector<std::string> paths;
    for (; *name != L'\0'; name += std::wcslen(name) + 1)
        paths.push_back(win32::utf8FromWide(folder + name));
    return paths;
}

}  // namespace

std::vector<std::string> chooseFilesToOpen(const FileDialogRequest& request) {
    Dialog dialog(request, OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST);
    if (!dialog.chosen(GetOpenFileNameW(&dialog.names))) return {};
    return chosenPaths(dialog.paths);
}

std::optional<FileToSave> chooseFileToSave(const FileDialogRequest& request) {
    Dialog dialog(request, OFN_OVERWRITEPROMPT | OFN_NOREADONLYRETURN);
    if (!dialog.chosen(GetSaveFileNameW(&dialog.names))) return std::nullopt;
    const DWORD filterIndex = dialog.names.nFilterIndex;
    return FileToSave{win32::utf8FromWide(dialog.paths.c_str()),
                      filterIndex == 0 ? 0 : std::size_t{filterIndex - 1}};
}

}  // namespace platform

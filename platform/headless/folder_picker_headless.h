#pragma once
// The folder picker's stand-in: the tests choose its answers and read back
// the pickers the program opened.
#include <optional>
#include <string>
#include <vector>

namespace platform::headless {

struct FolderPickerShown {
    std::string title, startFolder;
};
const std::vector<FolderPickerShown>& shownFolderPickers();
// The next picker's answer: a folder, or nothing for Cancel. An unscripted
// picker is cancelled.
void answerNextFolderPicker(std::optional<std::string> folder);
void resetFolderPickers();

}  // namespace platform::headless

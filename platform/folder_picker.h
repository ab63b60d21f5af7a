#pragma once
// The system's dialog in which the user chooses a folder.
#include <optional>
#include <string>

namespace platform {

// The chosen folder's full path in UTF-8, or nothing when the user cancels. The
// dialog opens at `startFolder` and lets only folders of the file system be
// chosen.
std::optional<std::string> chooseFolder(const std::string& title, const std::string& startFolder);

}  // namespace platform

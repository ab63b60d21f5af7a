#include "platform/headless/folder_picker_headless.h"

#include <deque>

#include "platform/folder_picker.h"

namespace platform {

namespace {

struct Pickers {
    std::vector<headless::FolderPickerShown> shown;
    std::deque<std::optional<std::string>> answers;
};

Pickers& pickers() {
    static Pickers state;
    return state;
}

}  // namespace

std::optional<std::string> chooseFolder(const std::string& title, const std::string& startFolder) {
    Pickers& p = pickers();
    p.shown.push_back({title, startFolder});
    if (p.answers.empty()) return std::nullopt;
    std::optional<std::string> answer = std::move(p.answers.front());
    p.answers.pop_front();
    return answer;
}

namespace headless {

const std::vector<FolderPickerShown>& shownFolderPickers() { return pickers().shown; }
void answerNextFolderPicker(std::optional<std::string> folder) {
    pickers().answers.push_back(std::move(folder));
}
void resetFolderPickers() { pickers() = Pickers{}; }

}  // namespace headless

}  // namespace platform

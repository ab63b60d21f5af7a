#include "e2e/two_pcs.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "e2e/windows.h"

namespace e2e {

namespace {

// The tick of the one-minute timer, as Windows posts it.
constexpr UINT_PTR reminderTimerId = 1;

std::string windowsFolderFrom(const char* variable) {
    const char* path = std::getenv(variable);
    if (!path || !*path) return "";
    std::string folder = path;
    std::replace(folder.begin(), folder.end(), '/', '\\');
    if (folder[0] == '\\') folder = "Z:" + folder;
    if (folder.back() != '\\') folder += '\\';
    return folder;
}

std::string encode(const Lines& lines) {
    std::string text;
    for (const std::vector<std::string>& line : lines) {
        for (std::size_t i = 0; i < line.size(); ++i) text += (i ? "\t" : "") + line[i];
        text += '\n';
    }
    return text;
}

Lines decode(const std::string& text) {
    Lines lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> cells;
        std::size_t start = 0;
        for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
            cells.push_back(line.substr(start, tab - start));
        cells.push_back(line.substr(start));
        lines.push_back(cells);
    }
    return lines;
}

bool fileThere(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string readWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Written beside its place and moved there, so that the other side never
// reads half a message.
void writeWhole(const std::string& path, const std::string& text) {
    std::ofstream(path + ".part", std::ios::binary) << text;
    MoveFileExA((path + ".part").c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

int gridItemOf(const Festorin& festorin, const Person& person) {
    const std::vector<Person> people = festorin.gridPeople();
    const auto found = std::find(people.begin(), people.end(), person);
    return found == people.end() ? -1 : static_cast<int>(found - people.begin());
}

// The question about a list that lost most of its people is answered No,
// as a user who knows that nobody was deleted does: this PC keeps its list.
int answerTo(const MessageBoxSeen& box) {
    return box.text.rfind("The list in \"", 0) == 0 ? IDNO : IDOK;
}

// Every box an action posted before brought, answered once Festorin waits
// on it; their texts.
std::vector<std::string> answerBoxes(const Festorin& festorin) {
    std::vector<std::string> texts;
    festorin.settle();
    for (std::vector<MessageBoxSeen> boxes = festorin.openBoxes(); !boxes.empty();
         boxes = festorin.openBoxes()) {
        texts.push_back(boxes[0].text);
        festorin.answer(boxes[0], answerTo(boxes[0]));
        festorin.settle();
    }
    return texts;
}

// Ok and Delete may end in a merge's box: they are posted.
std::vector<std::string> pressAndAnswerBoxes(const Festorin& festorin, HWND button) {
    festorin.clickLater(button);
    return answerBoxes(festorin);
}

}  // namespace

std::string sharedFolder() { return windowsFolderFrom("FESTORIN_SHARED_FOLDER"); }
std::string mailboxFolder() { return windowsFolderFrom("FESTORIN_MAILBOX"); }

void useSharedFolder() {
    clearDataFolder();
    writeDataFile("folder.txt", sharedFolder() + "\r\n");
}

std::string readSharedFile(const std::string& name) { return readWhole(sharedFolder() + name); }

std::string Mailbox::path(const char* kind, int number) const {
    return folder_ + kind + "-" + std::to_string(number) + ".txt";
}

std::optional<Lines> Mailbox::ask(const Lines& request, int timeoutMs) {
    const int number = next_++;
    writeWhole(path("request", number), encode(request));
    const std::string answer = path("answer", number);
    if (!waitUntil([&] { return fileThere(answer); }, timeoutMs)) return std::nullopt;
    return decode(readWhole(answer));
}

std::optional<Lines> Mailbox::nextRequest() {
    const std::string request = path("request", next_);
    const std::string end = folder_ + "end.txt";
    while (!fileThere(request)) {
        if (fileThere(end)) return std::nullopt;
        Sleep(10);
    }
    return decode(readWhole(request));
}

void Mailbox::answer(const Lines& lines) { writeWhole(path("answer", next_++), encode(lines)); }

void Mailbox::end() const { writeWhole(folder_ + "end.txt", "end\n"); }

std::vector<std::string> pressOk(const Festorin& festorin) {
    return pressAndAnswerBoxes(festorin, festorin.okButton());
}

std::vector<std::string> addPerson(const Festorin& festorin, const Person& person) {
    festorin.enterPerson(person);
    return pressOk(festorin);
}

// The person's row chosen as a user clicks it; the button it brings, or
// none when the person is not in the grid or the button did not come.
HWND choose(const Festorin& festorin, const Person& person, const char* button,
            std::vector<std::string>& refused) {
    const int item = gridItemOf(festorin, person);
    if (item < 0) {
        refused.push_back("not in the grid: " + person[1] + " " + person[2]);
        return nullptr;
    }
    festorin.selectGridItem(item);
    HWND shown = festorin.control("Button", button);
    if (!IsWindowVisible(shown)) {
        refused.push_back(std::string(button) + " is not shown for " + person[1]);
        return nullptr;
    }
    return shown;
}

std::vector<std::string> deletePerson(const Festorin& festorin, const Person& person) {
    std::vector<std::string> refused;
    HWND button = choose(festorin, person, "Delete", refused);
    return button ? pressAndAnswerBoxes(festorin, button) : refused;
}

std::vector<std::string> openModify(const Festorin& festorin, const Person& person,
                                    const std::string& surname) {
    std::vector<std::string> refused;
    HWND button = choose(festorin, person, "Modify", refused);
    if (!button) return refused;
    festorin.click(button);
    festorin.setText(festorin.controls("Edit")[1], surname);
    festorin.settle();
    return {};
}

std::vector<std::string> changeSurname(const Festorin& festorin, const Person& person,
                                       const std::string& surname) {
    std::vector<std::string> refused = openModify(festorin, person, surname);
    return refused.empty() ? pressOk(festorin) : refused;
}

void tick(const Festorin& festorin) {
    festorin.postMessage(WM_TIMER, reminderTimerId, 0);
    festorin.settle();
}

std::vector<std::string> tickAndAnswer(const Festorin& festorin) {
    festorin.postMessage(WM_TIMER, reminderTimerId, 0);
    return answerBoxes(festorin);
}

// Beside its place first, under a name no copy of the list has, as an engine
// downloads a file before it renames it.
void replaceSharedFile(const std::string& name, const std::string& bytes) {
    const std::string path = sharedFolder() + name;
    std::ofstream(path + ".sync", std::ios::binary) << bytes;
    MoveFileExA((path + ".sync").c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

}  // namespace e2e

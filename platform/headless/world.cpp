#include <algorithm>
#include <deque>
#include <map>
#include <set>

#include "platform/application.h"
#include "platform/backend.h"
#include "platform/dispatch.h"
#include "platform/headless/folder_picker_headless.h"
#include "platform/headless/headless.h"

namespace platform {

namespace {

// The files the user chooses, none for Cancel, and the type chosen in a
// Save dialog.
struct FileDialogAnswer {
    std::vector<std::string> paths;
    std::optional<std::size_t> filter;
};

struct World {
    DateTime now{2026, 12, 8, 9, 0, 0};
    char dateSeparator = '/';
    ShortDateOrder dateOrder = ShortDateOrder::DayMonthYear;
    std::string appDataFolder;
    std::string documentsFolder = "C:\\Users\\Festorin\\Documents";
    std::string executablePath = "C:\\Program Files\\Festorin\\Festorin.exe";
    Rect workArea{0, 0, 1024, 738};
    Point cursor{1000, 750};
    bool minimized = false;
    unsigned exStyle = 0;
    std::vector<headless::ShownBox> boxes;
    std::deque<MbResult> answers;
    std::function<void()> duringBox;
    std::vector<std::string> links;
    Control* focused = nullptr;
    Edit* wholeTextSelected = nullptr;
    Form* front = nullptr;
    std::vector<headless::TrayCall> trayCalls;
    std::vector<std::string> loadedIcons;
    std::vector<IconHandle> destroyedIcons;
    std::vector<headless::PopupCall> popups;
    std::map<const Form*, int> repaints;
    std::vector<std::string> commandLineArguments;
    bool otherRun = false;
    std::vector<headless::HandedOver> handedOver;
    application::HandOverResult handOverResult = application::HandOverResult::Taken;
    std::function<void()> duringHandOver;
    int pausedMs = 0;
    std::function<void()> duringPause;
    Form* created = nullptr;
    std::set<const Form*> forms;  // whose window was built, until the object goes
    std::deque<std::function<void()>> later;
    std::vector<headless::FileDialogShown> fileDialogs;
    std::deque<FileDialogAnswer> fileDialogAnswers;
};

World& world() {
    static World w;
    return w;
}

}  // namespace

// Services.
DateTime now() { return world().now; }
char dateSeparator() { return world().dateSeparator; }
ShortDateOrder shortDateOrder() { return world().dateOrder; }
std::string fullPathUtf8(const std::string& utf8Path) { return utf8Path; }
std::string appDataFolder() { return world().appDataFolder; }
std::string documentsFolderUtf8() { return world().documentsFolder; }
std::string executablePath() { return world().executablePath; }

namespace {

// As Windows-1252 has it: the ASCII letters, and the Latin-1 letters from
// 0xC0 on, whose small letters stand 0x20 above them (0xD7 is a sign).
char smallLetter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    const bool capital =
        (byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7);
    return static_cast<char>(capital ? byte + 0x20 : byte);
}

}  // namespace

bool sameTextIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return smallLetter(x) == smallLetter(y);
           });
}
void lowerInPlace(std::string& text) {
    for (char& c : text) c = smallLetter(c);
}
Rect workArea() { return world().workArea; }
int toolCaptionHeight() { return 16; }
Point cursorPos() { return world().cursor; }
void shellOpen(const std::string& link) { world().links.push_back(link); }
void pause(int milliseconds) {
    world().pausedMs += milliseconds;
    if (world().duringPause) world().duringPause();
}

MbResult messageBox(const std::string& text, const std::string& caption, MbIcon icon,
                    MbButtons buttons) {
    World& w = world();
    w.boxes.push_back({text, caption, icon, buttons});
    if (auto during = std::move(w.duringBox)) {
        w.duringBox = nullptr;
        during();
    }
    MbResult answer = buttons == MbButtons::YesNo ? MbResult::Yes : MbResult::Ok;
    if (!w.answers.empty()) {
        answer = w.answers.front();
        w.answers.pop_front();
    }
    return answer;
}

namespace {

// The next scripted answer; an unscripted dialog is cancelled.
FileDialogAnswer fileDialogAnswer(headless::FileDialogKind kind, const FileDialogRequest& request) {
    World& w = world();
    w.fileDialogs.push_back({kind, request});
    if (w.fileDialogAnswers.empty()) return {};
    FileDialogAnswer answer = std::move(w.fileDialogAnswers.front());
    w.fileDialogAnswers.pop_front();
    return answer;
}

}  // namespace

std::vector<std::string> chooseFilesToOpen(const FileDialogRequest& request) {
    return fileDialogAnswer(headless::FileDialogKind::Open, request).paths;
}

std::optional<FileToSave> chooseFileToSave(const FileDialogRequest& request) {
    const FileDialogAnswer answer = fileDialogAnswer(headless::FileDialogKind::Save, request);
    if (answer.paths.empty()) return std::nullopt;
    return FileToSave{answer.paths.front(), answer.filter.value_or(request.chosenFilter)};
}

void shellNotifyIcon(unsigned message, const NotifyIconData& data) {
    world().trayCalls.push_back({message, data});
}

IconHandle loadIcon(const std::string& resourceName) {
    world().loadedIcons.push_back(resourceName);
    return static_cast<IconHandle>(world().loadedIcons.size());
}

void destroyIcon(IconHandle icon) { world().destroyedIcons.push_back(icon); }

unsigned taskbarCreatedMessage() { return 0xC0DE; }

namespace application {

void setExStyle(unsigned style) { world().exStyle = style; }
unsigned exStyle() { return world().exStyle; }
bool minimized() { return world().minimized; }
void restore() { world().minimized = false; }

void run(Form& mainForm) {
    mainForm.show();
    headless::paint(mainForm);
    headless::runLaterActions();
}

void later(std::function<void()> action) { world().later.push_back(std::move(action)); }

std::vector<std::string> commandLineArgumentsUtf8() { return world().commandLineArguments; }

bool claimSingleRun(const std::string&) { return !world().otherRun; }

HandOverResult handToRunningRun(const std::string&, const std::string&, std::uintptr_t tag,
                                const std::string& data, int) {
    World& w = world();
    w.handedOver.push_back({tag, data});
    if (auto during = std::move(w.duringHandOver)) {
        w.duringHandOver = nullptr;
        during();
    }
    return w.handOverResult;
}

}  // namespace application

namespace backend {

void created(Form& form) {
    world().created = &form;
    world().forms.insert(&form);
}
void changed(Control&, Prop) {}
void focus(Control& control) { world().focused = &control; }
void selectAll(Edit& edit) { world().wholeTextSelected = &edit; }
void menuChanged(MenuItem&) {}

void popupMenu(PopupMenu& menu, int screenX, int screenY) {
    world().popups.push_back({&menu, screenX, screenY});
}

// As on Windows: the main form's close ends the program; any other form is
// only hidden, unless it goes when closed.
void close(Form& form) {
    if (!form.queryClose()) return;
    if (form.owner() && !form.destroyedWhenClosed)
        form.hide();
    else
        form.destroy();
}

void bringToFront(Form& form) { world().front = &form; }

void repaintNow(Form& form) { ++world().repaints[&form]; }

void deleted(Form& form) { world().forms.erase(&form); }

// Frame sizes of the classic Windows look at 96 dots per inch.
void outerSize(const Form& form, int& width, int& height) {
    const bool tool = form.borderStyle == BorderStyle::ToolWindow;
    width = form.width() + 6;
    height = form.height() + 6 + (tool ? 16 : 19) + (form.menu ? 19 : 0);
}

}  // namespace backend

namespace headless {

void reset() {
    world() = World{};
    resetFolderPickers();
}

void setNow(const DateTime& moment) { world().now = moment; }
void setDateSeparator(char separator) { world().dateSeparator = separator; }
void setShortDateOrder(ShortDateOrder order) { world().dateOrder = order; }
void setAppDataFolder(const std::string& folder) { world().appDataFolder = folder; }
void setDocumentsFolder(const std::string& folder) { world().documentsFolder = folder; }
void setExecutablePath(const std::string& path) { world().executablePath = path; }
void setWorkArea(const Rect& area) { world().workArea = area; }
void setCursorPos(const Point& point) { world().cursor = point; }
void setApplicationMinimized(bool minimized) { world().minimized = minimized; }

const std::vector<ShownBox>& shownBoxes() { return world().boxes; }
const std::vector<std::string>& openedLinks() { return world().links; }
Control* focused() { return world().focused; }
bool wholeTextSelected(const Edit& edit) { return world().wholeTextSelected == &edit; }
void selectNothing() { world().wholeTextSelected = nullptr; }
Form* frontForm() { return world().front; }
const std::vector<TrayCall>& trayCalls() { return world().trayCalls; }
const std::vector<std::string>& loadedIcons() { return world().loadedIcons; }
const std::vector<IconHandle>& destroyedIcons() { return world().destroyedIcons; }
const std::vector<PopupCall>& popups() { return world().popups; }
int repaintsNow(const Form& form) { return world().repaints[&form]; }
Form* createdForm() { return world().created; }
int openWindows() {
    const auto& forms = world().forms;
    return static_cast<int>(std::count_if(forms.begin(), forms.end(),
                                          [](const Form* form) { return !form->destroyed(); }));
}
void setCommandLineArguments(const std::vector<std::string>& utf8Arguments) {
    world().commandLineArguments = utf8Arguments;
}
void setOtherRunRunning(bool running) { world().otherRun = running; }
const std::vector<HandedOver>& handedOver() { return world().handedOver; }
void answerHandOvers(application::HandOverResult result) { world().handOverResult = result; }
void duringNextHandOver(std::function<void()> action) {
    world().duringHandOver = std::move(action);
}
int pausedMs() { return world().pausedMs; }
void duringEachPause(std::function<void()> action) { world().duringPause = std::move(action); }

bool handOver(Form& form, std::uintptr_t tag, std::string_view data) {
    bool taken = false;
    if (form.onHandOver) dispatch([&] { taken = form.onHandOver(tag, data); });
    return taken;
}

void dropFiles(Form& form, const std::vector<std::string>& paths) {
    if (form.acceptsDroppedFiles) fire(form.onFilesDropped, paths);
}

void runLaterActions() {
    while (!world().later.empty()) {
        std::function<void()> action = std::move(world().later.front());
        world().later.pop_front();
        dispatch(action);
    }
}

void answerNextBox(MbResult answer) { world().answers.push_back(answer); }
void answerNextFileDialog(std::vector<std::string> paths, std::optional<std::size_t> filter) {
    world().fileDialogAnswers.push_back({std::move(paths), filter});
}
const std::vector<FileDialogShown>& shownFileDialogs() { return world().fileDialogs; }
void duringNextBox(std::function<void()> action) { world().duringBox = std::move(action); }

}  // namespace headless
}  // namespace platform

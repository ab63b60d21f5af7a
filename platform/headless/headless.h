#pragma once
// The scriptable stand-in for Windows: the tests set the world the program
// sees (clock, folders, answers to message boxes) and act as its user.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/application.h"
#include "platform/button.h"
#include "platform/combo_box.h"
#include "platform/edit.h"
#include "platform/file_dialogs.h"
#include "platform/form.h"
#include "platform/label.h"
#include "platform/menu.h"
#include "platform/message_box.h"
#include "platform/services.h"
#include "platform/string_grid.h"
#include "platform/timer.h"
#include "platform/tray_icon.h"

namespace platform::headless {

// Back to a fresh world: default services, no logs, no scripted answers.
void reset();

// The world the program sees.
void setNow(const DateTime& moment);
void setDateSeparator(char separator);
void setShortDateOrder(ShortDateOrder order);
void setAppDataFolder(const std::string& folder);
void setDocumentsFolder(const std::string& folder);
void setExecutablePath(const std::string& path);
void setWorkArea(const Rect& area);
void setCursorPos(const Point& point);
void setApplicationMinimized(bool minimized);
// The arguments after the program's name, as the system splits them.
void setCommandLineArguments(const std::vector<std::string>& utf8Arguments);
// Another run of the program holds the session's one run.
void setOtherRunRunning(bool running);

// What the program did.
struct ShownBox {
    std::string text, caption;
    MbIcon icon;
    MbButtons buttons;
};
const std::vector<ShownBox>& shownBoxes();
const std::vector<std::string>& openedLinks();
Control* focused();
// The text box's whole text was selected, and nothing typed since.
bool wholeTextSelected(const Edit& edit);
void selectNothing();
Form* frontForm();

struct TrayCall {
    unsigned message;
    NotifyIconData data;
};
const std::vector<TrayCall>& trayCalls();
const std::vector<std::string>& loadedIcons();
const std::vector<IconHandle>& destroyedIcons();

struct PopupCall {
    PopupMenu* menu;
    int x, y;
};
const std::vector<PopupCall>& popups();
// How often the form was drawn at once, outside the message loop.
int repaintsNow(const Form& form);
// The form whose window was built last.
Form* createdForm();
// How many forms have a window now: built, and neither destroyed nor deleted.
int openWindows();
// What this run handed to the running one.
struct HandedOver {
    std::uintptr_t tag;
    std::string data;
};
const std::vector<HandedOver>& handedOver();
// How every later hand-over ends (Taken unless told), and an action that
// runs during the next one, as the running run would meanwhile.
void answerHandOvers(application::HandOverResult result);
void duringNextHandOver(std::function<void()> action);
// How long the program paused in all, and an action run at each later
// pause until another is given (or none), as another program writing a
// file meanwhile.
int pausedMs();
void duringEachPause(std::function<void()> action);

// Answers for the next message boxes, in order; an unscripted box answers
// Ok (or Yes). `duringNextBox` runs while the next box is open, as timer
// ticks do under a real modal box.
void answerNextBox(MbResult answer);
void duringNextBox(std::function<void()> action);

// The Open and Save dialogs the program showed, and the user's choice in the
// next ones, in order: the files chosen, or none for Cancel. An unscripted
// dialog is cancelled; a Save dialog takes the first file, and the filter
// given, or else keeps the one it opened with.
enum class FileDialogKind { Open, Save };
struct FileDialogShown {
    FileDialogKind kind;
    FileDialogRequest request;
};
const std::vector<FileDialogShown>& shownFileDialogs();
void answerNextFileDialog(std::vector<std::string> paths,
                          std::optional<std::size_t> filter = std::nullopt);

// The user's hands.
void type(Edit& edit, const std::string& characters);
void paste(Edit& edit, const std::string& text);
void pick(ComboBox& box, int index);
void typeInto(ComboBox& box, const std::string& text);
void click(Button& button);
void click(MenuItem& item);
void click(Label& label);
void selectRow(StringGrid& grid, int row);
// Letters typed in the grid within a second, as the list view looks for
// them: a first letter from the row after the selected one, more letters
// from the selected row itself; the row found is selected as by a click.
void typeInGrid(StringGrid& grid, const std::string& letters);
// Enter in a text box of the form presses its default button, when the
// user can reach it.
void pressEnter(Form& form);
// Esc in the form presses its Esc button.
void pressEscape(Form& form);
void tick(Timer& timer);
// Another program hands data to the form under a tag; true when taken.
bool handOver(Form& form, std::uintptr_t tag, std::string_view data);
// Files dropped on the form from Explorer.
void dropFiles(Form& form, const std::vector<std::string>& paths);
// The message loop runs the actions asked for later.
void runLaterActions();
void paint(Form& form);
// Offers a window message to the form, as the real window procedure does.
bool sendMessage(Form& form, unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

}  // namespace platform::headless

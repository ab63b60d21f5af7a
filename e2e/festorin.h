#pragma once
// One run of the real Festorin.exe, driven from another process of the same
// Wine prefix: its windows, its grid, and the messages a user's actions send.
#include <string>
#include <vector>

#include "e2e/data_files.h"
#include "platform/win32/win32_api.h"

namespace e2e {

// The window classes by which other programs find Festorin's windows.
inline constexpr const char* mainWindowClass = "TForm1";
inline constexpr const char* reminderWindowClass = "TForm3";

// Festorin.exe's path in this prefix, from the environment variable FESTORIN_EXE.
std::string festorinExe();

struct MessageBoxSeen {
    HWND window = nullptr;
    std::string caption;
    std::string text;
};

// The main window of a running Festorin, shown or not; null before it exists.
HWND mainWindowOf(DWORD processId);

// Starts Festorin.exe with arguments (in UTF-8, as every command line here)
// and waits until that process has ended; false when it still runs after
// `timeoutMs`.
bool runUntilItEnds(const std::string& arguments, int timeoutMs = 20000);
// How many Festorin.exe processes run in this prefix now.
int festorinProcesses();

class Festorin {
public:
    // Whether the start waits for the main window to be seen, shown and
    // painted as a user sees it before acting, or only for it to exist (it
    // may hide itself at its first paint).
    enum class Start { Shown, Created };
    explicit Festorin(Start start = Start::Shown, const std::string& arguments = "");
    ~Festorin();
    Festorin(const Festorin&) = delete;
    Festorin& operator=(const Festorin&) = delete;

    bool started() const { return mainWindow_ != nullptr; }
    HWND mainWindow() const { return mainWindow_; }
    bool running() const;
    // Ends the process at once, as a power cut would, and waits for its end.
    void kill();
    // Stops the thread that runs Festorin's windows, as a stuck program's
    // stands, or lets it go on.
    void suspend() const { SuspendThread(process_.hThread); }
    void resume() const { ResumeThread(process_.hThread); }

    // Waits until Festorin has handled every message sent or posted to it
    // before, the handlers' saves included, or until one of them shows a
    // message box. Every check of what an action did, or did not do, comes
    // after this.
    bool settle() const;
    // A data file, read once Festorin has settled.
    std::string dataFile(const std::string& name) const;

    // Top-level windows of the program, of a window class ("TForm3", "#32770"),
    // or of every class for "".
    std::vector<HWND> windowsOfClass(const std::string& className) const;
    // The message boxes open now.
    std::vector<MessageBoxSeen> openBoxes() const;
    // A control anywhere inside `parent`, by class and, if given, by text.
    HWND control(HWND parent, const std::string& className, const std::string& text = "") const;
    HWND control(const std::string& className, const std::string& text = "") const {
        return control(mainWindow_, className, text);
    }
    // Every control of a class inside the main window, in tab order.
    std::vector<HWND> controls(const std::string& className) const;

    // The grid, read through the list view's messages in Festorin's memory.
    HWND grid() const { return control("SysListView32"); }
    int gridRows() const;
    std::string gridCell(int item, int column) const;
    // Every row of the grid, all ten cells.
    std::vector<Person> gridPeople() const;
    // One column of every row, read faster than cell by cell.
    std::vector<std::string> gridColumn(int column) const;
    std::vector<std::string> gridHeaders() const;
    int gridColumnWidth(int column) const;
    // The mouse on the grid's header row, at points of the header.
    void dragGridHeader(int fromX, int toX) const;
    void doubleClickGridHeader(int x) const;
    // Moves the grid's focus and selection to an item (row - 1), as a click does.
    void selectGridItem(int item) const;

    // Presses Add and enters the first name, surname and birthday of a person
    // made by enteredPerson; Ok is still to come.
    void enterPerson(const Person& person) const;
    HWND okButton() const { return control("Button", "Ok"); }

    // A button click that waits for its handler; the posted one does not.
    void click(HWND button) const;
    void clickLater(HWND button) const;
    void setText(HWND control, const std::string& text) const;
    // Characters as typed, through the box's key filter.
    void type(HWND edit, const std::string& characters) const;
    // Characters as the keyboard gives them: posted to whatever has the focus.
    void typeAtTheFocus(const std::string& characters) const;
    // A drop-down list's choice, told to its parent as the user's pick is.
    void pick(HWND comboBox, int index) const;
    // Text typed into an editable drop-down list.
    void typeInto(HWND comboBox, const std::string& text) const;
    // The control that has the keyboard focus in Festorin, if any.
    HWND focus() const;
    // A key pressed while `window` has the keyboard; posted.
    void pressKey(HWND window, WPARAM virtualKey) const;
    // A menu item's command, by its captions from the menu bar down; posted.
    void menuCommand(const std::vector<std::string>& captions) const;
    void postMessage(UINT message, WPARAM wParam, LPARAM lParam) const;
    LRESULT sendMessage(UINT message, WPARAM wParam, LPARAM lParam) const;

    // Moves the mouse pointer and waits until Festorin sees it there: under
    // Wine, a pointer event still waiting in Festorin's queue can move it back.
    bool moveCursorTo(int x, int y) const;

    // The program's open menu, once its menu loop has taken the mouse: a
    // click sent before would reach the window under the pointer instead.
    // Null when none opened in time.
    HWND openMenu(int timeoutMs = 5000) const;
    // Chooses an item of the program's open pop-up menu with the keyboard,
    // counting from 0; false when no menu opened.
    bool choosePopupItem(int index, int timeoutMs = 5000) const;

    // The next message box of the program, once it is shown.
    MessageBoxSeen waitForMessageBox(int timeoutMs = 5000) const;
    // Presses a box's button (IDOK, IDYES, IDNO) and waits until it is gone.
    bool answer(const MessageBoxSeen& box, int buttonId) const;

    // The program's Open or Save dialog with this title, once it is shown.
    HWND waitForFileDialog(const std::string& title, int timeoutMs = 10000) const;
    // The text of a file dialog's name box.
    std::string fileNameIn(HWND dialog) const;
    // Types into a file dialog's name box a name in UTF-8, which may be in any
    // language, and presses its default button, as Enter does; posted.
    void enterFileName(HWND dialog, const std::string& utf8Name) const;

    // Closes the main window as its close box does; true when the program ended.
    bool closeAndWait(int timeoutMs = 10000);

    // What the program shows now: its message boxes and visible windows.
    std::string describe() const;

private:
    PROCESS_INFORMATION process_{};
    HWND mainWindow_ = nullptr;
};

}  // namespace e2e

#pragma once
// Drives the real Festorin.exe from another process of the same Wine
// prefix: prepares its data folder, starts it, finds its windows, reads its
// grid and sends it the messages a user's actions would.
#include <string>
#include <vector>

#include "platform/win32/win32_api.h"

namespace e2e {

// Festorin.exe's path in this prefix, from the environment variable FESTORIN_EXE.
std::string festorinExe();
// "FN\" in this prefix's application-data folder, with a backslash at the end.
std::string dataFolder();
// Makes the data folder exist and hold no file.
void clearDataFolder();
void writeDataFile(const std::string& name, const std::string& bytes);
std::string readDataFile(const std::string& name);
bool dataFileExists(const std::string& name);
// The names in the data folder, files and folders, in no particular order.
std::vector<std::string> dataFolderEntries();
// Takes the right to write away from the data folder, or gives it back, as
// the Unix file system sees it (a Windows attribute does not stop Wine
// there); true once a file can no longer, or again, be created in it.
bool setDataFolderWritable(bool writable);

// The ten cells of one person, in grid column order (column 0 is the key).
using Person = std::vector<std::string>;
// One 364-byte record of "dates.txt", the way Festorin writes it.
std::string contactRecord(const Person& person);
// The records of several people, one after another, as "dates.txt" holds them.
std::string contactRecords(const std::vector<Person>& people);

// A day `days` after today, at noon, with its week day.
SYSTEMTIME dayFromToday(int days);
// The birthday key (column 0) and the birthday as shown (column 6) of a day.
std::string birthdayKey(const SYSTEMTIME& day);
std::string shownDate(const SYSTEMTIME& day);
// The line of "date_verif.txt" for a day, with the user's date separator.
std::string checkDateLine(const SYSTEMTIME& day);

// The person the entry panel makes of a first name, a surname, a month
// (1 to 12) and a day, its lists left at their first choices.
Person enteredPerson(const std::string& firstName, const std::string& surname, int month, int day);

struct MessageBoxSeen {
    HWND window = nullptr;
    std::string caption;
    std::string text;
};

// The main window of a running Festorin, shown or not; null before it exists.
HWND mainWindowOf(DWORD processId);

// One run of Festorin.exe (path from the environment variable FESTORIN_EXE).
class Festorin {
public:
    // Whether the start waits for the main window to be seen, or only for it
    // to exist (it may hide itself at once).
    enum class Start { Shown, Created };
    explicit Festorin(Start start = Start::Shown);
    ~Festorin();
    Festorin(const Festorin&) = delete;
    Festorin& operator=(const Festorin&) = delete;

    bool started() const { return mainWindow_ != nullptr; }
    HWND mainWindow() const { return mainWindow_; }
    bool running() const;
    // Ends the process at once, as a power cut would, and waits for its end.
    void kill();

    // Top-level windows of the program, of a window class ("TForm3", "#32770"),
    // or of every class for "".
    std::vector<HWND> windowsOfClass(const std::string& className) const;
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

    // Chooses an item of the program's open pop-up menu with the keyboard,
    // counting from 0; false when no menu opened.
    bool choosePopupItem(int index, int timeoutMs = 5000) const;

    // The next message box of the program, once it is shown.
    MessageBoxSeen waitForMessageBox(int timeoutMs = 5000) const;
    // Presses a box's button (IDOK, IDYES, IDNO) and waits until it is gone.
    bool answer(const MessageBoxSeen& box, int buttonId) const;

    // Closes the main window as its close box does; true when the program ended.
    bool closeAndWait(int timeoutMs = 10000);

private:
    PROCESS_INFORMATION process_{};
    HWND mainWindow_ = nullptr;
};

// Waits until `condition` holds, checking every few milliseconds.
template <typename Condition>
bool waitUntil(Condition condition, int timeoutMs = 5000) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > static_cast<DWORD>(timeoutMs)) return false;
        Sleep(20);
    }
    return true;
}

std::string windowText(HWND window);
std::string classOf(HWND window);

// Where a window stands on the screen and how large it is, outside and inside
// its frame.
struct Placement {
    int left, top, width, height;
    int clientWidth, clientHeight;
};
Placement placementOf(HWND window);

}  // namespace e2e

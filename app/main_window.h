#pragma once
// MainWindow: the main window, its controls, menus and state.
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "address_book/person.h"
#include "app/find_box.h"
#include "book/change_history.h"
#include "book/contact_file.h"
#include "book/folder_bases.h"
#include "platform/button.h"
#include "platform/combo_box.h"
#include "platform/edit.h"
#include "platform/form.h"
#include "platform/group_box.h"
#include "platform/label.h"
#include "platform/menu.h"
#include "platform/services.h"
#include "platform/string_grid.h"
#include "platform/timer.h"
#include "platform/tray_icon.h"
#include "reminders/reminder_window.h"

class MainWindow : public platform::Form {
public:
    MainWindow();

    // How other programs, and a second run of Festorin, find the main window.
    static constexpr const char* windowClass = "TForm1";
    static constexpr const char* caption = "Festorin";

    // Controls, declared in tab order.
    platform::StringGrid peopleGrid{this, 10};
    platform::Button addButton{this};
    platform::GroupBox entryPanel{this};
    platform::Label firstNameLabel{&entryPanel}, surnameLabel{&entryPanel}, emailLabel{&entryPanel},
        phone1Label{&entryPanel}, phone2Label{&entryPanel}, monthLabel{&entryPanel},
        dayLabel{&entryPanel}, actionLabel{&entryPanel}, leadTimeLabel{&entryPanel},
        reasonLabel{&entryPanel};
    platform::Edit firstNameBox{&entryPanel}, surnameBox{&entryPanel}, emailBox{&entryPanel},
        phone1Box{&entryPanel}, phone2Box{&entryPanel}, dayBox{&entryPanel};
    platform::ComboBox monthList{&entryPanel, platform::ComboStyle::PickOnly};
    platform::ComboBox actionList{&entryPanel, platform::ComboStyle::PickOnly};
    platform::ComboBox leadTimeList{&entryPanel, platform::ComboStyle::PickOnly};
    platform::ComboBox reasonBox{&entryPanel, platform::ComboStyle::Editable};
    platform::Button okButton{&entryPanel};
    platform::Button cancelButton{&entryPanel};
    platform::Button modifyButton{this};
    platform::Button deleteButton{this};

    // The menu bar.
    platform::MenuItem menuBar{nullptr};
    platform::MenuItem fileMenu{&menuBar, "&File"};
    platform::MenuItem importItem{&fileMenu, "&Import..."};
    platform::MenuItem exportItem{&fileMenu, "&Export..."};
    platform::MenuItem fileMenuSeparator{&fileMenu, "-"};
    platform::MenuItem quitItem{&fileMenu, "&Quit"};
    platform::MenuItem editMenu{&menuBar, "&Edit"};
    platform::MenuItem undoItem{&editMenu, "&Undo\tCtrl+Z"};
    platform::MenuItem editMenuSeparator{&editMenu, "-"};
    platform::MenuItem findItem{&editMenu, "&Find...\tCtrl+F"};
    platform::MenuItem findNextItem{&editMenu, "Find &Next\tF3"};
    platform::MenuItem optionsMenu{&menuBar, "&Options"};
    platform::MenuItem orderMenu{&optionsMenu, "Order"};
    platform::MenuItem byDateItem{&orderMenu, "by date"};
    platform::MenuItem byFirstNameItem{&orderMenu, "by firstname"};
    platform::MenuItem bySurnameItem{&orderMenu, "by surname"};
    platform::MenuItem byEmailItem{&orderMenu, "by E-mail"};
    platform::MenuItem startInTrayItem{&optionsMenu, "Start in the system tray"};
    platform::MenuItem showMissedRemindersItem{&optionsMenu, "Show missed reminders"};
    platform::MenuItem dataFolderItem{&optionsMenu, "Data folder..."};
    platform::MenuItem helpMenu{&menuBar, "?"};
    platform::MenuItem aboutItem{&helpMenu, "&About..."};

    platform::Timer checkTimer{*this, 60000};

    // The notification-area icon's menu.
    platform::PopupMenu trayMenu;
    platform::MenuItem trayQuitItem{&trayMenu, "Quit"};
    platform::MenuItem trayRestoreItem{&trayMenu, "Restore"};
    platform::MenuItem trayMinimizeItem{&trayMenu, "Minimize"};

    // What the entry panel is doing; entryMode holds one of these.
    enum EntryMode : std::int32_t { panelClosed = 0, panelAdding = 1, panelModifying = 2 };

    // State.
    platform::IconHandle icon = 0;
    bool quitRequested = false;
    bool firstPaint = true;
    std::int32_t entryMode = panelClosed;
    std::int32_t editedRow = 0;
    std::int32_t remindersShown = 0;
    platform::DateTime lastCheckDay{};
    std::int32_t sortOrder = 0;
    std::string dataFolder;

    void onCreate();
    void onAbout();

    // Rewrites the contact file from the grid.
    void saveContacts();
    // Fills the grid from the contact file.
    void loadContacts();
    void removeRow(platform::StringGrid& grid, int row);

    // The daily reminder check and its windows.
    void onCheckTimer();
    void checkReminders();
    void openReminder(const std::string& sentence, const std::string& action,
                      const std::string& address, const std::string& subject);
    void onShowMissedReminders();
    // Moves the data files to a folder the user chooses, or merges the list
    // with the one already there.
    void onDataFolder();
    const std::vector<std::unique_ptr<ReminderWindow>>& reminderWindows() const {
        return reminderWindows_;
    }

    // The Order menu. sortPeople orders the grid by column sortOrder and returns
    // where each row came from, result[newRow] == oldRow over grid rows (see
    // book::sortRows), so that a row number held across it can follow its person.
    std::vector<int> sortPeople();
    void onOrderByDate();
    void onOrderByFirstName();
    void onOrderBySurname();
    void onOrderByEmail();

    // The contact editor.
    void onAdd();
    void onModify();
    void onDelete();
    void onOk();
    void onCancel();
    void filterDayKey(char& key);
    void onSelectCell(int col, int row, bool& canSelect);
    // Writes a change whose save failed, reporting a new failure; for the end
    // of the program.
    void saveUnsavedChanges();

    // The Edit menu, and the list's own search as the user types in it.
    void onUndo();
    void onFind();
    void onFindNext();
    void findTypedText(platform::RowSearch& search);
    // The Find box, once Find... has opened it.
    FindBox* findBox() { return findBox_.get(); }

    // The notification-area icon and the window's life cycle.
    void addTrayIcon();
    void removeTrayIcon();
    // Offered every window message first; true when the message is consumed.
    bool handleMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
    void onTrayIconMessage(std::uintptr_t wParam, std::intptr_t lParam);
    void onQuit();
    void onTrayQuit();
    void onTrayRestore();
    void onTrayMinimize();
    void onCloseAsked(bool& canClose);
    void onPainted();
    void onStartInTray();
    void onDestroyed();
    // A second run of Festorin handed over its files; anything else handed
    // over is refused: false.
    bool anotherRunStarted(std::uintptr_t tag, std::string_view handOver);

    // Address books to take people from, however they came: they wait in one
    // queue and are offered one after another, once start-up is done. Their
    // paths are UTF-8, so that a file named in any language is found.
    void offerAddressBooks(const std::vector<std::string>& utf8Paths);
    void importAddressBook(const std::string& utf8Path);

    // The File menu: address books chosen in the Open dialog, offered as
    // dropped files are, and the list written to a vCard file.
    void onImport();
    void onExport();
    void exportCalendar(const std::vector<address_book::Cells>& people, const std::string& utf8Path,
                        const std::string& shownName);

private:
    // Start-up.
    void layOut();
    void layOutEntryPanel();
    void setHeadersAndWidths();
    void fillChoiceLists();
    void loadCheckDate();
    void loadMissedRemindersOption();

    // The Order menu.
    void wireOrderMenu();
    void readSortOrder();
    void chooseOrder(int order);
    void checkOrderItem();

    // The contact editor.
    void wireEditor();
    void openEntryPanel(const char* caption);
    void closeEntryPanel();
    bool entriesAccepted();
    bool refuseEntry(const std::string& message, platform::Control* atFault);
    int rowForEntries();
    void writeEntries(int row);
    void followDeletion(int row);
    void followSort(const std::vector<int>& order);
    void saveChanges();
    // Saves, making `change` once the other PC's changes are merged in.
    void saveContactsChangedBy(const std::function<void()>& change);

    // The Edit menu.
    void wireEditMenu();
    void recordChange(book::Change change);
    void showUndoItem();
    book::UndoOutcome undoLastChange();
    void selectAfterUndo(const book::PersonRow& selected, const book::UndoOutcome& outcome);
    void tellWhatUndoLeft(const book::UndoOutcome& outcome);
    int searchColumn() const;
    void openFindBox();

    // Importing.
    void wireImport();
    void offerWaitingAddressBooks();
    void offerEachWaitingAddressBook();
    void addImportedPeople(const std::vector<address_book::Cells>& people);

    // The File menu's dialogs.
    void wireFileMenu();
    std::string fileDialogFolderUtf8() const;
    void rememberFolderOf(const std::string& utf8Path);

    // Files changed from outside, as by another PC through a synced folder.
    struct OutsideMerge {
        std::vector<book::PersonRow> keptTwice;
        std::vector<book::PersonRow> leftOut;
    };
    std::string contactFilePath() const;
    void takeOutsideChanges();
    void takeOutsideSortOrder();
    void takeOutsideContacts();
    OutsideMerge mergeOutsideContacts();
    void reportMerge(const OutsideMerge& merge);
    // An information box: `lead`, a blank line, then the people's names.
    static void tellAboutPeople(const std::string& lead,
                                const std::vector<book::PersonRow>& people);
    // The error box for people a full list had no room for; `notDone` is
    // what was not done to them.
    static void tellWhoDidNotFit(const std::vector<book::PersonRow>& people,
                                 const std::string& notDone);
    bool editedPersonChangedIn(const std::vector<book::PersonRow>& rows) const;
    // Asks before a list that lost most of its people is taken.
    bool takesListAsItIs(std::size_t people, std::size_t madeHere = 0);
    void keepThisList();
    void mergeFirstWholeRead(const book::FileStamp& stamp, std::vector<book::PersonRow> rows);
    void saveAgain();
    // A change the program ended without saving, kept in the standard folder
    // with its base and merged at the next start.
    void keepUnsavedList();
    void mergeUnsavedList();
    void forgetUnsavedList();
    // The list as last read or written in `folder`, kept as its base; its
    // file's bytes, when given, are those of the contact file just read.
    void keepBaseOf(const std::string& folder, const std::string* fileBytes = nullptr);
    void mergeConflictCopies();
    void mergeConflictCopy(const std::string& name);
    void setAside(const std::string& name);
    // A list read from the file is shown whole, as at start; a merged one
    // up to the table's limit, the rest returned.
    std::vector<book::PersonRow> showPeople(std::vector<book::PersonRow> rows,
                                            std::size_t most = SIZE_MAX);
    void takeOutsideCheckDate();

    // The data folder chosen in Options > Data folder...
    void findDataFolder();
    void copyDataFilesTo(const std::string& folder);
    void mergeListInto(const std::string& folder);
    std::vector<book::PersonRow> keptBaseOf(const std::string& folder) const;
    // The standard folder standing in for a chosen folder that is missing.
    void followStandIn();
    void mergeStandInList(const std::vector<book::PersonRow>& base);
    void endStandIn();

    // The life cycle.
    void wireLifeCycle();
    void askToQuit();
    void bringBack();

    // Set when the contact file exists but could not be read whole: saving
    // then would replace the people that were not read.
    bool contactsUnreadable_ = false;

    // Set while the grid holds a change that the contact file does not.
    bool unsavedChanges_ = false;

    // The contact file as last read or written here.
    book::KnownContactFile knownContacts_;

    // %APPDATA%\FN, which keeps the bases of the other data folders' lists.
    std::string standardFolder_;
    book::FolderBases folderBases_;
    // The chosen folder that was missing at start, while the standard one
    // stands in for it.
    std::string standingInFor_;

    // Set while the user is asked whether to take a list that lost most of
    // its people: meanwhile the list shown and the day's check keep this one.
    bool askingAboutList_ = false;

    // Set while "dates.unsaved" holds a change not saved since.
    bool unsavedListKept_ = false;

    // Set once the creation handler has read and sorted the contact file.
    bool startedUp_ = false;

    // The UTF-8 paths of address books waiting for their question, in the
    // order they came.
    std::deque<std::string> waitingAddressBooks_;
    // Set from the moment the waiting address books are due to be offered
    // until the last of them is answered: one question at a time.
    bool offeringAddressBooks_ = false;

    // The folder of the last file chosen in a File menu dialog in this run,
    // in UTF-8.
    std::string lastFileFolderUtf8_;
    std::size_t lastExportType_ = 0;  // its place in the Save dialog's list of types

    // The changes made to the list in this run, for Undo.
    book::ChangeHistory changes_;
    std::unique_ptr<FindBox> findBox_;

    // Every reminder window open, in the order they opened; a closed one
    // leaves the list.
    std::vector<std::unique_ptr<ReminderWindow>> reminderWindows_;
    void forgetReminder(const ReminderWindow& window);
};

// Titles the application, builds the main window and its real window, and
// runs its creation handler.
std::unique_ptr<MainWindow> createMainWindow();

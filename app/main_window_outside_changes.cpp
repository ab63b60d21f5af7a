// The data files changed from outside, as a sync engine does when another
// PC's Festorin saved: the list is reloaded when nothing is unsaved here and
// merged before a save otherwise, and the settings are taken as they come.
// A sync engine writes in steps, so a changed file is taken only once it
// has settled, and a list that lost most of its people is taken only when
// the user says so.
#include <algorithm>
#include <optional>

#include "app/main_window.h"
#include "app/option_marker.h"
#include "book/conflict_copy.h"
#include "book/contact_table.h"
#include "book/row_merge.h"
#include "book/sort_order_file.h"
#include "platform/application.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/services.h"

namespace {

using Found = book::ContactFileLook::Found;

constexpr int settleLookMs = 1000;
// A tick takes one more look; a save waits as it does for a file held open.
constexpr int tickWaitMs = 1000;
constexpr int saveWaitMs = 3000;

struct SettledLook {
    book::ContactFileLook look;
    bool settled = false;
};

// A file that changed is taken once two looks about a second apart find the
// same size, time and bytes, and no record of zero bytes.
SettledLook lookUntilSettled(const std::string& path, const book::KnownContactFile& known,
                             int mostWaitMs) {
    book::ContactFileLook look = book::lookAtContactFile(path);
    if (known.unchanged(look)) return {std::move(look), true};
    for (int waitedMs = 0; waitedMs < mostWaitMs; waitedMs += settleLookMs) {
        platform::pause(settleLookMs);
        book::ContactFileLook again = book::lookAtContactFile(path);
        const bool same = look.found != Found::Unread && again.found != Found::Unread &&
                          again.stamp == look.stamp;
        look = std::move(again);
        if (same && look.found != Found::ZeroRecord) return {std::move(look), true};
    }
    return {std::move(look), false};
}

std::size_t peopleIn(const platform::StringGrid& grid) {
    const bool placeholderOnly = grid.rowCount() == 2 && !book::holdsText(grid, 1);
    return placeholderOnly ? 0 : static_cast<std::size_t>(grid.rowCount() - 1);
}

// Every person gone, or more than half of ten or more: most likely a file
// cut or emptied on its way, which no merge can tell from a real delete.
bool massDelete(std::size_t now, std::size_t before) {
    if (now >= before) return false;
    return now == 0 || (before >= 10 && 2 * (before - now) > before);
}

}  // namespace

void MainWindow::takeOutsideChanges() {
    takeOutsideSortOrder();
    startInTrayItem.setChecked(app::startHiddenMarker.present(dataFolder));
    showMissedRemindersItem.setChecked(app::missedRemindersMarker.present(dataFolder));
    takeOutsideContacts();
    mergeConflictCopies();
}

void MainWindow::takeOutsideSortOrder() {
    const std::optional<int> order =
        book::sortOrderFromOutside(dataFolder + book::sortOrderFileName);
    if (!order || *order == sortOrder) return;
    sortOrder = *order;
    checkOrderItem();
    followSort(sortPeople());
}

// A change waiting here is saved again, merged with the file; a file not
// settled, or gone, is looked at again at the next tick. While a question is
// open the list stays as it is, so that the answer falls on the list asked about.
void MainWindow::takeOutsideContacts() {
    if (askingAboutList_ || offeringAddressBooks_) return;
    if (unsavedChanges_ && !contactsUnreadable_) return saveAgain();
    SettledLook found = lookUntilSettled(contactFilePath(), knownContacts_, tickWaitMs);
    const book::ContactFileLook& look = found.look;
    if (!found.settled || !look.holdsPeople()) return;
    if (knownContacts_.unchanged(look)) return keepBaseOf(dataFolder, &look.bytes);
    std::vector<book::PersonRow> rows = book::rowsOfRecords(look.bytes);
    if (unsavedChanges_) return mergeFirstWholeRead(look.stamp, std::move(rows));
    if (editedPersonChangedIn(rows)) return;
    if (!takesListAsItIs(rows.size())) return keepThisList();
    knownContacts_ = {look.stamp, rows};
    keepBaseOf(dataFolder, &look.bytes);
    contactsUnreadable_ = false;
    showPeople(std::move(rows));
}

// A list read only in part at start, and changed here since, is merged with
// the whole file over the people read then, and saved.
void MainWindow::mergeFirstWholeRead(const book::FileStamp& stamp,
                                     std::vector<book::PersonRow> rows) {
    book::MergedRows merged =
        book::mergeRows(knownContacts_.rows, rows, book::peopleRows(peopleGrid));
    knownContacts_ = {stamp, std::move(rows)};
    contactsUnreadable_ = false;
    reportMerge({std::move(merged.keptTwice), showPeople(std::move(merged.rows), book::maxPeople)});
    saveAgain();
}

// Ok then merges the two versions, both kept and named, as a save does.
bool MainWindow::editedPersonChangedIn(const std::vector<book::PersonRow>& rows) const {
    if (entryMode != panelModifying) return false;
    const book::PersonRow edited = book::rowAt(peopleGrid, editedRow);
    if (std::find(rows.begin(), rows.end(), edited) != rows.end()) return false;
    return book::replacementOf(edited, rows) != nullptr;
}

// The rows added or changed here, which every merge keeps, hide no loss:
// an Add over an emptied file still leaves nobody of the list.
bool MainWindow::takesListAsItIs(std::size_t people, std::size_t madeHere) {
    const std::size_t before = peopleIn(peopleGrid);
    const std::size_t ownKept = std::min({madeHere, people, before});
    if (!massDelete(people - ownKept, before - ownKept)) return true;
    askingAboutList_ = true;
    const platform::MbResult answer = platform::messageBox(
        "The list in \"" + platform::shownPath(contactFilePath()) + "\" now holds " +
            std::to_string(people) + " people instead of " + std::to_string(before) +
            ". Take it as it is?",
        platform::application::title(), platform::MbIcon::Question, platform::MbButtons::YesNo);
    askingAboutList_ = false;
    return answer == platform::MbResult::Yes;
}

void MainWindow::keepThisList() {
    knownContacts_ = {book::writeContactFile(contactFilePath(), peopleGrid),
                      book::peopleRows(peopleGrid)};
}

// The user heard of the first refusal; the ticks try again quietly.
void MainWindow::saveAgain() {
    try {
        saveChanges();
    } catch (const platform::IoError&) {
    }
}

MainWindow::OutsideMerge MainWindow::mergeOutsideContacts() {
    const std::string path = contactFilePath();
    const SettledLook found = lookUntilSettled(path, knownContacts_, saveWaitMs);
    const book::ContactFileLook& look = found.look;
    if (found.settled && (look.found == Found::Missing || knownContacts_.unchanged(look)))
        return {};
    if (!found.settled || !look.holdsPeople())
        throw platform::IoError("The people in \"" + platform::shownPath(path) +
                                "\" could not be read whole: the file is being written or is "
                                "damaged. The change is kept here and saved next time.");
    const std::vector<book::PersonRow> ours = book::peopleRows(peopleGrid);
    book::MergedRows merged =
        book::mergeRows(knownContacts_.rows, book::rowsOfRecords(look.bytes), ours);
    // Counted only when the merge loses people, so that a full list's save stays quick.
    const std::size_t madeHere = merged.rows.size() < ours.size()
                                     ? book::rowsBroughtBack(knownContacts_.rows, ours).size()
                                     : 0;
    if (!takesListAsItIs(merged.rows.size(), madeHere)) return {};
    return {std::move(merged.keptTwice), showPeople(std::move(merged.rows), book::maxPeople)};
}

void MainWindow::tellAboutPeople(const std::string& lead,
                                 const std::vector<book::PersonRow>& people) {
    platform::messageBox(lead + "\r\n\r\n" + book::namesOf(people), platform::application::title(),
                         platform::MbIcon::Information, platform::MbButtons::Ok);
}

void MainWindow::tellWhoDidNotFit(const std::vector<book::PersonRow>& people,
                                  const std::string& notDone) {
    platform::application::showError(
        "The list holds 32767 people at most. These people did not fit and were not " + notDone +
        ":\r\n\r\n" + book::namesOf(people));
}

void MainWindow::reportMerge(const OutsideMerge& merge) {
    if (!merge.keptTwice.empty())
        tellAboutPeople(
            "These people were changed here and on another PC at the same "
            "time. Both versions were kept: delete the one you do not want.",
            merge.keptTwice);
    if (!merge.leftOut.empty()) tellWhoDidNotFit(merge.leftOut, "kept");
}

// The selected row and the person being modified stay where their cells
// went; a person being modified who is gone from the list is added back by Ok.
std::vector<book::PersonRow> MainWindow::showPeople(std::vector<book::PersonRow> rows,
                                                    std::size_t most) {
    const book::PersonRow selected = book::rowAt(peopleGrid, peopleGrid.row());
    std::optional<book::PersonRow> edited;
    if (entryMode == panelModifying) edited = book::rowAt(peopleGrid, editedRow);

    std::vector<book::PersonRow> leftOut = book::setPeopleRows(peopleGrid, std::move(rows), most);
    sortPeople();

    // Nothing is selected when the person selected is gone, so that the
    // next click on any row is a new choice.
    const int selectedRow = book::findRow(peopleGrid, selected);
    peopleGrid.setRow(selectedRow);
    if (edited) editedRow = book::findRow(peopleGrid, *edited);
    if (edited && editedRow == 0) {
        entryMode = panelAdding;
        entryPanel.setText(" Add ");
    }
    // Modify and Delete wait for that choice, so that neither falls on
    // whoever took the row.
    if (entryMode == panelClosed) {
        const bool person = book::holdsPerson(peopleGrid, selectedRow);
        modifyButton.setVisible(person);
        deleteButton.setVisible(person);
    }
    return leftOut;
}

// The sync engine's copies of the contact file, merged into the list and then
// set aside in a folder of their own, never deleted: a copy merged again adds
// nobody. A copy not fit to take is left where it is.
void MainWindow::mergeConflictCopies() {
    if (unsavedChanges_ || contactsUnreadable_ || askingAboutList_ || offeringAddressBooks_) return;
    for (const std::string& name : platform::fs::filesIn(dataFolder))
        if (book::isConflictCopyName(name)) mergeConflictCopy(name);
}

void MainWindow::mergeConflictCopy(const std::string& name) {
    const SettledLook found = lookUntilSettled(dataFolder + name, {}, tickWaitMs);
    if (!found.settled || found.look.found != Found::Whole) return;
    const std::vector<book::PersonRow> before = book::peopleRows(peopleGrid);
    book::MergedRows merged =
        book::mergeConflictCopy(knownContacts_.rows, book::rowsOfRecords(found.look.bytes), before);
    const std::vector<book::PersonRow> brought = book::rowsBroughtBack(before, merged.rows);
    OutsideMerge merge;
    if (!brought.empty()) {
        merge = {std::move(merged.keptTwice), showPeople(std::move(merged.rows), book::maxPeople)};
        saveChanges();
    }
    setAside(name);
    if (brought.empty()) return;
    tellAboutPeople("Festorin merged a copy of the list that the sync engine had set aside: " +
                        platform::shownPath(name) + ".",
                    brought);
    reportMerge(merge);
}

// A name already taken there, by a copy merged before, gets a number.
void MainWindow::setAside(const std::string& name) {
    const std::string folder = dataFolder + book::mergedCopiesFolderName + "\\";
    if (!platform::fs::folderExists(folder)) platform::fs::makeFolder(folder);
    const std::size_t dot = name.size() - 4;
    std::string target = folder + name;
    for (int n = 2; platform::fs::fileExists(target); ++n)
        target = folder + name.substr(0, dot) + " (" + std::to_string(n) + ")" + name.substr(dot);
    platform::fs::replace(dataFolder + name, target);
}

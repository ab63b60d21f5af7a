// Options > Data folder...: the data files copied to a folder of the user's
// choice, as one a sync engine keeps in step between PCs, and that choice
// kept in "folder.txt" of the standard folder.
#include <array>
#include <cstdint>

#include "app/main_window.h"
#include "app/option_marker.h"
#include "book/conflict_copy.h"
#include "book/contact_table.h"
#include "book/data_folder.h"
#include "book/kept_list.h"
#include "book/row_merge.h"
#include "book/sort_order_file.h"
#include "platform/atomic_file.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/folder_picker.h"
#include "reminders/check_date_file.h"

namespace {

const char* const contactFileName = "dates.txt";

// The data files besides the contact file, which is written from the grid.
const std::array<const char*, 4> settingsFiles{
    book::sortOrderFileName, reminders::checkDateFileName, app::startHiddenMarker.name(),
    app::missedRemindersMarker.name()};

// The choice is kept once the list is there, so that the next start finds
// it wherever this one leaves it.
void keepChoiceOf(const std::string& folder) {
    const std::string standard = book::resolveDataFolder();
    book::keepDataFolderChoice(standard, book::sameFolder(folder, standard) ? standard : folder);
}

void removeAll(const std::string& folder, const std::vector<std::string>& names) {
    for (const std::string& name : names) platform::fs::remove(folder + name);
}

// A setting that is off here is off there too: its file goes.
void removeSetting(const std::string& path) {
    if (platform::fs::fileExists(path) && !platform::fs::remove(path))
        throw platform::IoError("delete", path);
}

std::string quoted(const std::string& path) { return "\"" + platform::shownPath(path) + "\""; }

std::string refusedChoiceText(const book::ChosenDataFolder& chosen) {
    using Refused = book::ChosenDataFolder::Refused;
    const std::string choiceFile = quoted(chosen.standard + book::folderChoiceFileName);
    const std::string named = quoted(chosen.named);
    const std::string standard = quoted(chosen.standard);
    switch (chosen.refused) {
        case Refused::Missing:
            return "The data folder " + named + " named in " + choiceFile +
                   " cannot be found, so the list in " + standard + " is used until it can.";
        case Refused::NotAFolder:
            return "The data folder " + named + " named in " + choiceFile +
                   " is a file, not a folder, so the list in " + standard + " is used.";
        default:
            return choiceFile + " names no folder, so the list in " + standard + " is used.";
    }
}

// The list this PC left in its standard folder when it chose another is
// older than "folder.txt", which was written with that choice; one saved
// there since, while the chosen folder was missing, is newer. A tie, within
// the clock's step, counts as newer: a merge loses nobody.
bool leftWhenChosenElsewhere(const std::string& standard) {
    const std::int64_t list = platform::fs::lastWriteTime(standard + contactFileName);
    const std::int64_t choice = platform::fs::lastWriteTime(standard + book::folderChoiceFileName);
    return list >= 0 && choice >= 0 && list < choice;
}

// "folder.txt" written again as it is, so that the list of the standard
// folder counts as one this PC left when it chose the other folder.
void renewChoice(const std::string& standard) {
    std::string choice;
    if (platform::readSmallFile(standard + book::folderChoiceFileName, choice))
        platform::writeFileAtomically(standard + book::folderChoiceFileName, choice);
}

}  // namespace

// A folder named in "folder.txt" that cannot serve now, as a sync drive not
// mounted yet, is told once; the standard folder serves meanwhile.
void MainWindow::findDataFolder() {
    const book::ChosenDataFolder chosen = book::resolveChosenDataFolder();
    dataFolder = chosen.folder;
    standardFolder_ = chosen.standard;
    folderBases_ = book::FolderBases(chosen.standard);
    if (chosen.refused == book::ChosenDataFolder::Refused::Missing) standingInFor_ = chosen.wanted;
    if (chosen.refused != book::ChosenDataFolder::Refused::No)
        throw platform::IoError(refusedChoiceText(chosen));
}

// The folder left keeps its files, as other PCs may still read them there.
// Going back to the standard folder writes the list over the one this PC
// left there, rather than bringing back people deleted since; a list saved
// there since is merged, so that nobody added to it is lost.
void MainWindow::onDataFolder() {
    const std::optional<std::string> chosen =
        platform::chooseFolder("Where Festorin keeps its list", dataFolder);
    if (!chosen) return;
    const std::string folder = book::withBackslash(*chosen);
    if (book::sameFolder(folder, dataFolder)) return;
    keepBaseOf(dataFolder);
    if (contactsUnreadable_) saveContacts();  // refused, with its reason
    const std::string standard = book::resolveDataFolder();
    if (platform::fs::fileExists(folder + contactFileName) &&
        !(book::sameFolder(folder, standard) && leftWhenChosenElsewhere(standard)))
        mergeListInto(folder);
    else
        copyDataFilesTo(folder);
    endStandIn();
}

// A folder that cannot be written takes back what was written there, and
// the list stays where it was.
void MainWindow::copyDataFilesTo(const std::string& folder) {
    reportMerge(mergeOutsideContacts());
    std::vector<std::string> written;
    try {
        written.push_back(contactFileName);
        const book::FileStamp stamp = book::writeContactFile(folder + contactFileName, peopleGrid);
        for (const char* name : settingsFiles) {
            if (!platform::fs::fileExists(dataFolder + name)) {
                removeSetting(folder + name);
                continue;
            }
            std::string content;
            if (!platform::readSmallFile(dataFolder + name, content)) continue;
            written.push_back(name);
            platform::writeFileAtomically(folder + name, content);
        }
        keepChoiceOf(folder);
        knownContacts_ = {stamp, book::peopleRows(peopleGrid)};
    } catch (...) {
        removeAll(folder, written);
        throw;
    }
    unsavedChanges_ = false;
    dataFolder = folder;
}

// The other PC's list is there: both lists become one over the list this PC
// last knew there, so that nobody deleted since comes back, and that folder's
// settings are taken as they are. A failure leaves this PC's list, order and
// folder as they were.
void MainWindow::mergeListInto(const std::string& folder) {
    reportMerge(mergeOutsideContacts());
    const book::ContactFileLook look = book::lookAtContactFile(folder + contactFileName);
    if (look.found != book::ContactFileLook::Found::Whole)
        throw platform::IoError("The people in " + quoted(folder + contactFileName) +
                                " could not be read whole, so the data folder stays " +
                                quoted(dataFolder) + ".");
    const std::vector<book::PersonRow> before = book::peopleRows(peopleGrid);
    const book::KnownContactFile knownBefore = knownContacts_;
    const int orderBefore = sortOrder;
    book::MergedRows merged =
        book::mergeRows(keptBaseOf(folder), book::rowsOfRecords(look.bytes), before);
    sortOrder = book::sortOrderFromOutside(folder + book::sortOrderFileName).value_or(sortOrder);
    OutsideMerge merge{std::move(merged.keptTwice),
                       showPeople(std::move(merged.rows), book::maxPeople)};
    try {
        knownContacts_ = {book::writeContactFile(folder + contactFileName, peopleGrid),
                          book::peopleRows(peopleGrid)};
        keepChoiceOf(folder);
    } catch (...) {
        knownContacts_ = knownBefore;
        sortOrder = orderBefore;
        showPeople(before);
        throw;
    }
    checkOrderItem();
    unsavedChanges_ = false;
    startInTrayItem.setChecked(app::startHiddenMarker.present(folder));
    showMissedRemindersItem.setChecked(app::missedRemindersMarker.present(folder));
    dataFolder = folder;
    reportMerge(merge);
}

// While the standard folder stands in for that folder, the list it held when
// that began; otherwise the list this PC last read or wrote there.
std::vector<book::PersonRow> MainWindow::keptBaseOf(const std::string& folder) const {
    if (!standingInFor_.empty() && book::sameFolder(folder, standingInFor_))
        return book::readKeptList(standardFolder_ + book::standInListFileName,
                                  book::folderKey(folder))
            .value_or(std::vector<book::PersonRow>{});
    return folderBases_.of(folder).value_or(std::vector<book::PersonRow>{});
}

// The list the standard folder holds when it begins to stand in for a missing
// folder is kept, through later starts, until that folder is found again:
// what was saved meanwhile is then merged into its list over that one.
void MainWindow::followStandIn() {
    if (contactsUnreadable_) return;
    const std::string kept = standardFolder_ + book::standInListFileName;
    if (!standingInFor_.empty()) {
        const std::string key = book::folderKey(standingInFor_);
        if (!book::readKeptList(kept, key)) book::writeKeptList(kept, key, knownContacts_.rows);
        return;
    }
    if (book::sameFolder(dataFolder, standardFolder_)) return;
    if (const auto base = book::readKeptList(kept, book::folderKey(dataFolder)))
        mergeStandInList(*base);
}

// Nobody deleted in that folder meanwhile comes back unless changed here. A
// merge that would empty most of its list asks first; No keeps everyone of
// both lists.
void MainWindow::mergeStandInList(const std::vector<book::PersonRow>& base) {
    const book::ContactFileLook look = book::lookAtContactFile(standardFolder_ + contactFileName);
    if (!look.holdsPeople()) return;
    const std::vector<book::PersonRow> theirs = knownContacts_.rows;
    const std::vector<book::PersonRow> ours = book::rowsOfRecords(look.bytes);
    book::MergedRows merged = book::mergeRows(base, theirs, ours);
    if (!takesListAsItIs(merged.rows.size())) merged = book::mergeRows({}, theirs, ours);
    const bool taken = merged.rows != theirs;
    OutsideMerge merge;
    if (taken) {
        merge = {std::move(merged.keptTwice), showPeople(std::move(merged.rows), book::maxPeople)};
        saveChanges();
    }
    platform::fs::remove(standardFolder_ + book::standInListFileName);
    renewChoice(standardFolder_);
    const std::vector<book::PersonRow> brought =
        taken ? book::rowsBroughtBack(theirs, book::peopleRows(peopleGrid))
              : std::vector<book::PersonRow>{};
    if (!brought.empty())
        tellAboutPeople("Festorin added to the list in " + quoted(dataFolder) +
                            " the people saved in " + quoted(standardFolder_) +
                            " while that folder could not be found:",
                        brought);
    reportMerge(merge);
}

// A folder chosen by hand ends the standing in.
void MainWindow::endStandIn() {
    if (standingInFor_.empty()) return;
    platform::fs::remove(standardFolder_ + book::standInListFileName);
    standingInFor_.clear();
}

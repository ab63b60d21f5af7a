// Options > Data folder...: the data files copied to a folder of the user's
// choice, as one a sync engine keeps in step between PCs, and that choice
// kept in "folder.txt" of the standard folder.
#include <algorithm>
#include <array>
#include <cstdint>

#include "app/main_window.h"
#include "app/option_marker.h"
#include "book/contact_table.h"
#include "book/data_folder.h"
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

// Windows' paths are the same whatever the case of their letters.
bool sameFolder(const std::string& a, const std::string& b) {
    const auto folded = [](std::string path) {
        path = book::withBackslash(platform::fullPathUtf8(path));
        std::transform(path.begin(), path.end(), path.begin(), [](unsigned char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
        });
        return path;
    };
    return folded(a) == folded(b);
}

// The choice is kept once the list is there, so that the next start finds
// it wherever this one leaves it.
void keepChoiceOf(const std::string& folder) {
    const std::string standard = book::resolveDataFolder();
    book::keepDataFolderChoice(standard, sameFolder(folder, standard) ? standard : folder);
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

}  // namespace

// A folder named in "folder.txt" that cannot serve now, as a sync drive not
// mounted yet, is told once; the standard folder serves meanwhile.
void MainWindow::findDataFolder() {
    const book::ChosenDataFolder chosen = book::resolveChosenDataFolder();
    dataFolder = chosen.folder;
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
    if (sameFolder(folder, dataFolder)) return;
    if (contactsUnreadable_) saveContacts();  // refused, with its reason
    const std::string standard = book::resolveDataFolder();
    if (platform::fs::fileExists(folder + contactFileName) &&
        !(sameFolder(folder, standard) && leftWhenChosenElsewhere(standard)))
        mergeListInto(folder);
    else
        copyDataFilesTo(folder);
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

// The other PC's list is there: both lists become one, every row kept once,
// and that folder's settings are taken as they are. A failure leaves this
// PC's list, order and folder as they were.
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
    book::MergedRows merged = book::mergeRows({}, book::rowsOfRecords(look.bytes), before);
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

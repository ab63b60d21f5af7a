// The contact file as the main window reads and writes it, and the lists kept
// for it in the standard folder.
#include "app/main_window.h"
#include "book/contact_file.h"
#include "book/contact_table.h"
#include "book/data_folder.h"
#include "book/kept_list.h"
#include "book/row_merge.h"
#include "platform/dispatch.h"
#include "platform/errors.h"
#include "platform/file_system.h"

namespace {
const char* const contactFileName = "dates.txt";
}

std::string MainWindow::contactFilePath() const { return dataFolder + contactFileName; }

void MainWindow::saveContacts() { saveContactsChangedBy(nullptr); }

void MainWindow::saveContactsChangedBy(const std::function<void()>& change) {
    const std::string path = contactFilePath();
    if (contactsUnreadable_)
        throw platform::IoError("The people in \"" + platform::shownPath(path) +
                                "\" could not be read at start, so changes are not saved: "
                                "the file stays as it is until Festorin can read it.");
    const OutsideMerge merge = mergeOutsideContacts();
    if (change) change();
    knownContacts_ = {book::writeContactFile(path, peopleGrid), book::peopleRows(peopleGrid)};
    forgetUnsavedList();
    reportMerge(merge);
}

void MainWindow::loadContacts() {
    const std::string path = contactFilePath();
    book::ContactFileRead read = book::readContactFile(path, peopleGrid);
    knownContacts_ = {book::FileStamp{}, {}};
    if (read.existed) {
        knownContacts_ = {read.stamp, book::peopleRows(peopleGrid)};
        modifyButton.setVisible(read.people > 0);
        deleteButton.setVisible(read.people > 0);
    }
    if (!read.complete) {
        knownContacts_.stamp.reset();
        contactsUnreadable_ = true;
        throw platform::IoError("The people in \"" + platform::shownPath(path) +
                                "\" could not be read. Changes will not be saved until "
                                "Festorin can read this file.");
    }
    mergeUnsavedList();
}

// The base outlives the program: it is written at the tick after it changed,
// and when Festorin leaves the folder or ends, rather than on every save. One
// that cannot be written leaves an older one, which can only make a later
// merge keep more people, never fewer.
void MainWindow::keepBaseOf(const std::string& folder, const std::string* fileBytes) {
    try {
        folderBases_.keep(folder, knownContacts_, fileBytes);
    } catch (const platform::IoError&) {
    }
}

// For the end of the program, when the change could not be saved: the list
// with the change and its base, the list as the file last held it here.
void MainWindow::keepUnsavedList() {
    platform::dispatch([this] {
        const std::string standard = book::resolveDataFolder();
        book::writeKeptList(standard + book::baseListFileName, dataFolder, knownContacts_.rows);
        book::writeKeptList(standard + book::unsavedListFileName, dataFolder,
                            book::peopleRows(peopleGrid));
        unsavedListKept_ = true;
    });
}

// Once saved, a change kept for the next start would bring back at that
// start whoever was deleted since.
void MainWindow::forgetUnsavedList() {
    if (!unsavedListKept_) return;
    platform::fs::remove(book::resolveDataFolder() + book::unsavedListFileName);
    unsavedListKept_ = false;
}

// A change kept at the last end of the program is merged with the list as
// the file holds it now, over the base kept with it.
void MainWindow::mergeUnsavedList() {
    const std::string standard = book::resolveDataFolder();
    const std::optional<std::vector<book::PersonRow>> unsaved =
        book::readKeptList(standard + book::unsavedListFileName, dataFolder);
    if (!unsaved) return;
    unsavedListKept_ = true;
    const std::vector<book::PersonRow> base =
        book::readKeptList(standard + book::baseListFileName, dataFolder)
            .value_or(std::vector<book::PersonRow>{});
    book::MergedRows merged = book::mergeRows(base, knownContacts_.rows, *unsaved);
    const OutsideMerge merge{std::move(merged.keptTwice),
                             showPeople(std::move(merged.rows), book::maxPeople)};
    saveChanges();
    reportMerge(merge);
}

void MainWindow::removeRow(platform::StringGrid& grid, int row) { book::removeRow(grid, row); }

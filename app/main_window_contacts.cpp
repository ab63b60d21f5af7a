// The contact file as the main window reads and writes it.
#include "app/main_window.h"
#include "book/contact_file.h"
#include "book/contact_table.h"
#include "platform/errors.h"

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
    reportMerge(merge);
}

void MainWindow::loadContacts() {
    const std::string path = contactFilePath();
    book::ContactFileRead read = book::readContactFile(path, peopleGrid);
    knownContacts_ = {book::FileStamp{}, {}};
    if (!read.existed) return;
    knownContacts_ = {read.stamp, book::peopleRows(peopleGrid)};
    modifyButton.setVisible(read.people > 0);
    deleteButton.setVisible(read.people > 0);
    if (!read.complete) {
        knownContacts_.stamp.reset();
        contactsUnreadable_ = true;
        throw platform::IoError("The people in \"" + platform::shownPath(path) +
                                "\" could not be read. Changes will not be saved until "
                                "Festorin can read this file.");
    }
}

void MainWindow::removeRow(platform::StringGrid& grid, int row) { book::removeRow(grid, row); }

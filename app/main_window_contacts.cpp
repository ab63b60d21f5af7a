// The contact file as the main window reads and writes it.
#include "app/main_window.h"
#include "book/contact_file.h"
#include "book/contact_table.h"
#include "platform/errors.h"

namespace {
const char* const contactFileName = "dates.txt";
}

void MainWindow::saveContacts() {
    const std::string path = dataFolder + contactFileName;
    if (contactsUnreadable_)
        throw platform::IoError("The people in \"" + path +
                                "\" could not be read at start, so changes are not saved: "
                                "the file stays as it is until Festorin can read it.");
    book::writeContactFile(path, peopleGrid);
}

void MainWindow::loadContacts() {
    const std::string path = dataFolder + contactFileName;
    book::ContactFileRead read = book::readContactFile(path, peopleGrid);
    if (!read.existed) return;
    modifyButton.setVisible(read.people > 0);
    deleteButton.setVisible(read.people > 0);
    if (!read.complete) {
        contactsUnreadable_ = true;
        throw platform::IoError("The people in \"" + path +
                                "\" could not be read. Changes will not be saved until "
                                "Festorin can read this file.");
    }
}

void MainWindow::removeRow(platform::StringGrid& grid, int row) { book::removeRow(grid, row); }

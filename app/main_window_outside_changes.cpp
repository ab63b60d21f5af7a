// The data files changed from outside, as a sync engine does when another
// PC's Festorin saved: the list is reloaded when nothing is unsaved here and
// merged before a save otherwise, and the settings are taken as they come.
#include <algorithm>
#include <optional>

#include "app/main_window.h"
#include "app/option_marker.h"
#include "book/contact_table.h"
#include "book/row_merge.h"
#include "book/sort_order_file.h"
#include "platform/application.h"
#include "platform/errors.h"
#include "platform/message_box.h"

namespace {

using Found = book::ContactFileLook::Found;

// A file that is being written is usually whole again within a moment; it is
// looked at again after growing pauses, about two seconds in all.
book::ContactFileLook lookUntilWhole(const std::string& path, const book::KnownContactFile& known) {
    constexpr int waitMs = 2000;
    int waitedMs = 0;
    for (int pauseMs = 10;; pauseMs *= 2) {
        book::ContactFileLook look = book::lookAtContactFile(path);
        const bool settled = look.found == Found::Whole || look.found == Found::Missing;
        if (settled || known.unchanged(look) || waitedMs >= waitMs) return look;
        pauseMs = std::min(pauseMs, waitMs - waitedMs);
        platform::pause(pauseMs);
        waitedMs += pauseMs;
    }
}

}  // namespace

void MainWindow::takeOutsideChanges() {
    takeOutsideSortOrder();
    startInTrayItem.setChecked(app::startHiddenMarker.present(dataFolder));
    showMissedRemindersItem.setChecked(app::missedRemindersMarker.present(dataFolder));
    takeOutsideContacts();
}

void MainWindow::takeOutsideSortOrder() {
    const std::optional<int> order =
        book::sortOrderFromOutside(dataFolder + book::sortOrderFileName);
    if (!order || *order == sortOrder) return;
    sortOrder = *order;
    checkOrderItem();
    followSort(sortPeople());
}

// A change waiting here is merged with the file at its save; a file not
// whole, or gone, is looked at again at the next tick.
void MainWindow::takeOutsideContacts() {
    if (unsavedChanges_) return;
    book::ContactFileLook look = book::lookAtContactFile(contactFilePath());
    if (look.found != Found::Whole || knownContacts_.unchanged(look)) return;
    std::vector<book::PersonRow> rows = book::rowsOfRecords(look.bytes);
    knownContacts_ = {look.stamp, rows};
    contactsUnreadable_ = false;
    showPeople(std::move(rows));
}

MainWindow::OutsideMerge MainWindow::mergeOutsideContacts() {
    const std::string path = contactFilePath();
    const book::ContactFileLook look = lookUntilWhole(path, knownContacts_);
    if (look.found == Found::Missing || knownContacts_.unchanged(look)) return {};
    if (look.found != Found::Whole)
        throw platform::IoError("The people in \"" + platform::shownPath(path) +
                                "\" could not be read whole: the file is being written or is "
                                "damaged. The change is kept here and saved next time.");
    book::MergedRows merged = book::mergeRows(knownContacts_.rows, book::rowsOfRecords(look.bytes),
                                              book::peopleRows(peopleGrid));
    return {std::move(merged.keptTwice), showPeople(std::move(merged.rows), book::maxPeople)};
}

void MainWindow::reportMerge(const OutsideMerge& merge) {
    if (!merge.keptTwice.empty())
        platform::messageBox(
            "These people were changed here and on another PC at the same "
            "time. Both versions were kept: delete the one you do not want.\r\n"
            "\r\n" +
                book::namesOf(merge.keptTwice),
            platform::application::title(), platform::MbIcon::Information, platform::MbButtons::Ok);
    if (!merge.leftOut.empty())
        platform::application::showError(
            "The list holds 32767 people at most. These people did not fit and were not "
            "kept:\r\n\r\n" +
            book::namesOf(merge.leftOut));
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

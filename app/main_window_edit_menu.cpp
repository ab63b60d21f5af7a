// The Edit menu: Undo of the changes made in this run, Find... and Find
// Next; and the list's own search for the letters typed in it.
#include <string>

#include "app/main_window.h"
#include "book/row_merge.h"
#include "book/row_search.h"
#include "book/sort_order_file.h"
#include "platform/message_box.h"

namespace {

// A name in a menu shows an ampersand as itself, not as an access key.
std::string menuText(const std::string& text) {
    std::string shown;
    for (char c : text) shown += c == '&' ? std::string("&&") : std::string(1, c);
    return shown;
}

}  // namespace

void MainWindow::wireEditMenu() {
    undoItem.onClick = [this] { onUndo(); };
    findItem.onClick = [this] { onFind(); };
    findNextItem.onClick = [this] { onFindNext(); };
    peopleGrid.onFindRow = [this](platform::RowSearch& search) { findTypedText(search); };
    showUndoItem();
}

void MainWindow::recordChange(book::Change change) {
    changes_.record(std::move(change));
    showUndoItem();
}

// Greyed while the entry panel is open, as Modify and Delete are hidden then.
void MainWindow::showUndoItem() {
    undoItem.setCaption("&" + menuText(book::undoCaption(changes_.last())) + "\tCtrl+Z");
    undoItem.setEnabled(changes_.last() != nullptr && entryMode == panelClosed);
}

// The undo is made once the other PC's changes are in, so that it never
// takes back one of theirs, and saved as any change is.
void MainWindow::onUndo() {
    if (!changes_.last() || entryMode != panelClosed) return;
    book::UndoOutcome outcome;
    saveContactsChangedBy([this, &outcome] {
        outcome = undoLastChange();
        unsavedChanges_ = true;
        repaintNow();
    });
    unsavedChanges_ = false;
    tellWhatUndoLeft(outcome);
}

book::UndoOutcome MainWindow::undoLastChange() {
    const book::PersonRow selected = book::rowAt(peopleGrid, peopleGrid.row());
    book::UndoOutcome outcome = book::undoChange(peopleGrid, *changes_.last());
    changes_.dropLast();
    showUndoItem();
    if (!outcome.putBack.empty()) sortPeople();
    selectAfterUndo(selected, outcome);
    return outcome;
}

// The person put back is selected and shown; otherwise the selection stays
// on its person, or on nobody when that person went.
void MainWindow::selectAfterUndo(const book::PersonRow& selected,
                                 const book::UndoOutcome& outcome) {
    const int row =
        book::findRow(peopleGrid, outcome.putBack.empty() ? selected : outcome.putBack.front());
    peopleGrid.setRow(row);
    const bool person = book::holdsPerson(peopleGrid, row);
    modifyButton.setVisible(person);
    deleteButton.setVisible(person);
}

void MainWindow::tellWhatUndoLeft(const book::UndoOutcome& outcome) {
    if (!outcome.leftAsTheyAre.empty())
        tellAboutPeople(
            "These people were changed or deleted on another PC since, so the undo "
            "left them as they are:",
            outcome.leftAsTheyAre);
    if (!outcome.noRoom.empty()) tellWhoDidNotFit(outcome.noRoom, "put back");
}

// The column the list is ordered by; by date, the order of the hidden key,
// the first name.
int MainWindow::searchColumn() const {
    return sortOrder == book::orderByDate ? book::colFirstName : sortOrder;
}

void MainWindow::findTypedText(platform::RowSearch& search) {
    search.foundRow = book::rowBeginningWith(peopleGrid, searchColumn(), search.text,
                                             search.fromRow, search.partial, search.wrap);
}

void MainWindow::onFind() {
    if (!findBox_) {
        findBox_ = std::make_unique<FindBox>(this);
        findBox_->findNextButton.onClick = [this] { onFindNext(); };
        findBox_->create();
    }
    openFindBox();
}

void MainWindow::openFindBox() {
    findBox_->show();
    findBox_->bringToFront();
    findBox_->findWhatBox.setFocus();
    findBox_->findWhatBox.selectAll();
}

// The next person after the selected one, going round the list; F3 before
// any text was given opens the Find box.
void MainWindow::onFindNext() {
    const std::string text = findBox_ ? findBox_->findWhatBox.text() : std::string();
    if (text.empty()) return onFind();
    const int row = book::nextRowContaining(
        peopleGrid, {book::colFirstName, book::colSurname, book::colEmail}, text, peopleGrid.row());
    if (row == 0) {
        platform::messageBox("Nobody's first name, surname or e-mail contains \"" + text + "\".",
                             FindBox::caption, platform::MbIcon::Information,
                             platform::MbButtons::Ok);
        return;
    }
    bool canSelect = true;
    onSelectCell(1, row, canSelect);
    peopleGrid.setRow(row);
}

// The contact editor: Add, Modify and Delete, the entry panel's Ok and
// Cancel, the day box's key filter and the grid's selection.
#include "app/main_window.h"
#include "book/birthday_entry.h"
#include "book/contact_record.h"
#include "book/contact_table.h"
#include "book/sort.h"
#include "book/text.h"
#include "platform/dispatch.h"
#include "platform/message_box.h"

namespace {

constexpr int gridHeightWithPanel = 209;
constexpr int gridHeightAlone = 289;
constexpr std::size_t dayDigits = 2;

// Selects the choice equal to the text, or the first choice when none is.
void selectByText(platform::ComboBox& box, const std::string& text) {
    box.setItemIndex(0);
    for (int i = 0; i < box.itemCount(); ++i)
        if (box.item(i) == text) box.setItemIndex(i);
}

}  // namespace

void MainWindow::wireEditor() {
    addButton.onClick = [this] { onAdd(); };
    modifyButton.onClick = [this] { onModify(); };
    deleteButton.onClick = [this] { onDelete(); };
    okButton.onClick = [this] { onOk(); };
    cancelButton.onClick = [this] { onCancel(); };
    dayBox.onKeyPress = [this](char& key) { filterDayKey(key); };
    peopleGrid.onSelectCell = [this](int col, int row, bool& canSelect) {
        onSelectCell(col, row, canSelect);
    };
    // No box takes more than its field in the contact file keeps.
    firstNameBox.setMaxLength(book::fieldCapacity(book::colFirstName));
    surnameBox.setMaxLength(book::fieldCapacity(book::colSurname));
    emailBox.setMaxLength(book::fieldCapacity(book::colEmail));
    phone1Box.setMaxLength(book::fieldCapacity(book::colPhone1));
    phone2Box.setMaxLength(book::fieldCapacity(book::colPhone2));
    reasonBox.setMaxLength(book::fieldCapacity(book::colReason));
}

void MainWindow::onAdd() {
    for (platform::Edit* box :
         {&firstNameBox, &surnameBox, &emailBox, &phone1Box, &phone2Box, &dayBox})
        box->setText("");
    openEntryPanel(" Add ");
    for (platform::ComboBox* list : {&monthList, &actionList, &leadTimeList, &reasonBox})
        list->setItemIndex(0);
    entryMode = panelAdding;
    entryPanel.show();
    firstNameBox.setFocus();
}

void MainWindow::onModify() {
    const int row = peopleGrid.row();
    if (!book::holdsPerson(peopleGrid, row)) return;
    platform::Edit* boxes[] = {&firstNameBox, &surnameBox, &emailBox, &phone1Box, &phone2Box};
    for (int col = book::colFirstName; col <= book::colPhone2; ++col)
        boxes[col - book::colFirstName]->setText(book::trimmed(peopleGrid.cell(col, row)));
    openEntryPanel(" Modify ");
    const book::ShownDateParts date =
        book::splitShownDate(peopleGrid.cell(book::colShownDate, row));
    dayBox.setText(date.day);
    selectByText(monthList, date.monthName);
    selectByText(actionList, book::trimmed(peopleGrid.cell(book::colAction, row)));
    selectByText(leadTimeList, book::trimmed(peopleGrid.cell(book::colWhen, row)));
    selectByText(reasonBox, book::trimmed(peopleGrid.cell(book::colReason, row)));
    entryMode = panelModifying;
    editedRow = row;
    entryPanel.show();
    firstNameBox.setFocus();
    firstNameBox.selectAll();
}

void MainWindow::onDelete() {
    const int row = peopleGrid.row();
    if (!book::holdsPerson(peopleGrid, row)) return;
    const book::PersonRow deleted = book::rowAt(peopleGrid, row);
    if (peopleGrid.rowCount() == 2) {
        book::clearPlaceholder(peopleGrid);
        modifyButton.hide();
        deleteButton.hide();
    } else {
        removeRow(peopleGrid, row);
    }
    recordChange(book::deleteOf(deleted));
    followDeletion(row);
    saveChanges();
}

void MainWindow::onOk() {
    if (!entriesAccepted()) return;
    const int row = rowForEntries();
    if (row == 0) return;
    const bool adding = entryMode == panelAdding;
    const book::PersonRow before = book::rowAt(peopleGrid, row);
    writeEntries(row);
    const book::PersonRow after = book::rowAt(peopleGrid, row);
    sortPeople();
    closeEntryPanel();
    if (adding)
        recordChange(book::addOf(after));
    else if (after != before)
        recordChange(book::modifyOf(before, after));
    saveChanges();
}

void MainWindow::onCancel() { closeEntryPanel(); }

void MainWindow::filterDayKey(char& key) {
    if (key == '\b') return;
    const bool digit = book::isDigit(key);
    if (digit && dayBox.text().size() < dayDigits) return;
    key = 0;
}

void MainWindow::onSelectCell(int, int row, bool&) {
    const bool person = book::holdsPerson(peopleGrid, row);
    modifyButton.setVisible(person);
    deleteButton.setVisible(person);
}

void MainWindow::saveUnsavedChanges() {
    if (unsavedChanges_) platform::dispatch([this] { saveChanges(); });
    if (unsavedChanges_) keepUnsavedList();
}

void MainWindow::openEntryPanel(const char* caption) {
    peopleGrid.setHeight(gridHeightWithPanel);
    entryPanel.setText(caption);
    addButton.hide();
    modifyButton.hide();
    deleteButton.hide();
    showUndoItem();
}

// Modify and Delete come back for a selected person; a list changed from
// outside may have left nobody selected.
void MainWindow::closeEntryPanel() {
    entryPanel.hide();
    addButton.show();
    if (book::holdsPerson(peopleGrid, peopleGrid.row())) {
        modifyButton.show();
        deleteButton.show();
    }
    peopleGrid.setHeight(gridHeightAlone);
    entryMode = panelClosed;
    editedRow = 0;
    showUndoItem();
    peopleGrid.setFocus();
}

bool MainWindow::entriesAccepted() {
    if (book::trimmed(firstNameBox.text()).empty())
        return refuseEntry("Please enter the firstname", &firstNameBox);
    if (book::trimmed(dayBox.text()).empty())
        return refuseEntry("Please enter the birtday", &dayBox);
    const int month = monthList.itemIndex() + 1;
    const std::string refusal =
        book::refusedDay(month, monthList.text(), book::dayNumber(dayBox.text()));
    if (!refusal.empty()) return refuseEntry(refusal, &dayBox);
    return true;
}

bool MainWindow::refuseEntry(const std::string& message, platform::Control* atFault) {
    platform::messageBox(message, "Error", platform::MbIcon::Exclamation, platform::MbButtons::Ok);
    if (atFault) atFault->setFocus();
    return false;
}

// The row that takes the entries, or 0 when the list cannot take another person.
int MainWindow::rowForEntries() {
    if (entryMode == panelModifying) return editedRow;
    if (!book::lastRowTaken(peopleGrid)) return peopleGrid.rowCount() - 1;
    if (peopleGrid.rowCount() - 1 >= book::maxPeople) {
        refuseEntry("The list is full: 32767 people at most", nullptr);
        return 0;
    }
    return book::appendRow(peopleGrid);
}

void MainWindow::writeEntries(int row) {
    const int month = monthList.itemIndex() + 1;
    const std::string day = book::enteredDay(dayBox.text());
    peopleGrid.beginUpdate();
    peopleGrid.setCell(book::colKey, row, book::birthdayKey(month, day));
    peopleGrid.setCell(book::colFirstName, row, book::trimmed(firstNameBox.text()));
    peopleGrid.setCell(book::colSurname, row, book::trimmed(surnameBox.text()));
    peopleGrid.setCell(book::colEmail, row, book::trimmed(emailBox.text()));
    peopleGrid.setCell(book::colPhone1, row, book::trimmed(phone1Box.text()));
    peopleGrid.setCell(book::colPhone2, row, book::trimmed(phone2Box.text()));
    peopleGrid.setCell(book::colShownDate, row, book::shownDate(monthList.text(), day));
    peopleGrid.setCell(book::colAction, row, actionList.text());
    peopleGrid.setCell(book::colWhen, row, leadTimeList.text());
    peopleGrid.setCell(book::colReason, row, reasonBox.text());
    peopleGrid.endUpdate();
}

// Keeps the row being modified on its person when a row is deleted; when that
// person is the one deleted there is nobody left to modify.
void MainWindow::followDeletion(int row) {
    if (entryMode != panelModifying) return;
    if (row == editedRow)
        onCancel();
    else if (row < editedRow)
        --editedRow;
}

// Keeps the selection, and the row being modified, on their person through
// a sort: Delete must fall on the person the user chose.
void MainWindow::followSort(const std::vector<int>& order) {
    peopleGrid.setRow(book::rowAfterSort(order, peopleGrid.row()));
    if (entryMode == panelModifying) editedRow = book::rowAfterSort(order, editedRow);
}

// The window shows the finished change before the save, which can take a
// moment. A failed write leaves the change in the grid; it goes out with the
// next save, or at the end of the program.
void MainWindow::saveChanges() {
    repaintNow();
    unsavedChanges_ = true;
    saveContacts();
    unsavedChanges_ = false;
}

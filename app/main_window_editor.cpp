// The contact editor: Add, Modify and Delete, the entry panel's Ok and
// Cancel, the day box's key filter and the grid's selection.
#include "app/main_window.h"
#include "book/birthday_entry.h"
#include "book/contact_table.h"
#include "book/contact_record.h"
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
    b_ajouter.onClick = [this] { b_ajouterClick(); };
    b_modifier.onClick = [this] { b_modifierClick(); };
    b_supprimer.onClick = [this] { b_supprimerClick(); };
    b_ok.onClick = [this] { b_okClick(); };
    b_annuler.onClick = [this] { b_annulerClick(); };
    Edit6.onKeyPress = [this](char& key) { Edit6KeyPress(key); };
    gr1.onSelectCell = [this](int col, int row, bool& canSelect) {
        gr1SelectCell(col, row, canSelect);
    };
    // No box takes more than its field in the contact file keeps.
    Edit1.setMaxLength(book::fieldCapacity(book::colFirstName));
    Edit2.setMaxLength(book::fieldCapacity(book::colSurname));
    Edit3.setMaxLength(book::fieldCapacity(book::colEmail));
    Edit4.setMaxLength(book::fieldCapacity(book::colPhone1));
    Edit5.setMaxLength(book::fieldCapacity(book::colPhone2));
    cb4.setMaxLength(book::fieldCapacity(book::colReason));
}

void MainWindow::b_ajouterClick() {
    for (platform::Edit* box : {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5, &Edit6}) box->setText("");
    openEntryPanel(" Add ");
    for (platform::ComboBox* list : {&cb1, &cb2, &cb3, &cb4}) list->setItemIndex(0);
    mode_saisie = panelAdding;
    gp1.show();
    Edit1.setFocus();
}

void MainWindow::b_modifierClick() {
    const int row = gr1.row();
    if (!book::holdsPerson(gr1, row)) return;
    platform::Edit* boxes[] = {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5};
    for (int col = book::colFirstName; col <= book::colPhone2; ++col)
        boxes[col - book::colFirstName]->setText(book::trimmed(gr1.cell(col, row)));
    openEntryPanel(" Modify ");
    const book::ShownDateParts date = book::splitShownDate(gr1.cell(book::colShownDate, row));
    Edit6.setText(date.day);
    selectByText(cb1, date.monthName);
    selectByText(cb2, book::trimmed(gr1.cell(book::colAction, row)));
    selectByText(cb3, book::trimmed(gr1.cell(book::colWhen, row)));
    selectByText(cb4, book::trimmed(gr1.cell(book::colReason, row)));
    mode_saisie = panelModifying;
    ligne_saisie = row;
    gp1.show();
    Edit1.setFocus();
    Edit1.selectAll();
}

void MainWindow::b_supprimerClick() {
    const int row = gr1.row();
    if (!book::holdsPerson(gr1, row)) return;
    if (gr1.rowCount() == 2) {
        book::clearPlaceholder(gr1);
        b_modifier.hide();
        b_supprimer.hide();
    } else {
        RemoveLine(gr1, row);
    }
    followDeletion(row);
    saveChanges();
}

void MainWindow::b_okClick() {
    if (!entriesAccepted()) return;
    const int row = rowForEntries();
    if (row == 0) return;
    writeEntries(row);
    trier();
    closeEntryPanel();
    saveChanges();
}

void MainWindow::b_annulerClick() {
    gp1.hide();
    b_ajouter.show();
    gr1.setHeight(gridHeightAlone);
    if (book::holdsPerson(gr1, gr1.row())) {
        b_modifier.show();
        b_supprimer.show();
    }
    mode_saisie = panelClosed;
    ligne_saisie = 0;
    gr1.setFocus();
}

void MainWindow::Edit6KeyPress(char& key) {
    if (key == '\b') return;
    const bool digit = key >= '0' && key <= '9';
    if (digit && Edit6.text().size() < dayDigits) return;
    key = 0;
}

void MainWindow::gr1SelectCell(int, int row, bool&) {
    const bool person = book::holdsPerson(gr1, row);
    b_modifier.setVisible(person);
    b_supprimer.setVisible(person);
}

void MainWindow::saveUnsavedChanges() {
    if (unsavedChanges_) platform::dispatch([this] { saveChanges(); });
}

void MainWindow::openEntryPanel(const char* caption) {
    gr1.setHeight(gridHeightWithPanel);
    gp1.setText(caption);
    b_ajouter.hide();
    b_modifier.hide();
    b_supprimer.hide();
}

void MainWindow::closeEntryPanel() {
    gp1.hide();
    b_ajouter.show();
    b_modifier.show();
    b_supprimer.show();
    gr1.setHeight(gridHeightAlone);
    mode_saisie = panelClosed;
    ligne_saisie = 0;
    gr1.setFocus();
}

bool MainWindow::entriesAccepted() {
    if (book::trimmed(Edit1.text()).empty())
        return refuseEntry("Please enter the firstname", &Edit1);
    if (book::trimmed(Edit6.text()).empty()) return refuseEntry("Please enter the birtday", &Edit6);
    const int month = cb1.itemIndex() + 1;
    const std::string refusal = book::refusedDay(month, cb1.text(), book::dayNumber(Edit6.text()));
    if (!refusal.empty()) return refuseEntry(refusal, &Edit6);
    return true;
}

bool MainWindow::refuseEntry(const std::string& message, platform::Control* atFault) {
    platform::messageBox(message, "Error", platform::MbIcon::Exclamation, platform::MbButtons::Ok);
    if (atFault) atFault->setFocus();
    return false;
}

// The row that takes the entries, or 0 when the list cannot take another person.
int MainWindow::rowForEntries() {
    if (mode_saisie == panelModifying) return ligne_saisie;
    if (!book::lastRowTaken(gr1)) return gr1.rowCount() - 1;
    if (gr1.rowCount() - 1 >= book::maxPeople) {
        refuseEntry("The list is full: 32767 people at most", nullptr);
        return 0;
    }
    return book::appendRow(gr1);
}

void MainWindow::writeEntries(int row) {
    const int month = cb1.itemIndex() + 1;
    const std::string day = book::enteredDay(Edit6.text());
    gr1.beginUpdate();
    gr1.setCell(book::colKey, row, book::birthdayKey(month, day));
    gr1.setCell(book::colFirstName, row, book::trimmed(Edit1.text()));
    gr1.setCell(book::colSurname, row, book::trimmed(Edit2.text()));
    gr1.setCell(book::colEmail, row, book::trimmed(Edit3.text()));
    gr1.setCell(book::colPhone1, row, book::trimmed(Edit4.text()));
    gr1.setCell(book::colPhone2, row, book::trimmed(Edit5.text()));
    gr1.setCell(book::colShownDate, row, book::shownDate(cb1.text(), day));
    gr1.setCell(book::colAction, row, cb2.text());
    gr1.setCell(book::colWhen, row, cb3.text());
    gr1.setCell(book::colReason, row, cb4.text());
    gr1.endUpdate();
}

// Keeps the row being modified on its person when a row is deleted; when that
// person is the one deleted there is nobody left to modify.
void MainWindow::followDeletion(int row) {
    if (mode_saisie != panelModifying) return;
    if (row == ligne_saisie)
        b_annulerClick();
    else if (row < ligne_saisie)
        --ligne_saisie;
}

// Keeps the row being modified on its person when the Order menu sorts.
void MainWindow::followSort(const std::vector<int>& order) {
    if (mode_saisie == panelModifying) ligne_saisie = book::rowAfterSort(order, ligne_saisie);
}

// The window shows the finished change before the save, which can take a
// moment. A failed write leaves the change in the grid; it goes out with the
// next save, or at the end of the program.
void MainWindow::saveChanges() {
    repaintNow();
    unsavedChanges_ = true;
    sauver();
    unsavedChanges_ = false;
}

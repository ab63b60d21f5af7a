#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "book/contact_record.h"
#include "book/contact_table.h"
#include "platform/application.h"
#include "test_support/headless_fixture.h"
#include "test_support/records.h"

namespace {

using platform::headless::click;
using platform::headless::paste;
using platform::headless::pick;
using platform::headless::pressEnter;
using platform::headless::selectRow;
using platform::headless::shownBoxes;
using platform::headless::type;
using platform::headless::typeInto;

// The ten texts of a person, in column order.
using Row = std::vector<std::string>;

Row person(const std::string& key, const std::string& firstName, const std::string& shown,
           const std::string& reason = "Birtday") {
    return {key, firstName, "", "", "", "", shown, "Send an E-mail", "The exact day", reason};
}

class Editor : public test_support::HeadlessTest {
protected:
    void start(const std::vector<Row>& people = {}) {
        if (!people.empty()) {
            prepareDataFolder();
            test_support::writeBytes(contactFile(), test_support::records(people));
        }
        form = createMainWindow();
        platform::application::run(*form);
    }

    // A fresh world on the same application-data folder, to start again.
    void restart(const std::vector<Row>& people) {
        form.reset();
        platform::headless::reset();
        platform::headless::setAppDataFolder(appData.path());
        seenBoxes_ = 0;
        start(people);
    }

    std::string contactFile() const { return dataFile("dates.txt"); }
    std::string storedBytes() const { return test_support::readBytes(contactFile()); }

    std::vector<Row> stored() const {
        const std::string bytes = storedBytes();
        EXPECT_EQ(bytes.size() % book::ContactRecord::size, 0u);
        return test_support::peopleOfRecords(bytes);
    }

    Row gridRow(int row) const {
        Row cells;
        for (int col = 0; col < book::columnCount; ++col)
            cells.push_back(form->peopleGrid.cell(col, row));
        return cells;
    }

    std::vector<std::string> gridFirstNames() const {
        std::vector<std::string> names;
        for (int row = 1; row < form->peopleGrid.rowCount(); ++row)
            names.push_back(form->peopleGrid.cell(book::colFirstName, row));
        return names;
    }

    std::vector<std::string> storedFirstNames() const {
        std::vector<std::string> names;
        for (const Row& row : stored()) names.push_back(row[book::colFirstName]);
        return names;
    }

    void openAdd() { click(form->addButton); }

    // The texts of the panel's boxes: the names, e-mail, phones, day and reason.
    Row boxTexts() const {
        return {form->firstNameBox.text(), form->surnameBox.text(), form->emailBox.text(),
                form->phone1Box.text(),    form->phone2Box.text(),  form->dayBox.text(),
                form->reasonBox.text()};
    }

    void enter(const std::string& firstName, int monthIndex, const std::string& day) {
        type(form->firstNameBox, firstName);
        pick(form->monthList, monthIndex);
        type(form->dayBox, day);
    }

    void add(const std::string& firstName, int monthIndex, const std::string& day) {
        openAdd();
        enter(firstName, monthIndex, day);
        click(form->okButton);
    }

    void openModify(int row) {
        selectRow(form->peopleGrid, row);
        click(form->modifyButton);
    }

    // Delete pressed on one row while the panel modifies the person of another,
    // or of the same row.
    void deleteWhileModifying(int modifiedRow, int deletedRow) {
        openModify(modifiedRow);
        selectRow(form->peopleGrid, deletedRow);
        click(form->deleteButton);
    }

    void replaceText(platform::Edit& box, const std::string& text) {
        box.adoptText("");
        type(box, text);
    }

    void expectPanelClosed() const {
        EXPECT_FALSE(form->entryPanel.visible());
        EXPECT_TRUE(form->addButton.visible());
        EXPECT_EQ(form->peopleGrid.height(), 289);
        EXPECT_EQ(form->entryMode, MainWindow::panelClosed);
        EXPECT_EQ(form->editedRow, 0);
        EXPECT_EQ(platform::headless::focused(), &form->peopleGrid)
            << "the arrow keys move the grid";
    }

    // The message boxes shown since the last look.
    std::vector<platform::headless::ShownBox> newBoxes() {
        const auto& all = shownBoxes();
        std::vector<platform::headless::ShownBox> fresh(all.begin() + seenBoxes_, all.end());
        seenBoxes_ = all.size();
        return fresh;
    }

    void expectRefused(const std::string& message, platform::Control* atFault) {
        const auto boxes = newBoxes();
        ASSERT_EQ(boxes.size(), 1u) << message;
        EXPECT_EQ(boxes[0].text, message);
        EXPECT_EQ(boxes[0].caption, "Error");
        EXPECT_EQ(boxes[0].icon, platform::MbIcon::Exclamation);
        EXPECT_EQ(boxes[0].buttons, platform::MbButtons::Ok);
        if (atFault) {
            EXPECT_EQ(platform::headless::focused(), atFault) << message;
        }
    }

    void expectStandardError() {
        const auto boxes = newBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].icon, platform::MbIcon::Error);
    }

    std::unique_ptr<MainWindow> form;

private:
    std::size_t seenBoxes_ = 0;
};

const Row anis = person("0305", "Anis", "March, 5");
const Row malo = person("1224", "Malo", "December,24");
const Row zoe = person("0101", "Zoe", "January, 1");

TEST_F(Editor, AddOpensAnEmptyPanelWithTheFirstChoices) {
    start({anis});
    form->firstNameBox.setText("left over");
    form->dayBox.setText("9");
    openAdd();
    EXPECT_EQ(boxTexts(), (Row{"", "", "", "", "", "", "Birtday"}));
    EXPECT_EQ(form->entryPanel.text(), " Add ");
    EXPECT_TRUE(form->entryPanel.visible());
    EXPECT_EQ(form->peopleGrid.height(), 209);
    EXPECT_FALSE(form->addButton.visible());
    EXPECT_FALSE(form->modifyButton.visible());
    EXPECT_FALSE(form->deleteButton.visible());
    EXPECT_EQ(form->monthList.text(), "January");
    EXPECT_EQ(form->actionList.text(), "Send an E-mail");
    EXPECT_EQ(form->leadTimeList.text(), "The exact day");
    EXPECT_EQ(form->entryMode, MainWindow::panelAdding);
    EXPECT_EQ(platform::headless::focused(), &form->firstNameBox)
        << "typing goes to the first name";
}

TEST_F(Editor, FirstPersonGoesIntoThePlaceholderRowAndTheFile) {
    start();
    openAdd();
    type(form->firstNameBox, "  Dara ");
    type(form->surnameBox, " Okafor");
    type(form->emailBox, "dara@example.org ");
    type(form->phone1Box, " 0102");
    type(form->phone2Box, "0304 ");
    pick(form->monthList, 2);
    type(form->dayBox, "5");
    pick(form->actionList, 1);
    pick(form->leadTimeList, 4);
    typeInto(form->reasonBox, " party ");
    click(form->okButton);

    EXPECT_TRUE(shownBoxes().empty());
    ASSERT_EQ(form->peopleGrid.rowCount(), 2);
    const Row expected{"0305", "Dara",     "Okafor",       "dara@example.org", "0102",
                       "0304", "March, 5", "Call phone 1", "4 days before",    " party "};
    EXPECT_EQ(gridRow(1), expected);
    EXPECT_EQ(stored(), std::vector<Row>{expected});
    expectPanelClosed();
    EXPECT_TRUE(form->modifyButton.visible());
    EXPECT_TRUE(form->deleteButton.visible());
}

TEST_F(Editor, AddingToSeveralSortsThemAndWritesThemAllAtOnce) {
    start({zoe, anis, malo});
    add("Noor", 6, "17");
    EXPECT_EQ(gridFirstNames(), (std::vector<std::string>{"Zoe", "Anis", "Noor", "Malo"}));
    EXPECT_EQ(form->peopleGrid.cell(book::colKey, 3), "0717");
    EXPECT_EQ(form->peopleGrid.cell(book::colShownDate, 3), "July,17");
    EXPECT_EQ(storedFirstNames(), gridFirstNames());
}

// Day 0 is refused, but a day 0 already stored stays.
TEST_F(Editor, DaysAgainstTheLengthOfTheirMonthAndDayZero) {
    const Row stored0 = person("0300", "Old", "March, 0");
    start({stored0});
    struct Case {
        int monthIndex;
        const char* day;
        const char* refusal;  // nullptr when the day is accepted
    };
    const Case cases[] = {
        {1, "29", nullptr},
        {1, "30", "there are 29 days at max. in February"},
        {3, "30", nullptr},
        {3, "31", "There are 30 days at max. in April"},
        {10, "31", "There are 30 days at max. in November"},
        {0, "31", nullptr},
        {0, "32", "There are 31 days at max. in January"},
        {11, "32", "There are 31 days at max. in December"},
        {2, "0", "There is no day 0"},
        {2, "00", "There is no day 0"},
        {2, "9", nullptr},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> before = gridFirstNames();
        add("Dara", c.monthIndex, c.day);
        if (c.refusal == nullptr) {
            EXPECT_TRUE(newBoxes().empty()) << c.monthIndex << " " << c.day;
            EXPECT_EQ(form->entryMode, MainWindow::panelClosed);
            continue;
        }
        expectRefused(c.refusal, &form->dayBox);
        EXPECT_TRUE(form->entryPanel.visible());
        EXPECT_EQ(form->entryMode, MainWindow::panelAdding);
        EXPECT_EQ(gridFirstNames(), before) << "nothing written";
        click(form->cancelButton);
    }
    EXPECT_EQ(stored(), (std::vector<Row>{person("0131", "Dara", "January,31"),
                                          person("0229", "Dara", "February,29"), stored0,
                                          person("0309", "Dara", "March, 9"),
                                          person("0430", "Dara", "April,30")}));
}

// The message loop runs the timer while Ok's message is open: the day's
// check then sees the people as they were before Ok.
TEST_F(Editor, ATickWhileOksMessageIsOpenSeesTheGridUnchanged) {
    start({anis});
    platform::headless::setNow({2027, 3, 5, 0, 1, 0});
    std::vector<std::string> seenDuringTheBox;
    platform::headless::duringNextBox([&] {
        platform::headless::tick(form->checkTimer);
        seenDuringTheBox = gridFirstNames();
    });
    add("Dara", 1, "30");
    expectRefused("there are 29 days at max. in February", &form->dayBox);
    EXPECT_EQ(seenDuringTheBox, std::vector<std::string>{"Anis"});
    ASSERT_EQ(form->reminderWindows().size(), 1u);
    EXPECT_EQ(form->reminderWindows()[0]->sentenceLabel.text(),
              "Birtday of Anis  on Friday March, 5.");
    EXPECT_EQ(gridFirstNames(), std::vector<std::string>{"Anis"});
    EXPECT_EQ(form->entryMode, MainWindow::panelAdding);
}

TEST_F(Editor, FirstNameComesBeforeTheDayAndBlanksAreNoEntry) {
    start();
    openAdd();
    type(form->firstNameBox, "   ");
    type(form->surnameBox, "Okafor");
    click(form->okButton);
    expectRefused("Please enter the firstname", &form->firstNameBox);

    type(form->firstNameBox, "Dara");
    paste(form->dayBox, " ");
    click(form->okButton);
    expectRefused("Please enter the birtday", &form->dayBox);
    EXPECT_EQ(form->entryMode, MainWindow::panelAdding);
    EXPECT_FALSE(test_support::exists(contactFile()));
}

TEST_F(Editor, DayBoxTakesTwoDigitsAndBackspace) {
    start();
    openAdd();
    type(form->dayBox, "a 1\t-");
    EXPECT_EQ(form->dayBox.text(), "1");
    type(form->dayBox, "23");
    EXPECT_EQ(form->dayBox.text(), "12") << "a third digit is dropped";
    type(form->dayBox, "\b4");
    EXPECT_EQ(form->dayBox.text(), "14");
    type(form->dayBox, "\b\b\b7");
    EXPECT_EQ(form->dayBox.text(), "7");
}

TEST_F(Editor, PastedDayThatIsNoNumberChangesNothing) {
    start({anis});
    for (const char* pasted : {"1a", "-5", "+5"}) {
        openAdd();
        type(form->firstNameBox, "Dara");
        paste(form->dayBox, pasted);
        click(form->okButton);
        expectStandardError();
        EXPECT_EQ(form->entryMode, MainWindow::panelAdding) << pasted;
        EXPECT_TRUE(form->entryPanel.visible());
        EXPECT_EQ(form->peopleGrid.rowCount(), 2);
        EXPECT_EQ(stored(), std::vector<Row>{anis});
        click(form->cancelButton);
    }
}

TEST_F(Editor, ModifyFillsThePanelFromTheRow) {
    Row full{"0305", " Dara ",   "Okafor",       "d@x.org",       "01",
             "02",   "March, 5", "Call phone 2", "3 days before", "Other"};
    start({full, person("0315", "Ines", "March,15")});
    openModify(1);
    EXPECT_EQ(boxTexts(), (Row{"Dara", "Okafor", "d@x.org", "01", "02", "5", "Other"}));
    EXPECT_EQ((std::vector<int>{form->monthList.itemIndex(), form->actionList.itemIndex(),
                                form->leadTimeList.itemIndex()}),
              (std::vector<int>{2, 2, 3}));
    EXPECT_EQ(form->entryPanel.text(), " Modify ");
    EXPECT_EQ(form->peopleGrid.height(), 209);
    EXPECT_FALSE(form->addButton.visible());
    EXPECT_FALSE(form->modifyButton.visible());
    EXPECT_EQ(form->entryMode, MainWindow::panelModifying);
    EXPECT_EQ(form->editedRow, 1);
    EXPECT_EQ(platform::headless::focused(), &form->firstNameBox);
    EXPECT_TRUE(platform::headless::wholeTextSelected(form->firstNameBox))
        << "typing replaces the name";

    selectRow(form->peopleGrid, 2);
    EXPECT_TRUE(form->modifyButton.visible()) << "selecting shows Modify while the panel is open";
    click(form->modifyButton);
    EXPECT_EQ(form->dayBox.text(), "15");
    EXPECT_EQ(form->monthList.text(), "March");
    EXPECT_EQ(form->editedRow, 2);
}

TEST_F(Editor, FreeReasonShowsAsBirtdayAndIsStoredSo) {
    start({person("0305", "Dara", "March, 5", "Graduation")});
    openModify(1);
    EXPECT_EQ(form->reasonBox.text(), "Birtday");
    click(form->okButton);
    EXPECT_EQ(stored()[0][book::colReason], "Birtday");
}

TEST_F(Editor, ModifyThenCancelChangesNothing) {
    start({zoe, anis});
    const std::string before = storedBytes();
    openModify(2);
    replaceText(form->firstNameBox, "Someone else");
    click(form->cancelButton);
    expectPanelClosed();
    EXPECT_TRUE(form->modifyButton.visible());
    EXPECT_EQ(gridRow(2), anis);
    EXPECT_EQ(storedBytes(), before);
    EXPECT_EQ(form->firstNameBox.text(), "Someone else") << "the boxes keep their texts";
}

TEST_F(Editor, ModifyWritesTheSamePersonAndSortsAgain) {
    start({zoe, anis, malo});
    openModify(1);
    pick(form->monthList, 11);
    replaceText(form->dayBox, "31");
    click(form->okButton);
    EXPECT_EQ(gridFirstNames(), (std::vector<std::string>{"Anis", "Malo", "Zoe"}));
    EXPECT_EQ(form->peopleGrid.cell(book::colKey, 3), "1231");
    EXPECT_EQ(storedFirstNames(), gridFirstNames());
    expectPanelClosed();
}

TEST_F(Editor, DeletingTheOnlyPersonLeavesTheEmptyPlaceholder) {
    start({anis});
    selectRow(form->peopleGrid, 1);
    click(form->deleteButton);
    EXPECT_EQ(form->peopleGrid.rowCount(), 2);
    EXPECT_EQ(gridRow(1), Row(book::columnCount));
    EXPECT_FALSE(form->modifyButton.visible());
    EXPECT_FALSE(form->deleteButton.visible());
    EXPECT_TRUE(test_support::exists(contactFile()));
    EXPECT_EQ(storedBytes(), "");

    add("Dara", 0, "1");
    EXPECT_EQ(form->peopleGrid.rowCount(), 2) << "Add reuses row 1";
}

TEST_F(Editor, DeletingOneOfSeveralWritesAtOnceAndAsksNothing) {
    start({zoe, anis, malo});
    selectRow(form->peopleGrid, 2);
    click(form->deleteButton);
    EXPECT_TRUE(shownBoxes().empty());
    EXPECT_EQ(gridFirstNames(), (std::vector<std::string>{"Zoe", "Malo"}));
    EXPECT_EQ(stored(), (std::vector<Row>{zoe, malo}));
    EXPECT_TRUE(form->modifyButton.visible());
}

// On the empty placeholder row Modify, Delete and Enter do nothing, Cancel
// leaves the buttons hidden, and Enter acts as Ok once the panel is open.
TEST_F(Editor, OnThePlaceholderRowOnlyAddActsAndEnterOnlyWhileThePanelIsOpen) {
    start();
    form->onModify();
    form->onDelete();
    pressEnter(*form);
    EXPECT_FALSE(form->entryPanel.visible());
    EXPECT_EQ(form->entryMode, MainWindow::panelClosed);
    EXPECT_FALSE(test_support::exists(contactFile()));

    openAdd();
    click(form->cancelButton);
    expectPanelClosed();
    EXPECT_FALSE(form->modifyButton.visible());

    openAdd();
    enter("Dara", 2, "5");
    pressEnter(*form);
    EXPECT_EQ(storedFirstNames(), std::vector<std::string>{"Dara"});
    expectPanelClosed();
}

TEST_F(Editor, SelectingARowShowsModifyAndDeleteOnlyForAPerson) {
    start({anis});
    selectRow(form->peopleGrid, 1);
    EXPECT_TRUE(form->deleteButton.visible());
    openAdd();
    selectRow(form->peopleGrid, 1);
    EXPECT_TRUE(form->modifyButton.visible());
    EXPECT_TRUE(form->deleteButton.visible());
    EXPECT_EQ(form->entryMode, MainWindow::panelAdding) << "selecting leaves the panel as it is";
}

TEST_F(Editor, BoxesStopAtWhatTheContactFileKeeps) {
    start();
    openAdd();
    type(form->firstNameBox, std::string(70, 'f'));
    paste(form->surnameBox, std::string(65, 's'));
    type(form->emailBox, std::string(61, 'e'));
    type(form->phone1Box, std::string(31, '1'));
    paste(form->phone2Box, std::string(40, '2'));
    typeInto(form->reasonBox, std::string(45, 'r'));
    pick(form->monthList, 0);
    type(form->dayBox, "1");
    click(form->okButton);
    const Row written = gridRow(1);
    std::vector<std::size_t> sizes;
    for (int col : {book::colFirstName, book::colSurname, book::colEmail, book::colPhone1,
                    book::colPhone2, book::colReason})
        sizes.push_back(written[col].size());
    EXPECT_EQ(sizes, (std::vector<std::size_t>{60, 60, 60, 30, 30, 40}));
    EXPECT_EQ(stored(), std::vector<Row>{written}) << "nothing is cut at the next start";
}

// Pasted text passes no key filter; Ok judges all of it, and a day longer
// than the key's two characters is stored by its number.
TEST_F(Editor, PastedDayIsJudgedWhole) {
    start();
    openAdd();
    type(form->firstNameBox, "Dara");
    paste(form->dayBox, "123");
    EXPECT_EQ(form->dayBox.text(), "123");
    click(form->okButton);
    expectRefused("There are 31 days at max. in January", &form->dayBox);
    form->dayBox.adoptText("");
    paste(form->dayBox, "007");
    click(form->okButton);
    EXPECT_EQ(stored(), std::vector<Row>{person("0107", "Dara", "January, 7")});
}

class FullEditor : public Editor {
protected:
    // Fills the grid with people without a key, who sort before any birthday:
    // the limit counts rows.
    void fillTo(int people) {
        form->peopleGrid.setRowCount(people + 1);
        for (int row = 1; row <= people; ++row)
            form->peopleGrid.setCell(book::colFirstName, row, "P" + std::to_string(row));
    }
};

TEST_F(FullEditor, The32768thPersonIsRefused) {
    start();
    fillTo(book::maxPeople);
    add("Dara", 0, "1");
    expectRefused("The list is full: 32767 people at most", nullptr);
    EXPECT_EQ(form->peopleGrid.rowCount(), book::maxPeople + 1);
    EXPECT_EQ(form->entryMode, MainWindow::panelAdding);
    EXPECT_FALSE(test_support::exists(contactFile()));
}

TEST_F(FullEditor, The32767thPersonIsTaken) {
    start();
    fillTo(book::maxPeople - 1);
    add("Dara", 0, "1");
    EXPECT_TRUE(shownBoxes().empty());
    EXPECT_EQ(form->peopleGrid.rowCount(), book::maxPeople + 1);
    const std::vector<std::string> names = storedFirstNames();
    EXPECT_EQ(names.size(), static_cast<std::size_t>(book::maxPeople)) << "nobody is left out";
    EXPECT_EQ(names.back(), "Dara");
}

// While a person is being modified, the row Ok writes follows that person.
TEST_F(Editor, OkWritesThePersonOpenedEvenAfterTheOrderMenuSorted) {
    start({zoe, anis, malo});
    openModify(1);
    click(form->byFirstNameItem);
    ASSERT_EQ(gridFirstNames(), (std::vector<std::string>{"Anis", "Malo", "Zoe"}));
    EXPECT_EQ(form->editedRow, 3);
    type(form->surnameBox, "Durand");
    click(form->okButton);
    EXPECT_EQ(gridFirstNames(), (std::vector<std::string>{"Anis", "Malo", "Zoe"}));
    EXPECT_EQ(form->peopleGrid.cell(book::colSurname, 3), "Durand");
    Row zoeDurand = zoe;
    zoeDurand[book::colSurname] = "Durand";
    EXPECT_EQ(stored(), (std::vector<Row>{anis, malo, zoeDurand}));
}

// Deleting a row above the one being modified, or below it, leaves the panel
// open on the same person, whom Ok writes.
TEST_F(Editor, OkWritesThePersonOpenedAfterAnotherRowWasDeleted) {
    const struct {
        int modified, deleted, editedRow;
        std::string newName;
        std::vector<std::string> storedNames;
    } cases[] = {{3, 1, 2, "Malou", {"Anis", "Malou"}}, {1, 3, 1, "Zoey", {"Zoey", "Anis"}}};
    for (const auto& c : cases) {
        restart({zoe, anis, malo});
        deleteWhileModifying(c.modified, c.deleted);
        EXPECT_EQ(form->editedRow, c.editedRow);
        EXPECT_TRUE(form->entryPanel.visible()) << "deleting someone else leaves the panel open";
        replaceText(form->firstNameBox, c.newName);
        click(form->okButton);
        EXPECT_EQ(storedFirstNames(), c.storedNames);
    }
}

TEST_F(Editor, DeletingThePersonBeingModifiedClosesThePanelAsCancel) {
    start({zoe, anis, malo});
    deleteWhileModifying(2, 2);
    expectPanelClosed();
    EXPECT_TRUE(form->modifyButton.visible()) << "the selected row now holds Malo";
    EXPECT_EQ(stored(), (std::vector<Row>{zoe, malo}));
    pressEnter(*form);
    EXPECT_EQ(stored(), (std::vector<Row>{zoe, malo})) << "no Ok is left to write anybody";
}

TEST_F(Editor, DeletingTheOnlyPersonWhileModifyingItClosesThePanel) {
    start({anis});
    deleteWhileModifying(1, 1);
    expectPanelClosed();
    EXPECT_FALSE(form->modifyButton.visible());
    EXPECT_EQ(gridRow(1), Row(book::columnCount));
    EXPECT_EQ(storedBytes(), "");
}

TEST_F(Editor, FailedWriteAfterOkKeepsTheFileAndClosesThePanel) {
    start({anis});
    const std::string before = storedBytes();
    platform::fs::failAfter(platform::fs::Op::Replace);
    add("Dara", 0, "2");
    expectStandardError();
    EXPECT_EQ(storedBytes(), before);
    EXPECT_EQ(gridFirstNames(), (std::vector<std::string>{"Dara", "Anis"}));
    expectPanelClosed();
    EXPECT_TRUE(form->modifyButton.visible());
    pressEnter(*form);
    EXPECT_EQ(form->peopleGrid.rowCount(), 3) << "a second Ok cannot add Dara twice";

    add("Noor", 11, "1");
    EXPECT_TRUE(newBoxes().empty());
    EXPECT_EQ(storedFirstNames(), (std::vector<std::string>{"Dara", "Anis", "Noor"}));
}

// Another process holding the contact file for a moment is waited out; one
// that holds it for good is told once, after about two seconds, with the old
// file whole and the finished change already on screen. A read-only file,
// which stays so, is told at once.
TEST_F(Editor, AContactFileHeldByAnotherProcessIsWaitedOut) {
    start({anis});
    platform::fs::holdReplaceTarget(3);
    add("Dara", 0, "2");
    EXPECT_TRUE(newBoxes().empty());
    EXPECT_EQ(storedFirstNames(), (std::vector<std::string>{"Dara", "Anis"}));
    EXPECT_FALSE(test_support::exists(contactFile() + ".tmp"));

    const std::string before = storedBytes();
    platform::fs::holdReplaceTarget(platform::fs::heldForever);
    const int repaints = platform::headless::repaintsNow(*form);
    bool shownBeforeTheSaveEnded = false;
    platform::headless::duringNextBox([&] {
        shownBeforeTheSaveEnded =
            !form->entryPanel.visible() && platform::headless::repaintsNow(*form) == repaints + 1;
    });
    const auto started = std::chrono::steady_clock::now();
    add("Noor", 11, "1");
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(1900));
    expectStandardError();
    EXPECT_TRUE(shownBeforeTheSaveEnded);
    EXPECT_EQ(storedBytes(), before);
    EXPECT_FALSE(test_support::exists(contactFile() + ".tmp"));

    platform::fs::clearFaults();
    test_support::setReadOnly(contactFile(), true);
    const auto readOnlyStarted = std::chrono::steady_clock::now();
    add("Lou", 2, "3");
    EXPECT_LT(std::chrono::steady_clock::now() - readOnlyStarted, std::chrono::milliseconds(500));
    expectStandardError();
    test_support::setReadOnly(contactFile(), false);
    EXPECT_EQ(storedBytes(), before);
    EXPECT_FALSE(test_support::exists(contactFile() + ".tmp"));
}

TEST_F(Editor, FailedWriteAfterDeleteKeepsTheFileAndTheGridsChange) {
    start({zoe, anis});
    const std::string before = storedBytes();
    platform::fs::failAfter(platform::fs::Op::Write);
    selectRow(form->peopleGrid, 1);
    click(form->deleteButton);
    expectStandardError();
    EXPECT_EQ(storedBytes(), before);
    EXPECT_FALSE(test_support::exists(contactFile() + ".tmp"));
    EXPECT_EQ(gridFirstNames(), std::vector<std::string>{"Anis"});
}

TEST_F(Editor, AnUnsavedChangeIsWrittenWhenTheProgramEnds) {
    start({anis});
    form->saveUnsavedChanges();
    EXPECT_TRUE(newBoxes().empty());

    platform::fs::failAfter(platform::fs::Op::Create);
    add("Dara", 0, "2");
    expectStandardError();
    platform::fs::failAfter(platform::fs::Op::Create);
    form->saveUnsavedChanges();
    expectStandardError();
    EXPECT_EQ(stored(), std::vector<Row>{anis}) << "a failure at the end is reported too";

    form->saveUnsavedChanges();
    EXPECT_TRUE(newBoxes().empty());
    EXPECT_EQ(storedFirstNames(), (std::vector<std::string>{"Dara", "Anis"}));
    EXPECT_FALSE(test_support::exists(dataFile("dates.unsaved"))) << "kept only until saved";
    platform::fs::failAfter(platform::fs::Op::Create);
    form->saveUnsavedChanges();
    EXPECT_TRUE(newBoxes().empty()) << "nothing is left to write";
}

TEST_F(Editor, AContactFileUnreadableAtStartIsNeverReplaced) {
    prepareDataFolder();
    test_support::writeBytes(contactFile(), test_support::records({zoe, anis}));
    platform::fs::failAfter(platform::fs::Op::Read);
    start();
    expectStandardError();
    add("Dara", 0, "2");
    expectStandardError();
    EXPECT_EQ(stored(), (std::vector<Row>{zoe, anis}));
    selectRow(form->peopleGrid, 1);
    click(form->deleteButton);
    expectStandardError();
    form->saveUnsavedChanges();
    expectStandardError();
    EXPECT_EQ(stored(), (std::vector<Row>{zoe, anis}));
}

}  // namespace

// The Edit menu: Undo of this run's changes, saved and merged as any change,
// Find... and F3, and the list's search as the user types in it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "book/contact_table.h"
#include "platform/application.h"
#include "test_support/headless_fixture.h"
#include "test_support/records.h"

namespace {

namespace hl = platform::headless;
using Row = std::vector<std::string>;
using Rows = std::vector<Row>;

Row person(const std::string& key, const std::string& shown, const std::string& firstName,
           const std::string& surname, const std::string& email = "") {
    return {key, firstName, surname, email, "", "", shown, "Other", "The exact day", "Birtday"};
}

const Row ann = person("0303", "March, 3", "Ann", "Smith", "ann@home.example");
const Row bob = person("0101", "January, 1", "Bob", "Adams");
const Row cid = person("0202", "February, 2", "Maria", "Lopez", "ml@work.example");

class EditMenu : public test_support::HeadlessTest {
protected:
    void start(const Rows& people) {
        prepareDataFolder();
        test_support::writeBytes(contactFile(), test_support::records(people));
        form = createMainWindow();
        platform::application::run(*form);
    }
    // As a sync engine writes the other PC's save.
    void storeFromOtherPc(const Rows& people) const {
        test_support::writeBytes(contactFile() + ".sync", test_support::records(people));
        std::filesystem::rename(onDisk(contactFile() + ".sync"), onDisk(contactFile()));
    }
    static std::filesystem::path onDisk(std::string path) {
        std::replace(path.begin(), path.end(), '\\', '/');
        return path;
    }
    std::string contactFile() const { return dataFile("dates.txt"); }
    Rows stored() const {
        return test_support::peopleOfRecords(test_support::readBytes(contactFile()));
    }
    Rows grid() const { return rowsOf(form->peopleGrid); }
    std::string selectedName() const {
        return form->peopleGrid.cell(book::colFirstName, form->peopleGrid.row());
    }
    void undo() { hl::click(form->undoItem); }

    std::unique_ptr<MainWindow> form;
};

TEST_F(EditMenu, UndoTakesBackEachChangeOfThisRunLastFirstSavingEach) {
    start({bob, cid, ann});
    EXPECT_FALSE(form->undoItem.enabled());
    EXPECT_EQ(form->undoItem.caption(), "&Undo\tCtrl+Z");

    hl::click(form->addButton);
    EXPECT_FALSE(form->undoItem.enabled()) << "not while the panel is open";
    hl::type(form->firstNameBox, "Dee & Co");
    hl::type(form->dayBox, "9");
    hl::click(form->okButton);
    const Rows added = grid();
    hl::selectRow(form->peopleGrid, 4);
    hl::click(form->modifyButton);
    hl::type(form->surnameBox, "-Ray");
    hl::click(form->okButton);
    EXPECT_EQ(form->undoItem.caption(), "&Undo change of Ann Smith-Ray\tCtrl+Z");
    hl::selectRow(form->peopleGrid, 3);
    hl::click(form->deleteButton);
    EXPECT_TRUE(form->undoItem.enabled());
    EXPECT_EQ(form->undoItem.caption(), "&Undo delete of Maria Lopez\tCtrl+Z");

    undo();
    EXPECT_EQ(selectedName(), "Maria") << "the person put back is selected";
    EXPECT_TRUE(form->deleteButton.visible());
    EXPECT_EQ(stored()[2], cid);
    undo();
    EXPECT_EQ(grid(), added);
    EXPECT_EQ(form->undoItem.caption(), "&Undo add of Dee && Co\tCtrl+Z");
    undo();
    EXPECT_EQ(grid(), (Rows{bob, cid, ann}));
    EXPECT_EQ(stored(), grid());
    EXPECT_FALSE(form->undoItem.enabled());
    EXPECT_EQ(form->undoItem.caption(), "&Undo\tCtrl+Z");
    EXPECT_TRUE(hl::shownBoxes().empty());
}

TEST_F(EditMenu, UndoLeavesWhatTheOtherPcChangedSinceAndSaysSo) {
    start({bob, ann});
    hl::selectRow(form->peopleGrid, 2);
    hl::click(form->modifyButton);
    hl::type(form->phone1Box, "1");
    hl::click(form->okButton);
    Row theirs = ann;
    theirs[book::colPhone1] = "2";
    storeFromOtherPc({bob, theirs, cid});

    undo();
    EXPECT_EQ(grid(), (Rows{bob, cid, theirs}));
    EXPECT_EQ(stored(), grid());
    ASSERT_EQ(hl::shownBoxes().size(), 1u);
    EXPECT_EQ(hl::shownBoxes()[0].text,
              "These people were changed or deleted on another PC since, so the undo left them "
              "as they are:\r\n\r\nAnn Smith\r\n");
    EXPECT_EQ(hl::shownBoxes()[0].icon, platform::MbIcon::Information);
    EXPECT_FALSE(form->undoItem.enabled());
}

TEST_F(EditMenu, UndoOfADeleteAtTheListsLimitPutsThePersonBack) {
    Rows full(book::maxPeople, bob);
    full.back() = cid;
    start(full);
    const auto bytes = std::filesystem::file_size(onDisk(contactFile()));
    const int last = form->peopleGrid.rowCount() - 1;
    hl::selectRow(form->peopleGrid, last);
    hl::click(form->deleteButton);
    undo();
    EXPECT_EQ(form->peopleGrid.rowCount(), book::maxPeople + 1);
    EXPECT_EQ(form->peopleGrid.row(), last);
    EXPECT_EQ(selectedName(), "Maria");
    EXPECT_EQ(std::filesystem::file_size(onDisk(contactFile())), bytes);
}

TEST_F(EditMenu, TypingInTheListSelectsTheNextPersonBeginningSoInItsSortedColumn) {
    start({bob, cid, ann, person("0404", "April, 4", "Mark", "Ames")});
    platform::MenuItem* byDate = &form->byDateItem;
    platform::MenuItem* bySurname = &form->bySurnameItem;
    const std::vector<std::tuple<platform::MenuItem*, std::string, std::string>> cases{
        {byDate, "ma", "Maria"},  // by date: the first name
        {byDate, "M", "Mark"},    // one letter: from the row after
        {byDate, "MA", "Mark"},   // more letters: from the selected row
        {byDate, "m", "Maria"},   // round to the top
        {bySurname, "Am", "Mark"}, {bySurname, "x", "Mark"},
    };
    for (const auto& [order, typed, selected] : cases) {
        hl::click(*order);
        hl::typeInGrid(form->peopleGrid, typed);
        EXPECT_EQ(selectedName(), selected) << typed;
        EXPECT_TRUE(form->modifyButton.visible());
    }
}

TEST_F(EditMenu, FindSelectsTheNextPersonWithTheTextAndF3TheOneAfter) {
    start({bob, cid, ann});
    hl::click(form->findNextItem);
    ASSERT_NE(form->findBox(), nullptr) << "F3 with nothing to find opens the box";
    EXPECT_TRUE(form->findBox()->visible());
    hl::type(form->findBox()->findWhatBox, "EXAMPLE");
    hl::pressEnter(*form->findBox());
    EXPECT_EQ(selectedName(), "Maria");
    EXPECT_TRUE(form->deleteButton.visible());
    hl::click(form->findNextItem);
    EXPECT_EQ(selectedName(), "Ann");
    hl::click(form->findNextItem);
    EXPECT_EQ(selectedName(), "Maria");

    hl::click(form->findItem);
    hl::type(form->findBox()->findWhatBox, "nobody");
    hl::click(form->findBox()->findNextButton);
    EXPECT_EQ(selectedName(), "Maria");
    hl::pressEscape(*form->findBox());
    EXPECT_FALSE(form->findBox()->visible());
    ASSERT_EQ(hl::shownBoxes().size(), 1u);
    EXPECT_EQ(hl::shownBoxes()[0].text,
              "Nobody's first name, surname or e-mail contains \"nobody\".");
}

}  // namespace

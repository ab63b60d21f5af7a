// Options > Data folder...: the list moved to a folder of the user's choice,
// merged with the list already there, kept in "folder.txt", and moved back.
#include <gtest/gtest.h>

#include "book/contact_record.h"
#include "book/contact_table.h"
#include "platform/application.h"
#include "platform/headless/folder_picker_headless.h"
#include "test_support/headless_fixture.h"
#include "test_support/records.h"

namespace {

namespace hl = platform::headless;
using Row = std::vector<std::string>;
using Rows = std::vector<Row>;

Row person(const std::string& key, const std::string& firstName) {
    return {key, firstName, "Smith", "", "", "", "", "Other", "The exact day", "Birtday"};
}

const Row ann = person("0101", "Ann");
const Row bob = person("0202", "Bob");
const Row cid = person("0303", "Cid");

class DataFolderChoice : public test_support::HeadlessTest {
protected:
    DataFolderChoice() {
        prepareDataFolder();
        test_support::writeBytes(dataFile("dates.txt"), test_support::records({ann, bob}));
        test_support::writeBytes(dataFile("ordre_tri.txt"), "1\r\n");
        test_support::writeBytes(dataFile("catch_up.txt"), "*\r\n");
        synced = elsewhere.path() + "\\Dropbox\\";
        test_support::makeFolder(synced);
    }

    void start() {
        form = createMainWindow();
        platform::application::run(*form);
    }
    void choose(const std::string& folder) {
        hl::answerNextFolderPicker(folder);
        hl::click(form->dataFolderItem);
    }
    bool has(const std::string& folder, const std::string& name) const {
        return test_support::exists(folder + name);
    }

    test_support::TestFolder elsewhere;
    std::string synced;
    std::unique_ptr<MainWindow> form;
};

TEST_F(DataFolderChoice, AFolderWithoutAListTakesTheDataFilesAndIsKeptForTheNextStart) {
    start();
    choose(synced.substr(0, synced.size() - 1));
    ASSERT_EQ(hl::shownFolderPickers().size(), 1u);
    EXPECT_EQ(hl::shownFolderPickers()[0].title, "Where Festorin keeps its list");
    EXPECT_EQ(hl::shownFolderPickers()[0].startFolder, dataFolder());
    EXPECT_TRUE(hl::shownBoxes().empty());
    EXPECT_EQ(form->dataFolder, synced);
    EXPECT_EQ(test_support::readBytes(synced + "dates.txt"), test_support::records({ann, bob}));
    EXPECT_EQ(test_support::readBytes(synced + "ordre_tri.txt"), "1\r\n");
    EXPECT_TRUE(has(synced, "catch_up.txt"));
    for (const char* name : {"dates.txt", "ordre_tri.txt", "catch_up.txt"})
        EXPECT_FALSE(has(dataFolder(), name)) << name;
    EXPECT_EQ(test_support::readBytes(dataFile("folder.txt")), synced + "\r\n");

    form.reset();
    start();
    EXPECT_EQ(form->dataFolder, synced);
    EXPECT_EQ(rowsOf(form->peopleGrid), (Rows{ann, bob}));

    choose(dataFolder());
    EXPECT_EQ(form->dataFolder, dataFolder()) << "back to the standard folder";
    EXPECT_EQ(test_support::readBytes(dataFile("dates.txt")), test_support::records({ann, bob}));
    EXPECT_FALSE(has(dataFolder(), "folder.txt"));
    EXPECT_FALSE(has(synced, "dates.txt"));
}

TEST_F(DataFolderChoice, AFolderHoldingTheOtherPcsListMergesBothKeepingEveryRowOnce) {
    test_support::writeBytes(synced + "dates.txt", test_support::records({bob, cid}));
    test_support::writeBytes(synced + "ordre_tri.txt", "0\r\n");
    start();
    choose(synced);
    EXPECT_EQ(form->dataFolder, synced);
    EXPECT_EQ(rowsOf(form->peopleGrid), (Rows{ann, bob, cid}));
    EXPECT_EQ(test_support::readBytes(synced + "dates.txt"),
              test_support::records({ann, bob, cid}));
    EXPECT_EQ(form->sortOrder, 0) << "that folder's order is taken";
    EXPECT_FALSE(form->showMissedRemindersItem.checked());
    EXPECT_FALSE(has(dataFolder(), "dates.txt"));
    EXPECT_TRUE(hl::shownBoxes().empty());

    // A folder whose list and this one together pass the table's limit.
    Rows full;
    for (int i = 0; i < book::maxPeople - 1; ++i)
        full.push_back(person("0101", "P" + std::to_string(i)));
    const std::string other = elsewhere.path() + "\\OneDrive\\";
    test_support::makeFolder(other);
    test_support::writeBytes(other + "dates.txt", test_support::records(full));
    choose(other);
    EXPECT_EQ(form->peopleGrid.rowCount() - 1, book::maxPeople);
    EXPECT_EQ(test_support::readBytes(other + "dates.txt").size(), book::maxPeople * 364u);
    ASSERT_EQ(hl::shownBoxes().size(), 1u);
    EXPECT_EQ(hl::shownBoxes()[0].icon, platform::MbIcon::Error);
    EXPECT_NE(hl::shownBoxes()[0].text.find("\r\n\r\nBob Smith\r\nCid Smith\r\n"),
              std::string::npos);
}

// The second file, or "folder.txt" after all three, cannot be written.
TEST_F(DataFolderChoice, AFolderThatCannotBeWrittenIsReportedAndNothingMoves) {
    start();
    for (int filesWritten : {1, 3}) {
        SCOPED_TRACE(filesWritten);
        platform::fs::failAfter(platform::fs::Op::Create, filesWritten);
        choose(synced);
        ASSERT_EQ(hl::shownBoxes().size(), filesWritten == 1 ? 1u : 2u);
        EXPECT_EQ(hl::shownBoxes().back().icon, platform::MbIcon::Error);
        EXPECT_EQ(form->dataFolder, dataFolder());
        EXPECT_FALSE(has(synced, "dates.txt"));
        EXPECT_FALSE(has(synced, "ordre_tri.txt"));
        EXPECT_TRUE(has(dataFolder(), "dates.txt"));
        EXPECT_TRUE(has(dataFolder(), "ordre_tri.txt"));
        EXPECT_FALSE(has(dataFolder(), "folder.txt"));
    }
}

TEST_F(DataFolderChoice, AChosenFolderMissingAtStartIsReportedOnceAndTheStandardOneServes) {
    test_support::writeBytes(dataFile("folder.txt"), "Z:\\Dropbox\\Festorin\\\r\n");
    start();
    ASSERT_EQ(hl::shownBoxes().size(), 1u);
    EXPECT_NE(hl::shownBoxes()[0].text.find("Z:\\Dropbox\\Festorin\\"), std::string::npos);
    EXPECT_EQ(form->dataFolder, dataFolder());
    EXPECT_EQ(rowsOf(form->peopleGrid), (Rows{ann, bob}));
    hl::click(form->dataFolderItem);
    EXPECT_EQ(hl::shownBoxes().size(), 1u) << "a cancelled picker changes nothing";
}

}  // namespace

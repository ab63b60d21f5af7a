// Options > Data folder...: the list copied to a folder of the user's choice,
// merged with the list already there, kept in "folder.txt", and taken back;
// the folder left keeps its files.
#include <gtest/gtest.h>

#include "book/contact_record.h"
#include "book/contact_table.h"
#include "platform/application.h"
#include "platform/file_system.h"
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
    test_support::setWrittenSecondsAgo(dataFile("dates.txt"), 60);
    const std::int64_t written = platform::fs::lastWriteTime(dataFile("dates.txt"));
    choose(dataFolder().substr(0, dataFolder().size() - 1));
    EXPECT_FALSE(has(dataFolder(), "folder.txt")) << "the folder in use changes nothing";
    EXPECT_EQ(platform::fs::lastWriteTime(dataFile("dates.txt")), written);
    EXPECT_EQ(test_support::readBytes(dataFile("dates.txt")), test_support::records({ann, bob}));
    choose(synced.substr(0, synced.size() - 1));
    ASSERT_EQ(hl::shownFolderPickers().size(), 2u);
    EXPECT_EQ(hl::shownFolderPickers()[0].title, "Where Festorin keeps its list");
    EXPECT_EQ(hl::shownFolderPickers()[0].startFolder, dataFolder());
    EXPECT_TRUE(hl::shownBoxes().empty());
    EXPECT_EQ(form->dataFolder, synced);
    EXPECT_EQ(test_support::readBytes(synced + "dates.txt"), test_support::records({ann, bob}));
    EXPECT_EQ(test_support::readBytes(synced + "ordre_tri.txt"), "1\r\n");
    EXPECT_TRUE(has(synced, "catch_up.txt"));
    for (const char* name : {"dates.txt", "ordre_tri.txt", "catch_up.txt"})
        EXPECT_TRUE(has(dataFolder(), name)) << name << " is left where it was";
    EXPECT_EQ(test_support::readBytes(dataFile("folder.txt")), synced + "\r\n");

    // The other PC deletes Bob and turns the missed reminders off.
    test_support::writeBytes(synced + "dates.txt", test_support::records({ann}));
    platform::fs::remove(synced + "catch_up.txt");
    form.reset();
    start();
    EXPECT_EQ(form->dataFolder, synced);
    EXPECT_EQ(rowsOf(form->peopleGrid), (Rows{ann}));

    test_support::setWrittenSecondsAgo(dataFile("dates.txt"), 60);
    choose(dataFolder());
    EXPECT_EQ(form->dataFolder, dataFolder()) << "back to the standard folder";
    EXPECT_EQ(test_support::readBytes(dataFile("dates.txt")), test_support::records({ann}))
        << "Bob, deleted since, stays deleted";
    EXPECT_FALSE(has(dataFolder(), "catch_up.txt"));
    EXPECT_FALSE(has(dataFolder(), "folder.txt"));
    EXPECT_EQ(test_support::readBytes(synced + "dates.txt"), test_support::records({ann}))
        << "the other PCs keep the list";
    EXPECT_TRUE(has(synced, "ordre_tri.txt"));

    // Cid was saved here after the choice of the synced folder, while it was
    // missing: going back merges him.
    choose(synced);
    test_support::writeBytes(dataFile("dates.txt"), test_support::records({ann, cid}));
    choose(dataFolder());
    EXPECT_EQ(rowsOf(form->peopleGrid), (Rows{ann, cid}));
    EXPECT_EQ(test_support::readBytes(dataFile("dates.txt")), test_support::records({ann, cid}));
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
    EXPECT_EQ(test_support::readBytes(dataFile("dates.txt")), test_support::records({ann, bob}));
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

// Bob, deleted on the other PC while this one used OneDrive, stays deleted
// when this one moves back after a restart; Cid, added there since, stays.
TEST_F(DataFolderChoice, MovingBackIntoAFolderMergesOverTheListKeptForIt) {
    const std::string other = elsewhere.path() + "\\OneDrive\\";
    test_support::makeFolder(other);
    start();
    choose(synced);
    choose(other);
    test_support::writeBytes(other + "dates.txt", test_support::records({ann}));
    test_support::writeBytes(synced + "dates.txt", test_support::records({ann, bob, cid}));
    form.reset();
    start();
    choose(synced);
    EXPECT_EQ(rowsOf(form->peopleGrid), (Rows{ann, cid}));
    EXPECT_EQ(test_support::readBytes(synced + "dates.txt"), test_support::records({ann, cid}));
}

TEST_F(DataFolderChoice, AMergeBeyondTheFullListKeepsTheFullListAndNamesTheRest) {
    Rows there;
    for (int i = 0; i < book::maxPeople - 1; ++i)
        there.push_back(person("0101", "P" + std::to_string(i)));
    test_support::writeBytes(synced + "dates.txt", test_support::records(there));
    start();
    choose(synced);
    EXPECT_EQ(form->peopleGrid.rowCount() - 1, book::maxPeople);
    EXPECT_EQ(test_support::readBytes(synced + "dates.txt").size(), book::maxPeople * 364u);
    ASSERT_EQ(hl::shownBoxes().size(), 1u);
    EXPECT_NE(hl::shownBoxes()[0].text.find("\r\nBob Smith"), std::string::npos)
        << hl::shownBoxes()[0].text;
}

// The second file, or "folder.txt" after all three, cannot be written; or
// the folder holds a list and the merged one cannot be written there.
TEST_F(DataFolderChoice, AFolderThatCannotBeWrittenIsReportedAndNothingMoves) {
    start();
    for (int filesWritten : {1, 3, 0}) {
        SCOPED_TRACE(filesWritten);
        if (filesWritten == 0)
            test_support::writeBytes(synced + "dates.txt", test_support::records({cid}));
        platform::fs::failAfter(platform::fs::Op::Create, filesWritten);
        choose(synced);
        ASSERT_EQ(hl::shownBoxes().size(), filesWritten == 1 ? 1u : filesWritten == 3 ? 2u : 3u);
        EXPECT_EQ(hl::shownBoxes().back().icon, platform::MbIcon::Error);
        EXPECT_EQ(form->dataFolder, dataFolder());
        EXPECT_EQ(rowsOf(form->peopleGrid), (Rows{ann, bob}));
        EXPECT_EQ(has(synced, "dates.txt"), filesWritten == 0);
        EXPECT_FALSE(has(synced, "ordre_tri.txt"));
        EXPECT_EQ(test_support::readBytes(dataFile("dates.txt")),
                  test_support::records({ann, bob}));
        EXPECT_EQ(test_support::readBytes(dataFile("ordre_tri.txt")), "1\r\n");
        EXPECT_FALSE(has(dataFolder(), "folder.txt"));
    }
}

// Cid is saved while the folder is missing, over two starts; when it is back,
// holding the other PC's list without Bob, Cid is merged into it and named.
TEST_F(DataFolderChoice, AChosenFolderMissingAtStartIsReportedOnceAndTheStandardOneServes) {
    const std::string later = elsewhere.path() + "\\Later\\";
    test_support::writeBytes(dataFile("folder.txt"), later + "\r\n");
    start();
    ASSERT_EQ(hl::shownBoxes().size(), 1u);
    EXPECT_NE(hl::shownBoxes()[0].text.find(later), std::string::npos);
    EXPECT_EQ(form->dataFolder, dataFolder());
    EXPECT_EQ(rowsOf(form->peopleGrid), (Rows{ann, bob}));
    hl::click(form->dataFolderItem);
    EXPECT_EQ(hl::shownBoxes().size(), 1u) << "a cancelled picker changes nothing";

    test_support::writeBytes(dataFile("dates.txt"), test_support::records({ann, bob, cid}));
    form.reset();
    start();
    test_support::makeFolder(later);
    test_support::writeBytes(later + "dates.txt", test_support::records({ann}));
    form.reset();
    start();
    EXPECT_EQ(form->dataFolder, later);
    EXPECT_EQ(rowsOf(form->peopleGrid), (Rows{ann, cid}));
    EXPECT_EQ(test_support::readBytes(later + "dates.txt"), test_support::records({ann, cid}));
    ASSERT_EQ(hl::shownBoxes().size(), 3u);
    EXPECT_EQ(hl::shownBoxes()[2].text,
              "Festorin added to the list in \"" + later + "\" the people saved in \"" +
                  dataFolder() + "\" while that folder could not be found:\r\n\r\nCid Smith\r\n");
    form.reset();
    start();
    EXPECT_EQ(hl::shownBoxes().size(), 3u) << "merged once";
}

// "folder.txt" as an editor saves it: its encoding, blanks, a first empty
// line, quotes, a relative path; one that names no folder is told.
TEST_F(DataFolderChoice, FolderTxtIsReadAsPeopleWriteIt) {
    const std::string bare = synced.substr(0, synced.size() - 1);
    const std::string cyrillic = elsewhere.path() + "\\Синхро\\";
    const std::string cafe = elsewhere.path() + "\\Café\\";
    const std::string inside = dataFolder() + "Sync\\";
    for (const std::string& folder : {cyrillic, cafe, inside}) test_support::makeFolder(folder);
    const std::string utf16Mark = "\xFF\xFE";
    std::string utf16;
    for (char c : bare) utf16 += std::string{c, '\0'};
    const struct {
        std::string content, folder, said;
    } cases[] = {
        {bare + "\r\n", synced, ""},
        {"\xEF\xBB\xBF\r\n \t" + bare + " \t\r\nnotes\r\n", synced, ""},
        {utf16Mark + utf16 + std::string("\r\0\n\0", 4), synced, ""},
        {"\"" + bare + "\"", synced, ""},
        {cyrillic, cyrillic, ""},
        {elsewhere.path() + "\\Caf\xE9", cafe, ""},
        {"Sync", inside, ""},
        {" \t\r\n  \r\n", dataFolder(), "names no folder"},
        {dataFile("dates.txt"), dataFolder(), "is a file, not a folder"},
    };
    test_support::writeBytes(synced + "dates.txt", test_support::records({cid}));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        test_support::writeBytes(dataFile("folder.txt"), c.content);
        const std::size_t boxes = hl::shownBoxes().size();
        start();
        EXPECT_EQ(form->dataFolder, c.folder);
        if (c.folder == synced) {
            EXPECT_EQ(rowsOf(form->peopleGrid), (Rows{cid}));
        }
        ASSERT_EQ(hl::shownBoxes().size(), boxes + (c.said.empty() ? 0 : 1));
        if (!c.said.empty()) {
            EXPECT_NE(hl::shownBoxes().back().text.find(c.said), std::string::npos);
        }
        form.reset();
    }
}

}  // namespace

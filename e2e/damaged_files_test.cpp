// Data files that are damaged or are folders, under Wine: Festorin starts,
// says what it must, goes on working and keeps every person.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "e2e/harness.h"

namespace {

using e2e::Festorin;
using e2e::Person;

constexpr UINT_PTR reminderTimerId = 1;

class DamagedFilesTest : public ::testing::Test {
protected:
    void SetUp() override { e2e::clearDataFolder(); }

    static std::string randomBytes(std::size_t count, unsigned seed) {
        std::mt19937 random(seed);
        std::string bytes(count, '\0');
        for (char& byte : bytes) byte = static_cast<char>(random() & 0xFF);
        return bytes;
    }

    static void makeFolder(const std::string& name) {
        ASSERT_TRUE(CreateDirectoryA((e2e::dataFolder() + name).c_str(), nullptr));
    }

    // No box is open once Festorin has handled everything before.
    static bool quiet(const Festorin& festorin) {
        return festorin.settle() && festorin.openBoxes().empty();
    }

    // Adds a person through the panel; true when the contact file then holds `expected`.
    static bool addIsSaved(const Festorin& festorin, const Person& person,
                           const std::vector<Person>& expected) {
        festorin.enterPerson(person);
        festorin.click(festorin.okButton());
        return festorin.dataFile("dates.txt") == e2e::contactRecords(expected);
    }

    // Ok, or a menu item, whose save fails: the standard error box names the file.
    static void expectSaveRefused(const Festorin& festorin, const std::string& file) {
        const e2e::MessageBoxSeen box = festorin.waitForMessageBox();
        EXPECT_EQ(box.caption, "Festorin");
        EXPECT_EQ(box.text, "I/O error: cannot replace \"" + e2e::dataFolder() + file + "\"");
        EXPECT_TRUE(festorin.answer(box, IDOK));
    }
};

const Person ada = e2e::enteredPerson("Ada", "Lovelace", 1, 15);
const Person blaise = e2e::enteredPerson("Blaise", "Pascal", 5, 20);
const Person carl = e2e::enteredPerson("Carl", "Gauss", 11, 3);
const Person dora = e2e::enteredPerson("Dora", "Maar", 3, 7);

// Stored in no order; the grid must stand by date.
const std::vector<Person> stored{carl, ada, blaise};
const std::vector<Person> byDate{ada, blaise, carl};
const std::vector<Person> byDateWithDora{ada, dora, blaise, carl};

TEST_F(DamagedFilesTest, AContactFileThatIsAFolderStaysAndEverySaveIsReported) {
    makeFolder("dates.txt");
    Festorin festorin;
    ASSERT_TRUE(festorin.started());
    EXPECT_TRUE(quiet(festorin));

    festorin.enterPerson(dora);
    festorin.clickLater(festorin.okButton());
    expectSaveRefused(festorin, "dates.txt");
    EXPECT_EQ(festorin.gridPeople(), std::vector<Person>{dora});
    EXPECT_EQ(e2e::dataFolderEntries(), std::vector<std::string>{"dates.txt"});

    // Dora is still unsaved: the end of the program tries once more, says so,
    // and keeps her list, with its base, for the next start.
    festorin.postMessage(WM_CLOSE, 0, 0);
    expectSaveRefused(festorin, "dates.txt");
    EXPECT_TRUE(e2e::waitUntil([&] { return !festorin.running(); }, 10000));
    EXPECT_EQ(e2e::dataFolderEntries(),
              (std::vector<std::string>{"dates.base", "dates.txt", "dates.unsaved"}));
}

TEST_F(DamagedFilesTest, ACheckDateFileOfRandomBytesLetsTheFirstTickCheck) {
    const Person dueToday =
        e2e::enteredPerson("Eve", "Curie", e2e::dayFromToday(0).wMonth, e2e::dayFromToday(0).wDay);
    const std::string stored = e2e::contactRecords({dueToday});
    e2e::writeDataFile("dates.txt", stored);
    e2e::writeDataFile("date_verif.txt", randomBytes(4096, 7));
    Festorin festorin;
    ASSERT_TRUE(festorin.started());
    EXPECT_TRUE(quiet(festorin));
    EXPECT_EQ(festorin.gridPeople(), std::vector<Person>{dueToday});

    festorin.postMessage(WM_TIMER, reminderTimerId, 0);
    EXPECT_EQ(festorin.dataFile("date_verif.txt"), e2e::checkDateLine(e2e::dayFromToday(0)));
    EXPECT_EQ(festorin.windowsOfClass(e2e::reminderWindowClass).size(), 1u);
    EXPECT_EQ(e2e::readDataFile("dates.txt"), stored);
}

// A number outside the four orders means by date, without a word; a line that
// is no number is told, and the order is by date too.
TEST_F(DamagedFilesTest, ASortOrderFileOfSevenOrOfLettersSortsByDate) {
    const std::map<std::string, std::string> boxFor{{"7", ""},
                                                    {"abc", "'abc' is not a valid integer value"}};
    for (const auto& [content, boxText] : boxFor) {
        SCOPED_TRACE(content);
        e2e::clearDataFolder();
        e2e::writeDataFile("dates.txt", e2e::contactRecords(stored));
        e2e::writeDataFile("ordre_tri.txt", content + "\r\n");
        Festorin festorin(Festorin::Start::Created);
        ASSERT_TRUE(festorin.started());
        if (boxText.empty()) {
            EXPECT_TRUE(quiet(festorin));
        } else {
            const e2e::MessageBoxSeen box = festorin.waitForMessageBox();
            EXPECT_EQ(box.caption, "Festorin");
            EXPECT_EQ(box.text, boxText);
            ASSERT_TRUE(festorin.answer(box, IDOK));
        }
        ASSERT_TRUE(festorin.settle());
        EXPECT_TRUE(IsWindowVisible(festorin.mainWindow()));
        EXPECT_EQ(festorin.gridPeople(), byDate);
        EXPECT_TRUE(addIsSaved(festorin, dora, byDateWithDora));
        EXPECT_EQ(festorin.dataFile("ordre_tri.txt"), content + "\r\n");
    }
}

// A folder named "st.txt" is no marker: the window stays shown, and the
// menu's attempt to write the marker is reported; the program goes on.
TEST_F(DamagedFilesTest, AMarkerThatIsAFolderLeavesTheWindowShown) {
    makeFolder("st.txt");
    e2e::writeDataFile("dates.txt", e2e::contactRecords(stored));
    Festorin festorin;
    ASSERT_TRUE(festorin.started());
    EXPECT_TRUE(quiet(festorin));
    EXPECT_TRUE(IsWindowVisible(festorin.mainWindow()));

    festorin.menuCommand({"&Options", "Start in the system tray"});
    expectSaveRefused(festorin, "st.txt");
    ASSERT_TRUE(festorin.settle());
    EXPECT_TRUE(IsWindowVisible(festorin.mainWindow()));
    EXPECT_FALSE(e2e::dataFileExists("st.txt.tmp"));
    EXPECT_TRUE(addIsSaved(festorin, dora, byDateWithDora));
}

// Record by record, the texts a reader takes from a record: at most each
// field's capacity, whatever its length byte says.
std::vector<std::string> fieldTexts(const std::string& record) {
    static const int sizes[] = {5, 61, 61, 61, 31, 31, 31, 21, 21, 41};
    std::vector<std::string> texts;
    std::size_t offset = 0;
    for (int size : sizes) {
        const std::size_t length =
            std::min<std::size_t>(static_cast<unsigned char>(record[offset]), size - 1);
        texts.push_back(record.substr(offset + 1, length));
        offset += size;
    }
    return texts;
}

std::vector<std::vector<std::string>> sortedRecords(const std::string& file) {
    std::vector<std::vector<std::string>> records;
    for (std::size_t offset = 0; offset + 364 <= file.size(); offset += 364)
        records.push_back(fieldTexts(file.substr(offset, 364)));
    std::sort(records.begin(), records.end());
    return records;
}

// The grid shows a text up to its first zero byte.
std::string shown(const std::string& text) { return text.substr(0, text.find('\0')); }

// 12 MB of random bytes: every whole record is a row, shown by date; the
// file stays as it was at start; Add is refused, since the table is over its
// limit; a deletion writes every other person back.
TEST_F(DamagedFilesTest, AContactFileOfTwelveMegabytesOfRandomBytes) {
    const std::string stored = randomBytes(12 * 1024 * 1024, 12);
    e2e::writeDataFile("dates.txt", stored);
    const std::vector<std::vector<std::string>> records = sortedRecords(stored);
    Festorin festorin;
    ASSERT_TRUE(festorin.started());
    EXPECT_TRUE(quiet(festorin));
    EXPECT_EQ(festorin.dataFile("dates.txt"), stored) << "modified at start";

    ASSERT_EQ(festorin.gridRows(), static_cast<int>(records.size()));
    const std::vector<std::string> keys = festorin.gridColumn(0);
    EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
    std::vector<std::string> storedKeys, sortedKeys = keys;
    for (const auto& record : records) storedKeys.push_back(shown(record[0]));
    std::sort(storedKeys.begin(), storedKeys.end());
    std::sort(sortedKeys.begin(), sortedKeys.end());
    EXPECT_EQ(sortedKeys, storedKeys);

    festorin.enterPerson(dora);
    festorin.clickLater(festorin.okButton());
    const e2e::MessageBoxSeen box = festorin.waitForMessageBox();
    EXPECT_EQ(box.caption, "Error");
    EXPECT_EQ(box.text, "The list is full: 32767 people at most");
    ASSERT_TRUE(festorin.answer(box, IDOK));
    EXPECT_EQ(festorin.dataFile("dates.txt"), stored);
    festorin.click(festorin.control("Button", "Cancel"));

    // Delete takes a row whose first name shows a letter, so that it holds a person.
    int item = 0;
    while (item < 100 && static_cast<unsigned char>(festorin.gridCell(item, 1)[0]) <= ' ') ++item;
    const std::string firstName = festorin.gridCell(item, 1);
    festorin.selectGridItem(item);
    festorin.click(festorin.control("Button", "Delete"));
    const std::string afterDelete = festorin.dataFile("dates.txt");
    ASSERT_EQ(afterDelete.size(), (records.size() - 1) * 364);
    const std::vector<std::vector<std::string>> left = sortedRecords(afterDelete);
    std::vector<std::vector<std::string>> deleted;
    std::set_difference(records.begin(), records.end(), left.begin(), left.end(),
                        std::back_inserter(deleted));
    ASSERT_EQ(deleted.size(), 1u);
    EXPECT_TRUE(std::includes(records.begin(), records.end(), left.begin(), left.end()));
    EXPECT_EQ(shown(deleted[0][0]), keys[item]);
    EXPECT_EQ(shown(deleted[0][1]), firstName);
    EXPECT_EQ(festorin.gridRows(), static_cast<int>(left.size()));
}

}  // namespace

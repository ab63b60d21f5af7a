#include "contact_file.h"

#include <gtest/gtest.h>

#include <tuple>

#include "contact_table.h"
#include "platform/errors.h"
#include "platform/file_faults.h"
#include "test_support/records.h"
#include "test_support/test_folder.h"

namespace {

using test_support::readBytes;
using test_support::record;
using test_support::writeBytes;

class ContactFileTest : public ::testing::Test {
protected:
    ContactFileTest() { platform::fs::clearFaults(); }
    ~ContactFileTest() override { platform::fs::clearFaults(); }

    std::string path() const { return folder.path() + "\\dates.txt"; }

    // What reading the file into the grid says: whether it existed, whether
    // every whole record was read, and how many people.
    using ReadSays = std::tuple<bool, bool, int>;
    ReadSays readFile() {
        const book::ContactFileRead read = book::readContactFile(path(), grid);
        return {read.existed, read.complete, read.people};
    }

    void addPerson(const std::string& key, const std::string& firstName) {
        int row = book::lastRowTaken(grid) ? book::appendRow(grid) : grid.rowCount() - 1;
        grid.setCell(book::colKey, row, key);
        grid.setCell(book::colFirstName, row, firstName);
    }

    test_support::TestFolder folder;
    platform::StringGrid grid{nullptr, book::columnCount};
};

TEST_F(ContactFileTest, WritesOneRecordPerPersonInRowOrder) {
    addPerson("0305", "Dara");
    addPerson("0101", "Anis");
    addPerson("1224", "Noe");
    book::writeContactFile(path(), grid);
    EXPECT_EQ(readBytes(path()),
              record("0305", "Dara") + record("0101", "Anis") + record("1224", "Noe"));
    EXPECT_FALSE(test_support::exists(path() + ".tmp"));
}

// A record without a key, from a damaged or foreign file, is a person too:
// the next save writes it back; only the empty placeholder is left out.
TEST_F(ContactFileTest, APersonReadWithoutAKeyIsWrittenBack) {
    const std::string stored = record("", "Dara") + record("0101", "") + record("0305", "Noe");
    writeBytes(path(), stored);
    book::readContactFile(path(), grid);
    book::writeContactFile(path(), grid);
    EXPECT_EQ(readBytes(path()), stored);
}

TEST_F(ContactFileTest, AnEmptyTableWritesAnEmptyFile) {
    book::writeContactFile(path(), grid);
    EXPECT_TRUE(test_support::exists(path()));
    EXPECT_EQ(readBytes(path()), "");
}

TEST_F(ContactFileTest, ReadsWholeRecordsAndIgnoresAShortTail) {
    writeBytes(path(), record("0305", "Dara") + record("0101", "Anis") + record("1224", "Noe") +
                           std::string(100, 'x'));
    EXPECT_EQ(readFile(), (ReadSays{true, true, 3}));
    ASSERT_EQ(grid.rowCount(), 4);
    EXPECT_EQ(grid.cell(book::colFirstName, 1), "Dara");
    EXPECT_EQ(grid.cell(book::colFirstName, 2), "Anis");
    EXPECT_EQ(grid.cell(book::colKey, 3), "1224");
}

TEST_F(ContactFileTest, AnEmptyOrMissingFileLeavesThePlaceholder) {
    auto missing = book::readContactFile(path(), grid);
    EXPECT_FALSE(missing.existed);
    writeBytes(path(), "");
    EXPECT_EQ(readFile(), (ReadSays{true, true, 0}));
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.cell(book::colKey, 1), "");
}

TEST_F(ContactFileTest, JunkAfterTheTextsAndOversizedLengthsStayInsideTheirFields) {
    std::string bytes = record("0305", "Dara");
    bytes.replace(5 + 1 + 4, 20, std::string(20, 'J'));  // junk after "Dara"
    bytes[66] = static_cast<char>(255);                  // surname length beyond its 60
    writeBytes(path(), bytes);
    book::readContactFile(path(), grid);
    EXPECT_EQ(grid.cell(book::colFirstName, 1), "Dara");
    EXPECT_EQ(grid.cell(book::colSurname, 1).size(), 60u);
    EXPECT_EQ(grid.cell(book::colEmail, 1), "");
}

TEST_F(ContactFileTest, AFailedReadKeepsThePeopleReadBeforeAndSaysSo) {
    std::string bytes;
    for (int i = 0; i < 300; ++i) bytes += record("0101", "P" + std::to_string(i));
    writeBytes(path(), bytes);
    platform::fs::failAfter(platform::fs::Op::Read, 1);
    auto read = book::readContactFile(path(), grid);
    EXPECT_FALSE(read.complete);
    EXPECT_GT(read.people, 0);
    EXPECT_LT(read.people, 300);
    EXPECT_EQ(grid.rowCount(), read.people + 1);
}

TEST_F(ContactFileTest, AFileThatCannotBeOpenedIsIncomplete) {
    writeBytes(path(), record("0101", "Anis"));
    platform::fs::failAfter(platform::fs::Op::OpenRead);
    EXPECT_EQ(readFile(), (ReadSays{true, false, 0}));
}

class FailedWrite : public ContactFileTest,
                    public ::testing::WithParamInterface<platform::fs::Op> {};

TEST_P(FailedWrite, LeavesTheOldFileWholeAndNamesIt) {
    const std::string old = record("0101", "Anis") + record("0202", "Bea");
    writeBytes(path(), old);
    addPerson("0303", "Cyd");
    platform::fs::failAfter(GetParam());
    try {
        book::writeContactFile(path(), grid);
        FAIL() << "the write should have failed";
    } catch (const platform::IoError& error) {
        EXPECT_NE(std::string(error.what()).find("dates.txt"), std::string::npos) << error.what();
    }
    EXPECT_EQ(readBytes(path()), old);
    EXPECT_FALSE(test_support::exists(path() + ".tmp"));
}

std::string stepName(const ::testing::TestParamInfo<platform::fs::Op>& info) {
    static const char* const names[] = {"Exists", "MakeFolder", "OpenRead", "Size",
                                        "Read",   "Create",     "Write",    "Flush",
                                        "Close",  "Replace",    "Remove"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(AtEveryStep, FailedWrite,
                         ::testing::Values(platform::fs::Op::Create, platform::fs::Op::Write,
                                           platform::fs::Op::Flush, platform::fs::Op::Close,
                                           platform::fs::Op::Replace),
                         stepName);

}  // namespace

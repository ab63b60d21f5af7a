// A data folder that cannot be written, under Wine: the save after Ok is
// reported and loses nobody, and once the folder can be written again the
// next save writes every person.
#include <gtest/gtest.h>

#include "e2e/harness.h"

namespace {

using e2e::Festorin;
using e2e::Person;

class ReadOnlyFolderTest : public ::testing::Test {
protected:
    void SetUp() override { e2e::clearDataFolder(); }
    void TearDown() override { EXPECT_TRUE(e2e::setDataFolderWritable(true)); }
};

const Person ada = e2e::enteredPerson("Ada", "Lovelace", 1, 15);
const Person blaise = e2e::enteredPerson("Blaise", "Pascal", 5, 20);
const Person carl = e2e::enteredPerson("Carl", "Gauss", 11, 3);
const Person dora = e2e::enteredPerson("Dora", "Maar", 3, 7);

TEST_F(ReadOnlyFolderTest, AFailedSaveIsReportedAndTheNextSaveWritesEveryone) {
    const std::string stored = e2e::contactRecords({ada, blaise});
    e2e::writeDataFile("dates.txt", stored);
    Festorin festorin;
    ASSERT_TRUE(festorin.started());
    ASSERT_TRUE(e2e::setDataFolderWritable(false));

    festorin.enterPerson(carl);
    festorin.clickLater(festorin.okButton());
    const e2e::MessageBoxSeen box = festorin.waitForMessageBox();
    EXPECT_EQ(box.caption, "Festorin");
    EXPECT_EQ(box.text, "I/O error: cannot create a temporary file for \"" + e2e::dataFolder() +
                            "dates.txt\"");
    ASSERT_TRUE(festorin.answer(box, IDOK));
    EXPECT_EQ(festorin.dataFile("dates.txt"), stored);
    EXPECT_EQ(e2e::dataFolderEntries(), std::vector<std::string>{"dates.txt"});
    EXPECT_EQ(festorin.gridPeople(), (std::vector<Person>{ada, blaise, carl}));
    EXPECT_FALSE(IsWindowVisible(festorin.okButton())) << "a second Ok cannot add Carl twice";

    ASSERT_TRUE(e2e::setDataFolderWritable(true));
    festorin.enterPerson(dora);
    festorin.click(festorin.okButton());
    const std::vector<Person> everyone{ada, dora, blaise, carl};
    EXPECT_EQ(festorin.dataFile("dates.txt"), e2e::contactRecords(everyone));
    EXPECT_TRUE(festorin.closeAndWait());

    Festorin again;
    ASSERT_TRUE(again.started());
    EXPECT_EQ(again.gridPeople(), everyone);
}

// The change whose save failed goes out when the program ends, once the
// folder can be written again.
TEST_F(ReadOnlyFolderTest, AnUnsavedChangeIsWrittenWhenTheProgramEnds) {
    e2e::writeDataFile("dates.txt", e2e::contactRecords({ada}));
    Festorin festorin;
    ASSERT_TRUE(festorin.started());
    ASSERT_TRUE(e2e::setDataFolderWritable(false));
    festorin.enterPerson(blaise);
    festorin.clickLater(festorin.okButton());
    ASSERT_TRUE(festorin.answer(festorin.waitForMessageBox(), IDOK));
    EXPECT_EQ(festorin.dataFile("dates.txt"), e2e::contactRecords({ada}));

    ASSERT_TRUE(e2e::setDataFolderWritable(true));
    EXPECT_TRUE(festorin.closeAndWait());
    EXPECT_EQ(e2e::readDataFile("dates.txt"), e2e::contactRecords({ada, blaise}));
}

}  // namespace

// What happens on every user's PC, under Wine with the real Festorin.exe:
// another process holding the contact file for a moment, Festorin started a
// second time, and the day's first tick while a start-up message is open.
#include <gtest/gtest.h>

#include "e2e/harness.h"

namespace {

using e2e::Festorin;
using e2e::Person;

constexpr UINT_PTR reminderTimerId = 1;

const Person ada = e2e::enteredPerson("Ada", "Lovelace", 1, 15);
const Person blaise = e2e::enteredPerson("Blaise", "Pascal", 5, 20);
const Person dora = e2e::enteredPerson("Dora", "Maar", 3, 7);

// The contact file held open the way a virus scanner or an indexer holds it.
class HeldFile {
public:
    HeldFile()
        : handle_(CreateFileA((e2e::dataFolder() + "dates.txt").c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~HeldFile() { release(); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool held() const { return handle_ != INVALID_HANDLE_VALUE; }
    void release() {
        if (held()) CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle_;
};

class RealPcTest : public ::testing::Test {
protected:
    void SetUp() override { e2e::clearDataFolder(); }
};

TEST_F(RealPcTest, ASaveWaitsOutAFileHeldForAMoment) {
    e2e::writeDataFile("dates.txt", e2e::contactRecords({ada}));
    Festorin festorin;
    ASSERT_TRUE(festorin.started());
    {
        HeldFile scanner;
        ASSERT_TRUE(scanner.held());
        festorin.enterPerson(blaise);
        festorin.clickLater(festorin.okButton());
        Sleep(700);  // the scanner's moment: real time must pass
        scanner.release();
        ASSERT_TRUE(festorin.settle());
    }
    EXPECT_TRUE(festorin.openBoxes().empty());
    EXPECT_EQ(festorin.dataFile("dates.txt"), e2e::contactRecords({ada, blaise}));
    EXPECT_FALSE(e2e::dataFileExists("dates.txt.tmp"));
}

TEST_F(RealPcTest, AFileHeldForLongIsReportedOnceAndTheNextSaveWritesEveryone) {
    e2e::writeDataFile("dates.txt", e2e::contactRecords({ada}));
    Festorin festorin;
    ASSERT_TRUE(festorin.started());
    {
        HeldFile backup;
        ASSERT_TRUE(backup.held());
        festorin.enterPerson(blaise);
        festorin.clickLater(festorin.okButton());
        const e2e::MessageBoxSeen box = festorin.waitForMessageBox(10000);
        EXPECT_EQ(box.caption, "Festorin");
        EXPECT_EQ(box.text, "I/O error: cannot replace \"" + e2e::dataFolder() + "dates.txt\"");
        ASSERT_TRUE(festorin.answer(box, IDOK));
        ASSERT_TRUE(festorin.settle());
        EXPECT_TRUE(festorin.openBoxes().empty()) << "one message";
        EXPECT_EQ(e2e::readDataFile("dates.txt"), e2e::contactRecords({ada}));
        EXPECT_FALSE(e2e::dataFileExists("dates.txt.tmp"));
    }
    EXPECT_EQ(festorin.gridPeople(), (std::vector<Person>{ada, blaise}));
    festorin.enterPerson(dora);
    festorin.click(festorin.okButton());
    EXPECT_EQ(festorin.dataFile("dates.txt"), e2e::contactRecords({ada, dora, blaise}));
}

TEST_F(RealPcTest, ASecondStartBringsTheFirstBackAndEnds) {
    Festorin festorin;
    ASSERT_TRUE(festorin.started());
    festorin.enterPerson(ada);
    festorin.click(festorin.okButton());
    festorin.postMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(festorin.settle());
    ASSERT_FALSE(IsWindowVisible(festorin.mainWindow()));

    ASSERT_TRUE(e2e::runUntilItEnds(""));
    ASSERT_TRUE(festorin.settle());
    EXPECT_EQ(e2e::festorinProcesses(), 1);
    EXPECT_TRUE(IsWindowVisible(festorin.mainWindow()));
    EXPECT_EQ(GetForegroundWindow(), festorin.mainWindow());

    festorin.enterPerson(blaise);
    festorin.click(festorin.okButton());
    EXPECT_EQ(festorin.dataFile("dates.txt"), e2e::contactRecords({ada, blaise}));
}

// The message stays open past the first real tick, a minute after the start.
TEST_F(RealPcTest, TheFirstTickDuringAStartUpMessageLeavesTheDaysCheckForLater) {
    const SYSTEMTIME today = e2e::dayFromToday(0);
    const Person dueToday = e2e::enteredPerson("Eve", "Curie", today.wMonth, today.wDay);
    const std::string yesterday = e2e::checkDateLine(e2e::dayFromToday(-1));
    e2e::writeDataFile("dates.txt", e2e::contactRecords({dueToday}));
    e2e::writeDataFile("ordre_tri.txt", "abc\r\n");
    e2e::writeDataFile("date_verif.txt", yesterday);
    Festorin festorin(Festorin::Start::Created);
    ASSERT_TRUE(festorin.started());
    const e2e::MessageBoxSeen box = festorin.waitForMessageBox();
    ASSERT_EQ(box.text, "'abc' is not a valid integer value");

    Sleep(65000);  // past the timer's first tick: real time must pass
    EXPECT_TRUE(festorin.windowsOfClass(e2e::reminderWindowClass).empty());
    EXPECT_EQ(festorin.dataFile("date_verif.txt"), yesterday);

    ASSERT_TRUE(festorin.answer(box, IDOK));
    ASSERT_TRUE(festorin.settle());
    EXPECT_TRUE(festorin.windowsOfClass(e2e::reminderWindowClass).empty());
    festorin.postMessage(WM_TIMER, reminderTimerId, 0);
    EXPECT_EQ(festorin.dataFile("date_verif.txt"), e2e::checkDateLine(today));
    EXPECT_EQ(festorin.windowsOfClass(e2e::reminderWindowClass).size(), 1u);
}

}  // namespace

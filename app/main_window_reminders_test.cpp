#include <gtest/gtest.h>

#include <vector>

#include "app/main_window.h"
#include "platform/file_faults.h"
#include "platform/file_system.h"
#include "test_support/headless_fixture.h"
#include "test_support/records.h"

namespace {

namespace headless = platform::headless;
using Cells = std::vector<std::string>;

Cells person(const std::string& key, const std::string& firstName,
             const std::string& action = "Send an E-mail",
             const std::string& when = "The exact day", const std::string& reason = "Birtday") {
    return {key,           firstName, "Ruze", "d@example.org", "01", "02",
            "December, 8", action,    when,   reason};
}

// A person due on the day of their birthday, as the entry panel shows it.
Cells bornOn(const std::string& key, const std::string& shown, const std::string& firstName,
             const std::string& when = "The exact day") {
    Cells cells = person(key, firstName, "Other", when);
    cells[6] = shown;
    return cells;
}

class DailyCheck : public test_support::HeadlessTest {
protected:
    void start(const platform::DateTime& at = {2026, 12, 8, 9, 0, 0},
               const std::string& storedDate = "") {
        prepareDataFolder();
        if (storedDate.empty())
            platform::fs::remove(checkDatePath());
        else
            test_support::writeBytes(checkDatePath(), storedDate);
        headless::setNow(at);
        form_ = createMainWindow();
    }
    // As the option's marker file makes it at start.
    void startShowingMissed(const platform::DateTime& at, const std::string& storedDate) {
        prepareDataFolder();
        test_support::writeBytes(missedMarkerPath(), "*\r\n");
        start(at, storedDate);
        ASSERT_TRUE(form_->showMissedRemindersItem.checked());
    }

    void tickWith(const std::vector<Cells>& people) {
        form_->peopleGrid.setRowCount(static_cast<int>(people.size()) + 1);
        for (std::size_t row = 0; row < people.size(); ++row)
            for (int col = 0; col < 10; ++col)
                form_->peopleGrid.setCell(col, static_cast<int>(row) + 1, people[row][col]);
        headless::tick(form_->checkTimer);
    }

    std::vector<std::string> sentences() const {
        std::vector<std::string> texts;
        for (const auto& window : form_->reminderWindows())
            texts.push_back(window->sentenceLabel.text());
        return texts;
    }
    std::string checkDatePath() const { return dataFile("date_verif.txt"); }
    std::string checkDate() const { return test_support::readBytes(checkDatePath()); }
    std::string missedMarkerPath() const { return dataFile("catch_up.txt"); }

    std::unique_ptr<MainWindow> form_;
};

// Rows that form no date are skipped silently.
TEST_F(DailyCheck, FirstTickOfTheDayOpensTheDueRowsInGridOrderOnce) {
    start();
    tickWith({person("1200", "A"), person("", "B"), person("1208", "Ann"), person("1209", "Ben"),
              person("1232", "C"), person("ab08", "D"), person("1208", "Cid", "Call phone 2"),
              person("0230", "E"), person("1208", "Dee", "Other", "The exact day", "Wedding")});
    EXPECT_EQ(sentences(),
              (std::vector<std::string>{"Birtday of Ann Ruze on Tuesday December, 8.",
                                        "Birtday of Cid Ruze on Tuesday December, 8.",
                                        "Wedding of Dee Ruze on Tuesday December, 8."}));
    EXPECT_EQ(checkDate(), "08/12/2026\r\n");

    headless::setNow({2026, 12, 8, 23, 59, 0});
    tickWith({person("1208", "Eve")});
    EXPECT_EQ(form_->reminderWindows().size(), 3u) << "once a day";
    EXPECT_TRUE(headless::shownBoxes().empty());
}

// A tick while a start-up message is open comes before the contact file is
// read: it must not spend the day's check on the empty list.
TEST_F(DailyCheck, ATickDuringAStartUpMessageLeavesTheCheckForLater) {
    prepareDataFolder();
    test_support::writeBytes(dataFile("dates.txt"), test_support::record("1208", "Ann"));
    test_support::writeBytes(dataFile("ordre_tri.txt"), "abc\r\n");
    test_support::writeBytes(checkDatePath(), "07/12/2026\r\n");
    headless::duringNextBox([] { headless::tick(*headless::createdForm()->timers().front()); });
    form_ = createMainWindow();
    ASSERT_EQ(headless::shownBoxes().size(), 1u);
    EXPECT_TRUE(form_->reminderWindows().empty());
    EXPECT_EQ(checkDate(), "07/12/2026\r\n");

    headless::tick(form_->checkTimer);
    EXPECT_EQ(form_->reminderWindows().size(), 1u);
    EXPECT_EQ(checkDate(), "08/12/2026\r\n");
}

TEST_F(DailyCheck, ARestartOnACheckedDayOpensNothingOtherStoredDaysDoNotBlock) {
    start({2026, 12, 8, 18, 0, 0}, "08.12.2026\r\n");
    tickWith({person("1208", "Ann")});
    EXPECT_TRUE(form_->reminderWindows().empty());

    for (const char* stored : {"07/12/2026\r\n", "09/12/2026\r\n", "08-12-2025", "31/02/2026"}) {
        start({2026, 12, 8, 9, 0, 0}, stored);
        tickWith({person("1208", "Ann")});
        EXPECT_EQ(form_->reminderWindows().size(), 1u) << stored;
        EXPECT_EQ(checkDate(), "08/12/2026\r\n") << stored;
    }
    EXPECT_TRUE(headless::shownBoxes().empty());
}

TEST_F(DailyCheck, CheckDateReadAtStartWhateverTheSeparatorWrittenWithTheUsers) {
    start({2026, 12, 9, 9, 0, 0}, "08-12-2026");
    EXPECT_EQ(form_->lastCheckDay.day, 8);
    EXPECT_EQ(form_->lastCheckDay.month, 12);
    EXPECT_EQ(form_->lastCheckDay.year, 2026);

    headless::setDateSeparator('.');
    tickWith({});
    EXPECT_EQ(checkDate(), "09.12.2026\r\n") << "an empty table still stores the day";
}

TEST_F(DailyCheck, NewYearAndLeapDayRemindersNameTheirBirthdaysWeekDay) {
    start({2026, 12, 29, 9, 0, 0});
    Cells newYear = person("0101", "Ann", "Other", "3 days before");
    newYear[6] = "January, 1";
    tickWith({newYear});

    headless::setNow({2027, 2, 27, 9, 0, 0});
    Cells leapDay = person("0229", "Ben", "Other", "1 day before");
    leapDay[6] = "February,29";
    tickWith({leapDay});
    EXPECT_EQ(sentences(),
              (std::vector<std::string>{"Birtday of Ann Ruze on Friday January, 1.",
                                        "Birtday of Ben Ruze on Sunday February,29."}));
}

TEST_F(DailyCheck, AnUnwritableCheckDateStillOpensTheRemindersAndIsReportedOnce) {
    start({2026, 12, 8, 9, 0, 0}, "07/12/2026\r\n");
    platform::fs::failAfter(platform::fs::Op::Create);
    tickWith({person("1208", "Ann"), person("1208", "Ben")});
    EXPECT_EQ(form_->reminderWindows().size(), 2u);
    ASSERT_EQ(headless::shownBoxes().size(), 1u);
    EXPECT_NE(headless::shownBoxes()[0].text.find("date_verif.txt"), std::string::npos);
    EXPECT_EQ(checkDate(), "07/12/2026\r\n");

    tickWith({person("1208", "Ann")});
    EXPECT_EQ(form_->reminderWindows().size(), 2u);
    EXPECT_EQ(headless::shownBoxes().size(), 1u);
}

TEST_F(DailyCheck, WindowsStackUpFromTheWorkAreasSizeAndEachDayFromTheBottom) {
    headless::setWorkArea({0, 30, 1024, 768});  // a taskbar at the top
    start();
    tickWith({person("1208", "Ann"), person("1208", "Ben"), person("1208", "Cid")});
    const auto& windows = form_->reminderWindows();
    ASSERT_EQ(windows.size(), 3u);
    EXPECT_EQ(form_->remindersShown, 3);
    const int height = windows[0]->outerHeight();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(windows[i]->left(), 1024 - windows[i]->outerWidth() - 1);
        EXPECT_EQ(windows[i]->top(), 738 - height * (i + 1));
        EXPECT_TRUE(windows[i]->visible());
    }
    EXPECT_EQ(headless::frontForm(), windows[2].get());

    headless::setNow({2026, 12, 9, 0, 0, 30});
    tickWith({person("1209", "Dee")});
    ASSERT_EQ(windows.size(), 4u);
    EXPECT_EQ(form_->remindersShown, 1);
    EXPECT_EQ(windows[3]->top(), windows[0]->top());
}

// Tuesday 8 December 2026, three days after the last check: the 6th and the
// 7th were missed. The 5th was checked on its day.
const std::vector<Cells> dueAroundTheEighth{
    bornOn("1208", "December, 8", "Ann"), bornOn("1207", "December, 7", "Ben"),
    bornOn("1210", "December,10", "Cid", "4 days before"), bornOn("1205", "December, 5", "Dee"),
    bornOn("1206", "December, 6", "Eve")};

TEST_F(DailyCheck, MissedDaysRemindersOpenOldestFirstThenTodaysOnlyWithTheOption) {
    start({2026, 12, 8, 9, 0, 0}, "05/12/2026\r\n");
    tickWith(dueAroundTheEighth);
    EXPECT_EQ(sentences(), std::vector<std::string>{"Birtday of Ann Ruze on Tuesday December, 8."})
        << "without the option, only today's";

    startShowingMissed({2026, 12, 8, 9, 0, 0}, "05/12/2026\r\n");
    tickWith(dueAroundTheEighth);
    EXPECT_EQ(sentences(),
              (std::vector<std::string>{"Birtday of Cid Ruze on Thursday December,10.",
                                        "Birtday of Eve Ruze on Sunday December, 6.",
                                        "Birtday of Ben Ruze on Monday December, 7.",
                                        "Birtday of Ann Ruze on Tuesday December, 8."}));
    EXPECT_EQ(form_->remindersShown, 4);
    const auto& windows = form_->reminderWindows();
    EXPECT_EQ(windows[3]->top(), windows[0]->top() - 3 * windows[0]->outerHeight());
    EXPECT_EQ(checkDate(), "08/12/2026\r\n");

    headless::setNow({2026, 12, 9, 9, 0, 0});
    tickWith({bornOn("1209", "December, 9", "Fay")});
    EXPECT_EQ(form_->remindersShown, 1) << "the day after, nothing was missed";
    EXPECT_EQ(windows.size(), 5u);
    EXPECT_TRUE(headless::shownBoxes().empty());
}

TEST_F(DailyCheck, MissedDaysGoBackFourteenDaysAtMostAndOnlyFromAnEarlierCheck) {
    const std::vector<Cells> people{
        bornOn("1208", "December, 8", "Ann"), bornOn("1123", "November,23", "Ben"),
        bornOn("1124", "November,24", "Cid"), bornOn("1207", "December, 7", "Dee")};
    startShowingMissed({2026, 12, 8, 9, 0, 0}, "18/11/2026\r\n");
    tickWith(people);
    EXPECT_EQ(sentences(),
              (std::vector<std::string>{"Birtday of Cid Ruze on Tuesday November,24.",
                                        "Birtday of Dee Ruze on Monday December, 7.",
                                        "Birtday of Ann Ruze on Tuesday December, 8."}));

    // No check yet, the day that stands for it, yesterday and a later day.
    for (const char* stored : {"", "30/12/1899\r\n", "07/12/2026\r\n", "09/12/2026\r\n"}) {
        startShowingMissed({2026, 12, 8, 9, 0, 0}, stored);
        tickWith(people);
        EXPECT_EQ(sentences(),
                  std::vector<std::string>{"Birtday of Ann Ruze on Tuesday December, 8."})
            << stored;
        EXPECT_EQ(checkDate(), "08/12/2026\r\n");
    }
}

TEST_F(DailyCheck, MissedNewYearAndLeapDayRemindersNameTheirBirthdaysWeekDay) {
    startShowingMissed({2027, 1, 1, 9, 0, 0}, "29/12/2026\r\n");
    tickWith({bornOn("0101", "January, 1", "Ann"), bornOn("1231", "December,31", "Ben"),
              bornOn("0101", "January, 1", "Cid", "2 days before"),
              bornOn("1229", "December,29", "Dee")});
    EXPECT_EQ(sentences(), (std::vector<std::string>{"Birtday of Cid Ruze on Friday January, 1.",
                                                     "Birtday of Ben Ruze on Thursday December,31.",
                                                     "Birtday of Ann Ruze on Friday January, 1."}));

    startShowingMissed({2027, 3, 2, 9, 0, 0}, "26/02/2027\r\n");
    tickWith({bornOn("0229", "February,29", "Eve"), bornOn("0301", "March, 1", "Fay")});
    EXPECT_EQ(sentences(), (std::vector<std::string>{"Birtday of Eve Ruze on Sunday February,29.",
                                                     "Birtday of Fay Ruze on Monday March, 1."}));
}

// The option's item, below "Start in the system tray" and above "Data
// folder...", is set from its marker file at start and switches the option
// at once.
TEST_F(DailyCheck, TheMissedRemindersItemFollowsItsMarkerAndSwitchesAtOnce) {
    start({2026, 12, 8, 9, 0, 0}, "05/12/2026\r\n");
    const auto& options = form_->optionsMenu.items();
    ASSERT_EQ(options.size(), 4u);
    EXPECT_EQ(options[1], &form_->startInTrayItem);
    EXPECT_EQ(options[2], &form_->showMissedRemindersItem);
    EXPECT_EQ(options[2]->caption(), "Show missed reminders");
    EXPECT_EQ(options[3], &form_->dataFolderItem);
    EXPECT_EQ(options[3]->caption(), "Data folder...");
    EXPECT_FALSE(form_->showMissedRemindersItem.checked());

    headless::click(form_->showMissedRemindersItem);
    EXPECT_TRUE(form_->showMissedRemindersItem.checked());
    EXPECT_EQ(test_support::readBytes(missedMarkerPath()), "*\r\n");
    tickWith(dueAroundTheEighth);
    EXPECT_EQ(form_->remindersShown, 4) << "on before the day's check, it catches up";

    headless::click(form_->showMissedRemindersItem);
    EXPECT_FALSE(form_->showMissedRemindersItem.checked());
    EXPECT_FALSE(test_support::exists(missedMarkerPath()));
    EXPECT_TRUE(headless::shownBoxes().empty());

    startShowingMissed({2026, 12, 8, 9, 0, 0}, "08/12/2026\r\n");
}

}  // namespace

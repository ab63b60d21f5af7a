// The real daily check under Wine: a tick opens one yellow reminder window per
// person due today, stacked at the bottom right, and stores today's date;
// with "Show missed reminders" on, those of the days missed come first.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "e2e/harness.h"

namespace {

using e2e::checkDateLine;
using e2e::dayFromToday;
using e2e::Festorin;
using e2e::shownDate;

constexpr UINT_PTR reminderTimerId = 1;

std::string dayName(const SYSTEMTIME& day) {
    static const char* const names[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                        "Thursday", "Friday", "Saturday"};
    return names[day.wDayOfWeek];
}

struct Due {
    e2e::Person person;
    std::string sentence, action, address;
};

// Three people due today through three lead times; the grid holds them by date.
std::vector<Due> threeDueToday() {
    const SYSTEMTIME today = dayFromToday(0), tomorrow = dayFromToday(1), later = dayFromToday(2);
    std::vector<Due> due{
        {{e2e::birthdayKey(today), "Ada", "Lovelace", "ada@example.org", "01 23", "",
          shownDate(today), "Send an E-mail", "The exact day", "Birtday"},
         "Birtday of Ada Lovelace on " + dayName(today) + " " + shownDate(today) + ".",
         "Send an E-mail at ",
         "ada@example.org"},
        {{e2e::birthdayKey(tomorrow), "Blaise", "Pascal", "", "03 45", "", shownDate(tomorrow),
          "Call phone 1", "1 day before", "Birtday"},
         "Birtday of Blaise Pascal on " + dayName(tomorrow) + " " + shownDate(tomorrow) + ".",
         "Call the 03 45",
         ""},
        {{e2e::birthdayKey(later), "Carl", "Gauss", "carl@example.org", "", "", shownDate(later),
          "Other", "2 days before", "Lunch"},
         "Lunch of Carl Gauss on " + dayName(later) + " " + shownDate(later) + ".",
         "",
         ""},
    };
    std::sort(due.begin(), due.end(),
              [](const Due& a, const Due& b) { return a.person[0] < b.person[0]; });
    return due;
}

HWND windowSaying(const Festorin& festorin, const std::string& sentence) {
    for (HWND window : festorin.windowsOfClass(e2e::reminderWindowClass))
        if (festorin.control(window, "Static", sentence)) return window;
    return nullptr;
}

// The top of the n-th reminder window of a day's check, counted from 1.
int stackedTop(HWND window, int n) {
    RECT area;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area.bottom - area.top - e2e::placementOf(window).height * n;
}

// A person whose reminder falls due `lead` days before a birthday `days`
// after today, and the sentence of that reminder.
Due remindedOf(const std::string& firstName, int days, int lead) {
    static const char* const leadTimes[] = {"The exact day", "1 day before", "2 days before",
                                            "3 days before", "4 days before"};
    const SYSTEMTIME birthday = dayFromToday(days);
    return {{e2e::birthdayKey(birthday), firstName, "Ruze", "", "", "", shownDate(birthday),
             "Other", leadTimes[lead], "Birtday"},
            "Birtday of " + firstName + " Ruze on " + dayName(birthday) + " " +
                shownDate(birthday) + ".",
            "",
            ""};
}

// The last check was four days ago: Dan's day was checked; Eva's, Flo's and
// Gus's were missed, oldest first; Hal's is today. By date, the grid holds
// Eva and Gus after Hal, but near a month's end.
std::vector<Due> dueSinceACheckFourDaysAgo() {
    return {remindedOf("Eva", 1, 4), remindedOf("Flo", -2, 0), remindedOf("Gus", 2, 3),
            remindedOf("Hal", 0, 0)};
}

TEST(RemindersTest, ATickOpensTheDaysRemindersStackedAtTheBottomRightOnce) {
    e2e::clearDataFolder();
    const std::vector<Due> due = threeDueToday();
    std::string contacts;
    for (const Due& one : due) contacts += e2e::contactRecord(one.person);
    e2e::writeDataFile("dates.txt", contacts);
    e2e::writeDataFile("date_verif.txt", checkDateLine(dayFromToday(-1)));

    Festorin festorin;
    ASSERT_TRUE(festorin.started());
    EXPECT_TRUE(festorin.windowsOfClass(e2e::reminderWindowClass).empty());
    festorin.postMessage(WM_TIMER, reminderTimerId, 0);
    ASSERT_TRUE(festorin.settle());
    ASSERT_EQ(festorin.windowsOfClass(e2e::reminderWindowClass).size(), 3u);

    RECT area;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    for (std::size_t i = 0; i < due.size(); ++i) {
        SCOPED_TRACE(due[i].sentence);
        HWND window = windowSaying(festorin, due[i].sentence);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(e2e::windowText(window), "Festorin");
        EXPECT_EQ(GetWindow(window, GW_OWNER), festorin.mainWindow());
        EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
        const e2e::Placement place = e2e::placementOf(window);
        EXPECT_EQ(place.clientWidth, 312);
        EXPECT_EQ(place.clientHeight, 32);
        EXPECT_EQ(place.left, area.right - area.left - place.width - 1);
        EXPECT_EQ(place.top, area.bottom - area.top - place.height * static_cast<int>(i + 1));

        if (!due[i].action.empty()) {
            EXPECT_NE(festorin.control(window, "Static", due[i].action), nullptr);
        }
        if (!due[i].address.empty()) {
            HWND link = festorin.control(window, "Static", due[i].address);
            ASSERT_NE(link, nullptr);
            EXPECT_TRUE(IsWindowVisible(link));
        }
    }
    EXPECT_EQ(festorin.dataFile("date_verif.txt"), checkDateLine(dayFromToday(0)));

    festorin.postMessage(WM_TIMER, reminderTimerId, 0);
    ASSERT_TRUE(festorin.settle());
    EXPECT_EQ(festorin.windowsOfClass(e2e::reminderWindowClass).size(), 3u)
        << "a second tick opens nothing";
    EXPECT_TRUE(festorin.closeAndWait());
}

TEST(RemindersTest, MissedDaysRemindersOpenFirstWithTheOptionWhoseMarkSurvivesARestart) {
    const std::vector<std::string> showMissed{"&Options", "Show missed reminders"};
    e2e::clearDataFolder();
    const std::vector<Due> due = dueSinceACheckFourDaysAgo();
    std::string contacts = e2e::contactRecord(remindedOf("Dan", -4, 0).person);
    for (const Due& one : due) contacts += e2e::contactRecord(one.person);
    e2e::writeDataFile("dates.txt", contacts);
    e2e::writeDataFile("date_verif.txt", checkDateLine(dayFromToday(-4)));
    {
        Festorin festorin;
        ASSERT_TRUE(festorin.started());
        festorin.postMessage(WM_TIMER, reminderTimerId, 0);
        ASSERT_TRUE(festorin.settle());
        ASSERT_EQ(festorin.windowsOfClass(e2e::reminderWindowClass).size(), 1u)
            << "without the option";
        EXPECT_NE(windowSaying(festorin, due.back().sentence), nullptr);
        EXPECT_EQ(festorin.dataFile("date_verif.txt"), checkDateLine(dayFromToday(0)));

        festorin.menuCommand(showMissed);
        EXPECT_EQ(festorin.dataFile("catch_up.txt"), "*\r\n");
        EXPECT_TRUE(festorin.closeAndWait());
    }
    e2e::writeDataFile("date_verif.txt", checkDateLine(dayFromToday(-4)));
    Festorin festorin;
    ASSERT_TRUE(festorin.started());
    festorin.postMessage(WM_TIMER, reminderTimerId, 0);
    ASSERT_TRUE(festorin.settle());
    ASSERT_EQ(festorin.windowsOfClass(e2e::reminderWindowClass).size(), due.size());
    for (std::size_t i = 0; i < due.size(); ++i) {
        SCOPED_TRACE(due[i].sentence);
        HWND window = windowSaying(festorin, due[i].sentence);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(e2e::placementOf(window).top, stackedTop(window, static_cast<int>(i + 1)));
    }
    EXPECT_EQ(festorin.dataFile("date_verif.txt"), checkDateLine(dayFromToday(0)));

    // Checked from the marker at start: choosing it now takes the marker away.
    festorin.menuCommand(showMissed);
    ASSERT_TRUE(festorin.settle());
    EXPECT_FALSE(e2e::dataFileExists("catch_up.txt"));
    EXPECT_TRUE(festorin.closeAndWait());
}

// Sixty people due today: more than the work area of a 1024x768 screen holds
// side by side. Every window opens with its caption inside the work area, no
// two in one place; closing fifty destroys their windows.
TEST(RemindersTest, SixtyRemindersOpenInsideTheWorkAreaAndClosingFiftyDestroysThem) {
    e2e::clearDataFolder();
    const SYSTEMTIME today = dayFromToday(0);
    std::vector<e2e::Person> people;
    for (int i = 0; i < 60; ++i)
        people.push_back({e2e::birthdayKey(today), "Guest" + std::to_string(i), "", "", "", "",
                          shownDate(today), "Other", "The exact day", "Birtday"});
    e2e::writeDataFile("dates.txt", e2e::contactRecords(people));
    e2e::writeDataFile("date_verif.txt", checkDateLine(dayFromToday(-1)));

    Festorin festorin;
    ASSERT_TRUE(festorin.started());
    festorin.postMessage(WM_TIMER, reminderTimerId, 0);
    ASSERT_TRUE(festorin.settle());
    const std::vector<HWND> reminders = festorin.windowsOfClass(e2e::reminderWindowClass);
    ASSERT_EQ(reminders.size(), 60u);

    RECT area;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    const int caption = GetSystemMetrics(SM_CYSMCAPTION);
    std::set<std::pair<int, int>> places;
    for (HWND window : reminders) {
        const e2e::Placement place = e2e::placementOf(window);
        SCOPED_TRACE(testing::Message() << place.left << ", " << place.top);
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_GE(place.left, area.left);
        EXPECT_LE(place.left + place.width, area.right);
        EXPECT_GE(place.top, area.top);
        EXPECT_LE(place.top + caption, area.bottom);
        EXPECT_TRUE(places.insert({place.left, place.top}).second) << "two in one place";
    }

    const std::size_t windowsBefore = festorin.windowsOfClass("").size();
    for (std::size_t i = 0; i < 50; ++i) PostMessageA(reminders[i], WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(festorin.settle());
    EXPECT_EQ(festorin.windowsOfClass("").size(), windowsBefore - 50);
    std::vector<HWND> left = festorin.windowsOfClass(e2e::reminderWindowClass);
    std::vector<HWND> kept(reminders.begin() + 50, reminders.end());
    std::sort(left.begin(), left.end());
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(left, kept);
    EXPECT_TRUE(festorin.closeAndWait());
}

}  // namespace

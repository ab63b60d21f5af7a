#include "due_date.h"

#include <gtest/gtest.h>

#include <array>

namespace reminders {
namespace {

const std::array<std::string, 5> leadChoices{"The exact day", "1 day before", "2 days before",
                                             "3 days before", "4 days before"};

std::optional<Date> due(const std::string& key, const std::string& when, const Date& today) {
    const std::optional<DueReminder> reminder = dueBetween(key, when, leadChoices, today, today);
    if (!reminder) return std::nullopt;
    EXPECT_EQ(reminder->day, today);
    return reminder->birthday;
}

TEST(DueDate, EachLeadTimeOpensItsOwnDayAndNoOther) {
    const Date birthday{2026, 3, 5};
    for (int lead = 0; lead <= 4; ++lead) {
        const std::string& when = leadChoices[lead];
        EXPECT_EQ(due("0305", when, addDays(birthday, -lead)), birthday) << when;
        EXPECT_EQ(due("0305", when, addDays(birthday, -lead - 1)), std::nullopt) << when;
        EXPECT_EQ(due("0305", when, addDays(birthday, -lead + 1)), std::nullopt) << when;
    }
    EXPECT_EQ(due("0305", " 2 days before\t", {2026, 3, 3}), birthday) << "trimmed";
    EXPECT_EQ(due("0305", "2 Days before", {2026, 3, 5}), birthday) << "no choice: the day";
}

TEST(DueDate, ReminderBeforeANewYearOpensInDecemberAndALeapDayOnTheTwentyEighth) {
    EXPECT_EQ(due("0101", "3 days before", {2026, 12, 29}), (Date{2027, 1, 1}));
    EXPECT_EQ(due("0101", "1 day before", {2026, 12, 31}), (Date{2027, 1, 1}));
    EXPECT_EQ(due("0104", "4 days before", {2026, 12, 31}), (Date{2027, 1, 4}));
    EXPECT_EQ(due("0101", "The exact day", {2026, 12, 29}), std::nullopt);

    // Over days that run into the new year, each row once, on its own day.
    const auto dueFrom28DecemberTo2January = [](const std::string& key, const std::string& when) {
        return dueBetween(key, when, leadChoices, {2026, 12, 28}, {2027, 1, 2});
    };
    const auto onDay = [](const std::optional<DueReminder>& reminder) {
        return reminder ? std::optional<Date>(reminder->day) : std::nullopt;
    };
    const auto reminder = dueFrom28DecemberTo2January("0101", "2 days before");
    ASSERT_TRUE(reminder);
    EXPECT_EQ(reminder->day, (Date{2026, 12, 30}));
    EXPECT_EQ(reminder->birthday, (Date{2027, 1, 1}));
    EXPECT_EQ(onDay(dueFrom28DecemberTo2January("1228", "The exact day")), (Date{2026, 12, 28}));
    EXPECT_EQ(onDay(dueFrom28DecemberTo2January("0106", "4 days before")), (Date{2027, 1, 2}));
    EXPECT_EQ(dueFrom28DecemberTo2January("0107", "4 days before"), std::nullopt);
    EXPECT_EQ(dueFrom28DecemberTo2January("1227", "The exact day"), std::nullopt);

    EXPECT_EQ(due("0229", "The exact day", {2027, 2, 28}), (Date{2027, 2, 28}));
    EXPECT_EQ(due("0229", "2 days before", {2027, 2, 26}), (Date{2027, 2, 28}));
    EXPECT_EQ(due("0229", "The exact day", {2027, 3, 1}), std::nullopt);
    EXPECT_EQ(due("0229", "The exact day", {2028, 2, 28}), std::nullopt);
    EXPECT_EQ(due("0229", "1 day before", {2028, 2, 28}), (Date{2028, 2, 29}));
}

TEST(DueDate, KeysThatFormNoDayAreNeverDue) {
    for (const char* key :
         {"", "030", "0300", "0332", "0230", "0431", "1301", "0001", "03 5", "-305"})
        for (int day = 0; day < 366; ++day)
            ASSERT_EQ(due(key, "The exact day", addDays({2028, 1, 1}, day)), std::nullopt) << key;
    EXPECT_EQ(due("0305xyz", "The exact day", {2026, 3, 5}), (Date{2026, 3, 5}));
}

}  // namespace
}  // namespace reminders

// The table at its limit of 32,767 people under Wine: shown, scrolled to the
// last row, sorted by each order of the menu, checked for the day's
// reminders, and one more person refused with the contact file untouched.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "e2e/harness.h"

namespace {

using e2e::Festorin;
using e2e::Person;

constexpr int fullTable = 32767;
constexpr UINT_PTR reminderTimerId = 1;
const char* const leadTimes[] = {"The exact day", "1 day before", "2 days before", "3 days before",
                                 "4 days before"};

// Every birthday key of a common year except the days whose reminders could
// fall due today, in rising order.
std::vector<std::string> keysNeverDueToday() {
    static const int monthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::vector<std::string> due;
    for (int days = 0; days < 5; ++days) due.push_back(e2e::birthdayKey(e2e::dayFromToday(days)));
    std::vector<std::string> keys;
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= monthDays[month - 1]; ++day) {
            const std::string key = e2e::enteredPerson("", "", month, day)[0];
            if (std::find(due.begin(), due.end(), key) == due.end()) keys.push_back(key);
        }
    return keys;
}

Person numberedPerson(int first, int surname, int email, const SYSTEMTIME& birthday,
                      const char* leadTime) {
    const std::string number = std::to_string(first);
    return {e2e::birthdayKey(birthday),
            "F" + std::string(5 - number.size(), '0') + number,
            "S" + std::to_string(surname),
            "e" + std::to_string(email) + "@example.org",
            "",
            "",
            e2e::shownDate(birthday),
            "Other",
            leadTime,
            "Birtday"};
}

// A full table in random order with unique names and e-mail addresses: five
// people due today (one per lead time), one on the earliest and one on the
// latest day of the year, the rest on the days between, none of them due.
std::vector<Person> fullTableOfPeople() {
    std::mt19937 random(32767);
    std::vector<int> numbers(fullTable);
    std::iota(numbers.begin(), numbers.end(), 0);
    std::vector<int> firsts = numbers, surnames = numbers, emails = numbers;
    for (auto* order : {&firsts, &surnames, &emails})
        std::shuffle(order->begin(), order->end(), random);

    const std::vector<std::string> keys = keysNeverDueToday();
    auto dayOf = [](const std::string& key) {
        SYSTEMTIME day{};
        day.wMonth = static_cast<WORD>(std::stoi(key.substr(0, 2)));
        day.wDay = static_cast<WORD>(std::stoi(key.substr(2)));
        return day;
    };
    std::uniform_int_distribution<std::size_t> between(1, keys.size() - 2);
    std::vector<Person> people;
    for (int i = 0; i < fullTable; ++i) {
        SYSTEMTIME birthday = dayOf(keys[between(random)]);
        const char* leadTime = leadTimes[0];
        if (i < 5) {
            birthday = e2e::dayFromToday(i);
            leadTime = leadTimes[i];
        } else if (i == 5) {
            birthday = dayOf(keys.front());
        } else if (i == 6) {
            birthday = dayOf(keys.back());
        }
        people.push_back(numberedPerson(firsts[i], surnames[i], emails[i], birthday, leadTime));
    }
    std::shuffle(people.begin(), people.end(), random);
    return people;
}

// The people ordered by one column, byte by byte; only rows whose text in
// that column is unique stand at a place every correct sort agrees on.
std::vector<Person> sortedBy(std::vector<Person> people, int column) {
    std::stable_sort(people.begin(), people.end(),
                     [column](const Person& a, const Person& b) { return a[column] < b[column]; });
    return people;
}

bool uniqueAt(const std::vector<Person>& sorted, std::size_t place, int column) {
    const auto same = [&](std::size_t other) {
        return other < sorted.size() && sorted[other][column] == sorted[place][column];
    };
    return !same(place - 1) && !same(place + 1);
}

Person gridRow(const Festorin& festorin, int item) {
    Person person;
    for (int column = 0; column < 10; ++column) person.push_back(festorin.gridCell(item, column));
    return person;
}

class FullTableTest : public ::testing::Test {
protected:
    void SetUp() override { e2e::clearDataFolder(); }

    // The first and the last row, and rows between them where the order
    // fixes them: birthdays are shared, names and addresses are not.
    static void expectOrder(const Festorin& festorin, const std::vector<Person>& sorted,
                            int column) {
        std::vector<std::size_t> places{0, sorted.size() - 1};
        if (column != 0)
            for (std::size_t place = sorted.size() / 8; place < sorted.size();
                 place += sorted.size() / 8)
                places.push_back(place);
        for (std::size_t place : places) {
            ASSERT_TRUE(uniqueAt(sorted, place, column)) << "no row is fixed at " << place;
            EXPECT_EQ(gridRow(festorin, static_cast<int>(place)), sorted[place]) << "row " << place;
        }
    }
};

TEST_F(FullTableTest, ShowsSortsChecksAndRefusesOneMore) {
    const std::vector<Person> people = fullTableOfPeople();
    const std::string stored = e2e::contactRecords(people);
    e2e::writeDataFile("dates.txt", stored);
    e2e::writeDataFile("date_verif.txt", e2e::checkDateLine(e2e::dayFromToday(-1)));

    Festorin festorin;
    ASSERT_TRUE(festorin.started());
    ASSERT_EQ(festorin.gridRows(), fullTable);
    expectOrder(festorin, sortedBy(people, 0), 0);

    const int last = fullTable - 1;
    SendMessageA(festorin.grid(), LVM_ENSUREVISIBLE, last, FALSE);
    const auto top = SendMessageA(festorin.grid(), LVM_GETTOPINDEX, 0, 0);
    const auto perPage = SendMessageA(festorin.grid(), LVM_GETCOUNTPERPAGE, 0, 0);
    EXPECT_GT(top, 0);
    EXPECT_LE(top, last);
    EXPECT_GE(top + perPage, last);
    EXPECT_EQ(gridRow(festorin, last), sortedBy(people, 0).back());

    const std::vector<std::pair<std::string, int>> orders{
        {"by firstname", 1}, {"by surname", 2}, {"by E-mail", 3}, {"by date", 0}};
    for (const auto& [caption, column] : orders) {
        SCOPED_TRACE(caption);
        const std::vector<Person> sorted = sortedBy(people, column);
        festorin.menuCommand({"&Options", "Order", caption});
        ASSERT_TRUE(festorin.settle());
        expectOrder(festorin, sorted, column);
    }

    festorin.postMessage(WM_TIMER, reminderTimerId, 0);
    EXPECT_EQ(festorin.dataFile("date_verif.txt"), e2e::checkDateLine(e2e::dayFromToday(0)));
    EXPECT_EQ(festorin.windowsOfClass(e2e::reminderWindowClass).size(), 5u);

    festorin.enterPerson(e2e::enteredPerson("One", "More", 6, 1));
    festorin.clickLater(festorin.okButton());
    const e2e::MessageBoxSeen box = festorin.waitForMessageBox();
    EXPECT_EQ(box.caption, "Error");
    EXPECT_EQ(box.text, "The list is full: 32767 people at most");
    ASSERT_TRUE(festorin.answer(box, IDOK));
    EXPECT_EQ(festorin.gridRows(), fullTable);
    EXPECT_EQ(festorin.dataFile("dates.txt"), stored);
}

}  // namespace

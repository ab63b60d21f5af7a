#include "due_date.h"

#include <algorithm>

#include "book/text.h"

namespace reminders {

namespace {

int twoDigits(const std::string& text, std::size_t first) {
    return (text[first] - '0') * 10 + (text[first + 1] - '0');
}

}  // namespace

int leadTime(const std::string& when, std::span<const std::string> leadChoices) {
    const std::string text = book::trimmed(when);
    for (std::size_t i = 1; i < leadChoices.size(); ++i)
        if (text == leadChoices[i]) return static_cast<int>(i);
    return 0;
}

std::optional<MonthDay> birthdayOf(const std::string& key) {
    if (key.size() < 4) return std::nullopt;
    for (std::size_t i = 0; i < 4; ++i)
        if (!book::isDigit(key[i])) return std::nullopt;
    const MonthDay birthday{twoDigits(key, 0), twoDigits(key, 2)};
    constexpr int leapYear = 2000;
    if (!isValidDate(leapYear, birthday.month, birthday.day)) return std::nullopt;
    return birthday;
}

Date birthdayIn(int year, const MonthDay& birthday) {
    const int day = std::min(birthday.day, daysInMonth(year, birthday.month));
    return {year, birthday.month, day};
}

std::optional<DueReminder> dueBetween(const std::string& key, const std::string& when,
                                      std::span<const std::string> leadChoices, const Date& first,
                                      const Date& last) {
    const std::optional<MonthDay> birthday = birthdayOf(key);
    if (!birthday) return std::nullopt;
    const int lead = leadTime(when, leadChoices);
    const Date firstTarget = addDays(first, lead);
    const Date lastTarget = addDays(last, lead);
    for (int year = firstTarget.year; year <= lastTarget.year; ++year) {
        const Date inYear = birthdayIn(year, *birthday);
        if (firstTarget <= inYear && inYear <= lastTarget)
            return DueReminder{addDays(inYear, -lead), inYear};
    }
    return std::nullopt;
}

}  // namespace reminders

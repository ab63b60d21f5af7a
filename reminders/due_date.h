#pragma once
// Whether a row's reminder falls due on a given day.
#include <optional>
#include <span>
#include <string>

#include "calendar.h"

namespace reminders {

struct MonthDay {
    int month = 1, day = 1;
};

// Days before the birthday: the position of the trimmed text among the
// lead-time choices after the first; 0 when it equals none of them.
int leadTime(const std::string& when, std::span<const std::string> leadChoices);

// Month and day from the key's first four characters; nothing when they are
// not digits or form no day of any year.
std::optional<MonthDay> birthdayOf(const std::string& key);

// The birthday in a year; 29 February falls on 28 February in a common year.
Date birthdayIn(int year, const MonthDay& birthday);

// The birthday whose reminder falls due today, or nothing. The birthday is
// taken in the year of the reminder's target day, so that a reminder for
// early January opens in the last days of December.
std::optional<Date> dueBirthday(const std::string& key, const std::string& when,
                                std::span<const std::string> leadChoices, const Date& today);

}  // namespace reminders

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

struct DueReminder {
    Date day;       // the day the reminder falls due
    Date birthday;  // the birthday it reminds of
};

// The day from `first` to `last` on which a row's reminder falls due, or
// nothing. The birthday is taken in the year of the reminder's target day,
// so that a reminder for early January falls due in the last days of
// December. Over fewer days than a year a row falls due at most once.
std::optional<DueReminder> dueBetween(const std::string& key, const std::string& when,
                                      std::span<const std::string> leadChoices, const Date& first,
                                      const Date& last);

}  // namespace reminders

#pragma once
// Calendar days, as the daily check counts them: no time of day, no time zone.
#include <compare>

#include "platform/services.h"

namespace reminders {

struct Date {
    int year = 1899, month = 12, day = 30;
    friend auto operator<=>(const Date&, const Date&) = default;
};

bool isLeapYear(int year);
int daysInMonth(int year, int month);
// Year 1 to 9999, month 1 to 12, day 1 to the month's end.
bool isValidDate(int year, int month, int day);

Date addDays(const Date& date, int days);
// How many days `to` lies after `from`; negative when before.
int daysBetween(const Date& from, const Date& to);
// 1 for Monday up to 7 for Sunday.
int dayOfWeek(const Date& date);
// "Monday" to "Sunday".
const char* dayName(const Date& date);

Date dateOf(const platform::DateTime& moment);
platform::DateTime midnightOf(const Date& date);
bool sameDay(const platform::DateTime& a, const platform::DateTime& b);

}  // namespace reminders

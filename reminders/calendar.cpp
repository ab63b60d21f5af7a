#include "calendar.h"

#include <array>

namespace reminders {

namespace {

// Days since 1 January 1970 in the proleptic Gregorian calendar, and back.
long daysFromCivil(const Date& date) {
    const long year = date.month <= 2 ? date.year - 1L : date.year;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const long yearOfEra = year - era * 400;
    const long month = date.month;
    const long dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + date.day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

Date civilFromDays(long days) {
    days += 719468;
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const long dayOfEra = days - era * 146097;
    const long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return {year, month, day};
}

}  // namespace

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
    static constexpr std::array<int, 12> lengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && isLeapYear(year)) return 29;
    return lengths[month - 1];
}

bool isValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(year, month);
}

Date addDays(const Date& date, int days) { return civilFromDays(daysFromCivil(date) + days); }

int daysBetween(const Date& from, const Date& to) {
    return static_cast<int>(daysFromCivil(to) - daysFromCivil(from));
}

int dayOfWeek(const Date& date) {
    // 1 January 1970 was a Thursday, day 4.
    const long days = daysFromCivil(date);
    const long fromMonday = (days % 7 + 7 + 3) % 7;
    return static_cast<int>(fromMonday) + 1;
}

const char* dayName(const Date& date) {
    static constexpr std::array<const char*, 7> names{"Monday", "Tuesday",  "Wednesday", "Thursday",
                                                      "Friday", "Saturday", "Sunday"};
    return names[dayOfWeek(date) - 1];
}

Date dateOf(const platform::DateTime& moment) { return {moment.year, moment.month, moment.day}; }

platform::DateTime midnightOf(const Date& date) {
    return {date.year, date.month, date.day, 0, 0, 0};
}

bool sameDay(const platform::DateTime& a, const platform::DateTime& b) {
    return dateOf(a) == dateOf(b);
}

}  // namespace reminders

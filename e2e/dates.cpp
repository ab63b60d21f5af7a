#include "e2e/dates.h"

#include <cstdio>

#include "book/choices.h"

namespace e2e {

SYSTEMTIME dayFromToday(int days) {
    SYSTEMTIME today;
    GetLocalTime(&today);
    today.wHour = 12;
    today.wMinute = today.wSecond = today.wMilliseconds = 0;
    FILETIME time;
    SystemTimeToFileTime(&today, &time);
    ULARGE_INTEGER ticks{{time.dwLowDateTime, time.dwHighDateTime}};
    ticks.QuadPart += static_cast<LONGLONG>(days) * 24 * 60 * 60 * 10000000LL;
    time = {ticks.LowPart, ticks.HighPart};
    SYSTEMTIME day;
    FileTimeToSystemTime(&time, &day);
    return day;
}

std::string birthdayKey(const SYSTEMTIME& day) {
    char text[8];
    std::snprintf(text, sizeof text, "%02u%02u", day.wMonth, day.wDay);
    return text;
}

std::string shownDate(const SYSTEMTIME& day) {
    const std::string number = std::to_string(day.wDay);
    return std::string(book::monthNames[day.wMonth - 1]) + "," + (number.size() == 1 ? " " : "") +
           number;
}

std::string checkDateLine(const SYSTEMTIME& day) {
    char separator[4] = "/";
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDATE, separator, sizeof separator);
    char line[16];
    std::snprintf(line, sizeof line, "%02u%c%02u%c%04u\r\n", day.wDay, separator[0], day.wMonth,
                  separator[0], day.wYear);
    return line;
}

Person enteredPerson(const std::string& firstName, const std::string& surname, int month, int day) {
    SYSTEMTIME date{};
    date.wMonth = static_cast<WORD>(month);
    date.wDay = static_cast<WORD>(day);
    return {birthdayKey(date), firstName,        surname,         "",       "", "",
            shownDate(date),   "Send an E-mail", "The exact day", "Birtday"};
}

}  // namespace e2e

#pragma once
// The birthdays an address-book export writes, as a month and a day; the year
// and any time of day are not kept.
#include <optional>
#include <string_view>

#include "contact.h"

namespace address_book {

// The order of day, month and year in the user's regional short-date format.
enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };

// YYYY-MM-DD, YYYYMMDD, --MM-DD or --MMDD, each possibly followed by a time
// ("T..."), between blanks.
std::optional<MonthDay> isoBirthday(std::string_view text);

// Three numbers apart by any of "/", ".", "-" and blanks ("5/3/1970",
// "05.03.70", "2020. 3. 5."): one or two digits for the day and the month, up
// to four for the year. A first number of three or four digits is the year,
// and the month and day follow; dots put the day before the month, or the
// year where `dotted` says so; a date that ends in a year of three or four
// digits is never year, month, day; other dates are in the given order.
// Outlook's date of no birthday, 1/1/4501, is none.
std::optional<MonthDay> regionalBirthday(std::string_view text, DateOrder order,
                                         DateOrder dotted = DateOrder::DayMonthYear);

// Whether the text says that there is no birthday: nothing but blanks, or
// Outlook's year 4501 in any form ("1/1/4501", "4501-01-01", "45010101").
bool statesNoBirthday(std::string_view text);

// A birthday in any form that address books write: ISO, three numbers (see
// regionalBirthday), a month's name in English or in a language whose
// exports the program reads ("24-Dec-80", "Dec 24, 1980", "24. Dezember
// 1980", "24 December"), or Chinese, Japanese and Korean forms ("1980年12月24日",
// "12月24日"); a time of day after the date ("00:00:00", "+01:00") is passed
// over.
std::optional<MonthDay> writtenBirthday(std::string_view text, DateOrder order,
                                        DateOrder dotted = DateOrder::DayMonthYear);

// The order of a column of such dates, judged from all of them but those
// whose year comes first: a first number over 12 anywhere means the day comes
// first, a second number over 12 that the month does; a dotted date counts
// only for the day. A column that tells neither, or both, keeps the regional
// order; where that puts the year first, only dates whose last number is a
// year of three or four digits are judged. Dotted dates are day first unless
// one of them begins with a number that no day has: then the year comes
// first in all of them.
class DateOrderJudge {
public:
    explicit DateOrderJudge(DateOrder regional) : regional_(regional) {}
    void see(std::string_view text);
    DateOrder order() const;
    DateOrder dottedOrder() const;

private:
    DateOrder regional_;
    bool dayFirst_ = false;
    bool monthFirst_ = false;
    bool dottedYearFirst_ = false;
};

// A day or a month written alone, in one or two digits.
std::optional<int> dayOrMonth(std::string_view text);

}  // namespace address_book

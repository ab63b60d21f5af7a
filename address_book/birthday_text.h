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
// and the month and day follow; dots put the day before the month; other
// dates are in the given order. Outlook's date of no birthday, 1/1/4501, is
// none.
std::optional<MonthDay> regionalBirthday(std::string_view text, DateOrder order);

// The order of a column of such dates, judged from all of them but those
// whose dots or year show their own order: a first number over 12 anywhere
// means the day comes first, a second number over 12 that the month does. A column that tells
// neither, or both, keeps the regional order; where that puts the year first, only dates whose last
// number is a year of three or four digits are judged.
class DateOrderJudge {
public:
    explicit DateOrderJudge(DateOrder regional) : regional_(regional) {}
    void see(std::string_view text);
    DateOrder order() const;

private:
    DateOrder regional_;
    bool dayFirst_ = false;
    bool monthFirst_ = false;
};

// A day or a month written alone, in one or two digits.
std::optional<int> dayOrMonth(std::string_view text);

}  // namespace address_book

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

// Three numbers in the given order, apart by any of "/", ".", "-" and blanks
// ("5/3/1970", "05.03.70", "2020. 3. 5."): one or two digits for the day and
// the month, up to four for the year.
std::optional<MonthDay> regionalBirthday(std::string_view text, DateOrder order);

}  // namespace address_book

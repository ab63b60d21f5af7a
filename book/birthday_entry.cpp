#include "birthday_entry.h"

#include <algorithm>
#include <cctype>

#include "platform/errors.h"
#include "text.h"

namespace book {

namespace {

bool allDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

int daysIn(int month) {
    switch (month) {
        case 2:
            return 29;
        case 4:
        case 6:
        case 9:
        case 11:
            return 30;
        default:
            return 31;
    }
}

}  // namespace

int dayNumber(const std::string& dayText) {
    const std::string day = trimmed(dayText);
    if (!allDigits(day)) throw platform::ConversionError(day);
    return platform::toInt(day);
}

std::string enteredDay(const std::string& dayText) {
    const std::string day = trimmed(dayText);
    constexpr std::size_t keyDigits = 2;
    return day.size() <= keyDigits ? day : std::to_string(dayNumber(day));
}

std::string refusedDay(int month, const std::string& monthName, int day) {
    if (day == 0) return "There is no day 0";
    const int most = daysIn(month);
    if (day <= most) return "";
    if (month == 2) return "there are 29 days at max. in February";
    return "There are " + std::to_string(most) + " days at max. in " + monthName;
}

ShownDateParts splitShownDate(const std::string& shownDate) {
    const std::size_t comma = shownDate.find(',');
    if (comma == std::string::npos) return {"", trimmed(shownDate)};
    return {trimmed(shownDate.substr(0, comma)), trimmed(shownDate.substr(comma + 1))};
}

}  // namespace book

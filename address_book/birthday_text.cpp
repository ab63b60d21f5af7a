#include "birthday_text.h"

#include <array>
#include <string>

#include "book/text.h"

namespace address_book {

namespace {

// A pattern's "9" stands for any digit, every other character for itself.
bool matches(std::string_view text, std::string_view pattern) {
    if (text.size() != pattern.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (pattern[i] == '9' ? !book::isDigit(text[i]) : text[i] != pattern[i]) return false;
    return true;
}

int number(std::string_view digits) {
    int value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value;
}

struct IsoForm {
    std::string_view pattern;
    std::size_t month;  // where its two digits start
    std::size_t day;
};

constexpr std::array<IsoForm, 4> isoForms{
    {{"9999-99-99", 5, 8}, {"99999999", 4, 6}, {"--99-99", 2, 5}, {"--9999", 2, 4}}};

bool isSeparator(char c) { return c == '/' || c == '.' || c == '-' || c == ' '; }

struct ThreeNumbers {
    std::array<std::string_view, 3> parts;  // in their written order
    bool dotted = false;                    // apart by dots
};

// Three runs of digits apart by separators.
std::optional<ThreeNumbers> threeNumbers(std::string_view text) {
    const std::string_view date = book::withoutBlanks(text);
    ThreeNumbers numbers;
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < date.size();) {
        const std::size_t start = pos;
        while (pos < date.size() && book::isDigit(date[pos])) ++pos;
        // Neither a digit nor a separator, or a separator first.
        if (pos == start || count == numbers.parts.size()) return std::nullopt;
        numbers.parts[count++] = date.substr(start, pos - start);
        numbers.dotted = numbers.dotted || (pos < date.size() && date[pos] == '.');
        while (pos < date.size() && isSeparator(date[pos])) ++pos;
    }
    if (count != numbers.parts.size()) return std::nullopt;
    return numbers;
}

// A first number of three or four digits is a year ("1980/12/24"); dots put
// the day first everywhere they are written ("24.12.1980"); otherwise the
// order is the one given.
DateOrder orderShown(const ThreeNumbers& numbers, DateOrder order) {
    if (numbers.parts[0].size() > 2) return DateOrder::YearMonthDay;
    if (numbers.dotted && order != DateOrder::YearMonthDay) return DateOrder::DayMonthYear;
    return order;
}

// Outlook writes 1/1/4501 for a birthday it has none of.
constexpr std::string_view noDateYear = "4501";

}  // namespace

std::optional<MonthDay> isoBirthday(std::string_view text) {
    const std::string_view date = book::withoutBlanks(text);
    const std::string_view day = date.substr(0, date.find_first_of("Tt"));
    for (const IsoForm& form : isoForms)
        if (matches(day, form.pattern))
            return MonthDay{number(day.substr(form.month, 2)), number(day.substr(form.day, 2))};
    return std::nullopt;
}

std::optional<MonthDay> regionalBirthday(std::string_view text, DateOrder order) {
    const auto numbers = threeNumbers(text);
    if (!numbers) return std::nullopt;
    const std::array<std::string_view, 3>& parts = numbers->parts;
    const DateOrder shown = orderShown(*numbers, order);
    const auto [day, month, year] =
        shown == DateOrder::DayMonthYear   ? std::array{parts[0], parts[1], parts[2]}
        : shown == DateOrder::MonthDayYear ? std::array{parts[1], parts[0], parts[2]}
                                           : std::array{parts[2], parts[1], parts[0]};
    if (day.size() > 2 || month.size() > 2 || year.size() > 4 || year == noDateYear)
        return std::nullopt;
    return MonthDay{number(month), number(day)};
}

void DateOrderJudge::see(std::string_view text) {
    if (book::withoutBlanks(text).empty() || isoBirthday(text)) return;
    const auto numbers = threeNumbers(text);
    // Dotted dates and dates that begin with a year show their own order.
    if (!numbers || numbers->dotted) return;
    const auto [first, second, last] = numbers->parts;
    if (first.size() > 2 || second.size() > 2) return;
    if (regional_ == DateOrder::YearMonthDay && last.size() < 3) return;
    dayFirst_ = dayFirst_ || number(first) > 12;
    monthFirst_ = monthFirst_ || number(second) > 12;
}

DateOrder DateOrderJudge::order() const {
    if (dayFirst_ == monthFirst_) return regional_;
    return dayFirst_ ? DateOrder::DayMonthYear : DateOrder::MonthDayYear;
}

std::optional<int> dayOrMonth(std::string_view text) {
    const std::string_view digits = book::withoutBlanks(text);
    if (digits.empty() || digits.size() > 2 || !book::isDigit(digits.front()) ||
        !book::isDigit(digits.back()))
        return std::nullopt;
    return number(digits);
}

}  // namespace address_book

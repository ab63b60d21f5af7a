#include "birthday_text.h"

#include <array>
#include <initializer_list>
#include <string>

#include "book/text.h"
#include "month_names.h"

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
// the day first everywhere they are written ("24.12.1980"), unless the column
// shows a year there; a date that ends in a year is never year, month, day;
// otherwise the order is the one given.
DateOrder orderShown(const ThreeNumbers& numbers, DateOrder order, DateOrder dotted) {
    if (numbers.parts[0].size() > 2) return DateOrder::YearMonthDay;
    const bool endsInYear = numbers.parts[2].size() > 2;
    if (numbers.dotted) return endsInYear ? DateOrder::DayMonthYear : dotted;
    if (order == DateOrder::YearMonthDay && endsInYear) return DateOrder::DayMonthYear;
    return order;
}

// Outlook writes 1/1/4501 for a birthday it has none of.
constexpr std::string_view noDateYear = "4501";

// The date before a time of day: "24/12/1980 00:00:00", "12/24/1980 0:00",
// "1980-12-24+01:00".
std::string_view withoutTime(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) return text;
    std::size_t start = colon;
    while (start > 0 && book::isDigit(text[start - 1])) --start;
    if (start == 0 || start == colon) return text;
    const char before = text[start - 1];
    if (before != ' ' && before != '+' && before != '-' && before != 'T') return text;
    return text.substr(0, start - 1);
}

bool isWordSeparator(char c) {
    return c == ' ' || c == ',' || c == '.' || c == '/' || c == '-' || c == '\t' || c == '\'';
}

// One or two numbers and a month's name: the day is the first number of one
// or two digits, the other one a year.
std::optional<MonthDay> namedMonthBirthday(std::string_view date) {
    std::array<std::string_view, 2> numbers;
    std::size_t count = 0;
    std::optional<int> month;
    for (std::size_t pos = 0; pos < date.size();) {
        const std::size_t start = pos;
        if (isWordSeparator(date[pos])) {
            ++pos;
        } else if (book::isDigit(date[pos])) {
            while (pos < date.size() && book::isDigit(date[pos])) ++pos;
            if (count == numbers.size()) return std::nullopt;
            numbers[count++] = date.substr(start, pos - start);
        } else {
            while (pos < date.size() && !book::isDigit(date[pos]) && !isWordSeparator(date[pos]))
                ++pos;
            if (month) return std::nullopt;
            month = monthNamed(date.substr(start, pos - start));
            if (!month) return std::nullopt;
        }
    }
    if (!month || count == 0) return std::nullopt;
    const bool dayFirst = numbers[0].size() <= 2;
    const std::string_view day = dayFirst ? numbers[0] : numbers[1];
    const std::string_view year = dayFirst ? numbers[1] : numbers[0];
    if (day.empty() || day.size() > 2 || (count == 2 && year.size() != 2 && year.size() != 4))
        return std::nullopt;
    return MonthDay{*month, number(day)};
}

// Reads a date from its start, passing over blanks.
class DateCursor {
public:
    explicit DateCursor(std::string_view text) : rest_(text) {}

    std::string_view digits() {
        skipBlanks();
        std::size_t size = 0;
        while (size < rest_.size() && book::isDigit(rest_[size])) ++size;
        const std::string_view found = rest_.substr(0, size);
        rest_.remove_prefix(size);
        return found;
    }

    // Takes one of the signs if the text goes on with it.
    bool sign(std::initializer_list<std::string_view> signs) {
        skipBlanks();
        for (std::string_view one : signs)
            if (rest_.starts_with(one)) {
                rest_.remove_prefix(one.size());
                return true;
            }
        return false;
    }

    bool atEnd() {
        skipBlanks();
        return rest_.empty();
    }

private:
    void skipBlanks() {
        while (!rest_.empty() && rest_.front() == ' ') rest_.remove_prefix(1);
    }

    std::string_view rest_;
};

// "1980年12月24日", "1980年12月24", "12月24日", and the same in Korean.
std::optional<MonthDay> eastAsianBirthday(std::string_view date) {
    const std::initializer_list<std::string_view> yearSigns{"\u5e74", "\ub144"};
    const std::initializer_list<std::string_view> monthSigns{"\u6708", "\uc6d4"};
    const std::initializer_list<std::string_view> daySigns{"\u65e5", "\uc77c"};
    DateCursor cursor(date);
    std::string_view month = cursor.digits();
    if (cursor.sign(yearSigns)) month = cursor.digits();
    if (month.empty() || month.size() > 2 || !cursor.sign(monthSigns)) return std::nullopt;
    const std::string_view day = cursor.digits();
    cursor.sign(daySigns);
    if (day.empty() || day.size() > 2 || !cursor.atEnd()) return std::nullopt;
    return MonthDay{number(month), number(day)};
}

}  // namespace

std::optional<MonthDay> isoBirthday(std::string_view text) {
    const std::string_view date = book::withoutBlanks(text);
    const std::string_view day = date.substr(0, date.find_first_of("Tt"));
    if (day.starts_with(noDateYear)) return std::nullopt;
    for (const IsoForm& form : isoForms)
        if (matches(day, form.pattern))
            return MonthDay{number(day.substr(form.month, 2)), number(day.substr(form.day, 2))};
    return std::nullopt;
}

std::optional<MonthDay> regionalBirthday(std::string_view text, DateOrder order, DateOrder dotted) {
    const auto numbers = threeNumbers(text);
    if (!numbers) return std::nullopt;
    const std::array<std::string_view, 3>& parts = numbers->parts;
    const DateOrder shown = orderShown(*numbers, order, dotted);
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
    const auto numbers = threeNumbers(withoutTime(text));
    // Dates that begin with a year show their own order.
    if (!numbers || numbers->parts[0].size() > 2 || numbers->parts[1].size() > 2) return;
    const auto [first, second, last] = numbers->parts;
    if (numbers->dotted) {
        const bool yearFirst = last.size() < 3 && number(first) > 31;
        dottedYearFirst_ = dottedYearFirst_ || yearFirst;
        dayFirst_ = dayFirst_ || (!yearFirst && number(first) > 12);
        return;
    }
    if (regional_ == DateOrder::YearMonthDay && last.size() < 3) return;
    dayFirst_ = dayFirst_ || number(first) > 12;
    monthFirst_ = monthFirst_ || number(second) > 12;
}

DateOrder DateOrderJudge::order() const {
    if (dayFirst_ == monthFirst_) return regional_;
    return dayFirst_ ? DateOrder::DayMonthYear : DateOrder::MonthDayYear;
}

DateOrder DateOrderJudge::dottedOrder() const {
    return dottedYearFirst_ ? DateOrder::YearMonthDay : DateOrder::DayMonthYear;
}

bool statesNoBirthday(std::string_view text) {
    const std::string_view date = book::withoutBlanks(withoutTime(text));
    return date.empty() || date.starts_with(noDateYear) || date.ends_with(noDateYear);
}

std::optional<MonthDay> writtenBirthday(std::string_view text, DateOrder order, DateOrder dotted) {
    if (auto iso = isoBirthday(text)) return iso;
    const std::string_view date = withoutTime(text);
    if (auto iso = isoBirthday(date)) return iso;
    if (auto regional = regionalBirthday(date, order, dotted)) return regional;
    if (auto named = namedMonthBirthday(date)) return named;
    return eastAsianBirthday(date);
}

std::optional<int> dayOrMonth(std::string_view text) {
    const std::string_view digits = book::withoutBlanks(text);
    if (digits.empty() || digits.size() > 2 || !book::isDigit(digits.front()) ||
        !book::isDigit(digits.back()))
        return std::nullopt;
    return number(digits);
}

}  // namespace address_book

#include "check_date_file.h"

#include <cstdio>

#include "book/text.h"
#include "platform/atomic_file.h"

namespace reminders {

namespace {

// The decimal number written at [first, first + count) of the line, or -1
// when any of those characters is not a digit.
int digitsAt(const std::string& line, std::size_t first, std::size_t count) {
    int value = 0;
    for (std::size_t i = first; i < first + count; ++i) {
        const char c = line[i];
        if (!book::isDigit(c)) return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

std::string checkDateLine(const Date& date, char separator) {
    char line[32];
    std::snprintf(line, sizeof line, "%02d%c%02d%c%04d\r\n", date.day, separator, date.month,
                  separator, date.year);
    return line;
}

std::optional<Date> parseCheckDate(const std::string& content) {
    const std::string line = content.substr(0, content.find_first_of("\r\n"));
    if (line.size() < 10) return std::nullopt;
    const Date date{digitsAt(line, 6, 4), digitsAt(line, 3, 2), digitsAt(line, 0, 2)};
    if (!isValidDate(date.year, date.month, date.day)) return std::nullopt;
    return date;
}

void writeCheckDateFile(const std::string& path, const Date& date, char separator) {
    platform::writeFileAtomically(path, checkDateLine(date, separator));
}

std::optional<Date> readCheckDateFile(const std::string& path) {
    std::string line;
    if (!platform::readFirstLine(path, line)) return std::nullopt;
    return parseCheckDate(line);
}

}  // namespace reminders

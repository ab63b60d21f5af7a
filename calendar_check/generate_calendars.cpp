// Writes random lists as calendars, as File > Export... does, and beside each
// what the calendar must say: each person's birthday, the days on which the
// daily check opens the person's reminder window (found by walking the days
// through the check's own due-date code, not the writer's), and the texts.
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "address_book/icalendar_writer.h"
#include "app/system_converters.h"
#include "book/choices.h"
#include "book/contact_table.h"
#include "book/text.h"
#include "reminders/calendar.h"
#include "reminders/due_date.h"
#include "reminders/reminder_texts.h"

namespace {

using address_book::Cells;

constexpr int firstYear = 2027, lastYear = 2032, lists = 150;

template <typename Choices>
std::vector<std::string> textsOf(const Choices& choices) {
    return {choices.begin(), choices.end()};
}
const std::vector<std::string> actions = textsOf(book::actionChoices);
const std::vector<std::string> leads = textsOf(book::leadTimeChoices);
const std::vector<std::string> reasons = textsOf(book::reasonChoices);

class RandomRows {
public:
    explicit RandomRows(unsigned seed) : random_(seed) {}

    int below(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

    // Pieces that need care in a calendar; a backslash is never followed by
    // what would make it an escape, which one of the readers mistakes.
    std::string text() {
        static const std::vector<std::string> pieces{";",    ",",     "\\x", "\r\n", "\n",
                                                     " ",    "\t",    ":",   "\"",   "Ann",
                                                     "Lee ", "+33 6", "@",   "\xE9"};
        std::string text;
        for (int i = below(12); i > 0; --i) {
            const int chosen = below(static_cast<int>(pieces.size()) + 2);
            text += chosen < static_cast<int>(pieces.size())
                        ? pieces[chosen]
                        : std::string(1, static_cast<char>(0x80 + below(128)));
        }
        return text;
    }

    std::string key() {
        static const std::vector<std::string> edges{"0229", "1231", "0101", "0102", "0103",
                                                    "0104", "0228", "0301", "0230", "1300"};
        if (below(3) == 0) return edges[below(static_cast<int>(edges.size()))];
        const int month = 1 + below(12);
        const int day = 1 + below(reminders::daysInMonth(2000, month));
        return (month < 10 ? "0" : "") + std::to_string(month) + (day < 10 ? "0" : "") +
               std::to_string(day);
    }

    std::string oneOf(const std::vector<std::string>& choices) {
        const int chosen = below(static_cast<int>(choices.size()) + 1);
        return chosen < static_cast<int>(choices.size()) ? choices[chosen] : text();
    }

    Cells row() {
        std::string reason = oneOf(reasons);
        if (below(8) == 0) reason = " " + reason + " ";
        return {key(),  text(), text(),         text(),       text(),
                text(), text(), oneOf(actions), oneOf(leads), reason};
    }

private:
    std::mt19937 random_;
};

std::string json(const std::string& utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04x", c);
            out += code;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string dayText(const reminders::Date& day) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", day.year, day.month, day.day);
    return text;
}

// The days the daily check opens the row's window, one a birthday year:
// every day from before the first year to the end of the last is checked.
std::map<int, reminders::Date> reminderDays(const Cells& row) {
    static std::map<std::string, std::map<int, reminders::Date>> known;
    const std::string asked = row[book::colKey] + '\0' + row[book::colWhen];
    if (const auto found = known.find(asked); found != known.end()) return found->second;
    std::map<int, reminders::Date>& byYear = known[asked];
    for (reminders::Date day{firstYear - 1, 12, 1}; day.year <= lastYear;
         day = reminders::addDays(day, 1)) {
        const auto due =
            reminders::dueBetween(row[book::colKey], row[book::colWhen], leads, day, day);
        if (due && due->birthday.year >= firstYear && !byYear.contains(due->birthday.year))
            byYear[due->birthday.year] = due->day;
    }
    return byYear;
}

// A line break is one "\n" in a calendar's text.
std::string utf8Text(const std::string& ansi) {
    std::string utf8 = ansi.empty() ? "" : systemConverters().ansiToUtf8(ansi);
    for (std::size_t at; (at = utf8.find("\r\n")) != std::string::npos;) utf8.erase(at, 1);
    return utf8;
}

// The reminder sentence up to its day, with the first reason choice as the
// word it stands for.
std::string expectedSummary(const Cells& row, const reminders::RowCells& cells,
                            const reminders::Date& birthday) {
    std::string sentence = reminders::reminderTexts(cells, birthday, actions, reasons).sentence;
    sentence.resize(sentence.size() - (std::string(" on ") + reminders::dayName(birthday) + " " +
                                       book::trimmed(row[book::colShownDate]) + ".")
                                          .size());
    if (book::trimmed(row[book::colReason]) == reasons[0]) sentence.replace(0, 7, "Birthday");
    return utf8Text(book::trimmed(sentence));
}

std::string expectationsOf(const Cells& row) {
    const reminders::RowCells cells{row[book::colFirstName], row[book::colSurname],
                                    row[book::colEmail],     row[book::colPhone1],
                                    row[book::colPhone2],    row[book::colShownDate],
                                    row[book::colAction],    row[book::colReason]};
    const auto birthday = reminders::birthdayOf(row[book::colKey]);
    const reminders::ReminderTexts texts =
        reminders::reminderTexts(cells, {firstYear, 1, 1}, actions, reasons);
    std::string out = "{\"month\": " + std::to_string(birthday->month) +
                      ", \"day\": " + std::to_string(birthday->day) +
                      ", \"summary\": " + json(expectedSummary(row, cells, {firstYear, 1, 1})) +
                      ", \"description\": " + json(utf8Text(texts.action + texts.address)) +
                      ", \"reminders\": {";
    const char* separator = "";
    for (const auto& [year, day] : reminderDays(row)) {
        out += separator + json(std::to_string(year)) + ": " + json(dayText(day));
        separator = ", ";
    }
    return out + "}}";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: generate_calendars FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    RandomRows random(2027);
    for (int list = 0; list < lists; ++list) {
        std::vector<Cells> rows;
        for (int i = random.below(21); i > 0; --i) rows.push_back(random.row());
        if (!rows.empty() && random.below(4) == 0) rows.push_back(rows.front());
        const platform::DateTime exported{2024 + random.below(4), 1 + random.below(12), 10, 8, 30};
        const address_book::BirthdayCalendar calendar =
            address_book::birthdayCalendarOf(rows, exported, systemConverters());
        const std::string name = folder + "/list" + std::to_string(list);
        std::ofstream(name + ".ics", std::ios::binary) << calendar.bytes;
        std::ofstream expected(name + ".json", std::ios::binary);
        expected << "{\"leftOut\": " << calendar.leftOut << ", \"events\": [";
        const char* separator = "";
        for (const Cells& row : rows) {
            if (!reminders::birthdayOf(row[book::colKey])) continue;
            expected << separator << expectationsOf(row);
            separator = ",\n";
        }
        expected << "]}\n";
    }
    return 0;
}

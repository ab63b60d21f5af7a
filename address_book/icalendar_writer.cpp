#include "icalendar_writer.h"

#include <cstdio>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "book/choices.h"
#include "book/content_hash.h"
#include "book/text.h"
#include "content_lines.h"
#include "reminders/due_date.h"
#include "reminders/reminder_texts.h"

namespace address_book {

namespace {

std::vector<std::string> textsOf(const auto& choices) { return {choices.begin(), choices.end()}; }

const std::vector<std::string> actionChoices = textsOf(book::actionChoices);
const std::vector<std::string> leadChoices = textsOf(book::leadTimeChoices);
const std::vector<std::string> reasonChoices = textsOf(book::reasonChoices);

// The first reason choice keeps its stored spelling in the list and the
// files; a calendar shows the word.
constexpr const char* birthdayWord = "Birthday";

reminders::RowCells reminderCellsOf(const Cells& person) {
    return {person[book::colFirstName], person[book::colSurname], person[book::colEmail],
            person[book::colPhone1],    person[book::colPhone2],  person[book::colShownDate],
            person[book::colAction],    person[book::colReason]};
}

// "Birthday of Ann Zed": the reminder sentence without the day, which
// changes every year.
std::string summaryOf(reminders::RowCells cells) {
    if (book::trimmed(cells.reason) == reasonChoices[book::birthdayReason])
        cells.reason = birthdayWord;
    return book::trimmed(reminders::reminderOf(cells));
}

// What the reminder window's second line shows: the action and the address
// beside it.
std::string descriptionOf(const reminders::RowCells& cells) {
    const reminders::ActionLine action = reminders::actionLine(cells, actionChoices);
    return action.address.empty() ? action.text : action.text + action.address;
}

std::string digits(int value, int width) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", width, value);
    return text;
}

std::string dateValue(const reminders::Date& date) {
    return digits(date.year, 4) + digits(date.month, 2) + digits(date.day, 2);
}

std::string stampOf(const platform::DateTime& moment) {
    return dateValue({moment.year, moment.month, moment.day}) + "T" + digits(moment.hour, 2) +
           digits(moment.minute, 2) + digits(moment.second, 2) + "Z";
}

// 9:00 on the day the reminder is due, from the birthday's midnight.
std::string alarmTrigger(int leadDays) {
    if (leadDays == 0) return "PT9H";
    if (leadDays == 1) return "-PT15H";
    return "-P" + std::to_string(leadDays - 1) + "DT15H";
}

// 29 February recurs on the last day of February, as the daily check moves
// it to 28 February in a common year.
std::string recurrenceOf(const reminders::MonthDay& birthday) {
    if (birthday.month == 2 && birthday.day == 29)
        return "RRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1";
    return "RRULE:FREQ=YEARLY";
}

// Control characters other than a tab or a line break have no place in a
// calendar's text.
std::string withoutControls(std::string utf8) {
    std::erase_if(utf8, [](char c) {
        return (c >= 0 && c < ' ' && c != '\t' && c != '\r' && c != '\n') || c == 0x7f;
    });
    return utf8;
}

// The same person gets the same identifier in every export, so that a
// calendar updates the event instead of adding it again: a hash of the
// birthday and the names, and a count for the same person listed again.
class Identifiers {
public:
    std::string next(const Cells& person) {
        std::string identity = person[book::colKey];
        for (book::Column column : {book::colFirstName, book::colSurname}) {
            identity += '\0';
            identity += person[column];
        }
        char hash[17];
        std::snprintf(hash, sizeof hash, "%016llx",
                      static_cast<unsigned long long>(book::contentHash(identity)));
        const int repeat = seen_[hash]++;
        return std::string(hash) + (repeat ? "-" + std::to_string(repeat) : "") + "@festorin";
    }

private:
    std::unordered_map<std::string, int> seen_;
};

class EventWriter {
public:
    EventWriter(std::string& out, const platform::DateTime& exportMoment,
                const TextConverters& converters)
        : out_(out),
          stamp_(stampOf(exportMoment)),
          year_(exportMoment.year),
          converters_(converters) {}

    void write(const Cells& person, const reminders::MonthDay& birthday) {
        const reminders::RowCells cells = reminderCellsOf(person);
        const reminders::Date start = reminders::birthdayIn(year_, birthday);
        const std::string summary = text(summaryOf(cells));
        const std::string description = text(descriptionOf(cells));
        line("BEGIN:VEVENT");
        line("UID:" + identifiers_.next(person));
        line("DTSTAMP:" + stamp_);
        line("DTSTART;VALUE=DATE:" + dateValue(start));
        line("DTEND;VALUE=DATE:" + dateValue(reminders::addDays(start, 1)));
        line(recurrenceOf(birthday));
        line("SUMMARY:" + summary);
        if (!description.empty()) line("DESCRIPTION:" + description);
        line("TRANSP:TRANSPARENT");
        line("CATEGORIES:Birthday");
        line("BEGIN:VALARM");
        line("ACTION:DISPLAY");
        line("DESCRIPTION:" + summary);
        line("TRIGGER:" + alarmTrigger(reminders::leadTime(person[book::colWhen], leadChoices)));
        line("END:VALARM");
        line("END:VEVENT");
    }

private:
    void line(std::string_view whole) { appendFolded(out_, whole); }
    // A text value in UTF-8, escaped. An empty text is not handed over:
    // Windows' converters take no empty text.
    std::string text(const std::string& ansi) const {
        std::string value;
        if (!ansi.empty()) appendEscaped(value, withoutControls(converters_.ansiToUtf8(ansi)));
        return value;
    }

    std::string& out_;
    const std::string stamp_;
    const int year_;
    const TextConverters& converters_;
    Identifiers identifiers_;
};

}  // namespace

BirthdayCalendar birthdayCalendarOf(const std::vector<Cells>& people,
                                    const platform::DateTime& exportMoment,
                                    const TextConverters& converters) {
    BirthdayCalendar calendar;
    std::string& out = calendar.bytes;
    out +=
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Festorin//Birthdays//EN\r\n"
        "CALSCALE:GREGORIAN\r\nX-WR-CALNAME:Festorin birthdays\r\n";
    EventWriter writer(out, exportMoment, converters);
    for (const Cells& person : people) {
        const std::optional<reminders::MonthDay> birthday =
            reminders::birthdayOf(person[book::colKey]);
        if (!birthday) {
            ++calendar.leftOut;
            continue;
        }
        writer.write(person, *birthday);
        ++calendar.written;
    }
    out += "END:VCALENDAR\r\n";
    return calendar;
}

}  // namespace address_book

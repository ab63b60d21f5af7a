#include "icalendar_writer.h"

#include <gtest/gtest.h>

#include "app/system_converters.h"

namespace address_book {
namespace {

const platform::DateTime exported{2026, 12, 11, 14, 5, 9};

Cells row(std::string key, std::string when = "The exact day", std::string action = "Other") {
    return {key, "Ann", "Zed", "ann@example.org", "01 23", "06 78", "", action, when, "Birtday"};
}

// The logical lines of a file: folds undone, CR LF taken off.
std::vector<std::string> unfolded(const std::string& file) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = file.find("\r\n", start)) != std::string::npos; start = end + 2) {
        EXPECT_LE(end - start, 75u);
        if (file[start] == ' ')
            lines.back() += file.substr(start + 1, end - start - 1);
        else
            lines.push_back(file.substr(start, end - start));
    }
    EXPECT_EQ(start, file.size()) << "the last line ends in CR LF";
    return lines;
}

// The value of each of the event's lines that begin with `name`.
std::vector<std::string> valuesOf(const std::string& file, const std::string& name) {
    std::vector<std::string> values;
    for (const std::string& line : unfolded(file))
        if (line.starts_with(name)) values.push_back(line.substr(name.size()));
    return values;
}

TEST(ICalendarWriter, OneYearlyEventWithItsAlarmForEachPerson) {
    const BirthdayCalendar calendar =
        birthdayCalendarOf({row("0305", "2 days before", "Send an E-mail"), row("0230")}, exported,
                           systemConverters());
    EXPECT_EQ(calendar.written, 1);
    EXPECT_EQ(calendar.leftOut, 1);
    EXPECT_EQ(calendar.bytes,
              "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Festorin//Birthdays//EN\r\n"
              "CALSCALE:GREGORIAN\r\nX-WR-CALNAME:Festorin birthdays\r\n"
              "BEGIN:VEVENT\r\nUID:" +
                  valuesOf(calendar.bytes, "UID:").at(0) +
                  "\r\nDTSTAMP:20261211T140509Z\r\n"
                  "DTSTART;VALUE=DATE:20260305\r\nDTEND;VALUE=DATE:20260306\r\n"
                  "RRULE:FREQ=YEARLY\r\nSUMMARY:Birthday of Ann Zed\r\n"
                  "DESCRIPTION:Send an E-mail at ann@example.org\r\nTRANSP:TRANSPARENT\r\n"
                  "CATEGORIES:Birthday\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\n"
                  "DESCRIPTION:Birthday of Ann Zed\r\nTRIGGER:-P1DT15H\r\nEND:VALARM\r\n"
                  "END:VEVENT\r\nEND:VCALENDAR\r\n");
    EXPECT_EQ(birthdayCalendarOf({}, exported, systemConverters()).bytes,
              "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Festorin//Birthdays//EN\r\n"
              "CALSCALE:GREGORIAN\r\nX-WR-CALNAME:Festorin birthdays\r\n"
              "END:VCALENDAR\r\n");
}

// Each line a row gives, for every lead time, every action, the days at the
// ends of February and of the year, and the keys that name no day.
TEST(ICalendarWriter, LinesOfEachKindOfRow) {
    struct Case {
        Cells person;
        platform::DateTime when;
        std::string name, value;  // "" when the row is left out
    };
    const platform::DateTime leapYear{2028, 1, 2};
    const Case cases[] = {
        {row("0101", "The exact day"), exported, "TRIGGER:", "PT9H"},
        {row("0101", "1 day before"), exported, "TRIGGER:", "-PT15H"},
        {row("0101", " 3 days before "), exported, "TRIGGER:", "-P2DT15H"},
        {row("0101", "4 days before"), exported, "TRIGGER:", "-P3DT15H"},
        {row("0101", "5 days before"), exported, "TRIGGER:", "PT9H"},
        {row("0101", "1 day before", "Call phone 1"), exported, "DESCRIPTION:", "Call the 01 23"},
        {row("0101", "1 day before", "Call phone 2"), exported, "DESCRIPTION:", "Call the 06 78"},
        // No action, no event description: the first is the alarm's.
        {row("0101", "1 day before", "Other"), exported, "DESCRIPTION:", "Birthday of Ann Zed"},
        {row("0229"), exported, "DTSTART;VALUE=DATE:", "20260228"},
        {row("0229"), exported, "DTEND;VALUE=DATE:", "20260301"},
        {row("0229"), exported, "RRULE:", "FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1"},
        {row("0229"), leapYear, "DTSTART;VALUE=DATE:", "20280229"},
        {row("0228"), leapYear, "RRULE:", "FREQ=YEARLY"},
        {row("1231"), exported, "DTEND;VALUE=DATE:", "20270101"},
        {row("0230"), exported, "", ""},
        {row("1300"), exported, "", ""},
        {row("0100"), exported, "", ""},
        {row("x101"), exported, "", ""},
    };
    for (const Case& c : cases) {
        const BirthdayCalendar calendar =
            birthdayCalendarOf({c.person}, c.when, systemConverters());
        SCOPED_TRACE(c.person[book::colKey] + " " + c.person[book::colWhen] + " " + c.name);
        EXPECT_EQ(calendar.leftOut, c.name.empty() ? 1 : 0);
        if (!c.name.empty()) {
            EXPECT_EQ(valuesOf(calendar.bytes, c.name).at(0), c.value);
        }
    }
}

// Texts are converted from the ANSI code page and escaped as iCalendar's
// text values need; every other reason stands as it is; a fold never cuts a
// character; the same person listed twice gets a second identifier, and
// every identifier stays the same in the next export.
TEST(ICalendarWriter, TextsAndIdentifiers) {
    std::string everyHighByte;
    for (int byte = 0x80; byte <= 0xFF; ++byte) everyHighByte += static_cast<char>(byte);
    Cells odd = row("0704");
    odd[book::colFirstName] = everyHighByte;
    odd[book::colSurname] = "Lee; Jr.,\r\nSr\\\x01";
    odd[book::colReason] = " Lunch, at one ";
    const std::vector<Cells> people{odd, row("0101"), row("0101"), row("0101", "1 day before")};
    const BirthdayCalendar calendar = birthdayCalendarOf(people, exported, systemConverters());
    const std::string utf8 = systemConverters().ansiToUtf8(everyHighByte);
    EXPECT_EQ(valuesOf(calendar.bytes, "SUMMARY:").at(0),
              "Lunch\\, at one of " + utf8 + " Lee\\; Jr.\\,\\nSr\\\\");
    for (std::size_t fold = calendar.bytes.find("\r\n "); fold != std::string::npos;
         fold = calendar.bytes.find("\r\n ", fold + 1))
        EXPECT_NE(static_cast<unsigned char>(calendar.bytes[fold + 3]) & 0xC0, 0x80);

    const std::vector<std::string> uids = valuesOf(calendar.bytes, "UID:");
    ASSERT_EQ(uids.size(), 4u);
    const std::string samePerson = uids[1].substr(0, uids[1].find('@'));
    EXPECT_EQ(uids[2], samePerson + "-1@festorin");
    EXPECT_EQ(uids[3], samePerson + "-2@festorin");
    EXPECT_NE(uids[0], uids[1]);
    EXPECT_EQ(valuesOf(birthdayCalendarOf(people, {2027, 3, 1}, systemConverters()).bytes, "UID:"),
              uids);
}

}  // namespace
}  // namespace address_book

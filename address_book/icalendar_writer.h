#pragma once
// The list as an iCalendar 2.0 file of yearly birthdays, for Outlook, Google
// Calendar, Thunderbird and phones: each person's reminder comes there on the
// day and with the words that Festorin's own reminder window has.
#include <string>
#include <vector>

#include "person.h"
#include "platform/services.h"
#include "text_converters.h"

namespace address_book {

struct BirthdayCalendar {
    std::string bytes;  // UTF-8, CR LF, lines folded at 75 octets
    int written = 0;    // events, one a person, in the people's order
    int leftOut = 0;    // people whose birthday is no day of the year ("0230")
};

// Every birthday recurs yearly from the year of the export; the alarm comes
// at 9:00 on the day the daily check opens the person's reminder. The cells
// are in the ANSI code page, which the converters turn into UTF-8.
BirthdayCalendar birthdayCalendarOf(const std::vector<Cells>& people,
                                    const platform::DateTime& exportMoment,
                                    const TextConverters& converters);

}  // namespace address_book

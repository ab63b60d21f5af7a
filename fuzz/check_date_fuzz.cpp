// Any first line as a check date: a date comes back only when it exists.
#include <cstdlib>
#include <string>

#include "reminders/calendar.h"
#include "reminders/check_date_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string content(reinterpret_cast<const char*>(data), size);
    if (auto date = reminders::parseCheckDate(content)) {
        if (!reminders::isValidDate(date->year, date->month, date->day)) std::abort();
        if (reminders::parseCheckDate(reminders::checkDateLine(*date, '-')) != date) std::abort();
    }
    return 0;
}

// Any bytes as a check-date file: a date comes back only when it exists, it
// is the one the first line holds, and it is written and read back unchanged.
#include <cstdlib>
#include <string>

#include "fuzz_file.h"
#include "reminders/calendar.h"
#include "reminders/check_date_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzz::fileWith(data, size, reminders::checkDateFileName);
    const auto date = reminders::readCheckDateFile(path);
    const std::string content(reinterpret_cast<const char*>(data), size);
    if (date != reminders::parseCheckDate(content)) std::abort();
    if (!date) return 0;
    if (!reminders::isValidDate(date->year, date->month, date->day)) std::abort();

    reminders::writeCheckDateFile(path, *date, '-');
    if (reminders::readCheckDateFile(path) != date) std::abort();
    return 0;
}

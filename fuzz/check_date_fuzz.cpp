// Any bytes as a check-date file: a date comes back only when it exists and
// its digits stand in place on the first line; it is written and read back
// unchanged.
#include <cstdlib>
#include <string>

#include "fuzz_file.h"
#include "reminders/calendar.h"
#include "reminders/check_date_file.h"

namespace {

// The date's digits stand at characters 1-2, 4-5 and 7-10 of the file.
bool digitsInPlace(const reminders::Date& date, const std::string& content) {
    const std::string line = reminders::checkDateLine(date, '/');
    for (std::size_t i : {0, 1, 3, 4, 6, 7, 8, 9})
        if (content[i] != line[i]) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzz::fileWith(data, size, reminders::checkDateFileName);
    const auto date = reminders::readCheckDateFile(path);
    const std::string content(reinterpret_cast<const char*>(data), size);
    if (date != reminders::parseCheckDate(content)) std::abort();
    if (!date) return 0;
    if (!reminders::isValidDate(date->year, date->month, date->day)) std::abort();
    if (!digitsInPlace(*date, content)) std::abort();

    reminders::writeCheckDateFile(path, *date, '-');
    if (reminders::readCheckDateFile(path) != date) std::abort();
    return 0;
}

#pragma once
// The people the benchmarks fill the table with: numbered, each with an
// e-mail address and a phone number, on birthdays each benchmark chooses.
#include <functional>
#include <string>

#include "platform/string_grid.h"

namespace bench {

struct Birthday {
    std::string key;        // as the hidden key column holds it, "0305"
    std::string shownDate;  // as the day-of-birth column shows it, "March, 5"
};

// Rows 1 to `people` hold "Firstname<row>", "Surname<row>",
// "person<row>@example.org", who want an e-mail on the exact day of their
// birthday, born on birthdayOf(row).
void fillPeople(platform::StringGrid& grid, int people,
                const std::function<Birthday(int row)>& birthdayOf);

}  // namespace bench

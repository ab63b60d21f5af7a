#pragma once
// Days relative to today, and the texts Festorin makes of them.
#include <string>

#include "e2e/data_files.h"
#include "platform/win32/win32_api.h"

namespace e2e {

// A day `days` after today, at noon, with its week day.
SYSTEMTIME dayFromToday(int days);
// The birthday key (column 0) and the birthday as shown (column 6) of a day.
std::string birthdayKey(const SYSTEMTIME& day);
std::string shownDate(const SYSTEMTIME& day);
// The line of "date_verif.txt" for a day, with the user's date separator.
std::string checkDateLine(const SYSTEMTIME& day);

// The person the entry panel makes of a first name, a surname, a month
// (1 to 12) and a day, its lists left at their first choices.
Person enteredPerson(const std::string& firstName, const std::string& surname, int month, int day);

}  // namespace e2e

#pragma once
// The check-date file "date_verif.txt": the day of the last daily check, one
// line "dd/mm/yyyy" and CR LF, where "/" is the user's date separator.
#include <optional>
#include <string>

#include "calendar.h"

namespace reminders {

inline constexpr const char* checkDateFileName = "date_verif.txt";

std::string checkDateLine(const Date& date, char separator);
// Day, month and year from characters 1-2, 4-5 and 7-10 of the first line,
// whatever stands between them; nothing when they form no date.
std::optional<Date> parseCheckDate(const std::string& content);

// Replaces the file whole; throws platform::IoError, the old file then stays.
void writeCheckDateFile(const std::string& path, const Date& date, char separator);
// Nothing when the file is missing, unreadable or holds no date.
std::optional<Date> readCheckDateFile(const std::string& path);

}  // namespace reminders

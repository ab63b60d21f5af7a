#pragma once
// The birthday as the editor takes it from its boxes and gives it back.
#include <string>

namespace book {

// The trimmed day text as a number. Only digits make a day: anything else,
// which can only come by pasting, throws platform::ConversionError.
int dayNumber(const std::string& dayText);

// The day as the key and the shown date take it: the trimmed text, or the
// number of a pasted text longer than the key's two characters, so that
// "007" is the 7th. The text must have passed dayNumber.
std::string enteredDay(const std::string& dayText);

// Why the day cannot be in the month (1 to 12, named monthName), in the
// editor's words; empty when it can.
std::string refusedDay(int month, const std::string& monthName, int day);

struct ShownDateParts {
    std::string monthName;
    std::string day;
};

// Splits the shown date at its first ",", both parts trimmed; without a comma
// the whole text is the day and the month name is empty.
ShownDateParts splitShownDate(const std::string& shownDate);

}  // namespace book

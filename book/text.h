#pragma once
#include <string>
#include <string_view>

namespace book {

// The text without its leading and trailing characters of code 32 or less.
std::string_view withoutBlanks(std::string_view text);
std::string trimmed(std::string_view text);

// Only the ASCII digits: a stored text is in the system's code page, whose
// other characters are never numbers here.
inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

// "1 person", "2 people".
std::string peopleCount(std::size_t count);

}  // namespace book

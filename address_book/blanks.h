#pragma once
// Blanks, as the list trims them: every character of code 32 or less.
#include <string_view>

namespace address_book {

std::string_view withoutBlanks(std::string_view text);

}  // namespace address_book

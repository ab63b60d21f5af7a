#pragma once
// The formats' names (properties, parameters, column headers) compare
// without regard to the case of their ASCII letters.
#include <string>
#include <string_view>

namespace address_book {

std::string upperAscii(std::string_view text);
bool sameIgnoringCase(std::string_view a, std::string_view b);

}  // namespace address_book

#pragma once
#include <string>
#include <string_view>

namespace book {

// The text without its leading and trailing characters of code 32 or less.
std::string_view withoutBlanks(std::string_view text);
std::string trimmed(std::string_view text);

}  // namespace book

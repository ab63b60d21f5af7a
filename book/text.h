#pragma once
#include <string>

namespace book {

// The text without its leading and trailing characters of code 32 or less.
std::string trimmed(const std::string& text);

}  // namespace book

#include "text.h"

namespace book {

namespace {
bool isBlank(char c) { return static_cast<unsigned char>(c) <= 32; }
}  // namespace

std::string_view withoutBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string trimmed(std::string_view text) { return std::string(withoutBlanks(text)); }

std::string peopleCount(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " person" : " people");
}

}  // namespace book

#include "text.h"

namespace book {

namespace {
bool isBlank(char c) { return static_cast<unsigned char>(c) <= 32; }
}  // namespace

std::string trimmed(const std::string& text) {
    std::size_t first = 0, last = text.size();
    while (first < last && isBlank(text[first])) ++first;
    while (last > first && isBlank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

}  // namespace book

#include "errors.h"

#include <cctype>
#include <climits>

#include "code_pages.h"

namespace platform {

IoError::IoError(const std::string& operation, const std::string& path)
    : std::runtime_error("I/O error: cannot " + operation + " \"" + shownPath(path) + "\"") {}

std::string shownPath(const std::string& path) { return utf8ToAnsi(path); }

ConversionError::ConversionError(const std::string& text)
    : std::runtime_error("'" + text + "' is not a valid integer value") {}

int toInt(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i == text.size()) throw ConversionError(text);
    long long value = 0;
    for (; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (!std::isdigit(c)) throw ConversionError(text);
        value = value * 10 + (c - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) throw ConversionError(text);
    }
    if (negative) value = -value;
    if (value > INT_MAX || value < INT_MIN) throw ConversionError(text);
    return static_cast<int>(value);
}

}  // namespace platform

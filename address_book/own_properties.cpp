#include "own_properties.h"

#include <algorithm>

#include "ascii_case.h"
#include "book/text.h"

namespace address_book {

namespace {

bool isControl(char c) { return static_cast<unsigned char>(c) < 32 && c != '\t' && c != '\n'; }

}  // namespace

bool holdsControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), isControl);
}

std::string asReadBack(std::string_view text) {
    std::string read;
    read.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '\r' && (pos + 1 == text.size() || text[pos + 1] != '\n'))
            read += '\n';
        else if (!isControl(c))
            read += c;
    }
    return book::trimmed(read);
}

std::string withoutTelLink(std::string_view number) {
    if (!sameIgnoringCase(number.substr(0, 4), "tel:")) return std::string(number);
    return book::trimmed(number.substr(4));
}

std::string phoneAsReadBack(std::string_view number) { return withoutTelLink(asReadBack(number)); }

}  // namespace address_book

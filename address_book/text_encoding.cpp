#include "text_encoding.h"

#include <optional>

namespace address_book {

namespace {

struct Decoded {
    char32_t character;
    std::size_t length;
};

unsigned char byteAt(std::string_view bytes, std::size_t pos) {
    return static_cast<unsigned char>(bytes[pos]);
}

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The character that starts at pos, or nothing when its bytes are no valid
// UTF-8.
std::optional<Decoded> decodeAt(std::string_view bytes, std::size_t pos) {
    const unsigned char lead = byteAt(bytes, pos);
    if (lead < 0x80) return Decoded{lead, 1};
    std::size_t length;
    char32_t character;
    char32_t smallest;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, character = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, character = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, character = lead & 0x07, smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (bytes.size() - pos < length) return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = byteAt(bytes, pos + i);
        if (!isContinuation(next)) return std::nullopt;
        character = (character << 6) | (next & 0x3F);
    }
    const bool surrogate = character >= 0xD800 && character <= 0xDFFF;
    if (character < smallest || surrogate || character > 0x10FFFF) return std::nullopt;
    return Decoded{character, length};
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The length of the line end at pos: 2 for CR LF, 1 for a lone CR or LF, 0
// for none.
std::size_t lineEndAt(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) return 0;
    if (text[pos] == '\r') return pos + 1 < text.size() && text[pos + 1] == '\n' ? 2 : 1;
    return text[pos] == '\n' ? 1 : 0;
}

}  // namespace

bool isUtf8(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        const auto decoded = decodeAt(bytes, pos);
        if (!decoded) return false;
        pos += decoded->length;
    }
    return true;
}

std::string_view cutAtCharacter(std::string_view text, std::size_t size) {
    if (text.size() <= size) return text;
    // A UTF-8 character has at most three bytes after its first.
    for (int back = 0; back < 3 && size > 0 && isContinuation(byteAt(text, size)); ++back) --size;
    return text.substr(0, size);
}

std::string decodeQuotedPrintable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if (text[pos] != '=') {
            out += text[pos];
            continue;
        }
        if (const std::size_t lineEnd = lineEndAt(text, pos + 1)) {
            pos += lineEnd;
            continue;
        }
        const int high = pos + 1 < text.size() ? hexValue(text[pos + 1]) : -1;
        const int low = pos + 2 < text.size() ? hexValue(text[pos + 2]) : -1;
        if (high < 0 || low < 0) {
            out += '=';
            continue;
        }
        out += static_cast<char>(high * 16 + low);
        pos += 2;
    }
    return out;
}

std::string_view withoutByteOrderMark(std::string_view bytes) {
    constexpr std::string_view mark = "\xEF\xBB\xBF";
    if (bytes.substr(0, mark.size()) == mark) bytes.remove_prefix(mark.size());
    return bytes;
}

}  // namespace address_book

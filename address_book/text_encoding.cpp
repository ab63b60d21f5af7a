#include "text_encoding.h"

#include <array>
#include <optional>

namespace address_book {

namespace {

// The characters of bytes 0x80 to 0x9F in Windows-1252.
constexpr std::array<char32_t, 32> windows1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

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

void appendUtf8(std::string& out, char32_t character) {
    if (character < 0x80) {
        out += static_cast<char>(character);
    } else if (character < 0x800) {
        out += static_cast<char>(0xC0 | (character >> 6));
        out += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (character >> 12));
        out += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (character & 0x3F));
    }
}

char windows1252Byte(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<char>(character);
    for (std::size_t i = 0; i < windows1252High.size(); ++i)
        if (windows1252High[i] == character) return static_cast<char>(0x80 + i);
    return '?';
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

std::string latin1ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) appendUtf8(out, static_cast<unsigned char>(c));
    return out;
}

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const unsigned char byte = static_cast<unsigned char>(c);
        appendUtf8(out, byte >= 0x80 && byte < 0xA0 ? windows1252High[byte - 0x80] : byte);
    }
    return out;
}

std::string utf8ToWindows1252(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto decoded = decodeAt(utf8, pos);
        if (!decoded) {
            out += '?';
            ++pos;
            continue;
        }
        out += windows1252Byte(decoded->character);
        pos += decoded->length;
    }
    return out;
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

#include "text_encoding.h"

#include <algorithm>
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

bool isAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
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

namespace {

enum class Utf16 { No, LittleEndian, BigEndian };

// UTF-16 without a mark is told by the zero bytes of its first characters:
// text in any script has separators, digits and line ends, whose high byte
// is zero, while text in any 8-bit encoding has no zero byte at all. The
// zeros fall on one side of the pairs: at least one pair in this many has
// one, and the other side has at most a quarter as many (a Chinese
// character such as U+4E00 has a zero low byte).
constexpr std::size_t pairsLooked = 256;
constexpr std::size_t pairsPerZero = 16;
constexpr std::size_t shortestUnmarked = 4;

Utf16 utf16Of(std::string_view bytes, std::size_t& markSize) {
    markSize = 2;
    if (bytes.starts_with("\xFF\xFE")) return Utf16::LittleEndian;
    if (bytes.starts_with("\xFE\xFF")) return Utf16::BigEndian;
    markSize = 0;
    const std::size_t pairs = std::min(bytes.size() / 2, pairsLooked);
    if (pairs < shortestUnmarked) return Utf16::No;
    std::size_t firstZeros = 0, secondZeros = 0;
    for (std::size_t i = 0; i < pairs; ++i) {
        firstZeros += byteAt(bytes, 2 * i) == 0;
        secondZeros += byteAt(bytes, 2 * i + 1) == 0;
    }
    const auto onOneSide = [pairs](std::size_t zeros, std::size_t others) {
        return zeros > 0 && zeros * pairsPerZero >= pairs && others * 4 <= zeros;
    };
    if (onOneSide(secondZeros, firstZeros)) return Utf16::LittleEndian;
    if (onOneSide(firstZeros, secondZeros)) return Utf16::BigEndian;
    return Utf16::No;
}

std::size_t utf8Size(char32_t c) { return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4; }

// Hands `take` each character; a surrogate without its other half is
// U+FFFD, and an odd last byte, which no character has, is passed over.
template <class Take>
void forEachUtf16Character(std::string_view bytes, Utf16 order, Take take) {
    constexpr char32_t replacement = 0xFFFD;
    const auto unitAt = [&](std::size_t pos) -> char32_t {
        const unsigned first = byteAt(bytes, pos), second = byteAt(bytes, pos + 1);
        return order == Utf16::LittleEndian ? first | second << 8 : first << 8 | second;
    };
    for (std::size_t pos = 0; pos + 1 < bytes.size(); pos += 2) {
        const char32_t unit = unitAt(pos);
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
        if (high && pos + 3 < bytes.size()) {
            const char32_t next = unitAt(pos + 2);
            if (next >= 0xDC00 && next <= 0xDFFF) {
                take(0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
                pos += 2;
                continue;
            }
        }
        take(high || low ? replacement : unit);
    }
}

// Hands `take` each UTF-8 character's bytes, and `bad` each sequence that is
// none: a byte that cannot start a character, with the continuation bytes
// after it. A run of ASCII goes to `take` whole.
template <class Take, class Bad>
void forEachSequence(std::string_view bytes, Take take, Bad bad) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        std::size_t ascii = pos;
        while (ascii < bytes.size() && byteAt(bytes, ascii) < 0x80) ++ascii;
        if (ascii > pos) {
            take(bytes.substr(pos, ascii - pos));
            pos = ascii;
            continue;
        }
        if (const auto decoded = decodeAt(bytes, pos)) {
            take(bytes.substr(pos, decoded->length));
            pos += decoded->length;
            continue;
        }
        for (++pos; pos < bytes.size() && isContinuation(byteAt(bytes, pos));) ++pos;
        bad();
    }
}

// A file of UTF-8 characters beyond ASCII and a few sequences that are none
// (one cut short somewhere) is UTF-8: at least this many characters for each
// bad sequence. A file in a code page has few sequences that read as UTF-8.
constexpr std::size_t charactersPerBadSequence = 2;

// The UTF-8 of a file's start, or of a whole file.
ReadersForm::Kind utf8FormOf(std::string_view text, bool whole) {
    std::size_t characters = 0, bad = 0;
    forEachSequence(
        text, [&](std::string_view sequence) { characters += byteAt(sequence, 0) >= 0x80; },
        [&] { ++bad; });
    if (bad > 0)
        return bad * charactersPerBadSequence > characters ? ReadersForm::Kind::AsIs
                                                           : ReadersForm::Kind::Utf8;
    return whole || characters == 0 ? ReadersForm::Kind::AsIs : ReadersForm::Kind::Utf8;
}

// A character the next bytes may complete is held back: every sequence,
// good or bad, ends before the next byte that is no continuation byte. A run
// of stray continuation bytes longer than this is not held.
constexpr std::size_t longestHeld = 64;

std::size_t utf8Held(std::string_view bytes) {
    for (std::size_t held = 1; held <= std::min(bytes.size(), longestHeld); ++held) {
        const unsigned char byte = byteAt(bytes, bytes.size() - held);
        if (byte < 0x80) return held - 1;
        if (!isContinuation(byte)) return held;
    }
    return bytes.size() <= longestHeld ? bytes.size() : 0;
}

// An odd byte, and a first half of a surrogate pair, wait for the next bytes.
std::size_t utf16Held(std::string_view bytes, Utf16 order) {
    const std::size_t odd = bytes.size() % 2;
    if (bytes.size() < odd + 2) return odd;
    const std::size_t last = bytes.size() - odd - 2;
    const unsigned char high = byteAt(bytes, order == Utf16::LittleEndian ? last + 1 : last);
    return odd + (high >= 0xD8 && high <= 0xDB ? 2 : 0);
}

}  // namespace

ReadersForm readersFormOf(std::string_view start, bool whole) {
    std::size_t markSize = 0;
    switch (utf16Of(start, markSize)) {
        case Utf16::LittleEndian:
            return {ReadersForm::Kind::Utf16LittleEndian, markSize};
        case Utf16::BigEndian:
            return {ReadersForm::Kind::Utf16BigEndian, markSize};
        default:
            break;
    }
    const std::string_view text = withoutByteOrderMark(start);
    const std::size_t utf8Mark = start.size() - text.size();
    return {utf8FormOf(whole ? text : text.substr(0, text.size() - utf8Held(text)), whole),
            utf8Mark};
}

std::size_t appendReadersForm(std::string_view bytes, ReadersForm form, bool last,
                              std::string& out) {
    using Kind = ReadersForm::Kind;
    if (form.kind == Kind::AsIs) {
        out.append(bytes);
        return 0;
    }
    if (form.kind == Kind::Utf8) {
        const std::size_t held = last ? 0 : utf8Held(bytes);
        forEachSequence(
            bytes.substr(0, bytes.size() - held),
            [&](std::string_view sequence) { out.append(sequence); }, [&] { out += '?'; });
        return held;
    }
    const Utf16 order =
        form.kind == Kind::Utf16LittleEndian ? Utf16::LittleEndian : Utf16::BigEndian;
    const std::size_t held = last ? 0 : utf16Held(bytes, order);
    forEachUtf16Character(bytes.substr(0, bytes.size() - held), order,
                          [&out](char32_t c) { appendUtf8(out, c); });
    return held;
}

std::string_view inReadersForm(std::string_view bytes, std::string& converted) {
    const ReadersForm form = readersFormOf(bytes, true);
    if (form.kind == ReadersForm::Kind::AsIs) return bytes.substr(form.markSize);
    converted.clear();
    if (form.kind == ReadersForm::Kind::Utf8) {
        converted.reserve(bytes.size());
    } else {
        std::size_t size = 0;
        forEachUtf16Character(bytes.substr(form.markSize),
                              form.kind == ReadersForm::Kind::Utf16LittleEndian
                                  ? Utf16::LittleEndian
                                  : Utf16::BigEndian,
                              [&size](char32_t c) { size += utf8Size(c); });
        converted.reserve(size);
    }
    appendReadersForm(bytes.substr(form.markSize), form, true, converted);
    return form.kind == ReadersForm::Kind::Utf8 ? converted : withoutByteOrderMark(converted);
}

namespace {

constexpr std::string_view base64Alphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

}  // namespace

std::string base64Of(std::string_view bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t pos = 0; pos < bytes.size(); pos += 3) {
        const std::size_t count = std::min<std::size_t>(3, bytes.size() - pos);
        unsigned group = 0;
        for (std::size_t i = 0; i < 3; ++i)
            group = group << 8 | (i < count ? byteAt(bytes, pos + i) : 0u);
        for (std::size_t i = 0; i < 4; ++i)
            out += i <= count ? base64Alphabet[(group >> (18 - 6 * i)) & 0x3F] : '=';
    }
    return out;
}

std::string bytesOfBase64(std::string_view text) {
    std::string out;
    unsigned group = 0;
    int bits = 0;
    for (char c : text) {
        const std::size_t value = base64Alphabet.find(c);
        if (value == std::string_view::npos) continue;
        group = (group << 6 | static_cast<unsigned>(value)) & 0xFFFFFF;
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((group >> bits) & 0xFF);
        }
    }
    return out;
}

std::string_view withoutByteOrderMark(std::string_view bytes) {
    constexpr std::string_view mark = "\xEF\xBB\xBF";
    if (bytes.substr(0, mark.size()) == mark) bytes.remove_prefix(mark.size());
    return bytes;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace address_book

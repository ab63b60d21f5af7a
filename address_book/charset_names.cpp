#include "charset_names.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>

#include "ascii_case.h"
#include "book/text.h"

namespace address_book {

namespace {

struct NamedCodePage {
    std::string_view name;  // upper case
    unsigned codePage;
};

constexpr std::array<NamedCodePage, 33> namedCodePages{{
    {"UTF-8", utf8CodePage},
    {"UTF8", utf8CodePage},
    {"UTF-7", 65000},
    {"US-ASCII", 20127},
    {"ASCII", 20127},
    {"LATIN1", 28591},
    {"LATIN2", 28592},
    {"KOI8-R", 20866},
    {"KOI8-U", 21866},
    {"SHIFT_JIS", 932},
    {"SHIFT-JIS", 932},
    {"SJIS", 932},
    {"X-SJIS", 932},
    {"MS_KANJI", 932},
    {"WINDOWS-31J", 932},
    {"EUC-JP", 20932},
    {"ISO-2022-JP", 50220},
    {"GB2312", 936},
    {"GBK", 936},
    {"X-GBK", 936},
    {"EUC-CN", 936},
    {"GB18030", 54936},
    {"BIG5", 950},
    {"BIG-5", 950},
    {"X-X-BIG5", 950},
    {"EUC-KR", 949},
    {"KS_C_5601-1987", 949},
    {"KSC5601", 949},
    {"TIS-620", 874},
    {"MACINTOSH", 10000},
    {"MAC", 10000},
    {"X-MAC-ROMAN", 10000},
    {"ISO-8859-8-I", 38598},
}};

// The number after one of the prefixes, such as 1251 in "WINDOWS-1251".
std::optional<unsigned> numberAfter(const std::string& name,
                                    std::initializer_list<std::string_view> prefixes) {
    for (std::string_view prefix : prefixes) {
        if (!name.starts_with(prefix)) continue;
        const std::string_view digits = std::string_view(name).substr(prefix.size());
        if (digits.empty() || digits.size() > 5 ||
            !std::all_of(digits.begin(), digits.end(), book::isDigit))
            return std::nullopt;
        return static_cast<unsigned>(std::stoul(std::string(digits)));
    }
    return std::nullopt;
}

}  // namespace

std::optional<unsigned> codePageNamed(std::string_view charset) {
    const std::string name = upperAscii(charset);
    for (const NamedCodePage& named : namedCodePages)
        if (named.name == name) return named.codePage;
    if (auto part = numberAfter(name, {"ISO-8859-", "ISO8859-", "ISO_8859-"});
        part && *part >= 1 && *part <= 16)
        return 28590 + *part;
    return numberAfter(name, {"WINDOWS-", "CP", "IBM", "X-CP"});
}

}  // namespace address_book

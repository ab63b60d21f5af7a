// The stand-in's converters, over iconv: they behave as those of a Windows
// whose ANSI code page is Windows-1252.
#include <iconv.h>

#include <cerrno>
#include <map>
#include <memory>
#include <utility>

#include "platform/code_pages.h"

namespace platform {

namespace {

constexpr unsigned standInAnsiCodePage = 1252;

std::string iconvName(unsigned codePage) {
    if (codePage == 65001) return "UTF-8";
    if (codePage == 20866) return "KOI8-R";
    if (codePage == 21866) return "KOI8-U";
    if (codePage >= 28591 && codePage <= 28605)
        return "ISO-8859-" + std::to_string(codePage - 28590);
    if (codePage == 20127) return "ASCII";
    if (codePage == 20932) return "EUC-JP";
    if (codePage == 50220) return "ISO-2022-JP";
    if (codePage == 54936) return "GB18030";
    if (codePage == 65000) return "UTF-7";
    if (codePage == 38598) return "ISO-8859-8";
    if (codePage == 936) return "GBK";
    if (codePage == 950) return "BIG5";
    if (codePage == 10000) return "MACINTOSH";
    return "CP" + std::to_string(codePage);
}

// Windows-1252 leaves five bytes undefined; Windows reads each as the
// control character of the same number.
bool undefinedIn1252(unsigned char byte) {
    return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

// The control characters that stand for those five bytes, back to the bytes.
bool undefinedIn1252Character(std::string_view utf8) {
    return utf8.size() == 2 && utf8[0] == '\xC2' &&
           undefinedIn1252(static_cast<unsigned char>(utf8[1]));
}

void appendUtf8(std::string& out, unsigned character) {
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

// How many bytes a UTF-8 sequence with this first byte claims.
std::size_t utf8Length(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

class Converter {
public:
    Converter(const std::string& to, const std::string& from)
        : cd_(iconv_open(to.c_str(), from.c_str())) {}
    ~Converter() {
        if (valid()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Back to the initial state, for a text of its own.
    void restart() { iconv(cd_, nullptr, nullptr, nullptr, nullptr); }

    // Converts until the input ends or a byte sequence cannot be converted;
    // `in` is left at that sequence.
    void convert(std::string_view& in, std::string& out) {
        while (!in.empty()) {
            char buffer[256];
            char* input = const_cast<char*>(in.data());
            std::size_t inputLeft = in.size();
            char* output = buffer;
            std::size_t outputLeft = sizeof buffer;
            const std::size_t done = iconv(cd_, &input, &inputLeft, &output, &outputLeft);
            out.append(buffer, static_cast<std::size_t>(output - buffer));
            in.remove_prefix(in.size() - inputLeft);
            if (done != static_cast<std::size_t>(-1) || errno != E2BIG) return;
        }
    }

private:
    iconv_t cd_;
};

// Each converter is opened once a thread, as opening one costs more than most
// texts' conversion.
Converter& converterFor(const std::string& to, const std::string& from) {
    thread_local std::map<std::pair<std::string, std::string>, std::unique_ptr<Converter>> opened;
    std::unique_ptr<Converter>& converter = opened[{to, from}];
    if (!converter) converter = std::make_unique<Converter>(to, from);
    if (converter->valid()) converter->restart();
    return *converter;
}

}  // namespace

std::optional<std::string> codePageToUtf8(std::string_view bytes, unsigned codePage) {
    Converter& converter = converterFor("UTF-8", iconvName(codePage));
    if (!converter.valid()) return std::nullopt;
    std::string out;
    for (converter.convert(bytes, out); !bytes.empty(); converter.convert(bytes, out)) {
        const auto byte = static_cast<unsigned char>(bytes.front());
        appendUtf8(out, codePage == standInAnsiCodePage && undefinedIn1252(byte) ? byte : 0xFFFD);
        bytes.remove_prefix(1);
    }
    return out;
}

std::string ansiToUtf8(const std::string& ansi) {
    return *codePageToUtf8(ansi, standInAnsiCodePage);
}

std::string utf8ToAnsi(const std::string& utf8) {
    Converter& converter = converterFor(iconvName(standInAnsiCodePage), "UTF-8");
    std::string out;
    std::string_view rest = utf8;
    for (converter.convert(rest, out); !rest.empty(); converter.convert(rest, out)) {
        const std::size_t length = utf8Length(static_cast<unsigned char>(rest.front()));
        std::string_view character = rest.substr(0, length);
        // A character of its own that the code page lacks, or a byte that
        // starts none.
        const bool whole = character.size() == length && length > 1 &&
                           codePageToUtf8(character, 65001) == std::string(character);
        out += undefinedIn1252Character(character) ? character[1] : '?';
        rest.remove_prefix(whole ? length : 1);
    }
    return out;
}

}  // namespace platform

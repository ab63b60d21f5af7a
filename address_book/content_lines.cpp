#include "content_lines.h"

#include "text_encoding.h"

namespace address_book {

namespace {

constexpr std::size_t longestLine = 75;  // octets, without the line end

}  // namespace

void appendFolded(std::string& out, std::string_view line) {
    std::size_t room = longestLine;
    while (line.size() > room) {
        const std::size_t cut = cutAtCharacter(line, room).size();
        out.append(line.substr(0, cut));
        out += "\r\n ";
        line.remove_prefix(cut);
        room = longestLine - 1;
    }
    out.append(line);
    out += "\r\n";
}

void appendEscaped(std::string& out, const std::string& utf8) {
    for (std::size_t pos = 0; pos < utf8.size(); ++pos) {
        const char c = utf8[pos];
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case ';':
                out += "\\;";
                break;
            case ',':
                out += "\\,";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\n";
                if (pos + 1 < utf8.size() && utf8[pos + 1] == '\n') ++pos;
                break;
            default:
                out += c;
        }
    }
}

}  // namespace address_book

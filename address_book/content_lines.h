#pragma once
// The content lines that vCard and iCalendar share: a text value's escapes
// and the folding of long lines.
#include <string>
#include <string_view>

namespace address_book {

// The line and its CR LF, folded into lines of at most 75 octets that go on
// with a blank; no fold falls inside a UTF-8 character.
void appendFolded(std::string& out, std::string_view line);

// A text value: \, ; and , escaped, and a line break (CR LF, a lone CR or a
// lone LF) written "\n", the only one the formats have.
void appendEscaped(std::string& out, const std::string& utf8);

}  // namespace address_book

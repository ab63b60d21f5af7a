#pragma once
// The encodings of address-book exports: UTF-8, ISO-8859-1 and Windows-1252
// texts, and the quoted-printable bytes of vCard 2.1.
#include <string>
#include <string_view>

namespace address_book {

// Strict UTF-8: no overlong form, no surrogate, nothing above U+10FFFF, no
// sequence cut short.
bool isUtf8(std::string_view bytes);

std::string latin1ToUtf8(std::string_view bytes);
// The five bytes Windows-1252 leaves undefined stand for the control
// characters of the same code, as Windows reads them.
std::string windows1252ToUtf8(std::string_view bytes);

// The Windows-1252 text of a UTF-8 text: a character the code page lacks, or
// a byte that starts no valid character, becomes "?".
std::string utf8ToWindows1252(const std::string& utf8);

// "=XX" (hexadecimal in either case) is the byte XX; "=" at the end of a line
// is a soft line break and goes with its line end; any other "=" stays.
std::string decodeQuotedPrintable(std::string_view text);

// Leaves out a UTF-8 byte-order mark at the start.
std::string_view withoutByteOrderMark(std::string_view bytes);

}  // namespace address_book

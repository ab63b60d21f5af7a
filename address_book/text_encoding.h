#pragma once
// The encodings of address-book exports: UTF-8 texts and the quoted-printable
// bytes of vCard 2.1. Every other code page is the system's to convert.
#include <string>
#include <string_view>

namespace address_book {

// Strict UTF-8: no overlong form, no surrogate, nothing above U+10FFFF, no
// sequence cut short.
bool isUtf8(std::string_view bytes);

bool isAscii(std::string_view bytes);

// At most `size` bytes of the text; a cut never splits a UTF-8 character.
std::string_view cutAtCharacter(std::string_view text, std::size_t size);

// "=XX" (hexadecimal in either case) is the byte XX; "=" at the end of a line
// is a soft line break and goes with its line end; any other "=" stays.
std::string decodeQuotedPrintable(std::string_view text);

// Base64 with padding, as vCard's ENCODING=b writes it.
std::string base64Of(std::string_view bytes);
// Every character outside the alphabet (a fold's blank, a line end) is passed
// over; a last group cut short keeps its whole bytes.
std::string bytesOfBase64(std::string_view text);

// Leaves out a UTF-8 byte-order mark at the start.
std::string_view withoutByteOrderMark(std::string_view bytes);

// An address book's bytes in the one form the readers take: without a
// byte-order mark, and UTF-16 (told by its mark, or by the zero bytes on one
// side of the pairs of its first characters) turned into UTF-8, in
// `converted`; UTF-8 with a few sequences that are none has each of them as
// "?", in `converted` too. Any other bytes stay as they are.
std::string_view inReadersForm(std::string_view bytes, std::string& converted);

// Appends the character as UTF-8, in one to four bytes.
void appendUtf8(std::string& out, char32_t c);

}  // namespace address_book

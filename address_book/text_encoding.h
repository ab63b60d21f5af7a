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

// How an address book's bytes are brought to the one form the readers take,
// as their start tells: UTF-16 (by its mark, or by the zero bytes on one
// side of the pairs of its first characters) becomes UTF-8; UTF-8 with a few
// sequences that are none has each of them as "?"; other bytes stay as they
// are. Of a file longer than its start, UTF-8 is told by its characters
// beyond ASCII, and a bad sequence after the start is "?" too; a start of
// ASCII leaves the bytes as they are. `markSize` is that of the byte-order
// mark the form passes over.
struct ReadersForm {
    enum class Kind { AsIs, Utf8, Utf16LittleEndian, Utf16BigEndian } kind;
    std::size_t markSize;
};
ReadersForm readersFormOf(std::string_view start, bool whole);

// Appends the readers' form of the bytes, which follow a mark the form
// passes over. Unless they are the last, a character that the next bytes may
// complete is held back: says how many bytes at their end were.
std::size_t appendReadersForm(std::string_view bytes, ReadersForm form, bool last,
                              std::string& out);

// An address book's bytes in the one form the readers take: without a
// byte-order mark, and UTF-16 (told by its mark, or by the zero bytes on one
// side of the pairs of its first characters) turned into UTF-8, in
// `converted`; UTF-8 with a few sequences that are none has each of them as
// "?", in `converted` too. Any other bytes stay as they are.
std::string_view inReadersForm(std::string_view bytes, std::string& converted);

// Appends the character as UTF-8, in one to four bytes.
void appendUtf8(std::string& out, char32_t c);

}  // namespace address_book

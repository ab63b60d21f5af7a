#pragma once
// A read contact as a person of the list: the ten cells the editor's Ok
// would write for it.
#include <array>
#include <functional>
#include <string>

#include "book/contact_table.h"
#include "contact.h"

namespace address_book {

// In the grid's column order (book::Column).
using Cells = std::array<std::string, book::columnCount>;

// The ANSI code page's text of a UTF-8 text; the code page is the system's.
using ToAnsi = std::function<std::string(const std::string& utf8)>;

// Whether the month and day are a day of some year: 29 February is one.
bool formsDate(const MonthDay& date);

// The cells of a contact whose birthday forms a date. Its texts are turned
// into the ANSI code page unless they are in it already, then trimmed and cut
// to their entry boxes' lengths; Festorin's own columns, which its export
// wrote, are only cut. A card without them gets the import's choices.
Cells personOf(const Contact& contact, TextEncoding encoding, const ToAnsi& toAnsi);

}  // namespace address_book

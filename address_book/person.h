#pragma once
// A read contact as a person of the list: the ten cells the editor's Ok
// would write for it.
#include <array>
#include <string>

#include "book/contact_table.h"
#include "contact.h"

namespace address_book {

// In the grid's column order (book::Column).
using Cells = std::array<std::string, book::columnCount>;

// Whether the month and day are a day of some year: 29 February is one.
bool formsDate(const MonthDay& date);

// The cells of a contact whose birthday forms a date and whose texts are in
// the ANSI code page already: its texts trimmed and cut to their entry boxes'
// lengths; Festorin's own columns, which its export wrote, are only cut. A
// card without them gets the import's choices.
Cells personOf(const Contact& ansiContact);

}  // namespace address_book

#pragma once
// The contacts of a CSV export of Google Contacts, Outlook or Thunderbird.
#include <optional>
#include <string_view>

#include "birthday_text.h"
#include "contact.h"
#include "text_converters.h"
#include "text_cursor.h"

namespace address_book {

struct CsvContacts {
    TextEncoding encoding;  // UTF-8 unless the file is in the system's code page
    ContactList contacts;
};

// Nothing when the header, read with commas, else semicolons, else tabs,
// names no column of names (first name, last name or display name, in any of
// the languages Outlook and Thunderbird write), or names them beside no
// birthday, e-mail or phone column. A header with birthdays (a birthday
// column, or a birth month and a birth day) is taken before one without. A
// file that is not UTF-8 is in the system's code page, or else in the code
// page its header reads in. Rows that hold no text are passed over. Numeric
// birthdays are read in the order their column shows, or else in `order`.
// A first line "sep=;" (or any other character), as Excel writes it, is no
// header: it names the separator. The text is in the readers' form (see
// inReadersForm).
std::optional<CsvContacts> readCsv(std::string_view text, DateOrder order,
                                   const TextConverters& converters);
// The same, the header, the encoding and the order of the dates told by the
// text's start, which may be `whole`, the rows read as the text comes: `text`
// begins with `start`.
std::optional<CsvContacts> readCsv(std::string_view start, bool whole, TextCursor& text,
                                   DateOrder order, const TextConverters& converters);

}  // namespace address_book

#pragma once
// The contacts of a CSV export of Google Contacts, Outlook or Thunderbird.
#include <optional>
#include <string_view>

#include "birthday_text.h"
#include "contact.h"

namespace address_book {

struct CsvContacts {
    TextEncoding encoding;  // UTF-8 when every byte after a byte-order mark is
    ContactList contacts;
};

// Nothing when the header, read with commas, else semicolons, else tabs,
// names no column of names (first name, last name or display name) or no
// birthday (a birthday column, or a birth month and a birth day). Rows that
// hold no text are passed over. Numeric birthdays are read in the order their
// column shows, or else in `order`.
std::optional<CsvContacts> readCsv(std::string_view bytes, DateOrder order);

}  // namespace address_book

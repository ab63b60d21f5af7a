#pragma once
// The contacts of a CSV export of Google Contacts or Outlook.
#include <optional>
#include <string_view>
#include <vector>

#include "birthday_text.h"
#include "contact.h"

namespace address_book {

struct CsvContacts {
    TextEncoding encoding;  // UTF-8 when every byte after a byte-order mark is
    std::vector<Contact> contacts;
};

// Nothing when the header, read with commas or else with semicolons, names no
// first-name or last-name column, or no birthday column. Rows that hold no
// text are passed over.
std::optional<CsvContacts> readCsv(std::string_view bytes, DateOrder order);

}  // namespace address_book

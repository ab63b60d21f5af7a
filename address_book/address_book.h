#pragma once
// An address-book export of any kind the program reads: vCard or CSV.
#include <string_view>

#include "birthday_text.h"
#include "contact.h"
#include "text_converters.h"

namespace address_book {

// A vCard file when it holds a BEGIN:VCARD line, else a CSV file when its
// header names the columns of contacts, else no format the program reads. A
// byte-order mark, and UTF-16, are dealt with here, before the format is told.
// The order is the user's regional short-date format's, for CSV birthdays
// whose column does not show its own.
AddressBook readAddressBook(std::string_view bytes, DateOrder order,
                            const TextConverters& converters);

}  // namespace address_book

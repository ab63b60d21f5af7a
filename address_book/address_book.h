#pragma once
// An address-book export of any kind the program reads: vCard or CSV.
#include <string_view>

#include "birthday_text.h"
#include "contact.h"
#include "readers_text.h"
#include "text_converters.h"

namespace address_book {

// A vCard file when its start (see ReadersText) holds a BEGIN:VCARD line, else a CSV file when its
// header names the columns of contacts, else no format the program reads. A
// byte-order mark, and UTF-16, are dealt with here, before the format is told.
// The order is the user's regional short-date format's, for CSV birthdays
// whose column does not show its own.
AddressBook readAddressBook(std::string_view bytes, DateOrder order,
                            const TextConverters& converters);
// The same, in one pass over a file's bytes as they come: a line longer than
// any text the program keeps is passed over as it comes, never held whole.
AddressBook readAddressBook(const BytePieces& pieces, DateOrder order,
                            const TextConverters& converters);

}  // namespace address_book

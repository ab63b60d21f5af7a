#pragma once
// The list as a vCard 3.0 file, for phones, Google Contacts, other address
// books and Festorin's own import.
#include <string>
#include <vector>

#include "person.h"
#include "text_converters.h"

namespace address_book {

// One card a person, in the people's order, in UTF-8 with CR LF line ends and
// lines folded at 75 octets; no people, no card. The cells are in the ANSI code
// page, which the converters turn into UTF-8.
std::string vCardsOf(const std::vector<Cells>& people, const TextConverters& converters);

}  // namespace address_book

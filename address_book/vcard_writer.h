#pragma once
// The list as a vCard 3.0 file, for phones, Google Contacts, other address
// books and Festorin's own import.
#include <functional>
#include <string>
#include <vector>

#include "person.h"

namespace address_book {

// The UTF-8 text of a text in the ANSI code page; the code page is the system's.
using ToUtf8 = std::function<std::string(const std::string& ansi)>;

// One card a person, in the people's order, in UTF-8 with CR LF line ends and
// lines folded at 75 octets; no people, no card.
std::string vCardsOf(const std::vector<Cells>& people, const ToUtf8& toUtf8);

}  // namespace address_book

#pragma once
// The cards of a vCard 2.1, 3.0 or 4.0 file.
#include <string_view>

#include "birthday_text.h"
#include "contact.h"
#include "text_converters.h"
#include "text_cursor.h"

namespace address_book {

// Both take a file's text in the readers' form (see inReadersForm).

// Whether the file holds a line BEGIN:VCARD, in any case, that does not
// stand inside a quoted field of a CSV file (a card kept in a note).
bool holdsVCard(std::string_view bytes);

// Every card in file order, its texts in UTF-8. A card that the file's end
// cuts short keeps what it holds; a card inside a card (a 2.1 AGENT's) is not
// read; a card without its END:VCARD ends where the next one begins. A
// birthday of three numbers that do not show their order is read in `order`.
ContactList readVCards(std::string_view bytes, DateOrder order, const TextConverters& converters);
// The same, read as the text comes.
ContactList readVCards(TextCursor& text, DateOrder order, const TextConverters& converters);

}  // namespace address_book

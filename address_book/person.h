#pragma once
// A read contact as a person of the list: the ten cells the editor's Ok
// would write for it.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "book/contact_table.h"
#include "contact.h"

namespace address_book {

// In the grid's column order (book::Column).
using Cells = std::array<std::string, book::columnCount>;

// Whether the month and day are a day of some year: 29 February is one.
bool formsDate(const MonthDay& date);

// The birthday a key of the list stands for: four digits that form a date.
std::optional<MonthDay> dateOfKey(std::string_view key);

// The day of birth the import shows for a birthday: the day typed with its
// zero ("March,05") when Festorin's own column shows it so.
std::string shownDateOf(const MonthDay& birthday, const std::optional<std::string>& ownDayOfBirth);

// A card of Festorin's own export, which carries its own columns: a row of a
// list, taken as its export wrote it.
bool isOwnRow(const Contact& contact);

// Whether the card's own key stands: its birthday, or its having none, is
// still the one the key stands for. Changed elsewhere, BDAY gives the key.
bool keepsOwnKey(const Contact& contact);

// The names as the card gives them: exact where Festorin's export kept them so.
const std::string& firstNameOf(const Contact& contact);
const std::string& surnameOf(const Contact& contact);

// The cells of a contact whose birthday forms a date, or whose own key
// stands, and whose texts are in the ANSI code page already. A row of
// Festorin's own export keeps its texts as they are, only cut to their
// fields, and its columns of its own; any other contact's texts are trimmed
// and cut to their entry boxes' lengths, and it gets the import's choices.
Cells personOf(const Contact& ansiContact);

// Only the cells that tell people apart, key, first name and surname, as
// personOf makes them; the others stay empty.
Cells identityCellsOf(const Contact& ansiContact);

}  // namespace address_book

#include "person.h"

#include "book/birthday_entry.h"
#include "book/fiche.h"
#include "book/text.h"

namespace address_book {

namespace {

constexpr std::array<const char*, 12> monthNames{"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};

// A cut can end on a blank, so the text is trimmed again after it.
std::string boxText(const std::string& text, book::Column column) {
    const auto capacity = static_cast<std::size_t>(book::fieldCapacity(column));
    return book::trimmed(book::trimmed(text).substr(0, capacity));
}

const char* actionFor(const Cells& cells) {
    if (!cells[book::colEmail].empty()) return "Send an E-mail";
    if (!cells[book::colPhone1].empty()) return "Call phone 1";
    return "Other";
}

}  // namespace

bool formsDate(const MonthDay& date) {
    if (date.month < 1 || date.month > 12) return false;
    return book::refusedDay(date.month, monthNames[date.month - 1], date.day).empty();
}

Cells personOf(const Contact& ansiContact) {
    Cells cells;
    cells[book::colFirstName] = boxText(ansiContact.firstName, book::colFirstName);
    cells[book::colSurname] = boxText(ansiContact.surname, book::colSurname);
    cells[book::colEmail] = boxText(ansiContact.email, book::colEmail);
    cells[book::colPhone1] = boxText(ansiContact.phone1, book::colPhone1);
    cells[book::colPhone2] = boxText(ansiContact.phone2, book::colPhone2);
    const MonthDay& birthday = *ansiContact.birthday;
    const std::string dayText = std::to_string(birthday.day);
    cells[book::colKey] = book::birthdayKey(birthday.month, dayText);
    cells[book::colShownDate] = book::shownDate(monthNames[birthday.month - 1], dayText);
    cells[book::colAction] = actionFor(cells);
    cells[book::colWhen] = "The exact day";
    cells[book::colReason] = "Birtday";
    return cells;
}

}  // namespace address_book

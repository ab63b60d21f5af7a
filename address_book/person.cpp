#include "person.h"

#include "book/birthday_entry.h"
#include "book/choices.h"
#include "book/contact_record.h"
#include "book/text.h"

namespace address_book {

namespace {

std::string cut(const std::string& text, book::Column column) {
    return text.substr(0, static_cast<std::size_t>(book::fieldCapacity(column)));
}

// A cut can end on a blank, so the text is trimmed again after it.
std::string boxText(const std::string& text, book::Column column) {
    return book::trimmed(cut(book::trimmed(text), column));
}

const char* actionFor(const Cells& cells) {
    if (!cells[book::colEmail].empty()) return book::actionChoices[book::sendAnEmail];
    if (!cells[book::colPhone1].empty()) return book::actionChoices[book::callPhone1];
    return book::actionChoices[book::otherAction];
}

// The day as the editor took it: typed "05", it shows as "March,05", which
// Festorin's export keeps in its own column of the day of birth.
std::string dayTextOf(const Contact& contact) {
    const MonthDay& birthday = *contact.birthday;
    const std::string plain = std::to_string(birthday.day);
    const std::string padded = "0" + plain;
    const bool typedPadded =
        birthday.day < 10 &&
        contact.own.dayOfBirth == book::shownDate(book::monthNames[birthday.month - 1], padded);
    return typedPadded ? padded : plain;
}

}  // namespace

bool formsDate(const MonthDay& date) {
    if (date.month < 1 || date.month > 12) return false;
    return book::refusedDay(date.month, book::monthNames[date.month - 1], date.day).empty();
}

Cells personOf(const Contact& ansiContact) {
    // Festorin's own column as its export wrote it, blanks included; else the
    // import's choice.
    const auto ownOr = [](const std::optional<std::string>& own, book::Column column,
                          const char* otherwise) {
        return own ? cut(*own, column) : std::string(otherwise);
    };
    const OwnColumns& own = ansiContact.own;
    Cells cells;
    cells[book::colFirstName] = boxText(ansiContact.firstName, book::colFirstName);
    cells[book::colSurname] = boxText(ansiContact.surname, book::colSurname);
    cells[book::colEmail] = boxText(ansiContact.email, book::colEmail);
    cells[book::colPhone1] = boxText(ansiContact.phone1, book::colPhone1);
    const std::string& phone2 = own.phone2.empty() ? ansiContact.phone2 : own.phone2;
    cells[book::colPhone2] = boxText(phone2, book::colPhone2);
    const MonthDay& birthday = *ansiContact.birthday;
    const std::string dayText = dayTextOf(ansiContact);
    cells[book::colKey] = book::birthdayKey(birthday.month, dayText);
    cells[book::colShownDate] = book::shownDate(book::monthNames[birthday.month - 1], dayText);
    cells[book::colAction] = ownOr(own.action, book::colAction, actionFor(cells));
    cells[book::colWhen] = ownOr(own.lead, book::colWhen, book::leadTimeChoices[book::theExactDay]);
    cells[book::colReason] =
        ownOr(own.reason, book::colReason, book::reasonChoices[book::birthdayReason]);
    return cells;
}

}  // namespace address_book

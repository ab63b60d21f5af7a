#include "person.h"

#include <algorithm>

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

// The texts as the list held them, or as the editor's boxes take them.
std::string textCell(const std::optional<std::string>& exact, const std::string& standard,
                     book::Column column, bool asWritten) {
    const std::string& text = exact ? *exact : standard;
    return asWritten ? cut(text, column) : boxText(text, column);
}

// The key: Festorin's own where it stands, else the birthday's.
std::string keyCellOf(const Contact& contact) {
    if (keepsOwnKey(contact)) return cut(*contact.own.key, book::colKey);
    const MonthDay& birthday = *contact.birthday;
    return book::birthdayKey(birthday.month, std::to_string(birthday.day));
}

// The day of birth: Festorin's own where its key stands, else the birthday's.
std::string shownDateCellOf(const Contact& contact) {
    const OwnColumns& own = contact.own;
    if (!keepsOwnKey(contact)) return shownDateOf(*contact.birthday, own.dayOfBirth);
    if (own.dayOfBirth) return cut(*own.dayOfBirth, book::colShownDate);
    return contact.birthday ? shownDateOf(*contact.birthday, std::nullopt) : std::string();
}

}  // namespace

bool formsDate(const MonthDay& date) {
    if (date.month < 1 || date.month > 12) return false;
    return book::refusedDay(date.month, book::monthNames[date.month - 1], date.day).empty();
}

std::optional<MonthDay> dateOfKey(std::string_view key) {
    if (key.size() != 4 || !std::all_of(key.begin(), key.end(), book::isDigit)) return std::nullopt;
    const MonthDay date{(key[0] - '0') * 10 + (key[1] - '0'), (key[2] - '0') * 10 + (key[3] - '0')};
    return formsDate(date) ? std::optional(date) : std::nullopt;
}

// The day as the editor took it: typed "05", it shows as "March,05", which
// Festorin's export keeps in its own column of the day of birth.
std::string shownDateOf(const MonthDay& birthday, const std::optional<std::string>& ownDayOfBirth) {
    const std::string& monthName = book::monthNames[birthday.month - 1];
    const std::string plain = std::to_string(birthday.day);
    const std::string padded = book::shownDate(monthName, "0" + plain);
    return birthday.day < 10 && ownDayOfBirth == padded ? padded
                                                        : book::shownDate(monthName, plain);
}

bool isOwnRow(const Contact& contact) {
    const OwnColumns& own = contact.own;
    return own.key || own.dayOfBirth || own.action || own.lead || own.reason;
}

bool keepsOwnKey(const Contact& contact) {
    return contact.own.key && contact.unreadBirthday.empty() &&
           dateOfKey(*contact.own.key) == contact.birthday;
}

const std::string& firstNameOf(const Contact& contact) {
    return contact.own.exactFirstName ? *contact.own.exactFirstName : contact.firstName;
}

const std::string& surnameOf(const Contact& contact) {
    return contact.own.exactSurname ? *contact.own.exactSurname : contact.surname;
}

Cells identityCellsOf(const Contact& ansiContact) {
    const OwnColumns& own = ansiContact.own;
    const bool asWritten = isOwnRow(ansiContact);
    Cells cells;
    cells[book::colFirstName] =
        textCell(own.exactFirstName, ansiContact.firstName, book::colFirstName, asWritten);
    cells[book::colSurname] =
        textCell(own.exactSurname, ansiContact.surname, book::colSurname, asWritten);
    cells[book::colKey] = keyCellOf(ansiContact);
    return cells;
}

Cells personOf(const Contact& ansiContact) {
    // Festorin's own column as its export wrote it, blanks included; else the
    // import's choice.
    const auto ownOr = [](const std::optional<std::string>& own, book::Column column,
                          const char* otherwise) {
        return own ? cut(*own, column) : std::string(otherwise);
    };
    const OwnColumns& own = ansiContact.own;
    const bool asWritten = isOwnRow(ansiContact);
    Cells cells = identityCellsOf(ansiContact);
    cells[book::colEmail] = textCell(own.exactEmail, ansiContact.email, book::colEmail, asWritten);
    cells[book::colPhone1] =
        textCell(own.exactPhone1, ansiContact.phone1, book::colPhone1, asWritten);
    const std::string& phone2 = own.phone2.empty() ? ansiContact.phone2 : own.phone2;
    cells[book::colPhone2] = textCell(own.exactPhone2, phone2, book::colPhone2, asWritten);
    cells[book::colShownDate] = shownDateCellOf(ansiContact);
    cells[book::colAction] = ownOr(own.action, book::colAction, actionFor(cells));
    cells[book::colWhen] = ownOr(own.lead, book::colWhen, book::leadTimeChoices[book::theExactDay]);
    cells[book::colReason] =
        ownOr(own.reason, book::colReason, book::reasonChoices[book::birthdayReason]);
    return cells;
}

}  // namespace address_book

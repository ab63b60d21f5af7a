#pragma once
// Lists as the editor and the import leave them, made from any texts: the
// lists that Festorin's export and import bring back byte for byte. Shared by
// the unit tests and the fuzz target of the way out and back.
#include <array>
#include <string>
#include <vector>

#include "address_book/person.h"
#include "book/choices.h"
#include "book/contact_record.h"
#include "book/contact_table.h"
#include "book/text.h"

namespace test_support {

inline std::string cutTo(const std::string& text, book::Column column) {
    return text.substr(0, static_cast<std::size_t>(book::fieldCapacity(column)));
}

// The import reads a phone written as vCard 4.0's link, "tel:...", as the
// number alone; the editor's phones are taken as something else.
inline std::string withoutTelLink(std::string phone) {
    while (phone.size() >= 4 && (phone[0] | 0x20) == 't' && (phone[1] | 0x20) == 'e' &&
           (phone[2] | 0x20) == 'l' && phone[3] == ':')
        phone = book::trimmed(phone.substr(4));
    return phone;
}

// The texts as a contact file holds them: any bytes, each cut to its field.
inline address_book::Cells cutToFields(address_book::Cells texts) {
    for (int col = 0; col < book::columnCount; ++col)
        texts[col] = cutTo(texts[col], static_cast<book::Column>(col));
    return texts;
}

// A row of an older contact file, whose key may be no date or empty.
inline address_book::Cells olderRow(const address_book::Cells& texts, unsigned keyChoice) {
    static const std::array<std::string, 3> keys{"0230", "", "x101"};
    address_book::Cells row = cutToFields(texts);
    if (keyChoice % 4 < keys.size()) row[book::colKey] = keys[keyChoice % 4];
    return row;
}

// A person made from any ten texts and three numbers: names, address and
// phones trimmed and cut to their boxes, never both names empty; the key and
// shown date of a day of the month, typed with its leading zero or without;
// the action, lead time and reason any texts that fit their fields.
inline address_book::Cells listedPerson(const address_book::Cells& texts, unsigned month,
                                        unsigned day, bool typedWithZero) {
    static constexpr std::array<unsigned, 12> monthDays{31, 29, 31, 30, 31, 30,
                                                        31, 31, 30, 31, 30, 31};
    address_book::Cells person = texts;
    for (int col = book::colFirstName; col <= book::colPhone2; ++col) {
        const auto column = static_cast<book::Column>(col);
        person[col] = book::trimmed(cutTo(book::trimmed(texts[col]), column));
        if (column == book::colPhone1 || column == book::colPhone2)
            person[col] = withoutTelLink(person[col]);
    }
    if (person[book::colFirstName].empty() && person[book::colSurname].empty())
        person[book::colFirstName] = "Ann";
    month = month % 12 + 1;
    day = day % monthDays[month - 1] + 1;
    const std::string dayText = (typedWithZero && day < 10 ? "0" : "") + std::to_string(day);
    person[book::colKey] = book::birthdayKey(static_cast<int>(month), dayText);
    person[book::colShownDate] = book::shownDate(book::monthNames[month - 1], dayText);
    for (book::Column column : {book::colAction, book::colWhen, book::colReason})
        person[column] = cutTo(texts[column], column);
    return person;
}

}  // namespace test_support

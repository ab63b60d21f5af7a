#pragma once
// What every address book read from any bytes, and every plan of its import,
// must keep: texts in the encoding they claim, cells that fit their fields,
// keys of real dates, counts that add up, never more people than there is
// room for, two people with the same cells only where the code page could not
// hold a name, and a second import of the same file adding nobody.
#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <tuple>

#include "address_book/import_plan.h"
#include "address_book/offer.h"
#include "address_book/people_list.h"
#include "address_book/text_encoding.h"
#include "app/system_converters.h"
#include "book/contact_record.h"
#include "book/contact_table.h"
#include "book/text.h"
#include "platform/code_pages.h"
#include "reminders/calendar.h"

namespace fuzz {

inline void require(bool holds) {
    if (!holds) std::abort();
}

inline bool isTrimmed(const std::string& text) { return book::trimmed(text) == text; }

inline void checkContacts(const address_book::AddressBook& file) {
    for (const address_book::Contact& contact : file.contacts) {
        for (const std::string* text : {&contact.firstName, &contact.surname, &contact.email,
                                        &contact.phone1, &contact.phone2}) {
            require(isTrimmed(*text));
            if (file.encoding == address_book::TextEncoding::Utf8)
                require(address_book::isUtf8(*text));
        }
        require(contact.phone2.empty() || !contact.phone1.empty());
        const address_book::OwnColumns& own = contact.own;
        require(isTrimmed(own.phone2) && address_book::isUtf8(own.phone2));
        for (const std::optional<std::string>* text :
             {&own.dayOfBirth, &own.action, &own.lead, &own.reason, &own.key, &own.exactFirstName,
              &own.exactSurname, &own.exactEmail, &own.exactPhone1, &own.exactPhone2})
            require(!*text || address_book::isUtf8(**text));
        if (contact.birthday) {
            require(contact.birthday->month >= 0 && contact.birthday->month <= 99);
            require(contact.birthday->day >= 0 && contact.birthday->day <= 99);
        }
    }
}

// 2000 is a leap year: 29 February is a birthday.
inline bool isBirthday(const std::optional<address_book::MonthDay>& date) {
    return date && reminders::isValidDate(2000, date->month, date->day);
}

// Festorin's own columns, from its export, may give any action, lead time
// and reason, and a day of birth typed with its zero.
inline bool hasOwnChoices(const address_book::AddressBook& file) {
    return std::any_of(file.contacts.begin(), file.contacts.end(),
                       [](const address_book::Contact& contact) {
                           const address_book::OwnColumns& own = contact.own;
                           return own.action || own.lead || own.reason;
                       });
}

// Cards of Festorin's own export are rows: two may hold one person, and any
// texts and key that fit their fields.
inline bool hasOwnRows(const address_book::AddressBook& file) {
    return std::any_of(file.contacts.begin(), file.contacts.end(), address_book::isOwnRow);
}

inline void checkPerson(const address_book::Cells& person, bool ownChoices, bool ownRows) {
    for (int col = 0; col < book::columnCount; ++col)
        require(person[col].size() <= static_cast<std::size_t>(book::fieldCapacity(col)));
    if (ownRows) return;
    for (int col = book::colFirstName; col <= book::colPhone2; ++col)
        require(isTrimmed(person[col]));
    require(!person[book::colFirstName].empty() || !person[book::colSurname].empty());
    const std::string& key = person[book::colKey];
    require(key.size() == 4 &&
            std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; }));
    const int month = std::stoi(key.substr(0, 2)), day = std::stoi(key.substr(2));
    require(reminders::isValidDate(2000, month, day));
    const std::string& shown = person[book::colShownDate];
    require(shown.ends_with(day < 10 ? ", " + std::to_string(day) : "," + std::to_string(day)) ||
            (day < 10 && shown.ends_with(",0" + std::to_string(day))));
    if (ownChoices) return;
    const char* action = !person[book::colEmail].empty()    ? "Send an E-mail"
                         : !person[book::colPhone1].empty() ? "Call phone 1"
                                                            : "Other";
    require(person[book::colAction] == action);
    require(person[book::colWhen] == "The exact day" && person[book::colReason] == "Birtday");
}

// The plan over an empty list with `room` left; then again over the list
// that holds what the first plan added.
inline void checkPlan(const address_book::AddressBook& file, int room) {
    address_book::TextConverters converters = systemConverters();
    converters.utf8ToAnsi = [&file](const std::string& utf8) {
        require(file.encoding == address_book::TextEncoding::Utf8);
        return platform::utf8ToAnsi(utf8);
    };
    platform::StringGrid list(nullptr, book::columnCount);
    const address_book::ImportPlan plan = address_book::planImport(file, list, room, converters);

    int withoutBirthday = 0, unreadBirthday = 0;
    for (const address_book::Contact& contact : file.contacts)
        if (!isBirthday(contact.birthday) && !address_book::keepsOwnKey(contact))
            ++(contact.unreadBirthday.empty() ? withoutBirthday : unreadBirthday);
    require(plan.withoutBirthday == withoutBirthday && plan.unreadBirthday == unreadBirthday);
    require(plan.withoutBirthday + plan.unreadBirthday + plan.withoutName + plan.alreadyInList +
                plan.newPeople ==
            static_cast<int>(file.contacts.size()));
    require(static_cast<int>(plan.people.size()) == std::min(room, plan.newPeople));

    std::set<std::tuple<std::string, std::string, std::string>> identities;
    for (const address_book::Cells& person : plan.people) {
        checkPerson(person, hasOwnChoices(file), hasOwnRows(file));
        const std::string& firstName = person[book::colFirstName];
        const std::string& surname = person[book::colSurname];
        if (!identities.emplace(person[book::colKey], firstName, surname).second)
            require(hasOwnRows(file) || (firstName + surname).find('?') != std::string::npos);
    }

    const address_book::Offer offer = address_book::offerOf(file, plan, "folder\\file.txt");
    // The file's own words, a birthday it could not read, may say anything.
    std::string shown = offer.text;
    if (const std::size_t unread = shown.find("(first: \"" + plan.firstUnreadBirthday + "\")");
        plan.unreadBirthday > 0 && unread != std::string::npos)
        shown.erase(unread, plan.firstUnreadBirthday.size() + 11);
    require(shown.find("file.txt") != std::string::npos &&
            shown.find("folder") == std::string::npos);
    require((offer.kind == address_book::OfferKind::Question) == !plan.people.empty());

    require(address_book::appendPeople(list, plan.people) == static_cast<int>(plan.people.size()));
    const address_book::ImportPlan again =
        address_book::planImport(file, list, address_book::roomLeft(list), converters);
    require(again.withoutBirthday == plan.withoutBirthday &&
            again.unreadBirthday == plan.unreadBirthday);
    require(again.newPeople == plan.newPeople - static_cast<int>(plan.people.size()));
}

}  // namespace fuzz

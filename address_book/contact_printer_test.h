#pragma once
// Shows a contact in full when a reader's test fails.
#include <ostream>

#include "contact.h"

namespace address_book {

inline void PrintTo(const Contact& contact, std::ostream* out) {
    *out << "{" << contact.firstName << " | " << contact.surname << " | " << contact.email << " | "
         << contact.phone1 << " | " << contact.phone2 << " | ";
    if (contact.birthday)
        *out << contact.birthday->month << "/" << contact.birthday->day;
    else
        *out << "no birthday";
    const OwnColumns& own = contact.own;
    for (const std::optional<std::string>* text :
         {&own.dayOfBirth, &own.action, &own.lead, &own.reason, &own.key, &own.exactFirstName,
          &own.exactSurname, &own.exactEmail, &own.exactPhone1, &own.exactPhone2})
        *out << " | " << (*text ? "[" + **text + "]" : std::string("none"));
    *out << " | " << own.phone2 << " | unread [" << contact.unreadBirthday << "]}";
}

}  // namespace address_book

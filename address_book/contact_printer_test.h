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
    *out << "}";
}

}  // namespace address_book

#pragma once
// The column names of the CSV exports the program reads, in every language
// that Outlook, Thunderbird and Google write them in.
#include <span>
#include <string_view>

namespace address_book {

// What a column holds. Outlook's phones and Thunderbird's keep roles of their
// own, so that each program's numbers are taken in its own order.
enum Role : std::size_t {
    FirstName,
    Surname,
    DisplayName,
    Birthday,    // the whole date
    BirthMonth,  // Thunderbird's month and day, in columns of their own
    BirthDay,
    Email,
    GooglePhone1,
    GooglePhone2,
    MobilePhone,   // Outlook's
    MobileNumber,  // Thunderbird's
    HomePhone,
    BusinessPhone,  // Outlook's
    WorkPhone,      // Thunderbird's
    GooglePhone1Label,
    GooglePhone2Label,
    roleCount
};

struct ColumnName {
    Role role;
    std::string_view name;  // UTF-8
};

// Of a role's names, the earlier is taken where a header holds two. A name may
// stand for two roles: German "Geburtstag" is Outlook's whole birthday and
// Thunderbird's day of birth.
std::span<const ColumnName> columnNames();

}  // namespace address_book

#pragma once
// A contact as an address-book export holds it, before it becomes a person
// of the list.
#include <optional>
#include <string>

#include "contact_list.h"

namespace address_book {

// What the texts of a reader's contacts are in: UTF-8, or already the ANSI
// code page's bytes (a CSV file that is not UTF-8).
enum class TextEncoding { Utf8, Ansi };

// The day and month as written, which may form no date (30 February).
struct MonthDay {
    int month = 0;
    int day = 0;
    bool operator==(const MonthDay&) const = default;
};

// Festorin's own columns, which only its export writes: the texts as the list
// held them, blanks included.
struct OwnColumns {
    std::optional<std::string> dayOfBirth{}, action{}, lead{}, reason{};
    // A number the card marks as the second phone of a person without a first.
    std::string phone2{};
    // The key, on the cards whose BDAY and day of birth do not give it back:
    // one that is no date ("0230"), empty, or shown otherwise.
    std::optional<std::string> key{};
    // The texts that the standard properties give back otherwise (blanks at
    // their ends, a carriage return), where both say the same.
    std::optional<std::string> exactFirstName{}, exactSurname{}, exactEmail{}, exactPhone1{},
        exactPhone2{};
    bool operator==(const OwnColumns&) const = default;
};

// Texts without their leading and trailing blanks; the second phone is only
// there when the first is.
struct Contact {
    std::string firstName{};
    std::string surname{};
    std::string email{};
    std::string phone1{};
    std::string phone2{};
    std::optional<MonthDay> birthday{};
    OwnColumns own{};
    // A birthday written in a form the program does not read, as written.
    std::string unreadBirthday{};
    bool operator==(const Contact&) const = default;
};

enum class FileFormat { None, VCard, Csv };

// What a reader made of a file.
struct AddressBook {
    FileFormat format = FileFormat::None;
    TextEncoding encoding = TextEncoding::Utf8;
    ContactList contacts;
};

}  // namespace address_book

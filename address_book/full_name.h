#pragma once
// A full name ("Ann Mary Lee") as the first name and surname the list asks for.
#include <string>
#include <string_view>

namespace address_book {

struct SplitName {
    std::string firstName;
    std::string surname;
};

// Split at the last blank: the last word is the surname, unless it is the
// only word, which is then the first name as the editor asks for one.
SplitName splitFullName(std::string_view fullName);

}  // namespace address_book

#include "full_name.h"

#include "book/text.h"

namespace address_book {

SplitName splitFullName(std::string_view fullName) {
    const std::string name = book::trimmed(fullName);
    const std::size_t blank = name.find_last_of(" \t");
    if (blank == std::string::npos) return {name, ""};
    return {book::trimmed(name.substr(0, blank)), book::trimmed(name.substr(blank + 1))};
}

}  // namespace address_book

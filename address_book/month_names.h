#pragma once
// The names of the months in the languages whose address books the program
// reads, as dates with a month's name write them.
#include <optional>
#include <string_view>

namespace address_book {

// The month (1 to 12) a UTF-8 word names, in any case: a whole name, a form
// such as Polish "grudnia" or Finnish "joulukuuta", or an abbreviation of at
// least three letters ("Dec", "déc", "Mär", "mrt"). An abbreviation that
// stands for two months in one language names none there; English is tried
// first, then the other languages in turn.
std::optional<int> monthNamed(std::string_view word);

}  // namespace address_book

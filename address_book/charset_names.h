#pragma once
// The charsets vCard files declare (CHARSET=WINDOWS-1251, KOI8-R, Shift_JIS,
// ...), by the number of the Windows code page that holds them; the system
// converts them.
#include <optional>
#include <string_view>

namespace address_book {

constexpr unsigned utf8CodePage = 65001;

// Nothing for a name no code page is known by.
std::optional<unsigned> codePageNamed(std::string_view charset);

}  // namespace address_book

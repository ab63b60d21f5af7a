#pragma once
// The system's text converters between UTF-8 and the Windows code pages; the
// ANSI code page is the one the system runs with, in which the program keeps
// every text.
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// A character the ANSI code page lacks becomes "?".
std::string utf8ToAnsi(const std::string& utf8);
std::string ansiToUtf8(const std::string& ansi);
// Bytes in the code page numbered `codePage` (1251, 20866, 65001...) as
// UTF-8; nothing when the system knows no such code page.
std::optional<std::string> codePageToUtf8(std::string_view bytes, unsigned codePage);

}  // namespace platform

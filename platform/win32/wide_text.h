#pragma once
// Texts at the edge of Windows' wide API: an address book's path is UTF-8
// inside the program and UTF-16 for Windows; the program's own texts are in
// the ANSI code page. Invalid bytes become U+FFFD, as the system reads them.
#include <string>
#include <string_view>

namespace platform::win32 {

std::wstring wideFromUtf8(std::string_view utf8);
std::string utf8FromWide(std::wstring_view wide);
std::wstring wideFromAnsi(std::string_view ansi);

}  // namespace platform::win32

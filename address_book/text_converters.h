#pragma once
// The system's text converters, handed to the readers and to the plan of an
// import by whoever knows the system: the program passes Windows' own.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace address_book {

struct TextConverters {
    // A character the ANSI code page lacks becomes "?".
    std::function<std::string(const std::string& utf8)> utf8ToAnsi;
    std::function<std::string(const std::string& ansi)> ansiToUtf8;
    // Nothing when the system knows no code page of that number.
    std::function<std::optional<std::string>(std::string_view bytes, unsigned codePage)>
        codePageToUtf8;
};

}  // namespace address_book

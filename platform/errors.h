#pragma once
#include <stdexcept>
#include <string>

namespace platform {

// A path as a message shows it: the program's paths are UTF-8, its messages'
// texts are in the ANSI code page, which may lack some of a path's letters.
std::string shownPath(const std::string& path);

// A file operation that failed; the text names the file and the operation.
class IoError : public std::runtime_error {
public:
    IoError(const std::string& operation, const std::string& path);
    IoError(const std::string& message) : std::runtime_error(message) {}
};

// A text that should have been a number.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const std::string& text);
};

// Reads a decimal integer: optional leading blanks, an optional sign, digits.
int toInt(const std::string& text);

}  // namespace platform

#pragma once
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string>
#include <string_view>

#include "file_system.h"

namespace platform {

// Replaces a file whole: the new content goes to a temporary file beside it,
// which is then moved over the old one. After any failure the old file is
// untouched, the temporary file is gone and an IoError names the file.
void writeFileAtomically(const std::string& path, const std::string& content);
// The same for a content in pieces, written one after another, so that a
// large one is never copied whole to be joined.
void writeFileAtomically(const std::string& path, std::initializer_list<std::string_view> pieces);

// Reads a whole small file; false when it is missing, cannot be read, or is
// larger than `largest` bytes.
bool readSmallFile(const std::string& path, std::string& content,
                   std::int64_t largest = std::numeric_limits<std::int64_t>::max());

// How reading a whole file ended; `why` holds the system's words for a file
// that could not be opened or read.
struct FileReading {
    enum class Outcome { Read, NotOpened, NotRead, TooLarge };
    Outcome outcome;
    std::string why;
};
FileReading readWholeFile(const std::string& path, std::string& content, std::int64_t largest);

// The first line of a small text file, without its line end; false when the
// file is missing or cannot be read.
bool readFirstLine(const std::string& path, std::string& line);

}  // namespace platform

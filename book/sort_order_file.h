#pragma once
// The sort-order file "ordre_tri.txt": one line, the digit of the chosen order
// (0 by date, 1 by first name, 2 by surname, 3 by e-mail) and CR LF.
#include <optional>
#include <string>

namespace book {

inline constexpr const char* sortOrderFileName = "ordre_tri.txt";
inline constexpr int orderByDate = 0;
inline constexpr int orderCount = 4;

// The order the file holds: by date when the file is missing or unreadable,
// or when its first line is a number outside 0 to 3. Throws
// platform::ConversionError, naming the line, when that line is not an integer.
int readSortOrder(const std::string& path);

// The order a file written from outside holds; nothing when the file is
// missing, cannot be read or holds no number, so that the order stays.
std::optional<int> sortOrderFromOutside(const std::string& path);

// Replaces the file whole; throws platform::IoError, the old file then stays.
void writeSortOrder(const std::string& path, int order);

}  // namespace book

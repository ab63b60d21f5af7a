#pragma once
// The contact file "dates.txt": ContactRecord records back to back, no header.
#include <string>

#include "platform/string_grid.h"

namespace book {

// Replaces the file whole with one record per row that holds any text, in
// row order: only the empty placeholder row is left out. Throws
// platform::IoError; the old file is then untouched.
void writeContactFile(const std::string& path, const platform::StringGrid& grid);

struct ContactFileRead {
    bool existed = false;
    bool complete = true;  // every whole record was read
    int people = 0;
};

// Fills a table in its initial state (two rows, row 1 empty) from the file.
// A tail shorter than a record is ignored. When the file cannot be opened or
// a read fails, the people read before stay and `complete` is false.
ContactFileRead readContactFile(const std::string& path, platform::StringGrid& grid);

}  // namespace book

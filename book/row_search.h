#pragma once
// Looking for a person in the contact table by text, without regard to case
// as the system compares texts.
#include <string>
#include <vector>

#include "platform/string_grid.h"

namespace book {

// The row whose text in `col` begins with `text` (or, when not partial, is
// it), looked for from `fromRow` to the last row and then, when wrap, from
// row 1 up to `fromRow`; 0 when none. The list view's search as one types.
int rowBeginningWith(const platform::StringGrid& grid, int col, const std::string& text,
                     int fromRow, bool partial, bool wrap);

// The next row after `selected`, going round to `selected` itself, with
// `text` inside its text in one of `cols`; 0 when none, or when the text is
// empty.
int nextRowContaining(const platform::StringGrid& grid, const std::vector<int>& cols,
                      const std::string& text, int selected);

}  // namespace book

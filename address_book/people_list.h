#pragma once
// The list's people as rows of cells: their room, the adding of imported
// people as Add does it, and the people an export writes.
#include <vector>

#include "person.h"
#include "platform/string_grid.h"

namespace address_book {

// How many more people the list takes: an empty last row (the placeholder of
// an empty table) is room too.
int roomLeft(const platform::StringGrid& list);

// Every row that holds a person, as the contact file keeps them, in the
// list's order.
std::vector<Cells> rowsOfPeople(const platform::StringGrid& list);

// Adds the people after the list's last person, the first of them into an
// empty last row, as many as there is room for; returns how many.
int appendPeople(platform::StringGrid& list, const std::vector<Cells>& people);

}  // namespace address_book

#pragma once
// The list's room and the adding of imported people to it, as Add does it.
#include <vector>

#include "person.h"
#include "platform/string_grid.h"

namespace address_book {

// How many more people the list takes: an empty last row (the placeholder of
// an empty table) is room too.
int roomLeft(const platform::StringGrid& list);

// Adds the people after the list's last person, the first of them into an
// empty last row, as many as there is room for; returns how many.
int appendPeople(platform::StringGrid& list, const std::vector<Cells>& people);

}  // namespace address_book

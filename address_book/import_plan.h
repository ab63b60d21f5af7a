#pragma once
// What importing a file adds to the list, and what it leaves out.
#include <vector>

#include "contact.h"
#include "person.h"
#include "platform/string_grid.h"

namespace address_book {

struct ImportPlan {
    std::vector<Cells> people;  // to add, in file order, as many as fit
    int withoutBirthday = 0;    // no birthday, or one that forms no date
    int withoutName = 0;        // neither first name nor surname
    int alreadyInList = 0;      // or earlier in the same file
    int newPeople = 0;          // all that would be added if the list had room

    bool allFit() const { return static_cast<int>(people.size()) == newPeople; }
};

// A contact is already in the list when a person there, or one earlier in the
// file, has the same key, first name and surname, byte for byte. The list's
// rows without any text (an empty table's placeholder) hold nobody. `room` is
// how many more people the list takes.
ImportPlan planImport(const AddressBook& file, const platform::StringGrid& list, int room,
                      const ToAnsi& toAnsi);

}  // namespace address_book

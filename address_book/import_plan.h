#pragma once
// What importing a file adds to the list, and what it leaves out.
#include <string>
#include <vector>

#include "contact.h"
#include "person.h"
#include "platform/string_grid.h"
#include "text_converters.h"

namespace address_book {

struct ImportPlan {
    std::vector<Cells> people;        // to add, in file order, as many as fit
    int withoutBirthday = 0;          // no birthday, or one that forms no date
    int unreadBirthday = 0;           // a birthday in a form the program does not read
    std::string firstUnreadBirthday;  // in UTF-8, as the file writes it
    int withoutName = 0;              // neither first name nor surname, and no own row
    int alreadyInList = 0;            // or earlier in the same file
    int newPeople = 0;                // all that would be added if the list had room

    bool allFit() const { return static_cast<int>(people.size()) == newPeople; }
};

// Names are compared as the file spells them, before they are turned into the
// ANSI code page, byte for byte after trimming and cutting. A contact is
// already there when one earlier in the file has its key, first name and
// surname, or when the list holds a person with the key and the names the
// contact would be stored with; each person of the list stands for one
// contact. For names the code page holds, that is the file's spelling
// compared with the list's names read back from the code page; names it
// cannot hold ("Иван" on a Western system is stored as "????") are told
// apart within the file, and each person of the list stored as they would be
// counts for one of them, so that importing the same file again adds nobody.
// A card of Festorin's own export, which carries its own columns, is a row
// of a list: every such card is taken, whatever its key and names hold while
// its birthday is still its key's, and one is already there only when a row
// of the list has all its ten cells. Such a row of the list is that
// card's person, whom no other card of the file counts against; and another
// card of the same person in that file adds nothing beside it, wherever
// either stands. Names, and cells, are compared
// without blanks at their ends on both sides. The list's rows without any
// text (an empty table's placeholder) hold nobody. `room` is how many more
// people the list takes.
ImportPlan planImport(const AddressBook& file, const platform::StringGrid& list, int room,
                      const TextConverters& converters);

}  // namespace address_book

#pragma once
// The texts that offer an import to the user, or say why there is none.
#include <string>

#include "contact.h"
#include "import_plan.h"

namespace address_book {

enum class OfferKind {
    Question,         // a Yes/No question: add the plan's people?
    NothingNew,       // every contact is left out
    BirthdaysUnread,  // nothing new, and birthdays the program could not read
    ListFull,         // new people, but the list has no room for any
    Unreadable,       // no format the program reads
    FileFault         // the file could not be opened or read
};

struct Offer {
    OfferKind kind;
    std::string text;  // lines apart by CR LF
};

// The name of a file after its last folder, as the boxes show it.
std::string fileNameOf(const std::string& path);

// `file` may be a path: only its name after the last folder is shown.
Offer offerOf(const AddressBook& book, const ImportPlan& plan, const std::string& file);

// A file the system could not open, or opened but could not read, with the
// system's words for why.
Offer notOpened(const std::string& file, const std::string& why);
Offer notRead(const std::string& file, const std::string& why);

}  // namespace address_book

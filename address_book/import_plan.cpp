#include "import_plan.h"

#include <unordered_set>

namespace address_book {

namespace {

// A person's key, first name and surname as one text, each behind its length
// so that no two different persons give the same text.
std::string identityOf(const std::string& key, const std::string& firstName,
                       const std::string& surname) {
    std::string identity;
    for (const std::string* text : {&key, &firstName, &surname})
        identity += std::to_string(text->size()) + ':' + *text;
    return identity;
}

std::string identityOf(const Cells& person) {
    return identityOf(person[book::colKey], person[book::colFirstName], person[book::colSurname]);
}

std::unordered_set<std::string> identitiesIn(const platform::StringGrid& list) {
    std::unordered_set<std::string> identities;
    for (int row = 1; row < list.rowCount(); ++row)
        if (book::holdsText(list, row))
            identities.insert(identityOf(list.cell(book::colKey, row),
                                         list.cell(book::colFirstName, row),
                                         list.cell(book::colSurname, row)));
    return identities;
}

}  // namespace

ImportPlan planImport(const AddressBook& file, const platform::StringGrid& list, int room,
                      const ToAnsi& toAnsi) {
    ImportPlan plan;
    std::unordered_set<std::string> known = identitiesIn(list);
    for (const Contact& contact : file.contacts) {
        if (!contact.birthday || !formsDate(*contact.birthday)) {
            ++plan.withoutBirthday;
            continue;
        }
        Cells person = personOf(contact, file.encoding, toAnsi);
        if (person[book::colFirstName].empty() && person[book::colSurname].empty()) {
            ++plan.withoutName;
            continue;
        }
        if (!known.insert(identityOf(person)).second) {
            ++plan.alreadyInList;
            continue;
        }
        ++plan.newPeople;
        if (static_cast<int>(plan.people.size()) < room) plan.people.push_back(std::move(person));
    }
    return plan;
}

}  // namespace address_book

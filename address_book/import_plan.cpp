#include "import_plan.h"

#include <unordered_map>
#include <unordered_set>

namespace address_book {

namespace {

// A person's key, first name and surname as one text, each behind its length
// so that no two different persons give the same text.
std::string identityOf(const std::string& key, const std::string& firstName,
                       const std::string& surname) {
    std::string identity;
    identity.reserve(key.size() + firstName.size() + surname.size() + 16);
    for (const std::string* text : {&key, &firstName, &surname}) {
        identity += std::to_string(text->size());
        identity += ':';
        identity += *text;
    }
    return identity;
}

std::string identityOf(const Cells& person) {
    return identityOf(person[book::colKey], person[book::colFirstName], person[book::colSurname]);
}

// How many people of the list have each identity.
std::unordered_map<std::string, int> identityCounts(const platform::StringGrid& list) {
    std::unordered_map<std::string, int> people;
    for (int row = 1; row < list.rowCount(); ++row)
        if (book::holdsText(list, row))
            ++people[identityOf(list.cell(book::colKey, row), list.cell(book::colFirstName, row),
                                list.cell(book::colSurname, row))];
    return people;
}

class Planner {
public:
    Planner(const AddressBook& file, const TextConverters& converters)
        : file_(file), converters_(converters) {}

    // The contact's texts in the ANSI code page; an empty text is not handed
    // over, as Windows' converters take no empty text.
    Contact inAnsi(const Contact& contact) const {
        if (file_.encoding == TextEncoding::Ansi) return contact;
        const auto ansi = [this](const std::string& text) {
            return text.empty() ? text : converters_.utf8ToAnsi(text);
        };
        const auto ansiOwn = [&](const std::optional<std::string>& text) {
            return text ? std::optional(ansi(*text)) : std::nullopt;
        };
        const OwnColumns& own = contact.own;
        return {ansi(contact.firstName),
                ansi(contact.surname),
                ansi(contact.email),
                ansi(contact.phone1),
                ansi(contact.phone2),
                contact.birthday,
                {ansiOwn(own.dayOfBirth), ansiOwn(own.action), ansiOwn(own.lead),
                 ansiOwn(own.reason), ansi(own.phone2)}};
    }

    // The name as the file spells it, cut as its cell is: read back from the
    // cell when the code page holds it, else as the file has it.
    std::string asTheFileSpellsIt(const std::string& name, const std::string& ansi,
                                  const std::string& cell) const {
        if (file_.encoding == TextEncoding::Ansi) return cell;
        const bool held = ansi == name || converters_.ansiToUtf8(ansi) == name;
        if (!held) return name;
        return cell == ansi ? name : converters_.ansiToUtf8(cell);
    }

private:
    const AddressBook& file_;
    const TextConverters& converters_;
};

}  // namespace

ImportPlan planImport(const AddressBook& file, const platform::StringGrid& list, int room,
                      const TextConverters& converters) {
    const Planner planner(file, converters);
    ImportPlan plan;
    std::unordered_map<std::string, int> inList = identityCounts(list);
    std::unordered_set<std::string> earlierInFile;
    for (const Contact& contact : file.contacts) {
        if (!contact.birthday || !formsDate(*contact.birthday)) {
            ++plan.withoutBirthday;
            continue;
        }
        const Contact ansi = planner.inAnsi(contact);
        Cells person = personOf(ansi);
        const std::string& firstName = person[book::colFirstName];
        const std::string& surname = person[book::colSurname];
        if (firstName.empty() && surname.empty()) {
            ++plan.withoutName;
            continue;
        }
        const std::string asSpelled =
            identityOf(person[book::colKey],
                       planner.asTheFileSpellsIt(contact.firstName, ansi.firstName, firstName),
                       planner.asTheFileSpellsIt(contact.surname, ansi.surname, surname));
        if (!earlierInFile.insert(asSpelled).second) {
            ++plan.alreadyInList;
            continue;
        }
        if (const auto found = inList.find(identityOf(person));
            found != inList.end() && found->second > 0) {
            --found->second;
            ++plan.alreadyInList;
            continue;
        }
        ++plan.newPeople;
        if (static_cast<int>(plan.people.size()) < room) plan.people.push_back(std::move(person));
    }
    return plan;
}

}  // namespace address_book

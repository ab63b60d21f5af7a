#include "import_plan.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "book/text.h"
#include "identity_set.h"
#include "text_encoding.h"

namespace address_book {

namespace {

// Texts as one text, each trimmed and behind its length so that no two
// different lists of texts give the same text. Trimmed, because older
// contact files hold names with blanks at their ends, which the import never
// makes.
std::string identityOf(std::initializer_list<std::string_view> texts) {
    std::string identity;
    for (std::string_view text : texts) {
        const std::string_view kept = book::withoutBlanks(text);
        identity += std::to_string(kept.size());
        identity += ':';
        identity += kept;
    }
    return identity;
}

// A person is its key, first name and surname.
std::string identityOf(std::string_view key, std::string_view firstName, std::string_view surname) {
    return identityOf({key, firstName, surname});
}

std::string identityOf(const Cells& person) {
    return identityOf(person[book::colKey], person[book::colFirstName], person[book::colSurname]);
}

// A row of the list is its ten cells: the editor allows two rows of one
// person, as two reminders of one birthday.
template <class CellOf>
std::string rowIdentityOf(CellOf cell) {
    return identityOf(
        {cell(0), cell(1), cell(2), cell(3), cell(4), cell(5), cell(6), cell(7), cell(8), cell(9)});
}

using IdentityCounts = std::unordered_map<std::string, int>;

// How many people, or rows, of the list have each identity.
IdentityCounts identityCounts(const platform::StringGrid& list, bool ofRows) {
    IdentityCounts counts;
    for (int row = 1; row < list.rowCount(); ++row) {
        if (!book::holdsText(list, row)) continue;
        const auto cell = [&](int col) -> std::string_view { return list.cell(col, row); };
        ++counts[ofRows ? rowIdentityOf(cell)
                        : identityOf(cell(book::colKey), cell(book::colFirstName),
                                     cell(book::colSurname))];
    }
    return counts;
}

// Counts one of the identity, when the list has one left.
bool takenFrom(IdentityCounts& counts, const std::string& identity) {
    const auto found = counts.find(identity);
    if (found == counts.end() || found->second == 0) return false;
    --found->second;
    return true;
}

// Counts one of the person's identity, when the list has one left.
bool takenFromList(IdentityCounts& inList, const Cells& person) {
    return !inList.empty() && takenFrom(inList, identityOf(person));
}

bool isAllAscii(const Contact& contact) {
    const OwnColumns& own = contact.own;
    for (const std::string* text : {&contact.firstName, &contact.surname, &contact.email,
                                    &contact.phone1, &contact.phone2, &own.phone2})
        if (!isAscii(*text)) return false;
    for (const std::optional<std::string>* text :
         {&own.dayOfBirth, &own.action, &own.lead, &own.reason, &own.key, &own.exactFirstName,
          &own.exactSurname, &own.exactEmail, &own.exactPhone1, &own.exactPhone2})
        if (*text && !isAscii(**text)) return false;
    return true;
}

class Planner {
public:
    Planner(const AddressBook& file, const TextConverters& converters)
        : file_(file), converters_(converters) {}

    std::string inUtf8(const std::string& text) const {
        return file_.encoding == TextEncoding::Ansi ? converters_.ansiToUtf8(text) : text;
    }

    // The contact's texts in the ANSI code page: the contact itself when they
    // are already, else `ansi` made of it. ASCII, which every ANSI code page
    // holds as it is, and an empty text, which Windows' converters do not
    // take, are not handed over.
    const Contact& inAnsi(const Contact& contact, Contact& ansi) const {
        if (file_.encoding == TextEncoding::Ansi || isAllAscii(contact)) return contact;
        ansi = contact;
        const auto convert = [this](std::string& text) {
            if (!isAscii(text)) text = converters_.utf8ToAnsi(text);
        };
        for (std::string* text :
             {&ansi.firstName, &ansi.surname, &ansi.email, &ansi.phone1, &ansi.phone2})
            convert(*text);
        OwnColumns& own = ansi.own;
        convert(own.phone2);
        for (std::optional<std::string>* text :
             {&own.dayOfBirth, &own.action, &own.lead, &own.reason, &own.key, &own.exactFirstName,
              &own.exactSurname, &own.exactEmail, &own.exactPhone1, &own.exactPhone2})
            if (*text) convert(**text);
        return ansi;
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

// A contact with a birthday that forms a date comes in, and so does a row
// of Festorin's own export whose key stands, whatever it holds.
bool comesIn(const Contact& contact) {
    return (contact.birthday && formsDate(*contact.birthday)) || keepsOwnKey(contact);
}

// A row without any text is no one's: the list keeps none.
bool holdsText(const Cells& person) {
    return std::any_of(person.begin(), person.end(),
                       [](const std::string& cell) { return !cell.empty(); });
}

// The person a contact that comes in makes, with its identity as the file
// spells the names; none for a contact without a name, unless it is a row
// of Festorin's own export that holds some text. A person the list has no
// room for is only told apart: it gets only the cells of its identity.
struct Candidate {
    Cells person;
    std::string asSpelled;
};

std::optional<Candidate> candidateOf(const Contact& contact, const Planner& planner,
                                     bool whole = true) {
    Contact converted;
    const Contact& ansi = planner.inAnsi(contact, converted);
    Cells person = whole ? personOf(ansi) : identityCellsOf(ansi);
    const std::string& firstName = person[book::colFirstName];
    const std::string& surname = person[book::colSurname];
    if (firstName.empty() && surname.empty() && !(isOwnRow(contact) && holdsText(person)))
        return std::nullopt;
    std::string asSpelled =
        identityOf(person[book::colKey],
                   planner.asTheFileSpellsIt(firstNameOf(contact), firstNameOf(ansi), firstName),
                   planner.asTheFileSpellsIt(surnameOf(contact), surnameOf(ansi), surname));
    return Candidate{std::move(person), std::move(asSpelled)};
}

// Festorin's own rows of a file, matched first, wherever they stand: one the
// list holds is that row's person there, whom no other card can stand for;
// another card of a person they bring adds nothing beside them.
struct OwnRow {
    std::optional<Candidate> candidate;
    bool isNew = false;
};

struct OwnRows {
    std::vector<OwnRow> comingIn;  // in file order
    std::unordered_set<std::string> people;
};

OwnRows ownRowsOf(const AddressBook& file, const Planner& planner, const platform::StringGrid& list,
                  IdentityCounts& inList) {
    OwnRows own;
    if (!file.contacts.anyWithOwnColumns()) return own;
    std::optional<IdentityCounts> rowsInList;
    for (const Contact& contact : file.contacts) {
        if (!isOwnRow(contact) || !comesIn(contact)) continue;
        OwnRow& row = own.comingIn.emplace_back(OwnRow{candidateOf(contact, planner)});
        if (!row.candidate) continue;
        own.people.insert(row.candidate->asSpelled);
        if (!rowsInList) rowsInList = identityCounts(list, true);
        const Cells& person = row.candidate->person;
        const auto cell = [&](int col) -> std::string_view { return person[col]; };
        if (takenFrom(*rowsInList, rowIdentityOf(cell)))
            takenFromList(inList, person);
        else
            row.isNew = true;
    }
    return own;
}

// The box names the first birthday it could not read, and no more of it than
// a line shows.
constexpr std::size_t longestUnreadShown = 40;

void countWithoutBirthday(const Contact& contact, const Planner& planner, ImportPlan& plan) {
    if (contact.unreadBirthday.empty()) {
        ++plan.withoutBirthday;
        return;
    }
    if (plan.unreadBirthday++ == 0)
        plan.firstUnreadBirthday =
            std::string(cutAtCharacter(planner.inUtf8(contact.unreadBirthday), longestUnreadShown));
}

// The plan, made one contact after the other in file order.
class PlanMaker {
public:
    PlanMaker(const AddressBook& file, const platform::StringGrid& list, int room,
              const TextConverters& converters)
        : planner_(file, converters),
          room_(room),
          inList_(identityCounts(list, false)),
          own_(ownRowsOf(file, planner_, list, inList_)) {
        earlierInFile_.reserve(file.contacts.size());
        plan_.people.reserve(
            std::min(file.contacts.size(), static_cast<std::size_t>(std::max(room, 0))));
    }

    // Contacts are taken in small batches whose slots in the names already
    // seen are fetched ahead, so that their memory is waited for once a batch
    // rather than once a contact.
    ImportPlan take(const ContactList& contacts) {
        for (auto next = contacts.begin(); next != contacts.end();) {
            std::size_t count = 0;
            const bool hasRoom = static_cast<int>(plan_.people.size()) < room_;
            for (; count < batch_.size() && next != contacts.end(); ++count, ++next)
                prepare(*next, hasRoom, batch_[count]);
            for (std::size_t i = 0; i < count; ++i) plan(batch_[i]);
        }
        return std::move(plan_);
    }

private:
    struct Step {
        Contact contact;
        bool comesIn = false;
        bool ownRow = false;
        OwnRow row;
    };

    // A person is built whole only while the list has room at the batch's
    // start: later ones in it can only find less.
    void prepare(Contact contact, bool hasRoom, Step& step) {
        step.comesIn = comesIn(contact);
        step.ownRow = step.comesIn && isOwnRow(contact);
        if (step.ownRow)
            step.row = std::move(own_.comingIn[ownAt_++]);
        else if (step.comesIn)
            step.row = OwnRow{candidateOf(contact, planner_, hasRoom)};
        if (step.comesIn && !step.ownRow && step.row.candidate)
            earlierInFile_.prefetch(step.row.candidate->asSpelled);
        step.contact = std::move(contact);
    }

    void plan(Step& step) {
        if (!step.comesIn) {
            countWithoutBirthday(step.contact, planner_, plan_);
            return;
        }
        std::optional<Candidate>& candidate = step.row.candidate;
        if (!candidate) {
            ++plan_.withoutName;
            return;
        }
        const bool isNew = step.ownRow ? step.row.isNew
                                       : !own_.people.contains(candidate->asSpelled) &&
                                             earlierInFile_.insert(candidate->asSpelled) &&
                                             !takenFromList(inList_, candidate->person);
        if (!isNew) {
            ++plan_.alreadyInList;
            return;
        }
        ++plan_.newPeople;
        if (static_cast<int>(plan_.people.size()) < room_)
            plan_.people.push_back(std::move(candidate->person));
    }

    const Planner planner_;
    const int room_;
    IdentityCounts inList_;
    OwnRows own_;
    std::size_t ownAt_ = 0;
    IdentitySet earlierInFile_;
    ImportPlan plan_;
    std::array<Step, 16> batch_;
};

}  // namespace

ImportPlan planImport(const AddressBook& file, const platform::StringGrid& list, int room,
                      const TextConverters& converters) {
    return PlanMaker(file, list, room, converters).take(file.contacts);
}

}  // namespace address_book

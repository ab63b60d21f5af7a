#include "offer.h"

#include "book/contact_table.h"
#include "book/text.h"

namespace address_book {

namespace {

// Why contacts are left out; one without a name is rare enough to be named
// only when there is one.
std::string leftOutLine(const ImportPlan& plan) {
    std::string line = "Left out: " + std::to_string(plan.withoutBirthday) +
                       " without a birthday, " + std::to_string(plan.alreadyInList) +
                       " already in the list";
    if (plan.withoutName > 0) line += ", " + std::to_string(plan.withoutName) + " without a name";
    return line + ".";
}

std::string listLimit() {
    return "the list holds " + std::to_string(book::maxPeople) + " people at most.";
}

// The lines of what is left out, each only when it counts someone.
std::string leftOutLines(const ImportPlan& plan) {
    std::string lines;
    if (plan.withoutBirthday + plan.alreadyInList + plan.withoutName > 0)
        lines += "\r\n" + leftOutLine(plan);
    if (plan.unreadBirthday > 0)
        lines += "\r\nLeft out: " + std::to_string(plan.unreadBirthday) +
                 " whose birthday Festorin could not read (first: \"" + plan.firstUnreadBirthday +
                 "\")";
    return lines;
}

std::string question(const ImportPlan& plan, const std::string& name) {
    const int fit = static_cast<int>(plan.people.size());
    std::string text = "Add " + book::peopleCount(fit) + " from " + name + "?" + leftOutLines(plan);
    if (!plan.allFit()) text += "\r\nOnly " + std::to_string(fit) + " fit: " + listLimit();
    return text;
}

}  // namespace

std::string fileNameOf(const std::string& path) {
    return path.substr(path.find_last_of("\\/") + 1);
}

Offer offerOf(const AddressBook& book, const ImportPlan& plan, const std::string& file) {
    const std::string name = fileNameOf(file);
    if (book.format == FileFormat::None)
        return {OfferKind::Unreadable, name + " holds no contacts that Festorin can read."};
    if (plan.newPeople == 0 && plan.unreadBirthday > 0)
        return {OfferKind::BirthdaysUnread,
                "No new birthday that Festorin could read in " + name + "." + leftOutLines(plan)};
    if (plan.newPeople == 0) return {OfferKind::NothingNew, "No new birthday in " + name + "."};
    if (plan.people.empty())
        return {OfferKind::ListFull, "No room for " + book::peopleCount(plan.newPeople) + " from " +
                                         name + ": " + listLimit()};
    return {OfferKind::Question, question(plan, name)};
}

Offer notOpened(const std::string& file, const std::string& why) {
    return {OfferKind::FileFault, fileNameOf(file) + " could not be opened: " + why};
}

Offer notRead(const std::string& file, const std::string& why) {
    return {OfferKind::FileFault, fileNameOf(file) + " could not be read: " + why};
}

}  // namespace address_book

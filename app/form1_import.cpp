// Address books taken in: files dropped on the window, named on the command
// line, or handed over by a second run of Festorin, each offered in turn.
#include "address_book/address_book.h"
#include "address_book/import_plan.h"
#include "address_book/offer.h"
#include "address_book/people_list.h"
#include "app/form1.h"
#include "app/system_converters.h"
#include "platform/application.h"
#include "platform/atomic_file.h"
#include "platform/message_box.h"

namespace {

// A larger file is no address book a person keeps; it is not read at all.
constexpr std::int64_t largestAddressBook = 64 * 1024 * 1024;

address_book::DateOrder usersDateOrder() {
    switch (platform::shortDateOrder()) {
        case platform::ShortDateOrder::DayMonthYear:
            return address_book::DateOrder::DayMonthYear;
        case platform::ShortDateOrder::YearMonthDay:
            return address_book::DateOrder::YearMonthDay;
        default:
            return address_book::DateOrder::MonthDayYear;
    }
}

address_book::AddressBook readAddressBookFile(const std::string& path) {
    std::string bytes;
    if (!platform::readSmallFile(path, bytes, largestAddressBook)) return {};
    return address_book::readAddressBook(bytes, usersDateOrder(), systemConverters());
}

bool asked(const std::string& question) {
    return platform::messageBox(question, TForm1::caption, platform::MbIcon::Question,
                                platform::MbButtons::YesNo) == platform::MbResult::Yes;
}

void tell(const std::string& text, platform::MbIcon icon) {
    platform::messageBox(text, TForm1::caption, icon, platform::MbButtons::Ok);
}

}  // namespace

void TForm1::wireImport() {
    acceptsDroppedFiles = true;
    onFilesDropped = [this](const std::vector<std::string>& paths) { offerAddressBooks(paths); };
}

// Offered from the message loop, once start-up has read the list: never
// inside the drop or the hand-over that brought them.
void TForm1::offerAddressBooks(const std::vector<std::string>& paths) {
    if (paths.empty()) return;
    if (!startedUp_) {
        waitingAddressBooks_.insert(waitingAddressBooks_.end(), paths.begin(), paths.end());
        return;
    }
    platform::application::later([this, paths] {
        for (const std::string& path : paths) importAddressBook(path);
    });
}

void TForm1::offerWaitingAddressBooks() {
    std::vector<std::string> waiting;
    waiting.swap(waitingAddressBooks_);
    offerAddressBooks(waiting);
}

void TForm1::importAddressBook(const std::string& path) {
    const address_book::AddressBook book = readAddressBookFile(path);
    const address_book::ImportPlan plan =
        address_book::planImport(book, gr1, address_book::roomLeft(gr1), systemConverters());
    const address_book::Offer offer = address_book::offerOf(book, plan, path);
    switch (offer.kind) {
        case address_book::OfferKind::Question:
            if (asked(offer.text)) addImportedPeople(plan.people);
            break;
        case address_book::OfferKind::NothingNew:
            tell(offer.text, platform::MbIcon::Information);
            break;
        default:
            tell(offer.text, platform::MbIcon::Exclamation);
            break;
    }
}

// As after Ok: sorted once, Modify and Delete at hand, saved once; an open
// entry panel keeps its person and its place on the screen.
void TForm1::addImportedPeople(const std::vector<address_book::Cells>& people) {
    address_book::appendPeople(gr1, people);
    followSort(trier());
    if (mode_saisie == panelClosed) {
        b_modifier.show();
        b_supprimer.show();
    }
    saveChanges();
}

// Address books taken in: files dropped on the window, named on the command
// line, or handed over by a second run of Festorin, each offered in turn.
#include <optional>

#include "address_book/address_book.h"
#include "address_book/import_plan.h"
#include "address_book/offer.h"
#include "address_book/people_list.h"
#include "app/main_window.h"
#include "app/system_converters.h"
#include "platform/application.h"
#include "platform/code_pages.h"
#include "platform/dispatch.h"
#include "platform/file_pieces.h"
#include "platform/message_box.h"

namespace {

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

// A file the system would not open or read is told so in the system's
// words (ANSI, brought to the offer's UTF-8): it may hold contacts all the
// same.
std::optional<address_book::Offer> readingFault(const platform::FileReading& reading,
                                                const std::string& utf8Path) {
    switch (reading.outcome) {
        case platform::FileReading::Outcome::NotOpened:
            return address_book::notOpened(utf8Path, platform::ansiToUtf8(reading.why));
        case platform::FileReading::Outcome::NotRead:
            return address_book::notRead(utf8Path, platform::ansiToUtf8(reading.why));
        default:
            return std::nullopt;
    }
}

// Read in one pass, a piece at a time, so that a file of any size fits; the
// file is closed before any box opens.
address_book::AddressBook readAddressBookFile(const std::string& utf8Path,
                                              platform::FileReading& reading) {
    platform::FilePieces file(utf8Path);
    address_book::AddressBook book = address_book::readAddressBook(
        [&file] { return file.next(); }, usersDateOrder(), systemConverters());
    reading = file.reading();
    return book;
}

// An offer is worded with the file's name from its UTF-8 path; the box shows
// it as the system shows such a name, in the ANSI code page with "?" for a
// character the code page lacks.
bool asked(const std::string& utf8Question) {
    return platform::messageBox(platform::utf8ToAnsi(utf8Question), MainWindow::caption,
                                platform::MbIcon::Question,
                                platform::MbButtons::YesNo) == platform::MbResult::Yes;
}

void tell(const std::string& utf8Text, platform::MbIcon icon) {
    platform::messageBox(platform::utf8ToAnsi(utf8Text), MainWindow::caption, icon,
                         platform::MbButtons::Ok);
}

}  // namespace

void MainWindow::wireImport() {
    acceptsDroppedFiles = true;
    onFilesDropped = [this](const std::vector<std::string>& utf8Paths) {
        offerAddressBooks(utf8Paths);
    };
}

void MainWindow::offerAddressBooks(const std::vector<std::string>& utf8Paths) {
    waitingAddressBooks_.insert(waitingAddressBooks_.end(), utf8Paths.begin(), utf8Paths.end());
    offerWaitingAddressBooks();
}

// Offered from the message loop, once start-up has read the list: never
// inside the drop or the hand-over that brought them, and never inside
// another address book's question, whose box keeps the loop running.
void MainWindow::offerWaitingAddressBooks() {
    if (!startedUp_ || offeringAddressBooks_ || waitingAddressBooks_.empty()) return;
    offeringAddressBooks_ = true;
    platform::application::later([this] { offerEachWaitingAddressBook(); });
}

// Each file on its own: one that fails is reported, and the next is still
// offered, planned against the list as it stands then.
void MainWindow::offerEachWaitingAddressBook() {
    while (!waitingAddressBooks_.empty() && !destroyed()) {
        const std::string utf8Path = std::move(waitingAddressBooks_.front());
        waitingAddressBooks_.pop_front();
        platform::dispatch([&] { importAddressBook(utf8Path); });
    }
    offeringAddressBooks_ = false;
}

void MainWindow::importAddressBook(const std::string& utf8Path) {
    platform::FileReading reading;
    const address_book::AddressBook book = readAddressBookFile(utf8Path, reading);
    if (const std::optional<address_book::Offer> fault = readingFault(reading, utf8Path)) {
        tell(fault->text, platform::MbIcon::Exclamation);
        return;
    }
    const address_book::ImportPlan plan = address_book::planImport(
        book, peopleGrid, address_book::roomLeft(peopleGrid), systemConverters());
    const address_book::Offer offer = address_book::offerOf(book, plan, utf8Path);
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
void MainWindow::addImportedPeople(const std::vector<address_book::Cells>& people) {
    const int added = address_book::appendPeople(peopleGrid, people);
    recordChange(book::importOf({people.begin(), people.begin() + added}));
    followSort(sortPeople());
    if (entryMode == panelClosed) {
        modifyButton.show();
        deleteButton.show();
    }
    saveChanges();
}

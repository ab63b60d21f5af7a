// Any bytes as a vCard file: the cards come out as valid UTF-8 texts, and
// their import keeps every rule of the plan (see import_checks.h), with room
// for all, for none or for a few. Whatever the bytes leave open (a card
// without END:VCARD, a soft line break, an AGENT), a card after them is a
// contact of its own.
#include <cstdint>
#include <string>
#include <string_view>

#include "address_book/vcard_reader.h"
#include "import_checks.h"

namespace {

void checkCardAfter(std::string_view bytes, const address_book::ContactList& read) {
    const std::string probed = std::string(bytes) +
                               "\r\nX-ONE:\r\nX-TWO:\r\nBEGIN:VCARD\r\nN:Probe;Fuzz\r\n"
                               "BDAY:--0229\r\nEND:VCARD\r\n";
    const address_book::ContactList withCard =
        address_book::readVCards(probed, address_book::DateOrder::DayMonthYear, systemConverters());
    fuzz::require(withCard.size() == read.size() + 1);
    fuzz::require(withCard.back() == address_book::Contact{"Fuzz", "Probe", "", "", "",
                                                           address_book::MonthDay{2, 29}});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const address_book::AddressBook file{
        address_book::FileFormat::VCard, address_book::TextEncoding::Utf8,
        address_book::readVCards(bytes, address_book::DateOrder::DayMonthYear, systemConverters())};
    fuzz::checkContacts(file);
    checkCardAfter(bytes, file.contacts);
    for (int room : {book::maxPeople, 0, static_cast<int>(size % 4)}) fuzz::checkPlan(file, room);
    return 0;
}

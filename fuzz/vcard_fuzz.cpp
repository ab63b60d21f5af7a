// Any bytes as a vCard file: the cards come out as valid UTF-8 texts, and
// their import keeps every rule of the plan (see import_checks.h), with room
// for all, for none or for a few.
#include <cstdint>
#include <string_view>

#include "address_book/vcard_reader.h"
#include "import_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const address_book::AddressBook file{address_book::FileFormat::VCard,
                                         address_book::TextEncoding::Utf8,
                                         address_book::readVCards(bytes)};
    fuzz::checkContacts(file);
    for (int room : {book::maxPeople, 0, static_cast<int>(size % 4)}) fuzz::checkPlan(file, room);
    return 0;
}

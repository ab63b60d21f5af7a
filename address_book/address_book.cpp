#include "address_book.h"

#include "csv_reader.h"
#include "vcard_reader.h"

namespace address_book {

AddressBook readAddressBook(std::string_view bytes, DateOrder order,
                            const TextConverters& converters) {
    if (holdsVCard(bytes))
        return {FileFormat::VCard, TextEncoding::Utf8, readVCards(bytes, converters)};
    if (auto csv = readCsv(bytes, order))
        return {FileFormat::Csv, csv->encoding, std::move(csv->contacts)};
    return {};
}

}  // namespace address_book

#include "address_book.h"

#include "csv_reader.h"
#include "text_encoding.h"
#include "vcard_reader.h"

namespace address_book {

AddressBook readAddressBook(std::string_view bytes, DateOrder order,
                            const TextConverters& converters) {
    std::string converted;
    const std::string_view text = inReadersForm(bytes, converted);
    if (holdsVCard(text))
        return {FileFormat::VCard, TextEncoding::Utf8, readVCards(text, order, converters)};
    if (auto csv = readCsv(text, order, converters))
        return {FileFormat::Csv, csv->encoding, std::move(csv->contacts)};
    return {};
}

}  // namespace address_book

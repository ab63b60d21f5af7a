#include "address_book.h"

#include "csv_reader.h"
#include "readers_text.h"
#include "vcard_reader.h"

namespace address_book {

namespace {

// The format is told from the text's start; the contacts are read as the
// rest comes.
AddressBook readAddressBook(ReadersText& text, DateOrder order, const TextConverters& converters) {
    TextCursor cursor([&text] { return text.next(); });
    if (holdsVCard(text.start()))
        return {FileFormat::VCard, TextEncoding::Utf8, readVCards(cursor, order, converters)};
    if (auto csv = readCsv(text.start(), text.startIsWhole(), cursor, order, converters))
        return {FileFormat::Csv, csv->encoding, std::move(csv->contacts)};
    return {};
}

}  // namespace

AddressBook readAddressBook(std::string_view bytes, DateOrder order,
                            const TextConverters& converters) {
    ReadersText text(bytes);
    return readAddressBook(text, order, converters);
}

AddressBook readAddressBook(const BytePieces& pieces, DateOrder order,
                            const TextConverters& converters) {
    ReadersText text(pieces);
    return readAddressBook(text, order, converters);
}

}  // namespace address_book

// Any bytes as a CSV file, brought to the readers' form: a file whose text is
// UTF-8 is read as UTF-8, each contact stands on a line of its own, and the
// import keeps every rule of the plan (see import_checks.h). The size chooses
// the regional date order, so that the seeds stay real files.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "address_book/csv_reader.h"
#include "address_book/text_encoding.h"
#include "app/system_converters.h"
#include "import_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto order = static_cast<address_book::DateOrder>(size % 3);
    std::string converted;
    const std::string_view text = address_book::inReadersForm(bytes, converted);
    const auto csv = address_book::readCsv(text, order, systemConverters());
    if (!csv) return 0;
    if (address_book::isUtf8(text))
        fuzz::require(csv->encoding == address_book::TextEncoding::Utf8);
    const auto lineEnds =
        std::count_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; });
    fuzz::require(static_cast<long>(csv->contacts.size()) <= lineEnds);

    const address_book::AddressBook file{address_book::FileFormat::Csv, csv->encoding,
                                         csv->contacts};
    fuzz::checkContacts(file);
    for (int room : {book::maxPeople, static_cast<int>(size % 4)}) fuzz::checkPlan(file, room);
    return 0;
}

// Any bytes as a CSV file: a file read is UTF-8 exactly when its bytes after a
// byte-order mark are, each contact stands on a line of its own, and the
// import keeps every rule of the plan (see import_checks.h). The size chooses
// the regional date order, so that the seeds stay real files.
#include <algorithm>
#include <cstdint>
#include <string_view>

#include "address_book/csv_reader.h"
#include "import_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto order = static_cast<address_book::DateOrder>(size % 3);
    const auto csv = address_book::readCsv(bytes, order);
    if (!csv) return 0;
    const bool utf8 = address_book::isUtf8(address_book::withoutByteOrderMark(bytes));
    fuzz::require((csv->encoding == address_book::TextEncoding::Utf8) == utf8);
    const auto lineEnds =
        std::count_if(bytes.begin(), bytes.end(), [](char c) { return c == '\r' || c == '\n'; });
    fuzz::require(static_cast<long>(csv->contacts.size()) <= lineEnds);

    const address_book::AddressBook file{address_book::FileFormat::Csv, csv->encoding,
                                         csv->contacts};
    fuzz::checkContacts(file);
    for (int room : {book::maxPeople, static_cast<int>(size % 4)}) fuzz::checkPlan(file, room);
    return 0;
}

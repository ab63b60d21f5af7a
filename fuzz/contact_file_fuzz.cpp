// Any bytes as a contact file: the reader never reads past a field, and the
// people it reads are written and read back unchanged.
#include <cstdlib>

#include "book/contact_file.h"
#include "book/contact_table.h"
#include "book/fiche.h"
#include "fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    platform::StringGrid first(nullptr, book::columnCount);
    const auto read = book::readContactFile(fuzz::fileWith(data, size, "dates.txt"), first);
    if (!read.complete || read.people != static_cast<int>(size / book::TFiche::size)) std::abort();

    const std::string copy = fuzz::fileWith(nullptr, 0, "copy.txt");
    book::writeContactFile(copy, first);
    platform::StringGrid second(nullptr, book::columnCount);
    book::readContactFile(copy, second);
    int secondRow = 0;
    for (int row = 1; row < first.rowCount(); ++row) {
        if (!book::hasKey(first, row)) continue;  // the writer leaves out rows without a key
        ++secondRow;
        for (int col = 0; col < book::columnCount; ++col)
            if (first.cell(col, row) != second.cell(col, secondRow)) std::abort();
    }
    return 0;
}

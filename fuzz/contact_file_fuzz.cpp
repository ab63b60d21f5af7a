// Any bytes as a contact file: the reader never reads past a field, it reads
// every whole record, and the people it reads are written and read back
// unchanged; only rows without a key may be left out of the file.
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "book/contact_file.h"
#include "book/contact_record.h"
#include "book/contact_table.h"
#include "fuzz_file.h"

namespace {

bool sameRow(const platform::StringGrid& a, int rowA, const platform::StringGrid& b, int rowB) {
    for (int col = 0; col < book::columnCount; ++col)
        if (a.cell(col, rowA) != b.cell(col, rowB)) return false;
    return true;
}

// The written rows are the read ones in their order; the writer leaves out
// only rows without any text (the placeholder of an empty table among them).
void expectWrittenInOrder(const platform::StringGrid& read, const platform::StringGrid& written,
                          int writtenPeople) {
    int next = 1;
    for (int row = 1; row < read.rowCount(); ++row) {
        if (next <= writtenPeople && sameRow(read, row, written, next)) {
            ++next;
        } else if (book::holdsText(read, row)) {
            std::abort();
        }
    }
    if (next != writtenPeople + 1) std::abort();
}

std::string bytesOf(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    platform::StringGrid first(nullptr, book::columnCount);
    const auto read = book::readContactFile(fuzz::fileWith(data, size, "dates.txt"), first);
    if (!read.complete || read.people != static_cast<int>(size / book::ContactRecord::size))
        std::abort();

    const std::string copy = fuzz::dataFolder() + "copy.txt";
    book::writeContactFile(copy, first);
    platform::StringGrid second(nullptr, book::columnCount);
    const auto reread = book::readContactFile(copy, second);
    expectWrittenInOrder(first, second, reread.people);

    // Written again, the people read back make the same bytes.
    const std::string again = fuzz::dataFolder() + "again.txt";
    book::writeContactFile(again, second);
    if (bytesOf(again) != bytesOf(copy)) std::abort();
    return 0;
}

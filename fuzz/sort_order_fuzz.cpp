// Any bytes as a sort-order file: an order from 0 to 3, which is written and
// read back unchanged, or the error that names the first line.
#include <cstdlib>
#include <string>

#include "book/sort_order_file.h"
#include "fuzz_file.h"
#include "platform/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzz::fileWith(data, size, book::sortOrderFileName);
    int order = book::orderByDate;
    try {
        order = book::readSortOrder(path);
    } catch (const platform::ConversionError& error) {
        const std::string content(reinterpret_cast<const char*>(data), size);
        // The box shows the message as a C string, so up to a NUL in the line.
        const std::string shown =
            content.substr(0, content.find_first_of(std::string("\r\n\0", 3)));
        if (std::string(error.what()).find(shown) == std::string::npos) std::abort();
        return 0;
    }
    if (order < 0 || order >= book::orderCount) std::abort();

    book::writeSortOrder(path, order);
    if (book::readSortOrder(path) != order) std::abort();
    return 0;
}

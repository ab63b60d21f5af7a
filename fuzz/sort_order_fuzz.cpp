// Any sort-order file: an order from 0 to 3, or the error that names the line.
#include <cstdlib>

#include "book/sort_order_file.h"
#include "fuzz_file.h"
#include "platform/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const int order = book::readSortOrder(fuzz::fileWith(data, size, "ordre_tri.txt"));
        if (order < 0 || order >= book::orderCount) std::abort();
    } catch (const platform::ConversionError&) {
    }
    return 0;
}

#include "sort_order_file.h"

#include "platform/atomic_file.h"
#include "platform/errors.h"

namespace book {

int readSortOrder(const std::string& path) {
    std::string line;
    if (!platform::readFirstLine(path, line)) return orderByDate;
    const int order = platform::toInt(line);
    return order >= 0 && order < orderCount ? order : orderByDate;
}

std::optional<int> sortOrderFromOutside(const std::string& path) {
    std::string line;
    if (!platform::readFirstLine(path, line)) return std::nullopt;
    try {
        const int order = platform::toInt(line);
        return order >= 0 && order < orderCount ? order : orderByDate;
    } catch (const platform::ConversionError&) {
        return std::nullopt;
    }
}

void writeSortOrder(const std::string& path, int order) {
    platform::writeFileAtomically(path, std::to_string(order) + "\r\n");
}

}  // namespace book

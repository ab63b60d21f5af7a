#include "sort_order_file.h"

#include "platform/atomic_file.h"
#include "platform/errors.h"
#include "platform/file_system.h"

namespace book {

int readSortOrder(const std::string& path) {
    std::string content;
    if (!platform::fs::fileExists(path) || !platform::readSmallFile(path, content))
        return orderByDate;
    const int order = platform::toInt(content.substr(0, content.find_first_of("\r\n")));
    return order >= 0 && order < orderCount ? order : orderByDate;
}

void writeSortOrder(const std::string& path, int order) {
    platform::writeFileAtomically(path, std::to_string(order) + "\r\n");
}

}  // namespace book

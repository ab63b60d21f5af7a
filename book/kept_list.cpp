#include "kept_list.h"

#include "contact_file.h"
#include "platform/atomic_file.h"

namespace book {

namespace {
const std::string lineEnd = "\r\n";
}

std::string keptListHeading(const std::string& folder) { return folder + lineEnd; }

void writeKeptList(const std::string& path, const std::string& folder,
                   const std::vector<PersonRow>& rows) {
    platform::writeFileAtomically(path, keptListHeading(folder) + recordsOf(rows));
}

std::optional<std::vector<PersonRow>> readKeptList(const std::string& path,
                                                   const std::string& folder) {
    std::string bytes;
    if (!platform::readSmallFile(path, bytes)) return std::nullopt;
    const std::string heading = keptListHeading(folder);
    if (bytes.compare(0, heading.size(), heading) != 0) return std::nullopt;
    return rowsOfRecords(bytes.substr(heading.size()));
}

}  // namespace book

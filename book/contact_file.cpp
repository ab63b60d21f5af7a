#include "contact_file.h"

#include <algorithm>
#include <vector>

#include "contact_record.h"
#include "contact_table.h"
#include "platform/atomic_file.h"
#include "platform/file_system.h"

namespace book {

namespace {

// Records read per call, so that a large file costs few system calls.
constexpr std::int64_t recordsPerChunk = 256;

void storeRecords(const std::vector<unsigned char>& chunk, std::int64_t count,
                  platform::StringGrid& grid, ContactFileRead& result) {
    for (std::int64_t i = 0; i < count; ++i) {
        ContactRecord record;
        std::copy_n(chunk.begin() + i * ContactRecord::size, ContactRecord::size,
                    record.bytes.begin());
        int row = result.people == 0 ? 1 : appendRow(grid);
        record.toRow(grid, row);
        ++result.people;
    }
}

void readRecords(platform::fs::Handle file, platform::StringGrid& grid, ContactFileRead& result) {
    std::int64_t length = platform::fs::size(file);
    if (length < 0) {
        result.complete = false;
        return;
    }
    std::int64_t remaining = length / static_cast<std::int64_t>(ContactRecord::size);
    std::vector<unsigned char> chunk;
    while (remaining > 0) {
        std::int64_t count = std::min(remaining, recordsPerChunk);
        chunk.resize(count * ContactRecord::size);
        if (!platform::fs::read(file, chunk.data(), chunk.size())) {
            result.complete = false;
            return;
        }
        storeRecords(chunk, count, grid, result);
        remaining -= count;
    }
}

}  // namespace

void writeContactFile(const std::string& path, const platform::StringGrid& grid) {
    std::string content;
    content.reserve(static_cast<std::size_t>(grid.rowCount()) * ContactRecord::size);
    for (int row = 1; row < grid.rowCount(); ++row) {
        if (!holdsText(grid, row)) continue;
        ContactRecord record = ContactRecord::fromRow(grid, row);
        content.append(reinterpret_cast<const char*>(record.bytes.data()), record.bytes.size());
    }
    platform::writeFileAtomically(path, content);
}

ContactFileRead readContactFile(const std::string& path, platform::StringGrid& grid) {
    ContactFileRead result;
    // Opened before anything else, so that a failed existence check can never
    // make a file full of people count as absent and be replaced.
    platform::fs::Handle file = platform::fs::openRead(path);
    if (file == platform::fs::invalidHandle) {
        if (platform::fs::fileExists(path)) {
            result.existed = true;
            result.complete = false;
        }
        return result;
    }
    result.existed = true;
    grid.beginUpdate();
    readRecords(file, grid, result);
    grid.endUpdate();
    platform::fs::close(file);
    return result;
}

}  // namespace book

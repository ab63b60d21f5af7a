#include "contact_file.h"

#include <algorithm>
#include <vector>

#include "contact_record.h"
#include "contact_table.h"
#include "content_hash.h"
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

// The tail shorter than a record is read too, but only for the file's hash.
void readRecords(platform::fs::Handle file, platform::StringGrid& grid, ContactFileRead& result) {
    std::int64_t length = platform::fs::size(file);
    if (length < 0) {
        result.complete = false;
        return;
    }
    result.stamp.size = length;
    std::int64_t remaining = length / static_cast<std::int64_t>(ContactRecord::size);
    const std::int64_t tail = length % static_cast<std::int64_t>(ContactRecord::size);
    ContentHash hash;
    std::vector<unsigned char> chunk;
    while (remaining > 0) {
        std::int64_t count = std::min(remaining, recordsPerChunk);
        chunk.resize(count * ContactRecord::size);
        if (!platform::fs::read(file, chunk.data(), chunk.size())) {
            result.complete = false;
            return;
        }
        hash.add(chunk.data(), chunk.size());
        storeRecords(chunk, count, grid, result);
        remaining -= count;
    }
    chunk.resize(static_cast<std::size_t>(tail));
    if (tail > 0 && !platform::fs::read(file, chunk.data(), chunk.size())) return;
    hash.add(chunk.data(), chunk.size());
    result.stamp.present = true;
    result.stamp.hash = hash.value();
}

// No person's record is all zeros: its birthday key always has a length.
bool holdsZeroRecord(const std::string& bytes) {
    for (std::size_t at = 0; at + ContactRecord::size <= bytes.size(); at += ContactRecord::size) {
        if (bytes[at] != '\0') continue;
        const auto record = bytes.begin() + static_cast<std::ptrdiff_t>(at);
        if (std::all_of(record, record + ContactRecord::size, [](char c) { return c == '\0'; }))
            return true;
    }
    return false;
}

}  // namespace

FileStamp writeContactFile(const std::string& path, const platform::StringGrid& grid) {
    std::string content;
    content.reserve(static_cast<std::size_t>(grid.rowCount()) * ContactRecord::size);
    for (int row = 1; row < grid.rowCount(); ++row) {
        if (!holdsText(grid, row)) continue;
        ContactRecord record = ContactRecord::fromRow(grid, row);
        content.append(reinterpret_cast<const char*>(record.bytes.data()), record.bytes.size());
    }
    platform::writeFileAtomically(path, content);
    return {true, static_cast<std::int64_t>(content.size()), platform::fs::lastWriteTime(path),
            contentHash(content)};
}

ContactFileRead readContactFile(const std::string& path, platform::StringGrid& grid) {
    ContactFileRead result;
    const std::int64_t writeTime = platform::fs::lastWriteTime(path);
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
    result.stamp.writeTime = writeTime;
    grid.beginUpdate();
    readRecords(file, grid, result);
    grid.endUpdate();
    platform::fs::close(file);
    return result;
}

ContactFileLook lookAtContactFile(const std::string& path) {
    using Found = ContactFileLook::Found;
    ContactFileLook look;
    look.stamp.writeTime = platform::fs::lastWriteTime(path);
    platform::fs::Handle file = platform::fs::openRead(path);
    if (file == platform::fs::invalidHandle) {
        const bool there = platform::fs::fileExists(path);
        look.found = there ? Found::Unread : Found::Missing;
        if (!there) look.stamp = {};
        return look;
    }
    look.found = Found::Unread;
    const std::int64_t length = platform::fs::size(file);
    if (length >= 0) {
        look.bytes.assign(static_cast<std::size_t>(length), '\0');
        if (platform::fs::read(file, look.bytes.data(), look.bytes.size())) {
            const bool whole = length % static_cast<std::int64_t>(ContactRecord::size) == 0;
            look.found = whole ? Found::Whole : Found::PartRecord;
            if (holdsZeroRecord(look.bytes)) look.found = Found::ZeroRecord;
            look.stamp = {true, length, look.stamp.writeTime, contentHash(look.bytes)};
        }
    }
    platform::fs::close(file);
    return look;
}

std::vector<PersonRow> rowsOfRecords(const std::string& bytes) {
    std::vector<PersonRow> rows;
    rows.reserve(bytes.size() / ContactRecord::size);
    ContactRecord record;
    for (std::size_t at = 0; at + ContactRecord::size <= bytes.size(); at += ContactRecord::size) {
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), ContactRecord::size,
                    record.bytes.begin());
        PersonRow& row = rows.emplace_back();
        for (std::size_t col = 0; col < row.size(); ++col) row[col] = record.field(col);
    }
    return rows;
}

std::string recordsOf(const std::vector<PersonRow>& rows) {
    std::string bytes;
    bytes.reserve(rows.size() * ContactRecord::size);
    for (const PersonRow& row : rows) {
        const ContactRecord record = ContactRecord::fromCells(row);
        bytes.append(reinterpret_cast<const char*>(record.bytes.data()), record.bytes.size());
    }
    return bytes;
}

}  // namespace book

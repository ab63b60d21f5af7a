#pragma once
// The contact file "dates.txt": ContactRecord records back to back, no header.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/string_grid.h"
#include "table_rows.h"

namespace book {

// The contact file as it was read or written, to notice a change made from
// outside: its bytes' hash tells apart a copy that kept size and time.
struct FileStamp {
    bool present = false;
    std::int64_t size = 0;
    std::int64_t writeTime = 0;
    std::uint64_t hash = 0;
    bool operator==(const FileStamp&) const = default;
};

// Replaces the file whole with one record per row that holds any text, in
// row order: only the empty placeholder row is left out. Throws
// platform::IoError; the old file is then untouched.
FileStamp writeContactFile(const std::string& path, const platform::StringGrid& grid);

struct ContactFileRead {
    bool existed = false;
    bool complete = true;  // every whole record was read
    int people = 0;
    FileStamp stamp;  // of a file read whole
};

// Fills a table in its initial state (two rows, row 1 empty) from the file.
// A tail shorter than a record is ignored. When the file cannot be opened or
// a read fails, the people read before stay and `complete` is false.
ContactFileRead readContactFile(const std::string& path, platform::StringGrid& grid);

// The file as it is now. Its stamp is known unless it was Unread. One that
// ends in part of a record may be taken, with its whole records, once it has
// settled; one that holds a record of zero bytes only is still being written
// (its length was set before its bytes came) and is never taken.
struct ContactFileLook {
    enum class Found { Missing, Whole, PartRecord, ZeroRecord, Unread };
    Found found = Found::Missing;
    FileStamp stamp;
    std::string bytes;

    bool holdsPeople() const { return found == Found::Whole || found == Found::PartRecord; }
};
ContactFileLook lookAtContactFile(const std::string& path);

// The contact file as this Festorin last read or wrote it: the base of a
// merge with the file changed from outside. No stamp when it was not read whole.
struct KnownContactFile {
    std::optional<FileStamp> stamp;
    std::vector<PersonRow> rows;

    bool unchanged(const ContactFileLook& look) const {
        return look.found != ContactFileLook::Found::Unread && stamp == look.stamp;
    }
};

// The people of a file's bytes, a record a row, and the other way round.
std::vector<PersonRow> rowsOfRecords(const std::string& bytes);
std::string recordsOf(const std::vector<PersonRow>& rows);

}  // namespace book

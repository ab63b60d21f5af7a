#pragma once
// The base of the merge for each data folder other than the standard one: the
// list as Festorin last read or wrote it there, kept in the standard folder
// as "dates.base" is, so that it outlives a restart and a move to another
// folder. Each folder has a file of its own, named by a hash of its path, so
// that one folder's base is written alone; the folders used last keep theirs.
// A base is known by the hash of the contact file it was taken from, and
// written only when that changes.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "contact_file.h"
#include "table_rows.h"

namespace book {

inline constexpr std::size_t keptFolderBases = 4;

class FolderBases {
public:
    FolderBases() = default;
    explicit FolderBases(std::string standard) : standard_(std::move(standard)) {}

    // Keeps the list `known` as the base of `folder`, the standard folder
    // excepted, when the base kept is another: the contact file's bytes
    // when given, as just read, else the list's records. Throws
    // platform::IoError.
    void keep(const std::string& folder, const KnownContactFile& known,
              const std::string* fileBytes = nullptr);
    // The base kept for `folder`; nothing when none is.
    std::optional<std::vector<PersonRow>> of(const std::string& folder) const;

private:
    std::string pathOf(const std::string& key) const;
    bool holds(const std::string& path, const std::string& key, std::uint64_t hash) const;
    void dropAllButTheLast(const std::string& kept) const;

    std::string standard_;
    // The file last written or found holding what would have been written,
    // and the hash of the contact file its list was taken from.
    std::string keptPath_;
    std::uint64_t keptHash_ = 0;
};

}  // namespace book

#pragma once
// The base of the merge for each data folder other than the standard one: the
// list as Festorin last read or wrote it there, kept in the standard folder
// as "dates.base" is, so that it outlives a restart and a move to another
// folder. Each folder has a file of its own, named by a hash of its path, so
// that a save rewrites one folder's base only; the folders used last keep theirs.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "table_rows.h"

namespace book {

inline constexpr std::size_t keptFolderBases = 4;

class FolderBases {
public:
    FolderBases() = default;
    explicit FolderBases(std::string standard) : standard_(std::move(standard)) {}

    // Keeps `rows` as the base of `folder`, the standard folder excepted,
    // writing its file only when that changes it. Throws platform::IoError.
    void keep(const std::string& folder, const std::vector<PersonRow>& rows);
    // The base kept for `folder`; nothing when none is.
    std::optional<std::vector<PersonRow>> of(const std::string& folder) const;

private:
    std::string pathOf(const std::string& key) const;
    bool holds(const std::string& path, std::uint64_t hash) const;
    void dropAllButTheLast(const std::string& kept) const;

    std::string standard_;
    // The file last written or found holding what would have been written.
    std::string keptPath_;
    std::uint64_t keptHash_ = 0;
};

}  // namespace book

#pragma once
// A list of people kept in the standard folder on behalf of a data folder,
// which may be a synced one: "dates.base", the list as Festorin last read or
// wrote it there, the base of a merge after a restart; and "dates.unsaved", a
// change that could not be saved before the program ended. The file names
// the folder it belongs to, so that another folder's list is never taken.
#include <optional>
#include <string>
#include <vector>

#include "table_rows.h"

namespace book {

inline constexpr const char* baseListFileName = "dates.base";
inline constexpr const char* unsavedListFileName = "dates.unsaved";
// The list the standard folder held when it began to stand in for a chosen
// folder that was missing.
inline constexpr const char* standInListFileName = "dates.standin";

// The folder's path and a CR LF, then the people's records. Throws
// platform::IoError.
void writeKeptList(const std::string& path, const std::string& folder,
                   const std::vector<PersonRow>& rows);

// The people kept for `folder`; nothing when the file is missing, cannot be
// read or belongs to another folder.
// What comes before the records.
std::string keptListHeading(const std::string& folder);

std::optional<std::vector<PersonRow>> readKeptList(const std::string& path,
                                                   const std::string& folder);

}  // namespace book

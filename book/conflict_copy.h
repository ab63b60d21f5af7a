#pragma once
// The copies of the contact file that a sync engine sets aside when two PCs
// saved at once ("dates (Ann's conflicted copy).txt", "dates-PC.txt",
// "dates.sync-conflict-....txt"), and their merge into the list.
#include <string>
#include <vector>

#include "row_merge.h"
#include "table_rows.h"

namespace book {

inline constexpr const char* mergedCopiesFolderName = "merged conflict copies";

// A name that starts with "dates" and ends with ".txt", and is not "dates.txt".
bool isConflictCopyName(const std::string& name);

// The copy is the other side of a three-way merge whose base is the list as
// this Festorin last knew it, less the rows the copy lacks: a copy made
// before this PC's last save would otherwise delete what that save added.
MergedRows mergeConflictCopy(const std::vector<PersonRow>& known,
                             const std::vector<PersonRow>& copy,
                             const std::vector<PersonRow>& ours);

// The rows of `merged` that `before` did not hold, as many times as they are
// new.
std::vector<PersonRow> rowsBroughtBack(const std::vector<PersonRow>& before,
                                       const std::vector<PersonRow>& merged);

}  // namespace book

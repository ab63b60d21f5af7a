#pragma once
// Two changed copies of one list of people made one again: the list as it
// was (the base), the list as the file now holds it and the list as this
// Festorin holds it. A row is its ten cells, and a row changed is the old
// row gone and the new one come: two rows may hold the same person.
#include <string>
#include <vector>

#include "table_rows.h"

namespace book {

struct MergedRows {
    // The file's rows that stay, in its order, then the rows added here.
    std::vector<PersonRow> rows;
    // One row for each person (key, first name and surname) of whom both
    // sides brought a different new row, both kept.
    std::vector<PersonRow> keptTwice;
};

// Additions of both sides stay, one made on both sides with the same cells
// once; deletions of both sides apply, one made on both sides once. A row
// changed on one side and deleted on the other stays as changed. With
// `baseWithinTheirs`, the base is only what their side also holds.
MergedRows mergeRows(const std::vector<PersonRow>& base, const std::vector<PersonRow>& theirs,
                     const std::vector<PersonRow>& ours, bool baseWithinTheirs = false);

// The row of `rows` most like `old` among those of its birthday or its
// name, as a change of it would be; none when there is none.
const PersonRow* replacementOf(const PersonRow& old, const std::vector<PersonRow>& rows);

// "Ann Smith, Bob Jones" as a list of lines, at most `shown` names, then
// "and N more".
std::string namesOf(const std::vector<PersonRow>& rows, std::size_t shown = 10);

}  // namespace book

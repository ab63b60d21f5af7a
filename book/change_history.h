#pragma once
// The changes made to the list in this run, row by row, and how the last
// one is taken back on the rows as they are now.
#include <optional>
#include <string>
#include <vector>

#include "platform/string_grid.h"
#include "table_rows.h"

namespace book {

// One row as it was before a change and as the change left it: an added
// row has nothing before, a deleted one nothing after.
struct RowChange {
    std::optional<PersonRow> before;
    std::optional<PersonRow> after;
};

struct Change {
    enum class Kind { Add, Modify, Delete, Import };
    Kind kind;
    std::vector<RowChange> rows;
};

Change addOf(const PersonRow& added);
Change modifyOf(const PersonRow& before, const PersonRow& after);
Change deleteOf(const PersonRow& deleted);
Change importOf(const std::vector<PersonRow>& added);

// "Undo delete of Maria Lopez", "Undo import of 312 people"; "Undo" alone
// when there is nothing to undo.
std::string undoCaption(const Change* last);

struct UndoOutcome {
    // The rows put back, as they were before the change.
    std::vector<PersonRow> putBack;
    // The rows the change left that are no longer there, as another PC
    // changed or deleted them since: they stay as they are.
    std::vector<PersonRow> leftAsTheyAre;
    // The rows that would have been put back into a full list.
    std::vector<PersonRow> noRoom;
};

// Takes the change back on the grid: every row it left that is still there
// goes, or is put back as it was before a Modify; every row it deleted comes
// back at the end. The order of the other rows stays; the caller sorts.
UndoOutcome undoChange(platform::StringGrid& grid, const Change& change);

// The changes in the order they were made; the last is undone first.
class ChangeHistory {
public:
    void record(Change change) { changes_.push_back(std::move(change)); }
    const Change* last() const { return changes_.empty() ? nullptr : &changes_.back(); }
    void dropLast() { changes_.pop_back(); }
    void clear() { changes_.clear(); }

private:
    std::vector<Change> changes_;
};

}  // namespace book

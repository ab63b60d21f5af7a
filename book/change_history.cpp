#include "change_history.h"

#include <algorithm>
#include <map>

#include "text.h"

namespace book {

namespace {

// A grid row looked up among rows held apart, without copying its cells.
struct GridRow {
    const platform::StringGrid& grid;
    int row;
};

int compare(const PersonRow& cells, const GridRow& at) {
    for (int col = 0; col < columnCount; ++col)
        if (const int order = cells[col].compare(at.grid.cell(col, at.row)); order != 0)
            return order;
    return 0;
}

struct RowOrder {
    using is_transparent = void;
    bool operator()(const PersonRow& a, const PersonRow& b) const { return a < b; }
    bool operator()(const PersonRow& a, const GridRow& b) const { return compare(a, b) < 0; }
    bool operator()(const GridRow& a, const PersonRow& b) const { return compare(b, a) > 0; }
};

// The rows the change left, each with the indices of its row changes that
// left such a row, the last first taken: a list may hold a row twice.
using RowsLeft = std::map<PersonRow, std::vector<std::size_t>, RowOrder>;

RowsLeft rowsLeftBy(const Change& change) {
    RowsLeft left;
    for (std::size_t i = change.rows.size(); i-- > 0;)
        if (change.rows[i].after) left[*change.rows[i].after].push_back(i);
    return left;
}

// The change that left this grid row, taken off the rows still looked for.
std::optional<std::size_t> takeChangeLeaving(RowsLeft& left, const GridRow& at) {
    auto found = left.find(at);
    if (found == left.end()) return std::nullopt;
    const std::size_t index = found->second.back();
    found->second.pop_back();
    if (found->second.empty()) left.erase(found);
    return index;
}

void setRowCells(platform::StringGrid& grid, int row, const PersonRow& cells) {
    for (int col = 0; col < columnCount; ++col) grid.setCell(col, row, cells[col]);
}

// Removes the rows the change left and puts back in place the rows a
// Modify changed; marks in `found` every row change whose row was there.
void takeBackRowsLeft(platform::StringGrid& grid, const Change& change, std::vector<bool>& found,
                      UndoOutcome& outcome) {
    RowsLeft left = rowsLeftBy(change);
    int kept = 1;
    for (int row = 1; row < grid.rowCount(); ++row) {
        const std::optional<std::size_t> index =
            left.empty() ? std::nullopt : takeChangeLeaving(left, GridRow{grid, row});
        if (index) found[*index] = true;
        if (index && change.rows[*index].before) {
            setRowCells(grid, kept++, *change.rows[*index].before);
            outcome.putBack.push_back(*change.rows[*index].before);
        } else if (!index) {
            if (kept != row) grid.copyRow(row, kept);
            ++kept;
        }
    }
    grid.setRowCount(std::max(2, kept));
    if (kept == 1) clearPlaceholder(grid);
}

void putBackDeleted(platform::StringGrid& grid, const PersonRow& cells, UndoOutcome& outcome) {
    if (lastRowTaken(grid) && grid.rowCount() - 1 >= maxPeople) {
        outcome.noRoom.push_back(cells);
        return;
    }
    const int row = lastRowTaken(grid) ? appendRow(grid) : grid.rowCount() - 1;
    setRowCells(grid, row, cells);
    outcome.putBack.push_back(cells);
}

}  // namespace

Change addOf(const PersonRow& added) { return {Change::Kind::Add, {{std::nullopt, added}}}; }

Change modifyOf(const PersonRow& before, const PersonRow& after) {
    return {Change::Kind::Modify, {{before, after}}};
}

Change deleteOf(const PersonRow& deleted) {
    return {Change::Kind::Delete, {{deleted, std::nullopt}}};
}

Change importOf(const std::vector<PersonRow>& added) {
    Change change{Change::Kind::Import, {}};
    change.rows.reserve(added.size());
    for (const PersonRow& row : added) change.rows.push_back({std::nullopt, row});
    return change;
}

std::string undoCaption(const Change* last) {
    if (!last || last->rows.empty()) return "Undo";
    const RowChange& first = last->rows.front();
    switch (last->kind) {
        case Change::Kind::Add:
            return "Undo add of " + nameOf(*first.after);
        case Change::Kind::Modify:
            return "Undo change of " + nameOf(*first.after);
        case Change::Kind::Delete:
            return "Undo delete of " + nameOf(*first.before);
        default:
            return "Undo import of " + peopleCount(last->rows.size());
    }
}

UndoOutcome undoChange(platform::StringGrid& grid, const Change& change) {
    UndoOutcome outcome;
    std::vector<bool> found(change.rows.size(), false);
    grid.beginUpdate();
    takeBackRowsLeft(grid, change, found, outcome);
    for (std::size_t i = 0; i < change.rows.size(); ++i) {
        const RowChange& row = change.rows[i];
        if (row.after && !found[i])
            outcome.leftAsTheyAre.push_back(*row.after);
        else if (!row.after && row.before)
            putBackDeleted(grid, *row.before, outcome);
    }
    grid.endUpdate();
    return outcome;
}

}  // namespace book

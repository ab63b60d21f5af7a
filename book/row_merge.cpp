#include "row_merge.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <unordered_map>

#include "text.h"

namespace book {

namespace {

// Rows are looked up by reference, each hashed once: a merge of two full
// lists copies no cell until it builds the result.
struct RowRef {
    const PersonRow* row;
    std::size_t hash;
};

struct RefHash {
    std::size_t operator()(const RowRef& ref) const { return ref.hash; }
};

struct RefEqual {
    bool operator()(const RowRef& a, const RowRef& b) const { return *a.row == *b.row; }
};

std::vector<RowRef> refsOf(const std::vector<PersonRow>& rows) {
    std::vector<RowRef> refs;
    refs.reserve(rows.size());
    for (const PersonRow& row : rows) refs.push_back({&row, hashOf(row)});
    return refs;
}

struct Counts {
    int base = 0, theirs = 0, ours = 0;
    int kept = 0;  // not yet placed in the result
};

using CountTable = std::unordered_map<RowRef, Counts, RefHash, RefEqual>;

// How many of a row the merge keeps: a count both sides raised takes the
// larger rise, one both lowered the larger fall, else both changes add up.
int keptCount(const Counts& c) {
    const int theirRise = c.theirs - c.base;
    const int ourRise = c.ours - c.base;
    int change = theirRise + ourRise;
    if (theirRise > 0 && ourRise > 0) change = std::max(theirRise, ourRise);
    if (theirRise < 0 && ourRise < 0) change = std::min(theirRise, ourRise);
    return std::max(0, c.base + change);
}

struct Sides {
    std::vector<RowRef> base, theirs, ours;
};

// A base that is only what both it and their side hold, as for a copy of
// unknown age: their side then deletes nothing.
CountTable countRows(const Sides& sides, bool baseWithinTheirs) {
    CountTable table;
    table.reserve(sides.base.size() + sides.theirs.size() / 8 + sides.ours.size() / 8);
    for (const RowRef& ref : sides.base) ++table[ref].base;
    for (const RowRef& ref : sides.theirs) ++table[ref].theirs;
    for (const RowRef& ref : sides.ours) ++table[ref].ours;
    for (auto& [ref, counts] : table) {
        if (baseWithinTheirs) counts.base = std::min(counts.base, counts.theirs);
        counts.kept = keptCount(counts);
    }
    return table;
}

void takeKept(const std::vector<RowRef>& side, CountTable& table, std::vector<PersonRow>& result) {
    for (const RowRef& ref : side) {
        Counts& counts = table.find(ref)->second;
        if (counts.kept == 0) continue;
        --counts.kept;
        result.push_back(*ref.row);
    }
}

using PersonKey = std::array<std::string, 3>;

PersonKey personOf(const PersonRow& row) {
    return {row[colKey], row[colFirstName], row[colSurname]};
}

int sameCells(const PersonRow& a, const PersonRow& b) {
    int same = 0;
    for (std::size_t col = 0; col < a.size(); ++col) same += a[col] == b[col] ? 1 : 0;
    return same;
}

// The rows one side removed from the base, found by birthday or by name:
// a change keeps one of them.
class RemovedRows {
public:
    void add(const PersonRow& row) {
        byKey_[row[colKey]].push_back(&row);
        byName_[{row[colFirstName], row[colSurname]}].push_back(&row);
    }
    const PersonRow* replacedBy(const PersonRow& row) const {
        const PersonRow* best = nullptr;
        int bestSame = -1;
        auto consider = [&](const std::vector<const PersonRow*>& rows) {
            for (const PersonRow* old : rows)
                if (const int same = sameCells(*old, row); same > bestSame) {
                    best = old;
                    bestSame = same;
                }
        };
        if (auto found = byKey_.find(row[colKey]); found != byKey_.end()) consider(found->second);
        if (auto found = byName_.find({row[colFirstName], row[colSurname]}); found != byName_.end())
            consider(found->second);
        return best;
    }

private:
    std::unordered_map<std::string, std::vector<const PersonRow*>> byKey_;
    std::map<std::array<std::string, 2>, std::vector<const PersonRow*>> byName_;
};

bool newOnlyOn(const Counts& c, int side, int other) {
    return side > c.base && other <= c.base && keptCount(c) > c.base;
}

// Each new row that only one side brought, under the base row it replaced,
// or under its person when it replaced none.
struct NewRows {
    std::map<const PersonRow*, const PersonRow*> byReplaced;
    std::map<PersonKey, const PersonRow*> byPerson;
};

NewRows newRowsOf(const CountTable& table, bool theirs) {
    RemovedRows removed;
    for (const auto& [ref, c] : table)
        if ((theirs ? c.theirs : c.ours) < c.base) removed.add(*ref.row);
    NewRows rows;
    for (const auto& [ref, c] : table) {
        if (!(theirs ? newOnlyOn(c, c.theirs, c.ours) : newOnlyOn(c, c.ours, c.theirs))) continue;
        if (const PersonRow* replaced = removed.replacedBy(*ref.row))
            rows.byReplaced.emplace(replaced, ref.row);
        else
            rows.byPerson.emplace(personOf(*ref.row), ref.row);
    }
    return rows;
}

// The people of whom each side brought its own new row in place of the same
// base row, or both a new row of the same person in place of none; both
// rows are kept. Named once each, by the other PC's row.
std::vector<PersonRow> keptTwice(const CountTable& table) {
    const NewRows theirs = newRowsOf(table, true);
    const NewRows ours = newRowsOf(table, false);
    std::vector<PersonRow> people;
    for (const auto& [replaced, row] : theirs.byReplaced)
        if (ours.byReplaced.count(replaced)) people.push_back(*row);
    for (const auto& [person, row] : theirs.byPerson)
        if (ours.byPerson.count(person)) people.push_back(*row);
    std::sort(people.begin(), people.end());
    return people;
}

}  // namespace

MergedRows mergeRows(const std::vector<PersonRow>& base, const std::vector<PersonRow>& theirs,
                     const std::vector<PersonRow>& ours, bool baseWithinTheirs) {
    const Sides sides{refsOf(base), refsOf(theirs), refsOf(ours)};
    CountTable table = countRows(sides, baseWithinTheirs);
    MergedRows merged;
    merged.keptTwice = keptTwice(table);
    merged.rows.reserve(std::max(theirs.size(), ours.size()));
    takeKept(sides.theirs, table, merged.rows);
    takeKept(sides.ours, table, merged.rows);
    return merged;
}

const PersonRow* replacementOf(const PersonRow& old, const std::vector<PersonRow>& rows) {
    const PersonRow* best = nullptr;
    int bestSame = -1;
    for (const PersonRow& row : rows) {
        const bool samePerson =
            row[colKey] == old[colKey] ||
            (row[colFirstName] == old[colFirstName] && row[colSurname] == old[colSurname]);
        if (!samePerson) continue;
        if (const int same = sameCells(row, old); same > bestSame) {
            best = &row;
            bestSame = same;
        }
    }
    return best;
}

std::string namesOf(const std::vector<PersonRow>& rows, std::size_t shown) {
    std::string names;
    for (std::size_t i = 0; i < rows.size() && i < shown; ++i) {
        names += nameOf(rows[i]) + "\r\n";
    }
    if (rows.size() > shown) names += "and " + std::to_string(rows.size() - shown) + " more\r\n";
    return names;
}

}  // namespace book

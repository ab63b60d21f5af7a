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

// FNV-1a over the cells, each ended by a zero byte, which no cell holds.
std::size_t hashOf(const PersonRow& row) {
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (const std::string& cell : row) {
        for (unsigned char c : cell) hash = (hash ^ c) * 0x100000001b3ull;
        hash *= 0x100000001b3ull;
    }
    return static_cast<std::size_t>(hash);
}

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

CountTable countRows(const Sides& sides) {
    CountTable table;
    table.reserve(sides.base.size() + sides.theirs.size() / 8 + sides.ours.size() / 8);
    for (const RowRef& ref : sides.base) ++table[ref].base;
    for (const RowRef& ref : sides.theirs) ++table[ref].theirs;
    for (const RowRef& ref : sides.ours) ++table[ref].ours;
    for (auto& [ref, counts] : table) counts.kept = keptCount(counts);
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

// The people of whom one side alone brought a new row and the other side
// alone brought another, both of which the merge keeps.
std::vector<PersonRow> keptTwice(const CountTable& table) {
    std::map<PersonKey, const PersonRow*> theirsNew;
    std::set<PersonKey> twice;
    std::vector<PersonRow> people;
    auto newOnlyOn = [](const Counts& c, int side, int other) {
        return side > c.base && other <= c.base && keptCount(c) > c.base;
    };
    for (const auto& [ref, c] : table)
        if (newOnlyOn(c, c.theirs, c.ours)) theirsNew.emplace(personOf(*ref.row), ref.row);
    for (const auto& [ref, c] : table) {
        if (!newOnlyOn(c, c.ours, c.theirs)) continue;
        const PersonKey person = personOf(*ref.row);
        auto found = theirsNew.find(person);
        if (found != theirsNew.end() && twice.insert(person).second)
            people.push_back(*found->second);
    }
    std::sort(people.begin(), people.end());
    return people;
}

}  // namespace

MergedRows mergeRows(const std::vector<PersonRow>& base, const std::vector<PersonRow>& theirs,
                     const std::vector<PersonRow>& ours) {
    const Sides sides{refsOf(base), refsOf(theirs), refsOf(ours)};
    CountTable table = countRows(sides);
    MergedRows merged;
    merged.keptTwice = keptTwice(table);
    merged.rows.reserve(std::max(theirs.size(), ours.size()));
    takeKept(sides.theirs, table, merged.rows);
    takeKept(sides.ours, table, merged.rows);
    return merged;
}

std::string namesOf(const std::vector<PersonRow>& rows, std::size_t shown) {
    std::string names;
    for (std::size_t i = 0; i < rows.size() && i < shown; ++i) {
        const std::string first = trimmed(rows[i][colFirstName]);
        const std::string surname = trimmed(rows[i][colSurname]);
        names += first + (first.empty() || surname.empty() ? "" : " ") + surname + "\r\n";
    }
    if (rows.size() > shown) names += "and " + std::to_string(rows.size() - shown) + " more\r\n";
    return names;
}

}  // namespace book

#include "row_merge.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <unordered_map>

#include "content_hash.h"
#include "text.h"

namespace book {

namespace {

struct RowHash {
    std::size_t operator()(const PersonRow& row) const {
        ContentHash hash;
        for (const std::string& cell : row) {
            hash.add(cell);
            hash.add(std::string_view("\0", 1));
        }
        return static_cast<std::size_t>(hash.value());
    }
};

struct Counts {
    int base = 0, theirs = 0, ours = 0;
    int kept = 0;  // not yet placed in the result
};

using CountTable = std::unordered_map<PersonRow, Counts, RowHash>;

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

CountTable countRows(const std::vector<PersonRow>& base, const std::vector<PersonRow>& theirs,
                     const std::vector<PersonRow>& ours) {
    CountTable table;
    table.reserve(base.size() + theirs.size() + ours.size());
    for (const PersonRow& row : base) ++table[row].base;
    for (const PersonRow& row : theirs) ++table[row].theirs;
    for (const PersonRow& row : ours) ++table[row].ours;
    for (auto& [row, counts] : table) counts.kept = keptCount(counts);
    return table;
}

void takeKept(const std::vector<PersonRow>& side, CountTable& table,
              std::vector<PersonRow>& result) {
    for (const PersonRow& row : side) {
        Counts& counts = table.at(row);
        if (counts.kept == 0) continue;
        --counts.kept;
        result.push_back(row);
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
    for (const auto& [row, c] : table)
        if (newOnlyOn(c, c.theirs, c.ours)) theirsNew.emplace(personOf(row), &row);
    for (const auto& [row, c] : table) {
        if (!newOnlyOn(c, c.ours, c.theirs)) continue;
        const PersonKey person = personOf(row);
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
    CountTable table = countRows(base, theirs, ours);
    MergedRows merged;
    merged.keptTwice = keptTwice(table);
    merged.rows.reserve(std::max(theirs.size(), ours.size()));
    takeKept(theirs, table, merged.rows);
    takeKept(ours, table, merged.rows);
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

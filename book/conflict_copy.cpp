#include "conflict_copy.h"

#include <unordered_map>

#include "text.h"

namespace book {

namespace {

std::string lowerCase(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

struct RowHash {
    std::size_t operator()(const PersonRow* row) const { return hashOf(*row); }
};

struct RowEqual {
    bool operator()(const PersonRow* a, const PersonRow* b) const { return *a == *b; }
};

// Rows of `from` not matched by a row of `against`, each match used once.
std::vector<PersonRow> rowsNotIn(const std::vector<PersonRow>& from,
                                 const std::vector<PersonRow>& against) {
    std::unordered_map<const PersonRow*, int, RowHash, RowEqual> left;
    left.reserve(against.size());
    for (const PersonRow& row : against) ++left[&row];
    std::vector<PersonRow> rows;
    for (const PersonRow& row : from) {
        auto found = left.find(&row);
        const bool matched = found != left.end() && found->second > 0;
        if (matched) --found->second;
        if (!matched) rows.push_back(row);
    }
    return rows;
}

}  // namespace

bool isConflictCopyName(const std::string& name) {
    const std::string lower = lowerCase(name);
    return lower != "dates.txt" && lower.size() >= 9 && lower.compare(0, 5, "dates") == 0 &&
           lower.compare(lower.size() - 4, 4, ".txt") == 0;
}

MergedRows mergeConflictCopy(const std::vector<PersonRow>& known,
                             const std::vector<PersonRow>& copy,
                             const std::vector<PersonRow>& ours) {
    return mergeRows(known, copy, ours, true);
}

std::vector<PersonRow> rowsBroughtBack(const std::vector<PersonRow>& before,
                                       const std::vector<PersonRow>& merged) {
    return rowsNotIn(merged, before);
}

}  // namespace book

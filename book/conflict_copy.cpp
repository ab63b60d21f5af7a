#include "conflict_copy.h"

#include <map>

#include "text.h"

namespace book {

namespace {

std::string lowerCase(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// Rows of `from` not matched by a row of `against`, each match used once.
std::vector<PersonRow> rowsNotIn(const std::vector<PersonRow>& from,
                                 const std::vector<PersonRow>& against, bool keepMatched) {
    std::map<PersonRow, int> left;
    for (const PersonRow& row : against) ++left[row];
    std::vector<PersonRow> rows;
    for (const PersonRow& row : from) {
        auto found = left.find(row);
        const bool matched = found != left.end() && found->second > 0;
        if (matched) --found->second;
        if (matched == keepMatched) rows.push_back(row);
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
    return mergeRows(rowsNotIn(known, copy, true), copy, ours);
}

std::vector<PersonRow> rowsBroughtBack(const std::vector<PersonRow>& before,
                                       const std::vector<PersonRow>& merged) {
    return rowsNotIn(merged, before, false);
}

}  // namespace book

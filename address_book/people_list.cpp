#include "people_list.h"

#include <algorithm>

namespace address_book {

namespace {

// Only a row below the header can be a person's.
bool lastRowFree(const platform::StringGrid& list) {
    return list.rowCount() > 1 && !book::lastRowTaken(list);
}

}  // namespace

int roomLeft(const platform::StringGrid& list) {
    const int people = list.rowCount() - 1 - (lastRowFree(list) ? 1 : 0);
    return std::max(0, book::maxPeople - people);
}

std::vector<Cells> rowsOfPeople(const platform::StringGrid& list) {
    std::vector<Cells> people;
    people.reserve(static_cast<std::size_t>(std::max(0, list.rowCount() - 1)));
    for (int row = 1; row < list.rowCount(); ++row) {
        if (!book::holdsText(list, row)) continue;
        Cells& person = people.emplace_back();
        for (int col = 0; col < book::columnCount; ++col) person[col] = list.cell(col, row);
    }
    return people;
}

int appendPeople(platform::StringGrid& list, const std::vector<Cells>& people) {
    const int count = std::min(roomLeft(list), static_cast<int>(people.size()));
    if (count == 0) return 0;
    const int first = lastRowFree(list) ? list.rowCount() - 1 : list.rowCount();
    list.beginUpdate();
    list.setRowCount(first + count);
    for (int i = 0; i < count; ++i)
        for (int col = 0; col < book::columnCount; ++col)
            list.setCell(col, first + i, people[i][col]);
    list.endUpdate();
    return count;
}

}  // namespace address_book

#pragma once
// The contact table: the grid itself, one person per row below the header.
#include <string>

#include "platform/string_grid.h"

namespace book {

enum Column {
    colKey = 0,
    colFirstName,
    colSurname,
    colEmail,
    colPhone1,
    colPhone2,
    colShownDate,
    colAction,
    colWhen,
    colReason,
    columnCount
};

// The most people the table holds.
constexpr int maxPeople = 32767;

// A selected or edited row holds a person when its trimmed first name or
// surname is not empty.
bool holdsPerson(const platform::StringGrid& grid, int row);
// Adding reuses the last row only while it holds no text at all, so that a
// person read from a file without names is never written over.
bool lastRowTaken(const platform::StringGrid& grid);
// The file writer keeps every row that holds any text, a person read from a
// file without a key included; only the empty placeholder is left out.
bool holdsText(const platform::StringGrid& grid, int row);

// Copies every row below r one up and drops the last row.
void removeRow(platform::StringGrid& grid, int row);
// Empties every cell of row 1, the placeholder of an empty table.
void clearPlaceholder(platform::StringGrid& grid);
// Adds one empty row at the end and returns its index.
int appendRow(platform::StringGrid& grid);

// The hidden key: month as two digits, then the trimmed day with a "0"
// put in front when it is one character long (0305 for 5 March).
std::string birthdayKey(int month, const std::string& dayText);
// The birthday as shown: "March, 5" or "March,15".
std::string shownDate(const std::string& monthName, const std::string& dayText);

}  // namespace book

// The list's search: the list view's as one types, and Find's.
#include "book/row_search.h"

#include <gtest/gtest.h>

#include "book/contact_table.h"

namespace {

struct Grid : platform::StringGrid {
    explicit Grid(const std::vector<std::vector<std::string>>& rows)
        : platform::StringGrid(nullptr, book::columnCount) {
        setRowCount(static_cast<int>(rows.size()) + 1);
        for (std::size_t i = 0; i < rows.size(); ++i)
            for (std::size_t col = 0; col < rows[i].size(); ++col)
                setCell(static_cast<int>(col), static_cast<int>(i) + 1, rows[i][col]);
    }
};

// Key, first name, surname, e-mail.
const Grid people({
    {"0101", "Mark", "Zorn", "mz@example.org"},
    {"0202", "maria", "Adams", "ma@example.org"},
    {"0303", "Olga", "Marsh", "olga@mail.example"},
    {"0404", "MARIA", "Lopez", "\xC9lise@example.org"},
    {"0505", "Ma", "Brown", ""},
});

TEST(RowSearch, TypedLettersFindTheNextRowBeginningWithThemInTheColumnWithoutRegardToCase) {
    struct Case {
        int col;
        std::string text;
        int fromRow;
        bool partial, wrap;
        int found;
    } cases[] = {
        {book::colFirstName, "Ma", 1, true, true, 1},
        {book::colFirstName, "ma", 2, true, true, 2},
        {book::colFirstName, "MAR", 3, true, true, 4},
        {book::colFirstName, "mar", 5, true, true, 1},   // round to the top
        {book::colFirstName, "mar", 5, true, false, 0},  // no wrap
        {book::colFirstName, "ma", 5, false, true, 5},   // the whole text
        {book::colFirstName, "Marian", 1, true, true, 0},
        {book::colFirstName, "", 3, true, true, 3},
        {book::colSurname, "m", 1, true, true, 3},
        {book::colSurname, "b", 4, true, true, 5},
        {book::colEmail, "\xE9l", 1, true, true, 4},  // Latin-1 letters too
        {book::colFirstName, "o", 0, true, true, 3},  // no selection: from the top
    };
    for (const Case& c : cases)
        EXPECT_EQ(book::rowBeginningWith(people, c.col, c.text, c.fromRow, c.partial, c.wrap),
                  c.found)
            << c.text << " from " << c.fromRow;
}

TEST(RowSearch, FindLooksInNamesAndAddressAfterTheSelectedRowGoingRoundToIt) {
    const std::vector<int> cols{book::colFirstName, book::colSurname, book::colEmail};
    struct Case {
        std::string text;
        int selected, found;
    } cases[] = {
        {"ARI", 0, 2},     {"ari", 2, 4},  {"ari", 4, 2},
        {"MAIL.EX", 1, 3}, {"arsh", 3, 3},  // only the selected row holds it
        {"zz", 1, 0},      {"", 1, 0},     {"own", 5, 5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(book::nextRowContaining(people, cols, c.text, c.selected), c.found)
            << c.text << " after " << c.selected;
}

}  // namespace

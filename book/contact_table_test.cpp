#include "contact_table.h"

#include <gtest/gtest.h>

namespace {

void fillNames(platform::StringGrid& grid, const std::vector<std::string>& names) {
    grid.setRowCount(static_cast<int>(names.size()) + 1);
    for (std::size_t i = 0; i < names.size(); ++i) {
        int row = static_cast<int>(i) + 1;
        grid.setCell(book::colKey, row, "0101");
        grid.setCell(book::colFirstName, row, names[i]);
    }
}

TEST(ContactTable, RemoveRowMovesTheRowsBelowUp) {
    platform::StringGrid grid(nullptr, book::columnCount);
    fillNames(grid, {"A", "B", "C"});
    book::removeRow(grid, 1);
    ASSERT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(grid.cell(book::colFirstName, 1), "B");
    EXPECT_EQ(grid.cell(book::colFirstName, 2), "C");

    book::removeRow(grid, 2);
    ASSERT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.cell(book::colFirstName, 1), "B");
}

TEST(ContactTable, ClearingThePlaceholderEmptiesEveryCell) {
    platform::StringGrid grid(nullptr, book::columnCount);
    fillNames(grid, {"A"});
    book::clearPlaceholder(grid);
    EXPECT_EQ(grid.rowCount(), 2);
    for (int col = 0; col < book::columnCount; ++col) EXPECT_EQ(grid.cell(col, 1), "");
    EXPECT_EQ(book::appendRow(grid), 2);
    EXPECT_EQ(grid.rowCount(), 3);
}

TEST(ContactTable, ThreeTestsOfWhetherARowHoldsAPerson) {
    platform::StringGrid grid(nullptr, book::columnCount);
    EXPECT_FALSE(book::holdsPerson(grid, 1));
    EXPECT_FALSE(book::lastRowTaken(grid));

    grid.setCell(book::colSurname, 1, " \t");
    EXPECT_FALSE(book::holdsPerson(grid, 1)) << "blanks alone are no surname";
    EXPECT_TRUE(book::lastRowTaken(grid)) << "adding looks at the cells as stored";

    grid.setCell(book::colSurname, 1, "");
    grid.setCell(book::colEmail, 1, "dara@example.org");
    EXPECT_TRUE(book::lastRowTaken(grid)) << "a person read without names is no free row";
    EXPECT_TRUE(book::holdsText(grid, 1));
    grid.setCell(book::colEmail, 1, "");
    EXPECT_FALSE(book::holdsText(grid, 1));

    grid.setCell(book::colFirstName, 1, " Dara ");
    EXPECT_TRUE(book::holdsPerson(grid, 1));
    EXPECT_FALSE(book::holdsPerson(grid, 0)) << "the header row is nobody";
}

TEST(ContactTable, KeyAndShownDateFromMonthAndDay) {
    EXPECT_EQ(book::birthdayKey(3, "7"), "0307");
    EXPECT_EQ(book::shownDate("March", "7"), "March, 7");
    EXPECT_EQ(book::birthdayKey(3, " 17 "), "0317");
    EXPECT_EQ(book::shownDate("March", "17"), "March,17");
    EXPECT_EQ(book::birthdayKey(12, "24"), "1224");
    EXPECT_EQ(book::birthdayKey(3, "0"), "0300");
    EXPECT_EQ(book::shownDate("March", "0"), "March, 0");
}

}  // namespace

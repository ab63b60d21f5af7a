// The grid's real list view: a row chosen in it is the row the buttons act on.
#include <gtest/gtest.h>

#include "e2e/harness.h"

namespace {

const std::vector<e2e::Person> people{
    {"0115", "Ada", "Lovelace", "", "", "", "January,15", "Other", "The exact day", "Birtday"},
    {"0520", "Blaise", "Pascal", "", "", "", "May,20", "Other", "The exact day", "Birtday"},
    {"1103", "Carl", "Gauss", "", "", "", "November, 3", "Other", "The exact day", "Birtday"},
};

// Column 0 stays at width 0 whatever the mouse does on its divider, while
// the other columns can be widened by theirs; a row chosen in the grid is the
// row Delete acts on.
TEST(GridTest, OnlyTheVisibleColumnsResizeAndDeleteRemovesTheSelectedPerson) {
    e2e::clearDataFolder();
    e2e::writeDataFile("dates.txt", e2e::contactRecords(people));
    e2e::Festorin festorin;
    ASSERT_TRUE(festorin.started());
    ASSERT_EQ(festorin.gridRows(), 3);
    ASSERT_EQ(festorin.gridColumnWidth(0), 0);
    ASSERT_EQ(festorin.gridColumnWidth(1), 90);

    festorin.dragGridHeader(90, 110);
    EXPECT_EQ(festorin.gridColumnWidth(1), 110);

    for (int x : {0, 1, 2, 3}) {
        festorin.dragGridHeader(x, x + 40);
        festorin.doubleClickGridHeader(x);
    }
    EXPECT_EQ(festorin.gridColumnWidth(0), 0);
    EXPECT_EQ(festorin.gridCell(0, 0), "0115");

    festorin.selectGridItem(1);
    festorin.click(festorin.control("Button", "Delete"));

    EXPECT_EQ(festorin.gridRows(), 2);
    EXPECT_EQ(festorin.gridCell(0, 1), "Ada");
    EXPECT_EQ(festorin.gridCell(1, 1), "Carl");
    EXPECT_EQ(festorin.dataFile("dates.txt"), e2e::contactRecords({people[0], people[2]}));
}

}  // namespace

// The real Order menu under Wine: it re-sorts the grid and stores the choice,
// and the next start sorts by it.
#include <gtest/gtest.h>

#include "e2e/harness.h"

namespace {

using e2e::Festorin;

class OrderMenuTest : public ::testing::Test {
protected:
    void SetUp() override { e2e::clearDataFolder(); }

    static std::vector<std::string> firstNames(const Festorin& festorin) {
        std::vector<std::string> names;
        for (int row = 0; row < festorin.gridRows(); ++row)
            names.push_back(festorin.gridCell(row, 1));
        return names;
    }
};

// Stored in neither order: by date Ada, Blaise, Carl; by surname Carl, Ada, Blaise.
const std::vector<e2e::Person> people{
    {"0520", "Blaise", "Pascal", "", "", "", "May,20", "Call phone 1", "1 day before", "Other"},
    {"1103", "Carl", "Gauss", "carl@example.org", "", "", "November, 3", "Other", "4 days before",
     "Birtday"},
    {"0115", "Ada", "Lovelace", "ada@example.org", "", "", "January,15", "Send an E-mail",
     "The exact day", "Birtday"},
};
const std::vector<std::string> byDate{"Ada", "Blaise", "Carl"};
const std::vector<std::string> bySurname{"Carl", "Ada", "Blaise"};

TEST_F(OrderMenuTest, BySurnameResortsTheGridAndWritesTwo) {
    const std::string contacts = e2e::contactRecords(people);
    e2e::writeDataFile("dates.txt", contacts);
    {
        Festorin festorin;
        ASSERT_TRUE(festorin.started());
        EXPECT_EQ(firstNames(festorin), byDate);

        festorin.menuCommand({"&Options", "Order", "by surname"});
        EXPECT_EQ(festorin.dataFile("ordre_tri.txt"), "2\r\n");
        EXPECT_EQ(firstNames(festorin), bySurname);
        EXPECT_EQ(e2e::readDataFile("dates.txt"), contacts);
        EXPECT_TRUE(festorin.closeAndWait());
    }
    Festorin again;
    ASSERT_TRUE(again.started());
    EXPECT_EQ(firstNames(again), bySurname);
}

}  // namespace

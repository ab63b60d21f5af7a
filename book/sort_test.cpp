#include "sort.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "test_support/literal_sort.h"

namespace {

constexpr int keyCol = 1;
constexpr int idCol = 2;
constexpr int colCount = 4;

// A table whose rows carry their first position in idCol.
void fill(platform::StringGrid& grid, const std::vector<std::string>& keys) {
    grid.setRowCount(static_cast<int>(keys.size()) + 1);
    grid.setCell(keyCol, 0, "header");
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        grid.setCell(keyCol, row, keys[i]);
        grid.setCell(idCol, row, std::to_string(row));
    }
}

std::vector<std::string> ids(const platform::StringGrid& grid) {
    std::vector<std::string> result;
    for (int row = 0; row < grid.rowCount(); ++row) result.push_back(grid.cell(idCol, row));
    return result;
}

std::vector<std::string> keysOf(const platform::StringGrid& grid) {
    std::vector<std::string> result;
    for (int row = 1; row < grid.rowCount(); ++row) result.push_back(grid.cell(keyCol, row));
    return result;
}

std::vector<std::string> sortedKeys(const std::vector<std::string>& keys) {
    platform::StringGrid grid(nullptr, colCount);
    fill(grid, keys);
    book::sortRows(grid, keyCol);
    return keysOf(grid);
}

// Sorts the same table both ways; the rows must stand in the same order and
// the returned order must say where each came from.
void expectSameAsLiteral(const std::vector<std::string>& keys) {
    platform::StringGrid literal(nullptr, colCount), fast(nullptr, colCount);
    fill(literal, keys);
    fill(fast, keys);
    test_support::literalExchangeSort(literal, keyCol);
    const std::vector<int> order = book::sortRows(fast, keyCol);

    const std::vector<std::string> expected = ids(literal);
    ASSERT_EQ(ids(fast), expected) << ::testing::PrintToString(keys);
    ASSERT_EQ(order.size(), expected.size());
    for (std::size_t row = 1; row < order.size(); ++row)
        ASSERT_EQ(std::to_string(order[row]), expected[row]) << ::testing::PrintToString(keys);
}

// Every table of up to `maxRows` rows over the given keys.
void expectSameForEveryTable(const std::vector<std::string>& alphabet, int maxRows) {
    for (int rows = 0; rows <= maxRows; ++rows) {
        std::vector<int> digits(rows, 0);
        for (;;) {
            std::vector<std::string> keys;
            for (int d : digits) keys.push_back(alphabet[d]);
            expectSameAsLiteral(keys);
            if (::testing::Test::HasFatalFailure()) return;
            int i = 0;
            while (i < rows && ++digits[i] == static_cast<int>(alphabet.size())) digits[i++] = 0;
            if (i == rows) break;
        }
    }
}

TEST(Sort, SameOrderAsTheExchangeSortForEverySmallTable) {
    expectSameForEveryTable({"B", "A", "", "a"}, 6);
    expectSameForEveryTable({"b", "ab", "a"}, 8);
    using namespace std::string_literals;
    expectSameForEveryTable({"Christop"s, "Christo\0"s, "Christop\0"s, "Christoph"s, "Christo"s},
                            5);
}

// A few keys per table, so that ties abound, built from a handful of bytes
// so that empty texts, prefixes, case, zero bytes and bytes above 127 all
// occur, some behind a common stem around eight bytes long.
std::vector<std::string> randomKeyPool(std::mt19937& random) {
    static const std::string bytes("aAb \0\x7f\x80\xe9\xff", 9);
    static const std::vector<std::string> stems{"", "", "Stem\xe9xy", "Stem\xe9xyz"};
    std::uniform_int_distribution<int> poolSize(1, 6), length(0, 3),
        byte(0, static_cast<int>(bytes.size()) - 1), stem(0, static_cast<int>(stems.size()) - 1);
    std::vector<std::string> pool(poolSize(random));
    for (std::string& key : pool) {
        key = stems[stem(random)];
        for (int n = length(random); n > 0; --n) key += bytes[byte(random)];
    }
    return pool;
}

TEST(Sort, SameOrderAsTheExchangeSortForRandomTables) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> rowCount(0, 200);
    for (int table = 0; table < 5000; ++table) {
        const std::vector<std::string> pool = randomKeyPool(random);
        std::uniform_int_distribution<int> pick(0, static_cast<int>(pool.size()) - 1);
        std::vector<std::string> keys(rowCount(random));
        for (std::string& key : keys) key = pool[pick(random)];
        expectSameAsLiteral(keys);
        if (HasFatalFailure()) return;
    }
}

TEST(Sort, EqualKeysEndWhereTheExchangesLeaveThem) {
    platform::StringGrid grid(nullptr, colCount);
    fill(grid, {"B", "B", "A"});
    const std::vector<int> order = book::sortRows(grid, keyCol);
    EXPECT_EQ(ids(grid), (std::vector<std::string>{"", "3", "2", "1"}));
    EXPECT_EQ(order, (std::vector<int>{0, 3, 2, 1}));
    EXPECT_EQ(grid.cell(keyCol, 0), "header");
}

TEST(Sort, TextsCompareByteByByteAsStored) {
    EXPECT_EQ(sortedKeys({"anna", "Anna", "Ann", "\xc9mile", "Zo\xe9", " Zed", "", "Ann "}),
              (std::vector<std::string>{"", " Zed", "Ann", "Ann ", "Anna", "Zo\xe9", "anna",
                                        "\xc9mile"}));
    EXPECT_EQ(
        sortedKeys({"Christopher", "Christophe", "Christoph\xe9", "Christoph"}),
        (std::vector<std::string>{"Christoph", "Christophe", "Christopher", "Christoph\xe9"}));
    EXPECT_EQ(sortedKeys({"1224", "0305", "0101", "0312", "0228"}),
              (std::vector<std::string>{"0101", "0228", "0305", "0312", "1224"}));
}

TEST(Sort, EveryCellOfARowMovesWithIt) {
    platform::StringGrid grid(nullptr, colCount);
    fill(grid, {"b", "a"});
    for (int col = 0; col < colCount; ++col) grid.setCell(col, 1, "first" + std::to_string(col));
    grid.setCell(keyCol, 1, "b");
    book::sortRows(grid, keyCol);
    for (int col = 0; col < colCount; ++col) {
        if (col != keyCol) {
            EXPECT_EQ(grid.cell(col, 2), "first" + std::to_string(col));
        }
    }
}

TEST(Sort, AtMostOnePersonIsLeftAlone) {
    platform::StringGrid grid(nullptr, colCount);
    fill(grid, {"z"});
    EXPECT_EQ(book::sortRows(grid, keyCol), (std::vector<int>{0, 1}));
    EXPECT_EQ(grid.cell(keyCol, 1), "z");
    EXPECT_EQ(grid.rowCount(), 2);
}

TEST(Sort, TheOrderFollowsARowToItsNewPlace) {
    platform::StringGrid grid(nullptr, colCount);
    fill(grid, {"c", "a", "d", "b"});
    const std::vector<int> order = book::sortRows(grid, keyCol);
    for (int oldRow = 1; oldRow <= 4; ++oldRow)
        EXPECT_EQ(grid.cell(idCol, book::rowAfterSort(order, oldRow)), std::to_string(oldRow));
}

}  // namespace

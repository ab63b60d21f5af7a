#include "identity_set.h"

#include <gtest/gtest.h>

namespace address_book {
namespace {

// Each identity is new once, however often the set grows meanwhile.
TEST(IdentitySet, EachIdentityIsNewOnce) {
    IdentitySet seen;
    for (int round = 0; round < 2; ++round)
        for (int i = 0; i < 1000; ++i)
            EXPECT_EQ(seen.insert("id" + std::to_string(i)), round == 0) << i;
    EXPECT_TRUE(seen.insert(""));
    EXPECT_FALSE(seen.insert(""));
    // One larger than a block of bytes has a block of its own.
    const std::string larger(3 << 20, 'x');
    for (bool isNew : {true, false}) {
        EXPECT_EQ(seen.insert(larger), isNew);
        EXPECT_EQ(seen.insert("after"), isNew);
    }
}

}  // namespace
}  // namespace address_book

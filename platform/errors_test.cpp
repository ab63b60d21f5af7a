#include "errors.h"

#include <gtest/gtest.h>

namespace {

TEST(ToInt, ReadsDecimalNumbersAndRefusesWhatIsNotAWholeNumberNamingTheText) {
    EXPECT_EQ(platform::toInt("0"), 0);
    EXPECT_EQ(platform::toInt("07"), 7);
    EXPECT_EQ(platform::toInt("  12"), 12);
    EXPECT_EQ(platform::toInt("-3"), -3);
    EXPECT_EQ(platform::toInt("+2147483647"), 2147483647);
    EXPECT_EQ(platform::toInt("-2147483648"), -2147483647 - 1);

    for (const char* text :
         {"", " ", "-", "1a", "12 ", "3.0", "2147483648", "99999999999999999999"}) {
        try {
            platform::toInt(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const platform::ConversionError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

}  // namespace

#include "app/command_line.h"

#include <gtest/gtest.h>

namespace {

using Arguments = std::vector<std::string>;

TEST(CommandLine, SplitsAndQuotesArgumentsAsWindowsDoes) {
    EXPECT_EQ(app::commandLineArguments("\"C:\\Program Files\\Festorin\\Festorin.exe\""),
              Arguments{});
    EXPECT_EQ(app::commandLineArguments(
                  "\"C:\\Program Files\\Festorin.exe\" \"C:\\My Files\\friends.vcf\"  b.csv"),
              (Arguments{"C:\\My Files\\friends.vcf", "b.csv"}));
    EXPECT_EQ(app::commandLineArguments("Festorin.exe C:\\a\\b.vcf\t\"\" x\"y z\""),
              (Arguments{"C:\\a\\b.vcf", "", "xy z"}));
    EXPECT_EQ(app::commandLineArguments("F.exe \"C:\\folder\\\\\" a\\\\\\\"b \"c\\\"d\""),
              (Arguments{"C:\\folder\\", "a\\\"b", "c\"d"}));

    // Quoted arguments come back as they were, the backslashes before a
    // quote and at the end included.
    const Arguments odd{"D:\\", "C:\\My Files\\a.vcf", "\\\\server\\share\\\\", "a\\\"b", "",
                        "x y\t"};
    std::string line = "F.exe";
    for (const std::string& argument : odd) line += " " + app::quotedArgument(argument);
    EXPECT_EQ(app::commandLineArguments(line), odd);
    EXPECT_EQ(app::quotedArgument("D:\\"), "\"D:\\\\\"");
}

}  // namespace

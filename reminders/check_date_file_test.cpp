#include "check_date_file.h"

#include <gtest/gtest.h>

#include "test_support/test_folder.h"

namespace reminders {
namespace {

TEST(CheckDateFile, TwelveBytesUnderTheUsersSeparator) {
    test_support::TestFolder folder;
    const std::string path = folder.path() + "\\date_verif.txt";
    writeCheckDateFile(path, {2026, 12, 8}, '/');
    EXPECT_EQ(test_support::readBytes(path), "08/12/2026\r\n");
    writeCheckDateFile(path, {2027, 1, 31}, '.');
    EXPECT_EQ(test_support::readBytes(path), "31.01.2027\r\n");
    EXPECT_EQ(readCheckDateFile(path), (Date{2027, 1, 31}));
}

TEST(CheckDateFile, ReadByPositionWhateverTheSeparatorAndALineThatFormsNoDateGivesNothing) {
    EXPECT_EQ(parseCheckDate("08-12-2026"), (Date{2026, 12, 8}));
    EXPECT_EQ(parseCheckDate("08/12/2026\r\n"), (Date{2026, 12, 8}));
    EXPECT_EQ(parseCheckDate("29x02y2028 and more\r\n01/01/2000\r\n"), (Date{2028, 2, 29}));

    for (const char* content :
         {"", "08/12/202", "08/12\r\n2026", " 8/12/2026", "08/1a/2026", "31/04/2026", "29/02/2026",
          "00/12/2026", "08/13/2026", "08/12/0000", "+8/12/2026"})
        EXPECT_EQ(parseCheckDate(content), std::nullopt) << '"' << content << '"';
}

}  // namespace
}  // namespace reminders

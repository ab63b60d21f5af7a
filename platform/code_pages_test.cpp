// The stand-in's converters answer as Windows' own do: the same tests run
// against both.
#include "platform/code_pages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace platform {
namespace {

TEST(CodePages, DeclaredAndAnsiCodePagesConvertAsTheSystemDoes) {
    EXPECT_EQ(codePageToUtf8("\xC8\xE2\xE0\xED", 1251), "Иван");
    EXPECT_EQ(codePageToUtf8("\xA3ukasz", 1250), "Łukasz");
    EXPECT_EQ(codePageToUtf8("\xE9\xD7\xC1\xCE", 20866), "Иван");
    EXPECT_EQ(codePageToUtf8("Jos\xC3\xA9", 65001), "José");
    EXPECT_EQ(codePageToUtf8("\x81\x80", 1252), "\xC2\x81€");
    EXPECT_EQ(codePageToUtf8("", 1251), "");
    EXPECT_EQ(codePageToUtf8("abc", 12345), std::nullopt);

    EXPECT_EQ(utf8ToAnsi("José €"), "Jos\xE9 \x80");
    EXPECT_EQ(utf8ToAnsi("Иван"), "????");
    EXPECT_EQ(utf8ToAnsi("a\xFF"
                         "b"),
              "a?b");
    EXPECT_EQ(utf8ToAnsi(""), "");
    EXPECT_EQ(ansiToUtf8("Jos\xE9 \x80"), "José €");
    // The five bytes Windows-1252 leaves undefined go there and back.
    EXPECT_EQ(ansiToUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
    EXPECT_EQ(utf8ToAnsi("\u0081\u008D\u008F\u0090\u009D"), "\x81\x8D\x8F\x90\x9D");
}

// Windows' own converters on a system whose ANSI code page is UTF-8: the test
// windows_code_pages_utf8 runs it under Wine in such a prefix, and says so in
// FESTORIN_ANSI_CODE_PAGE.
TEST(CodePages, AUtf8AnsiCodePageKeepsEveryCharacter) {
    const char* codePage = std::getenv("FESTORIN_ANSI_CODE_PAGE");
    if (codePage == nullptr || std::string(codePage) != "65001")
        GTEST_SKIP() << "the ANSI code page is not UTF-8 here";
    EXPECT_EQ(utf8ToAnsi("Иван José 🎂"), "Иван José 🎂");
    EXPECT_EQ(utf8ToAnsi("a\xFF"
                         "b"),
              "a\uFFFDb");
    EXPECT_EQ(ansiToUtf8("Иван José"), "Иван José");
    EXPECT_EQ(codePageToUtf8("\xC8\xE2\xE0\xED", 1251), "Иван");
}

}  // namespace
}  // namespace platform

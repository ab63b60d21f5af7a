#include "text_encoding.h"

#include <gtest/gtest.h>

namespace address_book {
namespace {

TEST(TextEncoding, StrictUtf8) {
    for (const char* valid : {"", "plain", "\u00e9\u20ac", "\U0001F382", "\U0010FFFF"})
        EXPECT_TRUE(isUtf8(valid)) << valid;
    for (const char* invalid :
         {"\x80", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82",
          "a\xE2\x82", "\xF8\x88\x80\x80\x80", "\xFF", "\xC3\x28"})
        EXPECT_FALSE(isUtf8(invalid)) << testing::PrintToString(invalid);
}

// Every Windows-1252 byte comes back from its UTF-8 text, the five bytes the
// code page leaves undefined included.
TEST(TextEncoding, Windows1252RoundTrip) {
    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte) everyByte += static_cast<char>(byte);
    const std::string utf8 = windows1252ToUtf8(everyByte);
    EXPECT_TRUE(isUtf8(utf8));
    EXPECT_EQ(utf8ToWindows1252(utf8), everyByte);
    EXPECT_EQ(windows1252ToUtf8("\x80\x8a\x9f\x81"), "\u20ac\u0160\u0178\u0081");
    EXPECT_EQ(latin1ToUtf8("\x80\xe9"), "\u0080\u00e9");
}

TEST(TextEncoding, CharactersWindows1252LacksBecomeQuestionMarks) {
    EXPECT_EQ(utf8ToWindows1252("Zo\u00eb \u738b \U0001F382 \u20ac\u0080"), "Zo\xeb ? ? \x80?");
    // Each byte that starts no character is one question mark.
    EXPECT_EQ(utf8ToWindows1252("a\xff\xC3\x28\xE2\x82"),
              "a?"
              "?(?"
              "?");
}

TEST(TextEncoding, QuotedPrintable) {
    EXPECT_EQ(decodeQuotedPrintable("J=C3=BCrgen =c3=a9=3D"), "J\u00fcrgen \u00e9=");
    EXPECT_EQ(decodeQuotedPrintable("Tr=\r\n=C3=A9=\nmo=\rille="), "Tr\u00e9moille=");
    EXPECT_EQ(decodeQuotedPrintable("=G1 =4 100%=2"), "=G1 =4 100%=2");
}

TEST(TextEncoding, ByteOrderMark) {
    EXPECT_EQ(withoutByteOrderMark("\xEF\xBB\xBF\xEF\xBB\xBFx"), "\xEF\xBB\xBFx");
    EXPECT_EQ(withoutByteOrderMark("\xEF\xBB"), "\xEF\xBB");
}

}  // namespace
}  // namespace address_book

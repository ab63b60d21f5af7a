#include "text_encoding.h"

#include <gtest/gtest.h>

namespace address_book {
namespace {

TEST(TextEncoding, StrictUtf8) {
    for (const char* valid :
         {"", "plain", "\u00e9\u20ac", "\U0001F382", "\U0010FFFF", "\uD7FF", "\uE000"})
        EXPECT_TRUE(isUtf8(valid)) << valid;
    for (const char* invalid :
         {"\x80", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xED\xBF\xBF", "\xF4\x90\x80\x80",
          "\xE2\x82", "a\xE2\x82", "\xF8\x88\x80\x80\x80", "\xFF", "\xC3\x28"})
        EXPECT_FALSE(isUtf8(invalid)) << testing::PrintToString(invalid);
    // A cut never splits a character.
    EXPECT_EQ(cutAtCharacter("a\u00e9\U0001F382", 7), "a\u00e9\U0001F382");
    EXPECT_EQ(cutAtCharacter("a\u00e9\U0001F382", 6), "a\u00e9");
    EXPECT_EQ(cutAtCharacter("a\u00e9\U0001F382", 2), "a");
    EXPECT_EQ(cutAtCharacter("abc", 2), "ab");
}

TEST(TextEncoding, QuotedPrintable) {
    EXPECT_EQ(decodeQuotedPrintable("J=C3=BCrgen =c3=a9=3D=6f=6F"), "J\u00fcrgen \u00e9=oo");
    EXPECT_EQ(decodeQuotedPrintable("Tr=\r\n=C3=A9=\nmo=\rille="), "Tr\u00e9moille=");
    EXPECT_EQ(decodeQuotedPrintable("=G1 =4 100%=2"), "=G1 =4 100%=2");
}

TEST(TextEncoding, ByteOrderMark) {
    EXPECT_EQ(withoutByteOrderMark("\xEF\xBB\xBF\xEF\xBB\xBFx"), "\xEF\xBB\xBFx");
    EXPECT_EQ(withoutByteOrderMark("\xEF\xBB"), "\xEF\xBB");
}

}  // namespace
}  // namespace address_book

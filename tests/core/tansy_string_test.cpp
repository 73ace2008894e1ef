#include "model/tansy_string.h"

#include <gtest/gtest.h>

using namespace rebound;

TEST(TansyString, CTextAssignmentStopsAtFirstNul)
{
    TansyString text;
    text = "A1";
    EXPECT_EQ(text.size(), 2u);
    EXPECT_EQ(TansyString::FromCText(std::string_view("ab\0cd", 5)), "ab");
    EXPECT_EQ(TansyString::FromCText(std::string_view("abcdefgh", 8)).size(), 8u);
}

TEST(TansyString, DecodesCodePage936)
{
    // 新工程 in GBK, and the euro sign that code page 936 puts at 0x80.
    EXPECT_EQ(GbkToUtf8("\xD0\xC2\xB9\xA4\xB3\xCC"), "新工程");
    EXPECT_EQ(GbkToUtf8("\x80"), "€");
    EXPECT_EQ(GbkToUtf8(""), "");
}

TEST(TansyString, UndecodableBytesShowAsReplacementCharacter)
{
    // A lead byte followed by an invalid trail, and a lead byte cut off at the end.
    EXPECT_EQ(GbkToUtf8("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
    EXPECT_EQ(GbkToUtf8("ab\xD0"), "ab\xEF\xBF\xBD");
}

TEST(TansyString, EncodesAndReportsCharactersTheCodePageCannotHold)
{
    const GbkEncoding good = Utf8ToGbk("测区A1");
    ASSERT_TRUE(good.ok);
    EXPECT_EQ(good.bytes, "\xB2\xE2\xC7\xF8" "A1");
    EXPECT_EQ(GbkToUtf8(good.bytes), "测区A1");

    const GbkEncoding bad = Utf8ToGbk("ok😀x");
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(bad.bad_char, "😀");
    EXPECT_TRUE(bad.bytes.empty());
}

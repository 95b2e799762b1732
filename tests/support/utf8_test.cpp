#include "support/utf8.h"

#include <gtest/gtest.h>

TEST(Utf8, DecodesAndCountsCodePoints)
{
    const std::string text = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xAC"; // a é € 🎬
    EXPECT_EQ(Utf8Length(text), 4u);
    EXPECT_EQ(Utf8ToUtf32(text), (std::u32string{U'a', 0xE9, 0x20AC, 0x1F3AC}));
    EXPECT_EQ(Utf32ToUtf8(Utf8ToUtf32(text)), text);
    EXPECT_EQ(Utf8Substr(text, 1, 2), "\xC3\xA9\xE2\x82\xAC");
    EXPECT_EQ(Utf8ByteOffset(text, 3), 6u);
}

TEST(Utf8, InvalidBytesBecomeReplacementCharacters)
{
    const std::string bad = "a\xC3(\xFF\xED\xA0\x80";
    EXPECT_FALSE(IsValidUtf8(bad));
    EXPECT_TRUE(IsValidUtf8(SanitizeUtf8(bad)));
    EXPECT_EQ(Utf8ToUtf32("\xC0\xAF"), (std::u32string{0xFFFD, 0xFFFD})); // overlong "/"
    EXPECT_TRUE(IsValidUtf8("\xEF\xBF\xBD"));
}

TEST(Utf8, CaseMappingCoversNonAscii)
{
    EXPECT_EQ(Utf8UpperCase("stra\xC3\x9F"
                            "e \xC3\xA9t\xC3\xA9 \xD0\xB4"),
              "STRA\xC3\x9F"
              "E \xC3\x89T\xC3\x89 \xD0\x94");
    EXPECT_EQ(AsciiUpperCase("\xC3\xA9t\xC3\xA9"), "\xC3\xA9T\xC3\xA9");
    EXPECT_TRUE(SameTextIgnoreCase("\xC3\x89t\xC3\xA9", "\xC3\xA9T\xC3\x89"));
    EXPECT_LT(CompareTextIgnoreCase("abc", "ABD"), 0);
    EXPECT_GT(CompareTextIgnoreCase("abcd", "ABC"), 0);
}

TEST(Utf8, Windows1252MapsTheHighBlock)
{
    EXPECT_EQ(Windows1252ToUtf8("\x80 \xE9"), "\xE2\x82\xAC \xC3\xA9");
}

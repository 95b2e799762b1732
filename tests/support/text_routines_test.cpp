#include "support/format_settings.h"
#include "support/split_to_list.h"
#include "support/text_routines.h"

#include <gtest/gtest.h>

#include <climits>

TEST(FileSizeToStr, PicksUnitAndAlwaysWritesAPoint)
{
    TFormatSettings comma;
    comma.DecimalSeparator = ",";
    TFormatSettingsGuard guard(comma);
    const struct
    {
        int64_t size;
        const char* text;
    } cases[] = {
        {0, " 0 bytes"},
        {5, " 5 bytes"},
        {700, "700 bytes"},
        {1023, "1023 bytes"},
        {1024, "1.00 KB"},
        {1536, "1.50 KB"},
        {-1536, "-1.50 KB"},
        {1048575, "1024.00 KB"},
        {1048576, "1.00 MB"},
        {3221225472LL, "3.00 GB"},
        {5000LL * 1073741824LL, "5000.00 GB"},
        {INT64_MIN, "-8589934592.00 GB"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileSizeToStr(c.size, " bytes"), c.text) << c.size;
    }
}

TEST(IntToStrSep, GroupsThousands)
{
    EXPECT_EQ(IntToStrSep(0, U' '), "0");
    EXPECT_EQ(IntToStrSep(999, U' '), "999");
    EXPECT_EQ(IntToStrSep(1000, U' '), "1 000");
    EXPECT_EQ(IntToStrSep(123456, U' '), "123 456");
    EXPECT_EQ(IntToStrSep(1234567, U' '), "1 234 567");
    EXPECT_EQ(IntToStrSep(-1234567, U'.'), "-1.234.567");
    EXPECT_EQ(IntToStrSep(INT32_MIN, U' '), "-2 147 483 648");
    EXPECT_EQ(Int64ToStrSep(INT64_MAX, U'\u00A0'), "9\u00A0223\u00A0372\u00A0036\u00A0854\u00A0775\u00A0807");
}

TEST(ReplaceRoutines, ReplaceFirstOrAllWithOrWithoutCase)
{
    EXPECT_EQ(ReplaceAll("a-b-c", "-", "+", false), "a+b+c");
    EXPECT_EQ(ReplaceFirst("a-b-c", "-", "+", false), "a+b-c");
    EXPECT_EQ(ReplaceAll("aaa", "aa", "a", false), "aa"); // matches do not overlap, no rescan
    EXPECT_EQ(ReplaceAll("Abc ABC abc", "abc", "x", false), "Abc ABC x");
    EXPECT_EQ(ReplaceAll("Abc ABC abc", "abc", "x", true), "x x x");
    EXPECT_EQ(ReplaceAll("abc", "", "x", true), "abc");
    // Ignoring case works on whole code points; bytes outside the matches survive untouched.
    EXPECT_EQ(ReplaceAll("\xC3\xA9t\xC3\xA9 \xC3\x89T\xC3\x89", "\xC3\x89t\xC3\xA9", "x", true), "x x");
    EXPECT_EQ(ReplaceFirst("\xFF-Ab-\xFF", "aB", "\xE2\x82\xAC", true), "\xFF-\xE2\x82\xAC-\xFF");
    EXPECT_EQ(RemoveAll("RGB(1) rgb(2)", "rgb", true), "(1) (2)");
    EXPECT_EQ(TStr::RemoveAll("a b c", " ", false), "abc");
}

TEST(PositionRoutines, CountCodePointsFromOne)
{
    const std::string text = "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC"; // "été €"
    EXPECT_EQ(PosText("T\xC3\x89", text, false), 2u);
    EXPECT_EQ(PosText("T\xC3\x89", text, true), 0u);
    EXPECT_EQ(PosText("\xE2\x82\xAC", text, true), 5u);
    EXPECT_EQ(PosText("", text, false), 0u);
    EXPECT_EQ(LastCharPos(text, U'\u00E9'), 3u);
    EXPECT_EQ(LastCharPos(text, U'x'), 0u);
    EXPECT_EQ(CharCount(U'\u00E9', text), 2u);
    EXPECT_EQ(CharCount(U'e', text), 0u);
}

TEST(TextEdits, PrefixTrailingCharAndPadding)
{
    EXPECT_EQ(RemovePrefix("abcdef", "abc"), "def");
    EXPECT_EQ(RemovePrefix("abc", "AB"), "abc");
    EXPECT_EQ(RemoveTrailingChar("dir/", U'/'), "dir");
    EXPECT_EQ(RemoveTrailingChar("dir", U'/'), "dir");
    EXPECT_EQ(PadLeft("7", 3, U'0'), "007");
    EXPECT_EQ(PadLeft("\xC3\xA9t\xC3\xA9", 4, U' '), " \xC3\xA9t\xC3\xA9"); // length in code points
    EXPECT_EQ(TStr::PadLeft("1234", 2, U'0'), "1234");
    EXPECT_EQ(UpperTrim("  \tabc\xC3\xA9 \n"), "ABC\xC3\xA9");
    EXPECT_EQ(IfThenStr(true, "a", "b"), "a");
    EXPECT_EQ(IfThenStr(false, "a", "b"), "b");
}

TEST(PathText, ExtensionAndTrailingDelimiter)
{
    EXPECT_EQ(GetFileExtension("movie.final.mkv", false), ".mkv");
    EXPECT_EQ(GetFileExtension("movie.final.mkv", true), "mkv");
    EXPECT_EQ(GetFileExtension("/videos/movie", false), "");
    EXPECT_EQ(GetFileExtension("/videos.old/movie", false), "");
    EXPECT_EQ(ExcludeTrailingDotAndDelimiter("/home/dir/."), "/home/dir");
    EXPECT_EQ(ExcludeTrailingDotAndDelimiter("/home/dir/"), "/home/dir");
    EXPECT_EQ(ExcludeTrailingDotAndDelimiter("/home/dir"), "/home/dir");
    // A dot that ends a name is part of it: "out." and "out" are two folders.
    EXPECT_EQ(ExcludeTrailingDotAndDelimiter("/home/out."), "/home/out.");
    EXPECT_EQ(ExcludeTrailingDotAndDelimiter("/home/out./"), "/home/out.");
    EXPECT_EQ(ExcludeTrailingDotAndDelimiter("/home/.."), "/home/..");
}

TEST(RandomHexString, ShapeOfTheText)
{
    EXPECT_EQ(RandomHexString(0, ":", false), "");
    // Enough bytes that a generator reaching 255 would show "FF" somewhere.
    const std::string upper = RandomHexString(4000, ":", false);
    ASSERT_EQ(upper.size(), 4000u * 3 - 1);
    for (size_t i = 0; i < upper.size(); ++i) {
        if (i % 3 == 2) {
            EXPECT_EQ(upper[i], ':');
        } else {
            EXPECT_NE(std::string("0123456789ABCDEF").find(upper[i]), std::string::npos) << upper;
        }
        EXPECT_NE(upper.substr(i - i % 3, 2), "FF");
    }
    const std::string lower = RandomHexString(8, "", true);
    EXPECT_EQ(lower.size(), 16u);
    EXPECT_EQ(lower.find_first_not_of("0123456789abcdef"), std::string::npos);
}

TEST(SplitToList, TrimsPiecesAndKeepsInnerEmptyOnes)
{
    const struct
    {
        const char* text;
        const char* separator;
        std::vector<std::string> pieces;
    } cases[] = {
        {"a, ,b", ",", {"a", "", "b"}},
        {"a,b,", ",", {"a", "b"}},
        {" a ;; b ", ";;", {"a", "b"}},
        {"", ",", {}},
        {",", ",", {""}},
        {"a b", "", {"a b"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> list{"kept"};
        SplitToList(c.text, &list, c.separator);
        std::vector<std::string> expected{"kept"};
        expected.insert(expected.end(), c.pieces.begin(), c.pieces.end());
        EXPECT_EQ(list, expected) << c.text;
    }
    SplitToList("a,b", nullptr, ","); // no list, nothing to do
}

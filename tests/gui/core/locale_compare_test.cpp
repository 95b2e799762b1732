#include "platform/gui/core/locale_compare.h"

#include <gtest/gtest.h>

namespace {

class LocaleCompare : public testing::Test
{
protected:
    ~LocaleCompare() override { SetCollationLocale(""); }
};

} // namespace

TEST_F(LocaleCompare, FollowsTheLanguageNotTheCodePoints)
{
    SetCollationLocale("en_US");
    EXPECT_LT(LocaleCompareStr("a", "B"), 0);                 // "B" < "a" by code points
    EXPECT_LT(LocaleCompareStr("\xC3\xA9t\xC3\xA9", "f"), 0); // "été" before "f"
    EXPECT_NE(LocaleCompareStr("b", "B"), 0);
    EXPECT_EQ(LocaleCompareStr("same", "same"), 0);

    EXPECT_EQ(LocaleCompareText("abc", "ABC"), 0);
    EXPECT_LT(LocaleCompareText("a", "B"), 0);
    EXPECT_GT(LocaleCompareText("Zebra", "apple"), 0);
}

TEST_F(LocaleCompare, TheChosenLocaleDecides)
{
    const char* aUmlaut = "\xC3\xA4"; // "ä": beside "a" in German, after "z" in Swedish
    SetCollationLocale("de_DE");
    EXPECT_LT(LocaleCompareStr(aUmlaut, "z"), 0);
    SetCollationLocale("sv_SE");
    EXPECT_GT(LocaleCompareStr(aUmlaut, "z"), 0);
    EXPECT_GT(LocaleCompareText(aUmlaut, "Z"), 0);
}

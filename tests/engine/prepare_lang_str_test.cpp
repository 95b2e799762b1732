#include "engine/prepare_lang_str.h"

#include <gtest/gtest.h>

TEST(PrepareLangStr, ExpandsEscapesAndUpToTwoPlaceholders)
{
    struct Case
    {
        std::string text, arg1, arg2, expected;
    };
    const Case cases[] = {
        {"%s and %s", "X", "Y", "X and Y"},
        {"only %s", "X", "Y", "only X"},
        {"none", "X", "Y", "none"},
        {"%s|bar|%s", "1%s", "2", "12|bar|%s"}, // the second argument fills the placeholder of the first
        {"a %s %s %s", "1", "2", "a 1 2 %s"},
        {"Line\\nnext\\tcell", "", "", "Line\nnext\tcell"},
        {"keep \\N and \\T", "", "", "keep \\N and \\T"},
        {"\\n%s", "\\n", "", "\n\\n"}, // escapes come from the stored text only
    };
    for (const Case& c : cases)
        EXPECT_EQ(PrepareLangStr(c.text, c.arg1, c.arg2), c.expected) << c.text;
}

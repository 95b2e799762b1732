#include "platform/gui/graphics/color_names.h"
#include "support/errors.h"
#include "support/system_colors.h"

#include <gtest/gtest.h>

namespace {

TEST(ColorNames, NamesAndHexadecimalBothWays)
{
    struct Case
    {
        TColor color;
        const char* text;
    };
    const Case cases[] = {
        {clWhite, "clWhite"},      {clBtnFace, "clBtnFace"},  {clNone, "clNone"},
        {clDefault, "clDefault"},  {clMedGray, "clMedGray"},  {cl3DDkShadow, "cl3DDkShadow"},
        {0x00123456, "$00123456"}, {0xFF000040, "$FF000040"}, {0x00ABCDEF, "$00ABCDEF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ColorToString(c.color), c.text);
        EXPECT_EQ(StringToColor(c.text), c.color) << c.text;
    }
}

TEST(ColorNames, ReadsAnyCaseAndDecimalAndRejectsTheRest)
{
    EXPECT_EQ(StringToColor("CLBTNFACE"), clBtnFace);
    EXPECT_EQ(StringToColor("255"), clRed);
    EXPECT_EQ(StringToColor("0x0000FF"), clRed);
    EXPECT_EQ(StringToColor("-16777201"), clBtnFace);
    for (const char* bad : {"", "clNoSuchColour", "$GG", "red"})
        EXPECT_THROW(StringToColor(bad), EConvertError) << bad;
}

} // namespace

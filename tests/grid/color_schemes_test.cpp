#include "controls/grid/color_schemes.h"

#include "platform/gui/windows/control.h"

#include <gtest/gtest.h>

TEST(ColorSchemes, TablesAsTheyStand)
{
    const struct
    {
        int element;
        TColorScheme scheme;
        TColor expected;
    } cases[] = {
        {9, csDefault, 0x8B4215}, // the default is the current scheme, blue
        {5, csBlue, 0},           // set for black only
        {5, csBlack, 0x3C8CFB},
        {1, csBlack, 0x0A0A0A},
        {2, csBlack2010, 0x3B3B3B},
        {3, csBlue2010, 0xE5D0BF},
        {13, csSilver, 0x74706F},
        {18, csBlue, 0xE9CFB8},
        {23, csSilver2010, 0x977778},
        {16, csSilver, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetSchemeColor(c.element, c.scheme), c.expected) << c.element << "/" << c.scheme;

    EXPECT_EQ(GetSchemeColor6(18, 0), 0xB5ACA5u);
    EXPECT_EQ(GetSchemeColor6(17, 0), 0x00FF00u); // scheme 0 reads scheme 2
    EXPECT_EQ(GetSchemeColor6(0, 5), 0x553929u);
    EXPECT_EQ(GetSchemeColor6(14, 2), 0xD48A2Au);
    EXPECT_EQ(GetSchemeColor6(17, 1), 0xB0CC99u);
}

TEST(ColorSchemes, RegistryOfSchemeControls)
{
    TControl first(nullptr), second(nullptr);
    RegisterSchemeControl(&first);
    UnregisterSchemeControl(&second); // never registered: nothing changes
    EXPECT_TRUE(IsSchemeControlRegistered(&first));
    EXPECT_FALSE(IsSchemeControlRegistered(&second));
    UnregisterSchemeControl(&first);
    EXPECT_FALSE(IsSchemeControlRegistered(&first));
}

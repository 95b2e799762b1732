#include "platform/system/guid.h"
#include "support/errors.h"

#include <gtest/gtest.h>

TEST(Guid, RegistryTextBothWays)
{
    const TGUID guid{0x0F1E2D3C, 0x4B5A, 0x6978, {0x87, 0x96, 0xA5, 0xB4, 0xC3, 0xD2, 0xE1, 0xF0}};
    const std::string text = "{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}";
    EXPECT_EQ(GUIDToString(guid), text);
    EXPECT_EQ(StringToGUID(text), guid);
    EXPECT_EQ(StringToGUID("{0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0}"), guid);
    for (const char* bad :
         {"", "0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0", "{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F}",
          "{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0", "{0F1E2D3C4B5A-6978-8796-A5B4C3D2E1F00}",
          "{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1G0}", "{0F1E2D3C-4B5A-6978-8796+A5B4C3D2E1F0}"})
        EXPECT_THROW(StringToGUID(bad), EConvertError) << bad;
}

TEST(Guid, NewIdentifiersDifferAndCarryTheirVersion)
{
    const TGUID first = CreateGUID();
    const TGUID second = CreateGUID();
    EXPECT_NE(first, second);
    for (const TGUID& guid : {first, second}) {
        const std::string text = GUIDToString(guid);
        EXPECT_EQ(text[15], '4');
        EXPECT_NE(std::string("89AB").find(text[20]), std::string::npos) << text;
    }
}

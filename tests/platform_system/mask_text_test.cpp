#include "platform/system/mask_text.h"
#include "support/format_settings.h"

#include <gtest/gtest.h>

TEST(FormatMaskText, PlacesTheTextOnTheMask)
{
    const struct
    {
        const char* mask;
        const char* value;
        const char* text;
    } cases[] = {
        {"(999) 000-0000;0;_", "5551234567", "(555) 123-4567"},
        {"(999) 000-0000;1;_", "(555) 123-4567", "(555) 123-4567"},
        {"(999) 000-0000", "(555)_123-4567", "(555) 123-4567"}, // literals saved when the field is missing
        {"000-000;0", "12", "12 -   "},
        {"000-000;0", "1234567", "123-456"},
        {">LL-<ll;0", "abCD", "AB-cd"},
        {">L<>l;0", "ab", "Ab"},
        {"!99999;0", "42", "   42"},
        {"\\(000\\);0", "123", "(123)"},
        {"00:00;0", "1230", "12:30"},
        {"ll;0", "\xC3\xA9t\xC3\xA9", "\xC3\xA9t"}, // code points, not bytes
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatMaskText(c.mask, c.value), c.text) << c.mask << " " << c.value;
}

TEST(FormatMaskText, SeparatorsComeFromTheSettings)
{
    TFormatSettings settings;
    settings.TimeSeparator = ".";
    settings.DateSeparator = "/";
    TFormatSettingsGuard guard(settings);
    EXPECT_EQ(FormatMaskText("00:00;0", "1230"), "12.30");
    EXPECT_EQ(FormatMaskText("00/00;0", "0703"), "07/03");
}

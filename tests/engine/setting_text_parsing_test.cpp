#include "engine/setting_text_parsing.h"

#include "support/format_settings.h"

#include <gtest/gtest.h>

namespace {

void ExpectRatios()
{
    struct Case
    {
        std::string text;
        bool valid;
        double x, y;
    };
    const Case cases[] = {
        {"16:9", true, 16, 9},   {"16/9", true, 16, 9},   {"16\\9", true, 16, 9},  {" 4 : 3 ", true, 4, 3},
        {"1.85", true, 1.85, 1}, {"2,35", true, 2.35, 1}, {"1.5:1", true, 1.5, 1}, {"abc", false, 0, 0},
        {"4:", false, 0, 0},     {"", false, 0, 0},       {"1.2.3", false, 0, 0},  {"16:9:1", false, 0, 0},
    };
    for (const Case& c : cases) {
        double x = 0;
        double y = 0;
        EXPECT_EQ(ParseRatio(c.text, x, y), c.valid) << c.text;
        EXPECT_EQ(IsValidRatio(c.text), c.valid) << c.text;
        if (c.valid) {
            EXPECT_DOUBLE_EQ(x, c.x) << c.text;
            EXPECT_DOUBLE_EQ(y, c.y) << c.text;
        }
    }
}

} // namespace

TEST(SettingTextParsing, RatiosInEitherDecimalSeparator)
{
    ExpectRatios();
    TFormatSettings comma;
    comma.DecimalSeparator = ",";
    TFormatSettingsGuard guard(comma);
    ExpectRatios();
}

TEST(SettingTextParsing, TimeTextsToSeconds)
{
    struct Case
    {
        std::string text;
        double seconds;
    };
    const Case cases[] = {
        {"01:02:03.5", 3723.5},
        {"01:02:03,5", 3723.5},
        {" 1 : 2 : 3 ", 3723},
        {"00:00:07", 7},
        {"2:30", 7200},
        {"90", 0},
        {"", 0},
        {"x:2:3", 123},
        {"1:y:3", 3603},
        {"1:2:z", 3720},
        {"1.5:2:3", 123},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(TimeStrToSeconds(c.text), c.seconds) << c.text;
}

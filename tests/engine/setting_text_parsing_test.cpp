#include "engine/setting_text_parsing.h"

#include "engine/media_info_records.h"

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

TEST(SettingTextParsing, ResolutionItems)
{
    TVideoFileInfo info;
    info.VideoStreams[0].Width = 1920;
    info.VideoStreams[0].Height = 1080;
    struct Case
    {
        std::string text;
        int32_t width, height;
    };
    const Case cases[] = {
        {"1280 x 720 - HD720", 1280, 720},
        {"1280X720", 1280, 720},
        {"50%", 960, 544},          // 540 rounds to the nearest multiple of 8
        {"33 % - third", 632, 352}, // 633.6 -> 634 -> 632; 356.4 -> 356, half way -> 352
        {"854x", 856, 0},           // no height: it stays 2, which rounds to 0
        {"abc", 0, 0},
        {"x%", 0, 0},
    };
    for (const Case& c : cases) {
        int32_t width = -1;
        int32_t height = -1;
        ParseResolutionText(c.text, info, width, height);
        EXPECT_EQ(width, c.width) << c.text;
        EXPECT_EQ(height, c.height) << c.text;
    }
}

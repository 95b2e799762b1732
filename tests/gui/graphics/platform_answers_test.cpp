#include "platform/gui/graphics/platform_answers.h"
#include "platform/gui/graphics/theme.h"

#include <gtest/gtest.h>

TEST(PlatformAnswers, VersionsAnswerTheQuestionsTheProgramAsks)
{
    const struct
    {
        int major, minor;
        bool xp, vista, upTo61;
    } cases[] = {
        {5, 0, false, false, true}, {5, 1, true, false, true}, {6, 0, true, true, true},
        {6, 1, true, true, true},   {6, 2, true, true, false}, {10, 0, true, true, false},
    };
    for (const auto& c : cases) {
        TPlatformAnswers answers;
        answers.MajorVersion = c.major;
        answers.MinorVersion = c.minor;
        EXPECT_EQ(answers.XPOrLater(), c.xp) << c.major << "." << c.minor;
        EXPECT_EQ(answers.VistaOrLater(), c.vista) << c.major << "." << c.minor;
        EXPECT_EQ(answers.Version61OrOlder(), c.upTo61) << c.major << "." << c.minor;
    }
}

TEST(PlatformAnswers, TheDesktopsAnswersFollowTheThemeSwitchUntilReplaced)
{
    EXPECT_TRUE(PlatformAnswers().VistaOrLater());
    EXPECT_FALSE(PlatformAnswers().Version61OrOlder());
    EXPECT_EQ(PlatformAnswers().CommonControlsVersion, 6);
    EXPECT_TRUE(PlatformAnswers().VisualStylesEnabled());
    SetThemesEnabled(false);
    EXPECT_FALSE(PlatformAnswers().VisualStylesEnabled());
    SetThemesEnabled(true);

    SetPlatformAnswers(TPlatformAnswers{
        .MajorVersion = 5, .MinorVersion = 1, .CommonControlsVersion = 5, .VisualStyles = false});
    EXPECT_FALSE(PlatformAnswers().VistaOrLater());
    EXPECT_EQ(PlatformAnswers().CommonControlsVersion, 5);
    EXPECT_FALSE(PlatformAnswers().VisualStylesEnabled()) << "a fixed answer wins over the switch";
    SetPlatformAnswers(std::nullopt);
    EXPECT_TRUE(PlatformAnswers().VistaOrLater());
    EXPECT_TRUE(PlatformAnswers().VisualStylesEnabled());
}

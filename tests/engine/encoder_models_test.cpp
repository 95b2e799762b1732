#include "engine/encoder_settings.h"
#include "engine/run_options.h"

#include <gtest/gtest.h>

TEST(EncoderSettings, ComboTextKnowsTheAutomaticItemInAnyCase)
{
    EXPECT_EQ(ComboText::FromDisplayText(" auto ", "Auto"), ComboText::Automatic());
    EXPECT_EQ(ComboText::FromDisplayText("Automatisch", "Automatisch"), ComboText::Automatic());
    EXPECT_EQ(ComboText::FromDisplayText("Auto", "Automatisch"), ComboText::Typed("Auto"));
    EXPECT_EQ(ComboText::FromDisplayText(" 1500 ", "Auto"), ComboText::Typed(" 1500 "));
    EXPECT_EQ(ComboText::Automatic().DisplayText("Auto"), "Auto");
    EXPECT_EQ(ComboText::Typed("").DisplayText("Auto"), "");
}

TEST(EncoderSettings, DefaultsTakeTheProgramsVideoCodec)
{
    const EncoderSettings settings = DefaultEncoderSettings(ItemIndex::AviCodecH264);
    EXPECT_EQ(settings.Avi.Codec, ItemIndex::AviCodecH264);
    EXPECT_EQ(settings.OutputFormat, ofAvi);
}

TEST(EncoderSettings, AdditionalParamsBecomeOneLine)
{
    const struct
    {
        const char* Memo;
        const char* Line;
    } cases[] = {
        {"", ""},
        {"-x 1", " -x 1"},
        {"-x 1\r\n-y 2", " -x 1 -y 2"},
        {"-x 1\n-y 2\r-z", " -x 1 -y 2 -z"},
        {"-x 1\r\n", " -x 1"},
        {"a\n\nb", " a  b"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetAdditionalParamsStr(c.Memo), c.Line) << c.Memo;
}

TEST(RunOptions, RelativeOutputFolderIsTakenAgainstTheProgramFolder)
{
    EXPECT_EQ(AbsolutePathIn("out", "/opt/qm"), "/opt/qm/out");
    EXPECT_EQ(AbsolutePathIn("./out/", "/opt/qm"), "/opt/qm/./out/");
    EXPECT_EQ(AbsolutePathIn("../videos", "/opt/qm"), "/opt/qm/../videos");
    EXPECT_EQ(AbsolutePathIn("/srv/videos", "/opt/qm"), "/srv/videos");
    EXPECT_EQ(AbsolutePathIn("", "/opt/qm"), "");
}

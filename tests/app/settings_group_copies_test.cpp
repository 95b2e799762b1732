#include "app/model/settings_group_copies.h"

#include <gtest/gtest.h>

namespace {

// Settings whose every group differs from the defaults and from OtherGroupsSettings().
EncoderSettings CopiedGroupsSettings()
{
    EncoderSettings s = DefaultEncoderSettings(0);
    s.Avi.Codec = ItemIndex::AviCodecMotionJpeg;
    s.Avi.Bitrate = ComboText::Typed("1234");
    s.Avi.FPS = ComboText::Typed("23.976");
    s.Avi.TwoPass = true;
    s.Mpg.Preset = ItemIndex::MpgPresetPalDvd;
    s.Mpg.Bitrate = ComboText::Typed("5000");
    s.Audio.Codec = ItemIndex::AudioCodecAc3;
    s.Audio.Sampling = ComboText::Typed("48000");
    s.Audio.Volume = 150;
    s.Advanced.CropTop = 8;
    s.Advanced.Rotate = true;
    s.Advanced.AdditionalParams = "-an";
    return s;
}

EncoderSettings OtherGroupsSettings()
{
    EncoderSettings s = DefaultEncoderSettings(0);
    s.OutputFormat = ofMpg;
    s.Avi.Codec = ItemIndex::AviCodecH264;
    s.Mpg.MpegVersion = 1;
    s.Audio.Channels = 2;
    s.Advanced.Negative = true;
    return s;
}

TEST(SettingsGroupCopies, PasteReplacesOnlyItsGroup)
{
    struct Case
    {
        TSettingsGroup group;
        void (*take)(EncoderSettings& into, const EncoderSettings& from);
    };
    const Case cases[] = {
        {TSettingsGroup::AviVideo, [](EncoderSettings& i, const EncoderSettings& f) { i.Avi = f.Avi; }},
        {TSettingsGroup::MpgVideo, [](EncoderSettings& i, const EncoderSettings& f) { i.Mpg = f.Mpg; }},
        {TSettingsGroup::Audio, [](EncoderSettings& i, const EncoderSettings& f) { i.Audio = f.Audio; }},
        {TSettingsGroup::Advanced,
         [](EncoderSettings& i, const EncoderSettings& f) { i.Advanced = f.Advanced; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.group));
        TSettingsGroupCopies copies;
        copies.Copy(c.group, CopiedGroupsSettings());
        for (TSettingsGroup other : AllSettingsGroups)
            EXPECT_EQ(copies.Filled(other), other == c.group);

        EncoderSettings pasted = OtherGroupsSettings();
        ASSERT_TRUE(copies.Paste(c.group, pasted));
        EncoderSettings expected = OtherGroupsSettings();
        c.take(expected, CopiedGroupsSettings());
        EXPECT_EQ(pasted, expected);
    }
}

// A slot never filled pastes nothing, however often it is asked (a run's EnableAll once let it paste zeros).
TEST(SettingsGroupCopies, EmptySlotPastesNothing)
{
    TSettingsGroupCopies copies;
    copies.Copy(TSettingsGroup::Audio, CopiedGroupsSettings());
    for (TSettingsGroup group :
         {TSettingsGroup::AviVideo, TSettingsGroup::MpgVideo, TSettingsGroup::Advanced}) {
        EncoderSettings settings = OtherGroupsSettings();
        EXPECT_FALSE(copies.Paste(group, settings));
        EXPECT_EQ(settings, OtherGroupsSettings());
    }
}

TEST(SettingsGroupCopies, SecondCopyReplacesTheFirst)
{
    TSettingsGroupCopies copies;
    copies.Copy(TSettingsGroup::AviVideo, CopiedGroupsSettings());
    copies.Copy(TSettingsGroup::AviVideo, OtherGroupsSettings());
    EncoderSettings pasted = CopiedGroupsSettings();
    ASSERT_TRUE(copies.Paste(TSettingsGroup::AviVideo, pasted));
    EXPECT_EQ(pasted.Avi, OtherGroupsSettings().Avi);
}

TEST(SettingsGroupCopies, TypedTextsTheListCannotUseBecomeAuto)
{
    using Field = ComboText& (*)(EncoderSettings&);
    struct Case
    {
        TSettingsGroup group;
        Field field;
        const char* typed;
        bool kept;
    };
    const Field aviThreads = [](EncoderSettings& s) -> ComboText& { return s.Avi.Threads; };
    const Field aviBitrate = [](EncoderSettings& s) -> ComboText& { return s.Avi.Bitrate; };
    const Field aviFPS = [](EncoderSettings& s) -> ComboText& { return s.Avi.FPS; };
    const Field aviAspect = [](EncoderSettings& s) -> ComboText& { return s.Avi.Aspect; };
    const Field mpgBitrate = [](EncoderSettings& s) -> ComboText& { return s.Mpg.Bitrate; };
    const Field mpgFPS = [](EncoderSettings& s) -> ComboText& { return s.Mpg.FPS; };
    const Field audioBitrate = [](EncoderSettings& s) -> ComboText& { return s.Audio.Bitrate; };
    const Field audioSampling = [](EncoderSettings& s) -> ComboText& { return s.Audio.Sampling; };
    using G = TSettingsGroup;
    const Case cases[] = {
        {G::AviVideo, aviThreads, "4", true},     {G::AviVideo, aviThreads, "auto4", false},
        {G::AviVideo, aviBitrate, "1234", true},  {G::AviVideo, aviBitrate, "12k", false},
        {G::AviVideo, aviFPS, "23.976", true},    {G::AviVideo, aviFPS, "-", false},
        {G::AviVideo, aviAspect, "16:9", true},   {G::AviVideo, aviAspect, "wide", false},
        {G::MpgVideo, mpgBitrate, "", false},     {G::MpgVideo, mpgFPS, "29,97", true},
        {G::MpgVideo, mpgFPS, "fast", false},     {G::Audio, audioBitrate, "192", true},
        {G::Audio, audioSampling, "44100", true}, {G::Audio, audioSampling, "44.1", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        EncoderSettings copied = DefaultEncoderSettings(0);
        c.field(copied) = ComboText::Typed(c.typed);
        TSettingsGroupCopies copies;
        copies.Copy(c.group, copied);
        EncoderSettings pasted = OtherGroupsSettings();
        ASSERT_TRUE(copies.Paste(c.group, pasted));
        EXPECT_EQ(c.field(pasted), c.kept ? ComboText::Typed(c.typed) : ComboText::Automatic());
    }
}

} // namespace

#include "app/main/settings_panels.h"
#include "controls/edits/combo_box.h"
#include "engine/app_strings.h"
#include "gui_driver.h"
#include "main_window_fixture.h"
#include "platform/gui/windows/actions.h"

// Copy, paste and default of the four settings groups through the window's commands.

namespace {

// Every group away from its defaults: what the tests copy.
EncoderSettings SettingsToCopy()
{
    EncoderSettings s = DefaultEncoderSettings(0);
    s.Avi.Codec = ItemIndex::AviCodecMotionJpeg;
    s.Avi.Bitrate = ComboText::Typed("1234");
    s.Avi.FPS = ComboText::Typed("23.976");
    s.Avi.Aspect = ComboText::Typed("16:9");
    s.Avi.TwoPass = true;
    s.Mpg.Preset = ItemIndex::MpgPresetCustom;
    s.Mpg.MpegVersion = 1;
    s.Mpg.Bitrate = ComboText::Typed("5000");
    s.Mpg.DontCopy = true;
    s.Audio.Codec = ItemIndex::AudioCodecAc3;
    s.Audio.Sampling = ComboText::Typed("48000");
    s.Audio.Channels = 2;
    s.Audio.Volume = 150;
    s.Advanced.AudioTrackNo = 3;
    s.Advanced.Interlacing = ItemIndex::InterlacingDeinterlace;
    s.Advanced.Resolution = ItemIndex::ResolutionCustom;
    s.Advanced.ResWidth = 640;
    s.Advanced.CropTop = 8;
    s.Advanced.Brightness = true;
    s.Advanced.BrightnessValue = 5;
    s.Advanced.Rotate = true;
    s.Advanced.RotateText = "90";
    s.Advanced.AdditionalParams = "-map_metadata -1";
    return s;
}

// Other values in every group, changed after the copy.
EncoderSettings SettingsChangedAfterCopy()
{
    EncoderSettings s = DefaultEncoderSettings(0);
    s.Avi.Codec = ItemIndex::AviCodecH264;
    s.Avi.Bitrate = ComboText::Typed("800");
    s.Mpg.Bitrate = ComboText::Typed("3000");
    s.Audio.Codec = ItemIndex::AudioCodecMp3;
    s.Audio.Volume = 50;
    s.Advanced.CropLeft = 16;
    s.Advanced.Negative = true;
    return s;
}

class MainWindowSettingsGroups : public MainWindow
{
protected:
    // The audio track list as a file with trackCount audio streams fills it.
    void SetAudioTracks(int trackCount)
    {
        TStrings& items = *Form->Panels().cbAudioTrackNo->Items();
        items.Clear();
        items.Add(AppStrings->Main.Auto);
        for (int i = 1; i <= trackCount; ++i)
            items.Add(std::to_string(i) + ": MP2 - 64 kbit/s");
    }
};

TEST_F(MainWindowSettingsGroups, PasteBringsBackItsGroupOnly)
{
    struct Case
    {
        const char* what;
        TAction* TMainActions::*copy;
        TAction* TMainActions::*paste;
        void (*take)(EncoderSettings& into, const EncoderSettings& copied);
        int tracksAtPaste = 3;
    };
    using A = TMainActions;
    const Case cases[] = {
        {"AVI video", &A::actCopyVideoSettings_Avi, &A::actPasteVideoSettings_Avi,
         [](EncoderSettings& i, const EncoderSettings& c) {
             i.Avi = c.Avi;
             i.OutputFormat = ofAvi; // the page comes to the front
         }},
        {"MPG video", &A::actCopyVideoSettings_Mpg, &A::actPasteVideoSettings_Mpg,
         [](EncoderSettings& i, const EncoderSettings& c) {
             i.Mpg = c.Mpg;
             i.OutputFormat = ofMpg;
         }},
        {"audio", &A::actCopyAudioSettings, &A::actPasteAudioSettings,
         [](EncoderSettings& i, const EncoderSettings& c) { i.Audio = c.Audio; }},
        {"advanced", &A::actCopyAdvancedSettings, &A::actPasteAdvancedSettings,
         [](EncoderSettings& i, const EncoderSettings& c) { i.Advanced = c.Advanced; }},
        {"advanced, the file now selected has one audio track", &A::actCopyAdvancedSettings,
         &A::actPasteAdvancedSettings,
         [](EncoderSettings& i, const EncoderSettings& c) {
             i.Advanced = c.Advanced;
             i.Advanced.AudioTrackNo = 0; // the automatic track
         },
         1},
    };
    Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetAudioTracks(3);
        Form->SetCurrentEncoderSettings(SettingsToCopy());
        ASSERT_EQ(Form->CurrentEncoderSettings(), SettingsToCopy());
        (Form->Actions.*c.copy)->Execute();
        EXPECT_TRUE((Form->Actions.*c.paste)->Enabled());

        for (TOutputFormat page : {ofAvi, ofMpg}) {
            EncoderSettings changed = SettingsChangedAfterCopy();
            changed.OutputFormat = page;
            SetAudioTracks(c.tracksAtPaste);
            Form->SetCurrentEncoderSettings(changed);
            (Form->Actions.*c.paste)->Execute();
            EncoderSettings expected = changed;
            c.take(expected, SettingsToCopy());
            EXPECT_EQ(Form->CurrentEncoderSettings(), expected) << "on page " << page;
        }
    }
}

// A run greys every command and EnableAll brings them back: a paste whose group was never copied stays
// disabled and pastes nothing (it once wrote a whole group of zeros).
TEST_F(MainWindowSettingsGroups, EmptyCopyStaysUnpastableAfterARun)
{
    Start();
    Form->SetCurrentEncoderSettings(SettingsChangedAfterCopy());
    Form->Actions.actCopyAudioSettings->Execute();
    Form->DisableAll();
    Form->EnableAll();

    EXPECT_TRUE(Form->Actions.actPasteAudioSettings->Enabled());
    for (TAction* paste : {Form->Actions.actPasteVideoSettings_Avi, Form->Actions.actPasteVideoSettings_Mpg,
                           Form->Actions.actPasteAdvancedSettings}) {
        SCOPED_TRACE(paste->Name());
        EXPECT_FALSE(paste->Enabled());
        paste->Execute();
        EXPECT_EQ(Form->CurrentEncoderSettings(), SettingsChangedAfterCopy());
    }
    for (TSettingsGroup group :
         {TSettingsGroup::AviVideo, TSettingsGroup::MpgVideo, TSettingsGroup::Advanced})
        Form->PasteSettingsGroup(group);
    EXPECT_EQ(Form->CurrentEncoderSettings(), SettingsChangedAfterCopy());
}

TEST_F(MainWindowSettingsGroups, DefaultResetsItsGroupAndShowsAVideoGroupsPage)
{
    struct Case
    {
        TAction* TMainActions::*command;
        void (*take)(EncoderSettings& into);
    };
    using A = TMainActions;
    const Case cases[] = {
        {&A::actDefaultVideoSettings_Avi,
         [](EncoderSettings& i) {
             i.Avi = DefaultAviVideoSettings(0);
             i.OutputFormat = ofAvi;
         }},
        {&A::actDefaultVideoSettings_Mpg,
         [](EncoderSettings& i) {
             i.Mpg = DefaultMpgVideoSettings();
             i.OutputFormat = ofMpg;
         }},
        {&A::actDefaultAudioSettings, [](EncoderSettings& i) { i.Audio = DefaultAudioSettings(); }},
        {&A::actDefaultAdvancedSettings, [](EncoderSettings& i) { i.Advanced = DefaultAdvancedSettings(); }},
    };
    Start();
    SetAudioTracks(3);
    for (const Case& c : cases) {
        SCOPED_TRACE((Form->Actions.*c.command)->Name());
        for (TOutputFormat page : {ofAvi, ofMpg}) {
            EncoderSettings copied = SettingsToCopy();
            copied.OutputFormat = page;
            Form->SetCurrentEncoderSettings(copied);
            (Form->Actions.*c.command)->Execute();
            EncoderSettings expected = copied;
            c.take(expected);
            EXPECT_EQ(Form->CurrentEncoderSettings(), expected) << "on page " << page;
        }
    }
}

} // namespace

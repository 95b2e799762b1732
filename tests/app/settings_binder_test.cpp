#include "settings_panels_fixture.h"

#include "app/main/settings_binder.h"
#include "controls/edits/combo_box.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

// The panels under a language whose word for "Auto" is not the English one.
class SettingsBinder : public SettingsPanelsFixture
{
protected:
    SettingsBinder()
    {
        const fs::path file =
            fs::temp_directory_path() / ("qm_binder_lang_" + std::to_string(getpid()) + ".ini");
        std::ofstream(file) << "[INFO]\nLangName_InEnglish=German\n[MAIN]\nAuto=Automatisch\n"
                               "FirstAudioTrack=(erste Tonspur)\nCustom=Benutzerdefiniert\n"
                               "cbAfterConversion_CloseWindows=Computer ausschalten\n";
        german.LoadFromFile(file.string());
        fs::remove(file);
    }

    TAppStrings german;
};

EncoderSettings EverythingChanged()
{
    EncoderSettings s;
    s.OutputFormat = ofMpg;
    s.Avi = {ItemIndex::AviCodecCopy,
             ComboText::Typed("8"),
             ComboText::Typed("1234"),
             ComboText::Typed("23.976"),
             ComboText::Typed("2.35"),
             true,
             true};
    s.Mpg = {ItemIndex::MpgPresetPalDvd, 1, ComboText::Typed("27000"), ComboText::Automatic(), true, true};
    s.Audio = {ItemIndex::AudioCodecCopy, ComboText::Typed("192"), ComboText::Typed("44100"), 3, 300, true};
    AdvancedSettings& a = s.Advanced;
    a.Interlacing = ItemIndex::InterlacingKeep;
    a.Resolution = 16;
    a.ResWidth = 1920;
    a.ResHeight = 1080;
    a.CropTop = 8;
    a.CropBottom = 16;
    a.CropLeft = 24;
    a.CropRight = 5000;
    a.ForceVideoTag = true;
    a.VideoTag = "DivX"; // the list holds "DIVX" too
    a.ConvertColors = true;
    a.ConvertColorsValue = ItemIndex::ConvertColorsSepia;
    a.Brightness = true;
    a.BrightnessValue = -20;
    a.Saturation = true;
    a.SaturationValue = 30;
    a.FlipHorizontal = a.FlipVertical = a.Negative = true;
    a.Rotate = true;
    a.RotateText = "90";
    a.AdditionalParams = "-af volume=2\n-map 0:a:1";
    return s;
}

EncoderSettings AtTheEdges()
{
    EncoderSettings s;
    s.Audio.Volume = 1;
    s.Audio.Bitrate = ComboText::Typed("7"); // a rate no item holds
    s.Advanced.Resolution = ItemIndex::ResolutionCustom;
    s.Advanced.ResWidth = 2;
    s.Advanced.ResHeight = 30000;
    s.Advanced.BrightnessValue = 20;
    s.Advanced.SaturationValue = 1;
    s.Advanced.VideoTag = "ab";
    s.Advanced.RotateText = "33";
    return s;
}

} // namespace

TEST_F(SettingsBinder, WrittenSettingsReadBackTheSameUnderEitherLanguage)
{
    const struct
    {
        const char* name;
        EncoderSettings settings;
    } cases[] = {
        {"defaults", DefaultEncoderSettings(0)},
        {"everything changed", EverythingChanged()},
        {"at the edges", AtTheEdges()},
    };
    for (const TAppStrings* texts : {&english, &german}) {
        TSettingsPanels& p = Build(*texts);
        for (const auto& c : cases) {
            WriteEncoderSettings(p, c.settings);
            EXPECT_EQ(ReadEncoderSettings(p), c.settings) << c.name << " in " << texts->Main.Auto;
        }
        WriteEncoderSettings(p, DefaultEncoderSettings(0));
        EXPECT_EQ(p.cbAviVideoBitrate->Text(), texts->Main.Auto)
            << "the automatic item in the language's word";
        EXPECT_EQ(p.cbAudioSampling->ItemIndex(), 0);
        panels.reset();
    }
}

TEST_F(SettingsBinder, RunOptionsReadBackTheSame)
{
    TSettingsPanels& p = Build(german);
    const RunOptions cases[] = {
        {},
        {false, "/home/user/Videos/out & more", oeSkip, acShutDown, true},
        {true, "", oeOverwrite, acCloseProgram, false},
    };
    for (const RunOptions& options : cases) {
        WriteRunOptions(p, options);
        EXPECT_EQ(ReadRunOptions(p), options) << options.OutDir;
    }
}

#include "app/kit/updating_controls.h"
#include "app/main/file_list_view.h"
#include "app/main/settings_binder.h"
#include "controls/edits/combo_box.h"
#include "controls/edits/scroll_box.h"
#include "controls/grid/data_grid.h"
#include "controls/pack/page_control.h"
#include "controls/pack/page_sheet.h"
#include "controls/pack/panel.h"
#include "controls/pack/track_bar.h"
#include "controls/skins/skin_spin_edit.h"
#include "engine/enabling_rules.h"
#include "engine/run_host.h"
#include "main_window_fixture.h"
#include "platform/gui/graphics/colors.h"
#include "platform/gui/standard/edits.h"
#include "platform/gui/standard/stdctrls_buttons.h"
#include "platform/gui/standard/stdctrls_labels.h"
#include "platform/gui/windows/actions.h"
#include "settings_panels_fixture.h"
#include "support/color_routines.h"

#include <functional>

namespace {

// A control of the panels and the engine's state it must show.
struct TControlRule
{
    const char* Name;
    TControl* Control;
    bool SettingsEnabling::*State;
};

// Every control the enabling rules touch. The labels follow the control they name; the audio labels go
// with the audio as a whole (cbAudioCodec), not with the lists that a codec greys.
std::vector<TControlRule> ControlRules(const TSettingsPanels& p)
{
    using E = SettingsEnabling;
    return {
        {"lblMpgVideo", p.lblMpgVideo, &E::cbMpgVideo},
        {"cbMpgVideo", p.cbMpgVideo, &E::cbMpgVideo},
        {"lblMpgInfo", p.lblMpgInfo, &E::cbMpgVideo},
        {"lblMpgVideoBitrate", p.lblMpgVideoBitrate, &E::cbMpgVideoBitrate},
        {"cbMpgVideoBitrate", p.cbMpgVideoBitrate, &E::cbMpgVideoBitrate},
        {"lblMpgVideoKbps", p.lblMpgVideoKbps, &E::cbMpgVideoBitrate},
        {"lblMpgVideoFPS", p.lblMpgVideoFPS, &E::cbMpgVideoFPS},
        {"cbMpgVideoFPS", p.cbMpgVideoFPS, &E::cbMpgVideoFPS},
        {"lblMpegVersion", p.lblMpegVersion, &E::cbMpegVersion},
        {"cbMpegVersion", p.cbMpegVersion, &E::cbMpegVersion},
        {"chMpgVideo2Pass", p.chMpgVideo2Pass, &E::chMpgVideo2Pass},
        {"lblAviVideoCodec", p.lblAviVideoCodec, &E::cbAviVideoCodec},
        {"cbAviVideoCodec", p.cbAviVideoCodec, &E::cbAviVideoCodec},
        {"lblAviVideoBitrate", p.lblAviVideoBitrate, &E::cbAviVideoBitrate},
        {"cbAviVideoBitrate", p.cbAviVideoBitrate, &E::cbAviVideoBitrate},
        {"lblAviVideoKbps", p.lblAviVideoKbps, &E::cbAviVideoBitrate},
        {"lblAviVideoFPS", p.lblAviVideoFPS, &E::cbAviVideoFPS},
        {"cbAviVideoFPS", p.cbAviVideoFPS, &E::cbAviVideoFPS},
        {"lblAviVideoAspect", p.lblAviVideoAspect, &E::cbAviVideoAspect},
        {"cbAviVideoAspect", p.cbAviVideoAspect, &E::cbAviVideoAspect},
        {"chAviVideo2Pass", p.chAviVideo2Pass, &E::chAviVideo2Pass},
        {"lblAviVideoThreads", p.lblAviVideoThreads, &E::cbAviVideoThreads},
        {"cbAviVideoThreads", p.cbAviVideoThreads, &E::cbAviVideoThreads},
        {"chAudioDontCopy", p.chAudioDontCopy, &E::chAudioDontCopy},
        {"lblAudioCodec", p.lblAudioCodec, &E::cbAudioCodec},
        {"cbAudioCodec", p.cbAudioCodec, &E::cbAudioCodec},
        {"lblAudioBitrate", p.lblAudioBitrate, &E::cbAudioCodec},
        {"lblAudioKbps", p.lblAudioKbps, &E::cbAudioCodec},
        {"cbAudioBitrate", p.cbAudioBitrate, &E::cbAudioBitrate},
        {"lblAudioSampling", p.lblAudioSampling, &E::cbAudioCodec},
        {"lblAudioHz", p.lblAudioHz, &E::cbAudioCodec},
        {"cbAudioSampling", p.cbAudioSampling, &E::cbAudioSampling},
        {"lblAudioChannels", p.lblAudioChannels, &E::cbAudioCodec},
        {"cbAudioChannels", p.cbAudioChannels, &E::cbAudioChannels},
        {"lblAudioVolumeInfo", p.lblAudioVolumeInfo, &E::tbAudioVolume},
        {"tbAudioVolume", p.tbAudioVolume, &E::tbAudioVolume},
        {"lblAudioVolume", p.lblAudioVolume, &E::tbAudioVolume},
        {"lblAudioTrackNo", p.lblAudioTrackNo, &E::cbAudioTrackNo},
        {"cbAudioTrackNo", p.cbAudioTrackNo, &E::cbAudioTrackNo},
        {"lblInterlacing", p.lblInterlacing, &E::cbInterlacing},
        {"cbInterlacing", p.cbInterlacing, &E::cbInterlacing},
        {"chVideoFourcc", p.chVideoFourcc, &E::chVideoFourcc},
        {"lblVideoFourcc", p.lblVideoFourcc, &E::chVideoFourcc},
        {"cbVideoTag", p.cbVideoTag, &E::cbVideoTag},
        {"cbResolution", p.cbResolution, &E::cbResolution},
        {"lblResWidth", p.lblResWidth, &E::spedResSize},
        {"spedResWidth", p.spedResWidth, &E::spedResSize},
        {"lblResX", p.lblResX, &E::spedResSize},
        {"lblResHeight", p.lblResHeight, &E::spedResSize},
        {"spedResHeight", p.spedResHeight, &E::spedResSize},
        {"lblCropTop", p.lblCropTop, &E::spedCrop},
        {"spedCropTop", p.spedCropTop, &E::spedCrop},
        {"lblCropBottom", p.lblCropBottom, &E::spedCrop},
        {"spedCropBottom", p.spedCropBottom, &E::spedCrop},
        {"lblCropLeft", p.lblCropLeft, &E::spedCrop},
        {"spedCropLeft", p.spedCropLeft, &E::spedCrop},
        {"lblCropRight", p.lblCropRight, &E::spedCrop},
        {"spedCropRight", p.spedCropRight, &E::spedCrop},
        {"chConvertColors", p.chConvertColors, &E::chConvertColors},
        {"cbConvertColors", p.cbConvertColors, &E::cbConvertColors},
        {"chBrightness", p.chBrightness, &E::chBrightness},
        {"tbBrightness", p.tbBrightness, &E::tbBrightness},
        {"lblBrightnessValue", p.lblBrightnessValue, &E::tbBrightness},
        {"chSaturation", p.chSaturation, &E::chSaturation},
        {"tbSaturation", p.tbSaturation, &E::tbSaturation},
        {"lblSaturationValue", p.lblSaturationValue, &E::tbSaturation},
        {"chFlipHorizontal", p.chFlipHorizontal, &E::chFlipHorizontal},
        {"chFlipVertical", p.chFlipVertical, &E::chFlipVertical},
        {"chNegative", p.chNegative, &E::chNegative},
        {"chRotate", p.chRotate, &E::chRotate},
        {"cbRotate", p.cbRotate, &E::cbRotate},
    };
}

class SettingsEnablingPanels : public SettingsPanelsFixture
{
protected:
    // Writes the settings as a profile load does, then brings the controls up to date.
    void Show(TSettingsPanels& p, const EncoderSettings& settings)
    {
        {
            TUpdatingControlsScope updating;
            WriteEncoderSettings(p, settings);
        }
        p.InitSettingsControls();
    }

    // Every control's state is the engine's for the settings the controls hold; reports which differ.
    static void ExpectControlsFollowTheEngine(const TSettingsPanels& p, const std::string& caseName)
    {
        const SettingsEnabling expected = GetSettingsEnabling(ReadEncoderSettings(p));
        for (const TControlRule& rule : ControlRules(p))
            EXPECT_EQ(rule.Control->Enabled(), expected.*(rule.State)) << caseName << ": " << rule.Name;
        EXPECT_EQ(p.cbAviVideoThreads->Visible(), expected.cbAviVideoThreadsVisible) << caseName;
        EXPECT_EQ(p.lblAviVideoThreads->Visible(), expected.cbAviVideoThreadsVisible) << caseName;
    }
};

EncoderSettings Mpg(int32_t preset)
{
    EncoderSettings s = DefaultEncoderSettings(ItemIndex::AviCodecXvid);
    s.OutputFormat = ofMpg;
    s.Mpg.Preset = preset;
    return s;
}

// Every picture filter switched on, with a custom size.
EncoderSettings WithFilters(EncoderSettings s)
{
    AdvancedSettings& a = s.Advanced;
    a.Resolution = ItemIndex::ResolutionCustom;
    a.ForceVideoTag = a.ConvertColors = a.Brightness = a.Saturation = a.Rotate = true;
    a.BrightnessValue = -15;
    a.SaturationValue = 25;
    return s;
}

} // namespace

TEST_F(SettingsEnablingPanels, EveryControlShowsTheEnginesStateForTheSettings)
{
    TSettingsPanels& p = Build();
    const auto avi = [](const std::function<void(EncoderSettings&)>& change) {
        EncoderSettings s = DefaultEncoderSettings(ItemIndex::AviCodecXvid);
        change(s);
        return s;
    };
    const struct
    {
        const char* name;
        EncoderSettings settings;
    } cases[] = {
        {"AVI defaults", avi([](EncoderSettings&) {})},
        {"AVI H.264, two passes", avi([](EncoderSettings& s) {
             s.Avi.Codec = ItemIndex::AviCodecH264;
             s.Avi.TwoPass = true;
         })},
        {"AVI HuffYUV", avi([](EncoderSettings& s) { s.Avi.Codec = ItemIndex::AviCodecHuffYUV; })},
        {"AVI copy video with filters",
         WithFilters(avi([](EncoderSettings& s) { s.Avi.Codec = ItemIndex::AviCodecCopy; }))},
        {"AVI no video, H.264", avi([](EncoderSettings& s) {
             s.Avi.Codec = ItemIndex::AviCodecH264;
             s.Avi.DontCopy = true;
         })},
        {"AVI filters and custom size", WithFilters(avi([](EncoderSettings&) {}))},
        {"AVI PCM audio", avi([](EncoderSettings& s) { s.Audio.Codec = ItemIndex::AudioCodecPcm; })},
        {"AVI copy audio", avi([](EncoderSettings& s) { s.Audio.Codec = ItemIndex::AudioCodecCopy; })},
        {"AVI no audio", avi([](EncoderSettings& s) { s.Audio.DontCopy = true; })},
        {"AVI with the MPG video left out", avi([](EncoderSettings& s) { s.Mpg.DontCopy = true; })},
        {"MPG custom", Mpg(ItemIndex::MpgPresetCustom)},
        {"MPG custom with filters", WithFilters(Mpg(ItemIndex::MpgPresetCustom))},
        {"MPG PAL DVD with filters", WithFilters(Mpg(ItemIndex::MpgPresetPalDvd))},
        {"MPG NTSC DVD", Mpg(ItemIndex::MpgPresetNtscDvd)},
        {"MPG custom, no video, custom size",
         [] {
             EncoderSettings s = WithFilters(Mpg(ItemIndex::MpgPresetCustom));
             s.Mpg.DontCopy = true;
             return s;
         }()},
        {"MPG custom, no audio, copy audio",
         [] {
             EncoderSettings s = Mpg(ItemIndex::MpgPresetCustom);
             s.Audio.DontCopy = true;
             s.Audio.Codec = ItemIndex::AudioCodecCopy;
             return s;
         }()},
    };
    for (const auto& c : cases) {
        Show(p, c.settings);
        EXPECT_EQ(ReadEncoderSettings(p), c.settings) << c.name << ": the states change no setting";
        ExpectControlsFollowTheEngine(p, c.name);
    }
}

// The states the engine's rules give on purpose where a bare reading of the window's rules would differ.
TEST_F(SettingsEnablingPanels, DeinterlacingGoesWithTheVideoAndTheCustomSizeWithTheResolutionList)
{
    TSettingsPanels& p = Build();
    EncoderSettings noAudio = DefaultEncoderSettings(ItemIndex::AviCodecXvid);
    noAudio.Audio.DontCopy = true;
    Show(p, noAudio);
    EXPECT_FALSE(p.cbAudioTrackNo->Enabled());
    EXPECT_TRUE(p.cbInterlacing->Enabled()) << "the video is still filtered";

    EncoderSettings copiedVideo = DefaultEncoderSettings(ItemIndex::AviCodecCopy);
    Show(p, copiedVideo);
    EXPECT_TRUE(p.cbAudioTrackNo->Enabled());
    EXPECT_FALSE(p.cbInterlacing->Enabled()) << "a copied stream is not filtered";

    EncoderSettings mpgNoVideo = WithFilters(Mpg(ItemIndex::MpgPresetCustom));
    mpgNoVideo.Mpg.DontCopy = true;
    Show(p, mpgNoVideo);
    EXPECT_FALSE(p.spedResWidth->Enabled()) << "no size without a video stream";
}

TEST_F(SettingsEnablingPanels, DependentTextsFollowTheSettings)
{
    TSettingsPanels& p = Build();
    const struct
    {
        int32_t preset;
        const char* info;
    } presets[] = {{ItemIndex::MpgPresetPalDvd, "MPEG-2 / 720 x 576 / 25 fps / AC3"},
                   {ItemIndex::MpgPresetNtscDvd, "MPEG-2 / 720 x 480 / 29.970 fps / AC3"},
                   {ItemIndex::MpgPresetCustom, "User settings"}};
    for (const auto& preset : presets) {
        Show(p, Mpg(preset.preset));
        EXPECT_EQ(p.lblMpgInfo->Caption(), preset.info);
    }
    Show(p, WithFilters(Mpg(ItemIndex::MpgPresetCustom)));
    EXPECT_EQ(p.lblBrightnessValue->Caption(), "-1.5");
    EXPECT_EQ(p.lblSaturationValue->Caption(), "2.5");
}

// The change events bring the states up to date at once, the way a user changes the settings; while
// UpdatingControls is set, a writer's changes leave them to the writer.
TEST_F(SettingsEnablingPanels, UsersChangesUpdateTheStatesAtOnce)
{
    TSettingsPanels& p = Build();
    p.InitSettingsControls();
    Press(p.cbAviVideoCodec, "End"); // the last item: copy the video stream
    EXPECT_EQ(p.cbAviVideoCodec->ItemIndex(), ItemIndex::AviCodecCopy);
    EXPECT_FALSE(p.cbAviVideoBitrate->Enabled());
    EXPECT_FALSE(p.chBrightness->Enabled());

    p.chAudioDontCopy->SetChecked(true);
    EXPECT_FALSE(p.cbAudioCodec->Enabled());

    p.pcVideoFormat->SetActivePage(p.tsMpg);
    EXPECT_TRUE(p.chBrightness->Enabled()) << "the MPG page filters its video";
    EXPECT_TRUE(p.chAudioDontCopy->Enabled()) << "custom MPG settings take audio";

    Press(p.cbMpgVideo, "Home"); // PAL DVD
    EXPECT_FALSE(p.cbMpgVideoBitrate->Enabled());
    EXPECT_FALSE(p.chAudioDontCopy->Enabled());
    EXPECT_EQ(p.lblMpgInfo->Caption(), "MPEG-2 / 720 x 576 / 25 fps / AC3");

    p.chBrightness->SetChecked(true);
    EXPECT_TRUE(p.tbBrightness->Enabled());
    p.tbBrightness->SetPosition(-20);
    EXPECT_EQ(p.lblBrightnessValue->Caption(), "-2");
    ExpectControlsFollowTheEngine(p, "after the user's changes");

    {
        TUpdatingControlsScope updating;
        p.chSaturation->SetChecked(true);
    }
    EXPECT_FALSE(p.tbSaturation->Enabled()) << "left to the writer";
}

TEST_F(SettingsEnablingPanels, OutputFolderEditOnlyForAFolderOfItsOwn)
{
    TSettingsPanels& p = Build();
    p.rbOutDirIsInDir->SetChecked(true);
    EXPECT_FALSE(p.edOutDir->Enabled());
    p.rbOutDir->SetChecked(true);
    EXPECT_TRUE(p.edOutDir->Enabled());
    p.rbOutDirIsInDir->SetChecked(true);
    EXPECT_FALSE(p.edOutDir->Enabled());
}

// In the window, a change of a setting runs the window's InitControls: the commands that hang on the
// settings follow too, and the texts that hang on the file list.
TEST_F(MainWindow, SettingsAndFileListChangesUpdateTheCommandsAndTexts)
{
    Start();
    TSettingsPanels& p = Form->Panels();
    TMainActions& actions = Form->Actions;
    p.rbOutDirIsInDir->SetChecked(true);
    EXPECT_FALSE(actions.actBrowseOutDir->Enabled());
    EXPECT_FALSE(actions.actExploreOutDir->Enabled());
    p.rbOutDir->SetChecked(true);
    EXPECT_TRUE(p.edOutDir->Enabled());
    EXPECT_TRUE(actions.actBrowseOutDir->Enabled());
    EXPECT_TRUE(actions.actExploreOutDir->Enabled());

    p.chAviVideoDontCopy->SetChecked(true);
    EXPECT_FALSE(p.cbAviVideoCodec->Enabled()) << "the panels' states come with the window's";

    Form->SetApplicationTitle("42% - Quillmark");
    Form->InitControls();
    EXPECT_EQ(Form->Caption(), AppTitle) << "an empty list shows the product again";
    EXPECT_EQ(actions.actExploreDirectory->Caption(), "Open directory \"\"");
    EXPECT_FALSE(actions.actExploreDirectory->Enabled());
    EXPECT_EQ(actions.actShowHideMainWindow->Caption(), "Minimize to system tray");

    TFileListView& files = Form->FileListView();
    TNewFileRow row;
    row.FileName = Temp.Path() + "/clips/a.avi";
    row.Identity = row.FileName;
    files.AppendFileRow(row);
    files.Grid()->SetSelectedRow(0);
    Form->SetApplicationTitle("42% - Quillmark");
    Form->InitControls();
    EXPECT_EQ(Form->Caption(), "42% - Quillmark") << "a listed file keeps the run's caption";
    EXPECT_EQ(actions.actExploreDirectory->Caption(), "Open directory \"" + Temp.Path() + "/clips\"");
    EXPECT_EQ(actions.actExploreDirectory->Hint(), actions.actExploreDirectory->Caption());
    EXPECT_TRUE(actions.actExploreDirectory->Enabled());
    EXPECT_TRUE(actions.actConvert->Enabled());
}

namespace {

struct TNamedControl
{
    const char* Name;
    const TControl* Control;
};

// Pixels of near-black text in the control's area of a picture of host.
int DarkTextPixels(TBitmap& picture, TWinControl* host, const TControl* control)
{
    const TPoint origin = control->ClientToScreen({0, 0});
    const TPoint hostOrigin = host->ClientToScreen({0, 0});
    const int left = origin.X - hostOrigin.X;
    const int top = origin.Y - hostOrigin.Y;
    int dark = 0;
    for (int y = top; y < top + control->Height(); ++y)
        for (int x = left; x < left + control->Width(); ++x) {
            const TColor c = picture.Canvas()->Pixels(x, y);
            dark += GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 70;
        }
    return dark;
}

} // namespace

TEST_F(SettingsEnablingPanels, GreyedControlsLookGreyedOnBothPages)
{
    TSettingsPanels& p = Build();
    EncoderSettings avi = DefaultEncoderSettings(ItemIndex::AviCodecCopy);
    avi.Audio.Codec = ItemIndex::AudioCodecPcm;
    avi.Advanced.Brightness = true;
    Show(p, avi);
    Pump();
    std::unique_ptr<TBitmap> picture = Render(settingsHost);
    SaveScreenshot(*picture, "settings_enabling_avi");
    EXPECT_GT(DarkTextPixels(*picture, settingsHost, p.lblAviVideoCodec), 0) << "an enabled label";
    EXPECT_GT(DarkTextPixels(*picture, settingsHost, p.lblAudioBitrate), 0) << "the audio goes on";
    const TNamedControl aviGreyed[] = {{"lblAviVideoBitrate", p.lblAviVideoBitrate},
                                       {"lblAviVideoFPS", p.lblAviVideoFPS},
                                       {"lblAviVideoAspect", p.lblAviVideoAspect},
                                       {"lblInterlacing", p.lblInterlacing},
                                       {"lblCropTop", p.lblCropTop}};
    for (const TNamedControl& greyed : aviGreyed)
        EXPECT_EQ(DarkTextPixels(*picture, settingsHost, greyed.Control), 0) << greyed.Name;

    Show(p, WithFilters(Mpg(ItemIndex::MpgPresetPalDvd)));
    Pump();
    picture = Render(settingsHost);
    SaveScreenshot(*picture, "settings_enabling_mpg");
    EXPECT_GT(DarkTextPixels(*picture, settingsHost, p.lblMpgVideo), 0);
    EXPECT_GT(DarkTextPixels(*picture, settingsHost, p.lblInterlacing), 0) << "the video is filtered";
    const TNamedControl mpgGreyed[] = {{"lblMpgVideoBitrate", p.lblMpgVideoBitrate},
                                       {"lblMpegVersion", p.lblMpegVersion},
                                       {"lblAudioCodec", p.lblAudioCodec},
                                       {"lblAudioTrackNo", p.lblAudioTrackNo},
                                       {"lblResWidth", p.lblResWidth}};
    for (const TNamedControl& greyed : mpgGreyed)
        EXPECT_EQ(DarkTextPixels(*picture, settingsHost, greyed.Control), 0) << greyed.Name;

    // The filters further down the advanced page.
    p.sboxAdvanced->VertScrollBar()->SetPosition(p.pnVideoFilters->Top());
    Pump();
    picture = Render(settingsHost);
    SaveScreenshot(*picture, "settings_enabling_mpg_filters");
    EXPECT_GT(DarkTextPixels(*picture, settingsHost, p.lblSaturationValue), 0) << "the filters stay";
    EXPECT_EQ(p.lblSaturationValue->Caption(), "2.5");
}

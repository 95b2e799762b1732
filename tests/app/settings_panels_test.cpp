#include "settings_panels_fixture.h"

#include "app/kit/updating_controls.h"
#include "app/main/settings_binder.h"
#include "controls/edits/combo_box.h"
#include "controls/edits/scroll_box.h"
#include "controls/pack/button_appearance.h"
#include "controls/pack/page_control.h"
#include "controls/pack/panel.h"
#include "controls/pack/png_button.h"
#include "controls/pack/repeat_timer.h"
#include "controls/pack/track_bar.h"
#include "controls/skins/skin_spin_edit.h"
#include "manual_clock.h"
#include "platform/gui/graphics/colors.h"
#include "platform/gui/standard/stdctrls_labels.h"
#include "support/color_routines.h"

#include <functional>

namespace {

using SettingsPanels = SettingsPanelsFixture;

// Every control placed on parent, at any depth, lies inside its parent's client area.
void ExpectInsideParents(TWinControl* parent)
{
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* control = parent->Controls(i);
        if (!control->Visible())
            continue;
        const TRect client = parent->ClientRect();
        EXPECT_GE(control->Left(), client.Left) << control->ClassName() << " " << control->Caption();
        EXPECT_GE(control->Top(), client.Top) << control->ClassName() << " " << control->Caption();
        EXPECT_LE(control->Left() + control->Width(), client.Right) << control->Caption();
        EXPECT_LE(control->Top() + control->Height(), client.Bottom) << control->Caption();
        if (auto* child = dynamic_cast<TWinControl*>(control); child && child->ControlCount() > 0)
            ExpectInsideParents(child);
    }
}

} // namespace

TEST_F(SettingsPanels, ListsHoldTheirItemsAndTheirStartingChoice)
{
    TSettingsPanels& p = Build();
    const TMainModuleStrings& t = english.Main;
    const struct
    {
        TVezComboBox* combo;
        int count;
        std::string first, last, text;
    } lists[] = {
        {p.cbAviVideoCodec, 10, "Xvid", t.cbAviVideoCodec_Copy, "Xvid"},
        {p.cbAviVideoThreads, 25, "Auto", "24", "Auto"},
        {p.cbAviVideoBitrate, 55, "Auto", "20000", "Auto"},
        {p.cbAviVideoFPS, 16, "Auto", "60", "Auto"},
        {p.cbAviVideoAspect, 11, "Auto", "12:5", "Auto"},
        {p.cbMpgVideo, 3, "PAL - DVD", "Custom", "Custom"},
        {p.cbMpegVersion, 2, "MPEG-1", "MPEG-2", "MPEG-1"},
        {p.cbMpgVideoBitrate, 69, "Auto", "27000", "Auto"},
        {p.cbMpgVideoFPS, 16, "Auto", "60", "Auto"},
        {p.cbAudioCodec, 9, "Auto", t.cbAudioCodec_Copy, "Auto"},
        {p.cbAudioBitrate, 23, "Auto", "640", "Auto"},
        {p.cbAudioSampling, 7, "Auto", "48000", "Auto"},
        {p.cbAudioChannels, 4, "Auto", "6", "Auto"},
        {p.cbAudioTrackNo, 1, "Auto (first audio track)", "Auto (first audio track)",
         "Auto (first audio track)"},
        {p.cbInterlacing, 3, "Auto", t.cbInterlacing_KeepOriginal, "Auto"},
        {p.cbResolution, 17, "Auto", "1920 x 1080 - HD1080", "Auto"},
        {p.cbVideoTag, 11, "DIV3", "XVID", "XVID"},
        {p.cbConvertColors, 2, "grayscale", "sepia", "grayscale"},
        {p.cbRotate, 23, "15", "345", "180"},
        {p.cbOutputExists, 3, t.cbOutputExists_Rename, t.cbOutputExists_Skip, t.cbOutputExists_Rename},
        {p.cbAfterConversion, 3, t.cbAfterConversion_DoNothing, t.cbAfterConversion_CloseWindows,
         t.cbAfterConversion_DoNothing},
    };
    for (const auto& list : lists) {
        const TStrings& items = *list.combo->Items();
        ASSERT_EQ(items.Count(), list.count) << list.first;
        EXPECT_EQ(items.Strings(0), list.first);
        EXPECT_EQ(items.Strings(list.count - 1), list.last) << list.first;
        EXPECT_EQ(list.combo->Text(), list.text) << list.first;
    }
    EXPECT_EQ(p.cbResolution->Items()->Strings(1), "Custom");
    EXPECT_EQ(p.cbResolution->Font()->Name(), AppParams.MonospaceFont.Name);
    EXPECT_FALSE(AppParams.MonospaceFont.Name.empty());
}

TEST_F(SettingsPanels, DefaultsAreTheEncoderDefaultsOnTheAviPage)
{
    TSettingsPanels& p = Build();
    EXPECT_EQ(ReadEncoderSettings(p), DefaultEncoderSettings(0));

    EncoderSettings changed = DefaultEncoderSettings(0);
    changed.OutputFormat = ofMpg;
    changed.Avi.Codec = ItemIndex::AviCodecMotionJpeg;
    changed.Audio.Volume = 250;
    changed.Advanced.Brightness = true;
    changed.Advanced.BrightnessValue = -20;
    changed.Advanced.SaturationValue = 15;
    WriteEncoderSettings(p, changed);
    EXPECT_EQ(p.lblBrightnessValue->Caption(), "-2");
    EXPECT_EQ(p.lblSaturationValue->Caption(), "1.5");

    const int32_t savedCodec = DefaultVideoCodecIndex;
    DefaultVideoCodecIndex = ItemIndex::AviCodecH264;
    p.SetDefaultParams();
    DefaultVideoCodecIndex = savedCodec;
    EXPECT_FALSE(UpdatingControls) << "restored after the defaults";
    EXPECT_EQ(ReadEncoderSettings(p), DefaultEncoderSettings(ItemIndex::AviCodecH264));
    EXPECT_EQ(p.pcVideoFormat->ActivePageIndex(), 0) << "the defaults show the AVI page";
    EXPECT_EQ(p.cbAviVideoCodec->Text(), "H.264 / MPEG-4 AVC");
    EXPECT_EQ(p.lblBrightnessValue->Caption(), "0");
    EXPECT_EQ(p.lblSaturationValue->Caption(), "1");
    EXPECT_EQ(p.lblAudioVolume->Caption(), "1.00x");
}

TEST_F(SettingsPanels, VolumeLabelShowsTheFactorWithTwoDecimals)
{
    TSettingsPanels& p = Build();
    const struct
    {
        int position;
        const char* label;
    } cases[] = {{1, "0.01x"}, {300, "3.00x"}, {155, "1.55x"}, {100, "1.00x"}};
    for (const auto& c : cases) {
        p.tbAudioVolume->SetPosition(c.position);
        EXPECT_EQ(p.lblAudioVolume->Caption(), c.label) << c.position;
    }
}

// A saved "shut down" after the conversion must come back: the list holds all three actions before the
// settings are loaded into it.
TEST_F(SettingsPanels, AfterConversionShutDownIsRestoredAndShown)
{
    TSettingsPanels& p = Build();
    RunOptions saved;
    saved.AfterConversion = acShutDown;
    WriteRunOptions(p, saved);
    EXPECT_EQ(ReadRunOptions(p).AfterConversion, acShutDown);
    EXPECT_EQ(p.cbAfterConversion->Text(), english.Main.cbAfterConversion_CloseWindows);
}

TEST_F(SettingsPanels, SecondaryWindowsTakeTheTemplatesLooks)
{
    TSettingsPanels& p = Build();
    const TWindowLooks looks = p.WindowLooks();
    EXPECT_EQ(looks.MonospaceFont.Name, AppParams.MonospaceFont.Name);
    auto* button = new TKvpPngButton(form);
    auto* bottom = new TKvpPanel(form);
    ApplyButtonLooks(*button, looks);
    ApplyPanelLooks(*bottom, looks);
    EXPECT_FALSE(button->Appearance()->DefaultDrawing()) << "the flat button, not the platform's face";
    EXPECT_EQ(button->Appearance()->Normal()->Color(), p.btnT->Appearance()->Normal()->Color());
    EXPECT_EQ(button->Appearance()->Hot()->Border()->Color(), p.btnT->Appearance()->Hot()->Border()->Color());
    EXPECT_EQ(bottom->Appearance()->UpperGradient()->ColorFrom(), RGBToColor(74, 78, 86)) << "the dark panel";
    EXPECT_TRUE(bottom->Appearance()->DrawGradient());

    // A secondary window's bottom strip as it will look.
    bottom->SetParent(form);
    bottom->SetBounds(0, 0, 400, 41);
    bottom->BringToFront();
    button->SetParent(bottom);
    button->SetBounds(280, 7, 110, 27);
    button->SetCaption("Close");
    Pump();
    const std::unique_ptr<TBitmap> picture = Render(bottom);
    SaveScreenshot(*picture, "settings_window_looks", 2);
    const auto brightness = [&](int x, int y) {
        const TColor c = picture->Canvas()->Pixels(x, y);
        return (GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3;
    };
    EXPECT_LT(brightness(100, 20), 90) << "a dark strip";
    EXPECT_GT(brightness(300, 20), 200) << "with a light button on it";
}

TEST_F(SettingsPanels, SpinEditsArePaintedWholeOnceAfterTheAdvancedPageScrolls)
{
    TManualClock clock;
    TSettingsPanels& p = Build();
    for (TQvSpinEdit* edit : p.SpinEdits())
        edit->SetBorderStyle(bsNone); // as a refresh would leave them had it stopped half-way
    // The down arrow of the box's scroll bar, at the bottom of its right edge.
    ClickWindow(p.sboxAdvanced, {p.sboxAdvanced->Width() - 6, p.sboxAdvanced->Height() - 6});
    Pump();
    EXPECT_GT(p.sboxAdvanced->VertScrollBar()->Position(), 0) << "the page scrolled";
    EXPECT_TRUE(p.tmRefreshSpinEdits->Enabled());
    clock.Advance(999);
    EXPECT_EQ(p.spedResWidth->BorderStyle(), bsNone) << "not before a second has passed";
    clock.Advance(1);
    for (TQvSpinEdit* edit : p.SpinEdits())
        EXPECT_EQ(edit->BorderStyle(), bsSingle);
    EXPECT_FALSE(p.tmRefreshSpinEdits->Enabled()) << "one shot";
}

TEST_F(SettingsPanels, PanelsAreLaidOutInsideTheirParentsWithTheTemplatesHidden)
{
    TSettingsPanels& p = Build();
    EXPECT_EQ(p.pnLeft->Width(), p.pnVideo->Width() + p.pnAudio->Width() + 5);
    EXPECT_FALSE(p.pnTemplates->Visible());
    ExpectInsideParents(p.pnLeft);
    ExpectInsideParents(midHost);

    EncoderSettings shown = DefaultEncoderSettings(0);
    shown.Avi.Bitrate = ComboText::Typed("1500");
    shown.Advanced.Resolution = 14;
    shown.Advanced.Brightness = true;
    shown.Advanced.BrightnessValue = 5;
    WriteEncoderSettings(p, shown);
    RunOptions output;
    output.OutDirIsInDir = false;
    output.OutDir = "/home/user/Videos/converted & ready";
    WriteRunOptions(p, output);
    UpdateFilterValueLabels(p);
    form->Invalidate();
    Pump();
    const std::unique_ptr<TBitmap> picture = Render(form);
    SaveScreenshot(*picture, "settings_panels");
    // The header strips carry their captions in the header text colour.
    const TRect videoHeader = Bounds(0, 0, p.pnVideo->Width(), 22);
    EXPECT_GT(CountPixels(*picture, videoHeader, RGBToColor(50, 60, 80)), 20);
    // The dark template panel shows nowhere.
    EXPECT_EQ(
        CountPixels(*picture, Bounds(0, 0, picture->Width(), picture->Height()), RGBToColor(48, 50, 56)), 0);

    // The lower part of the advanced settings and the MPG page.
    p.sboxAdvanced->VertScrollBar()->SetPosition(1000);
    p.pcVideoFormat->SetActivePageIndex(ofMpg);
    p.lblMpgInfo->SetCaption("MPEG-2 / 720 x 576 / 25 fps / AC3");
    form->Invalidate();
    Pump();
    const std::unique_ptr<TBitmap> lower = Render(form);
    SaveScreenshot(*lower, "settings_panels_lower");
    EXPECT_GT(p.sboxAdvanced->VertScrollBar()->Position(), 0);
    EXPECT_GE(p.pnParams->Top() + p.pnParams->Height(), 0) << "the extra parameters are in view";
}

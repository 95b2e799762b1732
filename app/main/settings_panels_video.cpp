#include "app/main/settings_panels.h"

#include "app/main/settings_panels_kit.h"
#include "controls/edits/combo_box.h"
#include "controls/pack/basic_speed_button.h"
#include "controls/pack/page_control.h"
#include "controls/pack/page_sheet.h"
#include "controls/pack/panel.h"
#include "controls/pack/png_button.h"
#include "controls/pack/tab_borders.h"
#include "controls/pack/track_bar.h"
#include "platform/gui/standard/stdctrls_buttons.h"
#include "platform/gui/standard/stdctrls_labels.h"
#include "support/color_routines.h"

// The left half of the conversion settings: the video format pages, the audio settings and the profile
// selector below them.

namespace {

constexpr int VideoPanelWidth = 330;
constexpr int AudioPanelWidth = 300;
constexpr int ProfilePanelHeight = 34;
constexpr int SettingsRowHeight = 27;
constexpr int VideoComboLeft = 92; // where the lists begin, right of their labels
constexpr int SettingsComboHeight = 22;

// The row's top for the row number, the first row at first.
int SettingsRowTop(int first, int row)
{
    return first + row * SettingsRowHeight;
}

} // namespace

void TSettingsPanels::BuildLeft(TWinControl* parent)
{
    const int height = parent->ClientHeight();
    pnLeft = PlaceSettingsPanel(FOwner, parent, alLeft,
                                Bounds(0, 0, VideoPanelWidth + AudioPanelWidth + 5, height),
                                SettingsPanelBackground);
    pnProfile = PlaceSettingsPanel(
        FOwner, pnLeft, alBottom, Bounds(0, height - ProfilePanelHeight, pnLeft->Width(), ProfilePanelHeight),
        SettingsPanelBackground);
    pnVideo =
        PlaceSettingsPanel(FOwner, pnLeft, alLeft, Bounds(0, 0, VideoPanelWidth, height - ProfilePanelHeight),
                           SettingsPanelBackground);
    pnAudio = PlaceSettingsPanel(FOwner, pnLeft, alLeft,
                                 Bounds(VideoPanelWidth + 5, 0, AudioPanelWidth, height - ProfilePanelHeight),
                                 SettingsPanelBackground);
    SetAlignMargins(*pnAudio, {5, 0, 0, 0});

    pnHeader_Video = PlaceSettingsHeader(FOwner, pnVideo, Texts().lblOutputFormatVideoSettings,
                                         lblHeader_Video, sbtnVideoSettings);
    pnVideo->SetCaption(Texts().lblOutputFormatVideoSettings);
    pcVideoFormat = PlaceSettingsControl<TKVGxPageControl6>(
        FOwner, pnVideo, Bounds(0, SettingsHeaderHeight, VideoPanelWidth, 200));
    pcVideoFormat->SetAlign(alClient);
    pcVideoFormat->SetVisibleButtons({});
    pcVideoFormat->SetTabMoving(false); // the pages keep their order
    pcVideoFormat->SetInactiveTabsHeightDelta(-2);
    pcVideoFormat->SetTabsBackgroundColor(SettingsPanelBackground);
    for (TKVGxPageSheet6** page : {&tsAvi, &tsMpg}) {
        *page = new TKVGxPageSheet6(FOwner);
        (*page)->SetParent(pcVideoFormat);
        (*page)->SetCaption(page == &tsAvi ? "AVI" : "MPG");
        (*page)->SetTabInactiveBgColor(RGBToColor(232, 235, 239));
        (*page)->SetTabActiveBgColor(RGBToColor(64, 118, 186));
        (*page)->SetTabActiveTextColor(RGBToColor(255, 255, 255));
        (*page)->SetTabInactiveTextColor(RGBToColor(60, 64, 72));
        (*page)->SetColor(RGBToColor(255, 255, 255));
        for (TKVGxTabBorder* side : (*page)->TabInactiveBorders()->Sides())
            side->SetColor(RGBToColor(190, 196, 204));
    }
    BuildAviPage();
    BuildMpgPage();
    BuildAudio();
    BuildProfile();
}

void TSettingsPanels::BuildAviPage()
{
    TWinControl* page = tsAvi;
    const auto row = [](int number) { return SettingsRowTop(8, number); };
    PlaceLabelledCombos(FOwner, page,
                        {
                            {lblAviVideoCodec, cbAviVideoCodec, Texts().lblAviVideoCodec, csDropDownList,
                             Bounds(VideoComboLeft, row(0), 220, SettingsComboHeight)},
                            {lblAviVideoBitrate, cbAviVideoBitrate, Texts().lblAviVideoBitrate, csDropDown,
                             Bounds(VideoComboLeft, row(1), 80, SettingsComboHeight)},
                            {lblAviVideoFPS, cbAviVideoFPS, Texts().lblAviVideoFPS, csDropDown,
                             Bounds(VideoComboLeft, row(2), 80, SettingsComboHeight)},
                            {lblAviVideoThreads, cbAviVideoThreads, Texts().lblAviVideoThreads, csDropDown,
                             Bounds(250, row(2), 62, SettingsComboHeight), 190},
                            {lblAviVideoAspect, cbAviVideoAspect, Texts().lblAviVideoAspect, csDropDown,
                             Bounds(VideoComboLeft, row(3), 80, SettingsComboHeight)},
                        });
    lblAviVideoKbps = PlaceSettingsLabel(FOwner, page, "kbit/s", VideoComboLeft + 86, row(1) + 3);
    chAviVideo2Pass =
        PlaceSettingsCheck(FOwner, page, Texts().chAviVideo2Pass, Bounds(8, row(4) + 2, 120, 20));
    chAviVideoDontCopy =
        PlaceSettingsCheck(FOwner, page, Texts().chAviVideoDontCopy, Bounds(134, row(4) + 2, 180, 20));
}

void TSettingsPanels::BuildMpgPage()
{
    TWinControl* page = tsMpg;
    // The information line under the preset takes less than a row.
    const auto row = [](int number) { return SettingsRowTop(8, number) - (number >= 2 ? 6 : 0); };
    PlaceLabelledCombos(FOwner, page,
                        {
                            {lblMpgVideo, cbMpgVideo, Texts().lblMpgVideo, csDropDownList,
                             Bounds(VideoComboLeft, row(0), 130, SettingsComboHeight)},
                            {lblMpegVersion, cbMpegVersion, Texts().lblMpegVersion, csDropDownList,
                             Bounds(VideoComboLeft, row(2), 90, SettingsComboHeight)},
                            {lblMpgVideoBitrate, cbMpgVideoBitrate, Texts().lblMpgVideoBitrate, csDropDown,
                             Bounds(VideoComboLeft, row(3), 80, SettingsComboHeight)},
                            {lblMpgVideoFPS, cbMpgVideoFPS, Texts().lblMpgVideoFPS, csDropDown,
                             Bounds(VideoComboLeft, row(4), 80, SettingsComboHeight)},
                        });
    lblMpgInfo = PlaceSettingsLabel(FOwner, page, "", VideoComboLeft, row(1) + 2);
    lblMpgInfo->Font()->SetColor(RGBToColor(90, 96, 110));
    lblMpgVideoKbps = PlaceSettingsLabel(FOwner, page, "kbit/s", VideoComboLeft + 86, row(3) + 3);
    chMpgVideo2Pass =
        PlaceSettingsCheck(FOwner, page, Texts().chMpgVideo2Pass, Bounds(8, row(5) + 2, 120, 20));
    chMpgVideoDontCopy =
        PlaceSettingsCheck(FOwner, page, Texts().chMpgVideoDontCopy, Bounds(134, row(5) + 2, 180, 20));
}

void TSettingsPanels::BuildAudio()
{
    TWinControl* panel = pnAudio;
    pnHeader_Audio =
        PlaceSettingsHeader(FOwner, panel, Texts().lblAudioSettings, lblHeader_Audio, sbtnAudioSettings);
    pnAudio->SetCaption(Texts().lblAudioSettings);
    const auto row = [](int number) { return SettingsRowTop(SettingsHeaderHeight + 10, number); };
    const int left = 100;
    PlaceLabelledCombos(FOwner, panel,
                        {
                            {lblAudioCodec, cbAudioCodec, Texts().lblAudioCodec, csDropDownList,
                             Bounds(left, row(0), 190, SettingsComboHeight)},
                            {lblAudioBitrate, cbAudioBitrate, Texts().lblAudioBitrate, csDropDown,
                             Bounds(left, row(1), 80, SettingsComboHeight)},
                            {lblAudioSampling, cbAudioSampling, Texts().lblAudioSampling, csDropDown,
                             Bounds(left, row(2), 80, SettingsComboHeight)},
                            {lblAudioChannels, cbAudioChannels, Texts().lblAudioChannels, csDropDownList,
                             Bounds(left, row(3), 110, SettingsComboHeight)},
                        });
    lblAudioKbps = PlaceSettingsLabel(FOwner, panel, "kbit/s", left + 86, row(1) + 3);
    btnInfoAudioBitrates =
        PlaceSettingsSpeedButton(FOwner, panel, "Info", Bounds(left + 130, row(1) + 1, 40, 20));
    lblAudioHz = PlaceSettingsLabel(FOwner, panel, "Hz", left + 86, row(2) + 3);
    tbAudioVolume = PlaceSettingsTrackBar(FOwner, panel, Bounds(left - 4, row(4), 150, 24), 1, 300, 100);
    SetTrackBarLooks(*tbAudioVolume);
    lblAudioVolumeInfo = PlaceSettingsLabel(FOwner, panel, Texts().lblAudioVolume, 8, row(4) + 4);
    lblAudioVolume = PlaceSettingsLabel(FOwner, panel, "1.00x", left + 152, row(4) + 4);
    chAudioDontCopy =
        PlaceSettingsCheck(FOwner, panel, Texts().chAudioDontCopy, Bounds(8, row(5) + 2, 280, 20));
}

void TSettingsPanels::BuildProfile()
{
    TWinControl* panel = pnProfile;
    SetLightPanelLooks(*pnProfile);
    cbProfileNew = PlaceSettingsCombo(FOwner, panel, csDropDownList, Bounds(80, 6, 420, SettingsComboHeight));
    lblProfile = PlaceSettingsLabel(FOwner, panel, Texts().lblProfile, 8, 9, cbProfileNew);
    btnLoadProfile =
        PlaceSettingsButton(FOwner, panel, Texts().actLoadSelectedProfile, Bounds(508, 5, 110, 24));
}

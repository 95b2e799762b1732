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
    const int top = 8;
    cbAviVideoCodec =
        PlaceSettingsCombo(FOwner, page, csDropDownList,
                           Bounds(VideoComboLeft, SettingsRowTop(top, 0), 220, SettingsComboHeight));
    lblAviVideoCodec = PlaceSettingsLabel(FOwner, page, Texts().lblAviVideoCodec, 8,
                                          SettingsRowTop(top, 0) + 3, cbAviVideoCodec);
    cbAviVideoBitrate = PlaceSettingsCombo(
        FOwner, page, csDropDown, Bounds(VideoComboLeft, SettingsRowTop(top, 1), 80, SettingsComboHeight));
    lblAviVideoBitrate = PlaceSettingsLabel(FOwner, page, Texts().lblAviVideoBitrate, 8,
                                            SettingsRowTop(top, 1) + 3, cbAviVideoBitrate);
    lblAviVideoKbps =
        PlaceSettingsLabel(FOwner, page, "kbit/s", VideoComboLeft + 86, SettingsRowTop(top, 1) + 3);
    cbAviVideoFPS = PlaceSettingsCombo(
        FOwner, page, csDropDown, Bounds(VideoComboLeft, SettingsRowTop(top, 2), 80, SettingsComboHeight));
    lblAviVideoFPS = PlaceSettingsLabel(FOwner, page, Texts().lblAviVideoFPS, 8, SettingsRowTop(top, 2) + 3,
                                        cbAviVideoFPS);
    cbAviVideoThreads = PlaceSettingsCombo(FOwner, page, csDropDown,
                                           Bounds(250, SettingsRowTop(top, 2), 62, SettingsComboHeight));
    lblAviVideoThreads = PlaceSettingsLabel(FOwner, page, Texts().lblAviVideoThreads, 190,
                                            SettingsRowTop(top, 2) + 3, cbAviVideoThreads);
    cbAviVideoAspect = PlaceSettingsCombo(
        FOwner, page, csDropDown, Bounds(VideoComboLeft, SettingsRowTop(top, 3), 80, SettingsComboHeight));
    lblAviVideoAspect = PlaceSettingsLabel(FOwner, page, Texts().lblAviVideoAspect, 8,
                                           SettingsRowTop(top, 3) + 3, cbAviVideoAspect);
    chAviVideo2Pass = PlaceSettingsCheck(FOwner, page, Texts().chAviVideo2Pass,
                                         Bounds(8, SettingsRowTop(top, 4) + 2, 120, 20));
    chAviVideoDontCopy = PlaceSettingsCheck(FOwner, page, Texts().chAviVideoDontCopy,
                                            Bounds(134, SettingsRowTop(top, 4) + 2, 180, 20));
}

void TSettingsPanels::BuildMpgPage()
{
    TWinControl* page = tsMpg;
    const int top = 8;
    cbMpgVideo = PlaceSettingsCombo(FOwner, page, csDropDownList,
                                    Bounds(VideoComboLeft, SettingsRowTop(top, 0), 130, SettingsComboHeight));
    lblMpgVideo =
        PlaceSettingsLabel(FOwner, page, Texts().lblMpgVideo, 8, SettingsRowTop(top, 0) + 3, cbMpgVideo);
    lblMpgInfo = PlaceSettingsLabel(FOwner, page, "", VideoComboLeft, SettingsRowTop(top, 1) + 2);
    lblMpgInfo->Font()->SetColor(RGBToColor(90, 96, 110));
    cbMpegVersion =
        PlaceSettingsCombo(FOwner, page, csDropDownList,
                           Bounds(VideoComboLeft, SettingsRowTop(top, 2) - 6, 90, SettingsComboHeight));
    lblMpegVersion = PlaceSettingsLabel(FOwner, page, Texts().lblMpegVersion, 8, SettingsRowTop(top, 2) - 3,
                                        cbMpegVersion);
    cbMpgVideoBitrate =
        PlaceSettingsCombo(FOwner, page, csDropDown,
                           Bounds(VideoComboLeft, SettingsRowTop(top, 3) - 6, 80, SettingsComboHeight));
    lblMpgVideoBitrate = PlaceSettingsLabel(FOwner, page, Texts().lblMpgVideoBitrate, 8,
                                            SettingsRowTop(top, 3) - 3, cbMpgVideoBitrate);
    lblMpgVideoKbps =
        PlaceSettingsLabel(FOwner, page, "kbit/s", VideoComboLeft + 86, SettingsRowTop(top, 3) - 3);
    cbMpgVideoFPS =
        PlaceSettingsCombo(FOwner, page, csDropDown,
                           Bounds(VideoComboLeft, SettingsRowTop(top, 4) - 6, 80, SettingsComboHeight));
    lblMpgVideoFPS = PlaceSettingsLabel(FOwner, page, Texts().lblMpgVideoFPS, 8, SettingsRowTop(top, 4) - 3,
                                        cbMpgVideoFPS);
    chMpgVideo2Pass = PlaceSettingsCheck(FOwner, page, Texts().chMpgVideo2Pass,
                                         Bounds(8, SettingsRowTop(top, 5) - 4, 120, 20));
    chMpgVideoDontCopy = PlaceSettingsCheck(FOwner, page, Texts().chMpgVideoDontCopy,
                                            Bounds(134, SettingsRowTop(top, 5) - 4, 180, 20));
}

void TSettingsPanels::BuildAudio()
{
    TWinControl* panel = pnAudio;
    pnHeader_Audio =
        PlaceSettingsHeader(FOwner, panel, Texts().lblAudioSettings, lblHeader_Audio, sbtnAudioSettings);
    pnAudio->SetCaption(Texts().lblAudioSettings);
    const int top = SettingsHeaderHeight + 10;
    const int left = 100;
    cbAudioCodec = PlaceSettingsCombo(FOwner, panel, csDropDownList,
                                      Bounds(left, SettingsRowTop(top, 0), 190, SettingsComboHeight));
    lblAudioCodec =
        PlaceSettingsLabel(FOwner, panel, Texts().lblAudioCodec, 8, SettingsRowTop(top, 0) + 3, cbAudioCodec);
    cbAudioBitrate = PlaceSettingsCombo(FOwner, panel, csDropDown,
                                        Bounds(left, SettingsRowTop(top, 1), 80, SettingsComboHeight));
    lblAudioBitrate = PlaceSettingsLabel(FOwner, panel, Texts().lblAudioBitrate, 8,
                                         SettingsRowTop(top, 1) + 3, cbAudioBitrate);
    lblAudioKbps = PlaceSettingsLabel(FOwner, panel, "kbit/s", left + 86, SettingsRowTop(top, 1) + 3);
    btnInfoAudioBitrates = PlaceSettingsSpeedButton(FOwner, panel, "Info",
                                                    Bounds(left + 130, SettingsRowTop(top, 1) + 1, 40, 20));
    cbAudioSampling = PlaceSettingsCombo(FOwner, panel, csDropDown,
                                         Bounds(left, SettingsRowTop(top, 2), 80, SettingsComboHeight));
    lblAudioSampling = PlaceSettingsLabel(FOwner, panel, Texts().lblAudioSampling, 8,
                                          SettingsRowTop(top, 2) + 3, cbAudioSampling);
    lblAudioHz = PlaceSettingsLabel(FOwner, panel, "Hz", left + 86, SettingsRowTop(top, 2) + 3);
    cbAudioChannels = PlaceSettingsCombo(FOwner, panel, csDropDownList,
                                         Bounds(left, SettingsRowTop(top, 3), 110, SettingsComboHeight));
    lblAudioChannels = PlaceSettingsLabel(FOwner, panel, Texts().lblAudioChannels, 8,
                                          SettingsRowTop(top, 3) + 3, cbAudioChannels);
    tbAudioVolume =
        PlaceSettingsTrackBar(FOwner, panel, Bounds(left - 4, SettingsRowTop(top, 4), 150, 24), 1, 300, 100);
    SetTrackBarLooks(*tbAudioVolume);
    lblAudioVolumeInfo =
        PlaceSettingsLabel(FOwner, panel, Texts().lblAudioVolume, 8, SettingsRowTop(top, 4) + 4);
    lblAudioVolume = PlaceSettingsLabel(FOwner, panel, "1.00x", left + 152, SettingsRowTop(top, 4) + 4);
    chAudioDontCopy = PlaceSettingsCheck(FOwner, panel, Texts().chAudioDontCopy,
                                         Bounds(8, SettingsRowTop(top, 5) + 2, 280, 20));
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

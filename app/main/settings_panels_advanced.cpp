#include "app/main/settings_panels.h"

#include "app/main/settings_panels_kit.h"
#include "controls/edits/combo_box.h"
#include "controls/edits/group_box.h"
#include "controls/edits/scroll_box.h"
#include "controls/pack/basic_speed_button.h"
#include "controls/pack/panel.h"
#include "controls/pack/repeat_timer.h"
#include "controls/pack/track_bar.h"
#include "controls/skins/skin_spin_edit.h"
#include "platform/gui/standard/memo.h"
#include "platform/gui/standard/stdctrls_buttons.h"
#include "platform/gui/standard/stdctrls_labels.h"
#include "support/color_routines.h"

// The right half of the conversion settings: the advanced settings in a scroll box, one block under
// another.

namespace {

constexpr int AdvancedContentWidth = 330;
constexpr int AdvancedComboHeight = 22;
constexpr int AdvancedSpinWidth = 64;
constexpr int AdvancedSpinHeight = 22;

TVezGroupBox* PlaceSettingsGroup(TComponent* owner, TWinControl* parent, const std::string& caption, int top,
                                 int height)
{
    auto* group =
        PlaceSettingsControl<TVezGroupBox>(owner, parent, Bounds(6, top, AdvancedContentWidth, height));
    group->SetCaption(caption);
    group->SetBorderColor(RGBToColor(200, 204, 212));
    group->SetRoundEdges(true);
    group->SetTransparent(true);
    return group;
}

} // namespace

void TSettingsPanels::BuildAdvanced(TWinControl* parent)
{
    pnAdvancedSettings =
        PlaceSettingsPanel(FOwner, parent, alClient, Bounds(pnLeft->Width(), 0, 360, parent->ClientHeight()),
                           SettingsPanelBackground);
    SetAlignMargins(*pnAdvancedSettings, {5, 0, 0, 0});
    pnAdvancedSettings->SetCaption(Texts().lblAdvancedSettings);
    pnHeader_Advanced = PlaceSettingsHeader(FOwner, pnAdvancedSettings, Texts().lblAdvancedSettings,
                                            lblHeader_Advanced, sbtnAdvancedSettings);
    sboxAdvanced = PlaceSettingsControl<TVezScrollBox>(
        FOwner, pnAdvancedSettings, Bounds(0, SettingsHeaderHeight, 360, pnAdvancedSettings->ClientHeight()));
    sboxAdvanced->SetAlign(alClient);
    sboxAdvanced->SetColor(SettingsPanelBackground);
    sboxAdvanced->SetBorderColor(RGBToColor(205, 209, 215));
    sboxAdvanced->OnVScroll = [this](TObject* sender) { sboxAdvancedVScroll(sender); };

    TWinControl* box = sboxAdvanced;
    int top = 6;
    PlaceLabelledCombos(FOwner, box,
                        {
                            {lblAudioTrackNo, cbAudioTrackNo, Texts().gbAudioTrackNo, csDropDownList,
                             Bounds(110, top, 226, AdvancedComboHeight)},
                            {lblInterlacing, cbInterlacing, Texts().gbInterlacing, csDropDownList,
                             Bounds(110, top + 27, 150, AdvancedComboHeight)},
                        });
    top += 27;
    top += 30;
    BuildResolutionAndCropping(box, top);
    BuildVideoTag(box, top);
    BuildVideoFilters(box, top);
    BuildParams(box, top);

    tmRefreshSpinEdits = new TKvpTimer(FOwner);
    tmRefreshSpinEdits->SetEnabled(false);
    tmRefreshSpinEdits->SetInterval(1000);
    tmRefreshSpinEdits->SetRepeatCountLimit(1);
    tmRefreshSpinEdits->SetClearCounterOnStart(true);
    tmRefreshSpinEdits->OnTimer = [this](TObject* sender) { tmRefreshSpinEditsTimer(sender); };
}

void TSettingsPanels::BuildResolutionAndCropping(TWinControl* parent, int& top)
{
    gbResolution = PlaceSettingsGroup(FOwner, parent, Texts().gbResolution, top, 80);
    cbResolution =
        PlaceSettingsCombo(FOwner, gbResolution, csOwnerDrawFixed, Bounds(10, 20, 310, AdvancedComboHeight));
    cbResolution->SetItemHeight(18);
    cbResolution->OnDrawItem = [this](TWinControl* control, int index, const TRect& rect,
                                      TOwnerDrawState state) {
        cbResolutionDrawItem(control, index, rect, state);
    };
    constexpr int sizeTop = 50;
    lblResWidth = PlaceSettingsLabel(FOwner, gbResolution, Texts().edResWidth, 10, sizeTop + 3);
    spedResWidth = PlaceSettingsSpin(FOwner, gbResolution,
                                     Bounds(60, sizeTop, AdvancedSpinWidth, AdvancedSpinHeight), 2, 30000, 1);
    lblResWidth->SetFocusControl(spedResWidth);
    lblResX = PlaceSettingsLabel(FOwner, gbResolution, "X", 130, sizeTop + 3);
    spedResHeight = PlaceSettingsSpin(
        FOwner, gbResolution, Bounds(146, sizeTop, AdvancedSpinWidth, AdvancedSpinHeight), 2, 30000, 1);
    lblResHeight =
        PlaceSettingsLabel(FOwner, gbResolution, Texts().edResHeight, 216, sizeTop + 3, spedResHeight);
    top += 86;

    gbCropping = PlaceSettingsGroup(FOwner, parent, Texts().gbCropping, top, 80);
    const struct
    {
        TLabel*& label;
        TQvSpinEdit*& edit;
        const std::string& caption;
        int left, top;
    } crops[] = {
        {lblCropTop, spedCropTop, Texts().edCropTop, 10, 20},
        {lblCropBottom, spedCropBottom, Texts().edCropBottom, 170, 20},
        {lblCropLeft, spedCropLeft, Texts().edCropLeft, 10, 48},
        {lblCropRight, spedCropRight, Texts().edCropRight, 170, 48},
    };
    for (const auto& crop : crops) {
        crop.edit = PlaceSettingsSpin(FOwner, gbCropping,
                                      Bounds(crop.left + 80, crop.top, AdvancedSpinWidth, AdvancedSpinHeight),
                                      0, 5000, 8);
        crop.label = PlaceSettingsLabel(FOwner, gbCropping, crop.caption, crop.left, crop.top + 3, crop.edit);
    }
    top += 86;
}

void TSettingsPanels::BuildVideoTag(TWinControl* parent, int& top)
{
    gbVideoTag = PlaceSettingsGroup(FOwner, parent, "", top, 34);
    chVideoFourcc = PlaceSettingsCheck(FOwner, gbVideoTag, Texts().chVideoFourcc, Bounds(10, 8, 130, 20));
    lblVideoFourcc = PlaceSettingsLabel(FOwner, gbVideoTag, "(fourcc):", 144, 11);
    cbVideoTag = PlaceSettingsCombo(FOwner, gbVideoTag, csDropDown, Bounds(204, 6, 70, AdvancedComboHeight));
    cbVideoTag->SetMaxLength(4);
    lblVideoFourcc->SetFocusControl(cbVideoTag);
    btnInfoFourcc = PlaceSettingsSpeedButton(FOwner, gbVideoTag, "Info", Bounds(280, 7, 40, 20));
    top += 40;
}

void TSettingsPanels::BuildVideoFilters(TWinControl* parent, int& top)
{
    pnVideoFilters = PlaceSettingsPanel(FOwner, parent, alNone, Bounds(6, top, AdvancedContentWidth, 140),
                                        RGBToColor(246, 247, 249));
    TKvpPanelAppearance& looks = *pnVideoFilters->Appearance();
    looks.SetDrawBorder(true);
    const TColor border = RGBToColor(205, 209, 215);
    for (TKvpBasicPanelBorder* side : {looks.Borders()->Top(), looks.Borders()->Left(),
                                       looks.Borders()->Right(), looks.Borders()->Bottom()}) {
        side->Pen()->SetColor(border);
        side->SetBorder3D(false);
    }
    TWinControl* panel = pnVideoFilters;
    chConvertColors = PlaceSettingsCheck(FOwner, panel, Texts().chConvertColors, Bounds(8, 6, 150, 20));
    cbConvertColors =
        PlaceSettingsCombo(FOwner, panel, csDropDownList, Bounds(166, 5, 110, AdvancedComboHeight));
    chBrightness = PlaceSettingsCheck(FOwner, panel, Texts().chBrightness, Bounds(8, 32, 150, 20));
    tbBrightness = PlaceSettingsTrackBar(FOwner, panel, Bounds(162, 30, 120, 24), -20, 20, 0);
    lblBrightnessValue = PlaceSettingsLabel(FOwner, panel, "0", 288, 35);
    chSaturation = PlaceSettingsCheck(FOwner, panel, Texts().chSaturation, Bounds(8, 58, 150, 20));
    tbSaturation = PlaceSettingsTrackBar(FOwner, panel, Bounds(162, 56, 120, 24), 1, 30, 10);
    lblSaturationValue = PlaceSettingsLabel(FOwner, panel, "0", 288, 61);
    chFlipHorizontal = PlaceSettingsCheck(FOwner, panel, Texts().chFlipHorizontal, Bounds(8, 84, 150, 20));
    chFlipVertical = PlaceSettingsCheck(FOwner, panel, Texts().chFlipVertical, Bounds(166, 84, 150, 20));
    chNegative = PlaceSettingsCheck(FOwner, panel, Texts().chNegative, Bounds(8, 110, 150, 20));
    chRotate = PlaceSettingsCheck(FOwner, panel, Texts().chRotate, Bounds(166, 110, 90, 20));
    cbRotate = PlaceSettingsCombo(FOwner, panel, csDropDown, Bounds(258, 109, 60, AdvancedComboHeight));
    top += 146;
}

void TSettingsPanels::BuildParams(TWinControl* parent, int& top)
{
    lblFFmpegParams = PlaceSettingsLabel(FOwner, parent, Texts().gbFFmpegParams, 8, top + 3);
    btnFFParams =
        PlaceSettingsSpeedButton(FOwner, parent, "Info", Bounds(AdvancedContentWidth - 34, top, 40, 20));
    top += 24;
    pnParams = PlaceSettingsPanel(FOwner, parent, alNone, Bounds(6, top, AdvancedContentWidth, 60),
                                  SettingsPanelBackground);
    meParams = PlaceSettingsControl<TMemo>(FOwner, pnParams, Bounds(0, 0, AdvancedContentWidth, 60));
    lblFFmpegParams->SetFocusControl(meParams);
    top += 66;
}

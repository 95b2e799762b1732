#include "app/main/settings_panels.h"

#include "app/main/settings_panels_kit.h"
#include "controls/edits/combo_box.h"
#include "controls/edits/group_box.h"
#include "controls/pack/basic_speed_button.h"
#include "controls/pack/panel.h"
#include "controls/pack/png_button.h"
#include "controls/pack/track_bar.h"
#include "platform/gui/standard/edits.h"
#include "platform/gui/standard/memo.h"
#include "platform/gui/standard/stdctrls_buttons.h"
#include "platform/gui/standard/stdctrls_labels.h"
#include "support/color_routines.h"

#include <algorithm>

// The output options of pnMid and the hidden templates whose looks the panels and the secondary windows
// copy.

void TSettingsPanels::BuildOutput(TWinControl* parent)
{
    constexpr int listLeft = 150;
    PlaceLabelledCombos(FOwner, parent,
                        {
                            {lblIfOutputExists, cbOutputExists, Texts().lblIfOutputExists, csDropDownList,
                             Bounds(listLeft, 6, 170, 22)},
                            {lblAfterConversion, cbAfterConversion, Texts().lblAfterConversion,
                             csDropDownList, Bounds(listLeft, 32, 170, 22)},
                        });
    chKeepDates = PlaceSettingsCheck(FOwner, parent, Texts().chKeepDates, Bounds(8, 57, 312, 20));
    chKeepDates->SetHint(Texts().KeepDates);

    const int groupLeft = listLeft + 180;
    gbOutputDir = PlaceSettingsControl<TVezGroupBox>(
        FOwner, parent, Bounds(groupLeft, 0, std::max(parent->ClientWidth() - groupLeft - 6, 300), 78));
    gbOutputDir->SetAnchors({akLeft, akTop, akRight});
    gbOutputDir->SetCaption(Texts().OutputDir);
    gbOutputDir->SetTransparent(true);
    TWinControl* group = gbOutputDir;
    const int width = gbOutputDir->Width();
    rbOutDirIsInDir = PlaceSettingsControl<TRadioButton>(FOwner, group, Bounds(10, 20, width - 20, 20));
    rbOutDirIsInDir->SetCaption(Texts().rbOutDirIsInDir);
    rbOutDirIsInDir->SetAnchors({akLeft, akTop, akRight});
    rbOutDir = PlaceSettingsControl<TRadioButton>(FOwner, group, Bounds(10, 48, 18, 20));
    btnExplore = PlaceSettingsButton(FOwner, group, Texts().actExploreOutDir, Bounds(width - 96, 46, 88, 24));
    btnExplore->SetAnchors({akTop, akRight});
    btnBrowseOutDir =
        PlaceSettingsButton(FOwner, group, Texts().actBrowseOutDir, Bounds(width - 188, 46, 88, 24));
    btnBrowseOutDir->SetAnchors({akTop, akRight});
    edOutDir = PlaceSettingsControl<TEdit>(FOwner, group, Bounds(30, 47, width - 222, 22));
    edOutDir->SetAnchors({akLeft, akTop, akRight});
}

void TSettingsPanels::BuildTemplates(TWinControl* parent)
{
    pnTemplates = PlaceSettingsPanel(FOwner, parent, alNone, Bounds(0, 0, 300, 60), SettingsPanelBackground);
    pnTemplates->SetVisible(false);
    pnT = PlaceSettingsPanel(FOwner, pnTemplates, alNone, Bounds(4, 4, 60, 24), SettingsPanelBackground);
    SetLightPanelLooks(*pnT);
    pnT_Dark = PlaceSettingsPanel(FOwner, pnTemplates, alNone, Bounds(70, 4, 60, 41), RGBToColor(60, 63, 70));
    SetDarkPanelLooks(*pnT_Dark);
    btnT = PlaceSettingsButton(FOwner, pnTemplates, "btnT", Bounds(136, 4, 90, 27));
    SetFlatButtonLooks(*btnT);
    sbtnSpeedT = PlaceSettingsSpeedButton(FOwner, pnTemplates, "Info", Bounds(232, 4, 40, 20));
    SetFlatSpeedButtonLooks(*sbtnSpeedT);
}

void TSettingsPanels::CopyTemplateLooks()
{
    for (TKvpPanel* header : {pnHeader_Video, pnHeader_Audio, pnHeader_Advanced, pnProfile})
        header->Appearance()->Assign(pnT->Appearance());
    for (TKvpPngButton* button : {btnLoadProfile, btnBrowseOutDir, btnExplore})
        button->Appearance()->Assign(btnT->Appearance());
    for (TKvpBasicSpeedButton* button : {btnInfoAudioBitrates, btnInfoFourcc, btnFFParams, sbtnVideoSettings,
                                         sbtnAudioSettings, sbtnAdvancedSettings})
        button->SetAppearance(sbtnSpeedT->Appearance());
    if (const auto* window = dynamic_cast<const TControl*>(FOwner))
        btnBrowseOutDir->SetFont(window->Font());

    for (TKVGxTrackBar6* trackBar : {tbBrightness, tbSaturation}) {
        CopyTrackBarColors(*trackBar, *tbAudioVolume);
        trackBar->SetColor(pnVideoFilters->Appearance()->BackgroundColor());
    }
    gbCropping->SetBorderColor(gbResolution->BorderColor());
    gbVideoTag->SetBorderColor(gbResolution->BorderColor());
    gbOutputDir->SetBorderStyle(TVezCustomGroupBox::bsNone);
    lblBrightnessValue->SetCaption("0");
    lblSaturationValue->SetCaption("0");
    meParams->SetAlign(alClient);
    pnLeft->SetWidth(pnVideo->Width() + pnAudio->Width() + 5);
}

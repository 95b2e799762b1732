#include "app/main/form_main.h"
#include "app/main/main_language_parts.h"
#include "app/main/settings_panels.h"
#include "controls/edits/group_box.h"
#include "controls/pack/flip_panel.h"
#include "controls/pack/panel.h"
#include "controls/skins/skin_items.h"
#include "engine/app_strings.h"
#include "engine/forms/window_routines.h"
#include "platform/gui/services/dialogs.h"
#include "platform/gui/standard/stdctrls_buttons.h"
#include "platform/gui/standard/stdctrls_labels.h"
#include "platform/gui/windows/actions.h"

#include <span>
#include <string_view>
#include <utility>

// The captions and hints of the main window from the string table. Most controls take the text whose key
// is the control's name; the tables below say so pair by pair, and the exceptions follow them.

namespace {

using TControlText = std::pair<TControl*, const std::string*>;
using TActionText = std::pair<TAction*, const std::string*>;
using TItemText = std::pair<std::string_view, const std::string*>; // a menu or tool bar item's name

void SetControlTexts(std::span<const TControlText> texts)
{
    for (const auto& [control, text] : texts)
        SetCtrlText(*control, *text);
}

void SetActionTexts(std::span<const TActionText> texts, bool alsoHint)
{
    for (const auto& [action, text] : texts)
        SetCtrlText(*action, *text, alsoHint);
}

// Menu headers and tool bar buttons are found by their names; sets the caption, and the hint when given.
void SetItemText(TFormMain& form, std::string_view name, const std::string& caption,
                 const std::string* hint = nullptr)
{
    auto* item = dynamic_cast<TBarCustomItem*>(form.FindComponent(std::string(name)));
    if (!item)
        return;
    item->SetCaption(caption);
    if (hint)
        item->SetHint(*hint);
}

void SetPanelTexts(TSettingsPanels& p, const TMainModuleStrings& m)
{
    const TControlText sameName[] = {
        {p.chConvertColors, &m.chConvertColors},
        {p.chBrightness, &m.chBrightness},
        {p.chSaturation, &m.chSaturation},
        {p.chFlipHorizontal, &m.chFlipHorizontal},
        {p.chFlipVertical, &m.chFlipVertical},
        {p.chNegative, &m.chNegative},
        {p.chRotate, &m.chRotate},
        {p.chKeepDates, &m.chKeepDates},
        {p.chAviVideo2Pass, &m.chAviVideo2Pass},
        {p.chAviVideoDontCopy, &m.chAviVideoDontCopy},
        {p.chMpgVideo2Pass, &m.chMpgVideo2Pass},
        {p.chMpgVideoDontCopy, &m.chMpgVideoDontCopy},
        {p.chAudioDontCopy, &m.chAudioDontCopy},
        {p.chVideoFourcc, &m.chVideoFourcc},
        {p.lblProfile, &m.lblProfile},
        {p.lblIfOutputExists, &m.lblIfOutputExists},
        {p.lblAfterConversion, &m.lblAfterConversion},
        {p.rbOutDirIsInDir, &m.rbOutDirIsInDir},
        {p.lblAviVideoThreads, &m.lblAviVideoThreads},
        {p.lblAviVideoCodec, &m.lblAviVideoCodec},
        {p.lblAviVideoBitrate, &m.lblAviVideoBitrate},
        {p.lblAviVideoFPS, &m.lblAviVideoFPS},
        {p.lblAviVideoAspect, &m.lblAviVideoAspect},
        {p.lblMpgVideo, &m.lblMpgVideo},
        {p.lblMpegVersion, &m.lblMpegVersion},
        {p.lblMpgVideoBitrate, &m.lblMpgVideoBitrate},
        {p.lblMpgVideoFPS, &m.lblMpgVideoFPS},
        {p.lblAudioCodec, &m.lblAudioCodec},
        {p.lblAudioBitrate, &m.lblAudioBitrate},
        {p.lblAudioSampling, &m.lblAudioSampling},
        {p.lblAudioChannels, &m.lblAudioChannels},
        {p.gbResolution, &m.gbResolution},
        {p.gbCropping, &m.gbCropping},
    };
    SetControlTexts(sameName);

    const TControlText others[] = {
        {p.lblInterlacing, &m.gbInterlacing},
        {p.gbOutputDir, &m.OutputDir},
        {p.pnVideo, &m.lblOutputFormatVideoSettings},
        {p.lblHeader_Video, &m.lblOutputFormatVideoSettings},
        {p.pnAudio, &m.lblAudioSettings},
        {p.lblHeader_Audio, &m.lblAudioSettings},
        {p.pnAdvancedSettings, &m.lblAdvancedSettings},
        {p.lblHeader_Advanced, &m.lblAdvancedSettings},
        {p.lblResWidth, &m.edResWidth},
        {p.lblResHeight, &m.edResHeight},
        {p.lblCropTop, &m.edCropTop},
        {p.lblCropBottom, &m.edCropBottom},
        {p.lblCropLeft, &m.edCropLeft},
        {p.lblCropRight, &m.edCropRight},
        {p.lblAudioVolumeInfo, &m.lblAudioVolume},
        {p.lblFFmpegParams, &m.gbFFmpegParams},
        {p.lblAudioTrackNo, &m.gbAudioTrackNo},
    };
    SetControlTexts(others);
    p.chKeepDates->SetHint(m.KeepDates);
}

void SetActionTexts(TMainActions& a, const TAppStrings& strings)
{
    const TMainModuleStrings& m = strings.Main;
    const TActionText captionAndHint[] = {
        {a.actToolsInfo, &m.actToolsInfo},
        {a.actStayOnTop, &m.actStayOnTop},
        {a.actShowCmdLine, &m.actShowCmdLine},
        {a.actLoadSelectedProfile, &m.actLoadSelectedProfile},
        {a.actConvert, &m.actConvert},
        {a.actMinimizeToTray, &m.actMinimizeToTray},
        {a.actExit, &m.actExit},
        {a.actLoadProfile, &m.actLoadProfile},
        {a.actSaveProfile, &m.actSaveProfile},
        {a.actAddFiles, &m.actAddFiles},
        {a.actAddFolder, &m.actAddFolder},
        {a.actRemoveChecked, &m.actRemoveChecked},
        {a.actLoadFileList, &m.actLoadFileList},
        {a.actSaveFileList, &m.actSaveFileList},
        {a.actCheckAll, &m.actCheckAll},
        {a.actUncheckAll, &m.actUncheckAll},
        {a.actInvertSelection, &m.actInvertSelection},
        {a.actCheckSelected, &m.actCheckSelected},
        {a.actUncheckSelected, &m.actUncheckSelected},
        {a.actClearFileList, &m.actClearFileList},
        {a.actGoToHomePage, &m.actGoToHomePage},
        {a.actAbout, &m.actAbout},
        {a.actShowOptions, &m.actShowOptions},
        {a.actBrowseOutDir, &m.actBrowseOutDir},
        {a.actExploreOutDir, &m.actExploreOutDir},
        {a.actSetDefaultEncoderSettings, &m.actSetDefaultEncoderSettings},
        {a.actShowHideFormErrors, &m.actShowHideFormErrors},
        {a.actShowHideFileInfo, &m.actShowHideFileInfo},
        {a.actShowHideBottomPanel, &m.actShowHideBottomPanel},
        {a.actShowProgressWindow, &m.actShowProgressWindow},
        {a.actCheckUpdate, &m.actCheckUpdate},
        {a.actSaveBat, &m.actSaveBAT},
        {a.actHelp, &m.mnuHelp},
        {a.actGoToDonation, &strings.About.Donation},
    };
    SetActionTexts(captionAndHint, true);

    const TActionText captionOnly[] = {
        {a.actCopyVideoSettings_Avi, &m.CopyVideoSettings_AVI},
        {a.actPasteVideoSettings_Avi, &m.PasteVideoSettings_AVI},
        {a.actDefaultVideoSettings_Avi, &m.DefaultVideoSettings_AVI},
        {a.actCopyVideoSettings_Mpg, &m.CopyVideoSettings_MPG},
        {a.actPasteVideoSettings_Mpg, &m.PasteVideoSettings_MPG},
        {a.actDefaultVideoSettings_Mpg, &m.DefaultVideoSettings_MPG},
        {a.actCopyAudioSettings, &m.CopyAudioSettings},
        {a.actPasteAudioSettings, &m.PasteAudioSettings},
        {a.actDefaultAudioSettings, &m.DefaultAudioSettings},
        {a.actCopyAdvancedSettings, &m.CopyAdvancedSettings},
        {a.actPasteAdvancedSettings, &m.PasteAdvancedSettings},
        {a.actDefaultAdvancedSettings, &m.DefaultAdvancedSettings},
    };
    SetActionTexts(captionOnly, false);
}

// Each column command takes the text of its column's header, also the icon column's, which shows none.
void SetColumnActionTexts(TMainActions& actions, TAppStrings& strings)
{
    for (const TMainActionSpec& spec : MainActionSpecs()) {
        if (spec.Column.empty())
            continue;
        for (const TAppStringField& field : AppStringFields())
            if (field.Section == "MAIN" && field.Key == spec.Column)
                SetCtrlText(*(actions.*spec.Field), field.Text(strings), false);
    }
}

void SetMenuAndButtonTexts(TFormMain& form, const TMainModuleStrings& m)
{
    const TItemText headers[] = {
        {"mnuFile", &m.mnuFile},
        {"mnuView", &m.mnuView},
        {"mnuFileList", &m.mnuFileList},
        {"mnuEncoder", &m.mnuEncoder},
        {"mnuHelp", &m.mnuHelp},
        {"mnuColumnsMenu", &m.mnuColumns},
        {"popColumnsSubmenu", &m.mnuColumns},
    };
    for (const auto& [name, text] : headers)
        SetItemText(form, name, *text);

    // Each button's hint is its command's text.
    const std::pair<TItemText, const std::string*> buttons[] = {
        {{"btnAdd", &m.btnAdd}, &m.actAddFiles},
        {{"btnAddFolder", &m.btnAddFolder}, &m.actAddFolder},
        {{"btnRemove", &m.btnRemove}, &m.actRemoveChecked},
        {{"btnConvert", &m.btnConvert}, &m.actConvert},
        {{"btnOptions", &m.btnOptions}, &m.actShowOptions},
        {{"btnFileInfo", &m.btnFileInfo}, &m.actShowHideFileInfo},
    };
    for (const auto& [button, hint] : buttons)
        SetItemText(form, button.first, *button.second, hint);
    // Stay on top shows only its image.
    SetItemText(form, "btnStayOnTop", "", &form.Actions.actStayOnTop->Caption());
}

} // namespace

void SetMainWindowTexts(TFormMain& form, TAppStrings& strings)
{
    const TMainModuleStrings& m = strings.Main;
    SetPanelTexts(form.Panels(), m);
    SetActionTexts(form.Actions, strings);
    SetColumnActionTexts(form.Actions, strings);
    SetMenuAndButtonTexts(form, m);
    SetCtrlText(*form.fpConversionSettings, m.pnConversionSettings);
    form.dlgSaveProfile->SetFilter(m.dlgSaveProfile_Filter + "|*.ini");
    form.dlgOpenProfile->SetFilter(m.dlgOpenProfile_Filter + "|*.ini");
    form.dlgSaveBAT->SetFilter(m.dlgSaveBAT_Filter + "|*.sh");
}

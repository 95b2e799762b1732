#include "app/main/settings_panels.h"

#include "app/kit/updating_controls.h"
#include "app/main/settings_binder.h"
#include "app/main/settings_panels_kit.h"
#include "app/model/data_lists.h"
#include "app/model/settings_lists.h"
#include "controls/edits/combo_box.h"
#include "controls/edits/scroll_box.h"
#include "controls/pack/page_control.h"
#include "controls/pack/repeat_timer.h"
#include "controls/pack/track_bar.h"
#include "controls/skins/skin_spin_edit.h"
#include "engine/app_params.h"
#include "platform/gui/graphics/font_families.h"
#include "platform/gui/standard/edits.h"
#include "platform/gui/standard/memo.h"
#include "platform/gui/standard/stdctrls_labels.h"
#include "support/special_folders.h"

TSettingsPanels::TSettingsPanels(TComponent* owner, TWinControl* settingsParent, TWinControl* midParent,
                                 const TAppStrings& strings)
    : FOwner(owner), FStrings(strings)
{
    BuildLeft(settingsParent);
    BuildAdvanced(settingsParent);
    BuildOutput(midParent);
    BuildTemplates(midParent);
    tbAudioVolume->OnChange = [this](TObject* sender) { tbAudioVolumeChange(sender); };
    BindChangeEvents(true);
}

TSettingsPanels::~TSettingsPanels()
{
    // The controls belong to the owner and may outlive this object: nothing of theirs may call back here.
    tmRefreshSpinEdits->SetEnabled(false);
    tmRefreshSpinEdits->OnTimer = nullptr;
    tbAudioVolume->OnChange = nullptr;
    cbResolution->OnDrawItem = nullptr;
    sboxAdvanced->OnVScroll = nullptr;
    BindChangeEvents(false);
}

std::vector<TQvSpinEdit*> TSettingsPanels::SpinEdits() const
{
    return {spedResWidth, spedResHeight, spedCropTop, spedCropBottom, spedCropLeft, spedCropRight};
}

TWindowLooks TSettingsPanels::WindowLooks() const
{
    return {btnT, pnT_Dark, AppParams.MonospaceFont};
}

void TSettingsPanels::PrepareControls()
{
    CopyTemplateLooks();
    AppParams.MonospaceFont = ChooseMonospaceFont(IsFontInstalled, ResolveFontFamily("", true));
    cbResolution->Font()->SetName(AppParams.MonospaceFont.Name);
    cbResolution->Font()->SetSize(AppParams.MonospaceFont.Size);
    FillLists();
}

void TSettingsPanels::FillLists()
{
    TUpdatingControlsScope updating;
    const TMainModuleStrings& texts = Texts();
    const auto fill = [](TVezComboBox* combo, const std::vector<std::string>& items, int index) {
        SetComboItems(*combo, items);
        combo->SetItemIndex(index);
    };
    fill(cbAviVideoAspect, AspectItems(texts), 0);
    SetComboItems(*cbAviVideoThreads, AviVideoThreadsItems(texts));
    fill(cbAudioTrackNo, {AutoAudioTrackItem(texts)}, 0);
    fill(cbInterlacing, InterlacingItems(texts), 0);
    fill(cbMpegVersion, MpegVersionItems(), 0);
    fill(cbMpgVideo, MpgPresetItems(texts), ItemIndex::MpgPresetCustom);
    edOutDir->SetText(GetDesktopDir());
    std::vector<std::string> resolutions{texts.Auto, texts.Custom};
    for (std::string& item : ReadResolutionList(AppParams.ResolutionTxt))
        resolutions.push_back(std::move(item));
    fill(cbResolution, resolutions, ItemIndex::ResolutionAuto);
    fill(cbAudioChannels, AudioChannelsItems(texts), 0);
    fill(cbAudioSampling, AudioSamplingItems(texts), 0);
    fill(cbAfterConversion, AfterConversionItems(texts), acDoNothing);
    fill(cbOutputExists, OutputExistsItems(texts), oeRename);
    cbVideoTag->SetText("");
    InitFourccList();
    fill(cbAviVideoBitrate, AviVideoBitrateItems(texts), 0);
    fill(cbMpgVideoBitrate, MpgVideoBitrateItems(texts), 0);
    fill(cbAviVideoFPS, FrameRateItems(texts), 0);
    fill(cbMpgVideoFPS, FrameRateItems(texts), 0);
    fill(cbAviVideoCodec, AviVideoCodecItems(texts), DefaultVideoCodecIndex);
    fill(cbAudioCodec, AudioCodecItems(texts), ItemIndex::AudioCodecAuto);
    // The lists a layout would hold from the start.
    fill(cbAudioBitrate, AudioBitrateItems(texts), 0);
    fill(cbConvertColors, ConvertColorsItems(), ItemIndex::ConvertColorsGrayscale);
    SetComboItems(*cbRotate, RotateItems());
}

void TSettingsPanels::InitFourccList()
{
    SetComboItems(*cbVideoTag, ReadVideoTagList(AppParams.FourccTagsFile));
}

void TSettingsPanels::SetDefaultParams()
{
    TUpdatingControlsScope updating;
    SetDefaultVideoSettings_Avi();
    SetDefaultVideoSettings_Mpg();
    SetDefaultAudioSettings();
    SetDefaultAdvancedSettings();
    pcVideoFormat->SetActivePage(tsAvi);
}

void TSettingsPanels::SetDefaultVideoSettings_Avi()
{
    TUpdatingControlsScope updating;
    WriteAviVideoSettings(*this, DefaultAviVideoSettings(DefaultVideoCodecIndex));
}

void TSettingsPanels::SetDefaultVideoSettings_Mpg()
{
    TUpdatingControlsScope updating;
    WriteMpgVideoSettings(*this, DefaultMpgVideoSettings());
    lblMpgInfo->SetCaption("");
}

void TSettingsPanels::SetDefaultAudioSettings()
{
    TUpdatingControlsScope updating;
    // The language may have changed since the lists were filled.
    for (TVezComboBox* combo : {cbAudioBitrate, cbAudioSampling})
        if (combo->Items()->Count() > 0)
            combo->Items()->Put(0, Texts().Auto);
    WriteAudioSettings(*this, DefaultAudioSettings());
}

void TSettingsPanels::SetDefaultAdvancedSettings()
{
    TUpdatingControlsScope updating;
    WriteAdvancedSettings(*this, DefaultAdvancedSettings());
}

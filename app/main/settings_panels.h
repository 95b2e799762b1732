#pragma once

#include "engine/app_strings.h"
#include "engine/forms/window_looks.h"
#include "platform/gui/standard/owner_draw.h"

#include <functional>
#include <string>
#include <vector>

class TComponent;
class TObject;
class TWinControl;
class TLabel;
class TCheckBox;
class TRadioButton;
class TMemo;
class TEdit;
class TVezComboBox;
class TVezGroupBox;
class TVezScrollBox;
class TQvSpinEdit;
class TKvpPanel;
class TKvpPngButton;
class TKvpBasicSpeedButton;
class TKvpTimer;
class TKVGxTrackBar6;
class TKVGxPageControl6;
class TKVGxPageSheet6;
class TKVGxNotebookSheet6;
struct TRect;

// The encoder settings panels of the main window and its output options, built in code as one unit: the
// main window gives the parents and the owner, keeps the object for its whole life, and forwards. Every
// control is a public member under its layout name, so that the binder, the enabling rules and the
// language reach it; the controls belong to the owner component.
//
// Order of use in the main window's creation: construct once the string table holds the first language,
// then PrepareControls and SetDefaultParams; the last-session profile and the settings file are written
// in through the binder (WriteEncoderSettings, WriteRunOptions) and read back the same way at closing.
// A change of the file list's selected row calls UpdateCbAudioTrackNo with the row's full file name.
// Destroy the object before the owner frees its components.
class TSettingsPanels
{
public:
    // Builds every control: the conversion settings (pnLeft, pnAdvancedSettings) into settingsParent, the
    // client area of fpConversionSettings; the output options into midParent (pnMid); the hidden template
    // panel pnTemplates into midParent. Captions are taken from strings, which must outlive the panels.
    TSettingsPanels(TComponent* owner, TWinControl* settingsParent, TWinControl* midParent,
                    const TAppStrings& strings);
    ~TSettingsPanels();
    TSettingsPanels(const TSettingsPanels&) = delete;
    TSettingsPanels& operator=(const TSettingsPanels&) = delete;

    const TMainModuleStrings& Texts() const { return FStrings.Main; }
    // The looks the secondary windows copy: btnT, pnT_Dark and AppParams.MonospaceFont (chosen by
    // PrepareControls).
    TWindowLooks WindowLooks() const;

    // Looks copied from the templates, the monospace font (AppParams.MonospaceFont), the fixed lists
    // and the data lists. Once, after the language is loaded and before the defaults.
    void PrepareControls();
    // All four groups' defaults, then the AVI page.
    void SetDefaultParams();
    void SetDefaultVideoSettings_Avi();
    void SetDefaultVideoSettings_Mpg();
    void SetDefaultAudioSettings();
    void SetDefaultAdvancedSettings();
    // Refills the video tag list from AppParams.FourccTagsFile (the built-in list without the file).
    void InitFourccList();
    // Refills the audio track list from the file list's selected file, analysed by the encoder; an empty
    // name (no valid selection) changes nothing. The selected index stays when the list is long enough.
    void UpdateCbAudioTrackNo(const std::string& selectedFile);

    // Event handlers, bound at construction.
    void cbResolutionDrawItem(TWinControl* control, int index, const TRect& rect, TOwnerDrawState state);
    void tbAudioVolumeChange(TObject* sender);
    void sboxAdvancedVScroll(TObject* sender);
    void tmRefreshSpinEditsTimer(TObject* sender);
    void RefreshSpinEdit(TQvSpinEdit* edit);

    // --- enabled states and dependent texts (settings_panels_enabling.cpp) ---
    // Brings the controls in line with the settings they hold: the engine's enabling rules applied to
    // the controls and to the labels that name them, the threads list shown for H.264 only, the MPG
    // information and the filter value labels written, the output folder edit enabled while rbOutDir is
    // checked, the track bars repainted. Changes no setting.
    void InitSettingsControls();
    // What a user's change of a setting calls: the main window's InitControls, which includes
    // InitSettingsControls. Panels without a window apply their own states.
    std::function<void()> OnSettingsChanged;

    // Change events of the settings controls (settings_panels_events.cpp). They do nothing while
    // UpdatingControls is set: whoever fills the controls brings the states up to date at its end.
    void InitCtrls(TObject* sender);
    void pcVideoFormatActiveChange(TObject* sender, TKVGxNotebookSheet6* sheet);

    // The six spin edits of the advanced panel: width, height, crop top, bottom, left, right.
    std::vector<TQvSpinEdit*> SpinEdits() const;

    // --- the conversion settings ---
    TKvpPanel* pnLeft = nullptr;
    TKvpPanel* pnVideo = nullptr;
    TKvpPanel* pnHeader_Video = nullptr;
    TLabel* lblHeader_Video = nullptr;
    TKvpBasicSpeedButton* sbtnVideoSettings = nullptr; // opens popVideoSettings
    TKVGxPageControl6* pcVideoFormat = nullptr;
    TKVGxPageSheet6* tsAvi = nullptr;
    TKVGxPageSheet6* tsMpg = nullptr;

    TLabel* lblAviVideoCodec = nullptr;
    TVezComboBox* cbAviVideoCodec = nullptr;
    TLabel* lblAviVideoBitrate = nullptr;
    TVezComboBox* cbAviVideoBitrate = nullptr;
    TLabel* lblAviVideoKbps = nullptr;
    TLabel* lblAviVideoFPS = nullptr;
    TVezComboBox* cbAviVideoFPS = nullptr;
    TLabel* lblAviVideoAspect = nullptr;
    TVezComboBox* cbAviVideoAspect = nullptr;
    TLabel* lblAviVideoThreads = nullptr;
    TVezComboBox* cbAviVideoThreads = nullptr;
    TCheckBox* chAviVideo2Pass = nullptr;
    TCheckBox* chAviVideoDontCopy = nullptr;

    TLabel* lblMpgVideo = nullptr;
    TVezComboBox* cbMpgVideo = nullptr;
    TLabel* lblMpgInfo = nullptr;
    TLabel* lblMpegVersion = nullptr;
    TVezComboBox* cbMpegVersion = nullptr;
    TLabel* lblMpgVideoBitrate = nullptr;
    TVezComboBox* cbMpgVideoBitrate = nullptr;
    TLabel* lblMpgVideoKbps = nullptr;
    TLabel* lblMpgVideoFPS = nullptr;
    TVezComboBox* cbMpgVideoFPS = nullptr;
    TCheckBox* chMpgVideo2Pass = nullptr;
    TCheckBox* chMpgVideoDontCopy = nullptr;

    TKvpPanel* pnAudio = nullptr;
    TKvpPanel* pnHeader_Audio = nullptr;
    TLabel* lblHeader_Audio = nullptr;
    TKvpBasicSpeedButton* sbtnAudioSettings = nullptr; // opens popAudioSettings
    TLabel* lblAudioCodec = nullptr;
    TVezComboBox* cbAudioCodec = nullptr;
    TLabel* lblAudioBitrate = nullptr;
    TVezComboBox* cbAudioBitrate = nullptr;
    TLabel* lblAudioKbps = nullptr;
    TKvpBasicSpeedButton* btnInfoAudioBitrates = nullptr;
    TLabel* lblAudioSampling = nullptr;
    TVezComboBox* cbAudioSampling = nullptr;
    TLabel* lblAudioHz = nullptr;
    TLabel* lblAudioChannels = nullptr;
    TVezComboBox* cbAudioChannels = nullptr;
    TLabel* lblAudioVolumeInfo = nullptr;
    TKVGxTrackBar6* tbAudioVolume = nullptr;
    TLabel* lblAudioVolume = nullptr;
    TCheckBox* chAudioDontCopy = nullptr;

    TKvpPanel* pnProfile = nullptr;
    TLabel* lblProfile = nullptr;
    TVezComboBox* cbProfileNew = nullptr;
    TKvpPngButton* btnLoadProfile = nullptr; // bound to actLoadSelectedProfile by the main window

    TKvpPanel* pnAdvancedSettings = nullptr;
    TKvpPanel* pnHeader_Advanced = nullptr;
    TLabel* lblHeader_Advanced = nullptr;
    TKvpBasicSpeedButton* sbtnAdvancedSettings = nullptr; // opens popAdvancedSettings
    TVezScrollBox* sboxAdvanced = nullptr;
    TLabel* lblAudioTrackNo = nullptr;
    TVezComboBox* cbAudioTrackNo = nullptr;
    TLabel* lblInterlacing = nullptr;
    TVezComboBox* cbInterlacing = nullptr;
    TVezGroupBox* gbResolution = nullptr;
    TVezComboBox* cbResolution = nullptr;
    TLabel* lblResWidth = nullptr;
    TQvSpinEdit* spedResWidth = nullptr;
    TLabel* lblResX = nullptr;
    TLabel* lblResHeight = nullptr;
    TQvSpinEdit* spedResHeight = nullptr;
    TVezGroupBox* gbCropping = nullptr;
    TLabel* lblCropTop = nullptr;
    TQvSpinEdit* spedCropTop = nullptr;
    TLabel* lblCropBottom = nullptr;
    TQvSpinEdit* spedCropBottom = nullptr;
    TLabel* lblCropLeft = nullptr;
    TQvSpinEdit* spedCropLeft = nullptr;
    TLabel* lblCropRight = nullptr;
    TQvSpinEdit* spedCropRight = nullptr;
    TVezGroupBox* gbVideoTag = nullptr;
    TCheckBox* chVideoFourcc = nullptr;
    TLabel* lblVideoFourcc = nullptr;
    TVezComboBox* cbVideoTag = nullptr;
    TKvpBasicSpeedButton* btnInfoFourcc = nullptr;
    TKvpPanel* pnVideoFilters = nullptr;
    TCheckBox* chConvertColors = nullptr;
    TVezComboBox* cbConvertColors = nullptr;
    TCheckBox* chBrightness = nullptr;
    TKVGxTrackBar6* tbBrightness = nullptr;
    TLabel* lblBrightnessValue = nullptr;
    TCheckBox* chSaturation = nullptr;
    TKVGxTrackBar6* tbSaturation = nullptr;
    TLabel* lblSaturationValue = nullptr;
    TCheckBox* chFlipHorizontal = nullptr;
    TCheckBox* chFlipVertical = nullptr;
    TCheckBox* chNegative = nullptr;
    TCheckBox* chRotate = nullptr;
    TVezComboBox* cbRotate = nullptr;
    TLabel* lblFFmpegParams = nullptr;
    TKvpBasicSpeedButton* btnFFParams = nullptr;
    TKvpPanel* pnParams = nullptr;
    TMemo* meParams = nullptr;

    TKvpTimer* tmRefreshSpinEdits = nullptr;

    // --- the output options (pnMid) ---
    TLabel* lblIfOutputExists = nullptr;
    TVezComboBox* cbOutputExists = nullptr;
    TLabel* lblAfterConversion = nullptr;
    TVezComboBox* cbAfterConversion = nullptr;
    TCheckBox* chKeepDates = nullptr;
    TVezGroupBox* gbOutputDir = nullptr;
    TRadioButton* rbOutDirIsInDir = nullptr;
    TRadioButton* rbOutDir = nullptr;
    TEdit* edOutDir = nullptr;
    TKvpPngButton* btnBrowseOutDir = nullptr; // bound to actBrowseOutDir by the main window
    TKvpPngButton* btnExplore = nullptr;      // bound to actExploreOutDir by the main window

    // --- the hidden templates every window copies its looks from ---
    TKvpPanel* pnTemplates = nullptr;
    TKvpPanel* pnT = nullptr;
    TKvpPanel* pnT_Dark = nullptr;
    TKvpPngButton* btnT = nullptr;
    TKvpBasicSpeedButton* sbtnSpeedT = nullptr;

private:
    // settings_panels_video.cpp
    void BuildLeft(TWinControl* parent);
    void BuildAviPage();
    void BuildMpgPage();
    void BuildAudio();
    void BuildProfile();
    // settings_panels_advanced.cpp
    void BuildAdvanced(TWinControl* parent);
    void BuildResolutionAndCropping(TWinControl* parent, int& top);
    void BuildVideoTag(TWinControl* parent, int& top);
    void BuildVideoFilters(TWinControl* parent, int& top);
    void BuildParams(TWinControl* parent, int& top);
    // settings_panels_events.cpp
    void BindChangeEvents(bool bound);
    // settings_panels_output.cpp
    void BuildOutput(TWinControl* parent);
    void BuildTemplates(TWinControl* parent);
    void CopyTemplateLooks();
    void FillLists();

    TComponent* FOwner;
    const TAppStrings& FStrings;
};

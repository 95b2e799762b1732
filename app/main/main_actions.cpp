#include "app/main/main_actions.h"

#include "platform/gui/windows/actions.h"
#include "platform/gui/windows/keys.h"

#include <array>
#include <string>

namespace {

using A = TMainActions;

constexpr std::array MainActionTable = {
    // File
    TMainActionSpec{&A::actConvert, "actConvert", "File", "Convert", "Ctrl+E"},
    TMainActionSpec{&A::actSaveBat, "actSaveBat", "File", "Save BAT file...", ""},
    TMainActionSpec{&A::actShowOptions, "actShowOptions", "File", "Options...", "F12"},
    TMainActionSpec{&A::actStayOnTop, "actStayOnTop", "File", "Stay on top", ""},
    TMainActionSpec{&A::actMinimizeToTray, "actMinimizeToTray", "File", "Minimize to tray", "Shift+Ctrl+M"},
    TMainActionSpec{&A::actExit, "actExit", "File", "Exit", ""},
    // View
    TMainActionSpec{&A::actShowProgressWindow, "actShowProgressWindow", "View", "Show progress window", "F8"},
    TMainActionSpec{&A::actShowHideFileInfo, "actShowHideFileInfo", "View",
                    "Show / hide video file properties", "F10"},
    TMainActionSpec{&A::actShowHideFormErrors, "actShowHideFormErrors", "View", "Show / hide error log",
                    "F11"},
    // File list
    TMainActionSpec{&A::actAddFiles, "actAddFiles", "File list", "Add files...", "Ctrl+O"},
    TMainActionSpec{&A::actAddFolder, "actAddFolder", "File list", "Add folder...", "Ctrl+F"},
    TMainActionSpec{&A::actRemoveChecked, "actRemoveChecked", "File list", "Remove checked files from list",
                    ""},
    TMainActionSpec{&A::actClearFileList, "actClearFileList", "File list", "Clear file list", ""},
    TMainActionSpec{&A::actCheckAll, "actCheckAll", "File list", "Check all", "Ctrl+A"},
    TMainActionSpec{&A::actUncheckAll, "actUncheckAll", "File list", "Uncheck all", ""},
    TMainActionSpec{&A::actInvertSelection, "actInvertSelection", "File list", "Invert selection", "Ctrl+I"},
    TMainActionSpec{&A::actCheckSelected, "actCheckSelected", "File list", "Check selected files", ""},
    TMainActionSpec{&A::actUncheckSelected, "actUncheckSelected", "File list", "Uncheck selected files", ""},
    TMainActionSpec{&A::actLoadFileList, "actLoadFileList", "File list", "Load file list...", "Shift+Ctrl+O"},
    TMainActionSpec{&A::actSaveFileList, "actSaveFileList", "File list", "Save file list...", "Shift+Ctrl+S"},
    TMainActionSpec{&A::actExploreDirectory, "actExploreDirectory", "File list", "Explore directory", ""},
    // Encoder
    TMainActionSpec{&A::actLoadProfile, "actLoadProfile", "Encoder", "Load encoder settings...", "Ctrl+P"},
    TMainActionSpec{&A::actSaveProfile, "actSaveProfile", "Encoder", "Save encoder settings...", "Ctrl+S"},
    TMainActionSpec{&A::actSetDefaultEncoderSettings, "actSetDefaultEncoderSettings", "Encoder",
                    "Default encoder settings", ""},
    TMainActionSpec{&A::actCopyVideoSettings_Avi, "actCopyVideoSettings_Avi", "Encoder",
                    "Copy AVI video encoding settings", ""},
    TMainActionSpec{&A::actPasteVideoSettings_Avi, "actPasteVideoSettings_Avi", "Encoder",
                    "Paste AVI video encoding settings", ""},
    TMainActionSpec{&A::actDefaultVideoSettings_Avi, "actDefaultVideoSettings_Avi", "Encoder",
                    "Default AVI video encoding settings", ""},
    TMainActionSpec{&A::actCopyVideoSettings_Mpg, "actCopyVideoSettings_Mpg", "Encoder",
                    "Copy MPG video encoding settings", ""},
    TMainActionSpec{&A::actPasteVideoSettings_Mpg, "actPasteVideoSettings_Mpg", "Encoder",
                    "Paste MPG video encoding settings", ""},
    TMainActionSpec{&A::actDefaultVideoSettings_Mpg, "actDefaultVideoSettings_Mpg", "Encoder",
                    "Default MPG encoding settings", ""},
    TMainActionSpec{&A::actCopyAudioSettings, "actCopyAudioSettings", "Encoder",
                    "Copy audio encoding settings", ""},
    TMainActionSpec{&A::actPasteAudioSettings, "actPasteAudioSettings", "Encoder",
                    "Paste audio encoding settings", ""},
    TMainActionSpec{&A::actDefaultAudioSettings, "actDefaultAudioSettings", "Encoder",
                    "Default audio encoding settings", ""},
    TMainActionSpec{&A::actCopyAdvancedSettings, "actCopyAdvancedSettings", "Encoder",
                    "Copy advanced encoding settings", ""},
    TMainActionSpec{&A::actPasteAdvancedSettings, "actPasteAdvancedSettings", "Encoder",
                    "Paste advanced encoding settings", ""},
    TMainActionSpec{&A::actDefaultAdvancedSettings, "actDefaultAdvancedSettings", "Encoder",
                    "Default advanced encoding settings", ""},
    TMainActionSpec{&A::actShowCmdLine, "actShowCmdLine", "Encoder", "FFmpeg command-line parameters...",
                    "F2"},
    TMainActionSpec{&A::actToolsInfo, "actToolsInfo", "Encoder", "Tools info...", "Shift+Ctrl+I"},
    // Help
    TMainActionSpec{&A::actHelp, "actHelp", "Help", "Help", "F1"},
    TMainActionSpec{&A::actGoToHomePage, "actGoToHomePage", "Help", "Home page", ""},
    TMainActionSpec{&A::actGoToDonation, "actGoToDonation", "Help", "Donation", ""},
    TMainActionSpec{&A::actGoToFacebook, "actGoToFacebook", "Help", "Facebook", ""},
    TMainActionSpec{&A::actGoToTwitter, "actGoToTwitter", "Help", "Twitter", ""},
    TMainActionSpec{&A::actCheckUpdate, "actCheckUpdate", "Help", "Check for updates...", "Shift+Ctrl+U"},
    TMainActionSpec{&A::actAbout, "actAbout", "Help", "About...", "Shift+Ctrl+F1"},
    // No category
    TMainActionSpec{&A::actBrowseOutDir, "actBrowseOutDir", "", "Browse...", ""},
    TMainActionSpec{&A::actExploreOutDir, "actExploreOutDir", "", "Explore...", ""},
    TMainActionSpec{&A::actShowHideMainWindow, "actShowHideMainWindow", "", "", ""},
    TMainActionSpec{&A::actLoadSelectedProfile, "actLoadSelectedProfile", "", "<-- Load", ""},
    TMainActionSpec{&A::actEsc, "actEsc", "", "", "Esc"},
    TMainActionSpec{&A::actShowHideBottomPanel, "actShowHideBottomPanel", "", "Show / hide bottom panel",
                    "F9"},
    // Columns
    TMainActionSpec{&A::actColNoVisible, "actColNoVisible", "Columns", "No", "", "colNo"},
    TMainActionSpec{&A::actColIconVisible, "actColIconVisible", "Columns", "Icon", "", "colIcon"},
    TMainActionSpec{&A::actColDirectoryVisible, "actColDirectoryVisible", "Columns", "Directory", "",
                    "colDirectory"},
    TMainActionSpec{&A::actColSizeVisible, "actColSizeVisible", "Columns", "Size", "", "colSize"},
    TMainActionSpec{&A::actColDurationVisible, "actColDurationVisible", "Columns", "Duration", "",
                    "colDuration"},
    TMainActionSpec{&A::actColVideoVisible, "actColVideoVisible", "Columns", "Video", "", "colVideo"},
    TMainActionSpec{&A::actColVideoCodecVisible, "actColVideoCodecVisible", "Columns", "Video codec", "",
                    "colVideoCodec"},
    TMainActionSpec{&A::actColVideoCodecIDVisible, "actColVideoCodecIDVisible", "Columns", "Video codec ID",
                    "", "colVideoCodecID"},
    TMainActionSpec{&A::actColVideoProfileVisible, "actColVideoProfileVisible", "Columns", "Video profile",
                    "", "colVideoProfile"},
    TMainActionSpec{&A::actColVideoBitrateVisible, "actColVideoBitrateVisible", "Columns", "Video bitrate",
                    "", "colVideoBitrate"},
    TMainActionSpec{&A::actColVideoWidthVisible, "actColVideoWidthVisible", "Columns", "Width", "",
                    "colVideoWidth"},
    TMainActionSpec{&A::actColVideoHeightVisible, "actColVideoHeightVisible", "Columns", "Height", "",
                    "colVideoHeight"},
    TMainActionSpec{&A::actColVideoResolutionVisible, "actColVideoResolutionVisible", "Columns", "Resolution",
                    "", "colVideoResolution"},
    TMainActionSpec{&A::actColVideoDisplayAspectVisible, "actColVideoDisplayAspectVisible", "Columns",
                    "Display aspect", "", "colVideoDisplayAspect"},
    TMainActionSpec{&A::actColVideoFPSVisible, "actColVideoFPSVisible", "Columns", "Frames/sec.", "",
                    "colVideoFPS"},
    TMainActionSpec{&A::actColVideoScanTypeVisible, "actColVideoScanTypeVisible", "Columns", "Scan type", "",
                    "colVideoScanType"},
    TMainActionSpec{&A::actColVideoBppVisible, "actColVideoBppVisible", "Columns", "Bits/pixel", "",
                    "colVideoBpp"},
    TMainActionSpec{&A::actColVideoStreamSizeVisible, "actColVideoStreamSizeVisible", "Columns",
                    "Video stream size", "", "colVideoStreamSize"},
    TMainActionSpec{&A::actColAudioVisible, "actColAudioVisible", "Columns", "Audio", "", "colAudio"},
    TMainActionSpec{&A::actColAudioCodecVisible, "actColAudioCodecVisible", "Columns", "Audio codec", "",
                    "colAudioCodec"},
    TMainActionSpec{&A::actColAudioCodecIDVisible, "actColAudioCodecIDVisible", "Columns", "Audio codec ID",
                    "", "colAudioCodecID"},
    TMainActionSpec{&A::actColAudioProfileVisible, "actColAudioProfileVisible", "Columns", "Audio profile",
                    "", "colAudioProfile"},
    TMainActionSpec{&A::actColAudioBitrateVisible, "actColAudioBitrateVisible", "Columns", "Audio bitrate",
                    "", "colAudioBitrate"},
    TMainActionSpec{&A::actColAudioChannelsVisible, "actColAudioChannelsVisible", "Columns", "Channels", "",
                    "colAudioChannels"},
    TMainActionSpec{&A::actColAudioSamplingVisible, "actColAudioSamplingVisible", "Columns", "Sampling", "",
                    "colAudioSampling"},
    TMainActionSpec{&A::actColAudioStreamSizeVisible, "actColAudioStreamSizeVisible", "Columns",
                    "Audio stream size", "", "colAudioStreamSize"},
    TMainActionSpec{&A::actColStatusVisible, "actColStatusVisible", "Columns", "Status", "", "colStatus"},
};

static_assert(MainActionTable.size() == 78);

} // namespace

std::span<const TMainActionSpec> MainActionSpecs()
{
    return MainActionTable;
}

void CreateMainActions(TComponent* owner, TMainActions& actions)
{
    actions.List = new TActionList(owner);
    actions.List->SetName("Actions");
    for (const TMainActionSpec& spec : MainActionTable) {
        auto* action = new TAction(owner);
        action->SetName(std::string(spec.Name));
        action->SetActionList(actions.List);
        action->SetCategory(std::string(spec.Category));
        action->SetCaption(std::string(spec.Caption));
        if (!spec.ShortCut.empty())
            action->SetShortCut(TextToShortCut(std::string(spec.ShortCut)));
        actions.*spec.Field = action;
    }
}

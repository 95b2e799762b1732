#include "app/main/main_actions.h"

#include "controls/pack/png_image_list.h"
#include "platform/gui/core/resources.h"
#include "platform/gui/graphics/png_image.h"
#include "platform/gui/windows/actions.h"
#include "platform/gui/windows/keys.h"

#include <array>
#include <string>

namespace {

using A = TMainActions;

constexpr std::array MainActionTable = {
    // File
    TMainActionSpec{&A::actConvert, "actConvert", "File", "Convert", "Ctrl+E", "", "IMG_CONVERT"},
    TMainActionSpec{&A::actSaveBat, "actSaveBat", "File", "Save BAT file...", "", "", "IMG_SCRIPT"},
    TMainActionSpec{&A::actShowOptions, "actShowOptions", "File", "Options...", "F12", "", "IMG_OPTIONS"},
    TMainActionSpec{&A::actStayOnTop, "actStayOnTop", "File", "Stay on top", "", "", "IMG_PIN"},
    TMainActionSpec{&A::actMinimizeToTray, "actMinimizeToTray", "File", "Minimize to tray", "Shift+Ctrl+M",
                    "", "IMG_TRAY"},
    TMainActionSpec{&A::actExit, "actExit", "File", "Exit", "", "", "IMG_EXIT"},
    // View
    TMainActionSpec{&A::actShowProgressWindow, "actShowProgressWindow", "View", "Show progress window", "F8",
                    "", "IMG_PROGRESS"},
    TMainActionSpec{&A::actShowHideFileInfo, "actShowHideFileInfo", "View",
                    "Show / hide video file properties", "F10", "", "IMG_FILE_INFO"},
    TMainActionSpec{&A::actShowHideFormErrors, "actShowHideFormErrors", "View", "Show / hide error log",
                    "F11", "", "IMG_ERROR_LOG"},
    // File list
    TMainActionSpec{&A::actAddFiles, "actAddFiles", "File list", "Add files...", "Ctrl+O", "",
                    "IMG_ADD_FILES"},
    TMainActionSpec{&A::actAddFolder, "actAddFolder", "File list", "Add folder...", "Ctrl+F", "",
                    "IMG_ADD_FOLDER"},
    TMainActionSpec{&A::actRemoveChecked, "actRemoveChecked", "File list", "Remove checked files from list",
                    "", "", "IMG_REMOVE"},
    TMainActionSpec{&A::actClearFileList, "actClearFileList", "File list", "Clear file list", "", "",
                    "IMG_CLEAR"},
    TMainActionSpec{&A::actCheckAll, "actCheckAll", "File list", "Check all", "Ctrl+A", "", "IMG_CHECK_ALL"},
    TMainActionSpec{&A::actUncheckAll, "actUncheckAll", "File list", "Uncheck all", "", "",
                    "IMG_UNCHECK_ALL"},
    TMainActionSpec{&A::actInvertSelection, "actInvertSelection", "File list", "Invert selection", "Ctrl+I",
                    "", "IMG_INVERT"},
    TMainActionSpec{&A::actCheckSelected, "actCheckSelected", "File list", "Check selected files", ""},
    TMainActionSpec{&A::actUncheckSelected, "actUncheckSelected", "File list", "Uncheck selected files", ""},
    TMainActionSpec{&A::actLoadFileList, "actLoadFileList", "File list", "Load file list...", "Shift+Ctrl+O",
                    "", "IMG_OPEN"},
    TMainActionSpec{&A::actSaveFileList, "actSaveFileList", "File list", "Save file list...", "Shift+Ctrl+S",
                    "", "IMG_SAVE"},
    TMainActionSpec{&A::actExploreDirectory, "actExploreDirectory", "File list", "Explore directory", "", "",
                    "IMG_FOLDER"},
    // Encoder
    TMainActionSpec{&A::actLoadProfile, "actLoadProfile", "Encoder", "Load encoder settings...", "Ctrl+P", "",
                    "IMG_OPEN"},
    TMainActionSpec{&A::actSaveProfile, "actSaveProfile", "Encoder", "Save encoder settings...", "Ctrl+S", "",
                    "IMG_SAVE"},
    TMainActionSpec{&A::actSetDefaultEncoderSettings, "actSetDefaultEncoderSettings", "Encoder",
                    "Default encoder settings", "", "", "IMG_DEFAULT"},
    TMainActionSpec{&A::actCopyVideoSettings_Avi, "actCopyVideoSettings_Avi", "Encoder",
                    "Copy AVI video encoding settings", "", "", "IMG_COPY"},
    TMainActionSpec{&A::actPasteVideoSettings_Avi, "actPasteVideoSettings_Avi", "Encoder",
                    "Paste AVI video encoding settings", "", "", "IMG_PASTE"},
    TMainActionSpec{&A::actDefaultVideoSettings_Avi, "actDefaultVideoSettings_Avi", "Encoder",
                    "Default AVI video encoding settings", "", "", "IMG_DEFAULT"},
    TMainActionSpec{&A::actCopyVideoSettings_Mpg, "actCopyVideoSettings_Mpg", "Encoder",
                    "Copy MPG video encoding settings", "", "", "IMG_COPY"},
    TMainActionSpec{&A::actPasteVideoSettings_Mpg, "actPasteVideoSettings_Mpg", "Encoder",
                    "Paste MPG video encoding settings", "", "", "IMG_PASTE"},
    TMainActionSpec{&A::actDefaultVideoSettings_Mpg, "actDefaultVideoSettings_Mpg", "Encoder",
                    "Default MPG encoding settings", "", "", "IMG_DEFAULT"},
    TMainActionSpec{&A::actCopyAudioSettings, "actCopyAudioSettings", "Encoder",
                    "Copy audio encoding settings", "", "", "IMG_COPY"},
    TMainActionSpec{&A::actPasteAudioSettings, "actPasteAudioSettings", "Encoder",
                    "Paste audio encoding settings", "", "", "IMG_PASTE"},
    TMainActionSpec{&A::actDefaultAudioSettings, "actDefaultAudioSettings", "Encoder",
                    "Default audio encoding settings", "", "", "IMG_DEFAULT"},
    TMainActionSpec{&A::actCopyAdvancedSettings, "actCopyAdvancedSettings", "Encoder",
                    "Copy advanced encoding settings", "", "", "IMG_COPY"},
    TMainActionSpec{&A::actPasteAdvancedSettings, "actPasteAdvancedSettings", "Encoder",
                    "Paste advanced encoding settings", "", "", "IMG_PASTE"},
    TMainActionSpec{&A::actDefaultAdvancedSettings, "actDefaultAdvancedSettings", "Encoder",
                    "Default advanced encoding settings", "", "", "IMG_DEFAULT"},
    TMainActionSpec{&A::actShowCmdLine, "actShowCmdLine", "Encoder", "FFmpeg command-line parameters...",
                    "F2", "", "IMG_COMMAND_LINE"},
    TMainActionSpec{&A::actToolsInfo, "actToolsInfo", "Encoder", "Tools info...", "Shift+Ctrl+I", "",
                    "IMG_TOOLS"},
    // Help
    TMainActionSpec{&A::actHelp, "actHelp", "Help", "Help", "F1", "", "IMG_HELP"},
    TMainActionSpec{&A::actGoToHomePage, "actGoToHomePage", "Help", "Home page", "", "", "IMG_HOME"},
    TMainActionSpec{&A::actGoToDonation, "actGoToDonation", "Help", "Donation", "", "", "IMG_DONATION"},
    TMainActionSpec{&A::actGoToFacebook, "actGoToFacebook", "Help", "Facebook", ""},
    TMainActionSpec{&A::actGoToTwitter, "actGoToTwitter", "Help", "Twitter", ""},
    TMainActionSpec{&A::actCheckUpdate, "actCheckUpdate", "Help", "Check for updates...", "Shift+Ctrl+U", "",
                    "IMG_UPDATE"},
    TMainActionSpec{&A::actAbout, "actAbout", "Help", "About...", "Shift+Ctrl+F1", "", "IMG_ABOUT"},
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

namespace {

// The column commands and the copy, paste and default commands of the settings groups show no hint: the
// language routine gives them their captions only.
bool HintIsCaption(const TMainActionSpec& spec)
{
    if (!spec.Column.empty())
        return false;
    for (std::string_view prefix : {"actCopy", "actPaste", "actDefault"})
        if (spec.Name.starts_with(prefix))
            return false;
    return true;
}

} // namespace

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
        if (HintIsCaption(spec))
            action->SetHint(std::string(spec.Caption));
        if (!spec.ShortCut.empty())
            action->SetShortCut(TextToShortCut(std::string(spec.ShortCut)));
        actions.*spec.Field = action;
    }
}

namespace {

constexpr int MainActionImageSize = 16;

void AddMainActionImage(TPngImageList& list, const std::string& name)
{
    TResourceStream stream(name, RT_BITMAP);
    TPngImage image;
    image.LoadFromStream(stream);
    const int index = list.AddPng(&image);
    list.PngImages()->Items(index)->SetName(name);
}

} // namespace

TPngImageList* CreateMainActionImages(TComponent* owner, const TMainActions& actions)
{
    auto* images = new TPngImageList(owner);
    images->SetName("ilActions");
    images->SetWidth(MainActionImageSize);
    images->SetHeight(MainActionImageSize);
    // Several actions share a picture: each is in the list once.
    for (const TMainActionSpec& spec : MainActionTable) {
        const std::string name(spec.Image);
        if (!name.empty() && images->FindIndexByName(name) < 0)
            AddMainActionImage(*images, name);
    }
    actions.List->SetImages(images);
    for (const TMainActionSpec& spec : MainActionTable) {
        if (!spec.Image.empty())
            (actions.*spec.Field)->SetImageIndex(images->FindIndexByName(std::string(spec.Image)));
    }
    return images;
}

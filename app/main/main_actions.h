#pragma once

#include <span>
#include <string_view>

class TAction;
class TActionList;
class TComponent;
class TPngImageList;

// The main window's commands: every menu item, tool bar button and popup item is bound to one of these
// actions, which hold its caption, hint, shortcut, image and enabled state. The language routine replaces
// most captions and hints later; the ones here are the window's own English texts.
struct TMainActions
{
    TActionList* List = nullptr;

    // File
    TAction* actConvert = nullptr;
    TAction* actSaveBat = nullptr;
    TAction* actShowOptions = nullptr;
    TAction* actStayOnTop = nullptr;
    TAction* actMinimizeToTray = nullptr;
    TAction* actExit = nullptr;
    // View
    TAction* actShowProgressWindow = nullptr;
    TAction* actShowHideFileInfo = nullptr;
    TAction* actShowHideFormErrors = nullptr;
    // File list
    TAction* actAddFiles = nullptr;
    TAction* actAddFolder = nullptr;
    TAction* actRemoveChecked = nullptr;
    TAction* actClearFileList = nullptr;
    TAction* actCheckAll = nullptr;
    TAction* actUncheckAll = nullptr;
    TAction* actInvertSelection = nullptr;
    TAction* actCheckSelected = nullptr;
    TAction* actUncheckSelected = nullptr;
    TAction* actLoadFileList = nullptr;
    TAction* actSaveFileList = nullptr;
    TAction* actExploreDirectory = nullptr;
    // Encoder
    TAction* actLoadProfile = nullptr;
    TAction* actSaveProfile = nullptr;
    TAction* actSetDefaultEncoderSettings = nullptr;
    TAction* actShowCmdLine = nullptr;
    TAction* actToolsInfo = nullptr;
    // Encoder: copy, paste and default of the four settings groups
    TAction* actCopyVideoSettings_Avi = nullptr;
    TAction* actPasteVideoSettings_Avi = nullptr;
    TAction* actDefaultVideoSettings_Avi = nullptr;
    TAction* actCopyVideoSettings_Mpg = nullptr;
    TAction* actPasteVideoSettings_Mpg = nullptr;
    TAction* actDefaultVideoSettings_Mpg = nullptr;
    TAction* actCopyAudioSettings = nullptr;
    TAction* actPasteAudioSettings = nullptr;
    TAction* actDefaultAudioSettings = nullptr;
    TAction* actCopyAdvancedSettings = nullptr;
    TAction* actPasteAdvancedSettings = nullptr;
    TAction* actDefaultAdvancedSettings = nullptr;
    // Help
    TAction* actHelp = nullptr;
    TAction* actGoToHomePage = nullptr;
    TAction* actGoToDonation = nullptr;
    TAction* actGoToFacebook = nullptr;
    TAction* actGoToTwitter = nullptr;
    TAction* actCheckUpdate = nullptr;
    TAction* actAbout = nullptr;
    // No category: buttons of the panels, the tray and keys
    TAction* actBrowseOutDir = nullptr;
    TAction* actExploreOutDir = nullptr;
    TAction* actShowHideMainWindow = nullptr;
    TAction* actLoadSelectedProfile = nullptr;
    TAction* actEsc = nullptr;
    TAction* actShowHideBottomPanel = nullptr;
    // Columns: one visibility command per optional column of the file list
    TAction* actColNoVisible = nullptr;
    TAction* actColIconVisible = nullptr;
    TAction* actColDirectoryVisible = nullptr;
    TAction* actColSizeVisible = nullptr;
    TAction* actColDurationVisible = nullptr;
    TAction* actColVideoVisible = nullptr;
    TAction* actColVideoCodecVisible = nullptr;
    TAction* actColVideoCodecIDVisible = nullptr;
    TAction* actColVideoProfileVisible = nullptr;
    TAction* actColVideoBitrateVisible = nullptr;
    TAction* actColVideoWidthVisible = nullptr;
    TAction* actColVideoHeightVisible = nullptr;
    TAction* actColVideoResolutionVisible = nullptr;
    TAction* actColVideoDisplayAspectVisible = nullptr;
    TAction* actColVideoFPSVisible = nullptr;
    TAction* actColVideoScanTypeVisible = nullptr;
    TAction* actColVideoBppVisible = nullptr;
    TAction* actColVideoStreamSizeVisible = nullptr;
    TAction* actColAudioVisible = nullptr;
    TAction* actColAudioCodecVisible = nullptr;
    TAction* actColAudioCodecIDVisible = nullptr;
    TAction* actColAudioProfileVisible = nullptr;
    TAction* actColAudioBitrateVisible = nullptr;
    TAction* actColAudioChannelsVisible = nullptr;
    TAction* actColAudioSamplingVisible = nullptr;
    TAction* actColAudioStreamSizeVisible = nullptr;
    TAction* actColStatusVisible = nullptr;
};

// What an action is made of.
struct TMainActionSpec
{
    TAction* TMainActions::*Field;
    std::string_view Name;
    std::string_view Category; // empty: none
    std::string_view Caption;
    std::string_view ShortCut; // as the keys are named: "Ctrl+E", "Shift+Ctrl+M"; empty: none
    // For the column commands: the column's component name.
    std::string_view Column = {};
    // The name of its picture among the program's resources (and in the window's image list); empty: none.
    std::string_view Image = {};
};

// Every action of the window, by category in menu order.
std::span<const TMainActionSpec> MainActionSpecs();

// Makes the action list and every action of the table, owned by owner: caption, hint (the caption until the
// language routine sets it), category and shortcut; no action has a handler or an image yet.
void CreateMainActions(TComponent* owner, TMainActions& actions);

// Makes the image list of the actions' pictures, owned by owner, gives it to the action list and sets each
// action's image index; a picture missing from the resources raises EResNotFound.
TPngImageList* CreateMainActionImages(TComponent* owner, const TMainActions& actions);

// Every action of the window, in the table's order.
template <typename F> void ForEachMainAction(const TMainActions& actions, F&& f)
{
    for (const TMainActionSpec& spec : MainActionSpecs())
        f(actions.*spec.Field, spec);
}

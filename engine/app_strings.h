#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

// The user-interface texts of the current language: one record per window plus the language's name.
// Stored texts may hold the two-character sequences "\n" and "\t" and the placeholder "%s"; PrepareLangStr
// expands them. A language file (an INI file with one section per record and one key per text) is laid
// over the built-in English texts.

// Texts of section "MAIN" of a language file.
struct TMainModuleStrings
{
    std::string Auto, AverageShort, gbInterlacing, cbInterlacing_Deinterlace, cbInterlacing_KeepOriginal,
        actShowCmdLine, cbProfile_TheLastSessionSettings, cbProfile_DefaultSettings, lblProfile,
        actLoadSelectedProfile, mnuView, dlgSaveProfile_Filter, dlgOpenProfile_Filter, dlgSaveFileList_Filter,
        dlgOpenFileList_Filter, dlgSaveBAT_Filter, dlgOpen_Filter1, dlgOpen_Filter2, Custom, mnuFile,
        mnuFileList, mnuEncoder, mnuHelp, colNo, colFile, colDirectory, colSize, colStatus, colDuration,
        colIcon, colAudio, colAudioCodec, colAudioCodecID, colAudioProfile, colAudioBitrate, colAudioChannels,
        colAudioSampling, colAudioStreamSize, colVideo, colVideoCodec, colVideoCodecID, colVideoProfile,
        colVideoBitrate, colVideoWidth, colVideoHeight, colVideoResolution, colVideoDisplayAspect,
        colVideoFPS, colVideoScanType, colVideoBpp, colVideoStreamSize, actConvert, actExit, actLoadProfile,
        actSaveProfile, actAddFiles, actAddFolder, actRemoveChecked, actMinimizeToTray, actShowMainWindow,
        actLoadFileList, actSaveFileList, actCheckAll, actUncheckAll, actUncheckSelected, actInvertSelection,
        actCheckSelected, actGoToHomePage, actAbout, actShowOptions, actStayOnTop, actBrowseOutDir,
        actExploreOutDir, actSaveBAT, actSetDefaultEncoderSettings, actShowHideFormErrors,
        actShowHideFileInfo, actClearFileList, actShowHideBottomPanel, actShowProgressWindow,
        lblIfOutputExists, lblAfterConversion, OutputDir, rbOutDirIsInDir, cbAfterConversion_DoNothing,
        cbAfterConversion_CloseApplication, cbAfterConversion_CloseWindows, cbOutputExists_Rename,
        cbOutputExists_Overwrite, cbOutputExists_Skip, lblOutputFormatVideoSettings, lblAudioSettings,
        lblAdvancedSettings, gbAviVideoOptions, lblAviVideoThreads, lblAviVideoCodec, chAviVideo2Pass,
        chAviVideoDontCopy, lblAviVideoBitrate, lblAviVideoFPS, lblAviVideoAspect, gbMPEGSettings,
        lblMpgVideo, lblMpegVersion, chMpgVideo2Pass, chMpgVideoDontCopy, lblMpgVideoBitrate, lblMpgVideoFPS,
        gbAudioOptions, lblAudioCodec, lblAudioSampling, lblAudioChannels, chAudioDontCopy, lblAudioBitrate,
        gbResolution, edResWidth, edResHeight, chVideoFourcc, gbCropping, edCropTop, edCropBottom, edCropLeft,
        edCropRight, btnAdd, btnAddFolder, btnRemove, btnConvert, btnOptions, btnHomePage, btnAbout,
        btnFileInfo, btnStayOnTop, cbAviVideoCodec_HuffYUV, cbAviVideoCodec_Copy, cbAudioCodec_Copy,
        lblAudioVolume, gbFFmpegParams, actExploreDirectory, MpgUserSettings, Error, Errors, Abort, Aborted,
        Close, CantCreateDirectory, Converting, Done, OK_Renamed, Skipped, OK_Overwritten, PleaseWait, Ready,
        VideoBitrateMustBeInteger, FPSMustBeFloat, AudioBitrateMustBeInteger, AudioSamplingMustBeInteger,
        CommandLineInfo, FFmpegNotExists, gbAudioTrackNo, FirstAudioTrack, AudioLanguageUndefined,
        AudioLanguage, AudioChannels, pnConversionSettings, actToolsInfo, actCheckUpdate, mnuColumns,
        chKeepDates, KeepDates, chConvertColors, chBrightness, chSaturation, chFlipHorizontal, chFlipVertical,
        chRotate, chNegative, ColorConversion_Grayscale, ColorConversion_Sepia, CopyVideoSettings_AVI,
        PasteVideoSettings_AVI, DefaultVideoSettings_AVI, CopyVideoSettings_MPG, PasteVideoSettings_MPG,
        DefaultVideoSettings_MPG, CopyAudioSettings, PasteAudioSettings, DefaultAudioSettings,
        CopyAdvancedSettings, PasteAdvancedSettings, DefaultAdvancedSettings, DeleteUnfinished,
        CannotDeleteFile;
};

// Texts of section "Errors" of a language file.
struct TErrorsModuleStrings
{
    std::string Caption, actClose, actSaveLog, actClearLog, dlgSaveLogFilter;
};

// Texts of section "FileInfo" of a language file.
struct TFileInfoModuleStrings
{
    std::string Caption, lblDataStreams, ColumnTitle_Stream, ColumnTitle_Details, gbGeneralInfo, lblFileSize,
        lblDuration, lblFileName, lblDirectory, lblOverallBitrate, lblFormat, lblNumberOfDataStreams,
        lblNumberOfVideoStreams, lblNumberOfAudioStreams, lblEncodedApplication, gbVideoStream, lblVideoCodec,
        lblVideoProfile, lblVideoBitrate, lblResolution, lblDisplayAspectRatio, lblFPS, lblScanType,
        lblPixelFormat, lblBitsPerPixel, lblVideoFrames, lblVideoStreamSize, lblVideoEncodedLibrary,
        lblVideoStreamIndex, gbAudioStream, lblAudioCodec, lblAudioProfile, lblAudioBitrate, lblChannels,
        lblSamplingRate, lblBitsPerSample, lblAudioFrames, lblVideoDelay, lblAudioLanguage,
        lblAudioStreamSize, lblAudioEncodedLibrary, lblAudioStreamIndex, actClose, actSave, actCopy, btnCopy,
        dlgSaveFilter, Report_Info, Report_File, Report_GeneralInfo, Report_FirstVideoStream,
        Report_VideoStream, Report_FirstAudioStream, Report_AudioStream, Report_DataStreams,
        Report_DataStream, ScanType_Interlaced, ScanType_Progressive;
};

// Texts of section "Options" of a language file.
struct TOptionsModuleStrings
{
    std::string Caption, gbShortcuts, chShortcutDesktop, chShortcutStartMenu, gbLanguage, pnFileList,
        lblFileListFontName, lblFileListFontSize, lblFileListRowHeight, chFileListAllowRowMoving,
        chFileListAllowColumnMoving, chFileListGridLines, chFileListFooter, chFileListRowIndicator,
        chFileListIconClickOpen, lblDefaultVideoCodec, btnCreateShortcutOnDesktop, lblFileAnalysis,
        FileAnalysis_Full, FileAnalysis_Quick, FileAnalysis_None, ShortcutCreated, ShortcutExists,
        ShortcutFailed;
};

// Texts of section "Progress" of a language file.
struct TProgressModuleStrings
{
    std::string Caption, lblEncoderOutput, lblStatus, lblInputFile, lblOutputFile, lblProgress, btnAbort,
        chHideEncoderOutput, ConvertingFile, Conversion_Pass, Conversion_Speed, Conversion_FramesPerSecond,
        Conversion_Frame, Conversion_Complete, chCloseAfterConversion;
};

// Texts of section "About" of a language file.
struct TAboutModuleStrings
{
    std::string Caption, Donation;
};

// Texts of section "ToolsInfo" of a language file.
struct TToolsInfoModuleStrings
{
    std::string Caption, actClose;
};

// Texts of section "CheckUpdate" of a language file.
struct TCheckUpdateModuleStrings
{
    std::string Caption, actClose, lblUserVersion, lblLatestVersion, CheckNow, NoUpdates, UpdatesAvailable,
        CheckingUpdates, ConnectionFailed, GoToDownloadPage, btnDownload, CannotCheck;
};

class TAppStrings
{
public:
    // Starts with the built-in English texts.
    TAppStrings();

    // Puts the built-in English text back into every field and sets LanguageName to "English".
    void SetEN();

    // Lays the language file over the current texts: a key that is missing keeps the current text, a key
    // present with an empty value gives an empty text. A missing file changes nothing. LanguageName
    // becomes the file's "INFO"/"LangName_InEnglish" value (empty when that key is missing).
    void LoadFromFile(const std::string& fileName);

    TMainModuleStrings Main;
    TErrorsModuleStrings Errors;
    TFileInfoModuleStrings FileInfo;
    TOptionsModuleStrings Options;
    TProgressModuleStrings Progress;
    TAboutModuleStrings About;
    TToolsInfoModuleStrings ToolsInfo;
    TCheckUpdateModuleStrings CheckUpdate;
    std::string LanguageName;
};

// One translatable text: where a language file keeps it, its built-in English text and its field.
struct TAppStringField
{
    std::string_view Section;
    std::string_view Key;
    std::string_view English;
    std::string& (*Text)(TAppStrings& strings);
};

// Every text of TAppStrings but LanguageName, in declaration order.
std::span<const TAppStringField> AppStringFields();

// The section and key of a language file that hold the language's English name.
inline constexpr std::string_view LangInfoSection = "INFO";
inline constexpr std::string_view LangNameInEnglishKey = "LangName_InEnglish";
inline constexpr std::string_view LangNameNativeKey = "LangName_Native";

// The program's string table, created by the main window.
extern std::unique_ptr<TAppStrings> AppStrings;

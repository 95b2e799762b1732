#pragma once

#include "engine/encoder_settings.h"
#include "engine/shared_records.h"

// Which settings controls of the main window are enabled for the given settings. The window applies
// these states (each label follows the control it names) and the parameter builders apply a setting
// only while its control is enabled. A pure function: it never changes a value.
struct SettingsEnabling
{
    // MPG page
    bool cbMpgVideo = true;        // with lblMpgVideo and lblMpgInfo
    bool cbMpgVideoBitrate = true; // with its labels
    bool cbMpgVideoFPS = true;     // with its label
    bool cbMpegVersion = true;     // with its label
    bool chMpgVideo2Pass = true;

    // AVI page
    bool cbAviVideoCodec = true; // with lblAviVideoCodec
    bool cbAviVideoBitrate = true;
    bool cbAviVideoFPS = true;
    bool cbAviVideoAspect = true;
    bool chAviVideo2Pass = true;
    bool cbAviVideoThreads = true;        // with lblAviVideoThreads
    bool cbAviVideoThreadsVisible = true; // the threads list is shown for H.264 only

    // Audio
    bool chAudioDontCopy = true;
    bool cbAudioCodec = true; // with the audio labels
    bool cbAudioBitrate = true;
    bool cbAudioSampling = true;
    bool cbAudioChannels = true;
    bool tbAudioVolume = true; // with the volume labels
    bool cbAudioTrackNo = true;

    // Advanced
    bool cbInterlacing = true;
    bool chVideoFourcc = true; // with lblVideoFourcc
    bool cbVideoTag = true;
    bool cbResolution = true;
    bool spedResSize = true; // spedResWidth, spedResHeight and their labels
    bool spedCrop = true;    // the four crop spin edits and their labels
    bool chConvertColors = true;
    bool cbConvertColors = true;
    bool chBrightness = true;
    bool tbBrightness = true; // with lblBrightnessValue
    bool chSaturation = true;
    bool tbSaturation = true; // with lblSaturationValue
    bool chFlipHorizontal = true;
    bool chFlipVertical = true;
    bool chNegative = true;
    bool chRotate = true;
    bool cbRotate = true;

    friend bool operator==(const SettingsEnabling&, const SettingsEnabling&) = default;
};

// The conditions the states are made of.
bool IsMpgCustom(const EncoderSettings& settings);
bool IsAudioOn(const EncoderSettings& settings);
bool IsVideoOn(const EncoderSettings& settings);
bool AreFiltersOn(const EncoderSettings& settings);

SettingsEnabling GetSettingsEnabling(const EncoderSettings& settings);

// Which file list commands can run for the list's counts. btnConvert follows actConvert.
struct FileListCommandEnabling
{
    bool actSaveFileList = false;
    bool actClearFileList = false;
    bool actShowHideFileInfo = false;
    bool actInvertSelection = false;
    bool actUncheckSelected = false;
    bool actCheckSelected = false;
    bool actCheckAll = false;
    bool actUncheckAll = false;
    bool actSaveBat = false;
    bool actConvert = false;
    bool actRemoveChecked = false;
    bool actExploreDirectory = false; // the selected row's folder

    friend bool operator==(const FileListCommandEnabling&, const FileListCommandEnabling&) = default;
};

FileListCommandEnabling GetFileListCommandEnabling(const TGridInfo& info, bool selectedRowValid);

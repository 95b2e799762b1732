#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The encoder settings of the main window as plain values: what a profile stores and what the
// parameter builders read. Fixed lists are held as their item index, editable lists as the text the
// user typed (or their automatic first item), exactly as the controls would hold them. Item texts
// that depend on the language stay in the window.

// The page of the output format control.
enum TOutputFormat : int32_t
{
    ofAvi = 0,
    ofMpg = 1
};

// "AVI" or "MPG", as the settings file and the profiles store the page; any text but "MPG" (letter
// case ignored) reads as AVI.
std::string_view OutputFormatName(TOutputFormat format);
TOutputFormat OutputFormatFromName(std::string_view name);

// Item indexes of the fixed lists that the rules and builders look at.
namespace ItemIndex {
constexpr int32_t AviCodecXvid = 0;
constexpr int32_t AviCodecDivX3 = 1;
constexpr int32_t AviCodecH264 = 2;
constexpr int32_t AviCodecMpeg4 = 3;
constexpr int32_t AviCodecMsMpeg4v2 = 4;
constexpr int32_t AviCodecWmv1 = 5;
constexpr int32_t AviCodecWmv2 = 6;
constexpr int32_t AviCodecMotionJpeg = 7;
constexpr int32_t AviCodecHuffYUV = 8;
constexpr int32_t AviCodecCopy = 9;
constexpr int32_t AviCodecCount = 10;

constexpr int32_t AudioCodecAuto = 0;
constexpr int32_t AudioCodecMp3 = 1;
constexpr int32_t AudioCodecMp2 = 2;
constexpr int32_t AudioCodecAc3 = 3;
constexpr int32_t AudioCodecAac = 4;
constexpr int32_t AudioCodecWma1 = 5;
constexpr int32_t AudioCodecWma2 = 6;
constexpr int32_t AudioCodecPcm = 7;
constexpr int32_t AudioCodecCopy = 8;
constexpr int32_t AudioCodecCount = 9;

constexpr int32_t MpgPresetPalDvd = 0;
constexpr int32_t MpgPresetNtscDvd = 1;
constexpr int32_t MpgPresetCustom = 2;
constexpr int32_t MpgPresetCount = 3;

constexpr int32_t MpegVersionCount = 2;
constexpr int32_t AudioChannelsCount = 4;

constexpr int32_t InterlacingAuto = 0;
constexpr int32_t InterlacingDeinterlace = 1;
constexpr int32_t InterlacingKeep = 2;
constexpr int32_t InterlacingCount = 3;

constexpr int32_t ResolutionAuto = 0;
constexpr int32_t ResolutionCustom = 1;

constexpr int32_t ConvertColorsGrayscale = 0;
constexpr int32_t ConvertColorsSepia = 1;
constexpr int32_t ConvertColorsCount = 2;
} // namespace ItemIndex

// Ranges of the spin edits and track bars.
namespace SettingRange {
constexpr int32_t ResSizeMin = 2;
constexpr int32_t ResSizeMax = 30000;
constexpr int32_t CropMin = 0;
constexpr int32_t CropMax = 5000;
constexpr int32_t VolumeMin = 1;
constexpr int32_t VolumeMax = 300;
constexpr int32_t BrightnessMin = -20;
constexpr int32_t BrightnessMax = 20;
constexpr int32_t SaturationMin = 1;
constexpr int32_t SaturationMax = 30;
} // namespace SettingRange

// The value of an editable list that begins with an automatic item: either that item or the text the
// user typed. The window turns the translated "Auto" into Auto = true and back.
struct ComboText
{
    bool Auto = true;
    std::string Text; // the typed text; empty while Auto

    static ComboText Automatic() { return {}; }
    static ComboText Typed(std::string text) { return {false, std::move(text)}; }

    // The control's text: autoText (the translated automatic item) or the typed text.
    std::string DisplayText(std::string_view autoText) const;
    // From a control's text: Auto when it is autoText, compared trimmed and ignoring letter case.
    static ComboText FromDisplayText(std::string_view text, std::string_view autoText);

    friend bool operator==(const ComboText&, const ComboText&) = default;
};

struct AviVideoSettings
{
    int32_t Codec = ItemIndex::AviCodecXvid; // cbAviVideoCodec
    ComboText Threads;                       // cbAviVideoThreads
    ComboText Bitrate;                       // cbAviVideoBitrate, kbit/s
    ComboText FPS;                           // cbAviVideoFPS
    ComboText Aspect;                        // cbAviVideoAspect
    bool TwoPass = false;                    // chAviVideo2Pass
    bool DontCopy = false;                   // chAviVideoDontCopy: no video stream in the output

    friend bool operator==(const AviVideoSettings&, const AviVideoSettings&) = default;
};

struct MpgVideoSettings
{
    int32_t Preset = ItemIndex::MpgPresetCustom; // cbMpgVideo
    int32_t MpegVersion = 0;                     // cbMpegVersion: MPEG-1, MPEG-2
    ComboText Bitrate;                           // cbMpgVideoBitrate, kbit/s
    ComboText FPS;                               // cbMpgVideoFPS
    bool TwoPass = false;                        // chMpgVideo2Pass
    bool DontCopy = false;                       // chMpgVideoDontCopy

    friend bool operator==(const MpgVideoSettings&, const MpgVideoSettings&) = default;
};

struct AudioSettings
{
    int32_t Codec = ItemIndex::AudioCodecAuto; // cbAudioCodec
    ComboText Bitrate;                         // cbAudioBitrate, kbit/s
    ComboText Sampling;                        // cbAudioSampling, Hz
    int32_t Channels = 0;                      // cbAudioChannels: Auto, mono, stereo, 6
    int32_t Volume = 100;                      // tbAudioVolume, percent
    bool DontCopy = false;                     // chAudioDontCopy

    friend bool operator==(const AudioSettings&, const AudioSettings&) = default;
};

struct AdvancedSettings
{
    int32_t AudioTrackNo = 0; // cbAudioTrackNo: 0 the first track, k the k-th audio stream (not in profiles)
    int32_t Interlacing = ItemIndex::InterlacingAuto; // cbInterlacing
    int32_t Resolution = ItemIndex::ResolutionAuto;   // cbResolution: Auto, Custom, then the resolution list
    int32_t ResWidth = 854;                           // spedResWidth
    int32_t ResHeight = 480;                          // spedResHeight
    int32_t CropTop = 0;
    int32_t CropBottom = 0;
    int32_t CropLeft = 0;
    int32_t CropRight = 0;
    bool ForceVideoTag = false;     // chVideoFourcc
    std::string VideoTag = "XVID";  // cbVideoTag
    bool ConvertColors = false;     // chConvertColors
    int32_t ConvertColorsValue = 0; // cbConvertColors: grayscale, sepia
    bool Brightness = false;        // chBrightness
    int32_t BrightnessValue = 0;    // tbBrightness, tenths
    bool Saturation = false;        // chSaturation
    int32_t SaturationValue = 10;   // tbSaturation, tenths
    bool FlipHorizontal = false;
    bool FlipVertical = false;
    bool Negative = false;
    bool Rotate = false;            // chRotate
    std::string RotateText = "180"; // cbRotate, degrees as typed
    std::string AdditionalParams;   // meParams, lines separated by line breaks

    friend bool operator==(const AdvancedSettings&, const AdvancedSettings&) = default;
};

struct EncoderSettings
{
    TOutputFormat OutputFormat = ofAvi; // pcVideoFormat
    AviVideoSettings Avi;
    MpgVideoSettings Mpg;
    AudioSettings Audio;
    AdvancedSettings Advanced;

    friend bool operator==(const EncoderSettings&, const EncoderSettings&) = default;
};

// The defaults of each group; the AVI codec is the program's default video codec.
AviVideoSettings DefaultAviVideoSettings(int32_t defaultVideoCodecIndex);
MpgVideoSettings DefaultMpgVideoSettings();
AudioSettings DefaultAudioSettings();
AdvancedSettings DefaultAdvancedSettings();
// All four groups and the AVI page.
EncoderSettings DefaultEncoderSettings(int32_t defaultVideoCodecIndex);

// The additional parameters as one line: every line of the text preceded by one blank, joined.
std::string GetAdditionalParamsStr(std::string_view additionalParams);

#include "engine/profile_files.h"

#include "engine/ini_section_reader.h"
#include "engine/setting_text_parsing.h"
#include "platform/system/ini_file.h"
#include "support/files.h"
#include "support/number_conversion.h"
#include "support/text_routines.h"
#include "support/utf8.h"

#include <array>
#include <vector>

namespace {

constexpr std::string_view SectionMain = "MAIN";
constexpr std::string_view SectionAvi = "AVI";
constexpr std::string_view SectionMpg = "MPG";
constexpr std::string_view SectionAudio = "AUDIO";
constexpr std::string_view SectionAdvanced = "ADVANCED";

constexpr std::array<std::string_view, 10> VideoCodecIniNames = {
    "Xvid", "DX3", "H.264", "FFMPEG4", "MSMPEG4V2", "WMV1", "WMV2", "Motion JPEG", "HuffYUV", "COPY"};
constexpr std::array<std::string_view, 9> AudioCodecIniNames = {"AUTO", "MP3",  "MP2", "AC3", "AAC",
                                                                "WMA1", "WMA2", "PCM", "COPY"};

// The names a profile may use for each item, after normalisation.
using NameList = std::vector<std::string_view>;
const std::array<NameList, 10> VideoCodecNamesRead = {{{"XVID"},
                                                       {"DIVX3", "DX3", "MSMPEG4"},
                                                       {"H264", "X264"},
                                                       {"FFMPEG4", "MPEG4"},
                                                       {"MSMPEG4V2", "MP42"},
                                                       {"WMV1", "WMVV1"},
                                                       {"WMV2", "WMVV2", "WMV"},
                                                       {"MOTIONJPEG", "MJPEG", "JPG", "JPEG"},
                                                       {"HUFFYUV"},
                                                       {"COPY"}}};
const std::array<NameList, 9> AudioCodecNamesRead = {{{"AUTO"},
                                                      {"MP3"},
                                                      {"MP2"},
                                                      {"AC3"},
                                                      {"AAC"},
                                                      {"WMA1", "WMAV1"},
                                                      {"WMA2", "WMAV2", "WMA"},
                                                      {"PCM", "WAV"},
                                                      {"COPY"}}};

template <size_t N>
std::string IniNameOf(const std::array<std::string_view, N>& names, int32_t index, std::string_view defResult)
{
    if (index < 0 || index >= static_cast<int32_t>(N))
        return std::string(defResult);
    return std::string(names[index]);
}

template <size_t N>
int32_t IndexOfName(const std::array<NameList, N>& names, std::string_view codecName, int32_t defResult,
                    std::string_view copyCaption)
{
    // The translated caption of the copy item may hold letters beyond ASCII.
    std::string name = SameTextIgnoreCase(codecName, copyCaption) ? "COPY" : AsciiUpperCase(codecName);
    std::erase_if(name, [](char c) { return c == ' ' || c == '.' || c == '-'; });
    for (size_t index = 0; index < N; ++index)
        for (std::string_view accepted : names[index])
            if (name == accepted)
                return static_cast<int32_t>(index);
    return defResult;
}

// An editable list's text as a profile keeps it.
std::string IntegerTextOrEmpty(const ComboText& value)
{
    return !value.Auto && CanConvertToInt(value.Text) ? value.Text : std::string();
}

std::string TextOrEmpty(const ComboText& value)
{
    return value.Auto ? std::string() : value.Text;
}

int32_t RotateDegrees(std::string_view rotateText)
{
    int32_t degrees = 180;
    TryStringToInt(Trim(rotateText), degrees);
    return degrees;
}

std::string EscapeQuotes(std::string_view text)
{
    return ReplaceAll(text, "\"", "&quot;", false);
}

std::string UnescapeQuotes(std::string_view text)
{
    return ReplaceAll(text, "&quot;", "\"", false);
}

void SaveMain(TIniFile& ini, const EncoderSettings& settings)
{
    ini.WriteString(SectionMain, "AppName", ProfileAppName);
    ini.WriteString(SectionMain, "AppVer", ProfileAppVer);
    ini.WriteString(SectionMain, "OutputFormat", OutputFormatName(settings.OutputFormat));
}

void SaveAvi(TIniFile& ini, const AviVideoSettings& avi)
{
    ini.WriteString(SectionAvi, "VideoCodec", GetVideoCodecIniName(avi.Codec, "XVID"));
    ini.WriteString(SectionAvi, "VideoBitrate", IntegerTextOrEmpty(avi.Bitrate));
    ini.WriteString(SectionAvi, "VideoFPS", TextOrEmpty(avi.FPS));
    ini.WriteString(SectionAvi, "VideoAspect", Trim(TextOrEmpty(avi.Aspect)));
    ini.WriteBool(SectionAvi, "Video2Pass", avi.TwoPass);
    ini.WriteBool(SectionAvi, "DoNotCopyVideo", avi.DontCopy);
    const std::string threads = Trim(TextOrEmpty(avi.Threads));
    ini.WriteString(SectionAvi, "EncoderThreads", CanConvertToInt(threads) ? threads : std::string());
}

void SaveMpg(TIniFile& ini, const MpgVideoSettings& mpg)
{
    ini.WriteInteger(SectionMpg, "VideoFormat", mpg.Preset);
    ini.WriteInteger(SectionMpg, "MPEGVersion", mpg.MpegVersion);
    ini.WriteString(SectionMpg, "VideoBitrate", IntegerTextOrEmpty(mpg.Bitrate));
    ini.WriteString(SectionMpg, "VideoFPS", TextOrEmpty(mpg.FPS));
    ini.WriteBool(SectionMpg, "Video2Pass", mpg.TwoPass);
    ini.WriteBool(SectionMpg, "DoNotCopyVideo", mpg.DontCopy);
}

void SaveAudio(TIniFile& ini, const AudioSettings& audio)
{
    ini.WriteString(SectionAudio, "AudioCodec", GetAudioCodecIniName(audio.Codec, "MP3"));
    ini.WriteString(SectionAudio, "AudioBitrate", IntegerTextOrEmpty(audio.Bitrate));
    ini.WriteString(SectionAudio, "AudioSampling", IntegerTextOrEmpty(audio.Sampling));
    ini.WriteInteger(SectionAudio, "AudioChannels", audio.Channels);
    ini.WriteBool(SectionAudio, "DoNotCopyAudio", audio.DontCopy);
    ini.WriteInteger(SectionAudio, "Volume", audio.Volume);
}

void SaveAdvanced(TIniFile& ini, const AdvancedSettings& adv)
{
    ini.WriteInteger(SectionAdvanced, "Resolution", adv.Resolution);
    ini.WriteInteger(SectionAdvanced, "ResWidth", adv.ResWidth);
    ini.WriteInteger(SectionAdvanced, "ResHeight", adv.ResHeight);
    ini.WriteBool(SectionAdvanced, "ForceVideoTag", adv.ForceVideoTag);
    ini.WriteString(SectionAdvanced, "VideoTag", adv.VideoTag);
    ini.WriteInteger(SectionAdvanced, "CropTop", adv.CropTop);
    ini.WriteInteger(SectionAdvanced, "CropBottom", adv.CropBottom);
    ini.WriteInteger(SectionAdvanced, "CropLeft", adv.CropLeft);
    ini.WriteInteger(SectionAdvanced, "CropRight", adv.CropRight);
    ini.WriteString(SectionAdvanced, "AdditionalParams",
                    EscapeQuotes(Trim(GetAdditionalParamsStr(adv.AdditionalParams))));
    ini.WriteInteger(SectionAdvanced, "Interlacing", adv.Interlacing);
    ini.WriteBool(SectionAdvanced, "ConvertColors", adv.ConvertColors);
    ini.WriteInteger(SectionAdvanced, "ConvertColorsValue", adv.ConvertColorsValue);
    ini.WriteBool(SectionAdvanced, "Brightness", adv.Brightness);
    ini.WriteInteger(SectionAdvanced, "BrightnessValue", adv.BrightnessValue);
    ini.WriteBool(SectionAdvanced, "Saturation", adv.Saturation);
    ini.WriteInteger(SectionAdvanced, "SaturationValue", adv.SaturationValue);
    ini.WriteBool(SectionAdvanced, "FlipHorizontal", adv.FlipHorizontal);
    ini.WriteBool(SectionAdvanced, "FlipVertical", adv.FlipVertical);
    ini.WriteBool(SectionAdvanced, "Negative", adv.Negative);
    ini.WriteBool(SectionAdvanced, "Rotate", adv.Rotate);
    ini.WriteInteger(SectionAdvanced, "RotateValue", RotateDegrees(adv.RotateText));
}

// An editable list that takes whole numbers: any other text selects the automatic item.
void ReadIntegerCombo(const IniSectionReader& read, std::string_view key, ComboText& value)
{
    const std::string text = read.String(key, value.Auto ? "" : value.Text);
    value = CanConvertToInt(text) ? ComboText::Typed(text) : ComboText::Automatic();
}

// An editable list that takes any text: an empty text, or the automatic item's, selects that item.
void ReadTextCombo(const IniSectionReader& read, std::string_view key, ComboText& value,
                   const ProfileLoadContext& context)
{
    const std::string text = read.String(key, value.DisplayText(context.AutoText));
    value = text.empty() ? ComboText::Automatic() : ComboText::FromDisplayText(text, context.AutoText);
}

using IndexByName = int32_t (*)(std::string_view, int32_t, std::string_view);

// A codec stored by name or by item index; unknown names and indexes the list lacks give the fallback.
int32_t ReadCodec(const IniSectionReader& read, std::string_view key, std::string_view defaultName,
                  int32_t count, int32_t fallback, IndexByName indexByName, std::string_view copyCaption)
{
    const std::string name = read.String(key, defaultName);
    int32_t index = 0;
    if (!TryStringToInt(name, index))
        index = indexByName(name, fallback, copyCaption);
    return index >= 0 && index < count ? index : fallback;
}

void LoadAvi(const IniSectionReader& read, AviVideoSettings& avi, const ProfileLoadContext& context)
{
    avi.Codec = ReadCodec(read, "VideoCodec", "XVID", ItemIndex::AviCodecCount,
                          context.DefaultVideoCodecIndex, GetVideoCodecIndexByName, context.VideoCopyCaption);
    ReadIntegerCombo(read, "VideoBitrate", avi.Bitrate);
    ReadTextCombo(read, "VideoFPS", avi.FPS, context);
    ReadTextCombo(read, "VideoAspect", avi.Aspect, context);
    if (!avi.Aspect.Auto && !IsValidRatio(avi.Aspect.Text))
        avi.Aspect = ComboText::Automatic();
    read.Bool("Video2Pass", avi.TwoPass);
    read.Bool("DoNotCopyVideo", avi.DontCopy);
    ReadIntegerCombo(read, "EncoderThreads", avi.Threads);
}

void LoadAudio(const IniSectionReader& read, AudioSettings& audio, const ProfileLoadContext& context)
{
    audio.Codec = ReadCodec(read, "AudioCodec", "AUTO", ItemIndex::AudioCodecCount, ItemIndex::AudioCodecAuto,
                            GetAudioCodecIndexByName, context.AudioCopyCaption);
    ReadIntegerCombo(read, "AudioBitrate", audio.Bitrate);
    ReadIntegerCombo(read, "AudioSampling", audio.Sampling);
    read.Index("AudioChannels", audio.Channels, ItemIndex::AudioChannelsCount);
    read.Bool("DoNotCopyAudio", audio.DontCopy);
    read.Clamped("Volume", audio.Volume, SettingRange::VolumeMin, SettingRange::VolumeMax);
}

void LoadMpg(const IniSectionReader& read, MpgVideoSettings& mpg, const ProfileLoadContext& context)
{
    read.Index("VideoFormat", mpg.Preset, ItemIndex::MpgPresetCount);
    read.Index("MPEGVersion", mpg.MpegVersion, ItemIndex::MpegVersionCount);
    ReadIntegerCombo(read, "VideoBitrate", mpg.Bitrate);
    ReadTextCombo(read, "VideoFPS", mpg.FPS, context);
    read.Bool("Video2Pass", mpg.TwoPass);
    read.Bool("DoNotCopyVideo", mpg.DontCopy);
}

void LoadAdvanced(const IniSectionReader& read, AdvancedSettings& adv, const ProfileLoadContext& context)
{
    using namespace SettingRange;
    read.Index("Resolution", adv.Resolution, context.ResolutionItemCount);
    read.Clamped("ResWidth", adv.ResWidth, ResSizeMin, ResSizeMax);
    read.Clamped("ResHeight", adv.ResHeight, ResSizeMin, ResSizeMax);
    read.Bool("ForceVideoTag", adv.ForceVideoTag);
    read.Text("VideoTag", adv.VideoTag);
    read.Clamped("CropTop", adv.CropTop, CropMin, CropMax);
    read.Clamped("CropBottom", adv.CropBottom, CropMin, CropMax);
    read.Clamped("CropLeft", adv.CropLeft, CropMin, CropMax);
    read.Clamped("CropRight", adv.CropRight, CropMin, CropMax);
    if (read.Has("AdditionalParams")) {
        std::string params;
        read.Text("AdditionalParams", params);
        adv.AdditionalParams = UnescapeQuotes(params);
    }
    read.InRangeOr("Interlacing", adv.Interlacing, 0, ItemIndex::InterlacingCount - 1, 0);
    read.Bool("Saturation", adv.Saturation);
    read.InRangeOr("SaturationValue", adv.SaturationValue, SaturationMin, SaturationMax, 10);
    read.Bool("Brightness", adv.Brightness);
    read.InRangeOr("BrightnessValue", adv.BrightnessValue, BrightnessMin, BrightnessMax, 0);
    read.Bool("FlipHorizontal", adv.FlipHorizontal);
    read.Bool("FlipVertical", adv.FlipVertical);
    read.Bool("Negative", adv.Negative);
    read.Bool("Rotate", adv.Rotate);
    int32_t degrees = RotateDegrees(adv.RotateText);
    read.Integer("RotateValue", degrees);
    adv.RotateText = IntToString(degrees);
    read.Bool("ConvertColors", adv.ConvertColors);
    read.InRangeOr("ConvertColorsValue", adv.ConvertColorsValue, 0, ItemIndex::ConvertColorsCount - 1, 0);
}

} // namespace

std::string GetVideoCodecIniName(int32_t index, std::string_view defResult)
{
    return IniNameOf(VideoCodecIniNames, index, defResult);
}

int32_t GetVideoCodecIndexByName(std::string_view codecName, int32_t defResult, std::string_view copyCaption)
{
    return IndexOfName(VideoCodecNamesRead, codecName, defResult, copyCaption);
}

std::string GetAudioCodecIniName(int32_t index, std::string_view defResult)
{
    return IniNameOf(AudioCodecIniNames, index, defResult);
}

int32_t GetAudioCodecIndexByName(std::string_view codecName, int32_t defResult, std::string_view copyCaption)
{
    return IndexOfName(AudioCodecNamesRead, codecName, defResult, copyCaption);
}

void SaveProfile(const std::string& presetFile, const EncoderSettings& settings)
{
    TIniFile ini(presetFile);
    ini.HoldInMemory();
    SaveMain(ini, settings);
    SaveAvi(ini, settings.Avi);
    SaveMpg(ini, settings.Mpg);
    SaveAudio(ini, settings.Audio);
    SaveAdvanced(ini, settings.Advanced);
    ini.UpdateFile();
}

bool LoadProfile(const std::string& presetFile, EncoderSettings& settings, const ProfileLoadContext& context)
{
    if (!FileExists(presetFile))
        return false;
    TIniFile ini(presetFile);
    ini.HoldInMemory();
    settings.OutputFormat = OutputFormatFromName(
        ini.ReadString(SectionMain, "OutputFormat", OutputFormatName(settings.OutputFormat)));
    LoadAvi(IniSectionReader(ini, SectionAvi), settings.Avi, context);
    LoadAudio(IniSectionReader(ini, SectionAudio), settings.Audio, context);
    LoadMpg(IniSectionReader(ini, SectionMpg), settings.Mpg, context);
    LoadAdvanced(IniSectionReader(ini, SectionAdvanced), settings.Advanced, context);
    return true;
}

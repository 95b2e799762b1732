#include "engine/enabling_rules.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

namespace {

using Flag = bool SettingsEnabling::*;

struct NamedFlag
{
    const char* Name;
    Flag Member;
};

const NamedFlag AllFlags[] = {
    {"cbMpgVideo", &SettingsEnabling::cbMpgVideo},
    {"cbMpgVideoBitrate", &SettingsEnabling::cbMpgVideoBitrate},
    {"cbMpgVideoFPS", &SettingsEnabling::cbMpgVideoFPS},
    {"cbMpegVersion", &SettingsEnabling::cbMpegVersion},
    {"chMpgVideo2Pass", &SettingsEnabling::chMpgVideo2Pass},
    {"cbAviVideoCodec", &SettingsEnabling::cbAviVideoCodec},
    {"cbAviVideoBitrate", &SettingsEnabling::cbAviVideoBitrate},
    {"cbAviVideoFPS", &SettingsEnabling::cbAviVideoFPS},
    {"cbAviVideoAspect", &SettingsEnabling::cbAviVideoAspect},
    {"chAviVideo2Pass", &SettingsEnabling::chAviVideo2Pass},
    {"cbAviVideoThreads", &SettingsEnabling::cbAviVideoThreads},
    {"cbAviVideoThreadsVisible", &SettingsEnabling::cbAviVideoThreadsVisible},
    {"chAudioDontCopy", &SettingsEnabling::chAudioDontCopy},
    {"cbAudioCodec", &SettingsEnabling::cbAudioCodec},
    {"cbAudioBitrate", &SettingsEnabling::cbAudioBitrate},
    {"cbAudioSampling", &SettingsEnabling::cbAudioSampling},
    {"cbAudioChannels", &SettingsEnabling::cbAudioChannels},
    {"tbAudioVolume", &SettingsEnabling::tbAudioVolume},
    {"cbAudioTrackNo", &SettingsEnabling::cbAudioTrackNo},
    {"cbInterlacing", &SettingsEnabling::cbInterlacing},
    {"chVideoFourcc", &SettingsEnabling::chVideoFourcc},
    {"cbVideoTag", &SettingsEnabling::cbVideoTag},
    {"cbResolution", &SettingsEnabling::cbResolution},
    {"spedResSize", &SettingsEnabling::spedResSize},
    {"spedCrop", &SettingsEnabling::spedCrop},
    {"chConvertColors", &SettingsEnabling::chConvertColors},
    {"cbConvertColors", &SettingsEnabling::cbConvertColors},
    {"chBrightness", &SettingsEnabling::chBrightness},
    {"tbBrightness", &SettingsEnabling::tbBrightness},
    {"chSaturation", &SettingsEnabling::chSaturation},
    {"tbSaturation", &SettingsEnabling::tbSaturation},
    {"chFlipHorizontal", &SettingsEnabling::chFlipHorizontal},
    {"chFlipVertical", &SettingsEnabling::chFlipVertical},
    {"chNegative", &SettingsEnabling::chNegative},
    {"chRotate", &SettingsEnabling::chRotate},
    {"cbRotate", &SettingsEnabling::cbRotate},
};

std::set<std::string> DisabledControls(const SettingsEnabling& enabling)
{
    std::set<std::string> names;
    for (const NamedFlag& flag : AllFlags)
        if (!(enabling.*flag.Member))
            names.insert(flag.Name);
    return names;
}

// The value controls of the four filters are off until their check boxes are ticked.
const std::set<std::string> UncheckedFilterValues = {"cbVideoTag", "cbConvertColors", "tbBrightness",
                                                     "tbSaturation", "cbRotate"};

std::set<std::string> Plus(std::set<std::string> names, std::initializer_list<const char*> more)
{
    names.insert(more.begin(), more.end());
    return names;
}

const std::set<std::string> PictureFilters = {
    "cbInterlacing", "cbResolution",     "spedCrop",       "chConvertColors", "chBrightness",
    "chSaturation",  "chFlipHorizontal", "chFlipVertical", "chNegative",      "chRotate"};

std::set<std::string> Union(std::set<std::string> a, const std::set<std::string>& b)
{
    a.insert(b.begin(), b.end());
    return a;
}

struct EnablingCase
{
    const char* What;
    std::function<void(EncoderSettings&)> Change;
    std::set<std::string> Disabled;
};

} // namespace

TEST(EnablingRules, DisabledControlsFollowTheSettings)
{
    const std::set<std::string> base =
        Plus(UncheckedFilterValues, {"cbAviVideoThreadsVisible", "spedResSize"});
    const std::set<std::string> audioOff = {"cbAudioCodec",    "cbAudioBitrate", "cbAudioSampling",
                                            "cbAudioChannels", "tbAudioVolume",  "cbAudioTrackNo"};
    const EnablingCase cases[] = {
        {"defaults", [](EncoderSettings&) {}, base},
        {"H.264 shows the threads", [](EncoderSettings& s) { s.Avi.Codec = ItemIndex::AviCodecH264; },
         Plus(UncheckedFilterValues, {"spedResSize"})},
        {"lossless codec takes no bitrate",
         [](EncoderSettings& s) { s.Avi.Codec = ItemIndex::AviCodecHuffYUV; },
         Plus(base, {"cbAviVideoBitrate"})},
        {"copied video keeps rate, aspect and picture",
         [](EncoderSettings& s) { s.Avi.Codec = ItemIndex::AviCodecCopy; },
         Union(Plus(base, {"cbAviVideoBitrate", "cbAviVideoFPS", "cbAviVideoAspect"}), PictureFilters)},
        {"no AVI video", [](EncoderSettings& s) { s.Avi.DontCopy = true; },
         Union(Plus(base, {"cbAviVideoCodec", "cbAviVideoBitrate", "cbAviVideoFPS", "cbAviVideoAspect",
                           "chAviVideo2Pass", "cbAviVideoThreads", "chVideoFourcc"}),
               PictureFilters)},
        {"custom size with the custom resolution",
         [](EncoderSettings& s) { s.Advanced.Resolution = ItemIndex::ResolutionCustom; },
         Plus(UncheckedFilterValues, {"cbAviVideoThreadsVisible"})},
        {"ticked filters enable their values",
         [](EncoderSettings& s) {
             s.Advanced.ForceVideoTag = s.Advanced.ConvertColors = s.Advanced.Brightness = true;
             s.Advanced.Saturation = s.Advanced.Rotate = true;
         },
         {"cbAviVideoThreadsVisible", "spedResSize"}},
        {"ticked filters stay off with copied video",
         [](EncoderSettings& s) {
             s.Avi.Codec = ItemIndex::AviCodecCopy;
             s.Advanced.Brightness = s.Advanced.Rotate = true;
         },
         Union(Plus(base, {"cbAviVideoBitrate", "cbAviVideoFPS", "cbAviVideoAspect"}), PictureFilters)},
        // Deinterlacing stays available without audio: it belongs to the picture.
        {"no audio on the AVI page", [](EncoderSettings& s) { s.Audio.DontCopy = true; },
         Union(base, audioOff)},
        {"PCM takes no bitrate", [](EncoderSettings& s) { s.Audio.Codec = ItemIndex::AudioCodecPcm; },
         Plus(base, {"cbAudioBitrate"})},
        {"copied audio", [](EncoderSettings& s) { s.Audio.Codec = ItemIndex::AudioCodecCopy; },
         Plus(base, {"cbAudioBitrate", "cbAudioSampling", "cbAudioChannels"})},
        {"MPG custom", [](EncoderSettings& s) { s.OutputFormat = ofMpg; }, base},
        {"MPG DVD preset keeps the picture filters and deinterlacing",
         [](EncoderSettings& s) {
             s.OutputFormat = ofMpg;
             s.Mpg.Preset = ItemIndex::MpgPresetPalDvd;
         },
         Union(Plus(base, {"cbMpgVideoBitrate", "cbMpgVideoFPS", "cbMpegVersion", "chAudioDontCopy",
                           "chVideoFourcc", "cbResolution", "spedCrop"}),
               audioOff)},
        {"no MPG video, custom size chosen",
         [](EncoderSettings& s) {
             s.OutputFormat = ofMpg;
             s.Mpg.DontCopy = true;
             s.Advanced.Resolution = ItemIndex::ResolutionCustom;
         },
         Union(Plus(base, {"cbMpgVideo", "cbMpgVideoBitrate", "cbMpgVideoFPS", "cbMpegVersion",
                           "chMpgVideo2Pass", "chVideoFourcc"}),
               PictureFilters)},
        {"no MPG video ticked while the AVI page is shown", [](EncoderSettings& s) { s.Mpg.DontCopy = true; },
         Plus(base,
              {"cbMpgVideo", "cbMpgVideoBitrate", "cbMpgVideoFPS", "cbMpegVersion", "chMpgVideo2Pass"})},
    };
    for (const EnablingCase& c : cases) {
        EncoderSettings settings = DefaultEncoderSettings(0);
        c.Change(settings);
        EXPECT_EQ(DisabledControls(GetSettingsEnabling(settings)), c.Disabled) << c.What;
    }
}

TEST(EnablingRules, FileListCommandsFollowTheCounts)
{
    using E = FileListCommandEnabling;
    const auto all = [](bool checkAll, bool uncheckAll, bool checkSel, bool uncheckSel, bool convert) {
        E e;
        e.actSaveFileList = e.actClearFileList = e.actShowHideFileInfo = e.actInvertSelection = true;
        e.actCheckAll = checkAll;
        e.actUncheckAll = uncheckAll;
        e.actCheckSelected = checkSel;
        e.actUncheckSelected = uncheckSel;
        e.actSaveBat = e.actConvert = e.actRemoveChecked = convert;
        e.actExploreDirectory = true;
        return e;
    };
    const struct
    {
        const char* What;
        TGridInfo Info;
        bool RowValid;
        E Expected;
    } cases[] = {
        {"empty list", {}, false, E{}},
        {"every row checked", {3, 3, 0, 1, 1, 0}, true, all(false, true, false, true, true)},
        {"every row unchecked", {3, 0, 3, 2, 0, 2}, true, all(true, false, true, false, false)},
        {"mixed", {4, 1, 3, 2, 1, 1}, true, all(true, true, true, true, true)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetFileListCommandEnabling(c.Info, c.RowValid), c.Expected) << c.What;
}

#include "app/model/settings_lists.h"

#include "engine/encoder_settings.h"
#include "engine/shared_tables.h"

#include <span>

namespace {

// "Auto" followed by the numbers from first to last in steps of step.
void AppendNumberRange(std::vector<std::string>& items, int first, int last, int step)
{
    for (int value = first; value <= last; value += step)
        items.push_back(std::to_string(value));
}

std::vector<std::string> AutoFollowedBy(const TMainModuleStrings& texts,
                                        std::initializer_list<const char*> rest)
{
    std::vector<std::string> items{texts.Auto};
    items.insert(items.end(), rest.begin(), rest.end());
    return items;
}

// The table's entries from first to before last.
void AppendTableEntries(std::vector<std::string>& items, std::span<const std::string_view> table,
                        size_t first, size_t last)
{
    for (size_t i = first; i < last; ++i)
        items.emplace_back(table[i]);
}

} // namespace

std::vector<std::string> AviVideoCodecItems(const TMainModuleStrings& texts)
{
    // The fixed English names; the lossless codec and the copy come from the string table.
    std::vector<std::string> items;
    AppendTableEntries(items, VideoCodecNames, 0, ItemIndex::AviCodecHuffYUV);
    items.push_back(texts.cbAviVideoCodec_HuffYUV);
    items.push_back(texts.cbAviVideoCodec_Copy);
    return items;
}

std::vector<std::string> AviVideoThreadsItems(const TMainModuleStrings& texts)
{
    std::vector<std::string> items{texts.Auto};
    AppendNumberRange(items, 1, 24, 1);
    return items;
}

std::vector<std::string> AviVideoBitrateItems(const TMainModuleStrings& texts)
{
    std::vector<std::string> items{texts.Auto};
    AppendNumberRange(items, 50, 500, 50);
    AppendNumberRange(items, 600, 1500, 100);
    AppendNumberRange(items, 1750, 5000, 250);
    AppendNumberRange(items, 5500, 10000, 500);
    AppendNumberRange(items, 11000, 20000, 1000);
    return items;
}

std::vector<std::string> MpgVideoBitrateItems(const TMainModuleStrings& texts)
{
    std::vector<std::string> items = AviVideoBitrateItems(texts);
    AppendNumberRange(items, 20500, 27000, 500);
    return items;
}

std::vector<std::string> FrameRateItems(const TMainModuleStrings& texts)
{
    std::vector<std::string> items{texts.Auto};
    AppendTableEntries(items, FrameRates, 0, FrameRates.size());
    return items;
}

std::vector<std::string> AspectItems(const TMainModuleStrings& texts)
{
    std::vector<std::string> items{texts.Auto};
    AppendTableEntries(items, AspectRatios, 0, AspectRatios.size());
    return items;
}

std::vector<std::string> MpgPresetItems(const TMainModuleStrings& texts)
{
    return {"PAL - DVD", "NTSC - DVD", texts.Custom};
}

std::vector<std::string> MpegVersionItems()
{
    return {"MPEG-1", "MPEG-2"};
}

std::vector<std::string> AudioCodecItems(const TMainModuleStrings& texts)
{
    std::vector<std::string> items{texts.Auto};
    AppendTableEntries(items, AudioCodecNames, ItemIndex::AudioCodecMp3, ItemIndex::AudioCodecCopy);
    items.push_back(texts.cbAudioCodec_Copy);
    return items;
}

std::vector<std::string> AudioBitrateItems(const TMainModuleStrings& texts)
{
    return AutoFollowedBy(texts,
                          {"8",   "16",  "24",  "32",  "40",  "48",  "56",  "64",  "80",  "96",  "112",
                           "128", "160", "192", "224", "256", "320", "384", "448", "512", "576", "640"});
}

std::vector<std::string> AudioSamplingItems(const TMainModuleStrings& texts)
{
    return AutoFollowedBy(texts, {"16000", "22050", "24000", "32000", "44100", "48000"});
}

std::vector<std::string> AudioChannelsItems(const TMainModuleStrings& texts)
{
    return AutoFollowedBy(texts, {"1 - Mono", "2 - Stereo", "6"});
}

std::vector<std::string> InterlacingItems(const TMainModuleStrings& texts)
{
    return {texts.Auto, texts.cbInterlacing_Deinterlace, texts.cbInterlacing_KeepOriginal};
}

std::vector<std::string> ConvertColorsItems()
{
    return {"grayscale", "sepia"};
}

std::vector<std::string> RotateItems()
{
    std::vector<std::string> items;
    AppendNumberRange(items, 15, 345, 15);
    return items;
}

std::string AutoAudioTrackItem(const TMainModuleStrings& texts)
{
    return texts.Auto + " " + texts.FirstAudioTrack;
}

std::vector<std::string> OutputExistsItems(const TMainModuleStrings& texts)
{
    return {texts.cbOutputExists_Rename, texts.cbOutputExists_Overwrite, texts.cbOutputExists_Skip};
}

std::vector<std::string> AfterConversionItems(const TMainModuleStrings& texts)
{
    return {texts.cbAfterConversion_DoNothing, texts.cbAfterConversion_CloseApplication,
            texts.cbAfterConversion_CloseWindows};
}

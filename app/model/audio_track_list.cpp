#include "app/model/audio_track_list.h"

#include "app/model/settings_lists.h"

namespace {

std::string AudioTrackItem(size_t number, const TAudioStreamInfo& stream, const TMainModuleStrings& texts)
{
    const std::string codec = stream.Codec.find("(MP3)") != std::string::npos ? "MP3" : stream.Codec;
    const std::string language = stream.Language.empty() ? texts.AudioLanguageUndefined : stream.Language;
    std::string item = std::to_string(number) + ": " + codec + " - " + std::to_string(stream.Bitrate) +
                       " kbit/s" + " - " + texts.AudioChannels + " " + std::to_string(stream.Channels) +
                       " - " + texts.AudioLanguage + " " + language;
    constexpr std::string_view noBitrate = " - 0 kbit/s";
    if (const size_t at = item.find(noBitrate); at != std::string::npos)
        item.erase(at, noBitrate.size());
    return item;
}

} // namespace

std::vector<std::string> AudioTrackItems(const TVideoFileInfo& info, const TMainModuleStrings& texts)
{
    std::vector<std::string> items{AutoAudioTrackItem(texts)};
    // The count may exceed the slots the record describes; streams past them were never read.
    for (size_t i = 0; i < AudioStreamSlotCount(info); ++i)
        items.push_back(AudioTrackItem(i + 1, info.AudioStreams[i], texts));
    return items;
}

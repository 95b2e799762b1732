#include "controls/edits/gif_frames.h"

namespace {

// The marker, the descriptor's separator and its four 16-bit values: bytes marker .. marker + 16.
constexpr size_t MarkerLength = 17;

uint16_t Word(std::string_view data, size_t at)
{
    return static_cast<uint16_t>(static_cast<uint8_t>(data[at]) | static_cast<uint8_t>(data[at + 1]) << 8);
}

} // namespace

std::vector<size_t> GifFrameMarkers(std::string_view data)
{
    std::vector<size_t> markers;
    for (size_t p = 0; p + MarkerLength <= data.size(); ++p)
        if (data[p] == '\x21' && data[p + 1] == '\xF9' && data[p + 2] == '\x04' && data[p + 8] == '\x2C')
            markers.push_back(p);
    return markers;
}

TGifFrame GifFrameAt(std::string_view data, size_t marker)
{
    if (marker + MarkerLength > data.size())
        return {};
    return {Word(data, marker + 9), Word(data, marker + 11), Word(data, marker + 13),
            Word(data, marker + 15)};
}

#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// Frames of an animated GIF as the markup pictures count them: a frame marker is a graphic control
// extension (0x21 0xF9 0x04) whose image descriptor (0x2C) follows eight bytes on, complete in the data.

struct TGifFrame
{
    uint16_t Left = 0;
    uint16_t Top = 0;
    uint16_t Width = 0;
    uint16_t Height = 0;
};

// The positions of the frame markers, in order.
std::vector<size_t> GifFrameMarkers(std::string_view data);
// The image descriptor of the marker at position (one of GifFrameMarkers).
TGifFrame GifFrameAt(std::string_view data, size_t marker);

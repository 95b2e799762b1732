#pragma once

// Whole-stream and whole-file reads and writes for the layer's loaders and savers.

#include "support/streams.h"

#include <string>
#include <string_view>

// The bytes from the stream's position to its end.
inline std::string ReadToEnd(TStream& stream)
{
    std::string bytes(static_cast<size_t>(std::max<int64_t>(0, stream.Size() - stream.Position())), '\0');
    stream.ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    return bytes;
}

inline void WriteAll(TStream& stream, const std::string& bytes)
{
    stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}

// Replaces the file with bytes, or creates it, through a new file renamed over the old one: the file is
// always either whole old or whole new, and a failure at any step (the late ones of writing out and closing
// included) raises EFCreateError naming the file and leaves the old file as it was.
void SaveFileBytes(const std::string& fileName, std::string_view bytes);

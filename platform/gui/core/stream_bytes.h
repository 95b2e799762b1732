#pragma once

// Whole-stream reads and writes for the layer's loaders and savers.

#include "support/streams.h"

#include <string>

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

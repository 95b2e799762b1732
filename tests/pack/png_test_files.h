#pragma once

#include "platform/gui/graphics/png_image.h"
#include "support/crc32.h"
#include "support/streams.h"

#include <cstdint>
#include <memory>
#include <string>

// PNG files made byte by byte for the tests: a header, an optional gamma chunk, the picture data as one
// stored (uncompressed) deflate block, and the end chunk.

inline std::string BigEndian32(uint32_t value)
{
    return {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
}

inline std::string PngChunk(const std::string& type, const std::string& data)
{
    const std::string body = type + data;
    TMemoryStream bytes;
    bytes.WriteBuffer(body.data(), int64_t(body.size()));
    return BigEndian32(uint32_t(data.size())) + body + BigEndian32(StreamCrc32(bytes, 0));
}

// rows holds each row's bytes after its filter byte (0, none).
inline std::string PngFile(int width, uint8_t bitDepth, uint8_t colorType, const std::string& rows,
                           int height, bool withGamma)
{
    const std::string header =
        BigEndian32(width) + BigEndian32(height) + std::string{char(bitDepth), char(colorType), 0, 0, 0};
    uint32_t a = 1, b = 0;
    for (unsigned char c : rows)
        a = (a + c) % 65521, b = (b + a) % 65521;
    const uint16_t length = uint16_t(rows.size());
    const std::string zlib = std::string{char(0x78),
                                         char(0x01),
                                         char(0x01),
                                         char(length & 0xFF),
                                         char(length >> 8),
                                         char(~length & 0xFF),
                                         char((~length >> 8) & 0xFF)} +
                             rows + BigEndian32(b << 16 | a);
    return std::string("\x89PNG\r\n\x1a\n", 8) + PngChunk("IHDR", header) +
           (withGamma ? PngChunk("gAMA", BigEndian32(45455)) : std::string()) + PngChunk("IDAT", zlib) +
           PngChunk("IEND", "");
}

inline std::unique_ptr<TPngImage> LoadPng(const std::string& file)
{
    TMemoryStream stream;
    stream.WriteBuffer(file.data(), int64_t(file.size()));
    stream.SetPosition(0);
    auto png = std::make_unique<TPngImage>();
    png->LoadFromStream(stream);
    return png;
}

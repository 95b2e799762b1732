#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Writes packed containers, the inverse of the reader: used to prove round trips.

struct TPackedContainerOptions
{
    bool Scrambled = false;
    uint8_t Mode = 2; // scrambler mode when scrambled: 0 unchanged, 1 basic, 2 extended
    std::array<uint8_t, 6> Keys = {0x13, 0x5A, 0xC7, 0x01, 0xFE, 0x80}; // K13, K17, K21, K25, K29, K33
    uint16_t Field1Length = 3;
    uint16_t Field2Length = 0;
};

// Scrambles data behind a 52-byte scrambler header holding the mode and keys.
std::vector<uint8_t> ScramblePayload(const std::vector<uint8_t>& data,
                                     const TPackedContainerOptions& options);

// A whole container with the content compressed (and scrambled when asked).
std::vector<uint8_t> WritePackedContainer(const std::string& content, const TPackedContainerOptions& options);

// The zlib-compressed bytes of the content.
std::vector<uint8_t> Compress(const std::string& content);

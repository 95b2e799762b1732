#pragma once

#include <cstdint>
#include <string>

// CRC-32 bit by bit (reflected polynomial 0xEDB88320): a checksum worked out apart from the library the
// program uses, to check the program's against.
inline uint32_t BitwiseCrc32(const std::string& bytes)
{
    uint32_t crc = 0xFFFFFFFF;
    for (const char byte : bytes) {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

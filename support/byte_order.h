#pragma once

#include <cstdint>

// Unsigned numbers of 1 to 8 bytes as stored in files, in either byte order.

inline uint64_t ReadLittleEndian(const uint8_t* bytes, int size)
{
    uint64_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

inline uint64_t ReadBigEndian(const uint8_t* bytes, int size)
{
    uint64_t value = 0;
    for (int i = 0; i < size; ++i) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Globally unique identifiers and their registry text "{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}".
struct TGUID
{
    uint32_t D1 = 0;
    uint16_t D2 = 0;
    uint16_t D3 = 0;
    std::array<uint8_t, 8> D4{};
    friend bool operator==(const TGUID&, const TGUID&) = default;
};

// 32 upper-case hexadecimal digits in groups of 8-4-4-4-12, separated by hyphens and enclosed in braces.
std::string GUIDToString(const TGUID& guid);

// The registry text (digits in either case) as an identifier; raises EConvertError for any other text.
TGUID StringToGUID(std::string_view text);

// A new random identifier (version 4) from the system's random source.
TGUID CreateGUID();

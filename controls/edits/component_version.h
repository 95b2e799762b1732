#pragma once

#include <cstdint>
#include <string>

// The published version text of a component: the four bytes of its packed version number, most significant
// first, joined with "." (0x01090400 reads "1.9.4.0").
inline std::string VersionText(uint32_t version)
{
    return std::to_string(version >> 24) + "." + std::to_string((version >> 16) & 0xFF) + "." +
           std::to_string((version >> 8) & 0xFF) + "." + std::to_string(version & 0xFF);
}

#pragma once

#include <cstddef>
#include <cstdint>

// Tables that give numeric codes a name.

struct TCodeName
{
    uint16_t Code;
    const char* Name;
};

// The name of the code in the table, or nullptr.
template <size_t N> const char* FindCodeName(const TCodeName (&table)[N], uint16_t code)
{
    for (const auto& entry : table) {
        if (entry.Code == code) {
            return entry.Name;
        }
    }
    return nullptr;
}

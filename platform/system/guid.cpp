#include "platform/system/guid.h"

#include "support/errors.h"

#include <cstdio>
#include <random>

namespace {

// Where the hexadecimal digits of each byte stand in "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", in the
// order D1 (most significant byte first), D2, D3, D4[0..7].
constexpr size_t kBytePositions[16] = {1, 3, 5, 7, 10, 12, 15, 17, 20, 22, 25, 27, 29, 31, 33, 35};
constexpr size_t kTextLength = 38;

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::array<uint8_t, 16> ToBytes(const TGUID& guid)
{
    std::array<uint8_t, 16> bytes{};
    for (int i = 0; i < 4; ++i)
        bytes[static_cast<size_t>(i)] = static_cast<uint8_t>(guid.D1 >> (24 - 8 * i));
    bytes[4] = static_cast<uint8_t>(guid.D2 >> 8);
    bytes[5] = static_cast<uint8_t>(guid.D2);
    bytes[6] = static_cast<uint8_t>(guid.D3 >> 8);
    bytes[7] = static_cast<uint8_t>(guid.D3);
    for (size_t i = 0; i < 8; ++i)
        bytes[8 + i] = guid.D4[i];
    return bytes;
}

TGUID FromBytes(const std::array<uint8_t, 16>& bytes)
{
    TGUID guid;
    for (size_t i = 0; i < 4; ++i)
        guid.D1 = guid.D1 << 8 | bytes[i];
    guid.D2 = static_cast<uint16_t>(bytes[4] << 8 | bytes[5]);
    guid.D3 = static_cast<uint16_t>(bytes[6] << 8 | bytes[7]);
    for (size_t i = 0; i < 8; ++i)
        guid.D4[i] = bytes[8 + i];
    return guid;
}

bool IsHyphenPlace(size_t pos)
{
    return pos == 9 || pos == 14 || pos == 19 || pos == 24;
}

[[noreturn]] void ThrowInvalidGuid(std::string_view text)
{
    throw EConvertError("'" + std::string(text) + "' is not a valid GUID value");
}

} // namespace

std::string GUIDToString(const TGUID& guid)
{
    std::string text = "{00000000-0000-0000-0000-000000000000}";
    const std::array<uint8_t, 16> bytes = ToBytes(guid);
    for (size_t i = 0; i < bytes.size(); ++i) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02X", bytes[i]);
        text[kBytePositions[i]] = digits[0];
        text[kBytePositions[i] + 1] = digits[1];
    }
    return text;
}

TGUID StringToGUID(std::string_view text)
{
    if (text.size() != kTextLength || text.front() != '{' || text.back() != '}')
        ThrowInvalidGuid(text);
    for (size_t pos = 1; pos + 1 < kTextLength; ++pos)
        if (IsHyphenPlace(pos) != (text[pos] == '-') || (!IsHyphenPlace(pos) && HexValue(text[pos]) < 0))
            ThrowInvalidGuid(text);
    std::array<uint8_t, 16> bytes{};
    for (size_t i = 0; i < bytes.size(); ++i) {
        const size_t pos = kBytePositions[i];
        bytes[i] = static_cast<uint8_t>(HexValue(text[pos]) << 4 | HexValue(text[pos + 1]));
    }
    return FromBytes(bytes);
}

TGUID CreateGUID()
{
    static std::random_device source;
    std::array<uint8_t, 16> bytes{};
    for (size_t i = 0; i < bytes.size(); i += 4) {
        const uint32_t random = source();
        for (size_t j = 0; j < 4; ++j)
            bytes[i + j] = static_cast<uint8_t>(random >> (8 * j));
    }
    bytes[6] = static_cast<uint8_t>((bytes[6] & 0x0F) | 0x40); // version 4
    bytes[8] = static_cast<uint8_t>((bytes[8] & 0x3F) | 0x80); // the standard variant
    return FromBytes(bytes);
}

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class TCustomIniFile;

// Reads the keys of one section of a settings or profile file into values that keep their current
// state when the key is missing or its text is not what the value accepts.
class IniSectionReader
{
public:
    IniSectionReader(const TCustomIniFile& ini, std::string_view section);

    bool Has(std::string_view key) const;
    std::string String(std::string_view key, std::string_view defaultValue) const;

    void Text(std::string_view key, std::string& value) const;
    void Bool(std::string_view key, bool& value) const;
    void Integer(std::string_view key, int32_t& value) const;
    // A list's item index: an index the list does not have keeps the current item.
    void Index(std::string_view key, int32_t& value, int32_t count) const;
    // A value the control holds inside its range: one outside is moved to the nearer end.
    void Clamped(std::string_view key, int32_t& value, int32_t min, int32_t max) const;
    // A value outside the range becomes the fallback.
    void InRangeOr(std::string_view key, int32_t& value, int32_t min, int32_t max, int32_t fallback) const;

private:
    const TCustomIniFile& Ini;
    std::string Section;
};

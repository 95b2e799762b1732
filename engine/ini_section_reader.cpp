#include "engine/ini_section_reader.h"

#include "platform/system/ini_file.h"
#include "support/number_conversion.h"

IniSectionReader::IniSectionReader(const TCustomIniFile& ini, std::string_view section)
    : Ini(ini), Section(section)
{}

bool IniSectionReader::Has(std::string_view key) const
{
    return Ini.ValueExists(Section, key);
}

std::string IniSectionReader::String(std::string_view key, std::string_view defaultValue) const
{
    return Ini.ReadString(Section, key, defaultValue);
}

void IniSectionReader::Text(std::string_view key, std::string& value) const
{
    value = Ini.ReadString(Section, key, value);
}

void IniSectionReader::Bool(std::string_view key, bool& value) const
{
    value = Ini.ReadBool(Section, key, value);
}

void IniSectionReader::Integer(std::string_view key, int32_t& value) const
{
    value = Ini.ReadInteger(Section, key, value);
}

void IniSectionReader::Index(std::string_view key, int32_t& value, int32_t count) const
{
    const int32_t read = Ini.ReadInteger(Section, key, value);
    if (read >= 0 && read < count)
        value = read;
}

void IniSectionReader::Clamped(std::string_view key, int32_t& value, int32_t min, int32_t max) const
{
    value = ClampInt(Ini.ReadInteger(Section, key, value), min, max);
}

void IniSectionReader::InRangeOr(std::string_view key, int32_t& value, int32_t min, int32_t max,
                                 int32_t fallback) const
{
    const int32_t read = Ini.ReadInteger(Section, key, value);
    value = read >= min && read <= max ? read : fallback;
}

#include "controls/skins/skin_option_category.h"

#include "platform/gui/graphics/color_names.h"
#include "platform/system/mem_ini_file.h"

#include <string>

namespace {

std::string KeyOf(std::string_view state, std::string_view field)
{
    return std::string(state.empty() ? "Normal" : state) + "." + std::string(field);
}

} // namespace

void TQvSkinOptionCategory::Reset()
{
    Body.Reset();
    Borders.Reset();
    TextColor = clNone;
}

bool TQvSkinOptionCategory::IsEmpty() const
{
    return Body.IsEmpty() && Borders.IsEmpty() && TextColor == clNone;
}

void TQvSkinOptionCategory::LoadFromIni(const TMemIniFile& ini, std::string_view section,
                                        std::string_view state)
{
    Reset();
    Body.ReadFromString(ini.ReadString(section, KeyOf(state, "Body"), ""));
    Borders.ReadFromString(ini.ReadString(section, KeyOf(state, "Borders"), ""));
    TextColor = StringToColor(ini.ReadString(section, KeyOf(state, "TextColor"), "clNone"));
}

void TQvSkinOptionCategory::SaveToIni(TMemIniFile& ini, std::string_view section,
                                      std::string_view state) const
{
    ini.WriteString(section, KeyOf(state, "Body"), Body.WriteToString());
    ini.WriteString(section, KeyOf(state, "Borders"), Borders.WriteToString());
    ini.WriteString(section, KeyOf(state, "TextColor"), ColorToString(TextColor));
}

void TQvSkinOptionCategory::Assign(const TPersistent* source)
{
    if (const auto* category = dynamic_cast<const TQvSkinOptionCategory*>(source)) {
        Body.Assign(&category->Body);
        Borders.Assign(&category->Borders);
        TextColor = category->TextColor;
        return;
    }
    TPersistent::Assign(source);
}

// The skin text: an INI text with a section "Skin" and one section per component.

#include "controls/skins/skin_error.h"
#include "controls/skins/skin_manager.h"
#include "controls/skins/skin_options.h"
#include "platform/gui/core/strings.h"
#include "platform/gui/graphics/color_names.h"
#include "platform/system/mem_ini_file.h"
#include "support/errors.h"

#include <algorithm>

namespace {

constexpr std::string_view SkinSection = "Skin";

std::vector<std::string> LinesOf(const TStrings& lines)
{
    std::vector<std::string> result;
    result.reserve(static_cast<size_t>(lines.Count()));
    for (int i = 0; i < lines.Count(); ++i) {
        result.push_back(lines.Get(i));
    }
    return result;
}

} // namespace

void TQvSkinOptions::LoadFromStrings(const TStrings& lines)
{
    TMemIniFile ini("");
    ini.SetStrings(LinesOf(lines));
    // Read into a copy, so that a text that fails leaves this skin whole.
    TQvSkinOptions loaded;
    loaded.CopyStoredFrom(*this);
    loaded.ReadSkinText(ini);
    CopyStoredFrom(loaded);
    if (GetSkinManager().IsCurrentSkin(this)) {
        GetSkinManager().BroadcastSkinNotification();
    }
}

void TQvSkinOptions::ReadSkinText(const TMemIniFile& ini)
{
    FSkinName = ini.ReadString(SkinSection, "Name", "");
    FSkinAuthor = ini.ReadString(SkinSection, "Author", "");
    const std::string face = ini.ReadString(SkinSection, "ColorBtnFace", "clBtnFace");
    try {
        FColorBtnFace = StringToColor(face);
    } catch (const EConvertError&) {
        throw ESkinError(FSkinName, std::string(SkinSection), "ColorBtnFace", face);
    }
    // Frames of hundreds of pixels, or negative ones, would break the floating frame's layout.
    FFloatingWindowBorderSize =
        std::clamp(ini.ReadInteger(SkinSection, "FloatingWindowBorderSize", 4), 0, MaxLoadedBorderSize);
    FIconShadow = ini.ReadBool(SkinSection, "IconShadow", false);
    FCompactMenu = ini.ReadBool(SkinSection, "CompactMenu", false);
    FStatusSeparators = ini.ReadBool(SkinSection, "StatusSeparators", false);

    for (int component = 0; component < SkinComponentCount; ++component) {
        const std::string_view section = SkinComponentTable[component].Section;
        for (int state = 0; state < SkinStateCount; ++state) {
            const auto c = static_cast<TQvSkinComponentsType>(component);
            const auto s = static_cast<TQvSkinStatesType>(state);
            if (!SkinComponentHasState(c, s)) {
                continue;
            }
            try {
                (*FOptions)[component][state].LoadFromIni(ini, section, SkinStateNames[state]);
            } catch (const EConvertError&) {
                const std::string key = std::string(SkinStateNames[state]) + ".TextColor";
                throw ESkinError(FSkinName, std::string(section), key, ini.ReadString(section, key, ""));
            }
        }
    }
}

void TQvSkinOptions::SaveToStrings(TStrings& lines) const
{
    TMemIniFile ini("");
    ini.SetStrings(LinesOf(lines));
    SaveToMemIni(ini);
    lines.BeginUpdate();
    lines.Clear();
    lines.AddStrings(ini.GetStrings());
    lines.EndUpdate();
}

void TQvSkinOptions::SaveToMemIni(TMemIniFile& ini) const
{
    ini.WriteString(SkinSection, "Name", FSkinName);
    ini.WriteString(SkinSection, "Author", FSkinAuthor);
    ini.WriteString(SkinSection, "ColorBtnFace", ColorToString(FColorBtnFace));
    ini.WriteInteger(SkinSection, "FloatingWindowBorderSize", FFloatingWindowBorderSize);
    ini.WriteBool(SkinSection, "IconShadow", FIconShadow);
    ini.WriteBool(SkinSection, "CompactMenu", FCompactMenu);
    ini.WriteBool(SkinSection, "StatusSeparators", FStatusSeparators);
    for (int component = 0; component < SkinComponentCount; ++component) {
        for (int state = 0; state < SkinStateCount; ++state) {
            const auto c = static_cast<TQvSkinComponentsType>(component);
            if (SkinComponentHasState(c, static_cast<TQvSkinStatesType>(state))) {
                (*FOptions)[component][state].SaveToIni(ini, SkinComponentTable[component].Section,
                                                        SkinStateNames[state]);
            }
        }
    }
}

#include "engine/profile_list.h"

#include "engine/engine_utils.h"
#include "platform/system/ini_file.h"
#include "support/color_routines.h"
#include "support/file_search.h"
#include "support/files.h"
#include "support/number_conversion.h"
#include "support/text_routines.h"
#include "support/utf8.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>

std::vector<TProfileInfo> ProfileInfos;

namespace {

constexpr std::string_view ProfileSectionMain = "MAIN";
constexpr TColor DefaultProfileColor = 0xFFFFFF;

// The name before the first occurrence of marker (letter case ignored).
std::string CutBefore(const std::string& name, std::string_view marker)
{
    const size_t position = PosText(marker, name, false);
    return position == 0 ? name : Utf8Substr(name, 0, position - 1);
}

// A decimal number with "." as its decimal point; -1 when the text is none.
double ReadSortIndex(const TCustomIniFile& ini)
{
    const std::string text = ReplaceFirst(ini.ReadString(ProfileSectionMain, "SortIndex", "-1"), ".",
                                          GetDecimalSeparatorChar(), false);
    double value = -1;
    if (!TryStrToFloat(text, value) || !std::isfinite(value))
        return -1;
    return value;
}

TColor ReadColor(const TCustomIniFile& ini, std::string_view key)
{
    TColor color = DefaultProfileColor;
    if (!TryStrToColor(ini.ReadString(ProfileSectionMain, key, "#FFFFFF"), color))
        return DefaultProfileColor;
    return color;
}

// Whether the file's "MAIN" section names this program and version.
bool IsProgramProfile(const TCustomIniFile& ini)
{
    return SameTextIgnoreCase(ini.ReadString(ProfileSectionMain, "AppVer", ""), ProfileAppVer) &&
           SameTextIgnoreCase(ini.ReadString(ProfileSectionMain, "AppName", ""), ProfileAppName);
}

// Whether two names lead to the same file or folder, however they are spelt.
bool SamePath(const std::filesystem::path& a, const std::filesystem::path& b)
{
    std::error_code error;
    return std::filesystem::equivalent(a, b, error);
}

} // namespace

bool AP_AddProfile(const std::string& fName, std::vector<TProfileInfo>& infos)
{
    if (!FileExists(fName))
        return false;
    TIniFile ini(fName);
    ini.HoldInMemory();
    if (!IsProgramProfile(ini))
        return false;

    const std::filesystem::path path(fName);
    std::string name = ini.ReadString(ProfileSectionMain, "DisplayName", "");
    if (name.empty())
        name = path.stem().string();
    name = CutBefore(CutBefore(name, "[clb="), "[clf=");

    TProfileInfo info;
    info.ShortFileName = path.filename().string();
    info.DisplayName = name;
    info.SortIndex = ReadSortIndex(ini);
    info.BgColor = ReadColor(ini, "BgColor");
    info.FontColor = ReadColor(ini, "FontColor");
    infos.push_back(std::move(info));
    return true;
}

std::string ProfileFileProblem(const std::string& fileName)
{
    const std::string quoted = "\"" + fileName + "\"";
    if (std::ifstream file(fileName, std::ios::binary); !file)
        return "The file " + quoted + " cannot be read: " + std::strerror(errno) + ".";
    TIniFile ini(fileName);
    ini.HoldInMemory();
    if (!IsProgramProfile(ini))
        return "The file " + quoted + " is not an encoder profile of " + std::string(ProfileAppName) + " " +
               std::string(ProfileAppVer) + ".";
    return {};
}

void GetProfiles(const TAppParams& params, std::vector<TProfileInfo>& infos)
{
    infos.clear();
    std::vector<std::string> files;
    SearchFiles("*.ini", params.ProfilesDir, files, 0, true, true);
    std::stable_sort(files.begin(), files.end(), [](const std::string& a, const std::string& b) {
        return CompareTextIgnoreCase(a, b) < 0;
    });
    for (const std::string& file : files)
        if (!SamePath(file, params.LastProfileFile))
            AP_AddProfile(file, infos);
    SortProfileInfos(infos);
}

std::string ExpandProfileDisplayName(std::string_view displayName)
{
    return ReplaceAll(ReplaceAll(displayName, "\\n", "\r\n", false), "\\t", "\t", false);
}

std::vector<std::string> ProfileSelectorItems(const std::vector<TProfileInfo>& infos,
                                              std::string_view lastSessionText, std::string_view defaultsText)
{
    std::vector<std::string> items = {std::string(lastSessionText), std::string(defaultsText)};
    for (const TProfileInfo& info : infos)
        items.push_back(ExpandProfileDisplayName(info.DisplayName));
    return items;
}

ProfileChoice GetSelectedProfile(int itemIndex, const std::vector<TProfileInfo>& infos,
                                 const TAppParams& params)
{
    if (itemIndex == ProfileItemLastSession)
        return {false, params.LastProfileFile};
    if (itemIndex == ProfileItemDefaults)
        return {true, {}};
    if (infos.empty())
        return {};
    // An index past the list, or none selected, falls back to the first entry.
    int entry = itemIndex - FirstProfileItem;
    if (entry < 0 || entry >= static_cast<int>(infos.size()))
        entry = 0;
    return {false, (std::filesystem::path(params.ProfilesDir) / infos[entry].ShortFileName).string()};
}

bool LoadSelectedProfile(int itemIndex, const std::vector<TProfileInfo>& infos, const TAppParams& params,
                         EncoderSettings& settings, const ProfileLoadContext& context)
{
    const ProfileChoice choice = GetSelectedProfile(itemIndex, infos, params);
    if (choice.SetDefaults) {
        settings = DefaultEncoderSettings(context.DefaultVideoCodecIndex);
        return true;
    }
    return !choice.FileName.empty() && LoadProfile(choice.FileName, settings, context);
}

std::optional<int> SaveProfileToList(const std::string& fileName, const EncoderSettings& settings,
                                     const TAppParams& params, std::vector<TProfileInfo>& infos)
{
    SaveProfile(fileName, settings);
    const std::filesystem::path path(fileName);
    if (!SamePath(path.parent_path(), params.ProfilesDir))
        return std::nullopt;
    GetProfiles(params, infos);
    const std::string shortName = path.filename().string();
    for (size_t i = 0; i < infos.size(); ++i)
        if (infos[i].ShortFileName == shortName)
            return FirstProfileItem + static_cast<int>(i);
    return ProfileItemLastSession;
}

#include "support/version_info.h"

#include "support/locale_names.h"
#include "support/version_resource.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

TRQVersionNumber VersionNumber(uint32_t mostSignificant, uint32_t leastSignificant)
{
    return {static_cast<uint16_t>(mostSignificant >> 16), static_cast<uint16_t>(mostSignificant & 0xFFFF),
            static_cast<uint16_t>(leastSignificant >> 16), static_cast<uint16_t>(leastSignificant & 0xFFFF)};
}

std::string RunningExecutablePath()
{
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).string();
}

} // namespace

TRQVersionInfo::TRQVersionInfo()
{
    SetFileName("");
}

void TRQVersionInfo::SetFileName(const std::string& fileName)
{
    FFileName = fileName.empty() ? RunningExecutablePath() : fileName;
    ResetInfo();
    LoadInfo();
}

void TRQVersionInfo::ResetInfo()
{
    FHaveInfo = false;
}

void TRQVersionInfo::LoadInfo()
{
    FHaveInfo = false;
    FFixedFileInfo = {};
    FTranslations.clear();
    FVersionData = ReadFileVersionData(FFileName);
    if (FVersionData.empty()) {
        SetCurrentTranslation(0);
        return;
    }
    FHaveInfo = true;
    if (const auto fixed = QueryVersionValue(FVersionData, "\\")) {
        std::memcpy(&FFixedFileInfo, fixed->Data, std::min(fixed->Size, sizeof(FFixedFileInfo)));
    }
    if (const auto table = QueryVersionValue(FVersionData, "\\VarFileInfo\\Translation")) {
        FTranslations.resize(table->Size / sizeof(TTranslation));
        std::memcpy(FTranslations.data(), table->Data, FTranslations.size() * sizeof(TTranslation));
    }
    SetCurrentTranslation(0);
}

TRQVersionNumber TRQVersionInfo::FileVersionNumber() const
{
    return VersionNumber(FFixedFileInfo.dwFileVersionMS, FFixedFileInfo.dwFileVersionLS);
}

TRQVersionNumber TRQVersionInfo::ProductVersionNumber() const
{
    return VersionNumber(FFixedFileInfo.dwProductVersionMS, FFixedFileInfo.dwProductVersionLS);
}

void TRQVersionInfo::SetCurrentTranslation(int32_t index)
{
    FCurrentTranslation = index >= 0 && index < NumTranslations() ? index : -1;
}

uint16_t TRQVersionInfo::LanguageCode() const
{
    return FCurrentTranslation < 0 ? 0 : FTranslations[FCurrentTranslation].LanguageId;
}

uint16_t TRQVersionInfo::CharSetCode() const
{
    return FCurrentTranslation < 0 ? 0 : FTranslations[FCurrentTranslation].CodePage;
}

std::string TRQVersionInfo::GetStringFileInfo(const std::string& name) const
{
    if (!FHaveInfo || FCurrentTranslation < 0) {
        return "";
    }
    char translation[9];
    std::snprintf(translation, sizeof(translation), "%4.4x%4.4x", LanguageCode(), CharSetCode());
    const auto value =
        QueryVersionValue(FVersionData, "\\StringFileInfo\\" + std::string(translation) + "\\" + name);
    return value ? VersionValueText(*value) : "";
}

std::string TRQVersionInfo::Language() const
{
    return FHaveInfo ? LanguageName(LanguageCode()) : "";
}

std::string TRQVersionInfo::CharSet() const
{
    if (!FHaveInfo) {
        return "";
    }
    const uint16_t codePage = CharSetCode();
    const std::string number = std::to_string(codePage);
    switch (codePage) {
    case 1200:
        return number + " (Unicode UTF-16, little endian byte order)";
    case 1201:
        return number + " (Unicode UTF-16, big endian byte order)";
    case 12000:
        return number + " (Unicode UTF-32, little endian byte order)";
    case 12001:
        return number + " (Unicode UTF-32, big endian byte order)";
    }
    const std::string name = CodePageName(codePage);
    return number + " (" + (name.empty() ? "Unknown Code Page" : name) + ")";
}

#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The version resource of an executable or library: its fixed part, its translations and the standard
// version strings. Files without one (every ELF file among them) give the empty values.

// A four-part version number, most significant first.
struct TRQVersionNumber
{
    uint16_t V1 = 0, V2 = 0, V3 = 0, V4 = 0;
    friend bool operator==(const TRQVersionNumber&, const TRQVersionNumber&) = default;
};

// The fixed file information block of a version resource (52 bytes).
struct TVSFixedFileInfo
{
    uint32_t dwSignature, dwStrucVersion, dwFileVersionMS, dwFileVersionLS, dwProductVersionMS,
        dwProductVersionLS, dwFileFlagsMask, dwFileFlags, dwFileOS, dwFileType, dwFileSubtype, dwFileDateMS,
        dwFileDateLS;
};
static_assert(sizeof(TVSFixedFileInfo) == 52);

class TRQVersionInfo
{
public:
    // Reads the running program's own version resource.
    TRQVersionInfo();
    virtual ~TRQVersionInfo() = default;

    const std::string& FileName() const { return FFileName; }
    // Reads the file's version resource; the empty name stands for the running program's executable.
    void SetFileName(const std::string& fileName);

    bool HaveInfo() const { return FHaveInfo; }
    const TVSFixedFileInfo& FixedFileInfo() const { return FFixedFileInfo; }
    TRQVersionNumber FileVersionNumber() const;
    TRQVersionNumber ProductVersionNumber() const;
    uint32_t FileOS() const { return FFixedFileInfo.dwFileOS; }
    uint32_t FileType() const { return FFixedFileInfo.dwFileType; }
    uint32_t FileSubType() const { return FFixedFileInfo.dwFileSubtype; }
    uint32_t FileFlagsMask() const { return FFixedFileInfo.dwFileFlagsMask; }
    uint32_t FileFlags() const { return FFixedFileInfo.dwFileFlags; }

    // The value of the named string in the current translation; empty without a version resource, without a
    // current translation or without such a value.
    std::string GetStringFileInfo(const std::string& name) const;
    std::string Comments() const { return GetStringFileInfo("Comments"); }
    std::string CompanyName() const { return GetStringFileInfo("CompanyName"); }
    std::string FileDescription() const { return GetStringFileInfo("FileDescription"); }
    std::string FileVersion() const { return GetStringFileInfo("FileVersion"); }
    std::string InternalName() const { return GetStringFileInfo("InternalName"); }
    std::string LegalCopyright() const { return GetStringFileInfo("LegalCopyright"); }
    std::string LegalTrademarks() const { return GetStringFileInfo("LegalTrademarks"); }
    std::string OriginalFileName() const { return GetStringFileInfo("OriginalFileName"); }
    std::string PrivateBuild() const { return GetStringFileInfo("PrivateBuild"); }
    std::string ProductName() const { return GetStringFileInfo("ProductName"); }
    std::string ProductVersion() const { return GetStringFileInfo("ProductVersion"); }
    std::string SpecialBuild() const { return GetStringFileInfo("SpecialBuild"); }

    // The current translation's language name; empty without a version resource.
    std::string Language() const;
    // The current translation's code page with its name, such as "1200 (Unicode UTF-16, little endian byte
    // order)"; empty without a version resource.
    std::string CharSet() const;
    uint16_t LanguageCode() const;
    uint16_t CharSetCode() const;
    int32_t NumTranslations() const { return static_cast<int32_t>(FTranslations.size()); }
    // -1 when there is no translation or no version resource.
    int32_t CurrentTranslation() const { return FCurrentTranslation; }
    // An index outside 0 .. NumTranslations - 1 gives -1.
    void SetCurrentTranslation(int32_t index);

protected:
    virtual void ResetInfo();
    virtual void LoadInfo();

private:
    struct TTranslation
    {
        uint16_t LanguageId;
        uint16_t CodePage;
    };

    std::string FFileName;
    bool FHaveInfo = false;
    std::vector<uint8_t> FVersionData;
    TVSFixedFileInfo FFixedFileInfo = {};
    std::vector<TTranslation> FTranslations;
    int32_t FCurrentTranslation = -1;
};

#include "byte_fixtures.h"
#include "pe_image_builder.h"
#include "support/version_info.h"
#include "support/version_resource.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

const TVersionStringTable EnglishStrings = {0x0409,
                                            1200,
                                            {{"FileVersion", "1.10.0.3"},
                                             {"ProductVersion", "1.10"},
                                             {"FileDescription", "Stra\xC3\x9F"
                                                                 "e \xE2\x9C\x93 \xF0\x9F\x8E\xAC"},
                                             {"CompanyName", "Zantrove"}}};
const TVersionStringTable GermanStrings = {0x0407, 1252, {{"FileVersion", "1,10,0,3"}}};

std::vector<uint8_t> ImageWithVersion(bool pe32Plus, const std::vector<TVersionStringTable>& tables)
{
    TPeImageOptions options;
    options.Pe32Plus = pe32Plus;
    options.VersionData = BuildVersionData({1, 10, 0, 3}, {1, 10, 2, 0}, tables);
    return BuildPeImage(options).Bytes;
}

TRQVersionInfo ReadInfo(const std::string& fileName)
{
    TRQVersionInfo info;
    info.SetFileName(fileName);
    return info;
}

void ExpectNoInfo(const TRQVersionInfo& info)
{
    EXPECT_FALSE(info.HaveInfo());
    EXPECT_EQ(info.FileVersion(), "");
    EXPECT_EQ(info.CurrentTranslation(), -1);
    EXPECT_EQ(info.NumTranslations(), 0);
    EXPECT_EQ(info.LanguageCode(), 0);
    EXPECT_EQ(info.Language(), "");
    EXPECT_EQ(info.CharSet(), "");
    EXPECT_EQ(info.FileVersionNumber(), TRQVersionNumber{});
    EXPECT_EQ(info.FileType(), 0u);
}

} // namespace

TEST(VersionInfo, ReadsTheVersionResourceOfPe32AndPe32Plus)
{
    TTempFolder folder;
    for (const bool pe32Plus : {false, true}) {
        SCOPED_TRACE(pe32Plus ? "PE32+" : "PE32");
        const TRQVersionInfo info =
            ReadInfo(folder.WriteFile("tool.dll", ImageWithVersion(pe32Plus, {EnglishStrings})));
        ASSERT_TRUE(info.HaveInfo());
        EXPECT_EQ(info.FileVersionNumber(), (TRQVersionNumber{1, 10, 0, 3}));
        EXPECT_EQ(info.ProductVersionNumber(), (TRQVersionNumber{1, 10, 2, 0}));
        EXPECT_EQ(info.FixedFileInfo().dwSignature, 0xFEEF04BDu);
        EXPECT_EQ(info.FileType(), 1u);
        EXPECT_EQ(info.FileOS(), 0x40004u);
        EXPECT_EQ(info.NumTranslations(), 1);
        EXPECT_EQ(info.CurrentTranslation(), 0);
        EXPECT_EQ(info.LanguageCode(), 0x0409);
        EXPECT_EQ(info.CharSetCode(), 1200);
        EXPECT_EQ(info.Language(), "English (United States)");
        EXPECT_EQ(info.CharSet(), "1200 (Unicode UTF-16, little endian byte order)");
        EXPECT_EQ(info.FileVersion(), "1.10.0.3");
        EXPECT_EQ(info.ProductVersion(), "1.10");
        EXPECT_EQ(info.FileDescription(), "Stra\xC3\x9F"
                                          "e \xE2\x9C\x93 \xF0\x9F\x8E\xAC");
        EXPECT_EQ(info.CompanyName(), "Zantrove");
        EXPECT_EQ(info.LegalCopyright(), "");
        EXPECT_EQ(info.GetStringFileInfo("fileversion"), "1.10.0.3");
    }
}

TEST(VersionInfo, TranslationChoosesTheStringTable)
{
    TTempFolder folder;
    TRQVersionInfo info =
        ReadInfo(folder.WriteFile("tool.exe", ImageWithVersion(true, {EnglishStrings, GermanStrings})));
    EXPECT_EQ(info.NumTranslations(), 2);
    EXPECT_EQ(info.FileVersion(), "1.10.0.3");

    info.SetCurrentTranslation(1);
    EXPECT_EQ(info.FileVersion(), "1,10,0,3");
    EXPECT_EQ(info.ProductVersion(), "");
    EXPECT_EQ(info.Language(), "German (Germany)");
    EXPECT_EQ(info.CharSet(), "1252 (Western European (Windows))");

    for (const int index : {2, -1}) {
        info.SetCurrentTranslation(index);
        EXPECT_EQ(info.CurrentTranslation(), -1);
        EXPECT_EQ(info.FileVersion(), "");
        EXPECT_EQ(info.CharSetCode(), 0);
        EXPECT_TRUE(info.HaveInfo());
    }
    EXPECT_EQ(info.CharSet(), "0 (Unknown Code Page)");
}

TEST(VersionInfo, FilesWithoutAVersionResource)
{
    TTempFolder folder;
    std::vector<uint8_t> outsideEverySection = ImageWithVersion(true, {EnglishStrings});
    const uint32_t resourceSectionHeader = 0x80 + 24 + 240 + 2 * 40;
    PutLittleEndian(outsideEverySection, resourceSectionHeader + 12, 0x900000, 4); // the section moves away
    const std::string names[] = {
        folder.WriteFile("plain.exe", BuildPeImage({}).Bytes),
        folder.WriteFile("stray.exe", outsideEverySection),
        folder.WriteFile("text.txt", {'h', 'i'}),
        (folder.Path() / "missing.exe").string(),
        "/bin/sh",
    };
    for (const auto& name : names) {
        SCOPED_TRACE(name);
        ExpectNoInfo(ReadInfo(name));
    }

    TRQVersionInfo own; // the running program, an ELF file
    EXPECT_EQ(own.FileName(), std::filesystem::read_symlink("/proc/self/exe").string());
    ExpectNoInfo(own);
}

TEST(VersionInfo, BrokenVersionDataGivesNoValues)
{
    const std::vector<uint8_t> good = BuildVersionData({1, 2, 3, 4}, {1, 2, 3, 4}, {EnglishStrings});
    ASSERT_TRUE(QueryVersionValue(good, "\\StringFileInfo\\040904B0\\FileVersion"));

    struct TCase
    {
        const char* Name;
        size_t Offset;
        uint16_t Value;
    };
    const TCase cases[] = {
        {"root shorter than its header", 0, 5},
        {"root key without its end", 0, 20},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        std::vector<uint8_t> data = good;
        PutLittleEndian(data, c.Offset, c.Value, 2);
        EXPECT_FALSE(QueryVersionValue(data, "\\"));
        EXPECT_FALSE(QueryVersionValue(data, "\\StringFileInfo\\040904b0\\FileVersion"));
    }
    const std::vector<uint8_t> cut(good.begin(), good.begin() + 200);
    EXPECT_TRUE(QueryVersionValue(cut, "\\"));
    EXPECT_FALSE(QueryVersionValue(cut, "\\VarFileInfo\\Translation"));
    EXPECT_FALSE(QueryVersionValue({}, "\\"));
}

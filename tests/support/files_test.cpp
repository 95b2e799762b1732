#include "support/files.h"

#include "scratch_folder.h"

#include <cmath>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct NameCase
{
    std::string name;
    TFileNameRec expected;
};

TEST(Files, FileNameRecSplitsTheName)
{
    const std::string cwd = fs::current_path().string();
    const NameCase cases[] = {
        {"/videos/clip.final.mkv",
         {"/videos/clip.final.mkv", "clip.final.mkv", "clip.final", "/videos", "/videos/", ".mkv", "mkv"}},
        {"clip.mkv", {cwd + "/clip.mkv", "clip.mkv", "clip", cwd, cwd + "/", ".mkv", "mkv"}},
        {"/a/b/../c.x", {"/a/c.x", "c.x", "c", "/a", "/a/", ".x", "x"}},
        {"/movie", {"/movie", "movie", "movie", "/", "/", "", ""}},
        {"/v/name.", {"/v/name.", "name.", "name", "/v", "/v/", "", ""}},
        {"", {}},
    };
    for (const NameCase& c : cases) {
        TFileNameRec rec;
        rec.BaseFileName = "stale";
        GetFileNameRec(rec, c.name);
        EXPECT_EQ(rec.FullFileName, c.expected.FullFileName) << c.name;
        EXPECT_EQ(rec.ShortFileName, c.expected.ShortFileName) << c.name;
        EXPECT_EQ(rec.BaseFileName, c.expected.BaseFileName) << c.name;
        EXPECT_EQ(rec.Directory, c.expected.Directory) << c.name;
        EXPECT_EQ(rec.Path, c.expected.Path) << c.name;
        EXPECT_EQ(rec.ExtensionWithDot, c.expected.ExtensionWithDot) << c.name;
        EXPECT_EQ(rec.ExtensionWithoutDot, c.expected.ExtensionWithoutDot) << c.name;
    }
}

TEST(Files, ExistenceTellsFilesFromFolders)
{
    ScratchFolder folder;
    const std::string file = folder.Write("a.mkv");
    folder.Link(folder.Path(), "folderLink");
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(FileExists(folder.Path()));
    EXPECT_TRUE(DirExists(folder.Path()));
    EXPECT_TRUE(DirExists(folder / "folderLink"));
    EXPECT_FALSE(DirExists(file));
    EXPECT_FALSE(DirExists(""));
    EXPECT_FALSE(FileExists(""));
}

TEST(Files, DeleteFileForceRemovesReadOnlyFilesAndNothingElse)
{
    ScratchFolder folder;
    const std::string readOnly = folder.Write("ro.mkv", "data");
    ASSERT_EQ(chmod(readOnly.c_str(), 0444), 0);
    EXPECT_TRUE(DeleteFileForce(readOnly));
    EXPECT_FALSE(fs::exists(readOnly));

    EXPECT_TRUE(DeleteFileForce(folder / "missing.mkv"));

    const std::string dangling = folder.Link(folder / "nowhere", "dangling");
    EXPECT_TRUE(DeleteFileForce(dangling));
    EXPECT_FALSE(fs::is_symlink(dangling));

    const std::string subfolder = folder.MakeDir("sub");
    EXPECT_FALSE(DeleteFileForce(subfolder));
    EXPECT_TRUE(fs::is_directory(subfolder));
}

TEST(Files, FileSizesAndTheirFailureValues)
{
    ScratchFolder folder;
    const std::string file = folder.Write("five.bin", "12345");
    folder.Link(folder / "loop", "loop"); // cannot be resolved: exists, but its size cannot be read
    struct SizeCase
    {
        std::string name;
        int64_t withFallback;
        int64_t safe;
    };
    const SizeCase cases[] = {
        {file, 5, 5},
        {folder / "missing.bin", 0, 0},
        {folder.Path(), 0, 0},
        {folder / "loop", -1, 0},
    };
    for (const SizeCase& c : cases) {
        EXPECT_EQ(GetFileSizeWithFallback(c.name), c.withFallback) << c.name;
        EXPECT_EQ(GetFileSizeSafe(c.name), c.safe) << c.name;
    }
}

TEST(Files, AttributesFromTypeNameAndPermissions)
{
    ScratchFolder folder;
    const std::string plain = folder.Write("plain.mkv");
    const std::string readOnly = folder.Write("ro.mkv");
    ASSERT_EQ(chmod(readOnly.c_str(), 0444), 0);
    const std::string hidden = folder.Write(".hidden");
    const std::string subfolder = folder.MakeDir("sub");
    const std::string folderLink = folder.Link(subfolder, "subLink");
    const std::string dangling = folder.Link(folder / "nowhere", "dangling");

    struct AttributeCase
    {
        std::string name;
        bool readOnly, hidden, directory, symLink, anyFile;
    };
    const AttributeCase cases[] = {
        {plain, false, false, false, false, false},         {readOnly, true, false, false, false, true},
        {hidden, false, true, false, false, true},          {subfolder, false, false, true, false, true},
        {subfolder + "/", false, false, true, false, true}, {folderLink, false, false, true, true, true},
        {dangling, false, false, false, true, false},
    };
    for (const AttributeCase& c : cases) {
        TFileAttributesRec rec;
        ASSERT_TRUE(GetFileAttributesRec(rec, c.name)) << c.name;
        EXPECT_TRUE(rec.ValidAttributes);
        EXPECT_EQ(rec.ReadOnly, c.readOnly) << c.name;
        EXPECT_EQ(rec.Hidden, c.hidden) << c.name;
        EXPECT_EQ(rec.Directory, c.directory) << c.name;
        EXPECT_EQ(rec.SymLink, c.symLink) << c.name;
        EXPECT_EQ(rec.AnyFile, c.anyFile) << c.name;
        EXPECT_FALSE(rec.Archive || rec.Normal || rec.SysFile || rec.Compressed) << c.name;
    }

    TFileAttributesRec missing;
    missing.Hidden = true;
    EXPECT_FALSE(GetFileAttributesRec(missing, folder / "missing"));
    EXPECT_FALSE(missing.ValidAttributes || missing.Hidden);
}

class FileTimes : public testing::Test
{
protected:
    // 2023-11-14 22:13:20 UTC and 2001-09-09 01:46:40 UTC
    static constexpr time_t WriteSeconds = 1700000000;
    static constexpr time_t AccessSeconds = 1000000000;

    void SetUp() override
    {
        file = folder.Write("clip.mkv", "abc");
        const timespec times[2] = {{AccessSeconds, 500000000}, {WriteSeconds, 0}};
        ASSERT_EQ(utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
    }

    ScratchFolder folder;
    std::string file;
};

TEST_F(FileTimes, ReadsAccessAndWriteTimeInLocalTime)
{
    struct ZoneCase
    {
        const char* zone;
        double offsetDays;
    };
    for (const ZoneCase& zone : {ZoneCase{"UTC0", 0.0}, ZoneCase{"XYZ-2", 2.0 / 24}}) {
        ScopedEnvironment tz("TZ", zone.zone);
        TDateTime creation = 0, access = 0, write = 0;
        ASSERT_TRUE(GetFileTimes(file, creation, access, write));
        EXPECT_NEAR(write, 45244.92592592593 + zone.offsetDays, 1e-9) << zone.zone;
        EXPECT_NEAR(access, 37143.07407407407 + 0.5 / 86400 + zone.offsetDays, 1e-9) << zone.zone;
        // the birth time is now, where the file system records it at all
        const TDateTime today = UnixTimeToLocalDateTime(time(nullptr));
        EXPECT_TRUE(creation == UnknownFileTime || std::abs(creation - today) < 1.0 / 24) << creation;
    }

    TDateTime creation = 1, access = 1, write = 1;
    EXPECT_FALSE(GetFileTimes(folder / "missing.mkv", creation, access, write));
}

TEST(FileTimeConversion, DaysBeforeTheEpochKeepAForwardFraction)
{
    ScopedEnvironment tz("TZ", "UTC0");
    constexpr int64_t epochDay = -25569LL * 86400; // 1899-12-30 00:00
    EXPECT_EQ(UnixTimeToLocalDateTime(epochDay), 0.0);
    EXPECT_EQ(UnixTimeToLocalDateTime(epochDay + 18 * 3600), 0.75);
    EXPECT_EQ(UnixTimeToLocalDateTime(epochDay - 86400 + 6 * 3600), -1.25); // 1899-12-29 06:00
    EXPECT_EQ(UnixTimeToLocalDateTime(0), 25569.0);
}

TEST_F(FileTimes, InfoRecordCollectsEverything)
{
    ScopedEnvironment tz("TZ", "UTC0");
    TFileInfoRec rec;
    ASSERT_TRUE(GetFileInfoRec(rec, file));
    EXPECT_TRUE(rec.Exists);
    EXPECT_EQ(rec.Size, 3);
    EXPECT_EQ(rec.FileNameRec.ShortFileName, "clip.mkv");
    EXPECT_EQ(rec.FileNameRec.Directory, folder.Path());
    EXPECT_NEAR(rec.LastWriteTime, 45244.92592592593, 1e-9);
    EXPECT_GT(rec.LastAccessTime, 37143.0);
    EXPECT_FALSE(rec.ReadOnly);
    EXPECT_TRUE(rec.Attributes.ValidAttributes);

    EXPECT_FALSE(GetFileInfoRec(rec, folder / "missing.mkv"));
    EXPECT_FALSE(rec.Exists);
    EXPECT_EQ(rec.Size, 0);
    EXPECT_TRUE(rec.FileNameRec.FullFileName.empty());
    EXPECT_EQ(rec.CreationTime, UnknownFileTime);
    EXPECT_EQ(rec.LastWriteTime, UnknownFileTime);
    EXPECT_EQ(rec.LastAccessTime, UnknownFileTime);
    EXPECT_FALSE(rec.Attributes.ValidAttributes);

    EXPECT_FALSE(GetFileInfoRec(rec, folder.Path())); // a folder is not a file
}

} // namespace

#include "engine/engine_utils.h"

#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sys/stat.h>

TEST(EngineUtils, VolumeAndDurationTexts)
{
    EXPECT_EQ(VolumeToStr(100), "1.00");
    EXPECT_EQ(VolumeToStr(150), "1.50");
    EXPECT_EQ(VolumeToStr(75), "0.75");
    EXPECT_EQ(VolumeToStr(1), "0.01");
    EXPECT_EQ(VolumeToStr(300), "3.00");

    EXPECT_EQ(MsToTimeStrWithMs(0), "00:00:00.000");
    EXPECT_EQ(MsToTimeStrWithMs(-5), "00:00:00.000");
    EXPECT_EQ(MsToTimeStrWithMs(3723004), "01:02:03.004");
    EXPECT_EQ(MsToTimeStrWithMs(360000000), "100:00:00.000");
}

TEST(EngineUtils, SupportedInputFilesByExtension)
{
    for (const char* name : {"/v/a.mkv", "/v/a.MkV", "b.DVR-MS", "c.true-hd", "/dir.avi/film.webm"})
        EXPECT_TRUE(IsSupportedInputFile(name)) << name;
    for (const char* name : {"/v/a.txt", "/v/mkv", "/dir.mkv/film", "/v/a.mkv.part", "/v/a."})
        EXPECT_FALSE(IsSupportedInputFile(name)) << name;
}

TEST(EngineUtils, ProfilesSortBySortIndex)
{
    std::vector<TProfileInfo> profiles;
    SortProfileInfos(profiles); // nothing to sort
    for (double index : {3.0, -1.0, double(NAN), 1.5, 3.0})
        profiles.push_back({"p" + std::to_string(profiles.size()), "", index, "", 0, 0});
    SortProfileInfos(profiles);
    std::vector<std::string> order;
    for (const TProfileInfo& profile : profiles)
        order.push_back(profile.ShortFileName);
    EXPECT_EQ(order, (std::vector<std::string>{"p1", "p3", "p0", "p4", "p2"}));
}

TEST(EngineUtils, ThreadCountAndGridInfo)
{
    const int32_t threads = GetDefaultThreadCount();
    EXPECT_GE(threads, 1);
    EXPECT_LE(threads, 32);

    TGridInfo info{1, 2, 3, 4, 5, 6};
    ClearGridInfo(info);
    EXPECT_EQ(info.RowCount + info.CheckedCount + info.UncheckedCount + info.SelectedCount +
                  info.SelectedCheckedCount + info.SelectedUncheckedCount,
              0);
}

TEST(EngineUtils, UniqueFileNames)
{
    ScratchFolder folder;
    const std::string name = folder / "a.avi";
    EXPECT_EQ(GetUniqueFileName(name, "_", 3), name);
    folder.Write("a.avi");
    EXPECT_EQ(GetUniqueFileName(name, "_", 3), folder / "a_001.avi");
    folder.Write("a_001.avi");
    folder.MakeDir("a_002.avi");                  // a folder takes the name too
    folder.Link(folder / "nowhere", "a_003.avi"); // and so does a dangling link
    EXPECT_EQ(GetUniqueFileName(name, "_", 3), folder / "a_004.avi");
    folder.Write("b");
    EXPECT_EQ(GetUniqueFileName(folder / "b", " - ", 1), folder / "b - 1");
}

TEST(EngineUtils, RunFolderIsCreatedPrivate)
{
    ScratchFolder temp;
    ScopedEnvironment tmpdir("TMPDIR", temp.Path() + "/");
    std::string error;
    const std::string first = GetRunTempDir(error);
    const std::string second = GetRunTempDir(error);
    ASSERT_FALSE(first.empty()) << error;
    ASSERT_FALSE(second.empty()) << error;
    EXPECT_NE(first, second);
    EXPECT_EQ(first.rfind(temp.Path() + "/Zantrove_Quillconv_", 0), 0u) << first;
    struct stat info
    {
    };
    ASSERT_EQ(stat(first.c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    ScopedEnvironment missing("TMPDIR", temp.Path() + "/does/not/exist");
    error.clear();
    EXPECT_EQ(GetRunTempDir(error), "");
    EXPECT_NE(error.find("does/not/exist"), std::string::npos) << error;
}

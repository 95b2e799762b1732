#include "engine/file_dates.h"

#include "support/scratch_folder.h"

#include <gtest/gtest.h>

TEST(FileDates, AccessAndWriteTimesCarryOverToAnotherFile)
{
    ScratchFolder folder;
    const std::string input = folder.Write("in.mkv", "x");
    const std::string output = folder.Write("out.avi", "y");

    TFileDates set;
    set.LastAccess = {1'500'000'000, 123'456'789};
    set.LastWrite = {1'400'000'000, 987'654'321};
    ASSERT_TRUE(SetFileTimes(input, set));

    TFileDates read;
    ASSERT_TRUE(ReadFileDates(input, read));
    EXPECT_EQ(read.LastWrite.tv_sec, 1'400'000'000);
    EXPECT_EQ(read.LastWrite.tv_nsec, 987'654'321);
    EXPECT_EQ(read.LastAccess.tv_sec, 1'500'000'000);
    if (read.CreationKnown) { // the birth time stays the file system's
        EXPECT_GT(read.Creation.tv_sec, 1'500'000'000);
    }

    ASSERT_TRUE(SetFileTimes(output, read));
    TFileDates copied;
    ASSERT_TRUE(ReadFileDates(output, copied));
    EXPECT_EQ(copied.LastWrite.tv_sec, read.LastWrite.tv_sec);
    EXPECT_EQ(copied.LastWrite.tv_nsec, read.LastWrite.tv_nsec);
}

TEST(FileDates, MissingFileFails)
{
    ScratchFolder folder;
    TFileDates dates;
    EXPECT_FALSE(ReadFileDates(folder / "missing.mkv", dates));
    EXPECT_FALSE(SetFileTimes(folder / "missing.mkv", dates));
}

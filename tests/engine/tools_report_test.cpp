#include "engine/tools_report.h"

#include "engine/app_params.h"

#include "test_media.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

std::string WriteFile(const std::string& name, const std::string& content)
{
    const std::string path = test_media::Folder() + "/" + name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

const std::string Dashes(83, '-');

TEST(ToolsReport, BlockOfAPlainFile)
{
    const std::string file = WriteFile("check.bin", "123456789");
    EXPECT_EQ(GetBinaryFileInfoStr(file, 18), "        File name: " + file + "\r\n" +
                                                  "        File size: 9 bytes ( 9 bytes)\r\n"
                                                  "       File CRC32: $CBF43926");
    // A label longer than the width is not cut; width 0 puts every label at the start of its line.
    EXPECT_EQ(GetBinaryFileInfoStr(file, 0, "v1.2"), "File name: " + file + "\r\n" +
                                                         "File size: 9 bytes ( 9 bytes)\r\n"
                                                         "File CRC32: $CBF43926\r\n"
                                                         "Product version: v1.2");
}

TEST(ToolsReport, SizesAndChecksums)
{
    const std::string large = GetBinaryFileInfoStr(WriteFile("large.bin", std::string(1023, 'x')), 0);
    EXPECT_NE(large.find("\r\nFile size: 1 023 bytes (1023 bytes)\r\n"), std::string::npos) << large;
    const std::string empty = GetBinaryFileInfoStr(WriteFile("empty.bin", ""), 0);
    EXPECT_NE(empty.find("\r\nFile CRC32: $00000000"), std::string::npos) << empty;
    EXPECT_EQ(GetBinaryFileInfoStr(test_media::Folder() + "/missing.bin", 18), "");
    EXPECT_EQ(GetBinaryFileInfoStr("", 18), "");
}

TEST(ToolsReport, ExecutablesShowTheirElfType)
{
    const std::string block = GetBinaryFileInfoStr(test_media::FFmpegPath(), 18);
    EXPECT_NE(block.find("\r\n      Binary type: 64-bit ELF "), std::string::npos) << block;
    EXPECT_EQ(GetBinaryFileInfoStr(WriteFile("fake.elf", "\x7F"
                                                         "ELF"),
                                   18)
                  .find("Binary type"),
              std::string::npos);
}

TEST(ToolsReport, ReportOfBothTools)
{
    const std::string report = GetToolsInfoStr(18, test_media::FFmpegPath(), test_media::MediaInfoLibrary());
    EXPECT_TRUE(report.starts_with("FFmpeg\r\n        File name: " + test_media::FFmpegPath() + "\r\n"))
        << report;
    EXPECT_NE(report.find("  Product version: ffmpeg version "), std::string::npos) << report;
    EXPECT_NE(report.find("\r\n" + Dashes + "\r\nMediaInfo\r\n        File name: /"), std::string::npos);
    EXPECT_NE(report.find("libmediainfo.so"), std::string::npos);
    EXPECT_NE(report.find("  Product version: MediaInfoLib"), std::string::npos);
    EXPECT_TRUE(report.ends_with("\r\n" + Dashes));
}

TEST(ToolsReport, ToolsNotFoundGiveEmptyBlocks)
{
    EXPECT_EQ(GetToolsInfoStr(18, "", ""), "FFmpeg\r\n\r\n" + Dashes + "\r\nMediaInfo\r\n\r\n" + Dashes);
    EXPECT_EQ(GetToolsInfoStr(18, test_media::Folder() + "/no_ffmpeg", test_media::Folder() + "/no_lib.so"),
              "FFmpeg\r\n\r\n" + Dashes + "\r\nMediaInfo\r\n\r\n" + Dashes);
}

} // namespace

namespace {

TEST(ToolsReport, ResolvesTheProgramsToolsAgain)
{
    const TAppParams saved = AppParams;
    AppParams.ffmpeg = test_media::FFmpegPath();
    AppParams.MediaInfoDll = test_media::Folder() + "/gone/libmediainfo.so.0";
    AppParams.ToolsDir = test_media::Folder();
    const std::string report = GetToolsInfoStr(18);
    AppParams = saved;
    EXPECT_NE(report.find("File name: " + test_media::FFmpegPath() + "\r\n"), std::string::npos) << report;
    // The configured library is gone: the system's library is found in its place.
    EXPECT_NE(report.find("MediaInfo\r\n        File name: /"), std::string::npos) << report;
}

} // namespace

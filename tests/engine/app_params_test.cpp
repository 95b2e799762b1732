#include "engine/app_params.h"

#include <gtest/gtest.h>

TEST(AppParams, FoldersAndFilesLieBesideTheExecutable)
{
    TAppParams params;
    params.LogDir = "/tmp/left-over";
    params.KeepFileDates = true;
    InitAppParams(params, "/opt/quillmark/quillmark");

    EXPECT_EQ(ProgramDir, "/opt/quillmark");
    EXPECT_EQ(params.ToolsDir, "/opt/quillmark/tools");
    EXPECT_EQ(params.LangDir, "/opt/quillmark/lang");
    EXPECT_EQ(params.ffmpeg, "/opt/quillmark/tools/ffmpeg");
    EXPECT_EQ(params.MediaInfoDll, "/opt/quillmark/tools/libmediainfo.so.0");
    EXPECT_EQ(params.IniName, "/opt/quillmark/quillconv.ini");
    EXPECT_EQ(params.AudioBitratesTxt, "/opt/quillmark/data/audio_bitrates.txt");
    EXPECT_EQ(params.LastProfileFile, "/opt/quillmark/profiles/__Last.ini");
    EXPECT_EQ(params.LastDir, "/opt/quillmark");
    EXPECT_EQ(params.ColorOK, 0xE06C1Fu);
    EXPECT_EQ(params.ColorError, 0x1D35E2u);
    EXPECT_EQ(params.FileAnalysis, faFull);
    EXPECT_TRUE(params.OverwritePrompt);
    EXPECT_TRUE(params.DragAcceptDirectories);
    EXPECT_TRUE(params.OpenFileAfterIconClick);
    // Everything else starts cleared.
    EXPECT_TRUE(params.LogDir.empty());
    EXPECT_FALSE(params.KeepFileDates);
    EXPECT_FALSE(params.ScrollProgressToBottom);
}

TEST(AppParams, ProgramInTheRootFolder)
{
    TAppParams params;
    InitAppParams(params, "/quillmark");
    EXPECT_EQ(ProgramDir, "");
    EXPECT_EQ(params.ToolsDir, "/tools");
    EXPECT_EQ(params.IniName, "/quillconv.ini");
}

TEST(AppParams, TheRunningExecutableIsFound)
{
    TAppParams params;
    InitAppParams(params);
    ASSERT_FALSE(ProgramDir.empty());
    EXPECT_EQ(ProgramDir.front(), '/');
    EXPECT_NE(ProgramDir.back(), '/');
    EXPECT_EQ(GetExecutablePath().rfind(ProgramDir + "/", 0), 0u);
}

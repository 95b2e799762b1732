#include "engine/tool_discovery.h"

#include "engine/system_tools.h"
#include "platform/system/dynamic_library.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

std::string VerFile(std::string_view tool, std::string_view version)
{
    return "[MAIN]\ntool=" + std::string(tool) + "\nbits=64\nver=" + std::string(version) + "\n";
}

std::string WriteExecutable(const ScratchFolder& folder, const std::string& relative)
{
    const std::string name = folder.Write(relative, "#!/bin/sh\n");
    chmod(name.c_str(), 0755);
    return name;
}

// Changes the current folder for the life of the object.
class ScopedCurrentFolder
{
public:
    explicit ScopedCurrentFolder(const std::string& folder) : Saved(std::filesystem::current_path())
    {
        std::filesystem::current_path(folder);
    }
    ~ScopedCurrentFolder() { std::filesystem::current_path(Saved); }

private:
    std::filesystem::path Saved;
};

// A program installed as <root>/app/quillmark, with an empty tools folder and no system search path.
class ToolDiscovery : public testing::Test
{
protected:
    ToolDiscovery() : NoSearchPath("PATH", "")
    {
        InitAppParams(Params, Root / "app/quillmark");
        Root.MakeDir("app/tools");
    }

    ScratchFolder Root;
    ScopedEnvironment NoSearchPath;
    TAppParams Params;
};

} // namespace

TEST_F(ToolDiscovery, ConfiguredPathThenToolsFolder)
{
    const std::string own = WriteExecutable(Root, "elsewhere/ffmpeg");
    const std::string inTools = WriteExecutable(Root, "app/tools/ffmpeg");

    ScopedCurrentFolder current(Root.Path());
    Params.ffmpeg = "elsewhere/ffmpeg"; // relative to the current folder
    EXPECT_EQ(GetFFmpegExePath(Params), own);
    EXPECT_EQ(Params.ffmpeg, own);

    Params.ffmpeg = Root / "elsewhere/missing";
    EXPECT_EQ(GetFFmpegExePath(Params), inTools);

    // A file that cannot be run is no encoder.
    chmod(inTools.c_str(), 0644);
    EXPECT_EQ(GetFFmpegExePath(Params), "");
    EXPECT_EQ(Params.ffmpeg, "");
}

TEST_F(ToolDiscovery, MediaInfoLibraryInTheToolsFolder)
{
    Root.Write("app/tools/libmediainfo.so.0.0.0", "ELF");
    Root.Link("libmediainfo.so.0.0.0", "app/tools/libmediainfo.so");
    Params.MediaInfoDll = "";
    EXPECT_EQ(GetMediaInfoDllPath(Params), Root / "app/tools/libmediainfo.so");
    EXPECT_EQ(Params.MediaInfoDll, Root / "app/tools/libmediainfo.so");

    // The soname is preferred, once the path found before is no longer configured.
    Root.Write("app/tools/libmediainfo.so.0", "ELF");
    EXPECT_EQ(GetMediaInfoDllPath(Params), Root / "app/tools/libmediainfo.so");
    Params.MediaInfoDll = "";
    EXPECT_EQ(GetMediaInfoDllPath(Params), Root / "app/tools/libmediainfo.so.0");
}

TEST_F(ToolDiscovery, VersionFilesBelowTheParentFolder)
{
    // The first matching version file decides, found in "_common" before the rest of the tree.
    Root.Write("_common/ffmpeg/ffmpeg.ver", VerFile("FFmpeg", "n-100681-G0BEE216AD4"));
    const std::string common = WriteExecutable(Root, "_common/ffmpeg/ffmpeg");
    Root.Write("other/ffmpeg.ver", VerFile("ffmpeg", FFmpegPinnedVersion));
    const std::string other = WriteExecutable(Root, "other/ffmpeg");
    EXPECT_EQ(GetFFmpegExePath(Params), common);

    // Without the tool beside the first match the search of that tree ends empty-handed.
    std::filesystem::remove(common);
    Root.Write("_common/later/ffmpeg.ver", VerFile("ffmpeg", FFmpegPinnedVersion));
    WriteExecutable(Root, "_common/later/ffmpeg");
    EXPECT_EQ(FindToolInVerFiles({"FFMPEG", "64", std::string(FFmpegPinnedVersion), "ffmpeg.ver"},
                                 Root / "_common", 3),
              "");
    EXPECT_EQ(GetFFmpegExePath(Params), other);

    // Other builds and other tools do not count.
    Root.Write("mi/MediaInfo.ver", VerFile("MediaInfo", "20.09"));
    Root.Write("mi/libmediainfo.so.0", "ELF");
    EXPECT_EQ(FindToolPath(ProgramDir, "MediaInfo", "64", MediaInfoPinnedVersion), "");
    Root.Write("mi/MediaInfo.ver", VerFile("mediainfo", MediaInfoPinnedVersion));
    EXPECT_EQ(FindToolPath(ProgramDir, "MediaInfo", "64", MediaInfoPinnedVersion),
              Root / "mi/libmediainfo.so.0");
    EXPECT_EQ(FindToolPath(ProgramDir, "ffprobe", "64", FFmpegPinnedVersion), "");
}

TEST_F(ToolDiscovery, NothingFound)
{
    EXPECT_EQ(GetFFmpegExePath(Params), "");
    EXPECT_EQ(Params.ffmpeg, "");
}

TEST(SystemTools, SearchPathSkipsTheCurrentFolder)
{
    ScratchFolder folder;
    const std::string tool = WriteExecutable(folder, "bin/quillmark-probe");
    ScopedCurrentFolder current(folder / "bin");
    EXPECT_EQ(FindProgramOnPath("quillmark-probe", "::.:bin:" + folder / "bin/"),
              folder / "bin/quillmark-probe");
    EXPECT_EQ(FindProgramOnPath("quillmark-probe", ".:bin::"), "");
    EXPECT_TRUE(IsExecutableFile(tool));
}

// The tools this machine has installed.
TEST(SystemTools, InstalledToolsAreFound)
{
    ScratchFolder root; // deep enough that the version file search stays inside it
    TAppParams params;
    InitAppParams(params, root / "program/bin/quillmark");

    const std::string ffmpeg = GetFFmpegExePath(params);
    ASSERT_FALSE(ffmpeg.empty());
    EXPECT_EQ(ffmpeg.front(), '/');
    EXPECT_EQ(std::filesystem::path(ffmpeg).filename(), "ffmpeg");

    const std::string mediaInfo = GetMediaInfoDllPath(params);
    ASSERT_FALSE(mediaInfo.empty());
    EXPECT_EQ(mediaInfo.front(), '/');
    EXPECT_NE(mediaInfo.find("libmediainfo.so"), std::string::npos) << mediaInfo;
    EXPECT_TRUE(IsRegularFile(mediaInfo));
}

// Where the dynamic linker really finds a library: by loading it.
std::string LoadedFrom(const std::string& soname)
{
    TDynamicLibrary library;
    return library.Load(soname) ? library.LoadedFileName() : "";
}

TEST(SystemTools, LibrariesAreFoundWhereTheLinkerLoadsThemFrom)
{
    for (const std::string soname : {"libmediainfo.so.0", "libz.so.1", "libstdc++.so.6", "libc.so.6"}) {
        const std::string found = FindLibraryThroughLoader(soname);
        EXPECT_FALSE(found.empty()) << soname;
        EXPECT_EQ(found, LoadedFrom(soname)) << soname;
    }
    EXPECT_EQ(FindLibraryThroughLoader("libquillmark-none.so.9"), "");
    EXPECT_EQ(FindLibraryThroughLoader(""), "");
}

// LD_LIBRARY_PATH comes before the linker's cache, but only with libraries this program could load: a
// library of another machine's kind there is passed over, and a relative folder is never searched.
TEST(SystemTools, TheLibraryPathComesFirstWithLibrariesOfThisProgramsKind)
{
    ScratchFolder root;
    std::string foreign(64, '\0');
    foreign.replace(0, 7,
                    "\x7F"
                    "ELF\x01\x01\x01"); // 32-bit, little-endian
    foreign[16] = 3;                    // shared object
    foreign[18] = 3;                    // i386
    root.Write("foreign/libz.so.1", foreign);
    for (const std::string folder : {"own", "relative"}) {
        std::filesystem::create_directories(root / folder);
        std::filesystem::copy_file(LoadedFrom("libz.so.1"), root / (folder + "/libz.so.1"));
    }
    const ScopedCurrentFolder inRoot(root.Path());

    std::string found, foundByPath;
    {
        const ScopedEnvironment libraryPath("LD_LIBRARY_PATH",
                                            "relative:" + (root / "foreign") + ":" + (root / "own"));
        found = FindLibraryThroughLoader("libz.so.1");
        foundByPath = FindLibraryThroughLoader(root / "foreign/libz.so.1");
    }

    EXPECT_EQ(found, std::filesystem::canonical(root / "own/libz.so.1").string());
    EXPECT_EQ(foundByPath, "");
}

#include "platform/system/file_io.h"
#include "support/scratch_folder.h"
#include "system_call_hooks.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

namespace {

std::string FileBytes(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Once the call returns, the new contents and the new name are both on the disk: the temporary file is
// synced before the rename, and the folder after it.
TEST(ReplaceFileContents, SyncsTheFileAndThenItsFolder)
{
    ScratchFolder folder;
    const std::string name = folder.Write("a.txt", "old");
    struct stat folderInfo;
    ASSERT_EQ(::stat(folder.Path().c_str(), &folderInfo), 0);
    std::vector<std::string> synced; // what was synced, and what the name held at that moment
    system_call_hooks::BeforeFsync = [&](int fd) {
        struct stat info;
        ASSERT_EQ(::fstat(fd, &info), 0);
        const bool isFolder = S_ISDIR(info.st_mode) && info.st_ino == folderInfo.st_ino;
        synced.push_back((isFolder ? "folder, " : "file, ") + FileBytes(name));
    };
    ReplaceFileContents(name, "new");
    system_call_hooks::BeforeFsync = nullptr;
    EXPECT_EQ(synced, (std::vector<std::string>{"file, old", "folder, new"}));
    EXPECT_EQ(FileBytes(name), "new");
}

} // namespace

// Which names are the same listed file: canonical paths, compared exactly, looked up by hash.

#include "app/model/listed_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

TEST(ListedFileIdentity, SameFileOrNot)
{
    std::string pattern = (fs::temp_directory_path() / "qm_identity_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const fs::path dir = pattern;
    fs::create_directory(dir / "sub");
    std::ofstream(dir / "clip.mkv") << "x";
    std::ofstream(dir / "Clip.mkv") << "y";
    fs::create_symlink(dir / "clip.mkv", dir / "link.mkv");
    fs::create_directory_symlink(dir / "sub", dir / "sublink");
    std::ofstream(dir / "sub" / "in.mkv") << "z";

    struct Case
    {
        fs::path a, b;
        bool same;
    };
    const Case cases[] = {
        {dir / "clip.mkv", dir / "sub" / ".." / "clip.mkv", true},
        {dir / "clip.mkv", dir / "link.mkv", true},
        {dir / "sub" / "in.mkv", dir / "sublink" / "in.mkv", true},
        {dir / "clip.mkv", dir / "Clip.mkv", false},
        {dir / "gone.mkv", dir / "." / "gone.mkv", true},
        {dir / "gone.mkv", dir / "Gone.mkv", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ListedFileIdentity(c.a.string()) == ListedFileIdentity(c.b.string()), c.same)
            << c.a << " / " << c.b;

    const std::string saved = fs::current_path().string();
    fs::current_path(dir);
    EXPECT_EQ(ListedFileIdentity("clip.mkv"), ListedFileIdentity((dir / "clip.mkv").string()));
    EXPECT_EQ(ExpandListedFileName("link.mkv"), (dir / "link.mkv").string()) << "the link keeps its name";
    fs::current_path(saved);
    fs::remove_all(dir);
}

TEST(ListedFiles, RowIdsFollowAddAndRemove)
{
    TListedFiles listed;
    const uint64_t first = listed.Add("/a.mkv");
    const uint64_t second = listed.Add("/b.mkv");
    EXPECT_NE(first, 0u);
    EXPECT_NE(first, second);
    EXPECT_EQ(listed.Add("/a.mkv"), 0u);
    EXPECT_EQ(listed.RowOf("/b.mkv"), second);
    listed.Remove(first);
    EXPECT_FALSE(listed.Contains("/a.mkv"));
    const uint64_t again = listed.Add("/a.mkv");
    EXPECT_NE(again, first) << "a row id is never given twice";
    listed.Clear();
    EXPECT_EQ(listed.Count(), 0u);
}

} // namespace

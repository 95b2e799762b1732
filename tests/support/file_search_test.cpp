#include "support/file_search.h"

#include "scratch_folder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

struct MaskCase
{
    const char* name;
    const char* mask;
    bool matches;
};

TEST(FileSearch, MasksIgnoreCaseAndTreatAnyExtensionAsOptional)
{
    const MaskCase cases[] = {
        {"clip.MKV", "*.mkv", true},
        {"clip.mkv", "*.avi", false},
        {"README", "*.*", true},
        {"a.b.c", "*.c", true},
        {"foo", "foo.*", true},
        {"foobar", "foo.*", false},
        {"ab", "a?", true},
        {"a", "a?", false},
        {"x.mkv.part", "*.mkv", false},
        {"[x].ini", "[x].ini", true},
        {"x.ini", "[x].ini", false},
        {"\xC3\x89T\xC3\x89.ini", "\xC3\xA9t\xC3\xA9.INI", true},
        {"\xC3\xA9.ini", "?.ini", true},
    };
    for (const MaskCase& c : cases)
        EXPECT_EQ(MatchesFileMask(c.name, c.mask), c.matches) << c.name << " / " << c.mask;
}

// root: b.MKV, .hidden.mkv, notes.txt; alpha/e.mkv; Sub/c.mkv; Sub/Deep/d.mkv; Sub/Deep/Deeper/f.mkv
class FileSearchTree : public testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* name : {"b.MKV", ".hidden.mkv", "notes.txt", "alpha/e.mkv", "Sub/c.mkv",
                                 "Sub/Deep/d.mkv", "Sub/Deep/Deeper/f.mkv"})
            folder.Write(name, "x");
    }

    std::vector<std::string> Search(const std::string& mask, int depth, bool linkedFolders = false,
                                    bool linkedFiles = false)
    {
        std::vector<std::string> result;
        SearchFiles(mask, folder.Path(), result, depth, linkedFolders, linkedFiles);
        return result;
    }

    // Folder order is defined, file order inside a folder is the file system's: compare as sets there.
    static std::vector<std::string> Sorted(std::vector<std::string> names)
    {
        std::sort(names.begin(), names.end());
        return names;
    }

    ScratchFolder folder;
};

TEST_F(FileSearchTree, DepthCountsLevelsBelowTheStartFolder)
{
    EXPECT_EQ(Sorted(Search("*.mkv", 0)), Sorted({folder / ".hidden.mkv", folder / "b.MKV"}));
    EXPECT_EQ(Search("*.mkv", 1).size(), 4u);
    EXPECT_EQ(Search("*.mkv", 2).size(), 5u);
    EXPECT_EQ(Search("*.*", 20).size(), 7u);
}

TEST_F(FileSearchTree, FoldersAreTakenInCaseInsensitiveOrder)
{
    const std::vector<std::string> result = Search("*.mkv", 20);
    ASSERT_EQ(result.size(), 6u);
    // the start folder's two files first, then alpha before Sub before Sub/Deep before Sub/Deep/Deeper
    EXPECT_EQ(std::vector<std::string>(result.begin() + 2, result.end()),
              (std::vector<std::string>{folder / "alpha/e.mkv", folder / "Sub/c.mkv",
                                        folder / "Sub/Deep/d.mkv", folder / "Sub/Deep/Deeper/f.mkv"}));
}

TEST_F(FileSearchTree, TrailingDelimiterOfTheStartFolderChangesNothing)
{
    std::vector<std::string> withDelimiter;
    SearchFiles("*.*", folder.Path() + "/", withDelimiter, 20, false, false);
    EXPECT_EQ(withDelimiter, Search("*.*", 20));
}

TEST_F(FileSearchTree, ResultIsAppendedToAndCallbacksStopAtOnce)
{
    std::vector<std::string> result{"kept"};
    int fileCalls = 0;
    SearchFiles("*.*", folder.Path(), result, 20, false, false, {},
                [&](int folderCount, int resultCount, int folderNo, const std::string& name) {
                    ++fileCalls;
                    EXPECT_EQ(folderCount, 5);
                    EXPECT_EQ(resultCount, 2);
                    EXPECT_EQ(folderNo, 1);
                    EXPECT_EQ(name, result.back());
                    return false;
                });
    EXPECT_EQ(fileCalls, 1);
    EXPECT_EQ(result.size(), 2u);
    EXPECT_EQ(result.front(), "kept");

    std::vector<std::string> folders;
    result.clear();
    SearchFiles("*.*", folder.Path(), result, 20, false, false,
                [&](int folderCount, const std::string& name) {
                    folders.push_back(name);
                    EXPECT_EQ(folderCount, static_cast<int>(folders.size()) + 1);
                    return folders.size() < 2;
                });
    EXPECT_EQ(folders.size(), 2u);
    EXPECT_TRUE(result.empty());
}

TEST_F(FileSearchTree, EntryCallbackCountsEveryEntryOfTheListedFolder)
{
    std::vector<int> counts;
    std::vector<std::string> result;
    SearchFiles("*.*", folder / "alpha", result, 1, false, false, {}, {}, [&](int count) {
        counts.push_back(count);
        return true;
    });
    EXPECT_EQ(counts, (std::vector<int>{1, 2, 3})); // ".", ".." and e.mkv

    counts.clear();
    SearchFiles("*.*", folder.Path(), result, 20, false, false, {}, {}, [&](int count) {
        counts.push_back(count);
        return false;
    });
    EXPECT_EQ(counts, (std::vector<int>{1}));
    EXPECT_EQ(result.size(), 1u); // only the first search's e.mkv
}

TEST_F(FileSearchTree, LinksAreFollowedOnlyWhenAccepted)
{
    ScratchFolder outside;
    outside.Write("linked/g.mkv", "x");
    folder.Link(outside / "linked", "LinkedFolder");
    folder.Link(outside / "linked/g.mkv", "linked.mkv");

    const auto contains = [](const std::vector<std::string>& list, const std::string& name) {
        return std::find(list.begin(), list.end(), name) != list.end();
    };
    const std::vector<std::string> plain = Search("*.mkv", 20);
    EXPECT_FALSE(contains(plain, folder / "LinkedFolder/g.mkv"));
    EXPECT_FALSE(contains(plain, folder / "linked.mkv"));
    const std::vector<std::string> linkedFolders = Search("*.mkv", 20, true, false);
    EXPECT_TRUE(contains(linkedFolders, folder / "LinkedFolder/g.mkv"));
    EXPECT_FALSE(contains(linkedFolders, folder / "linked.mkv"));
    const std::vector<std::string> linkedFiles = Search("*.mkv", 20, false, true);
    EXPECT_FALSE(contains(linkedFiles, folder / "LinkedFolder/g.mkv"));
    EXPECT_TRUE(contains(linkedFiles, folder / "linked.mkv"));
}

TEST_F(FileSearchTree, LinksBackIntoTheTreeDoNotRepeatFolders)
{
    // Two links to the start folder would otherwise make 2^20 folders at depth 20.
    folder.Link(folder.Path(), "Sub/Deep/up1");
    folder.Link("../..", "Sub/Deep/up2");
    int folderCalls = 0;
    std::vector<std::string> result;
    SearchFiles("*.*", folder.Path(), result, 20, true, true, [&](int, const std::string&) {
        ++folderCalls;
        return true;
    });
    EXPECT_EQ(folderCalls, 4);
    EXPECT_EQ(result.size(), 7u);
}

TEST_F(FileSearchTree, OnlyRegularFilesAreListed)
{
    ASSERT_EQ(mkfifo((folder / "pipe.mkv").c_str(), 0600), 0);
    folder.Link(folder / "missing.mkv", "dangling.mkv");
    EXPECT_EQ(Search("*.mkv", 0, true, true).size(), 2u);
}

TEST(FileSearch, MissingStartFolderFindsNothing)
{
    std::vector<std::string> result;
    SearchFiles("*.*", "/nonexistent-folder-of-quillmark", result, 20, true, true);
    EXPECT_TRUE(result.empty());
}

} // namespace

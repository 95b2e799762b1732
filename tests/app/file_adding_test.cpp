// Adding files: the gate, the commands through scripted dialogs, folders and drops, list files, and the
// add loops that let messages through.

#include "app/model/lst_files.h"
#include "controls/grid/column_parts.h"
#include "controls/grid/number_column.h"
#include "controls/grid/text_column.h"
#include "file_list_fixture.h"
#include "platform/system/file_io.h"
#include "scripted_file_dialogs.h"

#include <algorithm>
#include <set>

namespace fs = std::filesystem;

namespace {

class FileAdding : public FileListFixture
{
protected:
    // Files 00.mkv ... under the folder, with a text file among them.
    void MakeFolderOf(const std::string& relative, int count)
    {
        for (int i = 0; i < count; ++i)
            MakeFile(relative + "/" + (i < 10 ? "0" : "") + std::to_string(i) + ".mkv");
        MakeFile(relative + "/notes.txt");
    }
    TScriptedFileDialogs dialogs;
};

TEST_F(FileAdding, TheGateAcceptsEachFileOnce)
{
    const std::string clip = MakeFile("clip.mkv");
    MakeFile("Clip.mkv");
    MakeFile("notes.txt");
    fs::create_directories(Path("folder.mkv"));
    fs::create_directories(Path("sub"));
    fs::create_symlink(clip, Path("link.mkv"));
    const std::string savedFolder = fs::current_path().string();
    fs::current_path(folder);
    struct Case
    {
        std::string name;
        bool added;
    };
    const Case cases[] = {
        {"notes.txt", false},
        {Path("missing.mkv"), false},
        {Path("folder.mkv"), false},
        {"clip.mkv", true},
        {clip, false},
        {Path("sub/../clip.mkv"), false},
        {Path("link.mkv"), false},
        {Path("Clip.mkv"), true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(adding->AddToList(c.name, true), c.added) << c.name;
    fs::current_path(savedFolder);
    EXPECT_EQ(view->GetNgFullFileName(0), clip) << "a relative name is listed under its full name";
    EXPECT_EQ(view->GetNgDirectory(0), folder);
}

TEST_F(FileAdding, WithoutAnalysisOnlyTheFileCellsAreFilled)
{
    adding->AddToList(MakeFile("clip.mkv", std::string(1536, 'x')), false);
    const TFileListColumns& c = view->Columns();
    EXPECT_EQ(CellText(c.colNo, 0), "1");
    EXPECT_FALSE(view->IsChecked(0));
    EXPECT_EQ(CellText(c.colSize, 0), "1.50 KB");
    EXPECT_EQ(CellText(c.colStatus, 0), "Ready");
    EXPECT_EQ(CellText(c.colDuration, 0), "");
    EXPECT_EQ(CellText(c.colVideo, 0), "");
    EXPECT_EQ(CellText(c.colVideoBitrate, 0), "");
}

TEST_F(FileAdding, AddFilesTakesTheDialogsChoiceAsOneBatch)
{
    const std::string a = MakeFile("in/a.mkv"), b = MakeFile("in/b.avi");
    dialogs.fileAnswers.push_back(TFileDialogAnswer{{b, a, Path("in/none.mkv")}, 2});
    adding->AddFiles();
    EXPECT_EQ(ShortNames(), (std::vector<std::string>{"b.avi", "a.mkv"}));
    EXPECT_EQ(initControls, 1);
    EXPECT_EQ(initialFolders, std::vector<std::string>{Path("in")});
    EXPECT_EQ(view->Columns().colNo->Footer()->Caption(), "2");
    EXPECT_EQ(adding->OpenDialog()->InitialDir(), Path("in"))
        << "the next dialog starts where the last file was";
    dialogs.fileAnswers.push_back(std::nullopt);
    adding->AddFiles();
    EXPECT_EQ(initControls, 1) << "a cancelled dialog changes nothing";
}

TEST_F(FileAdding, AFolderWithALinkLoopIsSearchedOnce)
{
    MakeFolderOf("top", 3);
    MakeFolderOf("top/Sub", 2);
    MakeFolderOf("top/other", 1);
    fs::create_directory_symlink(Path("top"), Path("top/Sub/loop"));
    dialogs.folderAnswers.push_back(Path("top"));
    adding->AddFolder();
    std::vector<std::string> names;
    for (int row = 0; row < view->RowCount(); ++row)
        names.push_back(fs::relative(view->GetNgFullFileName(row), folder).string());
    std::sort(names.begin(), names.begin() + 3); // a folder's files come in the file system's order
    std::sort(names.begin() + 4, names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"top/00.mkv", "top/01.mkv", "top/02.mkv", "top/other/00.mkv",
                                               "top/Sub/00.mkv", "top/Sub/01.mkv"}))
        << "folders in case-insensitive order after the chosen one";
    EXPECT_GE(pumps, 1);
    EXPECT_EQ(initControls, 1);
    EXPECT_FALSE(adding->IsAdding());
}

TEST_F(FileAdding, DropsInNameOrder)
{
    const std::string lst = Path("list.lst");
    WriteLstFile(lst, {MakeFile("m.mkv")});
    MakeFolderOf("dropped", 2);
    adding->AddDroppedFiles({MakeFile("z.mkv"), lst, MakeFile("A.mkv"), Path("dropped"), ""});
    std::vector<std::string> names = ShortNames();
    std::sort(names.begin() + 1, names.begin() + 3); // the folder's files in the file system's order
    EXPECT_EQ(names, (std::vector<std::string>{"A.mkv", "00.mkv", "01.mkv", "m.mkv", "z.mkv"}));
    EXPECT_EQ(CellText(view->Columns().colNo, 4), "5");
    EXPECT_EQ(initControls, 1);

    view->ClearFileList();
    initialFolders.clear();
    acceptFolders = false;
    adding->AddDroppedFiles({Path("dropped")});
    EXPECT_EQ(view->RowCount(), 0);
    EXPECT_EQ(initialFolders, std::vector<std::string>{folder}) << "the dialogs still move to its parent";
}

TEST_F(FileAdding, ListFilesKeepEveryNameThroughSaveAndLoad)
{
    const std::vector<std::string> files = {MakeFile("Caf\xC3\xA9 & co.mkv"),
                                            MakeFile("\xE6\x97\xA5\xE6\x9C\xAC.avi"), MakeFile("a&b/-x.mp4")};
    for (const std::string& file : files)
        adding->AddToList(file, true);
    dialogs.fileAnswers.push_back(TFileDialogAnswer{{Path("saved.lst")}, 1});
    adding->SaveFileList();
    std::string bytes;
    ASSERT_EQ(ReadFileBytes(Path("saved.lst"), bytes), 0);
    EXPECT_EQ(bytes, files[0] + "\r\n" + files[1] + "\r\n" + files[2] + "\r\n");
    EXPECT_TRUE(errors.empty());

    view->ClearFileList();
    dialogs.fileAnswers.push_back(TFileDialogAnswer{{Path("saved.lst")}, 1});
    adding->LoadFileListCommand();
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(view->GetNgFullFileName(row), files[static_cast<size_t>(row)]);
        EXPECT_TRUE(view->IsChecked(row));
    }
    EXPECT_EQ(initialFolders.back(), folder);
}

// A list that cannot be written is reported with its name, and one that cannot be read too; neither is
// taken for success.
TEST_F(FileAdding, ListFileFailuresAreReported)
{
    adding->AddToList(MakeFile("a.mkv"), true);
    dialogs.fileAnswers.push_back(TFileDialogAnswer{{Path("no/such/folder/list.lst")}, 1});
    adding->SaveFileList();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("no/such/folder/list.lst"), std::string::npos) << errors[0];
    EXPECT_FALSE(fs::exists(Path("no/such/folder/list.lst")));

    adding->LoadFileList(Path("missing.lst"));
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_NE(errors[1].find("missing.lst"), std::string::npos) << errors[1];
    EXPECT_EQ(view->RowCount(), 1);
}

// While a folder is added messages are let through: the main window may close, and the user may ask for
// commands that change the list; the loop ends after the pump, and those commands wait for its end.
TEST_F(FileAdding, ClosingTheWindowEndsTheAddLoop)
{
    MakeFolderOf("many", 25);
    duringPump = [this] { adding->Cancel(); };
    dialogs.folderAnswers.push_back(Path("many"));
    adding->AddFolder();
    EXPECT_EQ(view->RowCount(), 0) << "nothing is added after the pump that saw the window close";
    EXPECT_EQ(pumps, 1);

    MakeFolderOf("more", 40); // the search itself pumps at the 30th file found
    pumps = 0;
    int pumpToCancelAt = 1;
    duringPump = [&] {
        if (pumps == pumpToCancelAt)
            adding->Cancel();
    };
    dialogs.folderAnswers.push_back(Path("more"));
    adding->AddFolder();
    EXPECT_EQ(pumps, 1);
    EXPECT_EQ(view->RowCount(), 0);
}

TEST_F(FileAdding, CommandsThatChangeTheListWaitWhileAdding)
{
    MakeFolderOf("many", 25);
    std::vector<bool> addingSeen;
    duringPump = [&] {
        addingSeen.push_back(adding->IsAdding());
        view->ClearFileList();
        view->CheckAll();
        view->RemoveChecked();
        adding->AddFiles(); // no dialog may open: none is scripted
        adding->AddDroppedFiles({Path("many")});
    };
    dialogs.folderAnswers.push_back(Path("many"));
    adding->AddFolder();
    EXPECT_EQ(view->RowCount(), 25);
    EXPECT_EQ(addingSeen, (std::vector<bool>{true, true, true}));
    EXPECT_FALSE(adding->IsAdding());
    view->ClearFileList();
    EXPECT_EQ(view->RowCount(), 0) << "after the loop the commands work again";
}

} // namespace

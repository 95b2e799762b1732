#include "engine/test_media.h"
#include "program_on_desktop.h"
#include "waiting.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

class FileListMenu : public ProgramOnDesktop
{
protected:
    // Types a path into the file dialog whose title matches and accepts it with Enter.
    void ChooseInDialog(const std::string& titlePattern, const std::string& path)
    {
        const WindowId dialog = WaitForWindow(titlePattern);
        ASSERT_NE(dialog, "") << "No dialog; windows:\n" << DescribeWindows();
        ASSERT_TRUE(Display->Activate(dialog));
        ASSERT_TRUE(Display->Type(path));
        Press({"Return"});
        ASSERT_TRUE(WaitForNoWindow(titlePattern)) << "The dialog stayed open";
    }
};

// The lines of a file list the program saved, sorted.
std::vector<std::string> SortedLines(const std::string& file)
{
    std::vector<std::string> lines;
    std::istringstream in(test_media::ReadAll(file));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

} // namespace

// The menu bar reached with Alt and the arrow keys runs "Add folder..."; the folder typed into the dialog
// has its media files listed, and only those, as the file list saved with Shift+Ctrl+S shows.
TEST_F(FileListMenu, AddFolderListsTheMediaFilesOfTheTypedFolder)
{
    const std::string folder = Copy.MediaFolder() + "/holiday clips";
    std::filesystem::create_directories(folder + "/day two");
    const std::vector<std::string> media = {
        PlaceMedia(test_media::TwoSecondClip(), "holiday clips/beach.mp4"),
        PlaceMedia(test_media::AudioOnly(), "holiday clips/waves.m4a"),
        PlaceMedia(test_media::VideoWithThreeAudio(), "holiday clips/day two/dinner.mkv")};
    std::ofstream(folder + "/notes.txt") << "not a media file\n";
    ASSERT_NO_FATAL_FAILURE(StartProgram());

    // File, View, File list; its first entry is "Add files...", the next "Add folder...".
    PressInMainWindow({"alt", "Right", "Right", "Return", "Down", "Return"});
    ASSERT_NO_FATAL_FAILURE(ChooseInDialog("^Browse for Folder", folder));
    const std::string list = Copy.MediaFolder() + "/saved.lst";
    PressInMainWindow({"shift+ctrl+s"});
    ASSERT_NO_FATAL_FAILURE(ChooseInDialog("^Save", list));

    ASSERT_TRUE(WaitUntil([&] { return std::filesystem::exists(list); })) << "No file list was saved";
    Display->Screenshot("main_window_with_an_added_folder");
    std::vector<std::string> expected = media;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(SortedLines(list), expected);
}

#include "engine/test_media.h"
#include "program_on_desktop.h"
#include "waiting.h"

#include <algorithm>

namespace {

class WindowFocus : public ProgramOnDesktop
{
protected:
    // Whether the first window is stacked above the second by the window manager.
    bool Above(const WindowId& upper, const WindowId& lower) const
    {
        const std::vector<WindowId> stacking = Display->Stacking();
        const auto at = [&](const WindowId& window) {
            return std::find(stacking.begin(), stacking.end(), window);
        };
        return at(upper) != stacking.end() && at(lower) != stacking.end() && at(upper) > at(lower);
    }
};

} // namespace

// Esc hides a secondary window, and the main window has the focus again, not some other window.
TEST_F(WindowFocus, EscHidesASecondaryWindowAndTheMainWindowKeepsTheFocus)
{
    // A file in the list, which the media information window shows.
    ASSERT_NO_FATAL_FAILURE(StartProgram({PlaceMedia(test_media::TwoSecondClip(), "clip.mp4")}));
    const struct
    {
        const char* Keys;
        const char* Title;
    } windows[] = {
        {"F12", "^Options"},
        {"F11", "^Errors"},
        {"F10", "^Video file properties"},
        {"shift+ctrl+i", "^Tools info"},
    };
    for (const auto& window : windows) {
        SCOPED_TRACE(window.Keys);
        PressInMainWindow({window.Keys});
        const WindowId secondary = WaitForWindow(window.Title);
        ASSERT_NE(secondary, "") << DescribeWindows();
        ASSERT_TRUE(Display->Activate(secondary));
        Press({"Escape"});
        EXPECT_TRUE(WaitForNoWindow(window.Title));
        EXPECT_TRUE(WaitUntil([this] { return Display->ActiveWindow() == MainWindow; }))
            << "Active: \"" << Display->Title(Display->ActiveWindow()) << "\"";
        EXPECT_EQ(Display->FocusedWindow(), MainWindow) << Display->Title(Display->FocusedWindow());
    }
}

// With "Stay on top" the main window stays above another program's window that is activated; without it,
// that window comes above.
TEST_F(WindowFocus, StayOnTopKeepsTheMainWindowAboveAnotherProgram)
{
    // A file in the list, so that the File menu's first entry (Convert) is enabled.
    ASSERT_NO_FATAL_FAILURE(StartProgram({PlaceMedia(test_media::TwoSecondClip(), "clip.mp4")}));
    StartedProcess other(
        {"xmessage", "-title", "Another program", "-geometry", "400x200+100+100", "Another program's window"},
        {{"DISPLAY", Display->Name()}}, Copy.Folder() + "/xmessage.log");
    const WindowId otherWindow = WaitForWindow("^Another program$");
    ASSERT_NE(otherWindow, "") << DescribeWindows();
    ASSERT_TRUE(Display->Activate(otherWindow));
    EXPECT_TRUE(WaitUntil([&] { return Above(otherWindow, MainWindow); })) << "The other window stayed below";

    // File menu; up from its first entry: Exit, Minimize to tray, Stay on top.
    PressInMainWindow({"alt", "Return", "Up", "Up", "Up", "Return"});
    // The toolkit makes the window anew to change its stacking: it is found again by its title.
    ASSERT_TRUE(WaitUntil([this] { return Display->Title(MainWindow).empty(); }))
        << "The main window was not made anew";
    MainWindow = WaitForWindow(MainTitlePattern);
    ASSERT_NE(MainWindow, "") << DescribeWindows();
    ASSERT_TRUE(Display->Activate(otherWindow));
    EXPECT_TRUE(WaitUntil([&] { return Display->ActiveWindow() == otherWindow; }));
    EXPECT_TRUE(Above(MainWindow, otherWindow)) << "The active other window came above the main window";
}

#include "ini_contents.h"
#include "long_media.h"
#include "program_on_desktop.h"
#include "waiting.h"

#include <filesystem>
#include <utility>

namespace {

class ClosingDuringRun : public ProgramOnDesktop
{
protected:
    // Answers the message box that shows with Enter (its first button, Yes).
    void AnswerYes()
    {
        const WindowId question = WaitForWindow("^Quillmark$");
        ASSERT_NE(question, "") << "No question; windows:\n" << DescribeWindows();
        ASSERT_TRUE(Display->Activate(question));
        Press({"Return"});
        ASSERT_TRUE(WaitForWindowGone(question)) << "The question stayed";
    }
};

} // namespace

// The main window closed while a file converts asks first, stops the encoder, and writes its settings and
// the last session's encoder settings whole: the next start has the same window, columns and settings.
TEST_F(ClosingDuringRun, AsksAbortsAndKeepsTheSettingsWhole)
{
    const std::string input = PlaceMedia(LongConversionInput(), "long.mp4");
    ASSERT_NO_FATAL_FAILURE(StartProgram({input}));
    // A size of the user's own, so that a lost one shows.
    const WindowSize started = Display->SizeOf(MainWindow);
    ASSERT_TRUE(Display->Shrink(MainWindow, 100, 60));
    ASSERT_TRUE(WaitUntil([&] { return Display->SizeOf(MainWindow) != started; }));
    const WindowSize chosen = Display->SizeOf(MainWindow);

    ASSERT_NO_FATAL_FAILURE(StartConversion());
    PressInMainWindow({"alt+F4"});
    ASSERT_NO_FATAL_FAILURE(AnswerYes()); // stop and close
    ASSERT_NO_FATAL_FAILURE(AnswerYes()); // delete the unfinished output
    ASSERT_TRUE(WaitForProgramEnd()) << "The program did not end; windows:\n" << DescribeWindows();
    EXPECT_FALSE(std::filesystem::exists(Copy.MediaFolder() + "/long.avi"));

    IniContents settings = ReadIniContents(Copy.SettingsFile());
    const IniContents lastSession = ReadIniContents(Copy.LastSessionFile());
    ASSERT_TRUE(settings.contains("MAIN") && settings.contains("PROGRESS")) << Copy.SettingsFile();
    EXPECT_EQ(settings.at("MAIN").at("Width"), std::to_string(chosen.Width));
    EXPECT_EQ(settings.at("MAIN").at("Height"), std::to_string(chosen.Height));
    EXPECT_TRUE(settings.at("MAIN").contains("colStatus_Width"));
    for (const char* section : {"MAIN", "AVI", "MPG", "AUDIO", "ADVANCED"})
        EXPECT_TRUE(lastSession.contains(section)) << section << " is missing in " << Copy.LastSessionFile();
    for (const IniContents* contents : {&std::as_const(settings), &lastSession})
        for (const auto& [section, values] : *contents)
            EXPECT_FALSE(values.contains("!malformed")) << section << ": " << values.at("!malformed");

    ASSERT_NO_FATAL_FAILURE(StartProgram());
    EXPECT_EQ(Display->SizeOf(MainWindow), chosen);
    PressInMainWindow({"alt+F4"});
    ASSERT_TRUE(WaitForProgramEnd());
    // What the second session read is what it wrote back, but for where the progress window last showed:
    // it is placed anew each time it shows, and this session did not show it.
    IniContents settingsAgain = ReadIniContents(Copy.SettingsFile());
    for (IniContents* contents : {&settingsAgain, &settings})
        for (const char* key : {"Left", "Top"})
            (*contents)["PROGRESS"].erase(key);
    EXPECT_EQ(settingsAgain, settings);
    EXPECT_EQ(ReadIniContents(Copy.LastSessionFile()), lastSession);
}

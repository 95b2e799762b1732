#pragma once

#include "child_processes.h"
#include "program_copy.h"
#include "x_display.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// The built program run as a user runs it, on the test display, driven only with real key presses through
// the X server. Each test has its own copy of the program (so its own settings) and ends whatever it
// started; a picture of the screen at the end of each test goes to the screenshot folder.
class ProgramOnDesktop : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program with the arguments and waits for its main window, which it activates; a fatal
    // failure when the window does not show.
    void StartProgram(const std::vector<std::string>& arguments = {});
    // Presses Ctrl+E and waits until the file converts: the encoder runs and the title shows the progress.
    void StartConversion();
    // Waits for the program to end by itself.
    bool WaitForProgramEnd();
    // The encoders the program is running now.
    std::vector<pid_t> EncoderProcesses() const;

    // Activates the main window and presses the keys there.
    void PressInMainWindow(const std::vector<std::string>& keys);
    // Presses the keys in whatever window is active.
    void Press(const std::vector<std::string>& keys);
    std::string MainTitle() const;
    // Waits for a visible window whose title matches the pattern; its id, or empty.
    WindowId WaitForWindow(const std::string& titlePattern) const;
    // Waits until no visible window's title matches the pattern.
    bool WaitForNoWindow(const std::string& titlePattern) const;
    // Waits until the window is hidden or gone (when another of the same title may show right after it).
    bool WaitForWindowGone(const WindowId& window) const;
    // The visible titles, one per line, for failure messages.
    std::string DescribeWindows() const;

    // A copy of a media file in the copy's media folder, under the given name.
    std::string PlaceMedia(const std::string& source, const std::string& name) const;

    XDisplay* Display = nullptr;
    ProgramCopy Copy;
    std::unique_ptr<StartedProcess> Program;
    WindowId MainWindow;

private:
    std::string LogFile() const;
};

// The main window's title outside a conversion: the program's name and version.
inline constexpr const char* MainTitlePattern = "^Quillmark [0-9]";
// The main window's title while a file converts: "(1/2) 40 % - Quillmark".
inline constexpr const char* ProgressTitlePattern = "^\\([0-9]+/[0-9]+\\) [0-9]+ % - ";

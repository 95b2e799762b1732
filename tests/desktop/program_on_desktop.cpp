#include "program_on_desktop.h"

#include "engine/test_media.h"
#include "waiting.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <regex>

void ProgramOnDesktop::SetUp()
{
    Display = &TestDisplay();
    ASSERT_EQ(Display->Error(), "");
    ASSERT_NE(Copy.Folder(), "") << "The program could not be copied from " << QM_PROGRAM_PATH;
}

void ProgramOnDesktop::TearDown()
{
    if (Display && Display->Error().empty()) {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        Display->Screenshot(std::string(test->test_suite_name()) + "_" + test->name());
    }
    if (HasFailure() && Program && !Program->Running())
        std::cerr << "The program ended with " << Program->HowItEnded() << "\n";
    if (HasFailure() && !Copy.Folder().empty())
        std::cerr << "The program's output:\n" << test_media::ReadAll(LogFile()) << "\n";
    Program.reset();
}

std::string ProgramOnDesktop::LogFile() const
{
    return Copy.Folder() + "/program.log";
}

void ProgramOnDesktop::StartProgram(const std::vector<std::string>& arguments)
{
    std::vector<std::string> argv{Copy.Executable()};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    const EnvironmentChanges environment{{"DISPLAY", Display->Name()},
                                         {"QT_QPA_PLATFORM", "xcb"},
                                         {"HOME", Copy.Home()},
                                         {"XDG_CONFIG_HOME", Copy.Home() + "/.config"},
                                         {"XDG_DATA_HOME", Copy.Home() + "/.local/share"},
                                         {"XDG_RUNTIME_DIR", Copy.Folder() + "/runtime"}};
    Program = std::make_unique<StartedProcess>(argv, environment, LogFile());
    ASSERT_GT(Program->Pid(), 0) << "The program could not be started";
    MainWindow.clear();
    ASSERT_TRUE(WaitUntil(
        [this] {
            const auto windows = Display->VisibleWindows(MainTitlePattern);
            if (!windows.empty())
                MainWindow = windows.front().first;
            return !MainWindow.empty() || !Program->Running();
        },
        StartTime));
    ASSERT_NE(MainWindow, "") << "The main window did not show; windows:\n" << DescribeWindows();
    ASSERT_TRUE(Display->Activate(MainWindow));
}

void ProgramOnDesktop::StartConversion()
{
    PressInMainWindow({"ctrl+e"});
    const std::regex progress(ProgressTitlePattern);
    ASSERT_TRUE(WaitUntil([&] {
        return std::regex_search(MainTitle(), progress) && !EncoderProcesses().empty();
    })) << "No conversion started; windows:\n"
        << DescribeWindows();
}

bool ProgramOnDesktop::WaitForProgramEnd()
{
    return WaitUntil([this] { return !Program->Running(); });
}

std::vector<pid_t> ProgramOnDesktop::EncoderProcesses() const
{
    std::vector<pid_t> encoders = ChildProcesses(Program->Pid());
    std::erase_if(encoders, [](pid_t pid) { return ProcessName(pid) != "ffmpeg"; });
    return encoders;
}

void ProgramOnDesktop::PressInMainWindow(const std::vector<std::string>& keys)
{
    ASSERT_TRUE(Display->Activate(MainWindow)) << "The main window could not be activated";
    Press(keys);
}

void ProgramOnDesktop::Press(const std::vector<std::string>& keys)
{
    ASSERT_TRUE(Display->Keys(keys));
}

std::string ProgramOnDesktop::MainTitle() const
{
    return Display->Title(MainWindow);
}

WindowId ProgramOnDesktop::WaitForWindow(const std::string& titlePattern) const
{
    WindowId found;
    WaitUntil([&] {
        const auto windows = Display->VisibleWindows(titlePattern);
        if (!windows.empty())
            found = windows.front().first;
        return !found.empty();
    });
    return found;
}

bool ProgramOnDesktop::WaitForNoWindow(const std::string& titlePattern) const
{
    return WaitUntil([&] { return Display->VisibleWindows(titlePattern).empty(); });
}

bool ProgramOnDesktop::WaitForWindowGone(const WindowId& window) const
{
    return WaitUntil([&] {
        const auto windows = Display->VisibleWindows();
        return std::none_of(windows.begin(), windows.end(), [&](const auto& w) { return w.first == window; });
    });
}

std::string ProgramOnDesktop::DescribeWindows() const
{
    std::string text;
    for (const std::string& title : Display->VisibleTitles())
        text += "  \"" + title + "\"\n";
    return text;
}

std::string ProgramOnDesktop::PlaceMedia(const std::string& source, const std::string& name) const
{
    const std::string target = Copy.MediaFolder() + "/" + name;
    std::error_code error;
    std::filesystem::copy_file(source, target, error);
    EXPECT_FALSE(error) << "The media file " << source << " could not be copied";
    return target;
}

#include "x_display.h"

#include "engine/test_media.h"
#include "waiting.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            lines.push_back(line);
    return lines;
}

// Stops the display when the test program ends, after its last test.
class DisplayEnvironment : public ::testing::Environment
{
public:
    void TearDown() override { Display.reset(); }
    std::unique_ptr<XDisplay> Display;
};

DisplayEnvironment* const TheEnvironment = [] {
    auto* environment = new DisplayEnvironment;
    ::testing::AddGlobalTestEnvironment(environment);
    return environment;
}();

} // namespace

XDisplay& TestDisplay()
{
    if (!TheEnvironment->Display)
        TheEnvironment->Display = std::make_unique<XDisplay>();
    return *TheEnvironment->Display;
}

XDisplay::XDisplay()
{
    FFolder = test_media::MakeTempFolder("qm_xdisplay");
    if (FFolder.empty())
        FError = "no temporary folder for the X server";
    else if (StartServer(FFolder))
        StartWindowManager(FFolder);
}

XDisplay::~XDisplay()
{
    FWindowManager.reset();
    FServer.reset();
    std::error_code ignored;
    std::filesystem::remove_all(FFolder, ignored);
}

bool XDisplay::StartServer(const std::string& folder)
{
    // The server writes the number of the display it found free to this pipe once it listens.
    int fds[2];
    if (::pipe(fds) != 0) {
        FError = "no pipe for the X server's display number";
        return false;
    }
    FServer = std::make_unique<StartedProcess>(
        std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1280x1024x24",
                                 "-nolisten", "tcp"},
        EnvironmentChanges{}, folder + "/xvfb.log");
    ::close(fds[1]);
    const std::optional<std::string> number = ReadFirstLine(fds[0], StartTime);
    ::close(fds[0]);
    if (FServer->Pid() < 0 || !number || number->empty()) {
        FError = "Xvfb gave no display number (is it installed?)";
        return false;
    }
    FName = ":" + *number;
    return true;
}

bool XDisplay::StartWindowManager(const std::string& folder)
{
    FWindowManager = std::make_unique<StartedProcess>(
        std::vector<std::string>{"openbox"},
        EnvironmentChanges{{"DISPLAY", FName}, {"HOME", folder}, {"XDG_CONFIG_HOME", folder}},
        folder + "/openbox.log");
    // The window manager has taken over once it names its check window on the root window.
    const bool running = WaitUntil([this] {
        const std::optional<std::string> root = Tool({"xprop", "-root", "_NET_SUPPORTING_WM_CHECK"});
        return root && root->find("window id") != std::string::npos;
    });
    if (!running)
        FError = "openbox did not take over the display (is it installed?)";
    return running;
}

std::optional<std::string> XDisplay::Tool(const std::vector<std::string>& argv) const
{
    const CommandResult result = RunCommand(argv, {{"DISPLAY", FName}}, ReactionTime);
    if (!result.Finished || result.ExitStatus != 0)
        return std::nullopt;
    return result.Output;
}

std::vector<std::pair<WindowId, std::string>> XDisplay::VisibleWindows(const std::string& titlePattern) const
{
    std::vector<std::pair<WindowId, std::string>> windows;
    const std::optional<std::string> ids =
        Tool({"xdotool", "search", "--onlyvisible", "--name", titlePattern});
    for (const std::string& id : Lines(ids.value_or("")))
        windows.emplace_back(id, Title(id));
    return windows;
}

std::string XDisplay::Title(const WindowId& window) const
{
    const std::vector<std::string> lines = Lines(Tool({"xdotool", "getwindowname", window}).value_or(""));
    return lines.empty() ? "" : lines.front();
}

std::vector<std::string> XDisplay::VisibleTitles() const
{
    std::vector<std::string> titles;
    for (const auto& [id, title] : VisibleWindows())
        titles.push_back(title);
    return titles;
}

WindowId XDisplay::ActiveWindow() const
{
    const std::vector<std::string> lines = Lines(Tool({"xdotool", "getactivewindow"}).value_or(""));
    return lines.empty() ? "" : lines.front();
}

WindowId XDisplay::FocusedWindow() const
{
    const std::vector<std::string> lines = Lines(Tool({"xdotool", "getwindowfocus"}).value_or(""));
    return lines.empty() ? "" : lines.front();
}

std::vector<WindowId> XDisplay::Stacking() const
{
    // "_NET_CLIENT_LIST_STACKING(WINDOW): window id # 0x400006, 0xa00003"
    const std::string text = Tool({"xprop", "-root", "_NET_CLIENT_LIST_STACKING"}).value_or("");
    std::vector<WindowId> windows;
    for (size_t at = text.find("0x"); at != std::string::npos; at = text.find("0x", at + 2))
        windows.push_back(std::to_string(std::stoul(text.substr(at), nullptr, 16)));
    return windows;
}

WindowSize XDisplay::SizeOf(const WindowId& window) const
{
    WindowSize size;
    for (const std::string& line : Lines(Tool({"xwininfo", "-id", window}).value_or(""))) {
        const size_t colon = line.find(':');
        if (line.starts_with("  Width:"))
            size.Width = std::stoi(line.substr(colon + 1));
        else if (line.starts_with("  Height:"))
            size.Height = std::stoi(line.substr(colon + 1));
    }
    return size;
}

bool XDisplay::Activate(const WindowId& window) const
{
    return Tool({"xdotool", "windowactivate", "--sync", window}).has_value();
}

bool XDisplay::Keys(const std::vector<std::string>& keys) const
{
    std::vector<std::string> argv{"xdotool", "key", "--delay", "50"};
    argv.insert(argv.end(), keys.begin(), keys.end());
    return Tool(argv).has_value();
}

bool XDisplay::Type(const std::string& text) const
{
    return Tool({"xdotool", "type", "--delay", "10", text}).has_value();
}

bool XDisplay::Click(const WindowId& window, int x, int y) const
{
    return Tool({"xdotool", "mousemove", "--sync", "--window", window, std::to_string(x), std::to_string(y),
                 "click", "1"})
        .has_value();
}

bool XDisplay::Shrink(const WindowId& window, int byWidth, int byHeight) const
{
    const WindowSize size = SizeOf(window);
    const std::string halfWidth = std::to_string(-byWidth / 2);
    const std::string halfHeight = std::to_string(-byHeight / 2);
    const std::string restWidth = std::to_string(-(byWidth - byWidth / 2));
    const std::string restHeight = std::to_string(-(byHeight - byHeight / 2));
    // In steps, each its own command, so that the window manager sees the drag move.
    const std::vector<std::vector<std::string>> steps = {
        {"xdotool", "mousemove", "--sync", "--window", window, std::to_string(size.Width - 40),
         std::to_string(size.Height - 40)},
        {"xdotool", "keydown", "alt", "mousedown", "3"},
        {"xdotool", "mousemove_relative", "--sync", "--", halfWidth, halfHeight},
        {"xdotool", "mousemove_relative", "--sync", "--", restWidth, restHeight},
        {"xdotool", "mouseup", "3", "keyup", "alt"}};
    bool done = true;
    for (const auto& step : steps) {
        done = Tool(step).has_value() && done;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return done;
}

void XDisplay::Screenshot(const std::string& name) const
{
    const std::string folder = QM_SCREENSHOT_DIR;
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    if (!Tool({"import", "-window", "root", folder + "/" + name + ".png"}))
        ADD_FAILURE() << "The picture " << name << " of the screen could not be saved";
}

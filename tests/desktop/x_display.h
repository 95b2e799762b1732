#pragma once

#include "child_processes.h"

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// The X server the desktop tests run on: Xvfb on a free display with openbox as its window manager, started
// once per test program and stopped at its end. The X tools (xdotool, xprop, xwininfo, import) are run
// against it.

using WindowId = std::string; // as xdotool prints and takes it

struct WindowSize
{
    int Width = 0;
    int Height = 0;
    bool operator==(const WindowSize&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const WindowSize& size)
    {
        return out << size.Width << "x" << size.Height;
    }
};

class XDisplay
{
public:
    // Starts the server and the window manager; Error() says why when they did not start.
    XDisplay();
    ~XDisplay();

    const std::string& Error() const { return FError; }
    // ":<number>"
    const std::string& Name() const { return FName; }

    // Runs an X tool on this display; its standard output, or nullopt when it failed or did not end.
    std::optional<std::string> Tool(const std::vector<std::string>& argv) const;

    // The visible windows whose title matches the regular expression (xdotool's), each with its title.
    std::vector<std::pair<WindowId, std::string>> VisibleWindows(const std::string& titlePattern = ".") const;
    // The window's title; empty when it has gone.
    std::string Title(const WindowId& window) const;
    // The titles of every visible window.
    std::vector<std::string> VisibleTitles() const;
    WindowId ActiveWindow() const;
    WindowId FocusedWindow() const;
    // The client windows from bottom to top, as the window manager stacks them.
    std::vector<WindowId> Stacking() const;
    // The size of a window's client area as the X server has it; zero when the window has gone.
    WindowSize SizeOf(const WindowId& window) const;
    // Activates the window and waits until the window manager has done it.
    bool Activate(const WindowId& window) const;
    // Presses keys as xdotool names them ("ctrl+e", "alt", "Down").
    bool Keys(const std::vector<std::string>& keys) const;
    bool Type(const std::string& text) const;
    // Makes the window smaller by the given amounts as a user does with this window manager: the right
    // mouse button dragged with Alt held, from near the window's bottom right corner.
    bool Shrink(const WindowId& window, int byWidth, int byHeight) const;
    // Clicks the left mouse button at a point of the window's client area.
    bool Click(const WindowId& window, int x, int y) const;
    // Saves a picture of the whole screen under the tree's screenshot folder.
    void Screenshot(const std::string& name) const;

private:
    bool StartServer(const std::string& folder);
    bool StartWindowManager(const std::string& folder);

    std::string FError;
    std::string FName;
    std::string FFolder;                     // the temporary folder of the servers' logs
    std::unique_ptr<StartedProcess> FServer; // Xvfb
    std::unique_ptr<StartedProcess> FWindowManager;
};

// The display of this test program, started at the first call.
XDisplay& TestDisplay();

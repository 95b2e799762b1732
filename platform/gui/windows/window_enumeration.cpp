#include "platform/gui/windows/window_enumeration.h"

#include "platform/gui/qt/window_data.h"
#include "platform/gui/windows/win_control.h"
#include "platform/gui/windows/window_functions.h"

#include <QCoreApplication>
#include <QThread>

#include <map>
#include <mutex>
#include <vector>

namespace {

uint32_t ThreadNumber(QThread* thread)
{
    static std::mutex guard;
    static std::map<QThread*, uint32_t> numbers;
    std::lock_guard lock(guard);
    return numbers.try_emplace(thread, static_cast<uint32_t>(numbers.size() + 1)).first->second;
}

uint32_t ToolkitThread()
{
    QCoreApplication* app = QCoreApplication::instance();
    return app ? ThreadNumber(app->thread()) : GetCurrentThreadId();
}

std::vector<HWND> TopLevelWindows()
{
    std::vector<HWND> windows;
    ForEachWindow([&windows](TWinControl* window) {
        if (!window->Parent())
            windows.push_back(window->Window().handle);
    });
    return windows;
}

void CollectChildWindows(const TWinControl& parent, std::vector<HWND>& windows)
{
    for (int i = 0; i < parent.ControlCount(); ++i)
        if (auto* child = dynamic_cast<TWinControl*>(parent.Controls(i)); child && child->HandleAllocated()) {
            windows.push_back(child->Window().handle);
            CollectChildWindows(*child, windows);
        }
}

// Calls proc for each window that still exists; false when proc stopped.
bool Walk(const std::vector<HWND>& windows, const WNDENUMPROC& proc, LPARAM data)
{
    for (HWND window : windows)
        if (IsWindow(window) && !proc(window, data))
            return false;
    return true;
}

} // namespace

bool EnumWindows(const WNDENUMPROC& proc, LPARAM data)
{
    return Walk(TopLevelWindows(), proc, data);
}

bool EnumThreadWindows(uint32_t threadId, const WNDENUMPROC& proc, LPARAM data)
{
    const std::vector<HWND> windows = threadId == ToolkitThread() ? TopLevelWindows() : std::vector<HWND>();
    return !windows.empty() && Walk(windows, proc, data);
}

bool EnumChildWindows(HWND parent, const WNDENUMPROC& proc, LPARAM data)
{
    TWinControl* control = WindowControl(parent);
    if (!control)
        return false;
    std::vector<HWND> windows;
    CollectChildWindows(*control, windows);
    return Walk(windows, proc, data);
}

uint32_t GetCurrentThreadId()
{
    return ThreadNumber(QThread::currentThread());
}

uint32_t GetWindowThreadProcessId(HWND window, uint32_t* processId)
{
    const bool exists = IsWindow(window);
    if (processId)
        *processId = exists ? static_cast<uint32_t>(QCoreApplication::applicationPid()) : 0;
    return exists ? ToolkitThread() : 0;
}

#include "platform/gui/windows/desktop_changes.h"

#include "platform/gui/qt/window_data.h"
#include "platform/gui/qt/window_widget.h"
#include "platform/gui/windows/window_enumeration.h"
#include "platform/gui/windows/window_functions.h"

#include <QCoreApplication>
#include <QEvent>

#include <functional>
#include <vector>

namespace {

// The windows a walk gives.
std::vector<HWND> Collected(const std::function<void(const WNDENUMPROC&)>& walk)
{
    std::vector<HWND> windows;
    walk([&windows](HWND window, LPARAM) {
        windows.push_back(window);
        return true;
    });
    return windows;
}

// The window and every window it holds, each before its own children.
std::vector<HWND> WindowTree(HWND top)
{
    std::vector<HWND> windows = Collected([top](const WNDENUMPROC& proc) { EnumChildWindows(top, proc, 0); });
    windows.insert(windows.begin(), top);
    return windows;
}

void Repaint(HWND top)
{
    for (HWND window : WindowTree(top))
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

void ChangeTheme(HWND top)
{
    for (HWND window : WindowTree(top))
        SendMessage(window, WM_THEMECHANGED, 0, 0);
}

bool HoldsChild(const TWinControl& window, const TControl* child)
{
    for (int i = 0; i < window.ControlCount(); ++i)
        if (window.Controls(i) == child)
            return true;
    return false;
}

// Every child control hears the message, but one that went away meanwhile.
void PerformOnChildren(TWinControl& window, const TMessage& message)
{
    std::vector<TControl*> children;
    for (int i = 0; i < window.ControlCount(); ++i)
        children.push_back(window.Controls(i));
    for (TControl* child : children)
        if (HoldsChild(window, child))
            child->Perform(message.Msg, message.WParam, message.LParam);
}

// Hears the toolkit's notices: the application's palette and font, and the theme of each top-level window.
class TDesktopWatch : public QObject
{
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::ApplicationPaletteChange:
            if (watched == QCoreApplication::instance())
                DesktopChanged(TDesktopChange::Colors);
            break;
        case QEvent::ApplicationFontChange:
            if (watched == QCoreApplication::instance())
                DesktopChanged(TDesktopChange::Fonts);
            break;
        case QEvent::ThemeChange:
            if (auto* window = dynamic_cast<TWindowWidget*>(watched);
                window && window->isWindow() && window->Control()) {
                const HWND top = window->Control()->Window().handle;
                ChangeTheme(top);
                Repaint(top);
            }
            break;
        default:
            break;
        }
        return false;
    }
};

} // namespace

void DesktopChanged(TDesktopChange change)
{
    const std::vector<HWND> tops = Collected([](const WNDENUMPROC& proc) { EnumWindows(proc, 0); });
    auto sendToTops = [&tops](uint32_t msg, WPARAM wParam) {
        for (HWND top : tops)
            SendMessage(top, msg, wParam, 0);
    };
    switch (change) {
    case TDesktopChange::Colors:
        sendToTops(WM_SYSCOLORCHANGE, 0);
        break;
    case TDesktopChange::Fonts:
        sendToTops(WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS);
        sendToTops(CM_SYSFONTCHANGED, 0);
        break;
    case TDesktopChange::Theme:
        for (HWND top : tops)
            ChangeTheme(top);
        break;
    case TDesktopChange::Style:
        sendToTops(CM_STYLECHANGED, 0);
        break;
    }
    for (HWND top : tops)
        Repaint(top);
}

bool DefaultDesktopChangeHandling(TWinControl& window, TMessage& message)
{
    switch (message.Msg) {
    case WM_SYSCOLORCHANGE:
        window.Perform(CM_SYSCOLORCHANGE, message.WParam, message.LParam);
        return true;
    case WM_SETTINGCHANGE:
        window.Perform(CM_WININICHANGE, message.WParam, message.LParam);
        return true;
    case CM_SYSCOLORCHANGE:
    case CM_WININICHANGE:
    case CM_SYSFONTCHANGED:
    case CM_STYLECHANGED:
        PerformOnChildren(window, message);
        return true;
    case WM_THEMECHANGED:
    case WM_SETFONT:
        return true;
    default:
        return false;
    }
}

void SendFontToWindow(TWinControl& window, bool redraw)
{
    if (window.HandleAllocated())
        SendMessage(window.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(window.Font()), redraw ? 1 : 0);
}

void WatchDesktopChanges()
{
    static TDesktopWatch* watch = nullptr;
    QCoreApplication* app = QCoreApplication::instance();
    if (watch || !app)
        return;
    watch = new TDesktopWatch;
    watch->setParent(app);
    app->installEventFilter(watch);
}

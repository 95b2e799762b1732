#include "platform/gui/windows/desktop_changes.h"

#include "platform/gui/qt/window_data.h"
#include "platform/gui/qt/window_widget.h"
#include "platform/gui/windows/window_enumeration.h"
#include "platform/gui/windows/window_functions.h"

#include <QCoreApplication>
#include <QEvent>

#include <vector>

namespace {

std::vector<TWinControl*> TopLevelWindows()
{
    std::vector<TWinControl*> windows;
    EnumWindows(
        [&windows](HWND window, LPARAM) {
            windows.push_back(WindowControl(window));
            return true;
        },
        0);
    return windows;
}

// The window and every window it holds, each before its own children.
std::vector<HWND> WindowTree(TWinControl& top)
{
    std::vector<HWND> windows{top.Handle()};
    EnumChildWindows(
        top.Handle(),
        [&windows](HWND window, LPARAM) {
            windows.push_back(window);
            return true;
        },
        0);
    return windows;
}

void Repaint(const std::vector<HWND>& windows)
{
    for (HWND window : windows)
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

void ChangeTheme(TWinControl& top)
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
                ChangeTheme(*window->Control());
                if (window->Control())
                    Repaint(WindowTree(*window->Control()));
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
    const std::vector<TWinControl*> tops = TopLevelWindows();
    std::vector<HWND> handles;
    for (TWinControl* top : tops)
        handles.push_back(top->Handle());
    auto forEachTop = [&](auto action) {
        for (size_t i = 0; i < tops.size(); ++i)
            if (IsWindow(handles[i]))
                action(*tops[i]);
    };
    switch (change) {
    case TDesktopChange::Colors:
        forEachTop([](TWinControl& top) { SendMessage(top.Handle(), WM_SYSCOLORCHANGE, 0, 0); });
        break;
    case TDesktopChange::Fonts:
        forEachTop([](TWinControl& top) {
            SendMessage(top.Handle(), WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
        });
        forEachTop([](TWinControl& top) { top.Perform(CM_SYSFONTCHANGED, 0, 0); });
        break;
    case TDesktopChange::Theme:
        forEachTop(ChangeTheme);
        break;
    case TDesktopChange::Style:
        forEachTop([](TWinControl& top) { top.Perform(CM_STYLECHANGED, 0, 0); });
        break;
    }
    forEachTop([](TWinControl& top) { Repaint(WindowTree(top)); });
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

#include "platform/gui/windows/window_placement.h"

#include "platform/gui/qt/qt_bridge.h"
#include "platform/gui/qt/window_data.h"
#include "platform/gui/qt/window_widget.h"
#include "platform/gui/windows/win_control.h"
#include "platform/gui/windows/window_functions.h"

#include <QEvent>

#include <algorithm>
#include <map>

namespace {

constexpr Qt::WindowStates MinMax = Qt::WindowMinimized | Qt::WindowMaximized;

unsigned ShowCommandOf(Qt::WindowStates state)
{
    if (state & Qt::WindowMinimized)
        return SW_SHOWMINIMIZED;
    if (state & Qt::WindowMaximized)
        return SW_SHOWMAXIMIZED;
    return SW_SHOWNORMAL;
}

Qt::WindowState StateOf(unsigned showCmd)
{
    if (showCmd == SW_SHOWMINIMIZED || showCmd == SW_MINIMIZE)
        return Qt::WindowMinimized;
    if (showCmd == SW_SHOWMAXIMIZED)
        return Qt::WindowMaximized;
    return Qt::WindowNoState;
}

bool IsTopLevel(const TWindowData& w)
{
    return w.widget && w.widget->isWindow();
}

bool IsEmpty(const TRect& r)
{
    return r.Right <= r.Left || r.Bottom <= r.Top;
}

// Normal bounds given to a window while it is minimized or maximized (or about to be, the window system
// changing states when it gets round to it): they are the window's once it is back in the normal state.
std::map<HWND, TRect>& PendingNormalBounds()
{
    static std::map<HWND, TRect> pending;
    return pending;
}

class TNormalBoundsKeeper : public QObject
{
public:
    TNormalBoundsKeeper(QWidget* widget, HWND window) : QObject(widget), widget_(widget), window_(window)
    {
        widget->installEventFilter(this);
    }
    ~TNormalBoundsKeeper() override { PendingNormalBounds().erase(window_); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == widget_ && event->type() == QEvent::WindowStateChange &&
            !(widget_->windowState() & MinMax))
            ApplyPending();
        return false;
    }

private:
    void ApplyPending()
    {
        const auto found = PendingNormalBounds().find(window_);
        if (found == PendingNormalBounds().end())
            return;
        const TRect bounds = found->second;
        PendingNormalBounds().erase(found);
        if (TWinControl* control = WindowControl(window_))
            control->SetBoundsRect(bounds);
    }

    QWidget* widget_;
    HWND window_;
};

void KeepNormalBounds(TWindowData& w, const TRect& bounds)
{
    const QObjectList& children = w.widget->children();
    if (std::none_of(children.begin(), children.end(),
                     [](QObject* child) { return dynamic_cast<TNormalBoundsKeeper*>(child); }))
        new TNormalBoundsKeeper(w.widget, w.handle);
    PendingNormalBounds()[w.handle] = bounds;
}

} // namespace

bool GetWindowPlacement(HWND window, WINDOWPLACEMENT& placement)
{
    TWinControl* control = WindowControl(window);
    if (!control)
        return false;
    const TWindowData& w = control->Window();
    placement = WINDOWPLACEMENT{};
    placement.showCmd = SW_SHOWNORMAL;
    placement.rcNormalPosition = control->BoundsRect();
    if (!IsTopLevel(w))
        return true;
    placement.showCmd = ShowCommandOf(w.widget->windowState());
    if (const auto pending = PendingNormalBounds().find(window); pending != PendingNormalBounds().end()) {
        placement.rcNormalPosition = pending->second;
        return true;
    }
    // The toolkit keeps the normal bounds while the window is maximized; a window maximized before it
    // ever showed has none yet and answers the bounds it has.
    const QRect normal = w.widget->normalGeometry();
    if (normal.isValid() && !normal.isEmpty())
        placement.rcNormalPosition = FromQRect(normal);
    return true;
}

bool SetWindowPlacement(HWND window, const WINDOWPLACEMENT& placement)
{
    TWinControl* control = WindowControl(window);
    if (!control)
        return false;
    TWindowData& w = control->Window();
    const TRect& normal = placement.rcNormalPosition;
    if (!IsTopLevel(w)) {
        if (!IsEmpty(normal))
            control->SetBoundsRect(normal);
        return true;
    }
    const Qt::WindowState target = StateOf(placement.showCmd);
    // A window in the normal state that stays in it moves at once; any other keeps the bounds for when it
    // is back in the normal state.
    if (!IsEmpty(normal)) {
        if (!(w.widget->windowState() & MinMax) && target == Qt::WindowNoState)
            control->SetBoundsRect(normal);
        else
            KeepNormalBounds(w, normal);
    }
    if (!w.widget->isVisible())
        w.widget->setWindowState((w.widget->windowState() & ~MinMax) | target);
    else if (ShowCommandOf(w.widget->windowState()) != ShowCommandOf(target))
        ShowWindow(window, target == Qt::WindowMinimized   ? SW_SHOWMINIMIZED
                           : target == Qt::WindowMaximized ? SW_SHOWMAXIMIZED
                                                           : SW_RESTORE);
    return true;
}

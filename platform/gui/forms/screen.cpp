#include "platform/gui/forms/screen.h"

#include "platform/gui/core/exceptions.h"
#include "platform/gui/core/strings.h"
#include "platform/gui/forms/forms.h"
#include "platform/gui/graphics/font_families.h"
#include "platform/gui/graphics/graphics.h"
#include "platform/gui/qt/qt_bridge.h"
#include "platform/gui/windows/window_functions.h"

#include <QApplication>
#include <QScreen>

#include <algorithm>
#include <climits>

TScreen* const Screen = new TScreen(nullptr);

namespace {

long long OverlapArea(const TRect& a, const TRect& b)
{
    const long long width = std::min(a.Right, b.Right) - std::max(a.Left, b.Left);
    const long long height = std::min(a.Bottom, b.Bottom) - std::max(a.Top, b.Top);
    return width > 0 && height > 0 ? width * height : 0;
}

// The gap between two rectangles along one axis; 0 when they overlap on it.
long long Gap(int startA, int endA, int startB, int endB)
{
    if (endA <= startB)
        return startB - endA;
    if (endB <= startA)
        return startA - endB;
    return 0;
}

long long DistanceSquared(const TRect& a, const TRect& b)
{
    const long long dx = Gap(a.Left, a.Right, b.Left, b.Right);
    const long long dy = Gap(a.Top, a.Bottom, b.Top, b.Bottom);
    return dx * dx + dy * dy;
}

// The desktop's font for a kind of widget, as a font of ours.
std::unique_ptr<TFont> DesktopFont(const char* widgetClass)
{
    auto font = std::make_unique<TFont>();
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return font;
    const QFont desktop = QApplication::font(widgetClass);
    font->SetName(desktop.family().toStdString());
    if (desktop.pointSize() > 0)
        font->SetSize(desktop.pointSize());
    else if (desktop.pixelSize() > 0)
        font->SetHeight(-desktop.pixelSize());
    return font;
}

} // namespace

int NearestAreaIndex(const std::vector<TRect>& areas, const TRect& rect)
{
    // A point is an empty rectangle: it lies on the area that holds it.
    const TRect probe = rect.Width() > 0 && rect.Height() > 0 ? rect : Bounds(rect.Left, rect.Top, 1, 1);
    int best = -1;
    long long bestOverlap = 0;
    long long bestDistance = LLONG_MAX;
    for (size_t i = 0; i < areas.size(); ++i) {
        const long long overlap = OverlapArea(areas[i], probe);
        const long long distance = DistanceSquared(areas[i], probe);
        if (overlap > bestOverlap || (bestOverlap == 0 && overlap == 0 && distance < bestDistance)) {
            best = static_cast<int>(i);
            bestOverlap = overlap;
            bestDistance = distance;
        }
    }
    return best;
}

TScreen::TScreen(TComponent* owner) : TComponent(owner) {}

TScreen::~TScreen() = default;

// --- monitors ----------------------------------------------------------------------------------------------

const std::vector<std::unique_ptr<TMonitor>>& TScreen::UpdatedMonitors() const
{
    const QList<QScreen*> screens = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                        ? QGuiApplication::screens()
                                        : QList<QScreen*>();
    const QScreen* primary = screens.isEmpty() ? nullptr : QGuiApplication::primaryScreen();
    monitors_.resize(static_cast<size_t>(screens.size()));
    for (int i = 0; i < screens.size(); ++i) {
        auto& monitor = monitors_[static_cast<size_t>(i)];
        if (!monitor)
            monitor = std::make_unique<TMonitor>();
        monitor->number_ = i;
        monitor->primary_ = screens[i] == primary;
        monitor->bounds_ = FromQRect(screens[i]->geometry());
        monitor->workArea_ = FromQRect(screens[i]->availableGeometry());
    }
    return monitors_;
}

int TScreen::MonitorCount() const
{
    return static_cast<int>(UpdatedMonitors().size());
}

TMonitor* TScreen::Monitors(int index) const
{
    const auto& monitors = UpdatedMonitors();
    if (index < 0 || index >= static_cast<int>(monitors.size()))
        ThrowListIndexError(index);
    return monitors[static_cast<size_t>(index)].get();
}

TMonitor* TScreen::PrimaryMonitor() const
{
    for (const auto& monitor : UpdatedMonitors())
        if (monitor->Primary())
            return monitor.get();
    return nullptr;
}

TMonitor* TScreen::MonitorFromRect(const TRect& rect, TMonitorDefaultTo fallback) const
{
    const auto& monitors = UpdatedMonitors();
    std::vector<TRect> areas;
    for (const auto& monitor : monitors)
        areas.push_back(monitor->BoundsRect());
    const int index = NearestAreaIndex(areas, rect);
    if (index < 0)
        return nullptr;
    TMonitor* nearest = monitors[static_cast<size_t>(index)].get();
    const TRect probe = rect.Width() > 0 && rect.Height() > 0 ? rect : Bounds(rect.Left, rect.Top, 1, 1);
    if (OverlapArea(nearest->BoundsRect(), probe) > 0 || fallback == mdNearest)
        return nearest;
    return fallback == mdPrimary ? PrimaryMonitor() : nullptr;
}

TMonitor* TScreen::MonitorFromPoint(TPoint point, TMonitorDefaultTo fallback) const
{
    return MonitorFromRect(Bounds(point.X, point.Y, 1, 1), fallback);
}

TMonitor* TScreen::MonitorFromWindow(HWND window, TMonitorDefaultTo fallback) const
{
    TRect rect;
    if (!GetWindowRect(window, rect))
        return fallback == mdNull ? nullptr : PrimaryMonitor();
    return MonitorFromRect(rect, fallback);
}

int TScreen::Width() const
{
    const TMonitor* primary = PrimaryMonitor();
    return primary ? primary->Width() : 0;
}

int TScreen::Height() const
{
    const TMonitor* primary = PrimaryMonitor();
    return primary ? primary->Height() : 0;
}

TRect TScreen::WorkAreaRect() const
{
    const TMonitor* primary = PrimaryMonitor();
    return primary ? primary->WorkareaRect() : TRect{};
}

TRect TScreen::DesktopRect() const
{
    const auto& monitors = UpdatedMonitors();
    if (monitors.empty())
        return {};
    TRect all = monitors.front()->BoundsRect();
    for (const auto& monitor : monitors) {
        const TRect r = monitor->BoundsRect();
        all = {std::min(all.Left, r.Left), std::min(all.Top, r.Top), std::max(all.Right, r.Right),
               std::max(all.Bottom, r.Bottom)};
    }
    return all;
}

// --- fonts -------------------------------------------------------------------------------------------------

TStrings* TScreen::Fonts() const
{
    if (!fonts_) {
        auto list = std::make_unique<TStringList>();
        for (const std::string& family : InstalledFontFamilies())
            list->Add(family);
        list->SetSorted(true);
        fonts_ = std::move(list);
    }
    return fonts_.get();
}

TFont* TScreen::HintFont() const
{
    if (!hintFont_)
        hintFont_ = DesktopFont("QTipLabel");
    return hintFont_.get();
}

TFont* TScreen::MenuFont() const
{
    if (!menuFont_)
        menuFont_ = DesktopFont("QMenu");
    return menuFont_.get();
}

// --- cursors -----------------------------------------------------------------------------------------------

TCursor TScreen::Cursor() const
{
    return ScreenCursorOverride();
}

void TScreen::SetCursor(TCursor cursor)
{
    SetScreenCursorOverride(cursor);
}

HCURSOR TScreen::Cursors(TCursor index) const
{
    return CursorShape(index);
}

void TScreen::SetCursors(TCursor index, HCURSOR shape)
{
    RegisterCursorShape(index, shape);
}

// --- forms -------------------------------------------------------------------------------------------------

TCustomForm* TScreen::Forms(int index) const
{
    if (index < 0 || index >= FormCount())
        ThrowListIndexError(index);
    return forms_[static_cast<size_t>(index)];
}

TWinControl* TScreen::ActiveControl() const
{
    return activeForm_ ? activeForm_->ActiveControl() : nullptr;
}

void TScreen::AddForm(TCustomForm* form)
{
    forms_.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form)
{
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
    if (activeForm_ == form)
        activeForm_ = nullptr;
}

void TScreen::FormActivated(TCustomForm* form)
{
    activeForm_ = form;
    auto it = std::find(forms_.begin(), forms_.end(), form);
    if (it != forms_.end())
        std::rotate(forms_.begin(), it, it + 1);
}

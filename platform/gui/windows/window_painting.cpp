#include "platform/gui/qt/qt_bridge.h"
#include "platform/gui/qt/window_data.h"
#include "platform/gui/qt/window_widget.h"
#include "platform/gui/windows/win_control.h"
#include "platform/gui/windows/window_functions.h"

// The update region of each window's client area and the paints that empty it. The toolkit paints what it is
// told is dirty and cannot be told otherwise later, so it is told only when the message loop turns, once
// per window, what is invalid by then: an area validated before that is never painted. A paint takes the
// area it paints off the update region as it begins (qt/window_widget.cpp).

namespace {

// Hands what is invalid then to the toolkit when the message loop next turns.
void AskForPaint(TWindowData& w)
{
    if (!w.client || w.paintAskedFor == w.client)
        return;
    w.paintAskedFor = w.client;
    const HWND handle = w.handle;
    QMetaObject::invokeMethod(
        w.client,
        [handle] {
            TWindowData* w = WindowDataOf(handle);
            if (!w || !w->client)
                return;
            w->paintAskedFor = nullptr;
            w->invalid &= w->client->rect();
            if (!w->invalid.isEmpty())
                w->client->update(w->invalid);
        },
        Qt::QueuedConnection);
}

void Invalidate(TWindowData& w, const QRegion& area)
{
    if (!w.client)
        return;
    w.invalid += area & w.client->rect();
    AskForPaint(w);
}

QRegion ClientArea(const TWindowData& w, const TRect* rect, const TRegion* region = nullptr)
{
    if (region)
        return region->Q();
    return rect ? QRegion(ToQRect(*rect)) : QRegion(w.client->rect());
}

// The window's frame: all of it but the client area.
QRegion FrameArea(const TWindowData& w)
{
    return QRegion(w.widget->rect()) - ToQRect(w.clientInWindow);
}

// The toolkit moves pixels where they stand only in a widget it takes to be opaque; a client letting its
// parent show through is scrolled as it looks all the same, as scrolling on the platform moves what is on
// the screen.
void MovePixels(QWidget& client, const QRect& area, int dx, int dy)
{
    const bool opaque = client.testAttribute(Qt::WA_OpaquePaintEvent);
    client.setAttribute(Qt::WA_OpaquePaintEvent);
    client.scroll(dx, dy, area);
    client.setAttribute(Qt::WA_OpaquePaintEvent, opaque);
}

} // namespace

bool InvalidateRect(HWND window, const TRect* rect, bool)
{
    TWindowData* w = WindowDataOf(window);
    if (!w || !w->client)
        return false;
    Invalidate(*w, ClientArea(*w, rect));
    return true;
}

bool ValidateRect(HWND window, const TRect* rect)
{
    TWindowData* w = WindowDataOf(window);
    if (!w)
        return false;
    if (rect)
        w->invalid -= ToQRect(*rect);
    else
        w->invalid = QRegion();
    return true;
}

bool UpdateWindow(HWND window)
{
    TWindowData* w = WindowDataOf(window);
    if (!w || !w->client)
        return false;
    w->invalid &= w->client->rect();
    if (!w->invalid.isEmpty() && w->client->isVisible())
        w->client->repaint(std::exchange(w->invalid, QRegion()));
    return true;
}

bool RedrawWindow(HWND window, const TRect* rect, const TRegion* region, unsigned flags)
{
    TWindowData* w = WindowDataOf(window);
    if (!w || !w->widget || !w->client)
        return false;
    const QRegion area = ClientArea(*w, rect, region);
    if (flags & RDW_INVALIDATE) {
        Invalidate(*w, area);
        if (flags & RDW_FRAME)
            w->widget->update(FrameArea(*w));
    }
    if (flags & RDW_VALIDATE)
        w->invalid -= area;
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) {
        if ((flags & RDW_FRAME) && w->widget->isVisible())
            w->widget->repaint(FrameArea(*w));
        UpdateWindow(window);
    }
    return true;
}

bool ScrollWindow(HWND window, int dx, int dy, const TRect* rect, const TRect* clip)
{
    return ScrollWindowEx(window, dx, dy, rect, clip, nullptr, nullptr, SW_INVALIDATE | SW_ERASE) !=
           RGN_ERROR;
}

TRegionKind ScrollWindowEx(HWND window, int dx, int dy, const TRect* rect, const TRect* clip, TRegion* update,
                           TRect* updateRect, unsigned)
{
    TWindowData* w = WindowDataOf(window);
    if (!w || !w->client)
        return RGN_ERROR;
    QRect area = w->client->rect();
    if (rect)
        area &= ToQRect(*rect);
    if (clip)
        area &= ToQRect(*clip);
    const QRegion uncovered = QRegion(area) - area.translated(dx, dy);
    const QRegion invalidInArea = w->invalid & area;
    w->invalid = (w->invalid - area) + (invalidInArea.translated(dx, dy) & area);
    if ((dx || dy) && !area.isEmpty())
        MovePixels(*w->client, area, dx, dy);
    Invalidate(*w, uncovered);
    if (update)
        update->Q() = uncovered;
    if (updateRect)
        *updateRect = FromQRect(uncovered.boundingRect());
    return RegionKind(uncovered);
}

#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/qt/window_data.h"
#include "platform/gui/qt/window_widget.h"
#include "platform/gui/windows/system_metrics.h"
#include "platform/gui/windows/win_control.h"
#include "platform/gui/windows/window_functions.h"

#include <algorithm>

// The frame the platform draws around a window's client area: borders and edges by style, the window's
// scroll bars, and the band of BorderWidth.

namespace {

bool HasNativeFrame(const TWindowData& w)
{
    return !(w.style & (WS_CHILD | WS_POPUP));
}

TRect Inset(TRect r, int left, int top, int right, int bottom)
{
    return Rect(r.Left + left, r.Top + top, std::max(r.Right - right, r.Left + left),
                std::max(r.Bottom - bottom, r.Top + top));
}

TRect Inset(const TRect& r, int all)
{
    return Inset(r, all, all, all, all);
}

int BorderSize(const TWindowData& w)
{
    if (HasNativeFrame(w))
        return 0;
    if (w.style & WS_THICKFRAME)
        return GetSystemMetrics(SM_CXFRAME);
    if (w.style & WS_DLGFRAME)
        return GetSystemMetrics(SM_CXDLGFRAME);
    if (w.style & WS_BORDER)
        return GetSystemMetrics(SM_CXBORDER);
    return 0;
}

int EdgeSize(const TWindowData& w)
{
    int size = 0;
    if (w.exStyle & WS_EX_CLIENTEDGE)
        size += GetSystemMetrics(SM_CXEDGE);
    if (w.exStyle & WS_EX_STATICEDGE)
        size += GetSystemMetrics(SM_CXBORDER);
    return size;
}

int CaptionHeight(const TWindowData& w)
{
    if (HasNativeFrame(w) || (w.style & WS_CAPTION) != WS_CAPTION)
        return 0;
    return GetSystemMetrics((w.exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
}

// The window rectangle inside borders, caption and edges: where the scroll bars and the client go.
TRect InsideBorders(const TWindowData& w, const TRect& windowRect)
{
    TRect r = Inset(windowRect, BorderSize(w));
    r = Inset(r, 0, CaptionHeight(w), 0, 0);
    return Inset(r, EdgeSize(w));
}

struct TBarGeometry
{
    TRect bar;
    TRect lineUp;
    TRect lineDown;
    TRect track;
    TRect thumb; // empty when the bar has no thumb
};

TBarGeometry BarGeometry(const TWindowData& w, int bar, const TRect& windowRect)
{
    TBarGeometry g;
    g.bar = ScrollBarRect(w, bar, windowRect);
    if (g.bar.Width() <= 0 || g.bar.Height() <= 0)
        return g;
    const bool vertical = bar == SB_VERT;
    const int length = vertical ? g.bar.Height() : g.bar.Width();
    int arrow = GetSystemMetrics(vertical ? SM_CYVSCROLL : SM_CXHSCROLL);
    arrow = std::min(arrow, length / 2);
    if (vertical) {
        g.lineUp = Rect(g.bar.Left, g.bar.Top, g.bar.Right, g.bar.Top + arrow);
        g.lineDown = Rect(g.bar.Left, g.bar.Bottom - arrow, g.bar.Right, g.bar.Bottom);
        g.track = Rect(g.bar.Left, g.lineUp.Bottom, g.bar.Right, g.lineDown.Top);
    } else {
        g.lineUp = Rect(g.bar.Left, g.bar.Top, g.bar.Left + arrow, g.bar.Bottom);
        g.lineDown = Rect(g.bar.Right - arrow, g.bar.Top, g.bar.Right, g.bar.Bottom);
        g.track = Rect(g.lineUp.Right, g.bar.Top, g.lineDown.Left, g.bar.Bottom);
    }
    const TScrollBarState& s = w.bars[bar];
    const int trackLength = vertical ? g.track.Height() : g.track.Width();
    const int span = s.max - s.min + 1;
    const int travel = s.max - s.min - std::max(s.page - 1, 0);
    if (span <= 0 || travel <= 0 || s.disabledArrows == ESB_DISABLE_BOTH)
        return g;
    int thumb = s.page > 0 ? MulDiv(trackLength, s.page, span) : GetSystemMetrics(SM_CXHTHUMB);
    thumb = std::max(thumb, 8);
    if (thumb > trackLength)
        return g;
    const int pos = s.tracking ? s.trackPos : s.pos;
    const int offset = MulDiv(trackLength - thumb, std::clamp(pos, s.min, s.min + travel) - s.min, travel);
    if (vertical)
        g.thumb = Rect(g.track.Left, g.track.Top + offset, g.track.Right, g.track.Top + offset + thumb);
    else
        g.thumb = Rect(g.track.Left + offset, g.track.Top, g.track.Left + offset + thumb, g.track.Bottom);
    return g;
}

TRect WindowRectOf(const TWinControl& control)
{
    return Rect(0, 0, control.Width(), control.Height());
}

void PaintScrollBar(TCanvas& canvas, const TWindowData& w, int bar, const TRect& windowRect)
{
    const TBarGeometry g = BarGeometry(w, bar, windowRect);
    if (g.bar.Width() <= 0 || g.bar.Height() <= 0)
        return;
    const TScrollBarState& s = w.bars[bar];
    const bool vertical = bar == SB_VERT;
    const TScrollTracking& t = w.tracking;
    const bool upDisabled = (s.disabledArrows & ESB_DISABLE_LTUP) || g.thumb.Width() <= 0;
    const bool downDisabled = (s.disabledArrows & ESB_DISABLE_RTDN) || g.thumb.Width() <= 0;
    const bool upPressed = t.bar == bar && t.part == sbpLineUp && t.over;
    const bool downPressed = t.bar == bar && t.part == sbpLineDown && t.over;
    if (HTHEME theme = OpenThemeData("Scrollbar")) {
        // Arrow states: four per direction (normal, hot, pressed, disabled), up, down, left, right.
        const int upBase = vertical ? 1 : 9;
        const int downBase = vertical ? 5 : 13;
        DrawThemeBackground(theme, canvas, SBP_LOWERTRACKVERT - (vertical ? 0 : 2), 1, g.track);
        DrawThemeBackground(theme, canvas, SBP_ARROWBTN,
                            upBase + (upDisabled  ? 3
                                      : upPressed ? 2
                                                  : 0),
                            g.lineUp);
        DrawThemeBackground(theme, canvas, SBP_ARROWBTN,
                            downBase + (downDisabled  ? 3
                                        : downPressed ? 2
                                                      : 0),
                            g.lineDown);
        if (g.thumb.Width() > 0)
            DrawThemeBackground(theme, canvas, vertical ? SBP_THUMBBTNVERT : SBP_THUMBBTNHORZ,
                                t.bar == bar && t.part == sbpThumb ? 3 : 1, g.thumb);
        CloseThemeData(theme);
        return;
    }
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(clScrollBar);
    canvas.FillRect(g.track);
    TRect up = g.lineUp;
    TRect down = g.lineDown;
    DrawFrameControl(canvas, up, DFC_SCROLL,
                     (vertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT) | (upDisabled ? DFCS_INACTIVE : 0) |
                         (upPressed ? DFCS_PUSHED | DFCS_FLAT : 0));
    DrawFrameControl(canvas, down, DFC_SCROLL,
                     (vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT) | (downDisabled ? DFCS_INACTIVE : 0) |
                         (downPressed ? DFCS_PUSHED | DFCS_FLAT : 0));
    if (g.thumb.Width() > 0) {
        TRect thumb = g.thumb;
        DrawFrameControl(canvas, thumb, DFC_BUTTON, DFCS_BUTTONPUSH);
    }
}

} // namespace

TRect ScrollBarRect(const TWindowData& w, int bar, const TRect& windowRect)
{
    if (w.barControl >= 0)
        return bar == w.barControl ? InsideBorders(w, windowRect) : TRect{};
    const bool horz = w.bars[SB_HORZ].visible;
    const bool vert = w.bars[SB_VERT].visible;
    if (bar == SB_HORZ ? !horz : !vert)
        return {};
    const TRect inner = InsideBorders(w, windowRect);
    const int cx = GetSystemMetrics(SM_CXVSCROLL);
    const int cy = GetSystemMetrics(SM_CYHSCROLL);
    if (bar == SB_VERT)
        return Rect(std::max(inner.Right - cx, inner.Left), inner.Top, inner.Right,
                    std::max(inner.Bottom - (horz ? cy : 0), inner.Top));
    return Rect(inner.Left, std::max(inner.Bottom - cy, inner.Top),
                std::max(inner.Right - (vert ? cx : 0), inner.Left), inner.Bottom);
}

TRect DefaultClientRect(const TWindowData& w, const TRect& windowRect, int borderWidth)
{
    TRect r = InsideBorders(w, windowRect);
    if (w.barControl >= 0)
        return Rect(r.Left, r.Top, r.Left, r.Top);
    if (w.bars[SB_VERT].visible)
        r = Inset(r, 0, 0, GetSystemMetrics(SM_CXVSCROLL), 0);
    if (w.bars[SB_HORZ].visible)
        r = Inset(r, 0, 0, 0, GetSystemMetrics(SM_CYHSCROLL));
    return Inset(r, borderWidth);
}

int DefaultHitTest(const TWinControl& control, TPoint p)
{
    const TWindowData& w = control.Window();
    const TRect windowRect = WindowRectOf(control);
    if (!PtInRect(windowRect, p))
        return HTNOWHERE;
    if (PtInRect(w.clientInWindow, p))
        return HTCLIENT;
    if (PtInRect(ScrollBarRect(w, SB_VERT, windowRect), p))
        return HTVSCROLL;
    if (PtInRect(ScrollBarRect(w, SB_HORZ, windowRect), p))
        return HTHSCROLL;
    const int border = BorderSize(w);
    if (border > 0 && (w.style & WS_THICKFRAME)) {
        const bool left = p.X < border, right = p.X >= windowRect.Right - border;
        const bool top = p.Y < border, bottom = p.Y >= windowRect.Bottom - border;
        if (top && left)
            return HTTOPLEFT;
        if (top && right)
            return HTTOPRIGHT;
        if (bottom && left)
            return HTBOTTOMLEFT;
        if (bottom && right)
            return HTBOTTOMRIGHT;
        if (left)
            return HTLEFT;
        if (right)
            return HTRIGHT;
        if (top)
            return HTTOP;
        if (bottom)
            return HTBOTTOM;
    }
    const int caption = CaptionHeight(w);
    if (caption > 0 && p.Y >= border && p.Y < border + caption)
        return HTCAPTION;
    if (w.bars[SB_HORZ].visible && w.bars[SB_VERT].visible) {
        const TRect v = ScrollBarRect(w, SB_VERT, windowRect);
        if (p.X >= v.Left && p.X < v.Right && p.Y >= v.Bottom)
            return HTNOWHERE;
    }
    return border > 0 || EdgeSize(w) > 0 ? HTBORDER : HTNOWHERE;
}

void PaintDefaultFrame(TWinControl& control, TCanvas& canvas)
{
    const TWindowData& w = control.Window();
    TRect r = WindowRectOf(control);
    const int border = BorderSize(w);
    if (border > 0) {
        if (w.style & (WS_THICKFRAME | WS_DLGFRAME)) {
            TRect edge = r;
            DrawEdge(canvas, edge, EDGE_RAISED, BF_RECT | BF_MIDDLE);
        } else {
            canvas.Brush()->SetStyle(bsSolid);
            canvas.Brush()->SetColor(clWindowFrame);
            canvas.FrameRect(r);
        }
        r = Inset(r, border);
    }
    if (const int caption = CaptionHeight(w); caption > 0) {
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(clActiveCaption);
        canvas.FillRect(Rect(r.Left, r.Top, r.Right, r.Top + caption));
        r = Inset(r, 0, caption, 0, 0);
    }
    if (w.exStyle & WS_EX_CLIENTEDGE)
        DrawEdge(canvas, r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    if (w.exStyle & WS_EX_STATICEDGE)
        DrawEdge(canvas, r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    const TRect windowRect = WindowRectOf(control);
    PaintScrollBar(canvas, w, SB_HORZ, windowRect);
    PaintScrollBar(canvas, w, SB_VERT, windowRect);
    if (w.bars[SB_HORZ].visible && w.bars[SB_VERT].visible) {
        const TRect v = ScrollBarRect(w, SB_VERT, windowRect);
        const TRect h = ScrollBarRect(w, SB_HORZ, windowRect);
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(clBtnFace);
        canvas.FillRect(Rect(v.Left, h.Top, v.Right, h.Bottom));
    }
    if (control.BorderWidth() > 0) {
        // The band between the scroll bars and the client area.
        const TRect outer = Inset(DefaultClientRect(w, windowRect, 0), 0);
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(control.Color());
        const int saved = SaveDC(canvas);
        ExcludeClipRect(canvas, w.clientInWindow.Left, w.clientInWindow.Top, w.clientInWindow.Right,
                        w.clientInWindow.Bottom);
        canvas.FillRect(outer);
        RestoreDC(canvas, saved);
    }
}

TScrollBarPart ScrollBarPartAt(HWND window, int bar, TPoint p)
{
    TWinControl* control = TWinControl::FromHandle(window);
    if (!control || (bar != SB_HORZ && bar != SB_VERT))
        return sbpNone;
    const TBarGeometry g = BarGeometry(control->Window(), bar, WindowRectOf(*control));
    if (PtInRect(g.lineUp, p))
        return sbpLineUp;
    if (PtInRect(g.lineDown, p))
        return sbpLineDown;
    if (g.thumb.Width() <= 0)
        return PtInRect(g.track, p) ? sbpPageUp : sbpNone;
    if (PtInRect(g.thumb, p))
        return sbpThumb;
    if (!PtInRect(g.track, p))
        return sbpNone;
    const bool before = bar == SB_VERT ? p.Y < g.thumb.Top : p.X < g.thumb.Left;
    return before ? sbpPageUp : sbpPageDown;
}

// --- the user working a bar
// -------------------------------------------------------------------------------------

namespace {

constexpr int firstRepeatDelay = 400;
constexpr int repeatInterval = 50;

unsigned CodeOf(TScrollBarPart part)
{
    switch (part) {
    case sbpLineUp:
        return SB_LINEUP;
    case sbpLineDown:
        return SB_LINEDOWN;
    case sbpPageUp:
        return SB_PAGEUP;
    case sbpPageDown:
        return SB_PAGEDOWN;
    default:
        return SB_ENDSCROLL;
    }
}

void SendScroll(TWinControl& control, int bar, unsigned code, int pos = 0)
{
    DeliverSentMessage(&control, bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL,
                       MAKEWPARAM(static_cast<int>(code), pos), 0);
}

// The position a thumb dragged to start offset stands for.
int PositionForThumb(const TWindowData& w, int bar, const TBarGeometry& g, int thumbStart)
{
    const TScrollBarState& s = w.bars[bar];
    const bool vertical = bar == SB_VERT;
    const int thumb = vertical ? g.thumb.Height() : g.thumb.Width();
    const int trackStart = vertical ? g.track.Top : g.track.Left;
    const int trackLength = (vertical ? g.track.Height() : g.track.Width()) - thumb;
    const int travel = s.max - s.min - std::max(s.page - 1, 0);
    if (trackLength <= 0)
        return s.min;
    return s.min + MulDiv(std::clamp(thumbStart - trackStart, 0, trackLength), travel, trackLength);
}

void Repeat(TWinControl& control)
{
    TWindowData& w = control.Window();
    if (w.tracking.bar < 0 || w.tracking.part == sbpThumb || !w.tracking.over)
        return;
    // A page press stops once the thumb reaches the pointer.
    if (w.tracking.part == sbpPageUp || w.tracking.part == sbpPageDown) {
        TPoint p;
        GetCursorPos(p);
        TRect windowRect;
        GetWindowRect(w.handle, windowRect);
        if (ScrollBarPartAt(w.handle, w.tracking.bar, {p.X - windowRect.Left, p.Y - windowRect.Top}) !=
            w.tracking.part)
            return;
    }
    SendScroll(control, w.tracking.bar, CodeOf(w.tracking.part));
}

} // namespace

void ScrollBarPress(TWinControl& control, int bar, TPoint p)
{
    TWindowData& w = control.Window();
    const TScrollBarPart part = ScrollBarPartAt(w.handle, bar, p);
    if (part == sbpNone || w.bars[bar].disabledArrows == ESB_DISABLE_BOTH)
        return;
    if ((part == sbpLineUp && (w.bars[bar].disabledArrows & ESB_DISABLE_LTUP)) ||
        (part == sbpLineDown && (w.bars[bar].disabledArrows & ESB_DISABLE_RTDN)))
        return;
    const TBarGeometry g = BarGeometry(w, bar, WindowRectOf(control));
    w.tracking = {bar, part, 0, true};
    if (part == sbpThumb) {
        w.tracking.grabOffset = bar == SB_VERT ? p.Y - g.thumb.Top : p.X - g.thumb.Left;
        w.bars[bar].tracking = true;
        w.bars[bar].trackPos = w.bars[bar].pos;
    } else {
        SendScroll(control, bar, CodeOf(part));
        if (!IsWindow(w.handle) || w.tracking.bar < 0)
            return;
        if (!w.repeatTimer) {
            w.repeatTimer = new QTimer(w.widget.data());
            HWND handle = w.handle;
            QObject::connect(w.repeatTimer, &QTimer::timeout, [handle] {
                if (TWinControl* c = TWinControl::FromHandle(handle)) {
                    c->Window().repeatTimer->setInterval(repeatInterval);
                    Repeat(*c);
                }
            });
        }
        w.repeatTimer->start(firstRepeatDelay);
    }
    if (w.widget)
        w.widget->update();
}

void ScrollBarMove(TWinControl& control, TPoint p)
{
    TWindowData& w = control.Window();
    const int bar = w.tracking.bar;
    if (bar < 0)
        return;
    if (w.tracking.part != sbpThumb) {
        w.tracking.over = ScrollBarPartAt(w.handle, bar, p) == w.tracking.part;
        if (w.widget)
            w.widget->update();
        return;
    }
    const TBarGeometry g = BarGeometry(w, bar, WindowRectOf(control));
    const int start = (bar == SB_VERT ? p.Y : p.X) - w.tracking.grabOffset;
    const int pos = PositionForThumb(w, bar, g, start);
    if (pos == w.bars[bar].trackPos)
        return;
    w.bars[bar].trackPos = pos;
    SendScroll(control, bar, SB_THUMBTRACK, pos);
    if (IsWindow(w.handle) && w.widget)
        w.widget->update();
}

void ScrollBarRelease(TWinControl& control)
{
    TWindowData& w = control.Window();
    const int bar = w.tracking.bar;
    if (bar < 0)
        return;
    const TScrollBarPart part = w.tracking.part;
    w.tracking = {};
    if (w.repeatTimer)
        w.repeatTimer->stop();
    const HWND handle = w.handle;
    if (part == sbpThumb) {
        const int pos = w.bars[bar].trackPos;
        SendScroll(control, bar, SB_THUMBPOSITION, pos);
        if (!IsWindow(handle))
            return;
        w.bars[bar].tracking = false;
    }
    SendScroll(control, bar, SB_ENDSCROLL);
    if (IsWindow(handle) && w.widget)
        w.widget->update();
}

#include "controls/toolbars/dock.h"
#include "controls/toolbars/dock_helpers.h"
#include "controls/toolbars/dockable_window.h"
#include "controls/toolbars/dpi_scaling.h"
#include "controls/toolbars/floating_frame.h"
#include "controls/toolbars/menu_glyphs.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/window_functions.h"

// The docked frame of a dockable window: its border, drag handle and close button, the hit codes of the
// frame, and the window's other messages.

namespace {

// The close button's glyph, an x.
constexpr uint8_t CloseGlyph[] = {0x00, 0xCC, 0x78, 0x30, 0x78, 0xCC, 0x00, 0x00};

} // namespace

void TBarCustomDockableWindow::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_MOVE:
        WMMove(message);
        return;
    case WM_NCCALCSIZE:
        WMNCCalcSize(message);
        return;
    case WM_NCHITTEST:
        WMNCHitTest(message);
        return;
    case WM_SETCURSOR:
        WMSetCursor(message);
        return;
    case WM_NCPAINT:
        WMNCPaint(message);
        return;
    case WM_ERASEBKGND:
        WMEraseBkgnd(message);
        return;
    case WM_NCMOUSEMOVE:
        WMNCMouseMove(message);
        return;
    case WM_NCMOUSELEAVE:
        if (!GetCapture())
            ClearCloseButtonHover();
        break;
    case CM_MOUSELEAVE:
        TCustomControl::Dispatch(message);
        ClearCloseButtonHover();
        return;
    case WM_MOUSEMOVE:
        ClearCloseButtonHover();
        break;
    case WM_NCLBUTTONDOWN:
        WMNCLButtonDown(message);
        return;
    case WM_NCLBUTTONDBLCLK:
        if (TNCMouseView(message).HitTest == HTBARDRAGHANDLE && IsMovable()) {
            ToggleDocked();
            return;
        }
        break;
    case WM_NCRBUTTONUP:
        SendMessage(Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Handle()), message.LParam);
        return;
    case WM_CONTEXTMENU:
        WMContextMenu(message);
        return;
    case CM_COLORCHANGED:
        RedrawWholeWindow(this);
        break;
    case CM_TEXTCHANGED:
        TCustomControl::Dispatch(message);
        if (FFloating && FFloatParent)
            FFloatParent->SetCaption(Caption());
        return;
    case CM_VISIBLECHANGED:
        CMVisibleChanged(message);
        return;
    case CM_SHOWINGCHANGED:
        CMShowingChanged(message);
        return;
    }
    TCustomControl::Dispatch(message);
}

// --- metrics and hit codes ---------------------------------------------------------------------------------

TRect TBarCustomDockableWindow::CloseButtonBounds(bool leftRight)
{
    const int side = DragHandleSize(FCloseButtonWhenDocked, FDragHandleStyle) - 3;
    if (leftRight) {
        const int left = ClientWidth() + ScaleForDPI(2) - side;
        return Bounds(left, ScaleForDPI(2 + 1), side, side);
    }
    return Bounds(ScaleForDPI(2 + 1), ScaleForDPI(2), side, side);
}

void TBarCustomDockableWindow::WMNCCalcSize(TMessage& message)
{
    message.Result = 0;
    if (!FDocked)
        return;
    TRect& r = TNCCalcSizeView(message).Params->rgrc[0];
    const int border = DockedBorderWidth();
    InflateRect(r, -border, -border);
    if (FCurrentDock->AllowDrag()) {
        const int handle = DragHandleSize(FCloseButtonWhenDocked, FDragHandleStyle);
        if (FCurrentDock->Vertical())
            r.Top += handle;
        else
            r.Left += handle;
    }
}

void TBarCustomDockableWindow::WMNCHitTest(TMessage& message)
{
    TCustomControl::Dispatch(message);
    if (!FDocked || message.Result == HTCLIENT)
        return;
    message.Result = HTBARDRAGHANDLE;
    if (FCloseButtonWhenDocked && FCurrentDock->AllowDrag()) {
        TPoint p = THitTestView(message).ScreenPos;
        TRect window;
        GetWindowRect(Handle(), window);
        p = {p.X - window.Left, p.Y - window.Top};
        if (PtInRect(CloseButtonBounds(FCurrentDock->Vertical()), p))
            message.Result = HTBARCLOSE;
    }
}

void TBarCustomDockableWindow::WMSetCursor(TMessage& message)
{
    const TSetCursorView view(message);
    if (FDocked && FCurrentDock->AllowDrag() && view.Window == Handle() && view.HitTest == HTBARDRAGHANDLE &&
        FDragHandleStyle != dhNone) {
        TPoint p;
        GetCursorPos(p);
        TRect window;
        GetWindowRect(Handle(), window);
        const int reach = ScaleForDPI(2) + DragHandleSize(FCloseButtonWhenDocked, FDragHandleStyle);
        const int offset = FCurrentDock->Vertical() ? p.Y - window.Top : p.X - window.Left;
        if (offset < reach) {
            ::SetCursor(CursorShape(crSizeAll));
            message.Result = 1;
            return;
        }
    }
    TCustomControl::Dispatch(message);
}

// --- painting ----------------------------------------------------------------------------------------------

void TBarCustomDockableWindow::WMNCPaint(TMessage& message)
{
    if (message.WParam > 1)
        DrawNCArea(true, TPaintView(message).DC, nullptr);
    else
        DrawNCArea(false, nullptr, nullptr);
}

void TBarCustomDockableWindow::RepaintNonClient()
{
    if (HandleAllocated() && IsWindowVisible(Handle()))
        DrawNCArea(false, nullptr, nullptr);
}

void TBarCustomDockableWindow::DrawNCArea(bool drawToDC, HDC dc, const TRegion* clip)
{
    if (!FDocked || !HandleAllocated())
        return;
    TCanvas& canvas = *(drawToDC ? dc : GetWindowDC(Handle()));
    const int saved = SaveDC(canvas);
    if (clip)
        ExtSelectClipRgn(canvas, clip, RGN_AND);
    TRect r{0, 0, Width(), Height()};
    const TColor face = ColorToRGB(Color());
    const bool usingBackground = FCurrentDock->UsingBackground() && FCurrentDock->BackgroundOnToolbars();
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(face);
    if (FBorderStyle == bsSingle) {
        TRect edge = r;
        DrawEdge(canvas, edge, BDR_RAISEDINNER, BF_RECT);
    } else {
        canvas.FrameRect(r);
    }
    TRect ring = r;
    InflateRect(ring, -ScaleForDPI(1), -ScaleForDPI(1));
    if (!usingBackground) {
        canvas.Brush()->SetColor(face);
        canvas.FrameRect(ring);
    } else {
        const int inner = SaveDC(canvas);
        IntersectClipRect(canvas, ring.Left, ring.Top, ring.Right, ring.Bottom);
        const TRect client = ClientInWindow(this);
        ExcludeClipRect(canvas, client.Left, client.Top, client.Right, client.Bottom);
        FCurrentDock->DrawBackground(&canvas, {-Left(), -Top(), FCurrentDock->ClientWidth() - Left(),
                                               FCurrentDock->ClientHeight() - Top()});
        RestoreDC(canvas, inner);
    }
    if (FCurrentDock->AllowDrag()) {
        PaintDragHandle(canvas, r);
        if (FCloseButtonWhenDocked)
            PaintCloseButton(canvas, FCurrentDock->Vertical());
    }
    RestoreDC(canvas, saved);
    if (!drawToDC)
        ReleaseDC(Handle(), &canvas);
}

void TBarCustomDockableWindow::PaintDragHandle(TCanvas& canvas, const TRect& window)
{
    const bool vertical = FCurrentDock->Vertical();
    const int border = DockedBorderWidth();
    const int handle = DragHandleSize(FCloseButtonWhenDocked, FDragHandleStyle);
    int length = (vertical ? ClientWidth() : ClientHeight()) + ScaleForDPI(2);
    int start = border;
    if (FCloseButtonWhenDocked) {
        if (vertical)
            length = length + ScaleForDPI(2) - handle;
        else
            start = handle;
    }
    const int saved = SaveDC(canvas);
    if (FDragHandleStyle != dhNone) {
        const int inset = FDragHandleStyle == dhSingle ? 1 : 0;
        const int bars = FDragHandleStyle == dhDouble ? 2 : 1;
        const int thickness = ScaleForDPI(3);
        int across = border + DragHandleOffset(FCloseButtonWhenDocked, FDragHandleStyle);
        for (int bar = 0; bar < bars; ++bar, across += thickness) {
            TRect r = vertical ? TRect{start + inset, across, length - inset, across + thickness}
                               : TRect{across, start + inset, across + thickness, length - inset};
            TRect edge = r;
            canvas.Brush()->SetColor(ColorToRGB(Color()));
            DrawEdge(canvas, edge, BDR_RAISEDINNER, BF_RECT | BF_MIDDLE);
            if (vertical)
                canvas.SetPixels(r.Right - 1, r.Top, ColorToRGB(clBtnHighlight));
            else
                canvas.SetPixels(r.Left, r.Bottom - 1, ColorToRGB(clBtnHighlight));
            ExcludeClipRect(canvas, r.Left, r.Top, r.Right, r.Bottom);
        }
    }
    if (!FCurrentDock->UsingBackground() || !FCurrentDock->BackgroundOnToolbars()) {
        canvas.Brush()->SetColor(ColorToRGB(Color()));
        canvas.FillRect(vertical ? TRect{border, border, length, border + handle}
                                 : TRect{border, border, border + handle, length});
    }
    RestoreDC(canvas, saved);
    (void)window;
}

void TBarCustomDockableWindow::PaintCloseButton(TCanvas& canvas, bool leftRight)
{
    TRect r = CloseButtonBounds(leftRight);
    TRect edge = r;
    if (FCloseButtonDown)
        DrawEdge(canvas, edge, BDR_SUNKENOUTER, BF_RECT);
    else if (FCloseButtonHover)
        DrawEdge(canvas, edge, BDR_RAISEDINNER, BF_RECT);
    InflateRect(r, -ScaleForDPI(2), -ScaleForDPI(2));
    if (FCloseButtonDown)
        OffsetRect(r, ScaleForDPI(1), ScaleForDPI(1));
    DrawGlyphRows(canvas, r.Left, r.Top, CloseGlyph, clBtnText);
}

void TBarCustomDockableWindow::WMEraseBkgnd(TMessage& message)
{
    HDC dc = TPaintView(message).DC;
    if (FDocked && dc && FCurrentDock->UsingBackground() && FCurrentDock->BackgroundOnToolbars()) {
        const TRect client = ClientInWindow(this);
        const int saved = SaveDC(*dc);
        IntersectClipRect(*dc, 0, 0, ClientWidth(), ClientHeight());
        FCurrentDock->DrawBackground(dc, {-Left() - client.Left, -Top() - client.Top,
                                          FCurrentDock->ClientWidth() - Left() - client.Left,
                                          FCurrentDock->ClientHeight() - Top() - client.Top});
        RestoreDC(*dc, saved);
        message.Result = 1;
        return;
    }
    TCustomControl::Dispatch(message);
}

// --- the close button --------------------------------------------------------------------------------------

void TBarCustomDockableWindow::SetCloseButtonDown(bool value)
{
    if (value == FCloseButtonDown)
        return;
    FCloseButtonDown = value;
    RepaintNonClient();
}

void TBarCustomDockableWindow::ClearCloseButtonHover()
{
    if (!FCloseButtonHover)
        return;
    FCloseButtonHover = false;
    RepaintNonClient();
}

void TBarCustomDockableWindow::WMNCMouseMove(TMessage& message)
{
    TCustomControl::Dispatch(message);
    const bool hover = TNCMouseView(message).HitTest == HTBARCLOSE;
    if (hover != FCloseButtonHover) {
        FCloseButtonHover = hover;
        RepaintNonClient();
    }
}

void TBarCustomDockableWindow::TrackCloseButton()
{
    TRect r = CloseButtonBounds(DockKindOf(FCurrentDock, FFloating) == dkVertical);
    TRect window;
    GetWindowRect(Handle(), window);
    OffsetRect(r, window.Left, window.Top);
    if (TrackButtonPress(Handle(), r, [this](bool pushed) { SetCloseButtonDown(pushed); }))
        Close();
}

void TBarCustomDockableWindow::WMNCLButtonDown(TMessage& message)
{
    const TNCMouseView mouse(message);
    if (mouse.HitTest == HTBARDRAGHANDLE) {
        if (IsMovable()) {
            const TPoint p = ScreenToClient(mouse.ScreenPos);
            BeginMoving(p.X, p.Y);
        }
        return;
    }
    if (mouse.HitTest == HTBARCLOSE) {
        TrackCloseButton();
        return;
    }
    TCustomControl::Dispatch(message);
}

// --- the context menu and moves ----------------------------------------------------------------------------

void TBarCustomDockableWindow::WMContextMenu(TMessage& message)
{
    const TContextMenuView view(message);
    const TPoint p = view.ScreenPos;
    if (p.X != -1 || p.Y != -1) {
        if (PtInRect(ClientRect(), ScreenToClient(p))) {
            TCustomControl::Dispatch(message);
            return;
        }
    }
    bool handled = false;
    DoContextPopup(p.X == -1 && p.Y == -1 ? TPoint{-1, -1} : ScreenToClient(p), handled);
    if (!handled && PopupMenu() && PopupMenu()->AutoPopup()) {
        SendCancelMode();
        const TPoint at = p.X == -1 && p.Y == -1 ? ClientOrigin() : p;
        PopupMenu()->PopupFor(this, at.X, at.Y);
        handled = true;
    }
    if (handled)
        message.Result = 1;
    else
        TCustomControl::Dispatch(message);
}

void TBarCustomDockableWindow::WMMove(TMessage& message)
{
    TCustomControl::Dispatch(message);
    FMoved = true;
    if (FDocked && FCurrentDock->UsingBackground())
        RedrawWholeWindow(this);
    NotifyMoved();
}

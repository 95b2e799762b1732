#include "controls/skins/skin_status_bar.h"

#include "controls/skins/skin_bar_helpers.h"
#include "controls/skins/skin_bar_painting.h"
#include "controls/skins/skin_dock.h"
#include "controls/skins/skin_drawing.h"
#include "controls/skins/skin_manager.h"
#include "controls/skins/skin_title_bar.h"
#include "controls/skins/skin_viewers.h"
#include "controls/toolbars/dock_helpers.h"
#include "controls/toolbars/item_classes.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/system_metrics.h"
#include "platform/gui/windows/window_functions.h"

namespace {

// Sizes the window from its bottom-right corner (SC_SIZE with the corner in its low four bits).
constexpr unsigned SizeBottomRight = SC_SIZE | 8;
// What a toolbar leaves free at its end without a grip.
constexpr int NoGripMargin = 4;

} // namespace

// --- the status toolbar ------------------------------------------------------------------------------------

TCustomForm* TQvStatusToolbar::ParentForm()
{
    if (!FParentForm)
        FParentForm = GetParentForm(this);
    return FParentForm;
}

void TQvStatusToolbar::SetSizeGrip(bool value)
{
    if (value == FSizeGrip)
        return;
    FSizeGrip = value;
    // The items take the grip's room, or give it back; the bar repaints with or without the grip.
    UpdateRightAlignment();
    if (auto* bar = dynamic_cast<TQvStatusBar*>(Owner()))
        bar->InvalidateBackground(true);
}

bool TQvStatusToolbar::GripShows(TCustomForm& form)
{
    TRect normal;
    const bool normalState = GetWindowPlacementInfo(&form, normal) == 0;
    auto* titleBar = FindParentOfClass<TQvTitleBar>(this);
    if (titleBar && titleBar->Active() && !titleBar->FixedSize())
        return normalState || !titleBar->MouseActive();
    return normalState && (GetWindowLong(form.Handle(), GWL_STYLE) & WS_THICKFRAME) != 0;
}

TRect TQvStatusToolbar::GetGripRect()
{
    if (ComponentState().Contains(csDestroying) || !FSizeGrip || !CurrentDock())
        return {};
    TCustomForm* form = ParentForm();
    if (!form || !form->HandleAllocated() || !GripShows(*form))
        return {};
    TRect grip = CurrentDock()->ClientRect();
    grip.Left = grip.Right - GetSystemMetrics(SM_CXVSCROLL);
    return grip;
}

bool TQvStatusToolbar::NeedsSeparatorRepaint() const
{
    if (!dynamic_cast<TQvCustomStatusBar*>(Owner()))
        return false;
    const TQvSkinType type = GetSkinManager().GetSkinType();
    return type == sknNone || (type == sknSkin && GetCurrentSkin()->StatusSeparators());
}

int TQvStatusToolbar::RightAlignMargin()
{
    const TRect grip = GetGripRect();
    return IsRectEmpty(grip) ? NoGripMargin : grip.Width();
}

TColor TQvStatusToolbar::ItemsTextColor(TQvSkinStatesType state)
{
    if (!dynamic_cast<TQvCustomStatusBar*>(Owner()))
        return clNone;
    return GetCurrentSkin()->GetTextColor(skncStatusBar, state);
}

bool TQvStatusToolbar::ScreenPointInGrip(TPoint screenPos)
{
    const TRect grip = GetGripRect();
    return !IsRectEmpty(grip) && PtInRect(grip, CurrentDock()->ScreenToClient(screenPos));
}

void TQvStatusToolbar::SizeFormFromGrip()
{
    ReleaseCapture();
    SendMessage(ParentForm()->Handle(), WM_SYSCOMMAND, SizeBottomRight, 0);
}

void TQvStatusToolbar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && !IsDesigning() && ParentForm() && ScreenPointInGrip(ClientToScreen({x, y}))) {
        SizeFormFromGrip();
        return;
    }
    TQvToolbar::MouseDown(button, shift, x, y);
}

void TQvStatusToolbar::Dispatch(TMessage& message)
{
    const bool sizing = !IsDesigning() && ParentForm();
    if (sizing && message.Msg == WM_NCLBUTTONDOWN && ScreenPointInGrip(TNCMouseView(message).ScreenPos)) {
        SizeFormFromGrip();
        return;
    }
    if (sizing && message.Msg == WM_SETCURSOR && ScreenCursorOverride() == crDefault) {
        TPoint p;
        GetCursorPos(p);
        if (ScreenPointInGrip(p)) {
            ::SetCursor(CursorShape(crSizeNWSE));
            message.Result = 1;
            return;
        }
    }
    TQvToolbar::Dispatch(message);
}

void TQvStatusToolbar::ItemNotification(TBarCustomItem* ancestor, bool relayed, TBarItemChangedAction action,
                                        int index, TBarCustomItem* item)
{
    TQvToolbar::ItemNotification(ancestor, relayed, action, index, item);
    const TComponentState state = ComponentState();
    if (action != tbicInvalidateAndResize || state.Contains(csDestroying) || state.Contains(csReading) ||
        IsItemMoving())
        return;
    if (auto* bar = dynamic_cast<TQvCustomStatusBar*>(Owner()); bar && NeedsSeparatorRepaint())
        bar->InvalidateBackground(true);
}

// --- the status bar ----------------------------------------------------------------------------------------

TQvCustomStatusBar::TQvCustomStatusBar(TComponent* owner)
    : TQvCompoundBar(owner, TQvCompoundToolbarClass::Of<TQvStatusToolbar>())
{
    SetAlign(alBottom);
}

// Any other height becomes the dock's: refusing the size would refuse the width that comes with it, and a
// bar aligned to its form would keep no width at all.
bool TQvCustomStatusBar::CanResize(int& newWidth, int& newHeight)
{
    newHeight = FDock->Height();
    return TQvCompoundBar::CanResize(newWidth, newHeight);
}

void TQvCustomStatusBar::Dispatch(TMessage& message)
{
    // The dock covers the bar and paints the background.
    if (message.Msg == WM_ERASEBKGND) {
        message.Result = 1;
        return;
    }
    TQvCompoundBar::Dispatch(message);
}

void TQvCustomStatusBar::DoDrawDockBackground(TCanvas& canvas, const TRect& rect, TQvPaintStage stage,
                                              bool& paintDefault)
{
    TQvCompoundBar::DoDrawDockBackground(canvas, rect, stage, paintDefault);
    if (stage != pstPrePaint || !paintDefault)
        return;
    paintDefault = false;
    TRect grip = Toolbar()->GetGripRect();
    // Painted behind the toolbar, the rectangle is in the toolbar's client coordinates.
    if (!IsRectEmpty(grip) && rect.Left == -2 && rect.Top == -2)
        OffsetRect(grip, -2, -2);
    PaintStatusBarBackground(canvas, rect, grip);
    if (Toolbar()->NeedsSeparatorRepaint())
        DrawSeparators(canvas, rect);
}

void TQvCustomStatusBar::DrawSeparators(TCanvas& canvas, const TRect& rect)
{
    const int saved = SaveDC(canvas);
    const TQvSkinType type = GetSkinManager().GetSkinType();
    TBarView* view = View();
    for (int i = 0; i < view->ViewerCount(); ++i) {
        auto* viewer = dynamic_cast<TQvSeparatorItemViewer*>(view->Viewers(i));
        auto* separator = viewer ? dynamic_cast<TBarSeparatorItem*>(viewer->Item()) : nullptr;
        if (!viewer || (separator && separator->Blank()) || IsRectEmpty(viewer->BoundsRect()))
            continue;
        TRect r = viewer->BoundsRect();
        OffsetRect(r, rect.Left + 2, rect.Top + 2);
        r.Left = (r.Left + r.Right) / 2 - 2;
        r.Right = r.Left + 3;
        r.Top = rect.Top;
        r.Bottom = rect.Bottom;
        if (type == sknNone) {
            FillRectColors(canvas, r, clBtnFace, clNone);
            DrawLineColor(canvas, r.Left, r.Top, r.Left, r.Bottom, clWindow);
            DrawLineColor(canvas, r.Right - 1, r.Top, r.Right - 1, r.Bottom, clBtnShadow);
            continue;
        }
        if (rect.Top == 0)
            ++r.Top;
        DrawLineColor(canvas, r.Left, r.Top, r.Left, r.Bottom, clWindow);
        DrawLineColor(canvas, r.Right - 1, r.Top, r.Right - 1, r.Bottom, clWindow);
        ExcludeClipRect(canvas, r.Left, r.Top, r.Right, r.Bottom);
    }
    if (type == sknSkin) {
        const TRect frame{rect.Left, rect.Top + 1, rect.Right, rect.Bottom};
        canvas.Brush()->SetColor(clWindow);
        canvas.FrameRect(frame);
    }
    RestoreDC(canvas, saved);
}

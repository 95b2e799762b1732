#include "controls/skins/skin_title_bar.h"

#include "controls/skins/skin_bar_helpers.h"
#include "controls/skins/skin_bar_painting.h"
#include "controls/skins/skin_dock.h"
#include "controls/skins/skin_items.h"
#include "controls/skins/skin_manager.h"
#include "controls/skins/skin_system_menu_item.h"
#include "controls/skins/skin_title_bar_options.h"
#include "controls/toolbars/item_classes.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/system_metrics.h"
#include "platform/gui/windows/window_functions.h"

// The title bar's construction, its frame band, its painting and its own messages.

namespace {

// How far a corner zone reaches along the frame band.
constexpr int CornerLength = 10;

// The border a sizing command names in its low four bits.
constexpr unsigned SizeLeft = SC_SIZE | 1;
constexpr unsigned SizeRight = SC_SIZE | 2;
constexpr unsigned SizeTop = SC_SIZE | 3;
constexpr unsigned SizeTopLeft = SC_SIZE | 4;
constexpr unsigned SizeTopRight = SC_SIZE | 5;
constexpr unsigned SizeBottom = SC_SIZE | 6;
constexpr unsigned SizeBottomLeft = SC_SIZE | 7;
constexpr unsigned SizeBottomRight = SC_SIZE | 8;

} // namespace

TQvCustomTitleBar::TQvCustomTitleBar(TComponent* owner)
    : TQvCompoundBar(owner, TQvCompoundToolbarClass::Of<TQvTitleToolbar>())
{
    controlStyle_.Include(csAcceptsControls);
    SetColor(clWindow);
    SetAlign(alClient);
    StopFollowingDockHeight();
    FParentForm = GetParentForm(this);
    FOptions = std::make_unique<TQvTitleBarButtonOptions>(this);
    FOptions->SetCaptionLabel(Caption());
}

TQvCustomTitleBar::~TQvCustomTitleBar()
{
    Destroying();
    UpdateFormBorder(false);
    FOptions.reset();
    UnhookForm();
}

TBarCustomItem* TQvCustomTitleBar::RootItems()
{
    return FOptions ? FOptions->EditableItems() : nullptr;
}

void TQvCustomTitleBar::SetOnSystemMenuPopup(const TQvPopupEvent& handler)
{
    FOptions->SystemButton()->OnInitPopup = handler;
}

// --- properties --------------------------------------------------------------------------------------------

void TQvCustomTitleBar::SetActive(bool value)
{
    if (value == FActive)
        return;
    FActive = value;
    UpdateFormBorder(value);
}

void TQvCustomTitleBar::SetMouseActive(bool value)
{
    if (value == FMouseActive)
        return;
    FMouseActive = value;
    UpdateFormBorder(value);
}

void TQvCustomTitleBar::SetFullScreenMaximize(bool value)
{
    if (value == FFullScreenMaximize)
        return;
    FFullScreenMaximize = value;
    if (!IsActive() || !FParentForm || !FParentForm->HandleAllocated())
        return;
    FParentForm->Constraints()->SetMaxWidth(0);
    FParentForm->Constraints()->SetMaxHeight(0);
    // A maximized form takes its new size when its window is made again.
    if (FormIsMaximized() && !IsDesigning())
        FParentForm->RecreateWnd();
}

bool TQvCustomTitleBar::FormIsMaximized() const
{
    return FParentForm && FParentForm->WindowState() == wsMaximized;
}

// --- the frame ---------------------------------------------------------------------------------------------

TPoint TQvCustomTitleBar::FrameSize() const
{
    if (GetSkinManager().GetSkinType() == sknSkin) {
        const int size = GetCurrentSkin()->FloatingWindowBorderSize();
        return {size, size};
    }
    return {GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYFRAME)};
}

TRect TQvCustomTitleBar::GetClientAreaRect() const
{
    TRect r = ClientRect();
    if (FActive && !(FormIsMaximized() && FMouseActive)) {
        const TPoint frame = FrameSize();
        InflateRect(r, -frame.X, -frame.Y);
    }
    return r;
}

void TQvCustomTitleBar::AdjustClientRect(TRect& rect) const
{
    rect = GetClientAreaRect();
}

TQvSizingZone TQvCustomTitleBar::SizingHitTest(TPoint p) const
{
    if (!IsActive() || FormIsMaximized())
        return {};
    TRect inside = ClientRect();
    const TPoint frame = FrameSize();
    InflateRect(inside, -frame.X, -frame.Y);
    if (PtInRect(inside, p))
        return {};
    const int w = Width();
    const int h = Height();
    const bool left = p.X < CornerLength;
    const bool right = p.X > w - CornerLength;
    const bool top = p.Y < CornerLength;
    const bool bottom = p.Y > h - CornerLength;
    if (left && top)
        return {crSizeNWSE, SizeTopLeft};
    if (right && top)
        return {crSizeNESW, SizeTopRight};
    if (left && bottom)
        return {crSizeNESW, SizeBottomLeft};
    if (right && bottom)
        return {crSizeNWSE, SizeBottomRight};
    if (top)
        return {crSizeNS, SizeTop};
    if (bottom)
        return {crSizeNS, SizeBottom};
    if (left)
        return {crSizeWE, SizeLeft};
    if (right)
        return {crSizeWE, SizeRight};
    return {};
}

void TQvCustomTitleBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TQvCompoundBar::MouseDown(button, shift, x, y);
    if (button != mbLeft || FFixedSize || !FParentForm)
        return;
    if (const TQvSizingZone zone = SizingHitTest({x, y}); zone.Command != 0) {
        ReleaseCapture();
        FParentForm->Perform(WM_SYSCOMMAND, zone.Command, 0);
    }
}

void TQvCustomTitleBar::ChangeFormState(TWindowState state)
{
    if (!FParentForm)
        return;
    if (state == wsMinimized)
        FParentForm->Perform(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    else
        FParentForm->SetWindowState(state);
}

// --- painting ----------------------------------------------------------------------------------------------

void TQvCustomTitleBar::DoDrawBackground(TCanvas& canvas, const TRect& rect, TQvPaintStage stage,
                                         bool& paintDefault)
{
    if (OnDrawBackground)
        OnDrawBackground(this, canvas, rect, stage, paintDefault);
}

void TQvCustomTitleBar::DoDrawDockBackground(TCanvas& canvas, const TRect& rect, TQvPaintStage stage,
                                             bool& paintDefault)
{
    TQvCompoundBar::DoDrawDockBackground(canvas, rect, stage, paintDefault);
    if (stage != pstPrePaint || !paintDefault)
        return;
    paintDefault = false;
    TRect r = rect;
    if (GetSkinManager().GetSkinType() == sknWindows) {
        const TPoint frame = FrameSize();
        InflateRect(r, frame.X, frame.Y);
    }
    PaintTitleBarBackground(canvas, r, true, true);
}

void TQvCustomTitleBar::WMEraseBkgnd(TMessage& message)
{
    message.Result = 1;
    HDC dc = TPaintView(message).DC;
    if (!dc || IsDestroying())
        return;
    const TRect client = ClientRect();
    TBitmap picture(client.Width(), client.Height());
    PaintBackground(*picture.Canvas());
    BitBlt(*dc, 0, 0, client.Width(), client.Height(), *picture.Canvas(), 0, 0, SRCCOPY);
}

// The frame, and the caption bar behind the dock with the platform theme; the dock paints the rest of the
// caption bar itself.
void TQvCustomTitleBar::PaintBackground(TCanvas& canvas)
{
    TRect r = ClientRect();
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(r);
    bool paintDefault = true;
    DoDrawBackground(canvas, r, pstPrePaint, paintDefault);
    if (paintDefault) {
        const bool grown = FormIsMaximized() && FMouseActive;
        if (grown)
            InflateRect(r, 4, 4);
        const TPoint frame = FrameSize();
        if (FActive) {
            PaintSkinnedWindowFrame(canvas, r, true, frame, true);
            if (FDock && !grown && GetSkinManager().GetSkinType() == sknWindows) {
                const TRect caption{r.Left, r.Top, r.Right, r.Top + FDock->Height() + frame.Y};
                PaintTitleBarBackground(canvas, caption, true, true);
            }
        }
    }
    paintDefault = true;
    DoDrawBackground(canvas, ClientRect(), pstPostPaint, paintDefault);
}

// --- messages ----------------------------------------------------------------------------------------------

void TQvCustomTitleBar::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND:
        WMEraseBkgnd(message);
        return;
    case WM_SETCURSOR:
        WMSetCursor(message);
        return;
    case WM_WINDOWPOSCHANGED:
        WMWindowPosChanged(message);
        return;
    case WM_SKINCHANGED:
        WMSkinChanged();
        return;
    case CM_TEXTCHANGED:
        TQvCompoundBar::Dispatch(message);
        if (FOptions)
            FOptions->SetCaptionLabel(Caption());
        return;
    case CM_STYLECHANGED:
        TQvCompoundBar::Dispatch(message);
        if (HandleAllocated())
            RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_ERASE | RDW_INVALIDATE);
        return;
    }
    TQvCompoundBar::Dispatch(message);
}

void TQvCustomTitleBar::WMSetCursor(TMessage& message)
{
    const bool ownWindow = HandleAllocated() && TSetCursorView(message).Window == Handle();
    if (!FFixedSize && !IsDesigning() && ownWindow && ScreenCursorOverride() == crDefault) {
        TPoint p;
        GetCursorPos(p);
        if (const TQvSizingZone zone = SizingHitTest(ScreenToClient(p)); zone.Cursor != crDefault) {
            ::SetCursor(CursorShape(zone.Cursor));
            message.Result = 1;
            return;
        }
    }
    TQvCompoundBar::Dispatch(message);
}

void TQvCustomTitleBar::WMWindowPosChanged(TMessage& message)
{
    TQvCompoundBar::Dispatch(message);
    if (!FUpdateRegionCalled)
        UpdateRegion();
    InvalidateBackground(false);
    if (IsDestroying() || IsDesigning() || !FOptions)
        return;
    FOptions->SetupButtonIcon(FOptions->MaximizeButton());
    if (FParentForm && FParentForm->FormStyle() == fsMDIChild)
        FDock->SetVisible(!FormIsMaximized());
}

void TQvCustomTitleBar::WMSkinChanged()
{
    RecalcFrame(this);
    Realign();
    InvalidateBackground(true);
}

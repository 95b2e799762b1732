#include "controls/grid/scroll_control.h"

#include "controls/grid/grid_cursors.h"
#include "platform/gui/forms/forms.h"
#include "platform/gui/forms/screen.h"
#include "platform/gui/windows/scroll_bars.h"
#include "platform/gui/windows/window_functions.h"

#include <cstdlib>
#include <optional>

// --- the scrolling control ---------------------------------------------------------------------------------

TGxCustomScrollControl::TGxCustomScrollControl(TComponent* owner) : TCustomControl(owner) {}

int TGxCustomScrollControl::GetHorzScrollDelta(int, int)
{
    return 0;
}

int TGxCustomScrollControl::GetVertScrollDelta(int, int)
{
    return 0;
}

void TGxCustomScrollControl::ScrollContent(TGxCustomScrollBar* bar, int deltaX, int deltaY)
{
    BeforeScroll(bar->Kind(), deltaX, deltaY);
    if (HandleAllocated()) {
        const TRect clip = deltaX != 0 ? horzScrollClipRect_ : vertScrollClipRect_;
        ScrollWindowEx(Handle(), deltaX, deltaY, nullptr, &clip, nullptr, nullptr, SW_INVALIDATE);
    }
    AfterScroll(bar->Kind());
}

void TGxCustomScrollControl::FocusOwnWindow()
{
    if (GetParentForm(this) && HandleAllocated())
        ::SetFocus(Handle());
}

// The form's own tab order moves the focus, as a Tab or Shift+Tab key sent to the parent would.
void TGxCustomScrollControl::TabToNextControl()
{
    if (TCustomForm* form = GetParentForm(this))
        form->SelectNext(this, true, true);
}

void TGxCustomScrollControl::TabToPrevControl()
{
    if (TCustomForm* form = GetParentForm(this))
        form->SelectNext(this, false, true);
}

// --- with two bars and roll scrolling ----------------------------------------------------------------------

TGxScrollControl::TGxScrollControl(TComponent* owner)
    : TGxCustomScrollControl(owner), horzScrollBar_(std::make_unique<TGxScrollBar>(this, Canvas())),
      vertScrollBar_(std::make_unique<TGxScrollBar>(this, Canvas())), rollShadow_(new TRollShadow(this)),
      rollTimer_(new TTimer(this))
{
    rollTimer_->SetEnabled(false);
    rollTimer_->SetInterval(1);
    rollShadow_->SetVisible(false);
    rollShadow_->SetParent(this);
    rollTimer_->OnTimer = [this](TObject*) { RollTick(); };
    horzScrollBar_->SetKind(skHorizontal);
    vertScrollBar_->SetKind(skVertical);
    RegisterGridCursor(crRoll, "ROLL");
    RegisterGridCursor(crRollUp, "ROLLUP");
    RegisterGridCursor(crRollDown, "ROLLDOWN");
}

TGxScrollControl::~TGxScrollControl() = default;

void TGxScrollControl::DoHorizontalScroll()
{
    if (OnHorizontalScroll)
        OnHorizontalScroll(this, horzScrollBar_->Position());
}

void TGxScrollControl::DoVerticalScroll()
{
    if (OnVerticalScroll)
        OnVerticalScroll(this, vertScrollBar_->Position());
}

void TGxScrollControl::CreateParams(TCreateParams& params)
{
    TGxCustomScrollControl::CreateParams(params);
    params.Style |= WS_HSCROLL | WS_VSCROLL | WS_CLIPCHILDREN;
}

void TGxScrollControl::CreateWnd()
{
    TGxCustomScrollControl::CreateWnd();
    UpdateBars();
}

void TGxScrollControl::UpdateBars()
{
    horzScrollBar_->UpdateScrollBar();
    vertScrollBar_->UpdateScrollBar();
}

void TGxScrollControl::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
        TGxCustomScrollControl::Dispatch(message);
        ScrollMessage(message, message.Msg == WM_HSCROLL ? *horzScrollBar_ : *vertScrollBar_);
        return;
    case WM_ERASEBKGND:
        message.Result = 1;
        return;
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS;
        return;
    case CM_ENABLEDCHANGED:
        TGxCustomScrollControl::Dispatch(message);
        Invalidate();
        UpdateBars();
        return;
    case WM_CANCELMODE:
    case WM_CAPTURECHANGED:
        TGxCustomScrollControl::Dispatch(message);
        StopRolling();
        return;
    default:
        TGxCustomScrollControl::Dispatch(message);
    }
}

void TGxScrollControl::ScrollMessage(TMessage& message, TGxScrollBar& bar)
{
    const unsigned code = LOWORD(message.WParam);
    const int position = bar.Position();
    std::optional<int> target;
    switch (code) {
    case SB_LINEUP:
    case SB_LINEDOWN:
        bar.SetScrollKind(rkLine);
        target = code == SB_LINEUP ? position - bar.SmallChange() : position + bar.SmallChange();
        break;
    case SB_PAGEUP:
    case SB_PAGEDOWN:
        bar.SetScrollKind(rkPage);
        target = code == SB_PAGEUP ? position - bar.LargeChange() : position + bar.LargeChange();
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
        bar.SetScrollKind(rkThumb);
        TScrollInfo info;
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(Handle(), bar.BarFlag(), info);
        target = info.nTrackPos;
        break;
    }
    case SB_TOP:
    case SB_BOTTOM:
        bar.SetScrollKind(rkTopBottom);
        target = code == SB_TOP ? 0 : bar.Max();
        break;
    }
    if (target) {
        if (*target < 0)
            target = 0;
        if (*target > bar.Max() - bar.PageSize())
            target = bar.Max() - bar.PageSize() + 1;
        bar.SetPosition(*target);
    }
    // Every code, SB_ENDSCROLL too, tells of the position.
    &bar == horzScrollBar_.get() ? DoHorizontalScroll() : DoVerticalScroll();
}

bool TGxScrollControl::DoMouseWheelDown(TShiftState shift, TPoint mousePos)
{
    return mouseWheelEnabled_ || TGxCustomScrollControl::DoMouseWheelDown(shift, mousePos);
}

bool TGxScrollControl::DoMouseWheelUp(TShiftState shift, TPoint mousePos)
{
    return mouseWheelEnabled_ || TGxCustomScrollControl::DoMouseWheelUp(shift, mousePos);
}

// --- roll scrolling ----------------------------------------------------------------------------------------

void TGxScrollControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TGxCustomScrollControl::MouseDown(button, shift, x, y);
    if (button == mbMiddle && scrollStyle_.Contains(rsRoll))
        StartRolling(x, y);
}

void TGxScrollControl::StartRolling(int x, int y)
{
    viewState_.Include(vsRolling);
    rollShadow_->SetCursor(crRoll);
    rollPoint_ = {x, y};
    rollShadow_->SetPosition(ClientToScreen({x, y}));
    rollShadow_->Show();
    rollTimer_->SetInterval(1);
    rollTimer_->SetEnabled(true);
    SetCapture(Handle());
}

void TGxScrollControl::MouseMove(TShiftState shift, int x, int y)
{
    TGxCustomScrollControl::MouseMove(shift, x, y);
    if (!viewState_.Contains(vsRolling))
        return;
    const int dy = y - rollPoint_.Y;
    if (dy < -5) {
        Screen->SetCursor(crRollUp);
        rollDirection_ = rdUp;
    } else if (dy > 5) {
        Screen->SetCursor(crRollDown);
        rollDirection_ = rdDown;
    } else {
        Screen->SetCursor(crRoll);
        rollDirection_ = {};
    }
    rollShadow_->SetCursor(Screen->Cursor());
}

// The farther the pointer from the start point, the shorter the pause before the next row.
void TGxScrollControl::RollTick()
{
    TPoint pointer;
    GetCursorPos(pointer);
    const int distance = std::abs(ScreenToClient(pointer).Y - rollPoint_.Y);
    rollTimer_->SetInterval(static_cast<unsigned>(std::max(100 - distance, 1)));
    if (rollDirection_.Contains(rdUp))
        vertScrollBar_->Prior();
    else if (rollDirection_.Contains(rdDown))
        vertScrollBar_->Next();
}

void TGxScrollControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TGxCustomScrollControl::MouseUp(button, shift, x, y);
    StopRolling();
}

// Also when the capture or the mouse mode is taken away: the roll never runs on by itself.
void TGxScrollControl::StopRolling()
{
    if (!viewState_.Contains(vsRolling))
        return;
    rollTimer_->SetEnabled(false);
    viewState_.Exclude(vsRolling);
    rollDirection_ = {};
    rollShadow_->Hide();
    Screen->SetCursor(crDefault);
    if (GetCapture() == Handle())
        ReleaseCapture();
}

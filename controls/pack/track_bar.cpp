#include "controls/pack/track_bar.h"

#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/message_views.h"

#include <cmath>

TKVGxTrackBar6::TKVGxTrackBar6(TComponent* owner) : TGxStyledControl6(owner) {}

// --- value -------------------------------------------------------------------------------------------------

void TKVGxTrackBar6::SetPosition(double value)
{
    if (value == FPosition || std::isnan(value))
        return;
    value = std::max(std::min(value, FMax), FMin);
    if (value == FPosition)
        return;
    InvalidateThumbAndProgress();
    FPosition = value;
    DoChange();
    InvalidateThumbAndProgress();
}

void TKVGxTrackBar6::InvalidateThumbAndProgress()
{
    const TKVGxTrackBarRects r = Rects();
    InvalidateArea(r.Thumb);
    if (FProgressLocation != tpHidden)
        InvalidateArea(r.Progress);
}

void TKVGxTrackBar6::SetMax(double value)
{
    if (value == FMax || std::isnan(value))
        return;
    FMax = value;
    if (FMin >= FMax)
        FMax = FMin + FStep;
    Invalidate();
}

void TKVGxTrackBar6::SetMin(double value)
{
    if (value == FMin || std::isnan(value))
        return;
    FMin = value;
    if (FMin >= FMax)
        FMin = FMax - FStep;
    Invalidate();
}

void TKVGxTrackBar6::SetStep(double value)
{
    if (!std::isnan(value))
        FStep = value;
}

void TKVGxTrackBar6::DoChange()
{
    if (OnChange)
        OnChange(this);
}

// --- looks -------------------------------------------------------------------------------------------------

void TKVGxTrackBar6::SetImages(TCustomImageList* value)
{
    if (SetWatchedReference(*this, FImages, value))
        Invalidate();
}

void TKVGxTrackBar6::Notification(TComponent* component, TOperation operation)
{
    TGxStyledControl6::Notification(component, operation);
    if (operation == opRemove && component == FImages) {
        FImages = nullptr;
        Invalidate();
    }
}

void TKVGxTrackBar6::SetProgressColor(TColor value)
{
    if (value == FProgressColor)
        return;
    FProgressColor = value;
    InvalidateArea(ProgressRect());
}

void TKVGxTrackBar6::SetProgressGradientDirection(TGradientDirection value)
{
    if (value == FProgressGradientDirection)
        return;
    FProgressGradientDirection = value;
    if (FProgressColorTo != clNone)
        Invalidate();
}

void TKVGxTrackBar6::SetTrackGradientDirection(TGradientDirection value)
{
    if (value == FTrackGradientDirection)
        return;
    FTrackGradientDirection = value;
    if (FTrackColorTo != clNone)
        Invalidate();
}

void TKVGxTrackBar6::SetTrackHeight(int value)
{
    StoreRepaint(FTrackHeight, std::max(value, 1));
}

void TKVGxTrackBar6::SetState(TGxButtonState value)
{
    if (value == FState)
        return;
    FState = value;
    Invalidate();
}

// --- input -------------------------------------------------------------------------------------------------

void TKVGxTrackBar6::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TGxStyledControl6::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    const TKVGxTrackBarRects r = Rects();
    const TPoint p{x, y};
    if (PtInRect(r.Minus, p)) {
        SetPosition(FPosition - FStep);
    } else if (PtInRect(r.Plus, p)) {
        SetPosition(FPosition + FStep);
    } else if (PtInRect(r.TrackTouch, p) || PtInRect(r.Thumb, p)) {
        SetPosition(GetPositionAtPos(x, y));
        TGxButtonState state = FState;
        state.Include(bsPressed);
        SetState(state);
    }
    if (CanFocus() && IsParentFormShowing())
        SetFocus();
}

void TKVGxTrackBar6::MouseMove(TShiftState shift, int x, int y)
{
    TGxStyledControl6::MouseMove(shift, x, y);
    if (FState.Contains(bsPressed))
        SetPosition(GetPositionAtPos(x, y));
    TGxButtonState state = FState;
    if (PtInRect(ThumbRect(), {x, y}))
        state.Include(bsHover);
    else
        state.Exclude(bsHover);
    SetState(state);
}

void TKVGxTrackBar6::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TGxStyledControl6::MouseUp(button, shift, x, y);
    TGxButtonState state = FState;
    state.Exclude(bsPressed);
    SetState(state);
}

void TKVGxTrackBar6::KeyDown(uint16_t& key, TShiftState shift)
{
    TGxStyledControl6::KeyDown(key, shift);
    switch (key) {
    case VK_RIGHT:
        SetPosition(FPosition + FStep);
        break;
    case VK_LEFT:
        SetPosition(FPosition - FStep);
        break;
    case VK_HOME:
        SetPosition(FMin);
        break;
    case VK_END:
        SetPosition(FMax);
        break;
    }
}

bool TKVGxTrackBar6::ReportWheel(const TKVGxWheelEvent& event, TShiftState shift, TPoint mousePos)
{
    // The wheel never moves the thumb: it is only reported.
    if (!event)
        return true;
    bool allow = true;
    event(this, shift, FPosition, mousePos, allow);
    return allow;
}

bool TKVGxTrackBar6::DoMouseWheelDown(TShiftState shift, TPoint mousePos)
{
    TGxStyledControl6::DoMouseWheelDown(shift, mousePos);
    return ReportWheel(OnMouseWheelDown, shift, mousePos);
}

bool TKVGxTrackBar6::DoMouseWheelUp(TShiftState shift, TPoint mousePos)
{
    TGxStyledControl6::DoMouseWheelUp(shift, mousePos);
    return ReportWheel(OnMouseWheelUp, shift, mousePos);
}

void TKVGxTrackBar6::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_GETDLGCODE:
        TGxStyledControl6::Dispatch(message);
        message.Result |= DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case WM_MOUSEWHEEL:
        TGxStyledControl6::Dispatch(message);
        if (OnMouseWheel)
            OnMouseWheel(this, message);
        return;
    default:
        TGxStyledControl6::Dispatch(message);
    }
}

#include "controls/skins/skin_drawing.h"
#include "controls/skins/skin_text_object.h"
#include "controls/skins/skin_types.h"
#include "controls/skins/skin_unit_resources.h"
#include "platform/gui/forms/hints.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/windows/cursors.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/window_functions.h"

// The skinned caption control's mouse, keys and messages: the hot look follows the pointer, the pushed look
// the left button and the space bar.

void TQvTextObject::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && Enabled() && !FPushed) {
        FPushed = true;
        if (Focused() || !CanFocus())
            Invalidate();
        else
            SetFocus();
    }
    TQvCustomControl::MouseDown(button, shift, x, y);
}

void TQvTextObject::MouseMove(TShiftState shift, int x, int y)
{
    if (FPushed)
        UpdateMouseInControl(false);
    TQvCustomControl::MouseMove(shift, x, y);
}

void TQvTextObject::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    FPushed = false;
    Invalidate();
    TQvCustomControl::MouseUp(button, shift, x, y);
}

void TQvTextObject::KeyDown(uint16_t& key, TShiftState shift)
{
    TQvCustomControl::KeyDown(key, shift);
    if (key == VK_SPACE && FSpaceAsClick) {
        FPushed = true;
        FMouseInControl = true;
        Invalidate();
    }
}

void TQvTextObject::KeyUp(uint16_t& key, TShiftState shift)
{
    if (key == VK_SPACE && FSpaceAsClick && FPushed) {
        FPushed = false;
        FMouseInControl = false;
        Click();
        Invalidate();
    }
    TQvCustomControl::KeyUp(key, shift);
}

void TQvTextObject::UpdateMouseInControl(bool forceLeave)
{
    if (forceLeave) {
        // The leave handling runs whatever the flag said.
        FMouseInControl = true;
        Perform(CM_MOUSELEAVE, 0, 0);
        return;
    }
    if (!Enabled())
        return;
    TPoint cursor;
    if (!GetCursorPos(cursor))
        return;
    const bool inside = FindDragTarget(cursor, true) == this;
    if (inside == FMouseInControl)
        return;
    // The handlers flip the flag back and fire the events.
    FMouseInControl = !inside;
    Perform(inside ? CM_MOUSEENTER : CM_MOUSELEAVE, 0, 0);
}

void TQvTextObject::DoMouseEnter()
{
    Invalidate();
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TQvTextObject::DoMouseLeave()
{
    Invalidate();
    if (OnMouseLeave)
        OnMouseLeave(this);
}

// The parent hears of the pointer as from every control; the control's own events come from DoMouseEnter
// and DoMouseLeave, once for each change.
void TQvTextObject::MouseEnterMessage(TMessage& message)
{
    if (message.LParam != 0) {
        TQvCustomControl::Dispatch(message);
        return;
    }
    if (Parent())
        Parent()->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(this));
    if (!FMouseInControl) {
        FMouseInControl = true;
        DoMouseEnter();
    }
}

void TQvTextObject::MouseLeaveMessage(TMessage& message)
{
    if (message.LParam != 0) {
        TQvCustomControl::Dispatch(message);
        return;
    }
    if (Parent())
        Parent()->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(this));
    if (FMouseInControl) {
        FMouseInControl = false;
        DoMouseLeave();
    }
}

void TQvTextObject::EnabledChangedMessage(TMessage& message)
{
    TQvCustomControl::Dispatch(message);
    if (Enabled() || !FMouseInControl) {
        Invalidate();
        return;
    }
    FMouseInControl = false;
    DoMouseLeave();
    Perform(WM_CANCELMODE, 0, 0);
}

void TQvTextObject::SetCursorMessage(TMessage& message)
{
    const TSetCursorView view(message);
    TPoint cursor;
    const bool inside = GetCursorPos(cursor) && PtInRect(ClientRect(), ScreenToClient(cursor));
    if (!ComponentState().Contains(csDesigning) && HandleAllocated() && view.Window == Handle() &&
        !LinkText().empty() && inside && ScreenCursorOverride() == crDefault) {
        ::SetCursor(CursorShape(crSkinHandPoint));
        message.Result = 1;
        return;
    }
    TQvCustomControl::Dispatch(message);
}

void TQvTextObject::EraseBackgroundMessage(TMessage& message)
{
    message.Result = 1;
    HDC dc = TPaintView(message).DC;
    if (!dc)
        return;
    if (Color() == clNone && Parent()) {
        DrawParentBackground(*this, *dc, ClientRect());
        return;
    }
    dc->Brush()->SetColor(Color() == clNone ? clBtnFace : Color());
    dc->Brush()->SetStyle(bsSolid);
    dc->FillRect(ClientRect());
}

void TQvTextObject::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND:
        EraseBackgroundMessage(message);
        return;
    case WM_SETFOCUS:
        TQvCustomControl::Dispatch(message);
        Invalidate();
        return;
    case WM_KILLFOCUS:
        TQvCustomControl::Dispatch(message);
        FPushed = false;
        Invalidate();
        return;
    case WM_SETCURSOR:
        SetCursorMessage(message);
        return;
    case CM_ENABLEDCHANGED:
        EnabledChangedMessage(message);
        return;
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
        TQvCustomControl::Dispatch(message);
        Invalidate();
        AdjustBounds();
        return;
    case CM_MOUSEENTER:
        MouseEnterMessage(message);
        return;
    case CM_MOUSELEAVE:
        MouseLeaveMessage(message);
        return;
    case CM_HINTSHOW:
        HintShowMessage(*reinterpret_cast<THintInfo*>(message.LParam));
        return;
    case WM_SKINCHANGED:
        if (HandleAllocated()) {
            const TRect client = ClientRect();
            InvalidateRect(Handle(), &client, true);
        }
        return;
    default:
        TQvCustomControl::Dispatch(message);
    }
}

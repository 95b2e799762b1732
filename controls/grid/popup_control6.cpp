#include "controls/grid/popup_control6.h"

#include "controls/grid/color_schemes.h"
#include "controls/grid/edit6.h"
#include "controls/grid/window_canvas.h"
#include "platform/gui/forms/screen.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/window_functions.h"

TRect PlacePopup(int x, int y, TSize size, TGxPopupAnchor anchor, const TRect& workArea, int ownerHeight)
{
    const TRect wanted = Bounds(anchor == PopupAnchor::paLeft ? x : x - size.cx, y, size.cx, size.cy);
    int left = std::max(wanted.Left, workArea.Left);
    if (wanted.Right > workArea.Right)
        left = workArea.Right - size.cx;
    int top = std::max(y, workArea.Top);
    if (wanted.Bottom > workArea.Bottom)
        top = workArea.Bottom - size.cy;
    // Kept inside the work area it would cover its owner: it opens above it instead.
    if (top < y)
        top = y - size.cy - ownerHeight;
    return Bounds(left, top, size.cx, size.cy);
}

TGxPopupControl6::TGxPopupControl6(TComponent* owner)
    : TGxScrollControl6(owner), dropDown_(dynamic_cast<IGxDropDown*>(owner))
{
    controlStyle_ += {csAcceptsControls, csNoDesignVisible};
    // The popup takes and gives the mouse capture itself.
    controlStyle_.Exclude(csCaptureMouse);
    SetBorderSize(1);
    SetScrollBars({});
    SetVisible(false);
}

void TGxPopupControl6::SetShowShadow(bool value)
{
    if (value == showShadow_)
        return;
    showShadow_ = value;
    RecreateWnd();
}

TRect TGxPopupControl6::ControlRect() const
{
    TRect window;
    GetWindowRect(const_cast<TGxPopupControl6*>(this)->Handle(), window);
    const TPoint origin = ClientOrigin();
    OffsetRect(window, -origin.X, -origin.Y);
    return window;
}

// A child of the desktop: top-most, no task bar button, and never activated, so that the edit keeps the
// focus and hands its keys on.
void TGxPopupControl6::CreateParams(TCreateParams& params)
{
    TGxScrollControl6::CreateParams(params);
    params.WndParent = nullptr;
    params.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP;
    params.ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    params.WindowClass.style = CS_SAVEBITS | CS_DBLCLKS | (showShadow_ ? CS_DROPSHADOW : 0);
}

void TGxPopupControl6::Popup(int x, int y, TGxPopupAnchor anchor)
{
    BeforePopup();
    const TRect wanted = Bounds(anchor == PopupAnchor::paLeft ? x : x - Width(), y, Width(), Height());
    const TRect workArea = Screen->MonitorFromRect(wanted)->WorkareaRect();
    const auto* owner = dynamic_cast<const TControl*>(Owner());
    const TRect place = PlacePopup(x, y, {Width(), Height()}, anchor, workArea, owner ? owner->Height() : 0);
    SetWindowPos(Handle(), HWND_TOP, place.Left, place.Top, place.Width(), place.Height(),
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    SetBounds(place.Left, place.Top, place.Width(), place.Height());
    SetVisible(true);
    AfterPopup();
    Repaint();
    CaptureWhenOutside();
}

void TGxPopupControl6::Close(const std::string&)
{
    if (!dropDown_ || !dropDown_->AutoClose())
        return;
    popupState_.Include(psClosing);
    dropDown_->SetDroppedDown(false);
}

void TGxPopupControl6::CloseEdit()
{
    if (!dropDown_)
        return;
    popupState_.Include(psClosing);
    dropDown_->SetDroppedDown(false);
}

void TGxPopupControl6::CaptureWhenOutside()
{
    if (!HandleAllocated() || !Visible())
        return;
    TPoint cursor;
    GetCursorPos(cursor);
    TRect window;
    GetWindowRect(Handle(), window);
    if (!PtInRect(window, cursor) && GetCapture() != Handle())
        SetCapture(Handle());
}

// A press elsewhere closes the popup, whatever the edit says about closing.
void TGxPopupControl6::ButtonDown(TMessage& message)
{
    TGxScrollControl6::Dispatch(message);
    mouseDown_ = true;
    const TPoint p = TMouseView(message).Pos;
    if (PtInRect(ClientRect(), p) || PtInRect(ControlRect(), p))
        return;
    if (dropDown_)
        dropDown_->SetDroppedDown(false);
}

// A release after a press on the popup closes it; otherwise the popup keeps the mouse while it is outside.
void TGxPopupControl6::ButtonUp(TMessage& message)
{
    if (ComponentState().Contains(csDestroying) || popupState_.Contains(psClosing))
        return;
    TGxScrollControl6::Dispatch(message);
    const TPoint p = TMouseView(message).Pos;
    if (mouseDown_ && PtInRect(ClientRect(), p)) {
        mouseDown_ = false;
        // Nothing of the popup is touched once the edit was told.
        CloseEdit();
        return;
    }
    if (!PtInRect(ControlRect(), p))
        SetCapture(Handle());
    mouseDown_ = false;
}

void TGxPopupControl6::PaintFrame()
{
    const TWindowCanvas window(Handle());
    if (!window.Canvas())
        return;
    window.Canvas()->Brush()->SetStyle(bsSolid);
    window.Canvas()->Brush()->SetColor(GetSchemeColor6(18, 0));
    window.Canvas()->FrameRect({0, 0, Width(), Height()});
}

void TGxPopupControl6::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_NCPAINT:
        // The window's scroll bars, then the popup's own frame in place of the border rings.
        DefaultHandler(message);
        PaintFrame();
        return;
    case WM_LBUTTONDOWN:
        ButtonDown(message);
        return;
    case WM_LBUTTONUP:
        ButtonUp(message);
        return;
    case WM_MOUSEMOVE:
        TGxScrollControl6::Dispatch(message);
        // The pointer came in: the popup's own window hears it from now on.
        if (GetCapture() == Handle() && PtInRect(ClientRect(), TMouseView(message).Pos))
            ReleaseCapture();
        return;
    case CM_MOUSEENTER:
        TGxScrollControl6::Dispatch(message);
        if (message.LParam == 0 && GetCapture() == Handle())
            ReleaseCapture();
        return;
    case CM_MOUSELEAVE:
    case WM_NCMOUSELEAVE:
        TGxScrollControl6::Dispatch(message);
        CaptureWhenOutside();
        return;
    default:
        TGxScrollControl6::Dispatch(message);
    }
}

// --- a popup of an edit ------------------------------------------------------------------------------------

TGxEditPopupControl6::TGxEditPopupControl6(TComponent* owner) : TGxPopupControl6(owner) {}

TGxCustomEdit6* TGxEditPopupControl6::Edit() const
{
    return dynamic_cast<TGxCustomEdit6*>(Owner());
}

void TGxEditPopupControl6::Close(const std::string& text)
{
    if (TGxCustomEdit6* edit = Edit())
        edit->SetText(text);
    TGxPopupControl6::Close(text);
}

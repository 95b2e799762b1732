#include "controls/grid/drop_down_edit6.h"

#include "controls/grid/text_drawing.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/caret.h"
#include "platform/gui/windows/message_loop.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/window_functions.h"

#include <utility>

namespace {

// Posted to the edit after a close-up: the closed popups are freed.
constexpr uint32_t CM_FREEPOPUPS = WM_APP + 0x0601;

TGxEditButton* MakeDropDownButton(TGxCustomButtonEdit6* edit)
{
    auto* button = new TGxDropDownButton6(edit);
    // Each press toggles it.
    button->SetAutoUp(false);
    return button;
}

} // namespace

TGxDropDownEdit6::TGxDropDownEdit6(TComponent* owner) : TGxCustomButtonEdit6(owner, MakeDropDownButton) {}

// The popups outlive the edit by a moment (they are owned components): they must not reach it then.
TGxDropDownEdit6::~TGxDropDownEdit6()
{
    if (popupControl_)
        popupControl_->SetDropDown(nullptr);
    for (TGxPopupControl6* popup : retired_)
        popup->SetDropDown(nullptr);
}

void TGxDropDownEdit6::SetDroppedDown(bool value)
{
    if (value == droppedDown_)
        return;
    droppedDown_ = value;
    if (value)
        DropDown();
    else
        CloseUp();
    Button()->SetDown(droppedDown_);
}

void TGxDropDownEdit6::SetStyle(TGxDropDownStyle value)
{
    if (value == style_)
        return;
    style_ = value;
    SetCursor(ListStyle() ? crArrow : crDefault);
    ApplyReadOnly();
    if (Focused())
        ShowCaretForStyle();
    Invalidate();
}

// The list style shows no caret.
void TGxDropDownEdit6::ShowCaretForStyle()
{
    if (ListStyle())
        DestroyCaret();
    else
        Editor().CreateCaretFor(Handle());
}

void TGxDropDownEdit6::SetReadOnly(bool value)
{
    readOnly_ = value;
    ApplyReadOnly();
}

// The window is read-only in the list style and while ReadOnly is set.
void TGxDropDownEdit6::ApplyReadOnly()
{
    TGxCustomButtonEdit6::SetReadOnly(ListStyle() || readOnly_);
}

bool TGxDropDownEdit6::CanDispatchKey(uint16_t key, TShiftState shift) const
{
    return !droppedDown_ && TGxCustomButtonEdit6::CanDispatchKey(key, shift);
}

void TGxDropDownEdit6::DoCloseUp()
{
    if (OnCloseUp)
        OnCloseUp(this);
}

void TGxDropDownEdit6::DoSelect()
{
    if (OnSelect)
        OnSelect(this);
}

void TGxDropDownEdit6::DoDropDown()
{
    if (OnDropDown)
        OnDropDown(this);
}

// --- dropping down and closing up --------------------------------------------------------------------------

void TGxDropDownEdit6::DropDown()
{
    if (!popupControl_) {
        popupControl_ = CreatePopupControl();
        popupControl_->SetFont(Font());
    }
    DoPrepareDropDown();
    const TPoint corner{popupAnchor_ == PopupAnchor::paLeft ? Left() : Left() + Width(), Top() + Height()};
    const TPoint screen = Parent() ? Parent()->ClientToScreen(corner) : corner;
    popupControl_->Popup(screen, popupAnchor_);
    DoDropDown();
}

// The popup goes from the screen now and from memory when the message loop turns: its handlers may be
// running still.
void TGxDropDownEdit6::CloseUp()
{
    ReleaseCapture();
    if (TGxPopupControl6* popup = std::exchange(popupControl_, nullptr)) {
        popup->Hide();
        retired_.push_back(popup);
        if (!HandleAllocated() || !PostMessage(Handle(), CM_FREEPOPUPS, 0, 0))
            FreeRetiredPopups();
    }
    DoCloseUp();
}

void TGxDropDownEdit6::FreeRetiredPopups()
{
    for (TGxPopupControl6* popup : std::exchange(retired_, {}))
        popup->Free();
}

// --- keys and focus ----------------------------------------------------------------------------------------

void TGxDropDownEdit6::KeyDown(uint16_t& key, TShiftState shift)
{
    TGxCustomButtonEdit6::KeyDown(key, shift);
    if ((key == VK_UP || key == VK_DOWN) && shift.Contains(ssAlt))
        SetDroppedDown(!droppedDown_);
    else if (key == VK_RETURN || key == VK_ESCAPE)
        SetDroppedDown(false);
}

void TGxDropDownEdit6::DoEnter()
{
    TGxCustomButtonEdit6::DoEnter();
    if (autoDropDown_)
        SetDroppedDown(true);
}

// The read-only state comes back; the list style shows no caret.
void TGxDropDownEdit6::FocusGained(TMessage& message)
{
    TGxCustomButtonEdit6::Dispatch(message);
    ApplyReadOnly();
    if (ListStyle()) {
        ShowCaretForStyle();
        Invalidate();
    }
}

// --- the list style's face ---------------------------------------------------------------------------------

// The list style paints its own face in place of the edit's.
void TGxDropDownEdit6::PaintWindow(HDC dc)
{
    if (!ListStyle()) {
        TGxCustomButtonEdit6::PaintWindow(dc);
        return;
    }
    TCanvasBinding binding(*Canvas(), dc);
    // EditRect is in window coordinates.
    TRect window;
    GetWindowRect(Handle(), window);
    const TPoint origin = ClientOrigin();
    const int saved = SaveDC(*Canvas());
    MoveWindowOrg(*Canvas(), window.Left - origin.X, window.Top - origin.Y);
    PaintListText(*Canvas());
    RestoreDC(*Canvas(), saved);
}

void TGxDropDownEdit6::PaintListText(TCanvas& canvas)
{
    canvas.SetFont(Font());
    canvas.Brush()->SetStyle(bsSolid);
    if (Focused()) {
        canvas.Brush()->SetColor(clHighlight);
        canvas.Font()->SetColor(clHighlightText);
    } else {
        canvas.Brush()->SetColor(Color());
    }
    const TRect area = EditRect();
    canvas.FillRect(area);
    TRect text = area;
    if (BorderStyle() == bsSingle)
        OffsetRect(text, 2, 2);
    DrawTextInRect(canvas, text, taLeftJustify, taAlignTop, Text(), TextWrap::twNone, false);
}

// --- messages ----------------------------------------------------------------------------------------------

void TGxDropDownEdit6::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_FREEPOPUPS:
        FreeRetiredPopups();
        return;
    case WM_SETFOCUS:
        FocusGained(message);
        return;
    case WM_KILLFOCUS:
        TGxCustomButtonEdit6::Dispatch(message);
        if (ListStyle())
            Invalidate();
        return;
    case WM_ERASEBKGND:
        message.Result = ListStyle() ? 1 : 0;
        return;
    case WM_LBUTTONDOWN:
        TGxCustomButtonEdit6::Dispatch(message);
        if (ListStyle())
            SetDroppedDown(!droppedDown_);
        return;
    case CM_FONTCHANGED:
        TGxCustomButtonEdit6::Dispatch(message);
        if (popupControl_)
            popupControl_->SetFont(Font());
        return;
    default:
        TGxCustomButtonEdit6::Dispatch(message);
    }
}

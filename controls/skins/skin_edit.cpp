#include "controls/skins/skin_edit.h"

#include "controls/skins/skin_control_painting.h"
#include "controls/skins/skin_edit_button.h"
#include "controls/skins/skin_edit_painting.h"
#include "controls/skins/skin_manager.h"
#include "controls/skins/skin_types.h"
#include "platform/gui/windows/window_functions.h"

// --- TQvUnicodeEdit ----------------------------------------------------------------------------------------

bool TQvUnicodeEdit::HasEditButton() const
{
    if (!HandleAllocated())
        return false;
    for (int i = 0; i < ControlCount(); ++i)
        if (dynamic_cast<TQvEditButton*>(Controls(i)))
            return true;
    return false;
}

void TQvUnicodeEdit::UpdateEditMargins()
{
    if (!HandleAllocated())
        return;
    int left = 0;
    int right = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        auto* button = dynamic_cast<TQvEditButton*>(Controls(i));
        if (!button || !button->Visible())
            continue;
        if (button->Align() == alLeft)
            left += button->Width();
        else if (button->Align() == alRight)
            right += button->Width();
    }
    const int leftMargin = left >= 1 ? left + 2 : left;
    const int rightMargin = right >= 1 ? right + 2 : right;
    Perform(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(leftMargin, rightMargin));
}

void TQvUnicodeEdit::CreateParams(TCreateParams& params)
{
    TEdit::CreateParams(params);
    params.Style |= WS_CLIPCHILDREN;
}

void TQvUnicodeEdit::CreateWnd()
{
    TEdit::CreateWnd();
    UpdateEditMargins();
}

void TQvUnicodeEdit::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_ENABLEDCHANGED:
        TEdit::Dispatch(message);
        for (int i = 0; i < ControlCount(); ++i)
            if (auto* button = dynamic_cast<TQvEditButton*>(Controls(i)))
                button->SetEnabled(Enabled());
        return;
    case CM_FONTCHANGED:
        TEdit::Dispatch(message);
        UpdateEditMargins();
        return;
    default:
        TEdit::Dispatch(message);
    }
}

// --- TQvEdit -----------------------------------------------------------------------------------------------

TQvEdit::TQvEdit(TComponent* owner) : TQvUnicodeEdit(owner)
{
    GetSkinManager().AddSkinNotification(this);
    if (!ComponentState().Contains(csDesigning))
        SetDoubleBuffered(true);
}

TQvEdit::~TQvEdit()
{
    GetSkinManager().RemoveSkinNotification(this);
}

void TQvEdit::SetBorderStyle(TBorderStyle value)
{
    if (FBorderStyle == value)
        return;
    FBorderStyle = value;
    InvalidateFrame();
}

void TQvEdit::SetHotTrack(bool value)
{
    if (FHotTrack == value)
        return;
    FHotTrack = value;
    InvalidateFrame();
}

void TQvEdit::InvalidateFrame()
{
    if (HandleAllocated())
        RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE);
}

void TQvEdit::SetMouseInControlAndShow(bool value)
{
    FMouseInControl = value;
    if (FHotTrack)
        InvalidateFrame();
}

// The pointer going onto one of the edit's buttons arrives as an enter from that child: the edit stays hot.
void TQvEdit::MouseEnterLeave(TMessage& message, bool entering)
{
    TQvUnicodeEdit::Dispatch(message);
    if (FMouseInControl == entering)
        return;
    FMouseInControl = entering;
    if (FHotTrack && !Focused() && (HasEditButton() || EditFrameHotLookDiffers(FBorderStyle != bsNone)))
        InvalidateFrame();
}

void TQvEdit::PaintFrame(TMessage& message)
{
    const bool hot = FHotTrack && (FMouseInControl || Focused());
    if (GetSkinManager().GetSkinType() == sknNone && FBorderStyle != bsNone) {
        TQvUnicodeEdit::Dispatch(message);
        return;
    }
    if (Ctl3D())
        PaintControlFrame(*this, hot, false, FBorderStyle == bsNone);
    else
        TQvUnicodeEdit::Dispatch(message);
}

void TQvEdit::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_ENABLEDCHANGED:
        TQvUnicodeEdit::Dispatch(message);
        SetMouseInControlAndShow(false);
        return;
    case CM_ENTER:
    case CM_EXIT:
        TQvUnicodeEdit::Dispatch(message);
        SetMouseInControlAndShow(message.Msg == CM_ENTER);
        return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        MouseEnterLeave(message, message.Msg == CM_MOUSEENTER);
        return;
    case WM_NCPAINT:
        PaintFrame(message);
        return;
    case WM_SKINCHANGED:
        TQvUnicodeEdit::Dispatch(message);
        InvalidateFrame();
        return;
    default:
        TQvUnicodeEdit::Dispatch(message);
    }
}

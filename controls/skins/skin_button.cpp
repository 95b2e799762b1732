#include "controls/skins/skin_button.h"

#include "controls/skins/skin_control_painting.h"
#include "controls/skins/skin_glyphs.h"
#include "controls/skins/skin_item_painting.h"
#include "controls/skins/skin_manager.h"
#include "controls/skins/skin_types.h"
#include "platform/gui/forms/forms.h"
#include "platform/gui/forms/menus.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/windows/keys.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/timers.h"

// The skinned button control and push button: groups, properties and the painted face. The push button's
// clicks, drop-down menu, repeat and keys are in skin_button_click.cpp.

// --- TQvButtonControl --------------------------------------------------------------------------------------

TQvButtonControl::TQvButtonControl(TComponent* owner) : TQvTextObject(owner)
{
    TControlStyle style = ControlStyle();
    style.Exclude(csDoubleClicks);
    SetControlStyle(style);
}

void TQvButtonControl::SetAllowAllUp(bool value)
{
    if (FAllowAllUp == value)
        return;
    FAllowAllUp = value;
    UpdateGroup();
}

void TQvButtonControl::SetGroupIndex(int value)
{
    if (FGroupIndex == value)
        return;
    FGroupIndex = value;
    UpdateGroup();
}

void TQvButtonControl::SetChecked(bool value)
{
    TQvTextObject::SetChecked(value);
    if (value)
        UpdateGroup();
}

void TQvButtonControl::UpdateGroup()
{
    if (!Parent() || !IsGrouped())
        return;
    TMessage message{CM_BUTTONGROUPCHANGED, static_cast<WPARAM>(FGroupIndex), reinterpret_cast<LPARAM>(this),
                     0};
    Parent()->Broadcast(message);
}

void TQvButtonControl::ButtonGroupChanged(TMessage& message)
{
    message.Result = 0;
    auto* sender = reinterpret_cast<TQvButtonControl*>(message.LParam);
    if (static_cast<int>(message.WParam) != FGroupIndex || sender == this || !sender ||
        typeid(*sender) != typeid(*this))
        return;
    // Taken from the sender as it is: the group agrees already, so nothing is told again.
    FAllowAllUp = sender->AllowAllUp();
    if (sender->Checked() && Checked())
        SetChecked(false);
}

bool TQvButtonControl::CanFocus() const
{
    TCustomForm* form = GetParentForm(this);
    if (!form || !form->Visible() || !form->Enabled())
        return false;
    for (const TControl* control = this; control && control != form; control = control->Parent())
        if (!control->Visible() || !control->Enabled())
            return false;
    return true;
}

void TQvButtonControl::DialogChar(TMessage& message)
{
    if (Enabled() && ShowAccelChar() && IsAccel(TCharView(message).Char(), Caption()) && CanFocus() &&
        Visible()) {
        SetFocus();
        Click();
        message.Result = 1;
        return;
    }
    TQvTextObject::Dispatch(message);
}

void TQvButtonControl::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_DIALOGCHAR:
        DialogChar(message);
        return;
    case CM_BUTTONGROUPCHANGED:
        ButtonGroupChanged(message);
        return;
    default:
        TQvTextObject::Dispatch(message);
    }
}

// --- TQvCustomButton: properties ---------------------------------------------------------------------------

TQvCustomButton::TQvCustomButton(TComponent* owner)
    : TQvButtonControl(owner), FPopupControl(this), FBitmap(std::make_unique<TBitmap>())
{
    FBitmap->OnChange = [this](TObject*) { Invalidate(); };
    SetAlignment(taCenter);
    SetAutoSize(false);
    SetSpaceAsClick(true);
    SetBounds(Left(), Top(), 75, 25);
}

TQvCustomButton::~TQvCustomButton()
{
    StopRepeat();
}

void TQvCustomButton::CreateWnd()
{
    TQvButtonControl::CreateWnd();
    FActive = FDefault;
}

void TQvCustomButton::SetBitmap(const TBitmap* value)
{
    FBitmap->Assign(value);
    Invalidate();
}

void TQvCustomButton::SetBitmapTransparent(bool value)
{
    if (FBitmapTransparent == value)
        return;
    FBitmapTransparent = value;
    Invalidate();
}

void TQvCustomButton::SetDefault(bool value)
{
    FDefault = value;
    if (!HandleAllocated())
        return;
    // Every button of the form works out again whether it answers Enter.
    if (TCustomForm* form = GetParentForm(this))
        form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
}

void TQvCustomButton::SetDropDownArrow(bool value)
{
    if (FDropDownArrow == value)
        return;
    FDropDownArrow = value;
    Invalidate();
}

void TQvCustomButton::SetDropDownMenu(TPopupMenu* value)
{
    if (FDropDownMenu == value)
        return;
    if (FDropDownMenu)
        FDropDownMenu->RemoveFreeNotification(this);
    FDropDownMenu = value;
    if (FDropDownMenu)
        FDropDownMenu->FreeNotification(this);
    Invalidate();
}

void TQvCustomButton::SetFlat(bool value)
{
    if (FFlat == value)
        return;
    FFlat = value;
    Invalidate();
}

void TQvCustomButton::Notification(TComponent* component, TOperation operation)
{
    TQvButtonControl::Notification(component, operation);
    if (operation == opRemove && component == FDropDownMenu)
        FDropDownMenu = nullptr;
}

bool TQvCustomButton::GetPushed() const
{
    return IsDroppedDown() || (FPushed && FMouseInControl);
}

// --- TQvCustomButton: face ---------------------------------------------------------------------------------

bool TQvCustomButton::HasStateBitmap() const
{
    return !FBitmap->Empty() && FBitmap->Height() % 4 == 0;
}

TRect TQvCustomButton::GetSkinStateRect() const
{
    if (!HasStateBitmap())
        return {};
    int band = 0;
    if (!Enabled())
        band = 3;
    else if (Checked() || Pushed())
        band = 2;
    else if (MouseInControl())
        band = 1;
    const int height = FBitmap->Height() / 4;
    return {0, band * height, FBitmap->Width(), band * height + height};
}

void TQvCustomButton::AdjustFont(TFont& font)
{
    if (!LinkText().empty() && MouseInControl()) {
        TQvButtonControl::AdjustFont(font);
        return;
    }
    if (font.Color() == clWindowText || font.Color() == clNone)
        font.SetColor(GetCurrentSkin()->GetTextColor(
            skncButton, TQvSkinOptions::GetState(Enabled(), Pushed(), MouseInControl(), Checked())));
}

TRect TQvCustomButton::GetTextMargins()
{
    const bool arrow = FDropDownArrow && FDropDownMenu;
    return {8, 2, arrow ? 17 : 8, 2};
}

void TQvCustomButton::GetFocusRect(TRect& focusR, const TRect& clientR, const TRect&, const TRect&)
{
    const int inset = GetSkinManager().GetSkinType() == sknNone ? 4 : 3;
    focusR = {clientR.Left + inset, clientR.Top + inset, clientR.Right - inset, clientR.Bottom - inset};
}

bool TQvCustomButton::DrawDropDownArrow(TCanvas& canvas, const TRect& rect)
{
    if (!FDropDownArrow || !FDropDownMenu)
        return true;
    const TRect margins = GetTextMargins();
    const int x = (rect.Right - margins.Right + rect.Right) / 2 - 1;
    const int y = (rect.Top + rect.Bottom) / 2 - 1;
    DrawArrowTriangle(canvas, x, y, canvas.Font()->Color(), true, false, 2);
    return true;
}

void TQvCustomButton::PaintStateBitmap(TCanvas& canvas, const TRect& rect)
{
    TBitmap face(rect.Width(), rect.Height());
    face.Canvas()->CopyRect({0, 0, rect.Width(), rect.Height()}, *FBitmap->Canvas(), GetSkinStateRect());
    face.SetTransparent(FBitmapTransparent);
    canvas.Draw(rect.Left, rect.Top, &face);
}

void TQvCustomButton::PaintFace(TCanvas& canvas, const TRect& rect)
{
    if (HasStateBitmap()) {
        PaintStateBitmap(canvas, rect);
        return;
    }
    if (FFlat && FToolbarStyle) {
        PaintToolbarButtonState(
            canvas, rect, TQvSkinOptions::GetState(Enabled(), Pushed(), MouseInControl(), Checked()), cpNone);
        return;
    }
    const bool defaulted = GetSkinManager().GetSkinType() != sknSkin && FActive;
    PaintButtonBackground(canvas, rect, Enabled(), Pushed(), MouseInControl(), Checked(), false, defaulted);
}

bool TQvCustomButton::DrawBackground(TCanvas& canvas, const TRect& rect, TQvPaintStage stage)
{
    if (!TQvButtonControl::DrawBackground(canvas, rect, stage))
        return false;
    if (stage == pstPostPaint)
        return DrawDropDownArrow(canvas, rect);
    if (!FFlat || MouseInControl() || Focused() || FPushed || Checked() || IsDroppedDown())
        PaintFace(canvas, rect);
    return true;
}

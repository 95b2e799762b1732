#include "controls/edits/group_box.h"

#include "platform/gui/forms/hints.h"
#include "platform/gui/graphics/gdi.h"

// The mouse works the check box from anywhere on the caption: a press there holds it down, a release
// there toggles it; a press that ends elsewhere changes nothing.

void TVezCustomGroupBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomGroupBox::MouseDown(button, shift, x, y);
    if (!Enabled() || !checkBox_->Visible())
        return;
    checkBox_->SetDown(PtInRect(CaptionLayout().Area, {x, y}));
}

void TVezCustomGroupBox::MouseMove(TShiftState shift, int x, int y)
{
    TCustomGroupBox::MouseMove(shift, x, y);
    if (!Enabled() || !checkBox_->Visible())
        return;
    const bool over = PtInRect(CaptionLayout().Area, {x, y});
    checkBox_->SetHot(over);
    if (MouseCapture())
        checkBox_->SetDown(over);
}

void TVezCustomGroupBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomGroupBox::MouseUp(button, shift, x, y);
    if (!Enabled() || !checkBox_->Visible() || !checkBox_->Down())
        return;
    SetMouseCapture(false);
    checkBox_->SetDown(false);
    if (PtInRect(CaptionLayout().Area, {x, y}))
        Toggle();
}

void TVezCustomGroupBox::Toggle()
{
    if (!checkBox_->AllowGrayed()) {
        checkBox_->SetChecked(!checkBox_->Checked());
        return;
    }
    static constexpr TCheckBoxState next[] = {cbGrayed, cbUnchecked, cbChecked}; // by the current state
    checkBox_->SetState(next[checkBox_->State()]);
}

void TVezCustomGroupBox::EnabledChanged()
{
    Invalidate();
    if (checkBox_->Action() != TGroupBoxCheck::caDisable)
        return;
    checkBox_->SetChecked(Enabled());
    for (int i = 0; i < ControlCount(); ++i)
        Controls(i)->SetEnabled(Enabled());
}

void TVezCustomGroupBox::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_ENABLEDCHANGED:
        TCustomGroupBox::Dispatch(message);
        EnabledChanged();
        return;
    case CM_MOUSELEAVE:
        TCustomGroupBox::Dispatch(message);
        if (Enabled() && checkBox_->Visible()) {
            checkBox_->SetHot(false);
            checkBox_->SetDown(false);
        }
        return;
    case CM_HINTSHOW: {
        auto& info = *reinterpret_cast<THintInfo*>(message.LParam);
        if (PtInRect(CaptionLayout().Box, info.CursorPos) && !checkBox_->Hint().empty())
            info.HintStr = checkBox_->Hint();
        break;
    }
    }
    TCustomGroupBox::Dispatch(message);
}

#include "controls/skins/skin_edit_button.h"

#include "controls/skins/skin_control_focus.h"
#include "controls/skins/skin_control_painting.h"
#include "controls/skins/skin_edit.h"
#include "controls/skins/skin_edit_painting.h"
#include "controls/skins/skin_manager.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/window_functions.h"

#include <string>

// --- TQvEditButton -----------------------------------------------------------------------------------------

namespace {

std::string FreeEditButtonName(const TComponent& owner)
{
    for (int n = 0;; ++n) {
        std::string name = "SubEditButton" + std::to_string(n);
        if (!owner.FindComponent(name))
            return name;
    }
}

} // namespace

TQvEditButton::TQvEditButton(TComponent* owner) : TQvSpeedButton(owner)
{
    if (!owner)
        return;
    SetName(FreeEditButtonName(*owner));
    if (auto* control = dynamic_cast<TControl*>(owner))
        FPopupControl = control;
}

void TQvEditButton::Click()
{
    if (Parent() && !Parent()->Focused() && CanFocusControl(Parent()))
        Parent()->SetFocus();
    TQvSpeedButton::Click();
}

bool TQvEditButton::ParentEditHot() const
{
    auto* edit = dynamic_cast<TQvEdit*>(Parent());
    return edit && (edit->MouseInControl() || edit->Focused());
}

void TQvEditButton::AdjustFont(TFont& font)
{
    if (!LinkText().empty() && MouseInControl()) {
        TQvSpeedButton::AdjustFont(font);
        return;
    }
    font.SetColor(GetCurrentSkin()->GetTextColor(
        skncEditButton,
        TQvSkinOptions::GetState(Enabled(), Pushed(), MouseInControl() || ParentEditHot(), Checked())));
}

void TQvEditButton::PaintFace(TCanvas& canvas, const TRect& rect)
{
    if (Caption().empty() && !HasImage()) {
        PaintDropDownArrowButton(canvas, rect, Enabled(), ParentEditHot(), MouseInControl(), Pushed(),
                                 OnRightSide());
        return;
    }
    switch (GetSkinManager().GetSkinType()) {
    case sknNone:
        PaintButtonBackground(canvas, rect, Enabled(), Pushed(), MouseInControl(), Checked(), Focused(),
                              Default());
        break;
    case sknSkin:
        PaintEditButtonBackground(canvas, rect, Enabled(), ParentEditHot(),
                                  ParentEditHot() || MouseInControl(), Pushed(), OnRightSide());
        break;
    default: {
        TRect r = rect;
        InflateRect(r, 1, 1);
        PaintButtonBackground(canvas, r, Enabled(), Pushed(), MouseInControl(), Checked(), Focused(),
                              Default());
    }
    }
}

bool TQvEditButton::DrawBackground(TCanvas& canvas, const TRect& rect, TQvPaintStage stage)
{
    if (stage == pstPostPaint || HasStateBitmap())
        return TQvSpeedButton::DrawBackground(canvas, rect, stage);
    const bool paintDefault = TQvTextObject::DrawBackground(canvas, rect, pstPrePaint);
    if (paintDefault)
        PaintFace(canvas, rect);
    return paintDefault;
}

bool TQvEditButton::DrawDropDownArrow(TCanvas& canvas, const TRect& rect)
{
    if (Caption().empty() && !HasImage())
        return true;
    return TQvSpeedButton::DrawDropDownArrow(canvas, rect);
}

// --- TQvSpinButton -----------------------------------------------------------------------------------------

TQvSpinButton::TQvSpinButton(TComponent* owner) : TQvEditButton(owner)
{
    SetRepeating(true);
}

std::optional<TPoint> TQvSpinButton::CursorInClient() const
{
    TPoint cursor;
    if (!GetCursorPos(cursor))
        return std::nullopt;
    return ScreenToClient(cursor);
}

void TQvSpinButton::Click()
{
    FUpPushed = false;
    FDownPushed = false;
    if (Enabled()) {
        const std::optional<TPoint> cursor = CursorInClient();
        if (cursor && cursor->Y < Height() / 2) {
            FUpPushed = true;
            if (OnUpClick)
                OnUpClick(this);
        } else {
            FDownPushed = true;
            if (OnDownClick)
                OnDownClick(this);
        }
    }
    TQvEditButton::Click();
}

void TQvSpinButton::IsHotTracking(bool& upButton, bool& downButton, bool& editFrame) const
{
    const std::optional<TPoint> cursor = CursorInClient();
    upButton = cursor && PtInRect({0, 0, Width(), Height() / 2}, *cursor);
    downButton = cursor && !upButton && PtInRect({0, Height() / 2, Width(), Height()}, *cursor);
    auto* edit = dynamic_cast<TQvEdit*>(Owner());
    editFrame = edit && edit->HotTrack() && (edit->MouseInControl() || edit->Focused());
}

bool TQvSpinButton::DrawBackground(TCanvas& canvas, const TRect& rect, TQvPaintStage stage)
{
    if (stage == pstPostPaint || HasStateBitmap())
        return TQvEditButton::DrawBackground(canvas, rect, stage);
    const bool paintDefault = TQvTextObject::DrawBackground(canvas, rect, pstPrePaint);
    if (paintDefault) {
        bool upHot = false;
        bool downHot = false;
        bool editHot = false;
        IsHotTracking(upHot, downHot, editHot);
        PaintSpinButtons(canvas, rect, Enabled(), editHot, upHot, downHot, FUpPushed, FDownPushed,
                         OnRightSide());
    }
    return paintDefault;
}

void TQvSpinButton::MouseMove(TShiftState shift, int x, int y)
{
    TQvEditButton::MouseMove(shift, x, y);
    if (Enabled())
        Invalidate();
}

void TQvSpinButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    FUpPushed = false;
    FDownPushed = false;
    TQvEditButton::MouseUp(button, shift, x, y);
}

void TQvSpinButton::Dispatch(TMessage& message)
{
    if (message.Msg == CM_MOUSELEAVE && message.LParam == 0) {
        FUpPushed = false;
        FDownPushed = false;
    }
    TQvEditButton::Dispatch(message);
}

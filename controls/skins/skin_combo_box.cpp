#include "controls/skins/skin_combo_box.h"

#include "controls/skins/skin_control_painting.h"
#include "controls/skins/skin_drawing.h"
#include "controls/skins/skin_edit_painting.h"
#include "controls/skins/skin_manager.h"
#include "controls/skins/skin_text_output.h"
#include "controls/skins/skin_types.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/system_metrics.h"
#include "platform/gui/windows/timers.h"
#include "platform/gui/windows/window_functions.h"

#include <algorithm>

namespace {

// How often the box looks whether the pointer has left it (it hears no leave from its parts).
constexpr unsigned MouseCheckInterval = 125;

} // namespace

void SetDropDownWidthToFit(TCustomComboBox& combo, int rightMargin)
{
    TCanvas& canvas = *combo.Canvas();
    canvas.SetFont(combo.Font());
    int widest = 0;
    for (int i = 0; i < combo.Items()->Count(); ++i)
        widest = std::max(widest, GetTextSize(canvas, combo.Items()->Strings(i), false).cx);
    const int width = widest + GetSystemMetrics(SM_CXVSCROLL) + rightMargin;
    if (combo.Width() < width)
        combo.Perform(CB_SETDROPPEDWIDTH, static_cast<WPARAM>(width), 0);
}

TQvComboBox::TQvComboBox(TComponent* owner) : TComboBox(owner)
{
    GetSkinManager().AddSkinNotification(this);
}

TQvComboBox::~TQvComboBox()
{
    GetSkinManager().RemoveSkinNotification(this);
    FMouseTimer.reset();
}

// --- sizes -------------------------------------------------------------------------------------------------

void TQvComboBox::SetAutoDropDownWidth(bool value)
{
    if (FAutoDropDownWidth == value)
        return;
    FAutoDropDownWidth = value;
    UpdateDropDownWidth();
}

void TQvComboBox::UpdateDropDownWidth()
{
    if (FAutoDropDownWidth && HandleAllocated())
        SetDropDownWidthToFit(*this, FAutoDropDownWidthRightMargin);
}

void TQvComboBox::SetAutoItemHeight(bool value)
{
    if (FAutoItemHeight == value)
        return;
    FAutoItemHeight = value;
    ApplyItemHeight();
}

void TQvComboBox::SetItemHeight(int value)
{
    if (value > 0)
        FInternalItemHeight = value;
    TComboBox::SetItemHeight(value);
    ApplyItemHeight();
}

// Owner-drawn styles keep the height as set; the others follow the font or the last height set.
void TQvComboBox::ApplyItemHeight()
{
    if (Style() == csOwnerDrawFixed || Style() == csOwnerDrawVariable)
        return;
    const int height = FAutoItemHeight ? GetFontTextHeight(this, *Font()) : FInternalItemHeight;
    if (height > 0)
        TComboBox::SetItemHeight(height);
}

void TQvComboBox::CreateWnd()
{
    TComboBox::CreateWnd();
    ApplyItemHeight();
    UpdateDropDownWidth();
}

// --- hover -------------------------------------------------------------------------------------------------

void TQvComboBox::InvalidateFrame()
{
    if (HandleAllocated())
        Invalidate();
}

void TQvComboBox::SetHot(bool inControl)
{
    FMouseInControl = inControl;
    if (FHotTrack && !Focused())
        InvalidateFrame();
}

void TQvComboBox::MouseEnter(TMessage& message)
{
    TComboBox::Dispatch(message);
    if (message.LParam != 0 || ComponentState().Contains(csDestroying) || FMouseInControl ||
        !HandleAllocated())
        return;
    SetHot(true);
    if (!FMouseTimer)
        StartMouseTimer();
}

void TQvComboBox::StartMouseTimer()
{
    FMouseTimer = std::make_unique<TRepeatingTimer>([this] { MouseTimerTick(); });
    FMouseTimer->Start(MouseCheckInterval);
}

void TQvComboBox::MouseTimerTick()
{
    TPoint cursor;
    if (ComponentState().Contains(csDestroying) || DroppedDown() || !HandleAllocated() ||
        !GetCursorPos(cursor))
        return;
    TRect window;
    GetWindowRect(Handle(), window);
    const bool inside = PtInRect(window, cursor);
    if (inside != FMouseInControl)
        SetHot(inside);
    if (!inside)
        FMouseTimer.reset();
}

int TQvComboBox::DropDownButtonWidth() const
{
    return Style() == csSimple ? 0 : GetSystemMetrics(SM_CXHSCROLL);
}

bool TQvComboBox::GetMouseInDropDownButton() const
{
    TPoint cursor;
    if (ComponentState().Contains(csDesigning) || !GetCursorPos(cursor))
        return false;
    return PtInRect({Width() - DropDownButtonWidth(), 0, Width(), Height()}, ScreenToClient(cursor));
}

TRect TQvComboBox::GetDropDownButtonRect() const
{
    TRect r{Width() - DropDownButtonWidth(), 0, Width(), Height()};
    const int inset = GetSkinManager().GetSkinType() == sknSkin ? 2 : 1;
    r.Top += inset;
    r.Bottom -= inset;
    OffsetRect(r, -inset, 0);
    return r;
}

void TQvComboBox::CheckDropDownButtonHover()
{
    if (DroppedDown() || Focused())
        return;
    const bool inButton = GetMouseInDropDownButton();
    if (inButton != FMouseInDropDownButton)
        InvalidateFrame();
    FMouseInDropDownButton = inButton;
}

void TQvComboBox::EditWndProc(TMessage& message)
{
    TComboBox::EditWndProc(message);
    if (message.Msg == WM_MOUSEMOVE)
        CheckDropDownButtonHover();
}

void TQvComboBox::CloseUp()
{
    TComboBox::CloseUp();
    InvalidateFrame();
}

// --- painting ----------------------------------------------------------------------------------------------

void TQvComboBox::DoDrawBackground(TCanvas& canvas, const TRect& rect, TQvPaintStage stage,
                                   bool& paintDefault)
{
    if (OnDrawBackground)
        OnDrawBackground(this, canvas, rect, stage, paintDefault);
}

// The skin's frame and button over what the box painted, the inside left alone.
void TQvComboBox::PaintSkinnedFrame(TMessage& message)
{
    HDC dc = TPaintView(message).DC;
    if (!dc)
        return;
    TCanvas& canvas = *dc;
    TSavedCanvasState saved(canvas);
    const TRect r{0, 0, Width(), Height()};
    ExcludeClipRect(canvas, 2, 2, r.Right - DropDownButtonWidth() - 2, r.Bottom - 2);
    bool paintDefault = true;
    DoDrawBackground(canvas, r, pstPrePaint, paintDefault);
    if (paintDefault) {
        // The box's window has no frame of its own: every look paints one here, a skin its button too.
        const bool skinned = GetSkinManager().GetSkinType() == sknSkin;
        const bool designing = ComponentState().Contains(csDesigning);
        const bool hot = !designing && (FHotTrack ? FMouseInControl || Focused() : DroppedDown());
        if (skinned)
            DrawParentBackground(*this, canvas, r);
        // Without a skin the box's own button stays: only the frame's rings are painted.
        PaintEditFrame(canvas, r, Enabled(), hot, !skinned, false);
        if (skinned && Style() != csSimple)
            PaintDropDownArrowButton(canvas, GetDropDownButtonRect(), Enabled(), hot,
                                     GetMouseInDropDownButton(), DroppedDown(), true);
    }
    paintDefault = true;
    DoDrawBackground(canvas, r, pstPostPaint, paintDefault);
}

void TQvComboBox::DoDrawItem(TCanvas& canvas, TRect& rect, int index, TOwnerDrawState state,
                             TQvPaintStage stage, bool& paintDefault)
{
    if (OnDrawItem)
        OnDrawItem(this, canvas, rect, index, state, stage, paintDefault);
}

void TQvComboBox::DoDrawItemBackground(TCanvas& canvas, TRect& rect, int index, TOwnerDrawState state,
                                       TQvPaintStage stage, bool& paintDefault)
{
    if (OnDrawItemBackground)
        OnDrawItemBackground(this, canvas, rect, index, state, stage, paintDefault);
}

void TQvComboBox::DrawItemBackground(int index, const TRect& rect, TOwnerDrawState state)
{
    TCanvas& canvas = *Canvas();
    TRect r = rect;
    bool paintDefault = true;
    DoDrawItemBackground(canvas, r, index, state, pstPrePaint, paintDefault);
    if (paintDefault)
        PaintListItemBackground(canvas, r, state.Contains(odSelected), false, state.Contains(odFocused),
                                false, true);
    paintDefault = true;
    DoDrawItemBackground(canvas, r, index, state, pstPostPaint, paintDefault);
}

void TQvComboBox::DrawItemText(int index, const TRect& rect, TOwnerDrawState state)
{
    TCanvas& canvas = *Canvas();
    TRect r = rect;
    bool paintDefault = true;
    DoDrawItem(canvas, r, index, state, pstPrePaint, paintDefault);
    if (paintDefault) {
        TRect text = r;
        text.Left += 2;
        if (state.Contains(odDisabled))
            canvas.Font()->SetColor(clGrayText);
        DrawSkinText(canvas, Items()->Strings(index), text,
                     DrawTextBiDiModeFlags(DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX), gldNone, clNone, tra0);
    }
    paintDefault = true;
    DoDrawItem(canvas, r, index, state, pstPostPaint, paintDefault);
}

void TQvComboBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state)
{
    TCanvas& canvas = *Canvas();
    canvas.SetFont(Font());
    canvas.Brush()->SetColor(Color());
    canvas.Brush()->SetStyle(bsSolid);
    if (index < 0 || index >= Items()->Count()) {
        canvas.FillRect(rect);
        return;
    }
    DrawItemBackground(index, rect, state);
    canvas.Brush()->SetStyle(bsClear);
    DrawItemText(index, rect, state);
}

// --- messages ----------------------------------------------------------------------------------------------

void TQvComboBox::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_ENTER:
    case CM_EXIT:
        TComboBox::Dispatch(message);
        FMouseInControl = message.Msg == CM_ENTER;
        InvalidateFrame();
        return;
    case CM_MOUSEENTER:
        MouseEnter(message);
        return;
    case WM_MOUSEMOVE:
        TComboBox::Dispatch(message);
        CheckDropDownButtonHover();
        return;
    case WM_NCCALCSIZE:
        // No frame of the window's own: the skin paints it inside.
        return;
    case WM_PAINT:
    case WM_PRINTCLIENT:
        TComboBox::Dispatch(message);
        PaintSkinnedFrame(message);
        return;
    case WM_SKINCHANGED:
        TComboBox::Dispatch(message);
        InvalidateFrame();
        return;
    default:
        TComboBox::Dispatch(message);
    }
}

#include "controls/skins/skin_edit_painting.h"

#include "controls/skins/skin_drawing.h"
#include "controls/skins/skin_glyphs.h"
#include "controls/skins/skin_manager.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/graphics/themed_elements.h"

namespace {

TQvSkinStatesType ButtonState(bool enabled, bool pushed, bool hot)
{
    return TQvSkinOptions::GetState(enabled, pushed, hot, false);
}

TColor EditButtonTextColor(TQvSkinStatesType state)
{
    return GetCurrentSkin()->GetTextColor(skncEditButton, state);
}

// A themed element's state: disabled, else pressed, else hot, else normal (in that order of the enum).
template <typename TElement> TElement ThemedState(TElement normal, bool enabled, bool pushed, bool hot)
{
    int offset = 0;
    if (!enabled)
        offset = 3;
    else if (pushed)
        offset = 2;
    else if (hot)
        offset = 1;
    return static_cast<TElement>(normal + offset);
}

void PaintThemed(TCanvas& canvas, const TRect& rect, const TThemedElementDetails& details)
{
    GetCurrentSkin()->PaintThemedElementBackground(canvas, rect, details);
}

// The centre of r, a pixel up: where the arrows of the edit buttons point from.
TPoint ArrowPoint(const TRect& r)
{
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2 - 1};
}

void PaintSkinnedSpinHalf(TCanvas& canvas, TRect rect, bool enabled, bool editHot, bool hot, bool pushed,
                          bool onRightSide, bool up)
{
    const TQvSkinStatesType state = ButtonState(enabled, pushed, hot || editHot);
    const TRect arrowRect = rect;
    // Both halves share the middle line; a hot edit's halves keep a line of their own.
    if (editHot) {
        if (up)
            rect.Bottom -= 1;
        else
            rect.Top += 1;
    }
    PaintEditButtonBackground(canvas, rect, enabled, editHot, hot, pushed, onRightSide);
    const TPoint tip = ArrowPoint(arrowRect);
    DrawArrowTriangle(canvas, tip.X, tip.Y, EditButtonTextColor(state), true, up, 2);
}

} // namespace

bool EditFrameHotLookDiffers(bool borderStyleOn)
{
    if (!borderStyleOn || GetSkinManager().GetSkinType() == sknNone)
        return false;
    const std::shared_ptr<TQvSkinOptions> skin = GetCurrentSkin();
    return !skin->Options(skncEditFrame, sknsNormal)
                .Borders.IsEqual(skin->Options(skncEditFrame, sknsHotTrack).Borders);
}

void PaintEditButtonBackground(TCanvas& canvas, const TRect& rect, bool enabled, bool editHot, bool buttonHot,
                               bool pushed, bool onRightSide)
{
    TRect r = rect;
    if (editHot) {
        InflateRect(r, 1, 1);
        if (onRightSide)
            r.Left += 1;
        else
            r.Right -= 1;
    }
    GetCurrentSkin()->PaintBackground(canvas, r, skncEditButton,
                                      ButtonState(enabled, pushed, editHot || buttonHot), true, true);
}

void PaintDropDownArrowButton(TCanvas& canvas, const TRect& rect, bool enabled, bool editHot, bool buttonHot,
                              bool pushed, bool onRightSide)
{
    TRect r = rect;
    TColor arrowColor;
    switch (GetSkinManager().GetSkinType()) {
    case sknNone: {
        r.Left += 4;
        FillRectColors(canvas, r, clBtnFace, clWindow);
        TRect edge = r;
        if (pushed)
            DrawEdge(canvas, edge, BDR_SUNKENOUTER, BF_RECT);
        else if (editHot || buttonHot)
            DrawEdge(canvas, edge, BDR_RAISEDINNER, BF_RECT);
        arrowColor = EditButtonTextColor(ButtonState(enabled, pushed, buttonHot));
        break;
    }
    case sknSkin:
        canvas.FillRect(r);
        PaintEditButtonBackground(canvas, r, enabled, editHot, buttonHot, pushed, onRightSide);
        arrowColor = EditButtonTextColor(ButtonState(enabled, pushed, editHot));
        break;
    default:
        PaintThemed(canvas, r,
                    GetElementDetails(ThemedState(tcDropDownButtonNormal, enabled, pushed, buttonHot)));
        return;
    }
    const TPoint tip = ArrowPoint(r);
    DrawArrowTriangle(canvas, tip.X, tip.Y, arrowColor, true, false, 2);
}

void PaintSpinButtons(TCanvas& canvas, const TRect& rect, bool enabled, bool editHot, bool upHot,
                      bool downHot, bool upPushed, bool downPushed, bool onRightSide)
{
    const int mid = (rect.Top + rect.Bottom) / 2;
    switch (GetSkinManager().GetSkinType()) {
    case sknNone: {
        TRect upper{rect.Left, rect.Top, rect.Right, mid};
        TRect lower{rect.Left, mid - 1, rect.Right, rect.Bottom};
        DrawFrameControl(canvas, upper, DFC_SCROLL, DFCS_SCROLLUP | (upPushed ? DFCS_PUSHED : 0));
        DrawFrameControl(canvas, lower, DFC_SCROLL, DFCS_SCROLLDOWN | (downPushed ? DFCS_PUSHED : 0));
        break;
    }
    case sknSkin:
        PaintSkinnedSpinHalf(canvas, {rect.Left, rect.Top, rect.Right, mid + 1}, enabled, editHot, upHot,
                             upPushed, onRightSide, true);
        PaintSkinnedSpinHalf(canvas, {rect.Left, mid, rect.Right, rect.Bottom}, enabled, editHot, downHot,
                             downPushed, onRightSide, false);
        break;
    default: {
        TRect r = rect;
        InflateRect(r, 1, 1);
        const int middle = (r.Top + r.Bottom) / 2;
        PaintThemed(canvas, {r.Left, r.Top, r.Right, middle},
                    GetElementDetails(ThemedState(tsUpNormal, enabled, upPushed, upHot)));
        PaintThemed(canvas, {r.Left, middle, r.Right, r.Bottom},
                    GetElementDetails(ThemedState(tsDownNormal, enabled, downPushed, downHot)));
    }
    }
}

#include "platform/gui/standard/panels.h"

#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/message_views.h"

void DrawBevel(TCanvas& canvas, TRect& rect, TBevelCut cut, int count, TColor spaceColor)
{
    for (int i = 0; i < count && cut != bvNone; ++i) {
        if (cut == bvSpace) {
            canvas.Brush()->SetStyle(bsSolid);
            canvas.Brush()->SetColor(spaceColor);
            canvas.FrameRect(rect);
            rect = Rect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
            continue;
        }
        DrawEdge(canvas, rect, cut == bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    }
}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner)
{
    controlStyle_ = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                     csOpaque,          csDoubleClicks, csReplicatable};
    SetColor(clBtnFace);
    SetBounds(0, 0, 185, 41);
}

void TCustomPanel::Changed()
{
    Realign();
    Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment value)
{
    if (value == alignment_)
        return;
    alignment_ = value;
    Invalidate();
}

void TCustomPanel::SetVerticalAlignment(TVerticalAlignment value)
{
    if (value == verticalAlignment_)
        return;
    verticalAlignment_ = value;
    Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut value)
{
    if (value == bevelInner_)
        return;
    bevelInner_ = value;
    Changed();
}

void TCustomPanel::SetBevelOuter(TBevelCut value)
{
    if (value == bevelOuter_)
        return;
    bevelOuter_ = value;
    Changed();
}

void TCustomPanel::SetBevelWidth(TBevelWidth value)
{
    if (value == bevelWidth_ || value < 1)
        return;
    bevelWidth_ = value;
    Changed();
}

void TCustomPanel::SetShowCaption(bool value)
{
    if (value == showCaption_)
        return;
    showCaption_ = value;
    Invalidate();
}

void TCustomPanel::SetBorderStyle(TBorderStyle value)
{
    if (value == borderStyle_)
        return;
    borderStyle_ = value;
    SetSingleBorder(*this, value == bsSingle);
}

void TCustomPanel::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    if (borderStyle_ == bsSingle)
        AddSingleBorder(params, *this);
}

int TCustomPanel::FrameSize() const
{
    int size = BorderWidth();
    if (bevelOuter_ != bvNone)
        size += bevelWidth_;
    if (bevelInner_ != bvNone)
        size += bevelWidth_;
    return size;
}

void TCustomPanel::AdjustClientRect(TRect& rect) const
{
    TCustomControl::AdjustClientRect(rect);
    const int size = FrameSize();
    rect = Rect(rect.Left + size, rect.Top + size, rect.Right - size, rect.Bottom - size);
}

void TCustomPanel::Paint()
{
    TCanvas& canvas = *Canvas();
    TRect rect = ClientRect();
    DrawBevel(canvas, rect, bevelOuter_, bevelWidth_, Color());
    if (!ParentBackground()) {
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(Color());
        canvas.FillRect(rect);
    }
    rect = Rect(rect.Left + BorderWidth(), rect.Top + BorderWidth(), rect.Right - BorderWidth(),
                rect.Bottom - BorderWidth());
    DrawBevel(canvas, rect, bevelInner_, bevelWidth_, Color());
    if (!showCaption_ || Caption().empty())
        return;
    static constexpr unsigned alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    static constexpr unsigned verticals[] = {DT_TOP, DT_BOTTOM, DT_VCENTER};
    canvas.SetFont(Font());
    canvas.Brush()->SetStyle(bsClear);
    DrawControlText(canvas, Caption(), rect,
                    DT_EXPANDTABS | DT_SINGLELINE | alignments[alignment_] | verticals[verticalAlignment_],
                    EffectiveEnabled());
}

void TCustomPanel::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_NCCALCSIZE: {
        // The panel draws its border width inside the client area, so the frame takes none of it.
        TNCCalcSizeParams* params = TNCCalcSizeView(message).Params;
        params->rgrc[0] = FrameClientRect(params->rgrc[0]);
        return;
    }
    case WM_SIZE:
        if (fullRepaint_)
            Invalidate();
        break;
    case CM_TEXTCHANGED:
        Invalidate();
        break;
    }
    TCustomControl::Dispatch(message);
}

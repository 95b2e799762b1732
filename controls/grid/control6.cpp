#include "controls/grid/control6.h"

#include "controls/grid/window_canvas.h"

#include "platform/gui/forms/forms.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/window_functions.h"

#include <vector>

bool CanStyleWith(TGxStyleOptions options, TGxStyleOption option)
{
    if (!options.Contains(option))
        return false;
    // Nothing is designed at run time, so only the availability of a style decides.
    return option == soNativeStyles ? IsNativeThemeActive() : IsStyleAvailable(soPlatformStyles);
}

// --- TGxUserControl6 ---------------------------------------------------------------------------------------

TGxUserControl6::TGxUserControl6(TComponent* owner) : TCustomControl(owner)
{
    Padding()->OnChange = [this](TObject*) { PaddingChanged(); };
    controlStyle_.Include(csGestures);
    SetColor(clWindow);
    SetParentColor(true);
    SetParentFont(true);
    SetParentShowHint(true);
    SetTabStop(false);
}

bool TGxUserControl6::IsParentFormShowing() const
{
    const TCustomForm* form = GetParentForm(this, true);
    return form && form->Showing();
}

void TGxUserControl6::InvalidateArea(const TRect& rect)
{
    if (HandleAllocated() && !paintState_.Contains(ptPainting))
        InvalidateRect(const_cast<TGxUserControl6*>(this)->Handle(), &rect, false);
}

void TGxUserControl6::PaddingChanged()
{
    Realign();
}

void TGxUserControl6::PaintWindow(HDC dc)
{
    paintState_.Include(ptPainting);
    struct Done
    {
        TGxPaintState& state;
        ~Done() { state.Exclude(ptPainting); }
    } done{paintState_};
    TCustomControl::PaintWindow(dc);
}

void TGxUserControl6::Dispatch(TMessage& message)
{
    if (message.Msg == WM_ERASEBKGND) {
        message.Result = 1;
        return;
    }
    TCustomControl::Dispatch(message);
}

// --- TGxControl6 -------------------------------------------------------------------------------------------

TGxControl6::TGxControl6(TComponent* owner) : TGxUserControl6(owner) {}

void TGxControl6::SetBorderColor(TColor value)
{
    if (value == borderColor_)
        return;
    borderColor_ = value;
    Perform(CM_BORDERCHANGED, 0, 0);
}

void TGxControl6::SetBorderSize(int value)
{
    if (value == borderSize_)
        return;
    borderSize_ = value;
    Perform(CM_BORDERCHANGED, 0, 0);
}

void TGxControl6::SetBorderStyle(TGxBorderStyle value)
{
    if (value == borderStyle_)
        return;
    borderStyle_ = value;
    Perform(CM_BORDERCHANGED, 0, 0);
}

void TGxControl6::FillRectColor(const TRect& rect, TColor color)
{
    Canvas()->Brush()->SetColor(color == clNone ? Color() : color);
    Canvas()->Brush()->SetStyle(bsSolid);
    Canvas()->FillRect(rect);
}

void TGxControl6::PaintWindow(HDC dc)
{
    TGxUserControl6::PaintWindow(dc);
    // OnPaint draws on Canvas over what was painted.
    TCanvasBinding binding(*Canvas(), dc);
    DoPaint();
}

void TGxControl6::DoPaint()
{
    if (OnPaint)
        OnPaint(this);
}

// Rings from the window's edge inwards: the top-left edges in the first colour, the bottom-right edges in
// the second.
void TGxControl6::PaintBorder()
{
    const TWindowCanvas window(Handle());
    if (!window.Canvas())
        return;
    const TColor colors[3][2] = {
        {borderColor_, borderColor_}, {clBtnShadow, clBtnHighlight}, {clBtnHighlight, clBtnShadow}};
    const TColor topLeft = colors[borderStyle_][0];
    const TColor bottomRight = colors[borderStyle_][1];
    const int w = Width();
    const int h = Height();
    TCanvas& canvas = *window.Canvas();
    canvas.Pen()->SetWidth(1);
    canvas.Pen()->SetStyle(psSolid);
    for (int i = 0; i < borderSize_; ++i) {
        canvas.Pen()->SetColor(topLeft);
        canvas.Polyline({{i, h - 1 - i}, {i, i}, {w - i, i}});
        canvas.Pen()->SetColor(bottomRight);
        canvas.Polyline({{1 + i, h - 1 - i}, {w - 1 - i, h - 1 - i}, {w - 1 - i, i}});
    }
}

void TGxControl6::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_NCCALCSIZE: {
        TGxUserControl6::Dispatch(message);
        TRect& client = TNCCalcSizeView(message).Params->rgrc[0];
        InflateRect(client, -borderSize_, -borderSize_);
        return;
    }
    case WM_NCPAINT:
        TGxUserControl6::Dispatch(message);
        if (borderSize_ > 0)
            PaintBorder();
        return;
    case CM_BORDERCHANGED:
        TGxUserControl6::Dispatch(message);
        if (HandleAllocated())
            UpdateFrame();
        return;
    default:
        TGxUserControl6::Dispatch(message);
    }
}

// --- TGxStyledControl6 -------------------------------------------------------------------------------------

TGxStyledControl6::TGxStyledControl6(TComponent* owner) : TGxControl6(owner) {}

bool TGxStyledControl6::CanStyle(TGxStyleOption option) const
{
    return CanStyleWith(styleOptions_, option);
}

void TGxStyledControl6::SetStyleOptions(TGxStyleOptions value)
{
    if (value == styleOptions_)
        return;
    styleOptions_ = value;
    StyleChanged();
}

void TGxStyledControl6::StyleChanged()
{
    Invalidate();
}

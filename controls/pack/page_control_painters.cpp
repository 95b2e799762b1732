#include "controls/pack/page_control_painters.h"

#include "controls/pack/page_control.h"

TCanvas& TKVGxPageControlStylePainter::Canvas() const
{
    return *FPageControl.Canvas();
}

TColor TKVGxPageControlStylePainter::GetTabsBackgroundColor() const
{
    return FPageControl.TabsBackgroundColor();
}

TColor TKVGxPageControlStylePainter::GetTabTextColor() const
{
    return Canvas().Font()->Color();
}

void TKVGxPageControlStylePainter::PaintTabsBackground(const TRect& rect)
{
    TCanvas& canvas = Canvas();
    if (FPageControl.TabsBackgroundColorTo() == clNone) {
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(GetTabsBackgroundColor());
        canvas.FillRect(rect);
        return;
    }
    FillLinearGradient(canvas, rect, FPageControl.TabsBackgroundColor(), FPageControl.TabsBackgroundColorTo(),
                       FPageControl.TabsBackgroundGradientDirection());
}

void TKVGxUserDefinedPageControlStylePainter::PaintButton(const TRect& rect, TGxButtonState state)
{
    TCanvas& canvas = Canvas();
    if (state.Contains(bsHover)) {
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(PageControl().ButtonHotColor());
        canvas.FillRect(rect);
    }
    canvas.Pen()->SetStyle(psSolid);
    canvas.Pen()->SetColor(clBlack);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(clBlack);
}

void TKVGxUserDefinedPageControlStylePainter::PaintTab(const TRect& rect, TGxButtonState state)
{
    TCanvas& canvas = Canvas();
    const TKVGxPageSheet6* active = dynamic_cast<const TKVGxPageSheet6*>(PageControl().ActivePage());
    if (state.Contains(bsSelected) && active) {
        if (active->TabActiveBgColorTo() != clNone) {
            FillLinearGradient(canvas, rect, active->TabActiveBgColor(), active->TabActiveBgColorTo(),
                               active->TabActiveGradientDirection());
            return;
        }
        canvas.Brush()->SetColor(active->TabActiveBgColor());
    }
    if (canvas.Brush()->Color() == clNone)
        return;
    canvas.Brush()->SetStyle(bsSolid);
    canvas.FillRect(rect);
}

void TKVGxUserDefinedPageControlStylePainter::PaintTabsSeparator(const TRect& rect)
{
    TCanvas& canvas = Canvas();
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(PageControl().TabsSeparatorColor());
    canvas.FillRect(rect);
}

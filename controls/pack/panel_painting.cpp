#include "controls/pack/panel_painting.h"

#include "controls/pack/border_drawing.h"
#include "platform/gui/windows/style_services.h"
#include "support/math_routines.h"

namespace {

int WidthOf(const TKvpBasicPanelBorder& border)
{
    return border.Visible() && border.Pen()->Width() > 0 ? border.Pen()->Width() : 0;
}

void FillWith(TCanvas& canvas, const TRect& r, TColor color)
{
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(color);
    canvas.FillRect(r);
}

// width rings inside r: top and left in topLeft, bottom and right in bottomRight; r shrinks past them.
void Frame3D(TCanvas& canvas, TRect& r, TColor topLeft, TColor bottomRight, int width)
{
    for (int i = 0; i < width && r.Width() > 0 && r.Height() > 0; ++i) {
        FillWith(canvas, {r.Left, r.Top, r.Right, r.Top + 1}, topLeft);
        FillWith(canvas, {r.Left, r.Top, r.Left + 1, r.Bottom}, topLeft);
        FillWith(canvas, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, bottomRight);
        FillWith(canvas, {r.Right - 1, r.Top, r.Right, r.Bottom}, bottomRight);
        r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    }
}

void FrameBevel(TCanvas& canvas, TRect& r, TBevelCut cut, int width, TColor light, TColor shadow)
{
    if (cut == bvNone)
        return;
    if (cut == bvLowered)
        Frame3D(canvas, r, shadow, light, width);
    else
        Frame3D(canvas, r, light, shadow, width);
}

// The platform's plain panel in the active custom style.
void DrawStyledPanel(TCustomPanel& panel, TCanvas& canvas, TRect r)
{
    TCustomStyleServices& style = StyleServices();
    const bool enabled = style.Enabled();
    TColor fill = panel.Color(), light = clBtnHighlight, shadow = clBtnShadow;
    if (enabled) {
        const auto take = [&](const TThemedElementDetails& details, TElementColor which, TColor& color) {
            TColor given;
            if (style.GetElementColor(details, which, given) && given != clNone)
                color = given;
        };
        take(style.GetElementDetails(tpPanelBackground), ecFillColor, fill);
        take(style.GetElementDetails(tpPanelBevel), ecEdgeHighLightColor, light);
        take(style.GetElementDetails(tpPanelBevel), ecEdgeShadowColor, shadow);
    }
    const bool seeThrough = enabled && panel.ParentBackground();
    FrameBevel(canvas, r, panel.BevelOuter(), panel.BevelWidth(), light, shadow);
    if (seeThrough)
        r = {r.Left + panel.BorderWidth(), r.Top + panel.BorderWidth(), r.Right - panel.BorderWidth(),
             r.Bottom - panel.BorderWidth()};
    else
        Frame3D(canvas, r, fill, fill, panel.BorderWidth());
    FrameBevel(canvas, r, panel.BevelInner(), panel.BevelWidth(), light, shadow);
    if (!(seeThrough && panel.StyleElements().Contains(seClient)))
        FillWith(canvas, r, fill);
}

void DrawGradients(TCanvas& canvas, const TRect& r, const TKvpBasicPanelAppearance& appearance)
{
    TRect g = r;
    if (const int margin = appearance.BorderToGradientMargin(); margin > 0) {
        const TBorderWidths w = VisibleBorderWidths(*appearance.Borders());
        g = {g.Left + w.Left + margin, g.Top + w.Top + margin, g.Right - w.Right - margin,
             g.Bottom - w.Bottom - margin};
    }
    const int split =
        g.Top + static_cast<int>(RoundHalfEven(g.Height() * appearance.UpperGradientPercent() / 100.0));
    appearance.UpperGradient()->Draw(canvas, {g.Left, g.Top, g.Right, split});
    appearance.BottomGradient()->Draw(canvas, {g.Left, split, g.Right, g.Bottom});
}

} // namespace

TBorderWidths VisibleBorderWidths(const TKvpBasicPanelBorders& borders)
{
    return {WidthOf(*borders.Left()), WidthOf(*borders.Right()), WidthOf(*borders.Top()),
            WidthOf(*borders.Bottom())};
}

void DrawAppearanceBackground(TCustomPanel& panel, TCanvas& canvas, const TRect& r,
                              const TKvpBasicPanelAppearance& appearance)
{
    if (panel.ParentBackground())
        return;
    TCustomStyleServices& style = StyleServices();
    if (!style.IsSystemStyle() && panel.StyleElements().Contains(seClient)) {
        DrawStyledPanel(panel, canvas, r);
        return;
    }
    canvas.Brush()->SetColor(appearance.BackgroundColor());
    if (appearance.DrawGradient())
        DrawGradients(canvas, r, appearance);
    else
        FillWith(canvas, r, appearance.BackgroundColor());
}

void DrawAppearanceBorders(TCanvas& canvas, const TRect& r, const TKvpBasicPanelAppearance& appearance)
{
    if (!appearance.DrawBorder())
        return;
    canvas.Brush()->SetStyle(bsClear);
    const TKvpBasicPanelBorders& borders = *appearance.Borders();
    if (borders.Left()->Visible())
        DrawLeftBorder(canvas, r, *borders.Left()->Pen(), borders.Left()->Border3D());
    if (borders.Right()->Visible())
        DrawRightBorder(canvas, r, *borders.Right()->Pen(), borders.Right()->Border3D());
    if (borders.Top()->Visible())
        DrawTopBorder(canvas, r, *borders.Top()->Pen(), borders.Top()->Border3D());
    if (borders.Bottom()->Visible())
        DrawBottomBorder(canvas, r, *borders.Bottom()->Pen(), borders.Bottom()->Border3D());
}

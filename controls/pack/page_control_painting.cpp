// The page control's picture: the tabs area through the painter, the tabs clipped to the strip, the
// separator towards the pages and the buttons beside the strip.

#include "controls/grid/clipping.h"
#include "controls/grid/geometry.h"
#include "controls/grid/text_drawing.h"
#include "controls/pack/page_control.h"
#include "platform/gui/graphics/gdi.h"

#include <cmath>

void TKVGxPageControl6::Paint()
{
    TKVGxCustomNotebook6::Paint();
    TCanvas& canvas = *Canvas();
    canvas.Brush()->SetColor(FPainter->GetTabsBackgroundColor());
    DrawTabsBackground(GetTabsAreaRect());
    ClipToRect(canvas, GetTabsStripRect());
    try {
        DrawTabs();
    } catch (...) {
        ClipToRect(canvas, ClientRect());
        throw;
    }
    ClipToRect(canvas, ClientRect());
    DrawTabsSeparator();
    if (FVisibleButtons.Contains(pbTabsPopup))
        DrawTabsPopupButton(GetTabsPopupButtonRect(), FPopupButtonState);
    if (FVisibleButtons.Contains(pbClose) && FCloseButtonLocation == cbBeside)
        DrawCloseButton(GetCloseButtonRect(), FCloseButtonState);
}

void TKVGxPageControl6::DrawTabsBackground(const TRect& rect)
{
    FPainter->PaintTabsBackground(rect);
}

void TKVGxPageControl6::PaintTabBackground(const TRect& rect, TGxButtonState state)
{
    FPainter->PaintTab(rect, state);
}

TGxButtonState TKVGxPageControl6::TabState(const TKVGxPageSheet6& sheet) const
{
    TGxButtonState state;
    if (&sheet == FHotPageTab)
        state.Include(bsHover);
    if (&sheet == FPressedPageTab)
        state.Include(bsPressed);
    if (&sheet == ActivePage())
        state.Include(bsSelected);
    if (!sheet.TabEnabled())
        state.Include(bsDisabled);
    return state;
}

void TKVGxPageControl6::DrawTabs()
{
    for (const TTabPlace& place : TabWalk())
        DrawPageTab(place.Rect, *place.Page, TabState(*place.Page));
}

void TKVGxPageControl6::DrawPageTab(TRect r, TKVGxPageSheet6& sheet, TGxButtonState state)
{
    TCanvas& canvas = *Canvas();
    const bool active = state.Contains(bsSelected);
    const bool hot = state.Contains(bsHover) && !active;
    // Inactive tabs are shorter on the side away from the pages.
    if (!active) {
        const int d = FInactiveTabsHeightDelta;
        switch (FTabsLocation) {
        case tbTop:
            r.Top -= d;
            break;
        case tbBottom:
            r.Bottom += d;
            break;
        case tbLeft:
            r.Left -= d;
            break;
        case tbRight:
            r.Right += d;
            break;
        }
    }
    TRect content{r.Left + FTabPadding->Left(), r.Top, r.Right - FTabPadding->Right(), r.Bottom};

    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(sheet.TabInactiveBgColor());
    if (hot) {
        if (sheet.TabHotBgColorTo() == clNone) {
            canvas.Brush()->SetColor(sheet.TabHotBgColor());
            if (sheet.TabHotBgColor() != clNone)
                PaintTabBackground(r, state);
        } else {
            FillLinearGradient(canvas, r, sheet.TabHotBgColor(), sheet.TabHotBgColorTo(),
                               sheet.TabHotGradientDirection());
        }
    } else if (active) {
        PaintTabBackground(r, state);
    } else if (sheet.TabInactiveBgColorTo() != clNone) {
        FillLinearGradient(canvas, r, sheet.TabInactiveBgColor(), sheet.TabInactiveBgColorTo(),
                           sheet.TabInactiveGradientDirection());
    } else {
        PaintTabBackground(r, state);
    }
    if (!active)
        DrawTabBorders(r, hot ? *sheet.TabHotBorders() : *sheet.TabInactiveBorders());

    const int index = sheet.Index();
    if (FImages && FShowImages && sheet.ImageIndex() >= 0 && sheet.ImageIndex() < FImages->Count()) {
        FImages->Draw(canvas, content.Left, r.Top + r.Height() / 2 - FImages->Height() / 2,
                      sheet.ImageIndex(), true);
        content.Left += FImages->Width() + 4;
    }
    if (FVisibleButtons.Contains(pbClose) && FCloseButtonLocation == cbTab) {
        const TSize b = GetButtonSize();
        const int down = static_cast<int>(std::nearbyint(r.Height() / 2.0 - b.cy / 2.0));
        if (active || state.Contains(bsHover))
            DrawCloseButton(Bounds(content.Right - b.cx, content.Top + down, b.cx, b.cy), FCloseButtonState);
        content.Right -= b.cx;
    }

    canvas.SetFont(FTabFont.get());
    if (FOptions.Contains(poBoldActiveCaption) && active)
        canvas.Font()->SetStyle(canvas.Font()->Style() + TFontStyles{fsBold});
    TColor text = sheet.TabActiveTextColor();
    if (hot)
        text = sheet.TabHotTextColor();
    else if (state.Contains(bsHover) && sheet.TabActiveHotTextColor() != clNone)
        text = sheet.TabActiveHotTextColor();
    else if (!active)
        text = sheet.TabInactiveTextColor();
    if (state.Contains(bsDisabled))
        text = clGrayText;
    canvas.Font()->SetColor(text);
    DrawTextInRect(canvas, content, taLeftJustify, taVerticalCenter, GetPageCaption(index),
                   TextWrap::twEndEllipsis, false);
    if (Focused() && active)
        canvas.DrawFocusRect(r);
}

void TKVGxPageControl6::DrawTabBorders(const TRect& r, const TKVGxTabBorders& borders)
{
    TCanvas& canvas = *Canvas();
    const TPoint lines[4][2] = {{{r.Left, r.Top}, {r.Right, r.Top}},
                                {{r.Right - 1, r.Top}, {r.Right - 1, r.Bottom}},
                                {{r.Left, r.Top}, {r.Left, r.Bottom}},
                                {{r.Left, r.Bottom - 1}, {r.Right, r.Bottom - 1}}};
    const std::array<TKVGxTabBorder*, 4> sides = borders.Sides();
    canvas.Pen()->SetWidth(1);
    for (size_t i = 0; i < sides.size(); ++i) {
        if (!sides[i]->Visible())
            continue;
        canvas.Pen()->SetColor(sides[i]->Color());
        canvas.Pen()->SetStyle(sides[i]->Style());
        canvas.MoveTo(lines[i][0].X, lines[i][0].Y);
        canvas.LineTo(lines[i][1].X, lines[i][1].Y);
        canvas.Pen()->SetStyle(psSolid);
    }
}

void TKVGxPageControl6::DrawTabsSeparator()
{
    const TRect strip = GetTabsStripRect();
    TRect band;
    switch (FTabsLocation) {
    case tbTop:
        band = Bounds(0, strip.Bottom, ClientWidth(), 2);
        break;
    case tbLeft:
        band = Bounds(strip.Right, 0, 2, ClientHeight());
        break;
    case tbRight:
        band = Bounds(strip.Left - 2, 0, 2, ClientHeight());
        break;
    case tbBottom:
        band = Bounds(0, strip.Top - 2, ClientWidth(), 2);
        break;
    }
    FPainter->PaintTabsSeparator(band);
}

void TKVGxPageControl6::DrawTabsPopupButton(const TRect& rect, TGxButtonState state)
{
    FPainter->PaintButton(rect, state);
    const int x0 = rect.Left + rect.Width() / 2 - 4;
    const int y0 = rect.Top + rect.Height() / 2 - 3;
    Canvas()->Polygon({{x0, y0}, {x0 + 4, y0 + 4}, {x0 + 8, y0}});
}

void TKVGxPageControl6::DrawCloseButton(const TRect& rect, TGxButtonState state)
{
    TCanvas& canvas = *Canvas();
    if (state.Contains(bsHover) && !FButtonCloseHotImage->Empty()) {
        canvas.Draw(rect.Left, rect.Top, FButtonCloseHotImage.get());
        return;
    }
    if (!FButtonCloseImage->Empty()) {
        canvas.Draw(rect.Left, rect.Top, FButtonCloseImage.get());
        return;
    }
    FPainter->PaintButton(rect, state);
    const TRect cross = CenterRect(rect, Bounds(0, 0, 10, 10));
    const int x = cross.Left, y = cross.Top;
    canvas.Polygon({{x, y}, {x + 8, y + 8}, {x + 9, y + 8}, {x + 1, y}});
    canvas.Polygon({{x, y + 8}, {x + 8, y}, {x + 9, y}, {x + 1, y + 8}});
}

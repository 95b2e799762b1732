// The flip panel's looks: the header in its style, the toggle button, the glyph, the captions, the body and
// the border in the frame.

#include "controls/grid/alpha_drawing.h"
#include "controls/grid/clipping.h"
#include "controls/grid/gradients.h"
#include "controls/grid/providers.h"
#include "controls/grid/text_drawing.h"
#include "controls/grid/ux_themes.h"
#include "controls/pack/flip_panel.h"
#include "platform/gui/graphics/gdi.h"

using FlipPanel::THeaderStyle;
using enum FlipPanel::THeaderStyle;
using enum FlipPanel::TFlipKind;

namespace {

void FillSolid(TCanvas& canvas, const TRect& rect, TColor color)
{
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(color);
    canvas.FillRect(rect);
}

void Frame(TCanvas& canvas, const TRect& rect, TColor color)
{
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(color);
    canvas.FrameRect(rect);
}

// Makes the bitmap's bottom-left colour show through.
void MakeTransparent(TBitmap& bitmap)
{
    bitmap.SetTransparentMode(tmAuto);
    bitmap.SetTransparent(true);
}

constexpr unsigned EllipsisFlags[] = {0, DT_PATH_ELLIPSIS, DT_END_ELLIPSIS, DT_WORD_ELLIPSIS};

} // namespace

void TKVGxFlipPanel::Paint()
{
    TCanvas& canvas = *Canvas();
    PaintHeader();
    if (Focused())
        TGraphicsProvider::DrawFocused(canvas, HeaderRect(), false);
    PaintBackground();
    canvas.SetFont(FHeaderFont.get());
    int textX = FIndent;
    if (FShowButtons) {
        const int glyphHeight = FExpandGlyph->Height();
        const int y = Themed() ? FHeaderHeight / 2 + FCaptionDeltaY - glyphHeight / 2 - 1
                               : FHeaderHeight / 2 + FCaptionDeltaY - 5;
        DrawToggleButton(ButtonX(), y);
        if (FDrawDirection == diLeftToRight)
            textX = FIndent + FExpandGlyph->Width() + 4;
    }
    if (!FGlyph->Empty() && FShowGlyph) {
        const int y = FHeaderHeight / 2 - FGlyph->Height() / 2;
        if (FDrawDirection == diLeftToRight) {
            DrawAlphaBitmap(canvas, ClientWidth() - FGlyph->Width() - 2, y, *FGlyph);
        } else {
            DrawAlphaBitmap(canvas, textX, y, *FGlyph);
            textX += FGlyph->Width() + 2;
        }
    }
    DrawCaptions(textX);
}

void TKVGxFlipPanel::DrawCaptions(int textX)
{
    TCanvas& canvas = *Canvas();
    TRect captionRect{textX + FCaptionDeltaX, FCaptionDeltaY, ClientWidth(), FHeaderHeight};
    if (BorderWidth() > 0)
        --captionRect.Bottom;
    const std::string text = !FExpanded && !FCaptionCollapsed.empty() ? FCaptionCollapsed : Caption();
    DrawAlignedText(canvas, captionRect, taLeftJustify, text, true);
    if (!FRightCaptionVisible || FRightCaption.empty())
        return;
    TRect right = captionRect;
    right.Left += canvas.TextWidth(text) + 8;
    right.Right -= 4;
    canvas.SetFont(FRightCaptionFont.get());
    canvas.Brush()->SetStyle(bsClear);
    DrawText(canvas, FRightCaption, right,
             DT_RIGHT | DT_VCENTER | DT_SINGLELINE | EllipsisFlags[FRightCaptionEllipsis]);
    canvas.Brush()->SetStyle(bsSolid);
}

TColor TKVGxFlipPanel::BaseColor() const
{
    if (!FAdaptiveColors)
        return FHeaderColor;
    if (dynamic_cast<const TKVGxFlipPanel*>(Parent()))
        return Color();
    return Themed() ? GetSchemeColor(18, FColorScheme) : clBtnFace;
}

void TKVGxFlipPanel::PaintHeader()
{
    TCanvas& canvas = *Canvas();
    const bool hot = FMouseInHeader && FMouseInControl && FHeaderHotTrack;
    FHotPainted = hot;
    const TColor c1 = hot ? FHeaderHotColor : FHeaderColor;
    const TColor c2 = hot ? FHeaderHotColorTo : FHeaderColorTo;
    const TColor base = BaseColor();
    TRect r = HeaderRect();
    switch (FHeaderStyle) {
    case hsAuto:
        if (!Themed() || !DrawThemedBackground(canvas, r, "explorerbar", 0, 1))
            FillSolid(canvas, r, base);
        break;
    case hsFadeAway:
        DrawVertGradient(canvas, r, c2, c1);
        break;
    case hsGradient:
        DrawGradient(canvas, r, c1, c2);
        break;
    case hsInverseGradient:
        DrawGradient(canvas, r, c2, c1);
        break;
    case hsOffice2007:
        DrawGlossGradient(canvas, r, GetSchemeColor(4, FColorScheme), GetSchemeColor(3, FColorScheme),
                          FHeaderHeight / 2);
        break;
    case hsSolid:
        FillSolid(canvas, r, c1);
        break;
    case hsTopGradient: {
        const TRect band{r.Left, r.Top, r.Right, r.Top + FHeaderTopGradientSize};
        DrawVertGradientLines(canvas, band, c1, c2);
        FillSolid(canvas, {r.Left, band.Bottom, r.Right, r.Bottom}, c2);
        break;
    }
    case hsTransparent:
        PaintParentImage(*this, canvas);
        break;
    case hsVista:
        FillSolid(canvas, r, clBlack);
        DrawGlassShine(canvas, r);
        break;
    case hsWindowsLive:
        Frame(canvas, r, base);
        InflateRect(r, -1, -1);
        Frame(canvas, r, Color());
        InflateRect(r, -1, -1);
        DrawCenterGlowGradient(canvas, r, base, Color(), r.Height() / 2);
        break;
    }
    if (FExpanded && FHeaderExpandedBottomLineColor != clNone) {
        canvas.Pen()->SetStyle(psSolid);
        canvas.Pen()->SetWidth(1);
        canvas.Pen()->SetColor(FHeaderExpandedBottomLineColor);
        canvas.MoveTo(r.Left, r.Bottom - 1);
        canvas.LineTo(r.Right, r.Bottom - 1);
    }
    if (hot && FHeaderHotBorderSize > 0) {
        TRect border = r;
        if (!FExpanded)
            border.Bottom -= 2 * BorderWidth();
        canvas.Brush()->SetStyle(bsClear);
        canvas.Pen()->SetStyle(psSolid);
        canvas.Pen()->SetColor(FHeaderHotBorderColor);
        canvas.Pen()->SetWidth(FHeaderHotBorderSize);
        canvas.Rectangle(border);
        canvas.Pen()->SetWidth(1);
        canvas.Brush()->SetStyle(bsSolid);
    }
}

void TKVGxFlipPanel::DrawToggleButton(int x, int y)
{
    TCanvas& canvas = *Canvas();
    if (FToggleTriangle) {
        DrawToggleTriangle(x, y);
    } else if (Themed()) {
        if (FTransparentButtons) {
            MakeTransparent(*FExpandGlyph);
            MakeTransparent(*FCollapseGlyph);
        }
        TDrawProvider::ApplyBitmap(canvas, x, y, FExpanded ? *FCollapseGlyph : *FExpandGlyph);
    } else {
        Frame(canvas, Bounds(x, y, 9, 9), clGrayText);
        canvas.Pen()->SetStyle(psSolid);
        canvas.Pen()->SetWidth(1);
        canvas.Pen()->SetColor(clBlack);
        canvas.MoveTo(x + 2, y + 4);
        canvas.LineTo(x + 7, y + 4);
        if (!FExpanded) {
            canvas.MoveTo(x + 4, y + 2);
            canvas.LineTo(x + 4, y + 7);
        }
    }
}

void TKVGxFlipPanel::DrawToggleTriangle(int x, int y)
{
    TCanvas& canvas = *Canvas();
    const int s = FToggleTriangleSize;
    // The triangle lights up over the header whether or not the header does.
    const TColor color = FMouseInControl && FMouseInHeader ? FToggleTriangleHotColor : FToggleTriangleColor;
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(color);
    canvas.Pen()->SetWidth(1);
    if (FExpanded) {
        x += FExpandedDeltaX;
        y += FExpandedDeltaY;
        canvas.Pen()->SetStyle(psSolid);
        canvas.Pen()->SetColor(color);
        canvas.Polygon({{x, y + s - 1}, {x + s - 1, y + s - 1}, {x + s - 1, y}});
    } else {
        x += FCollapsedDeltaX;
        y = y - s / 2 + FCollapsedDeltaY + 1;
        canvas.Pen()->SetStyle(psClear);
        canvas.Polygon({{x, y}, {x + s - 2, y + s - 2}, {x, y + 2 * s - 4}});
        canvas.Pen()->SetStyle(psSolid);
    }
}

void TKVGxFlipPanel::PaintBackground()
{
    TCanvas& canvas = *Canvas();
    const TRect body = BodyRect();
    switch (FBackgroundStyle) {
    case FlipPanel::bsSolid:
        FillSolid(canvas, body, Color());
        break;
    case FlipPanel::bsVertGradient:
        DrawGradient(canvas, body, Color(), FBackgroundColor);
        break;
    case FlipPanel::bsTransparent:
        if (FHeaderStyle == hsTransparent || FHeaderStyle == hsVista || !Parent() ||
            !Parent()->HandleAllocated())
            break;
        {
            const int saved = SaveDC(canvas);
            IntersectClipRect(canvas, body.Left, body.Top, body.Right, body.Bottom);
            PaintParentImage(*this, canvas);
            RestoreDC(canvas, saved);
        }
        break;
    }
}

void TKVGxFlipPanel::PaintBorder(TCanvas& frame)
{
    const TColor color = FAdaptiveColors ? GetSchemeColor(2, FColorScheme) : FBorderColor;
    for (int i = 0; i < BorderWidth(); ++i)
        Frame(frame, {i, i, Width() - i, Height() - i}, color);
}

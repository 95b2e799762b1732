#include "controls/grid/style_display.h"

#include "controls/grid/alpha_drawing.h"
#include "controls/grid/column.h"
#include "controls/grid/column_parts.h"
#include "controls/grid/geometry.h"
#include "controls/grid/grid_control.h"
#include "controls/grid/text_drawing.h"
#include "controls/grid/text_measuring.h"
#include "controls/grid/ux_themes.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/system/float_text.h"
#include "platform/system/mask_text.h"
#include "support/errors.h"
#include "support/system_colors.h"

#include <algorithm>

namespace {

// How far a right-aligned header or footer content moves left to leave room for the sort arrow.
constexpr int kSortArrowRoom = 31;

std::string FooterText(const TColumnFooter& footer)
{
    std::string text = footer.Caption();
    if (!footer.FormatMask().empty()) {
        if (footer.FormatMaskKind() == mkText) {
            text = FormatMaskText(footer.FormatMask(), text);
        } else {
            double value = 0;
            try {
                value = StrToFloat(text);
            } catch (const EConvertError&) {
                value = 0; // a caption that is no number shows the mask applied to 0
            }
            text = FormatFloat(footer.FormatMask(), value);
        }
    }
    return footer.TextBefore() + text + footer.TextAfter();
}

bool HasGlyph(const TColumnPart& part)
{
    return part.Glyph() && !part.Glyph()->Empty() && part.DisplayMode() != dmTextOnly;
}

// The top of a glyph centred in rect.
int GlyphTop(const TRect& rect, const TBitmap& glyph)
{
    return (rect.Bottom - rect.Top) / 2 + rect.Top - glyph.Height() / 2;
}

} // namespace

// --- owner -------------------------------------------------------------------------------------------------

TGxCustomGridControl* TStyleDisplay::Grid() const
{
    return dynamic_cast<TGxCustomGridControl*>(FOwner);
}

TColor TStyleDisplay::OwnerColor() const
{
    const auto* control = dynamic_cast<const TControl*>(FOwner);
    return control ? control->Color() : clWindow;
}

TColor TStyleDisplay::CustomColor(TColor (TGxCustomGridControl::*kvColor)() const, TColor classic) const
{
    const TGxCustomGridControl* grid = Grid();
    return grid && grid->KV_CustomizationEnabled() ? (grid->*kvColor)() : classic;
}

TStyleElements TStyleDisplay::StyleElements() const
{
    const auto* control = dynamic_cast<const TControl*>(FOwner);
    return control ? control->StyleElements() : TStyleElements{seFont, seClient, seBorder};
}

bool TStyleDisplay::UseStyles() const
{
    return IsStyleEnabled();
}

// --- drawing helpers ---------------------------------------------------------------------------------------

void TStyleDisplay::Lines(TColor color, std::initializer_list<TPoint> points)
{
    FCanvas->Pen()->SetColor(color);
    FCanvas->Polyline(std::vector<TPoint>(points));
}

void TStyleDisplay::Fill(const TRect& rect, TColor color)
{
    FCanvas->Brush()->SetStyle(bsSolid);
    FCanvas->Brush()->SetColor(color);
    FCanvas->FillRect(rect);
}

void TStyleDisplay::RightAndBottomLines(const TRect& rect, TColor color)
{
    Lines(color,
          {{rect.Right - 1, rect.Top}, {rect.Right - 1, rect.Bottom - 1}, {rect.Left - 1, rect.Bottom - 1}});
}

void TStyleDisplay::InvertRect(const TRect& rect)
{
    FCanvas->SetCopyMode(cmDstInvert);
    FCanvas->CopyRect(rect, *FCanvas, rect);
    FCanvas->SetCopyMode(cmSrcCopy);
}

void TStyleDisplay::DrawCellBorder(TCanvas& canvas, const TRect& rect, TColor color)
{
    canvas.Pen()->SetColor(color);
    canvas.Polyline({{rect.Left, rect.Bottom - 1}, {rect.Right - 1, rect.Bottom - 1}});
    canvas.Polyline({{rect.Right - 1, rect.Top}, {rect.Right - 1, rect.Bottom + 1}});
}

void TStyleDisplay::DrawGlyph(TBitmap& glyph, int x, int y)
{
    glyph.SetTransparent(true);
    DrawAlphaBitmap(*FCanvas, x, y, glyph);
}

void TStyleDisplay::DoDrawText(TCanvas& canvas, const TRect& textRect, const std::string& caption,
                               bool multiLine)
{
    unsigned flags = DT_END_ELLIPSIS | DT_NOPREFIX | DT_EXTERNALLEADING | DT_VCENTER;
    if (!multiLine)
        flags |= DT_SINGLELINE;
    if (FBidiMode != bdLeftToRight)
        flags |= DT_RTLREADING;
    canvas.Brush()->SetStyle(bsClear);
    TRect rect = textRect;
    DrawText(canvas, caption, rect, flags);
    canvas.Brush()->SetStyle(bsSolid);
}

// --- header ------------------------------------------------------------------------------------------------

int TStyleDisplay::GetHeaderIndent(TGxCustomColumn* column)
{
    if (!FDefaultDrawing || FDisplayMedia != dmScreen)
        return 0;
    return FEnableThemes && column->Header()->DisplayMode() == dmTextOnly ? 11 : 2;
}

void TStyleDisplay::DrawHeader(TGxCustomColumn* column, const TRect& rect)
{
    const TDrawingOptions drawing = column->Header()->DrawingOptions();
    if (FDisplayMedia == dmScreen && drawing != doCustomOnly)
        DrawHeaderBackground(column, rect);
    if (drawing == doNormal || drawing == doCustom)
        DrawHeaderContent(column, rect);
    if (OnHeaderDraw)
        OnHeaderDraw(this, column->Index(), rect);
}

int TStyleDisplay::HeaderTextExtent(TGxCustomColumn* column)
{
    const TColumnHeader& header = *column->Header();
    if (header.DisplayMode() == dmImageOnly)
        return 0;
    if (header.Orientation() == hoVertical)
        return 2 + WideTextHeight(*FCanvas, header.Caption());
    return 2 + (header.MultiLine() ? CalcTextWidth(*FCanvas, header.Caption())
                                   : WideTextWidth(*FCanvas, header.Caption()));
}

void TStyleDisplay::DrawHeaderContent(TGxCustomColumn* column, const TRect& r)
{
    const TColumnHeader& header = *column->Header();
    const int e = HeaderTextExtent(column);
    const int sortShift = column->Sorted() ? kSortArrowRoom : 0;
    int x = r.Left + 2;
    if (HasGlyph(header)) {
        TBitmap& glyph = *header.Glyph();
        const int gy = GlyphTop(r, glyph);
        int gx = r.Left + 3;
        if (header.Alignment() == taRightJustify)
            gx = r.Right - glyph.Width() - e - 2 - sortShift;
        else if (header.Alignment() == taCenter)
            gx = (r.Right - r.Left) / 2 + r.Left - (e + glyph.Width()) / 2;
        x = gx + glyph.Width() + 2;
        if (header.Alignment() == taRightJustify)
            x = std::max(x, static_cast<int>(r.Left));
        if (gx >= r.Left)
            DrawGlyph(glyph, gx, gy);
    } else if (header.Alignment() == taRightJustify) {
        x = std::max(r.Right - e - 2, r.Left) - sortShift;
    } else if (header.Alignment() == taCenter && e < r.Width()) {
        x = r.Left + (r.Width() - e) / 2;
    }
    if (header.DisplayMode() != dmImageOnly) {
        TRect textRect{x, r.Top, r.Right, r.Bottom};
        AdjustHeaderTextRect(textRect);
        if (header.Orientation() == hoHorizontal)
            DoDrawText(*FCanvas, textRect, header.Caption(), header.MultiLine());
        else
            DrawVerticalText(*FCanvas, textRect, header.Caption(), header.MultiLine());
    }
    if (!FDefaultDrawing)
        return;
    const int arrowX = x + e + 19;
    if (column->Sorted() && (arrowX + 8 < r.Right || !header.HideArrow()) &&
        !GetStyleDisplayAttributes().Contains(sdaCustomArrow))
        DrawSortArrow(arrowX, (r.Bottom - r.Top) / 2 + r.Top - 4, column->SortKind() == skAscending);
    if (column->Focused() && GetStyleDisplayAttributes().Contains(sdaInvertFocus))
        InvertRect(column->IsAlone() ? TRect{r.Left - 1, r.Top - 1, r.Right, r.Bottom}
                                     : TRect{r.Left, r.Top, r.Right - 1, r.Bottom});
}

void TStyleDisplay::DrawSortArrow(int x, int y, bool ascending)
{
    TCanvas& c = *FCanvas;
    if (FEnableThemes) {
        c.Brush()->SetStyle(bsSolid);
        c.Brush()->SetColor(clGrayText);
        c.Pen()->SetColor(clGrayText);
        if (ascending)
            c.Polygon({{x, y + 4}, {x + 4, y}, {x + 8, y + 4}});
        else
            c.Polygon({{x, y}, {x + 4, y + 4}, {x + 8, y}});
        return;
    }
    if (ascending) {
        Lines(clBtnShadow, {{x + 7, y + 6},
                            {x, y + 6},
                            {x, y + 5},
                            {x + 1, y + 5},
                            {x + 1, y + 3},
                            {x + 2, y + 3},
                            {x + 2, y + 1},
                            {x + 3, y + 1},
                            {x + 3, y - 1}});
        Lines(clBtnHighlight, {{x + 7, y + 5},
                               {x + 6, y + 5},
                               {x + 6, y + 3},
                               {x + 5, y + 3},
                               {x + 5, y + 1},
                               {x + 4, y + 1},
                               {x + 4, y - 1}});
        return;
    }
    Lines(clBtnShadow, {{x + 7, y},
                        {x, y},
                        {x, y + 1},
                        {x + 1, y + 1},
                        {x + 1, y + 3},
                        {x + 2, y + 3},
                        {x + 2, y + 5},
                        {x + 3, y + 5},
                        {x + 3, y + 7}});
    Lines(clBtnHighlight, {{x + 7, y + 1},
                           {x + 6, y + 1},
                           {x + 6, y + 3},
                           {x + 5, y + 3},
                           {x + 5, y + 5},
                           {x + 4, y + 5},
                           {x + 4, y + 7}});
}

int TStyleDisplay::GetHeaderContentWidth(TGxCustomColumn* column)
{
    const TColumnHeader& header = *column->Header();
    const int t = header.Orientation() == hoVertical ? WideTextHeight(*FCanvas, header.Caption())
                                                     : WideTextWidth(*FCanvas, header.Caption());
    const int g = header.Glyph() ? header.Glyph()->Width() : 0;
    switch (header.DisplayMode()) {
    case dmImageOnly:
        return g;
    case dmTextAndImage:
        return g + t + 2;
    default:
        return t;
    }
}

// --- footer ------------------------------------------------------------------------------------------------

void TStyleDisplay::DrawFooter(TGxCustomColumn* column, const TRect& rect, bool grid)
{
    const TColumnFooter& footer = *column->Footer();
    TRect inner = rect;
    if (grid) {
        inner.Right -= 1;
        inner.Bottom -= 1;
    }
    if (footer.DrawingOptions() != doCustomOnly) {
        FCanvas->SetFont(column->Font());
        Fill(inner, footer.Color());
    }
    if (!grid)
        DrawCellBorder(*FCanvas, rect, clBtnFace);
    else if (!Grid())
        DrawCellBorder(*FCanvas, rect, clBtnFace); // no grid to read the border colour from
    else if (Grid()->KV_CustomizationEnabled())
        DrawCellBorder(*FCanvas, rect, Grid()->KV_FooterBorder());
    const int saved = SaveDC(*FCanvas);
    IntersectClipRect(*FCanvas, rect.Left, rect.Top, rect.Right, rect.Bottom);
    if (footer.DrawingOptions() == doNormal || footer.DrawingOptions() == doCustom)
        DrawFooterContent(column, inner);
    if (OnDraw)
        OnDraw(this, column->Index(), inner);
    RestoreDC(*FCanvas, saved);
}

void TStyleDisplay::DrawFooterContent(TGxCustomColumn* column, const TRect& r)
{
    const TColumnFooter& footer = *column->Footer();
    const std::string text = FooterText(footer);
    const int w = footer.DisplayMode() == dmImageOnly ? 0 : WideTextWidth(*FCanvas, text);
    int x = r.Left + 2;
    if (HasGlyph(footer)) {
        TBitmap& glyph = *footer.Glyph();
        int gx = r.Left + 3;
        if (footer.Alignment() == taRightJustify)
            gx =
                r.Right - glyph.Width() - w - column->Padding() - 2 - (column->Sorted() ? kSortArrowRoom : 0);
        else if (footer.Alignment() == taCenter)
            gx = (r.Right - r.Left) / 2 + r.Left - (w + glyph.Width()) / 2;
        x = gx + glyph.Width() + 2;
        DrawGlyph(glyph, gx, GlyphTop(r, glyph));
    } else if (footer.Alignment() == taRightJustify) {
        x = r.Right - w - column->Padding();
    } else if (footer.Alignment() == taCenter) {
        x = (r.Right - r.Left) / 2 + r.Left - w / 2;
    }
    if (footer.DisplayMode() != dmImageOnly)
        DoDrawText(*FCanvas, {std::max(x, static_cast<int>(r.Left)), r.Top, r.Right, r.Bottom}, text, false);
}

// --- input row, corner boxes, indicator --------------------------------------------------------------------

void TStyleDisplay::DrawInput(TGxCustomColumn* column, const TRect& r, bool grid, bool selected, bool focused)
{
    TCanvas& c = *FCanvas;
    const TRect textRect{r.Left + 2, r.Top, r.Right - 1, r.Bottom - 1};
    c.SetFont(column->Font());
    c.Font()->SetStyle({});
    TColor brush = column->Color();
    TColor font = clGrayText;
    if (selected && !column->Input() && !column->Selected()) {
        font = clHighlightText;
        brush = focused ? clHighlight : clBtnFace;
    }
    c.Font()->SetColor(font);
    const int d = grid && selected ? -1 : 0;
    const TRect box{r.Left, r.Top, r.Right + d, r.Bottom + d};
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(brush);
    column->Input() ? c.FrameRect(box) : c.FillRect(box);
    if (grid && selected)
        DrawCellBorder(c, r, clHighlight);
    if (!column->InputValue().empty())
        DrawTextRectEx(c, textRect, column->Alignment(), column->GetInputDrawText(), FBidiMode);
    else
        DrawTextRectEx(c, textRect, taCenter, column->InputCaption(), FBidiMode);
}

void TStyleDisplay::DrawCornerBox(const TRect& rect, TBoxLocation)
{
    Fill(rect, OwnerColor());
}

void TStyleDisplay::DrawInactiveHeader(const TRect& rect)
{
    Fill(rect, OwnerColor());
}

void TStyleDisplay::DrawIndicator(const TRect& r, int index, bool, bool)
{
    TCanvas& c = *FCanvas;
    Fill({1, r.Top + 1, r.Right - 1, r.Bottom}, clBtnFace);
    Lines(clBtnHighlight, {{0, r.Top}, {0, r.Bottom + 1}});
    if (index < 1) {
        Lines(clBtnHighlight, {{1, r.Top}, {r.Right - 1, r.Top}});
    } else {
        c.SetPixels(1, r.Top, clBtnFace);
        c.SetPixels(r.Right - 2, r.Top, clBtnFace);
        Lines(clBtnHighlight, {{2, r.Top}, {r.Right - 2, r.Top}});
    }
    c.SetPixels(1, r.Bottom - 1, clBtnFace);
    c.SetPixels(r.Right - 2, r.Bottom - 1, clBtnFace);
    Lines(clBtnShadow, {{r.Right - 1, r.Top}, {r.Right - 1, r.Bottom}});
    Lines(clBtnShadow, {{2, r.Bottom - 1}, {r.Right - 2, r.Bottom - 1}});
}

void TStyleDisplay::DrawIndicatorState(const TRect& r, bool selected, bool highlighted)
{
    const TGxCustomGridControl* grid = Grid();
    if (!grid || (!selected && !highlighted))
        return;
    TCanvas& c = *FCanvas;
    const TPoint p = PosInRect(6, 11, 0, r, taCenter, taVerticalCenter);
    const std::vector<TPoint> marker{{p.X, p.Y}, {p.X + 5, p.Y + 5}, {p.X, p.Y + 10}};
    if (!grid->KV_CustomizationEnabled()) {
        if (!selected) {
            InvertRect(r);
            return;
        }
        c.Brush()->SetColor(clWindowText);
        c.Pen()->SetColor(clWindowText);
        c.Polygon(marker);
        return;
    }
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(grid->KV_IndicatorHotBackground());
    c.Pen()->SetColor(grid->KV_IndicatorHotBackground());
    c.Rectangle(r.Left, r.Top, r.Right, r.Bottom - 1);
    if (!selected)
        return;
    c.Brush()->SetColor(grid->KV_IndicatorHotTriangle());
    c.Pen()->SetColor(grid->KV_IndicatorHotTriangle());
    c.Polygon(marker);
}

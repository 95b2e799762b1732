#include "controls/toolbars/menu_glyphs.h"

#include "controls/toolbars/dpi_scaling.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/gdi.h"

#include <vector>

namespace {

std::vector<TPoint> Scaled(std::initializer_list<TPoint> points, int cx, int cy)
{
    std::vector<TPoint> result;
    for (const TPoint& p : points)
        result.push_back({cx + ScaleForDPI(p.X), cy + ScaleForDPI(p.Y)});
    return result;
}

void FilledPolygon(TCanvas& canvas, const std::vector<TPoint>& points, TColor color)
{
    canvas.Pen()->SetColor(color);
    canvas.Pen()->SetStyle(psSolid);
    canvas.Brush()->SetColor(color);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Polygon(points);
}

} // namespace

void DrawCheckMark(TCanvas& canvas, int cx, int cy)
{
    cx -= ScaleForDPI(2);
    cy += ScaleForDPI(1);
    canvas.Pen()->SetStyle(psSolid);
    canvas.Pen()->SetColor(clBtnText);
    canvas.Polyline(Scaled({{-2, -2}, {0, 0}, {4, -4}, {4, -3}, {0, 1}, {-2, -1}, {-2, -2}}, cx, cy));
    canvas.Pen()->SetColor(clBtnHighlight);
    canvas.Polyline(Scaled({{-3, -2}, {-3, -1}, {0, 2}, {5, -3}, {5, -5}}, cx, cy));
}

void DrawRadioDot(TCanvas& canvas, int cx, int cy)
{
    const auto s = ScaleForDPI;
    canvas.Pen()->SetStyle(psSolid);
    canvas.Pen()->SetColor(clBtnText);
    canvas.Brush()->SetColor(clBtnText);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.RoundRect(cx - s(3), cy - s(3), cx + s(2), cy + s(2), s(2), s(2));
    canvas.Pen()->SetColor(clBtnHighlight);
    canvas.Brush()->SetStyle(bsClear);
    canvas.RoundRect(cx - s(4), cy - s(4), cx + s(3), cy + s(3), s(6), s(6));
}

void FillCheckedPattern(TCanvas& canvas, const TRect& r)
{
    TBitmap pattern(8, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            pattern.Canvas()->SetPixels(x, y, (x + y) % 2 == 0 ? clBtnFace : clBtnHighlight);
    TBrush brush;
    brush.SetBitmap(&pattern);
    TBrush before;
    before.Assign(canvas.Brush());
    canvas.SetBrush(&brush);
    canvas.FillRect(r);
    canvas.SetBrush(&before);
}

void DrawSubmenuGlyph(TCanvas& canvas, const TRect& r, TColor color)
{
    TBitmap glyph(r.Width(), r.Height(), pf1bit);
    TRect box{0, 0, r.Width(), r.Height()};
    DrawFrameControl(*glyph.Canvas(), box, DFC_MENU, DFCS_MENUARROW);
    const TColor textColor = SetTextColor(canvas, clWhite);
    const TColor bkColor = SetBkColor(canvas, clBlack);
    canvas.Brush()->SetColor(color);
    canvas.Brush()->SetStyle(bsSolid);
    BitBlt(canvas, r.Left, r.Top, r.Width(), r.Height(), *glyph.Canvas(), 0, 0, ROP_DSPDXAX);
    SetTextColor(canvas, textColor);
    SetBkColor(canvas, bkColor);
    canvas.Brush()->SetStyle(bsClear);
}

void DrawDropdownTriangle(TCanvas& canvas, const TRect& r, bool vertical, TColor color)
{
    const int x = (r.Left + r.Right) / 2, y = (r.Top + r.Bottom) / 2;
    const int s1 = ScaleForDPI(1), s2 = ScaleForDPI(2);
    if (vertical)
        FilledPolygon(canvas, {{x - s1, y + s2}, {x - s1, y - s2}, {x - s1 - s2, y}}, color);
    else
        FilledPolygon(canvas, {{x - s2, y - s1}, {x + s2, y - s1}, {x, y - s1 + s2}}, color);
}

void DrawScrollTriangle(TCanvas& canvas, const TRect& band, bool up)
{
    const int x = (band.Left + band.Right) / 2, y = (band.Top + band.Bottom) / 2 - ScaleForDPI(1);
    const int s3 = ScaleForDPI(3);
    if (up)
        FilledPolygon(canvas, {{x - s3, y + s3}, {x + s3, y + s3}, {x, y}}, clMenuText);
    else
        FilledPolygon(canvas, {{x - s3, y}, {x + s3, y}, {x, y + s3}}, clMenuText);
}

void DrawGlyphRows(TCanvas& canvas, int x, int y, std::span<const uint8_t> rows, TColor color)
{
    const int height = static_cast<int>(rows.size());
    TBitmap glyph(8, height, pf1bit);
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < 8; ++column)
            glyph.Canvas()->SetPixels(
                column, row, (rows[static_cast<size_t>(row)] & (0x80 >> column)) ? clBlack : clWhite);
    const TColor textColor = SetTextColor(canvas, clBlack);
    const TColor bkColor = SetBkColor(canvas, clWhite);
    canvas.Brush()->SetColor(color);
    canvas.Brush()->SetStyle(bsSolid);
    BitBlt(canvas, x, y, 8, height, *glyph.Canvas(), 0, 0, ROP_DSPDXAX);
    SetTextColor(canvas, textColor);
    SetBkColor(canvas, bkColor);
}

#include "controls/skins/skin_glyphs.h"

#include "controls/skins/skin_drawing.h"
#include "platform/gui/graphics/bitmap.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

struct TGlyphPattern
{
    int Width;
    int Height;
    std::array<uint8_t, 9> Rows;
};

constexpr std::array<TGlyphPattern, 4> CaptionButtonGlyphs = {{
    {8, 8, {0xC6, 0xEE, 0x7C, 0x38, 0x7C, 0xEE, 0xC6, 0x00}},       // close
    {8, 8, {0xFF, 0xFF, 0x81, 0x81, 0x81, 0x81, 0x81, 0xFF}},       // maximize
    {8, 8, {0x00, 0x00, 0x00, 0x00, 0x00, 0x7E, 0x7E, 0x00}},       // minimize
    {8, 9, {0x3F, 0x3F, 0x21, 0xFD, 0xFD, 0x87, 0x84, 0x84, 0xFC}}, // restore
}};

bool IsEmpty(const TRect& r)
{
    return r.Right <= r.Left || r.Bottom <= r.Top;
}

} // namespace

void DrawArrowTriangle(TCanvas& canvas, int x, int y, TColor color, bool vertical, bool upOrLeft, int size)
{
    if (color == clNone)
        return;
    std::vector<TPoint> points;
    if (vertical && upOrLeft)
        points = {{x, y}, {x - size, y + size}, {x + size, y + size}};
    else if (vertical)
        points = {{x - size, y}, {x + size, y}, {x, y + size}};
    else if (upOrLeft)
        points = {{x, y}, {x + size, y + size}, {x + size, y - size}};
    else
        points = {{x, y - size}, {x, y + size}, {x + size, y}};
    TSavedCanvasState saved(canvas);
    canvas.Pen()->SetStyle(psSolid);
    canvas.Pen()->SetColor(color);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(color);
    canvas.Polygon(points);
}

void DrawDropMark(TCanvas& canvas, const TRect& r)
{
    if (IsEmpty(r))
        return;
    const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
    canvas.Rectangle(L + 1, T, R - 1, T + 2);
    canvas.Rectangle(L + 1, B - 2, R - 1, B);
    canvas.Rectangle(L, T + 1, R, T + 3);
    canvas.Rectangle(L, B - 3, R, B - 1);
    canvas.Rectangle(L + 1, T + 4, R - 1, B - 4);
}

void DrawFocusRectBW(TCanvas& canvas, const TRect& r)
{
    if (IsEmpty(r))
        return;
    TSavedCanvasState saved(canvas);
    SetTextColor(canvas, clBlack);
    SetBkColor(canvas, clWhite);
    DrawFocusRect(canvas, r);
}

void DrawMonoGlyph(TCanvas& canvas, const TRect& r, int width, int height, std::span<const uint8_t> rows,
                   TColor color)
{
    if (color == clNone || width <= 0 || height <= 0)
        return;
    // The pattern's painted pixels black on white: the brush shows through the black ones.
    TBitmap mask(std::max(width, 8), std::max(height, 8), pfDevice);
    for (int y = 0; y < mask.Height(); ++y) {
        uint8_t* line = mask.ScanLine(y);
        const uint8_t bits = static_cast<size_t>(y) < rows.size() ? rows[static_cast<size_t>(y)] : 0;
        for (int x = 0; x < mask.Width(); ++x) {
            const bool painted = x < 8 && (bits & (0x80 >> x));
            std::fill_n(line + 4 * x, 3, painted ? 0 : 0xFF);
            line[4 * x + 3] = 0xFF;
        }
    }
    TSavedCanvasState saved(canvas);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(color);
    BitBlt(canvas, (r.Left + r.Right - width + 1) / 2, (r.Top + r.Bottom - height + 1) / 2, width, height,
           *mask.Canvas(), 0, 0, ROP_DSPDXAX);
}

void DrawCaptionButtonGlyph(TCanvas& canvas, const TRect& r, int kind, TColor color)
{
    if (kind < cbgClose || kind > cbgRestore)
        return;
    const TGlyphPattern& glyph = CaptionButtonGlyphs[static_cast<size_t>(kind)];
    DrawMonoGlyph(canvas, r, glyph.Width, glyph.Height, std::span(glyph.Rows).first(glyph.Height), color);
}

void DrawGripDots(TCanvas& canvas, const TRect& r, TColor color, TColor shadowColor)
{
    const int columns = std::max(r.Width() / 4, 1);
    const int rows = std::max(r.Height() / 4, 1);
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < columns; ++j) {
            const TRect dot = Bounds(r.Left + 4 * j + 1, r.Top + 4 * i + 1, 2, 2);
            FillRectColors(canvas, dot, shadowColor, clNone);
            FillRectColors(canvas, {dot.Left - 1, dot.Top - 1, dot.Right - 1, dot.Bottom - 1}, color, clNone);
        }
}

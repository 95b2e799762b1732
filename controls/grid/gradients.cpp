#include "controls/grid/gradients.h"

#include "controls/grid/color_blend.h"
#include "controls/grid/pixel_cursors.h"
#include "platform/gui/graphics/bitmap.h"

#include <cmath>
#include <cstdlib>

namespace {

void DrawGradientLines(TCanvas& canvas, const TRect& rect, TColor fromColor, TColor toColor, bool vertical)
{
    const int steps = vertical ? rect.Width() : rect.Height();
    if (steps < 1)
        return;
    for (int i = 0; i < steps; ++i) {
        canvas.Pen()->SetColor(BlendColor(fromColor, toColor, static_cast<double>(i) / steps));
        if (vertical) {
            canvas.MoveTo(rect.Left + i, rect.Top);
            canvas.LineTo(rect.Left + i, rect.Bottom);
        } else {
            canvas.MoveTo(rect.Left, rect.Top + i);
            canvas.LineTo(rect.Right, rect.Top + i);
        }
    }
}

int RoundedAmount(double fraction)
{
    return static_cast<int>(std::nearbyint(fraction * 255));
}

// The colour of row `row` of `rows` in a gloss gradient.
TColor GlossRowColor(int row, int rows, TColor colorA, TColor colorB, int glossRows)
{
    TColor color = BlendColor(colorB, colorA, RoundedAmount(static_cast<double>(row) / rows));
    if (row < glossRows)
        color = BlendColor(color, clWhite, RoundedAmount(static_cast<double>(row) / (2 * glossRows)));
    return color;
}

void DrawGloss(TCanvas& canvas, const TRect& rect, TColor colorA, TColor colorB, int glossRows, bool glow)
{
    const int width = rect.Width();
    const int height = rect.Height();
    if (width <= 0 || height <= 0)
        return;
    TBitmap bitmap(width, height, pf24bit);
    for (int row = 0; row < height; ++row) {
        const TColor rowColor = GlossRowColor(row, height, colorA, colorB, glossRows);
        uint8_t* p = bitmap.ScanLine(row);
        for (int x = 0; x < width; ++x) {
            const int weight = std::abs(width / 2 - x) * 2 + 100;
            WritePixel24(p, glow ? BlendColor(rowColor, clWhite, std::min(weight, 255)) : rowColor);
        }
    }
    canvas.Draw(rect.Left, rect.Top, &bitmap);
}

} // namespace

void DrawGradient(TCanvas& canvas, const TRect& rect, TColor fromColor, TColor toColor)
{
    DrawGradientLines(canvas, rect, fromColor, toColor, false);
}

void DrawVertGradient(TCanvas& canvas, const TRect& rect, TColor fromColor, TColor toColor)
{
    DrawGradientLines(canvas, rect, fromColor, toColor, true);
}

void DrawGlossGradient(TCanvas& canvas, const TRect& rect, TColor colorA, TColor colorB, int glossRows)
{
    DrawGloss(canvas, rect, colorA, colorB, glossRows, false);
}

void DrawCenterGlowGradient(TCanvas& canvas, const TRect& rect, TColor colorA, TColor colorB, int glossRows)
{
    DrawGloss(canvas, rect, colorA, colorB, glossRows, true);
}

void DrawGlassShine(TCanvas& canvas, const TRect& rect)
{
    // The band is the rectangle's bottom coordinate halved: half the height for rectangles at the top.
    const int width = rect.Width();
    const int rows = rect.Bottom / 2;
    if (width <= 0 || rows <= 0)
        return;
    TBitmap band(width, rows, pf24bit);
    band.Canvas()->CopyRect({0, 0, width, rows}, canvas, Bounds(rect.Left, rect.Top, width, rows));
    for (int row = 0, amount = 150; row < rows && amount >= 0; ++row, amount -= 7) {
        uint8_t* p = band.ScanLine(row);
        const uint8_t* read = p;
        for (int x = 0; x < width; ++x)
            WritePixel24(p, BlendColor(clWhite, ReadPixel24(read), amount));
    }
    canvas.Draw(rect.Left, rect.Top, &band);
}

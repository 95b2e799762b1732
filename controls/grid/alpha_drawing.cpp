#include "controls/grid/alpha_drawing.h"

#include "controls/grid/color_blend.h"
#include "controls/grid/pixel_cursors.h"

#include <algorithm>
#include <cmath>

namespace {

int Rounded(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

TColor ComposeOver(TColor source, TColor background, uint8_t alpha)
{
    const double a = alpha / 255.0;
    TColor result = 0;
    for (const int shift : {0, 8, 16}) {
        const int s = (source >> shift) & 0xFF;
        const int d = (background >> shift) & 0xFF;
        result |= static_cast<TColor>(std::clamp(Rounded(s * a) + Rounded(d * (1 - a)), 0, 255)) << shift;
    }
    return result;
}

// Mixes every pixel of a 32-bit bitmap with a copy of the canvas area under it and draws the result.
template <typename Mix> void DrawMixed(TCanvas& canvas, int x, int y, TBitmap& bitmap, Mix mix)
{
    if (bitmap.PixelFormat() != pf32bit) {
        canvas.Draw(x, y, &bitmap);
        return;
    }
    const int width = bitmap.Width();
    const int height = bitmap.Height();
    TBitmap background(width, height, pf24bit);
    background.Canvas()->CopyRect({0, 0, width, height}, canvas, Bounds(x, y, width, height));
    for (int row = 0; row < height; ++row) {
        const uint8_t* source = bitmap.ScanLine(row);
        uint8_t* p = background.ScanLine(row);
        const uint8_t* under = p;
        for (int column = 0; column < width; ++column) {
            uint8_t alpha = 0;
            const TColor color = ReadPixelAlpha32(source, alpha);
            WritePixel24(p, mix(color, ReadPixel24(under), alpha));
        }
    }
    canvas.Draw(x, y, &background);
}

} // namespace

void ApplyBitmap(TCanvas& canvas, int x, int y, TBitmap& bitmap)
{
    DrawMixed(canvas, x, y, bitmap, ComposeOver);
}

void DrawAlphaBitmap(TCanvas& canvas, int x, int y, TBitmap& bitmap)
{
    DrawMixed(canvas, x, y, bitmap, MixColors);
}

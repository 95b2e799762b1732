#include "controls/edits/banded_gradient.h"

#include "platform/gui/graphics/colors.h"
#include "support/math_routines.h"

#include <algorithm>

namespace {

int Channel(uint8_t from, uint8_t to, int band, int bands)
{
    const double step = (static_cast<double>(to) - from) / bands;
    return std::clamp(from + static_cast<int>(RoundHalfEven(band * step)), 0, 255);
}

} // namespace

void DrawBandedGradient(TCanvas& canvas, const TRect& rect, TColor from, TColor to, int bands,
                        bool horizontal)
{
    bands = std::max(bands, 1);
    const TColor a = ColorToRGB(from);
    const TColor z = ColorToRGB(to);
    const int nearEdge = horizontal ? rect.Left : rect.Top;
    const int farEdge = horizontal ? rect.Right : rect.Bottom;
    const double size = static_cast<double>(farEdge - nearEdge) / bands;
    const int length = static_cast<int>(size) + 1;
    for (int k = 0; k < bands; ++k) {
        const TColor color = RGBToColor(Channel(GetRValue(a), GetRValue(z), k, bands),
                                        Channel(GetGValue(a), GetGValue(z), k, bands),
                                        Channel(GetBValue(a), GetBValue(z), k, bands));
        const int start = nearEdge + static_cast<int>(RoundHalfEven(k * size));
        const int end = std::min(farEdge, start + length);
        canvas.Pen()->SetColor(color);
        canvas.Brush()->SetColor(color);
        canvas.Brush()->SetStyle(bsSolid);
        if (horizontal)
            canvas.Rectangle(start, rect.Top, end, rect.Bottom);
        else
            canvas.Rectangle(rect.Left, start, rect.Right, end);
    }
}

void MarkupGradientFill(TCanvas& canvas, TColor from, TColor to, TColor frameColor, int bands,
                        const TRect& rect, bool horizontal)
{
    DrawBandedGradient(canvas, rect, from, to, bands, horizontal);
    if (frameColor == clNone)
        return;
    canvas.Brush()->SetStyle(bsClear);
    canvas.Pen()->SetColor(frameColor);
    canvas.Rectangle(rect);
}

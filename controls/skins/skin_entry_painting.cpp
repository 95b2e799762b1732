#include "controls/skins/skin_entry_painting.h"

#include "controls/skins/skin_drawing.h"

#include <algorithm>

namespace {

// Styles 1 to 10 come in pairs (top to bottom, left to right); a vertical bar turns each into the other.
int TurnedStyle(int style)
{
    if (style < 1 || style > 10) {
        return style;
    }
    return style % 2 == 1 ? style + 1 : style - 1;
}

// One band from position from to position to, both included. The least band lengths of the split forms can
// reach past the far edge of a rectangle of one or two pixels: what lies past it is clipped off, so the
// neighbours' pixels stay and the colours inside are those of the whole band.
void Band(TCanvas& canvas, const TRect& rect, int from, int to, TColor color1, TColor color2, bool downwards)
{
    const int last = (downwards ? rect.Height() : rect.Width()) - 1;
    if (from > last || to < from) {
        return;
    }
    if (to <= last) {
        GradientFillBand(canvas, rect, from, to, color1, color2, downwards);
        return;
    }
    TSavedCanvasState saved(canvas);
    IntersectClipRect(canvas, rect.Left, rect.Top, rect.Right, rect.Bottom);
    GradientFillBand(canvas, rect, from, to, color1, color2, downwards);
}

} // namespace

void PaintEntryBody(TCanvas& canvas, const TRect& rect, const TQvSkinOptionCategory& category, bool vertical)
{
    if (rect.Width() <= 0 || rect.Height() <= 0) {
        return;
    }
    const TQvSkinOptionEntry& body = category.Body;
    const int style = vertical ? TurnedStyle(body.SkinType) : body.SkinType;
    if (style == 0) {
        FillRectColors(canvas, rect, body.Color1, clNone);
        return;
    }
    if (style < 1 || style > 10) {
        return;
    }
    const bool downwards = style % 2 == 1;
    const int last = (downwards ? rect.Height() : rect.Width()) - 1;
    const auto band = [&](int from, int to, TColor color1, TColor color2) {
        Band(canvas, rect, from, to, color1, color2, downwards);
    };
    const TColor c1 = body.Color1, c2 = body.Color2, c3 = body.Color3, c4 = body.Color4;
    switch ((style + 1) / 2) {
    case 1: // one band
        band(0, last, c1, c2);
        break;
    case 2: { // three bands through all four colours
        const int third = std::max(last / 3, 1);
        band(0, third, c1, c2);
        band(third, 2 * third, c2, c3);
        band(2 * third, last, c3, c4);
        break;
    }
    case 3: { // two halves
        const int half = std::max(last / 2, 1);
        band(0, half, c1, c2);
        band(half, last, c3, c4);
        break;
    }
    default: { // a third (at most 9 pixels for 9 and 10) and the rest
        const int third = style >= 9 ? std::min(last / 3, 9) : last / 3;
        band(0, third, c1, c2);
        band(third, last, c3, c4);
        break;
    }
    }
}

void PaintEntryBorders(TCanvas& canvas, const TRect& rect, const TQvSkinOptionCategory& category,
                       unsigned forceRectBorders)
{
    const TQvSkinOptionEntry& borders = category.Borders;
    if (borders.SkinType < 0 || borders.SkinType > 2) {
        return;
    }
    DrawRoundedFrame(canvas, rect, borders.SkinType, borders.Color1, borders.Color2, borders.Color3,
                     borders.Color4, forceRectBorders);
}

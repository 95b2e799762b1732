#include "controls/pack/gradient_fill.h"

#include "platform/gui/graphics/colors.h"
#include "platform/gui/graphics/gdi.h"
#include "support/math_routines.h"

#include <cmath>
#include <cstdlib>

namespace {

struct TChannels
{
    int r, g, b;
};

TChannels ChannelsOf(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return {GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)};
}

TChannels Difference(TColor first, TColor second)
{
    const TChannels a = ChannelsOf(first), b = ChannelsOf(second);
    return {b.r - a.r, b.g - a.g, b.b - a.b};
}

// first + delta per channel, each a byte taken modulo 256.
TColor AddToChannels(TColor first, TChannels delta)
{
    const TChannels a = ChannelsOf(first);
    return RGBToColor((a.r + delta.r) & 0xFF, (a.g + delta.g) & 0xFF, (a.b + delta.b) & 0xFF);
}

TChannels Scaled(TChannels delta, int numerator, int denominator)
{
    return {MulDiv(numerator, delta.r, denominator), MulDiv(numerator, delta.g, denominator),
            MulDiv(numerator, delta.b, denominator)};
}

void FillSolid(TCanvas& canvas, const TRect& rect, TColor color)
{
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(color);
    canvas.FillRect(rect);
}

bool Overlap(const TRect& a, const TRect& b)
{
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// Bands along one axis: rect's extent from start to end on that axis, band i covering [from, to). A band
// outside the canvas's clip is not painted: a control repainting a strip of its parent's gradient panel
// costs that strip's bands, not the panel's.
template <typename MakeBand>
void FillBands(TCanvas& canvas, int start, int end, TColor first, TColor second, int steps, MakeBand band)
{
    const int extent = end - start;
    const int count = extent < steps ? extent : steps;
    if (count <= 0)
        return;
    TRect clip;
    if (GetClipBox(canvas, clip) == NULLREGION)
        return;
    const TChannels delta = Difference(first, second);
    int from = start;
    for (int i = 1; i <= count; ++i) {
        // i + 1, not i: the first band spans two steps and the last one, starting at the end, is empty.
        const int to = i == count ? end : start + MulDiv(i + 1, extent, count);
        const TRect rect = band(from, to);
        if (Overlap(rect, clip))
            FillSolid(canvas, rect, AddToChannels(first, Scaled(delta, i, count)));
        from = to;
    }
}

// Runs paint limited to rect when clip is set.
template <typename Paint> void Clipped(TCanvas& canvas, const TRect& rect, bool clip, Paint paint)
{
    const int saved = SaveDC(canvas);
    if (clip)
        IntersectClipRect(canvas, rect.Left, rect.Top, rect.Right, rect.Bottom);
    paint();
    RestoreDC(canvas, saved);
}

// Paints the square of rect's diagonal on cache (or a temporary bitmap), turns it and draws it centred.
template <typename PaintSquare>
void DrawRotated(TCanvas& canvas, const TRect& rect, uint16_t angle, bool clip, TBitmap* cache,
                 PaintSquare paint)
{
    TBitmap temporary;
    TBitmap& picture = cache ? *cache : temporary;
    try {
        const int d = RectDiagonal(rect);
        picture.SetPixelFormat(pf24bit);
        if (picture.Width() != d || picture.Height() != d)
            picture.SetSize(d, d);
        paint(*picture.Canvas(), d);
        RotateBitmapAroundCenter(picture, angle);
        DrawCentredPicture(canvas, rect, picture, clip);
    } catch (const std::exception&) {
        // A picture that cannot be made is not drawn; the rest of the window paints on.
    }
}

// The rectangle of one pixel (odd sizes) or one point (even sizes) in the middle of rect.
TRect Centre(const TRect& rect)
{
    const int w = rect.Width() / 2, h = rect.Height() / 2;
    return {rect.Left + w, rect.Top + h, rect.Right - w, rect.Bottom - h};
}

// The square around centre that reaches the farthest edge of rect.
TRect OuterSquare(const TRect& rect, const TRect& centre)
{
    const int d = std::max({centre.Left - rect.Left, centre.Top - rect.Top, rect.Right - centre.Right,
                            rect.Bottom - centre.Bottom});
    return {centre.Left - d, centre.Top - d, centre.Right + d, centre.Bottom + d};
}

struct TColorPair
{
    TColor first, second;
};

struct TGradientParts
{
    TColorPair first, second;
};

TGradientParts PartsFor(TDgradBalanceMode mode, TColor from, TColor to, int speedPercent)
{
    if (mode == bmMirror)
        return {{from, to}, {to, from}};
    const TChannels d = Scaled(Difference(from, to), speedPercent - 50, 100);
    const TColor m1 = AddToChannels(from, d);
    const TColor m2 = AddToChannels(to, {-d.r, -d.g, -d.b});
    switch (mode) {
    case bmReverse:
        return {{from, m1}, {to, m2}};
    case bmReverseFromColor:
        return {{from, m1}, {to, from}};
    case bmInvertReverse:
        return {{m2, to}, {m1, from}};
    case bmInvertReverseFromColor:
        return {{from, to}, {m1, from}};
    default:
        return {{from, m1}, {m2, to}};
    }
}

// The rectangle moved from outer toward inner by percent of the way on each edge.
TRect MovedToward(const TRect& outer, const TRect& inner, int percent)
{
    const auto edge = [percent](int o, int i) {
        return o + static_cast<int>(RoundHalfEven((i - o) * percent / 100.0));
    };
    return {edge(outer.Left, inner.Left), edge(outer.Top, inner.Top), edge(outer.Right, inner.Right),
            edge(outer.Bottom, inner.Bottom)};
}

void FillFast(TCanvas& canvas, const TRect& rect, TColor from, TColor to, TDgradOrientation orientation,
              uint16_t angle, uint8_t steps, bool clip, TBitmap* cache)
{
    switch (orientation) {
    case dgdVertical:
        FillVerticalBands(canvas, rect, from, to, steps);
        break;
    case dgdHorizontal:
        FillHorizontalBands(canvas, rect, from, to, steps);
        break;
    case dgdAngle:
        FillRotatedGradient(canvas, rect, from, to, steps, angle, clip, cache);
        break;
    case dgdRadial: {
        // The circles reach beyond a rectangle that is not square: they stay inside it with clip.
        const TRect centre = Centre(rect);
        FillSolid(canvas, rect, from);
        Clipped(canvas, rect, clip, [&] {
            FillConcentricGradient(canvas, OuterSquare(rect, centre), from, to, steps, centre,
                                   TConcentricShape::Ellipses);
        });
        break;
    }
    case dgdRectangle:
        FillSolid(canvas, rect, from);
        FillConcentricGradient(canvas, rect, from, to, steps, Centre(rect), TConcentricShape::Rectangles);
        break;
    }
}

void FillGeneral(TCanvas& canvas, const TRect& rect, TColor from, TColor to, TDgradOrientation orientation,
                 uint16_t balance, uint16_t angle, TDgradBalanceMode mode, uint8_t maxDegrade,
                 int speedPercent, bool clip, TBitmap* cache)
{
    const int s1 = MulDiv(maxDegrade, balance, 100), s2 = maxDegrade - s1;
    const TGradientParts parts = PartsFor(mode, from, to, speedPercent);
    // Plain names rather than structured bindings, which not every compiler lets a lambda capture.
    const auto p1 = parts.first;
    const auto p2 = parts.second;
    switch (orientation) {
    case dgdVertical: {
        const int split = rect.Top + MulDiv(balance, rect.Height(), 100);
        FillVerticalBands(canvas, {rect.Left, rect.Top, rect.Right, split}, p1.first, p1.second, s1);
        FillVerticalBands(canvas, {rect.Left, split, rect.Right, rect.Bottom}, p2.first, p2.second, s2);
        break;
    }
    case dgdHorizontal: {
        const int split = rect.Left + MulDiv(balance, rect.Width(), 100);
        FillHorizontalBands(canvas, {rect.Left, rect.Top, split, rect.Bottom}, p1.first, p1.second, s1);
        FillHorizontalBands(canvas, {split, rect.Top, rect.Right, rect.Bottom}, p2.first, p2.second, s2);
        break;
    }
    case dgdAngle:
        DrawRotated(canvas, rect, angle, clip, cache, [&](TCanvas& square, int d) {
            const int split = MulDiv(balance, d, 100);
            FillHorizontalBands(square, {0, 0, split, d}, p1.first, p1.second, s1);
            FillHorizontalBands(square, {split, 0, d, d}, p2.first, p2.second, s2);
        });
        break;
    case dgdRadial:
    case dgdRectangle: {
        const TRect centre = Centre(rect);
        FillSolid(canvas, rect, from);
        const bool radial = orientation == dgdRadial;
        const TRect outer = radial ? OuterSquare(rect, centre) : rect;
        const TRect middle = MovedToward(outer, centre, balance);
        const TConcentricShape shape = radial ? TConcentricShape::Ellipses : TConcentricShape::Rectangles;
        Clipped(canvas, rect, clip, [&] {
            FillConcentricGradient(canvas, outer, p1.first, p1.second, s1, middle, shape);
            FillConcentricGradient(canvas, middle, p2.first, p2.second, s2, centre, shape);
        });
        break;
    }
    }
}

} // namespace

void DrawCentredPicture(TCanvas& canvas, const TRect& rect, TBitmap& picture, bool clip)
{
    Clipped(canvas, rect, clip, [&] {
        canvas.Draw(rect.Left + (rect.Width() - picture.Width()) / 2,
                    rect.Top + (rect.Height() - picture.Height()) / 2, &picture);
    });
}

int RectDiagonal(const TRect& rect)
{
    return static_cast<int>(RoundHalfEven(std::hypot(double(rect.Width()), double(rect.Height()))));
}

void FillVerticalBands(TCanvas& canvas, const TRect& rect, TColor first, TColor second, int steps)
{
    FillBands(canvas, rect.Top, rect.Bottom, first, second, steps, [&](int from, int to) {
        return TRect{rect.Left, from, rect.Right, to};
    });
}

void FillHorizontalBands(TCanvas& canvas, const TRect& rect, TColor first, TColor second, int steps)
{
    FillBands(canvas, rect.Left, rect.Right, first, second, steps, [&](int from, int to) {
        return TRect{from, rect.Top, to, rect.Bottom};
    });
}

void RotateBitmapAroundCenter(TBitmap& bitmap, uint16_t angle)
{
    const float a = static_cast<float>(angle) * static_cast<float>(M_PI) / 180.0f;
    const float c = std::cos(a), s = std::sin(a);
    const float w = static_cast<float>(bitmap.Width()), h = static_cast<float>(bitmap.Height());
    const float x0 = (w - w * c + h * s) / 2, y0 = (h - w * s - h * c) / 2;
    const auto point = [](float x, float y) {
        return TPoint{static_cast<int32_t>(RoundHalfEven(x)), static_cast<int32_t>(RoundHalfEven(y))};
    };
    const TPoint corners[3] = {point(x0, y0), point(x0 + w * c, y0 + w * s), point(x0 - h * s, y0 + h * c)};
    TCanvas& canvas = *bitmap.Canvas();
    PlgBlt(canvas, corners, canvas, 0, 0, bitmap.Width(), bitmap.Height());
}

void FillRotatedGradient(TCanvas& canvas, const TRect& rect, TColor first, TColor second, int steps,
                         uint16_t angle, bool clip, TBitmap* cache)
{
    DrawRotated(canvas, rect, angle, clip, cache, [&](TCanvas& square, int d) {
        FillHorizontalBands(square, {0, 0, d, d}, first, second, steps);
    });
}

void FillConcentricGradient(TCanvas& canvas, const TRect& outer, TColor first, TColor second, int steps,
                            const TRect& inner, TConcentricShape shape)
{
    const TChannels delta = Difference(first, second);
    const int dx = std::abs(outer.Width() - inner.Width()) / 2;
    const int dy = std::abs(outer.Height() - inner.Height()) / 2;
    const int m = dx > dy ? dx : dy;
    const int count = m < steps ? m + 1 : steps;
    for (int i = 1; i <= count; ++i) {
        TRect r = outer;
        TColor color = first;
        bool asRectangle = shape == TConcentricShape::Rectangles;
        if (i > 1 && i == count) {
            r = inner;
            color = second;
            // A last shape one pixel thin would vanish as an ellipse.
            asRectangle = asRectangle || inner.Width() == 1 || inner.Height() == 1;
        } else if (i > 1) {
            const int insetX = MulDiv(i - 1, dx, count), insetY = MulDiv(i - 1, dy, count);
            r = {outer.Left + insetX, outer.Top + insetY, outer.Right - insetX, outer.Bottom - insetY};
            color = AddToChannels(first, Scaled(delta, i - 1, count));
        }
        if (asRectangle) {
            FillSolid(canvas, r, color);
        } else {
            canvas.Brush()->SetStyle(bsSolid);
            canvas.Brush()->SetColor(color);
            canvas.Pen()->SetColor(color);
            canvas.Ellipse(r);
        }
    }
}

void GradientFillRect(TCanvas& canvas, const TRect& rect, TColor colorFrom, TColor colorTo,
                      TDgradOrientation orientation, uint16_t balance, uint16_t angleDegree,
                      TDgradBalanceMode balanceMode, uint8_t maxDegrade, int speedPercent, bool clip,
                      TBitmap* cache)
{
    if (balance == 50 && balanceMode == bmNormal && speedPercent == 100)
        FillFast(canvas, rect, colorFrom, colorTo, orientation, angleDegree, maxDegrade, clip, cache);
    else
        FillGeneral(canvas, rect, colorFrom, colorTo, orientation, balance, angleDegree, balanceMode,
                    maxDegrade, speedPercent, clip, cache);
}

void GradientFillRectByKind(TCanvas& canvas, const TRect& rect, TColor colorFrom, TColor colorTo,
                            uint8_t kind, uint8_t maxDegrade)
{
    struct TKind
    {
        TDgradOrientation orientation;
        uint16_t angle;
        uint16_t balance;
        TDgradBalanceMode mode;
    };
    static constexpr TKind kinds[] = {
        {dgdVertical, 45, 50, bmNormal}, {dgdHorizontal, 45, 50, bmNormal}, {dgdAngle, 45, 50, bmNormal},
        {dgdAngle, 135, 50, bmNormal},   {dgdHorizontal, 45, 50, bmMirror}, {dgdVertical, 45, 50, bmMirror},
        {dgdAngle, 45, 50, bmMirror},    {dgdAngle, 135, 50, bmMirror},     {dgdRadial, 45, 50, bmNormal},
        {dgdVertical, 45, 30, bmNormal}, {dgdVertical, 45, 70, bmNormal},
    };
    if (colorFrom == colorTo) {
        FillSolid(canvas, rect, colorFrom);
        return;
    }
    const TKind k = kind < std::size(kinds) ? kinds[kind] : kinds[0];
    GradientFillRect(canvas, rect, colorFrom, colorTo, k.orientation, k.balance, k.angle, k.mode, maxDegrade,
                     100, true, nullptr);
}

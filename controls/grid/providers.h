#pragma once

#include "controls/grid/alpha_drawing.h"
#include "controls/grid/color_blend.h"
#include "controls/grid/geometry.h"
#include "controls/grid/gradients.h"
#include "controls/grid/text_drawing.h"

// The grid's drawing services grouped the way its painters call them: classes of class methods, never
// made into objects.

class TCalcProvider
{
public:
    static bool IsRectInRect(const TRect& guestRect, const TRect& hostRect)
    {
        return ::IsRectInRect(guestRect, hostRect);
    }
    static TPoint PosInRect(int width, int height, int margin, const TRect& rect, TAlignment alignment,
                            TVerticalAlignment verticalAlignment)
    {
        return ::PosInRect(width, height, margin, rect, alignment, verticalAlignment);
    }
    static TRect ResizeRect(const TRect& rect, int deltaLeft, int deltaTop, int deltaRight, int deltaBottom)
    {
        return ::ResizeRect(rect, deltaLeft, deltaTop, deltaRight, deltaBottom);
    }
};

class TGraphicsProvider
{
public:
    static TColor BlendColor(TColor color1, TColor color2, int amount)
    {
        return ::BlendColor(color1, color2, amount);
    }
    static TColor BlendColor(TColor color1, TColor color2, double ratio)
    {
        return ::BlendColor(color1, color2, ratio);
    }
    // The face shrunk by 1 in clBtnFace inside a 3-D frame: clBtnHighlight top and left, bottom and right
    // clWindowFrame with oldStyle, else clBtnShadow.
    static void DrawButton(TCanvas& canvas, const TRect& rect, bool oldStyle);
    // A clHighlight frame in the XP style, else the dotted focus rectangle.
    static void DrawFocused(TCanvas& canvas, const TRect& rect, bool xpStyle);
    static void DrawGradient(TCanvas& canvas, const TRect& rect, TColor fromColor, TColor toColor)
    {
        ::DrawGradient(canvas, rect, fromColor, toColor);
    }
    static void DrawVertGradient(TCanvas& canvas, const TRect& rect, TColor fromColor, TColor toColor)
    {
        ::DrawVertGradient(canvas, rect, fromColor, toColor);
    }
    static void DrawTextRect(TCanvas& canvas, const TRect& rect, TAlignment alignment,
                             const std::string& text, TBiDiMode biDiMode)
    {
        DrawTextRectEx(canvas, rect, alignment, text, biDiMode);
    }
};

class TMaskProvider
{
public:
    static TColor MixColors(TColor c1, TColor c2, int weight1) { return ::MixColors(c1, c2, weight1); }
};

class TDrawProvider
{
public:
    static void ApplyBitmap(TCanvas& canvas, int x, int y, TBitmap& bitmap)
    {
        ::ApplyBitmap(canvas, x, y, bitmap);
    }
};

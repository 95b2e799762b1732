#pragma once

// A bitmap to paint on in the paint kit's tests, and where its pictures go.

#include "gui_driver.h"
#include "platform/gui/graphics/bitmap.h"

#include <memory>

// A 24-bit bitmap filled with one colour.
inline std::unique_ptr<TBitmap> FilledBitmap(int width, int height, TColor color)
{
    auto bitmap = std::make_unique<TBitmap>(width, height, pf24bit);
    bitmap->Canvas()->Brush()->SetColor(color);
    bitmap->Canvas()->FillRect({0, 0, width, height});
    return bitmap;
}

inline TColor PixelAt(TBitmap& bitmap, int x, int y)
{
    return bitmap.Canvas()->Pixels(x, y);
}

// How many pixels of rect differ between two pictures.
inline int DifferingPixels(TBitmap& a, TBitmap& b, const TRect& rect)
{
    int differing = 0;
    for (int y = rect.Top; y < rect.Bottom; ++y)
        for (int x = rect.Left; x < rect.Right; ++x)
            differing += PixelAt(a, x, y) != PixelAt(b, x, y);
    return differing;
}

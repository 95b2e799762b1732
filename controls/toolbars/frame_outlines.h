#pragma once

#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/region.h"

#include <cstdint>
#include <memory>
#include <span>

// Outlines drawn by inverting pixels (a window dragged or sized shows its future frame this way) and the
// monochrome pictures of small glyphs.

// The frame of r, size.cx wide at the sides and size.cy at the top and bottom; empty for an empty r, all
// of r when the inside is empty.
TRegion CreateFrameRegion(const TRect& r, TSize size);
// Inverts the outline of newR with brush and, in the same pass, the one of oldR, so that an outline drawn
// before is taken away; an empty oldR takes nothing away, and the part both share is left alone.
void InvertFrameOutline(TCanvas& canvas, const TRect& newR, const TRect& oldR, TSize newSize, TSize oldSize,
                        const TBrush& brush);

// A brush of the 8 x 8 checkerboard that halftone outlines are drawn with.
class THalftoneBrush
{
public:
    THalftoneBrush();
    const TBrush& Brush() const { return brush_; }

private:
    TBitmap pattern_;
    TBrush brush_;
};
void InvertHalftoneOutline(TCanvas& canvas, const TRect& newR, const TRect& oldR, TSize newSize,
                           TSize oldSize);

// A width x height picture of set (white) and clear (black) pixels from rows of bits, each row starting on a
// 16-bit boundary, the first pixel in the highest bit.
std::unique_ptr<TBitmap> CreateMonoBitmap(int width, int height, std::span<const uint8_t> bits);

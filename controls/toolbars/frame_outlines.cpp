#include "controls/toolbars/frame_outlines.h"

#include "platform/gui/graphics/gdi.h"

TRegion CreateFrameRegion(const TRect& r, TSize size)
{
    if (r.Right <= r.Left || r.Bottom <= r.Top)
        return TRegion();
    TRegion frame = CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom);
    TRect inner = r;
    InflateRect(inner, -size.cx, -size.cy);
    if (inner.Right > inner.Left && inner.Bottom > inner.Top)
        CombineRgn(frame, frame, CreateRectRgn(inner.Left, inner.Top, inner.Right, inner.Bottom), RGN_XOR);
    return frame;
}

void InvertFrameOutline(TCanvas& canvas, const TRect& newR, const TRect& oldR, TSize newSize, TSize oldSize,
                        const TBrush& brush)
{
    TRegion outline = CreateFrameRegion(newR, newSize);
    CombineRgn(outline, outline, CreateFrameRegion(oldR, oldSize), RGN_XOR);
    if (outline.Empty())
        return;
    const int saved = SaveDC(canvas);
    SelectClipRgn(canvas, &outline);
    canvas.SetBrush(&brush);
    TRect box;
    GetClipBox(canvas, box);
    PatBlt(canvas, box.Left, box.Top, box.Width(), box.Height(), PATINVERT);
    RestoreDC(canvas, saved);
}

THalftoneBrush::THalftoneBrush() : pattern_(8, 8)
{
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            pattern_.Canvas()->SetPixels(x, y, (x + y) % 2 == 0 ? clBlack : clWhite);
    brush_.SetBitmap(&pattern_);
}

void InvertHalftoneOutline(TCanvas& canvas, const TRect& newR, const TRect& oldR, TSize newSize,
                           TSize oldSize)
{
    const THalftoneBrush halftone;
    InvertFrameOutline(canvas, newR, oldR, newSize, oldSize, halftone.Brush());
}

std::unique_ptr<TBitmap> CreateMonoBitmap(int width, int height, std::span<const uint8_t> bits)
{
    auto bitmap = std::make_unique<TBitmap>(width, height, pf1bit);
    const size_t rowBytes = static_cast<size_t>((width + 15) / 16 * 2);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const size_t byte = static_cast<size_t>(y) * rowBytes + static_cast<size_t>(x / 8);
            const bool set = byte < bits.size() && (bits[byte] & (0x80 >> (x % 8)));
            bitmap->Canvas()->SetPixels(x, y, set ? clWhite : clBlack);
        }
    return bitmap;
}

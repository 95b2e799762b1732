#pragma once

#include "platform/gui/graphics/graphics.h"
#include "platform/gui/graphics/region.h"

#include <memory>
#include <string>
#include <vector>

// A drawing surface with the pixel rules of the classic platform, not those of the toolkit beneath:
// - lines exclude their end point; Rectangle, Ellipse and RoundRect stay inside (Left, Top)..(Right, Bottom)
//   with the right and bottom edges exclusive; FillRect and FrameRect cover exactly the rectangle;
// - shapes are not antialiased unless Antialiased is set;
// - the background mode and colour follow the brush (solid: opaque in the brush colour; clear:
//   transparent) until SetBkMode/SetBkColor change them; text takes the font colour until SetTextColor;
// - coordinates are logical: device = logical - window origin; clip regions are kept in device pixels.
// A canvas draws on a bitmap (TBitmap::Canvas) or on a painter handed to it while a window paints.

class TGraphic;
class TCanvas;

enum TCopyMode : uint32_t
{
    cmBlackness = 0x00000042,
    cmDstInvert = 0x00550009,
    cmMergeCopy = 0x00C000CA,
    cmMergePaint = 0x00BB0226,
    cmNotSrcCopy = 0x00330008,
    cmNotSrcErase = 0x001100A6,
    cmPatCopy = 0x00F00021,
    cmPatInvert = 0x005A0049,
    cmPatPaint = 0x00FB0A09,
    cmSrcAnd = 0x008800C6,
    cmSrcCopy = 0x00CC0020,
    cmSrcErase = 0x00440328,
    cmSrcInvert = 0x00660046,
    cmSrcPaint = 0x00EE0086,
    cmWhiteness = 0x00FF0062,
};

struct TTextMetric
{
    int tmHeight = 0;
    int tmAscent = 0;
    int tmDescent = 0;
    int tmInternalLeading = 0;
    int tmExternalLeading = 0;
    int tmAveCharWidth = 0;
    int tmMaxCharWidth = 0;
    bool tmFixedPitch = false;
};

class TCanvas : public TPersistent
{
public:
    TCanvas();
    ~TCanvas() override;

    TFont* Font() const;
    TPen* Pen() const;
    TBrush* Brush() const;
    void SetFont(const TFont* font);
    void SetPen(const TPen* pen);
    void SetBrush(const TBrush* brush);
    TPoint PenPos() const;
    void SetPenPos(TPoint pos);
    TCopyMode CopyMode() const;
    void SetCopyMode(TCopyMode mode);
    bool Antialiased() const;
    void SetAntialiased(bool on);
    // True while the canvas has something to draw on.
    bool HandleAllocated() const;

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(const std::vector<TPoint>& points);
    void Polygon(const std::vector<TPoint>& points);
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& rect) { Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void Ellipse(int left, int top, int right, int bottom);
    void Ellipse(const TRect& rect) { Ellipse(rect.Left, rect.Top, rect.Right, rect.Bottom); }
    void FillRect(const TRect& rect);
    void FrameRect(const TRect& rect);
    void DrawFocusRect(const TRect& rect);
    TColor Pixels(int x, int y) const; // clNone where it cannot be read
    void SetPixels(int x, int y, TColor color);

    void TextOut(int x, int y, const std::string& text);
    void TextRect(const TRect& rect, int x, int y, const std::string& text);
    int TextWidth(const std::string& text) const;
    int TextHeight(const std::string& text) const;
    TSize TextExtent(const std::string& text) const;
    TTextMetric TextMetrics() const;

    void Draw(int x, int y, TGraphic* graphic);
    // Scales the picture into rect: pixel by pixel, or smoothly on an antialiased canvas.
    void StretchDraw(const TRect& rect, TGraphic* graphic);
    // Copies source's pixels into dest through CopyMode.
    void CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect);

    TRect ClipRect() const;
    void Lock() {}
    void Unlock() {}
    void Refresh() {}

    struct Impl;
    Impl& Internal() const { return *impl_; }

private:
    bool FrameIsPartOfFill() const;

    std::unique_ptr<Impl> impl_;
};

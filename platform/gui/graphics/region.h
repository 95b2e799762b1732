#pragma once

#include "support/basic_types.h"

#include <memory>
#include <vector>

// A set of pixels for clipping and hit tests, as regions are: rectangles take their right and bottom edges
// as exclusive.

class QRegion;

enum TPolyFillMode
{
    ALTERNATE = 1,
    WINDING = 2
};

class TRegion
{
public:
    TRegion();
    ~TRegion();
    TRegion(const TRegion& other);
    TRegion& operator=(const TRegion& other);

    static TRegion FromRect(const TRect& rect);
    static TRegion Ellipse(const TRect& bounds);
    static TRegion RoundRect(const TRect& bounds, int cornerWidth, int cornerHeight);
    static TRegion Polygon(const std::vector<TPoint>& points, TPolyFillMode mode);

    bool Empty() const;
    bool Contains(int x, int y) const;
    bool IntersectsRect(const TRect& rect) const;
    TRect Box() const; // an empty rectangle for an empty region
    void Offset(int dx, int dy);
    std::vector<TRect> Rects() const;
    bool operator==(const TRegion& other) const;

    const QRegion& Q() const;
    QRegion& Q();

private:
    std::unique_ptr<QRegion> region_;
};

// The region kinds CombineRgn and GetRgnBox answer.
enum TRegionKind
{
    RGN_ERROR = 0,
    NULLREGION = 1,
    SIMPLEREGION = 2,
    COMPLEXREGION = 3
};

enum TCombineMode
{
    RGN_AND = 1,
    RGN_OR = 2,
    RGN_XOR = 3,
    RGN_DIFF = 4,
    RGN_COPY = 5
};

TRegion CreateRectRgn(int left, int top, int right, int bottom);
TRegion CreateEllipticRgn(int left, int top, int right, int bottom);
TRegion CreateRoundRectRgn(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
TRegion CreatePolygonRgn(const std::vector<TPoint>& points, TPolyFillMode mode);
// dest may be one of the sources.
TRegionKind CombineRgn(TRegion& dest, const TRegion& source1, const TRegion& source2, TCombineMode mode);
bool PtInRegion(const TRegion& region, int x, int y);
bool RectInRegion(const TRegion& region, const TRect& rect);
TRegionKind OffsetRgn(TRegion& region, int dx, int dy);
TRegionKind GetRgnBox(const TRegion& region, TRect& box);
bool EqualRgn(const TRegion& a, const TRegion& b);
TRegionKind RegionKind(const TRegion& region);
TRegionKind RegionKind(const QRegion& region);

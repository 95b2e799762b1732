#include "platform/gui/graphics/region.h"

#include "platform/gui/qt/qt_bridge.h"

#include <QPainterPath>
#include <QPolygon>
#include <QRegion>

TRegion::TRegion() : region_(std::make_unique<QRegion>()) {}
TRegion::~TRegion() = default;
TRegion::TRegion(const TRegion& other) : region_(std::make_unique<QRegion>(*other.region_)) {}

TRegion& TRegion::operator=(const TRegion& other)
{
    *region_ = *other.region_;
    return *this;
}

TRegion TRegion::FromRect(const TRect& rect)
{
    TRegion region;
    if (rect.Right > rect.Left && rect.Bottom > rect.Top)
        region.Q() = QRegion(ToQRect(rect));
    return region;
}

TRegion TRegion::Ellipse(const TRect& bounds)
{
    TRegion region;
    if (bounds.Right > bounds.Left && bounds.Bottom > bounds.Top)
        region.Q() = QRegion(ToQRect(bounds), QRegion::Ellipse);
    return region;
}

TRegion TRegion::RoundRect(const TRect& bounds, int cornerWidth, int cornerHeight)
{
    TRegion region;
    if (bounds.Right <= bounds.Left || bounds.Bottom <= bounds.Top)
        return region;
    QPainterPath path;
    path.addRoundedRect(QRectF(ToQRect(bounds)), cornerWidth / 2.0, cornerHeight / 2.0);
    region.Q() = QRegion(path.toFillPolygon().toPolygon(), Qt::WindingFill);
    return region;
}

TRegion TRegion::Polygon(const std::vector<TPoint>& points, TPolyFillMode mode)
{
    TRegion region;
    QPolygon polygon;
    for (const TPoint& p : points)
        polygon << QPoint(p.X, p.Y);
    if (polygon.size() >= 3)
        region.Q() = QRegion(polygon, mode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    return region;
}

bool TRegion::Empty() const
{
    return region_->isEmpty();
}

bool TRegion::Contains(int x, int y) const
{
    return region_->contains(QPoint(x, y));
}

bool TRegion::IntersectsRect(const TRect& rect) const
{
    return rect.Right > rect.Left && rect.Bottom > rect.Top && region_->intersects(ToQRect(rect));
}

TRect TRegion::Box() const
{
    return region_->isEmpty() ? TRect{} : FromQRect(region_->boundingRect());
}

void TRegion::Offset(int dx, int dy)
{
    region_->translate(dx, dy);
}

std::vector<TRect> TRegion::Rects() const
{
    std::vector<TRect> rects;
    for (const QRect& r : *region_)
        rects.push_back(FromQRect(r));
    return rects;
}

bool TRegion::operator==(const TRegion& other) const
{
    return *region_ == *other.region_;
}

const QRegion& TRegion::Q() const
{
    return *region_;
}

QRegion& TRegion::Q()
{
    return *region_;
}

TRegion CreateRectRgn(int left, int top, int right, int bottom)
{
    return TRegion::FromRect(
        {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)});
}

TRegion CreateEllipticRgn(int left, int top, int right, int bottom)
{
    return TRegion::Ellipse({left, top, right, bottom});
}

TRegion CreateRoundRectRgn(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    return TRegion::RoundRect({left, top, right, bottom}, cornerWidth, cornerHeight);
}

TRegion CreatePolygonRgn(const std::vector<TPoint>& points, TPolyFillMode mode)
{
    return TRegion::Polygon(points, mode);
}

TRegionKind RegionKind(const QRegion& region)
{
    if (region.isEmpty())
        return NULLREGION;
    return region.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

TRegionKind RegionKind(const TRegion& region)
{
    return RegionKind(region.Q());
}

TRegionKind CombineRgn(TRegion& dest, const TRegion& source1, const TRegion& source2, TCombineMode mode)
{
    const QRegion& a = source1.Q();
    const QRegion& b = source2.Q();
    switch (mode) {
    case RGN_AND:
        dest.Q() = a.intersected(b);
        break;
    case RGN_OR:
        dest.Q() = a.united(b);
        break;
    case RGN_XOR:
        dest.Q() = a.xored(b);
        break;
    case RGN_DIFF:
        dest.Q() = a.subtracted(b);
        break;
    case RGN_COPY:
        dest.Q() = a;
        break;
    default:
        return RGN_ERROR;
    }
    return RegionKind(dest);
}

bool PtInRegion(const TRegion& region, int x, int y)
{
    return region.Contains(x, y);
}

bool RectInRegion(const TRegion& region, const TRect& rect)
{
    return region.IntersectsRect(rect);
}

TRegionKind OffsetRgn(TRegion& region, int dx, int dy)
{
    region.Offset(dx, dy);
    return RegionKind(region);
}

TRegionKind GetRgnBox(const TRegion& region, TRect& box)
{
    box = region.Box();
    return RegionKind(region);
}

bool EqualRgn(const TRegion& a, const TRegion& b)
{
    return a == b;
}

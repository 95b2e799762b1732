#include "platform/gui/graphics/canvas.h"

#include "platform/gui/graphics/gdi.h"
#include "platform/gui/qt/bitmap_impl.h"
#include "platform/gui/qt/canvas_impl.h"

#include <QPolygon>

#include <cmath>

namespace {

QPainter::CompositionMode CompositionForPenMode(TPenMode mode)
{
    switch (mode) {
    case pmBlack:
        return QPainter::RasterOp_ClearDestination;
    case pmWhite:
        return QPainter::RasterOp_SetDestination;
    case pmNot:
        return QPainter::RasterOp_NotDestination;
    case pmNotCopy:
        return QPainter::RasterOp_NotSource;
    case pmMergePenNot:
        return QPainter::RasterOp_SourceOrNotDestination;
    case pmMaskPenNot:
        return QPainter::RasterOp_SourceAndNotDestination;
    case pmMergeNotPen:
        return QPainter::RasterOp_NotSourceOrDestination;
    case pmMaskNotPen:
        return QPainter::RasterOp_NotSourceAndDestination;
    case pmMerge:
        return QPainter::RasterOp_SourceOrDestination;
    case pmNotMerge:
        return QPainter::RasterOp_NotSourceAndNotDestination;
    case pmMask:
        return QPainter::RasterOp_SourceAndDestination;
    case pmNotMask:
        return QPainter::RasterOp_NotSourceOrNotDestination;
    case pmXor:
        return QPainter::RasterOp_SourceXorDestination;
    case pmNotXor:
        return QPainter::RasterOp_NotSourceXorDestination;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

// The dash patterns of one-pixel styled pens, in pixels.
QList<qreal> DashPattern(TPenStyle style)
{
    switch (style) {
    case psDash:
        return {18, 6};
    case psDot:
        return {3, 3};
    case psDashDot:
        return {9, 6, 3, 6};
    case psDashDotDot:
        return {9, 3, 3, 3, 3, 3};
    case psAlternate:
        return {1, 1};
    default:
        return {};
    }
}

Qt::BrushStyle HatchStyle(TBrushStyle style)
{
    switch (style) {
    case bsHorizontal:
        return Qt::HorPattern;
    case bsVertical:
        return Qt::VerPattern;
    case bsFDiagonal:
        return Qt::FDiagPattern;
    case bsBDiagonal:
        return Qt::BDiagPattern;
    case bsCross:
        return Qt::CrossPattern;
    case bsDiagCross:
        return Qt::DiagCrossPattern;
    case bsClear:
        return Qt::NoBrush;
    default:
        return Qt::SolidPattern;
    }
}

// The last pixel before (x1, y1) on the line from (x0, y0).
QPoint PixelBeforeEnd(int x0, int y0, int x1, int y1)
{
    const int dx = x1 - x0, dy = y1 - y0;
    if (std::abs(dx) >= std::abs(dy)) {
        const int x = x1 - (dx > 0 ? 1 : -1);
        return QPoint(x, y0 + static_cast<int>(std::lround(dy * double(x - x0) / dx)));
    }
    const int y = y1 - (dy > 0 ? 1 : -1);
    return QPoint(x0 + static_cast<int>(std::lround(dx * double(y - y0) / dy)), y);
}

// Draws a one-pixel line from 'from' up to but not including 'to'. Qt leaves out the end with the larger
// coordinate along the line's main axis, which is the start point for lines running left or up.
void DrawLineWithoutEnd(QPainter* p, QPoint from, QPoint to)
{
    const int dx = to.x() - from.x(), dy = to.y() - from.y();
    const bool backwards = std::abs(dx) >= std::abs(dy) ? dx < 0 : dy < 0;
    if (!backwards) {
        p->drawLine(from, to);
        return;
    }
    const QPoint last = PixelBeforeEnd(from.x(), from.y(), to.x(), to.y());
    if (last != from)
        p->drawLine(from, last);
    p->drawPoint(from);
}

// The painter refreshes its engine's state on every call, so an unchanged mode is left alone.
void SetCompositionMode(QPainter* p, QPainter::CompositionMode mode)
{
    if (p->compositionMode() != mode)
        p->setCompositionMode(mode);
}

// A pen w pixels wide covers, across a path through pixel p, the pixels p - w/2 .. p - w/2 + w - 1. The
// toolkit centres wide pens on the path in continuous coordinates, so odd widths move to pixel centres.
QPointF WidePenPoint(int x, int y, int width)
{
    const qreal shift = width % 2 ? 0.5 : 0.0;
    return QPointF(x + shift, y + shift);
}

} // namespace

// --- Impl ---------------------------------------------------------------------------------------------

TCanvas::Impl::Impl(TCanvas& owner) : owner(owner)
{
    font.OnChange = [this](TObject*) {
        fontDirty = true;
        textColor = font.Color();
    };
    textColor = font.Color();
    pen.OnChange = [this](TObject*) { penDirty = true; };
    brush.OnChange = [this](TObject*) {
        brushDirty = true;
        // Selecting a brush sets the background the way the platform's canvas does.
        bkMode = brush.Style() == bsClear ? TRANSPARENT : OPAQUE;
        bkColor = brush.Color();
    };
}

void TCanvas::Impl::Attach(QPainter* p)
{
    ReleaseImagePainter();
    image = nullptr;
    painter = p;
    base = p->transform();
    baseClip.reset();
    if (p->hasClipping())
        baseClip = p->clipRegion();
    p->setRenderHint(QPainter::Antialiasing, antialiased);
    ApplyClip();
}

void TCanvas::Impl::Detach()
{
    if (painter && !ownPainter) {
        painter->setTransform(base);
        if (baseClip)
            painter->setClipRegion(*baseClip);
        else
            painter->setClipping(false);
    }
    painter = nullptr;
}

void TCanvas::Impl::SetImage(QImage* newImage)
{
    ReleaseImagePainter();
    image = newImage;
}

void TCanvas::Impl::ReleaseImagePainter()
{
    if (ownPainter) {
        ownPainter->end();
        ownPainter.reset();
        painter = nullptr;
    }
}

QPainter* TCanvas::Impl::Painter()
{
    if (!painter && image && !image->isNull()) {
        ownPainter = std::make_unique<QPainter>(image);
        painter = ownPainter.get();
        base = QTransform();
        baseClip.reset();
        painter->setRenderHint(QPainter::Antialiasing, antialiased);
        ApplyClip();
    }
    return painter;
}

QPainter* TCanvas::Impl::PenPainter()
{
    QPainter* p = Painter();
    if (!p || pen.Mode() == pmNop)
        return nullptr;
    SetCompositionMode(p, CompositionForPenMode(pen.Mode()));
    return p;
}

QPainter* TCanvas::Impl::BrushPainter()
{
    QPainter* p = Painter();
    if (p)
        SetCompositionMode(p, QPainter::CompositionMode_SourceOver);
    return p;
}

QPainter* TCanvas::Impl::PicturePainter()
{
    QPainter* p = BrushPainter();
    if (p)
        p->setRenderHint(QPainter::SmoothPixmapTransform, antialiased);
    return p;
}

QTransform TCanvas::Impl::ToCanvasDevice() const
{
    return QTransform::fromTranslate(-windowOrg.x(), -windowOrg.y());
}

QTransform TCanvas::Impl::ToDevice() const
{
    return ToCanvasDevice() * base;
}

namespace {

// Once clipping has been switched off, the raster engine ignores a region of more than one rectangle set
// on its own; a rectangle set first switches clipping on again.
void SetClipRegion(QPainter* painter, const QRegion& region)
{
    if (!painter->hasClipping())
        painter->setClipRect(region.boundingRect());
    painter->setClipRegion(region);
}

} // namespace

void TCanvas::Impl::ApplyClip()
{
    if (!painter)
        return;
    painter->setTransform(base);
    if (clip && baseClip)
        SetClipRegion(painter, clip->intersected(*baseClip));
    else if (clip)
        SetClipRegion(painter, *clip);
    else if (baseClip)
        SetClipRegion(painter, *baseClip);
    else
        painter->setClipping(false);
    painter->setTransform(ToDevice());
    painter->setBrushOrigin(ToCanvasDevice().inverted().map(brushOrg));
}

QPen TCanvas::Impl::Pen()
{
    if (penDirty) {
        penDirty = false;
        const TPenStyle style = pen.Style();
        if (style == psClear) {
            qpen = QPen(Qt::NoPen);
        } else {
            const int width = std::max(pen.Width(), 1);
            qpen = QPen(ToQColor(pen.Color()), width);
            qpen.setCosmetic(width == 1);
            qpen.setCapStyle(width == 1 ? Qt::FlatCap : Qt::RoundCap);
            qpen.setJoinStyle(width == 1 ? Qt::MiterJoin : Qt::RoundJoin);
            const QList<qreal> dashes = width == 1 ? DashPattern(style) : QList<qreal>{};
            if (!dashes.isEmpty())
                qpen.setDashPattern(dashes);
        }
    }
    return qpen;
}

void TCanvas::Impl::RefreshBrush()
{
    if (!brushDirty)
        return;
    brushDirty = false;
    qbrush.reset();
    TBitmap* pattern = brush.Bitmap();
    solidBrush = brush.Style() == bsSolid && !(pattern && !pattern->Empty());
    brushColor = ToQColor(brush.Color());
}

QBrush TCanvas::Impl::Brush()
{
    RefreshBrush();
    if (!qbrush) {
        if (TBitmap* pattern = brush.Bitmap(); pattern && !pattern->Empty())
            qbrush = QBrush(pattern->Internal().image);
        else
            qbrush = QBrush(brushColor, HatchStyle(brush.Style()));
    }
    return *qbrush;
}

void TCanvas::Impl::FillWithBrush(QPainter* p, const QRect& rect)
{
    RefreshBrush();
    if (solidBrush)
        p->fillRect(rect, brushColor);
    else
        p->fillRect(rect, Brush());
}

const QFont& TCanvas::Impl::Font()
{
    return Face().font;
}

QFontMetrics TCanvas::Impl::Metrics()
{
    return Face().metrics;
}

const TFontFace& TCanvas::Impl::Face()
{
    if (fontDirty || !face) {
        fontDirty = false;
        face = FontFace(font);
    }
    return *face;
}

void TCanvas::Impl::ApplyFont(QPainter* p)
{
    // Setting a font resolves it against the device every time, equal or not.
    if (p->font() != Font())
        p->setFont(Font());
}

TPoint& TCanvas::Impl::PenPos()
{
    if (pendingAdvance) {
        penPos.X += pendingAdvance->face->Advance(pendingAdvance->text);
        pendingAdvance.reset();
    }
    return penPos;
}

void TCanvas::Impl::AdvancePenPast(int x, int y, const QString& text)
{
    penPos = {x, y};
    Face();
    pendingAdvance = PendingAdvance{text, face};
}

// --- TCanvas ------------------------------------------------------------------------------------------

TCanvas::TCanvas() : impl_(std::make_unique<Impl>(*this)) {}

TCanvas::~TCanvas()
{
    impl_->ReleaseImagePainter();
    impl_->Detach();
}

TFont* TCanvas::Font() const
{
    return &impl_->font;
}

TPen* TCanvas::Pen() const
{
    return &impl_->pen;
}

TBrush* TCanvas::Brush() const
{
    return &impl_->brush;
}

void TCanvas::SetFont(const TFont* font)
{
    impl_->font.Assign(font);
}

void TCanvas::SetPen(const TPen* pen)
{
    impl_->pen.Assign(pen);
}

void TCanvas::SetBrush(const TBrush* brush)
{
    impl_->brush.Assign(brush);
}

TPoint TCanvas::PenPos() const
{
    return impl_->PenPos();
}

void TCanvas::SetPenPos(TPoint pos)
{
    impl_->PenPos() = pos;
}

TCopyMode TCanvas::CopyMode() const
{
    return impl_->copyMode;
}

void TCanvas::SetCopyMode(TCopyMode mode)
{
    impl_->copyMode = mode;
}

bool TCanvas::Antialiased() const
{
    return impl_->antialiased;
}

void TCanvas::SetAntialiased(bool on)
{
    impl_->antialiased = on;
    if (impl_->painter)
        impl_->painter->setRenderHint(QPainter::Antialiasing, on);
}

bool TCanvas::HandleAllocated() const
{
    return impl_->painter || (impl_->image && !impl_->image->isNull());
}

void TCanvas::MoveTo(int x, int y)
{
    impl_->PenPos() = {x, y};
}

void TCanvas::LineTo(int x, int y)
{
    const TPoint from = impl_->PenPos();
    impl_->penPos = {x, y};
    QPainter* p = impl_->PenPainter();
    if (!p || (from.X == x && from.Y == y) || impl_->pen.Style() == psClear)
        return;
    const QPen qpen = impl_->Pen();
    p->setPen(qpen);
    // The background shows only in the gaps of styled pens.
    const bool opaqueGaps = qpen.style() == Qt::CustomDashLine && impl_->bkMode == OPAQUE;
    if (opaqueGaps) {
        p->setBackgroundMode(Qt::OpaqueMode);
        p->setBackground(ToQColor(impl_->bkColor));
    }
    if (qpen.width() > 1)
        p->drawLine(WidePenPoint(from.X, from.Y, qpen.width()),
                    WidePenPoint(x, y, qpen.width())); // round ends
    else
        DrawLineWithoutEnd(p, QPoint(from.X, from.Y), QPoint(x, y));
    if (opaqueGaps)
        p->setBackgroundMode(Qt::TransparentMode);
}

void TCanvas::Polyline(const std::vector<TPoint>& points)
{
    if (points.empty())
        return;
    const TPoint saved = impl_->PenPos();
    MoveTo(points[0].X, points[0].Y);
    for (size_t i = 1; i < points.size(); ++i)
        LineTo(points[i].X, points[i].Y);
    impl_->penPos = saved; // Polyline leaves the current position alone
}

void TCanvas::Polygon(const std::vector<TPoint>& points)
{
    QPainter* p = impl_->PenPainter();
    if (!p || points.size() < 2)
        return;
    QPolygon polygon;
    for (const TPoint& pt : points)
        polygon << QPoint(pt.X, pt.Y);
    p->setPen(impl_->Pen());
    p->setBrush(impl_->Brush());
    p->drawPolygon(polygon, Qt::OddEvenFill);
    p->setBrush(Qt::NoBrush);
}

// A one-pixel solid frame in the colour of a solid fill covers exactly the pixels the fill would add.
bool TCanvas::FrameIsPartOfFill() const
{
    const TPen& pen = impl_->pen;
    const TBrush& brush = impl_->brush;
    return !impl_->antialiased && pen.Style() == psSolid && pen.Width() <= 1 && pen.Mode() == pmCopy &&
           brush.Style() == bsSolid && !brush.Bitmap() && pen.Color() == brush.Color();
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    QPainter* p = impl_->PenPainter();
    if (!p || right <= left || bottom <= top)
        return;
    const bool noPen = impl_->pen.Style() == psClear;
    const int width = right - left, height = bottom - top;
    if (FrameIsPartOfFill()) {
        // Bands of gradients are drawn so, many at a time: one fill costs far less than a fill and a frame.
        impl_->FillWithBrush(p, QRect(left, top, width, height));
        return;
    }
    if (impl_->brush.Style() != bsClear || impl_->brush.Bitmap()) {
        // Without a pen the filled area loses its right column and bottom row, as on the platform.
        impl_->FillWithBrush(p, QRect(left, top, width - (noPen ? 1 : 0), height - (noPen ? 1 : 0)));
    }
    if (noPen)
        return;
    const QPen qpen = impl_->Pen();
    p->setPen(qpen);
    p->setBrush(Qt::NoBrush);
    if (qpen.width() == 1) {
        p->drawRect(QRect(left, top, width - 1, height - 1));
    } else {
        // The frame's path runs through the pixels a one-pixel frame takes; an inside frame moves it
        // inwards so that the whole pen stays inside the rectangle.
        const int w = qpen.width();
        const bool inside = impl_->pen.Style() == psInsideFrame;
        const int x1 = inside ? left + w / 2 : left, y1 = inside ? top + w / 2 : top;
        const int x2 = std::max(x1, inside ? right - w + w / 2 : right - 1);
        const int y2 = std::max(y1, inside ? bottom - w + w / 2 : bottom - 1);
        p->drawRect(QRectF(WidePenPoint(x1, y1, w), WidePenPoint(x2, y2, w)));
    }
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    QPainter* p = impl_->PenPainter();
    if (!p || right <= left || bottom <= top)
        return;
    p->setPen(impl_->Pen());
    p->setBrush(impl_->Brush());
    p->drawRoundedRect(QRect(left, top, right - left - 1, bottom - top - 1), cornerWidth / 2.0,
                       cornerHeight / 2.0);
    p->setBrush(Qt::NoBrush);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom)
{
    QPainter* p = impl_->PenPainter();
    if (!p || right <= left || bottom <= top)
        return;
    p->setPen(impl_->Pen());
    p->setBrush(impl_->Brush());
    p->drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
    p->setBrush(Qt::NoBrush);
}

void TCanvas::FillRect(const TRect& rect)
{
    QPainter* p = impl_->BrushPainter();
    if (!p || rect.Right <= rect.Left || rect.Bottom <= rect.Top)
        return;
    if (impl_->brush.Style() == bsClear && !impl_->brush.Bitmap())
        return;
    impl_->FillWithBrush(p, ToQRect(rect));
}

void TCanvas::FrameRect(const TRect& rect)
{
    QPainter* p = impl_->BrushPainter();
    if (!p || rect.Right <= rect.Left || rect.Bottom <= rect.Top)
        return;
    const int w = rect.Width(), h = rect.Height();
    impl_->FillWithBrush(p, QRect(rect.Left, rect.Top, w, 1));
    impl_->FillWithBrush(p, QRect(rect.Left, rect.Bottom - 1, w, 1));
    impl_->FillWithBrush(p, QRect(rect.Left, rect.Top, 1, h));
    impl_->FillWithBrush(p, QRect(rect.Right - 1, rect.Top, 1, h));
}

void TCanvas::DrawFocusRect(const TRect& rect)
{
    QPainter* p = impl_->Painter();
    if (!p || rect.Right <= rect.Left || rect.Bottom <= rect.Top)
        return;
    // Every other pixel of the frame is inverted, in a checkerboard fixed to the device, so that drawing
    // the same rectangle again restores what was there.
    const int phase = impl_->windowOrg.x() + impl_->windowOrg.y();
    QPolygon dots;
    const auto add = [&](int x, int y) {
        if (((x + y - phase) & 1) == 0)
            dots << QPoint(x, y);
    };
    for (int x = rect.Left; x < rect.Right; ++x) {
        add(x, rect.Top);
        if (rect.Bottom - 1 > rect.Top)
            add(x, rect.Bottom - 1);
    }
    for (int y = rect.Top + 1; y < rect.Bottom - 1; ++y) {
        add(rect.Left, y);
        if (rect.Right - 1 > rect.Left)
            add(rect.Right - 1, y);
    }
    p->setCompositionMode(QPainter::RasterOp_NotDestination);
    p->setPen(QPen(Qt::black, 1));
    p->drawPoints(dots);
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

TColor TCanvas::Pixels(int x, int y) const
{
    const QImage* image = impl_->image;
    if (!image || image->isNull())
        return clNone;
    const QPoint device = impl_->ToDevice().map(QPoint(x, y));
    if (!image->rect().contains(device))
        return clNone;
    return FromQColor(image->pixelColor(device));
}

void TCanvas::SetPixels(int x, int y, TColor color)
{
    QPainter* p = impl_->BrushPainter();
    if (!p)
        return;
    p->setCompositionMode(QPainter::CompositionMode_Source);
    p->setPen(QPen(ToQColor(color), 1));
    p->drawPoint(x, y);
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    const QString qtext = QString::fromStdString(text);
    CanvasTextOut(*impl_, x, y, qtext);
    impl_->AdvancePenPast(x, y, qtext);
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const std::string& text)
{
    unsigned options = ETO_CLIPPED;
    if (impl_->brush.Style() != bsClear)
        options |= ETO_OPAQUE;
    ExtTextOut(*this, x, y, options, &rect, text);
}

int TCanvas::TextWidth(const std::string& text) const
{
    return TextExtent(text).cx;
}

// The height of a text is the font's line height whatever the text: no need to lay the text out.
int TCanvas::TextHeight(const std::string&) const
{
    return impl_->Metrics().height();
}

TSize TCanvas::TextExtent(const std::string& text) const
{
    const TFontFace& face = impl_->Face();
    return {face.Advance(QString::fromStdString(text)), face.metrics.height()};
}

TTextMetric TCanvas::TextMetrics() const
{
    const QFontMetrics m = impl_->Metrics();
    TTextMetric tm;
    tm.tmAscent = m.ascent();
    tm.tmDescent = m.descent();
    tm.tmHeight = m.height();
    tm.tmInternalLeading = std::max(0, m.height() - impl_->Font().pixelSize());
    tm.tmExternalLeading = std::max(0, m.leading());
    tm.tmAveCharWidth = m.averageCharWidth();
    tm.tmMaxCharWidth = m.maxWidth();
    tm.tmFixedPitch = QFontInfo(impl_->Font()).fixedPitch();
    return tm;
}

void TCanvas::Draw(int x, int y, TGraphic* graphic)
{
    if (graphic && !graphic->Empty())
        graphic->Draw(*this, Bounds(x, y, graphic->Width(), graphic->Height()));
}

void TCanvas::StretchDraw(const TRect& rect, TGraphic* graphic)
{
    if (graphic && !graphic->Empty())
        graphic->Draw(*this, rect);
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect)
{
    StretchBlt(*this, dest.Left, dest.Top, dest.Width(), dest.Height(), source, sourceRect.Left,
               sourceRect.Top, sourceRect.Width(), sourceRect.Height(), impl_->copyMode);
}

TRect TCanvas::ClipRect() const
{
    TRect box;
    GetClipBox(const_cast<TCanvas&>(*this), box);
    return box;
}

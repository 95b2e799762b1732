#include "platform/gui/graphics/gdi.h"

#include "platform/gui/graphics/colors.h"
#include "platform/gui/qt/canvas_impl.h"
#include "platform/gui/qt/glyphs.h"

#include <QPolygon>

#include <cmath>

namespace {

TCanvas::Impl& State(TCanvas& canvas)
{
    return canvas.Internal();
}

QRegion DeviceRect(TCanvas::Impl& c, int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return QRegion();
    return QRegion(c.ToCanvasDevice().mapRect(QRect(left, top, right - left, bottom - top)));
}

// The whole surface in device pixels, for clipping that starts from "no clip".
QRegion Everything(TCanvas::Impl& c)
{
    if (c.baseClip)
        return *c.baseClip;
    if (c.image)
        return QRegion(c.image->rect());
    if (c.painter && c.painter->device())
        return QRegion(0, 0, c.painter->device()->width(), c.painter->device()->height());
    return QRegion(0, 0, 1 << 24, 1 << 24);
}

TRegionKind SetClip(TCanvas::Impl& c, const QRegion& region)
{
    c.clip = region;
    c.ApplyClip();
    return RegionKind(region);
}

void FillSolid(QPainter* p, const QRect& rect, TColor color)
{
    if (rect.width() > 0 && rect.height() > 0)
        p->fillRect(rect, ToQColor(color));
}

} // namespace

// --- Device-context state -----------------------------------------------------------------------------

int SetBkMode(TCanvas& canvas, int mode)
{
    const int previous = State(canvas).bkMode;
    if (mode == TRANSPARENT || mode == OPAQUE)
        State(canvas).bkMode = mode;
    return previous;
}

int GetBkMode(TCanvas& canvas)
{
    return State(canvas).bkMode;
}

TColor SetBkColor(TCanvas& canvas, TColor color)
{
    return std::exchange(State(canvas).bkColor, color);
}

TColor GetBkColor(TCanvas& canvas)
{
    return State(canvas).bkColor;
}

TColor SetTextColor(TCanvas& canvas, TColor color)
{
    return std::exchange(State(canvas).textColor, color);
}

TColor GetTextColor(TCanvas& canvas)
{
    return State(canvas).textColor;
}

unsigned SetTextAlign(TCanvas& canvas, unsigned align)
{
    return std::exchange(State(canvas).textAlign, align);
}

unsigned GetTextAlign(TCanvas& canvas)
{
    return State(canvas).textAlign;
}

int SaveDC(TCanvas& canvas)
{
    TCanvas::Impl& c = State(canvas);
    auto font = std::make_shared<TFont>();
    font->Assign(&c.font);
    auto pen = std::make_shared<TPen>();
    pen->Assign(&c.pen);
    auto brush = std::make_shared<TBrush>();
    brush->Assign(&c.brush);
    c.saved.push_back({c.clip, c.windowOrg, c.brushOrg, c.bkMode, c.bkColor, c.textColor, c.textAlign,
                       std::move(font), std::move(pen), std::move(brush)});
    return static_cast<int>(c.saved.size());
}

bool RestoreDC(TCanvas& canvas, int savedState)
{
    TCanvas::Impl& c = State(canvas);
    const int count = static_cast<int>(c.saved.size());
    const int index = savedState < 0 ? count + savedState : savedState - 1;
    if (index < 0 || index >= count)
        return false;
    const TCanvas::Impl::SavedState s = std::move(c.saved[static_cast<size_t>(index)]);
    c.saved.resize(static_cast<size_t>(index));
    // The tools first: selecting them sets the text and background colours, which then come back as saved.
    c.font.Assign(s.font.get());
    c.pen.Assign(s.pen.get());
    c.brush.Assign(s.brush.get());
    c.clip = s.clip;
    c.windowOrg = s.windowOrg;
    c.brushOrg = s.brushOrg;
    c.bkMode = s.bkMode;
    c.bkColor = s.bkColor;
    c.textColor = s.textColor;
    c.textAlign = s.textAlign;
    c.ApplyClip();
    return true;
}

namespace {

// Moves one of the canvas's origins (a member of its state) and reports the old one.
bool ReplaceOrigin(TCanvas& canvas, QPoint TCanvas::Impl::*origin, int x, int y, TPoint* previous)
{
    TCanvas::Impl& c = State(canvas);
    if (previous)
        *previous = {(c.*origin).x(), (c.*origin).y()};
    c.*origin = QPoint(x, y);
    c.ApplyClip();
    return true;
}

} // namespace

bool SetBrushOrgEx(TCanvas& canvas, int x, int y, TPoint* previous)
{
    return ReplaceOrigin(canvas, &TCanvas::Impl::brushOrg, x, y, previous);
}

bool SetWindowOrgEx(TCanvas& canvas, int x, int y, TPoint* previous)
{
    return ReplaceOrigin(canvas, &TCanvas::Impl::windowOrg, x, y, previous);
}

bool GetWindowOrgEx(TCanvas& canvas, TPoint& origin)
{
    origin = {State(canvas).windowOrg.x(), State(canvas).windowOrg.y()};
    return true;
}

void MoveWindowOrg(TCanvas& canvas, int dx, int dy)
{
    TPoint origin;
    GetWindowOrgEx(canvas, origin);
    SetWindowOrgEx(canvas, origin.X - dx, origin.Y - dy);
}

// --- Clipping -----------------------------------------------------------------------------------------

TRegionKind IntersectClipRect(TCanvas& canvas, int left, int top, int right, int bottom)
{
    TCanvas::Impl& c = State(canvas);
    const QRegion current = c.clip ? *c.clip : Everything(c);
    return SetClip(c, current.intersected(DeviceRect(c, left, top, right, bottom)));
}

TRegionKind ExcludeClipRect(TCanvas& canvas, int left, int top, int right, int bottom)
{
    TCanvas::Impl& c = State(canvas);
    const QRegion current = c.clip ? *c.clip : Everything(c);
    return SetClip(c, current.subtracted(DeviceRect(c, left, top, right, bottom)));
}

TRegionKind SelectClipRgn(TCanvas& canvas, const TRegion* region)
{
    TCanvas::Impl& c = State(canvas);
    if (!region) {
        c.clip.reset();
        c.ApplyClip();
        return SIMPLEREGION;
    }
    return SetClip(c, region->Q());
}

TRegionKind ExtSelectClipRgn(TCanvas& canvas, const TRegion* region, TCombineMode mode)
{
    TCanvas::Impl& c = State(canvas);
    if (mode == RGN_COPY || !region)
        return SelectClipRgn(canvas, region);
    const QRegion current = c.clip ? *c.clip : Everything(c);
    switch (mode) {
    case RGN_AND:
        return SetClip(c, current.intersected(region->Q()));
    case RGN_OR:
        return SetClip(c, current.united(region->Q()));
    case RGN_XOR:
        return SetClip(c, current.xored(region->Q()));
    case RGN_DIFF:
        return SetClip(c, current.subtracted(region->Q()));
    default:
        return RGN_ERROR;
    }
}

TRegionKind GetClipBox(TCanvas& canvas, TRect& box)
{
    TCanvas::Impl& c = State(canvas);
    QRegion visible = Everything(c);
    if (c.clip)
        visible = visible.intersected(*c.clip);
    if (visible.isEmpty()) {
        box = {};
        return NULLREGION;
    }
    box = FromQRect(c.ToCanvasDevice().inverted().mapRect(visible.boundingRect()));
    return RegionKind(visible);
}

int GetClipRgn(TCanvas& canvas, TRegion& region)
{
    TCanvas::Impl& c = State(canvas);
    if (!c.clip)
        return 0;
    region.Q() = *c.clip;
    return 1;
}

bool RectVisible(TCanvas& canvas, const TRect& rect)
{
    TRect box;
    if (GetClipBox(canvas, box) == NULLREGION)
        return false;
    TCanvas::Impl& c = State(canvas);
    QRegion visible = Everything(c);
    if (c.clip)
        visible = visible.intersected(*c.clip);
    return visible.intersects(DeviceRect(c, rect.Left, rect.Top, rect.Right, rect.Bottom));
}

void FillRgn(TCanvas& canvas, const TRegion& region, TColor color)
{
    QPainter* p = State(canvas).BrushPainter();
    if (!p)
        return;
    // Regions are in device pixels.
    const QTransform saved = p->transform();
    p->setTransform(State(canvas).base);
    for (const QRect& r : region.Q())
        p->fillRect(r, ToQColor(color));
    p->setTransform(saved);
}

void FrameRgn(TCanvas& canvas, const TRegion& region, TColor color, int width, int height)
{
    const QRegion& inner = region.Q();
    QRegion shrunk = inner;
    shrunk = shrunk.intersected(inner.translated(width, 0)).intersected(inner.translated(-width, 0));
    shrunk = shrunk.intersected(inner.translated(0, height)).intersected(inner.translated(0, -height));
    TRegion frame;
    frame.Q() = inner.subtracted(shrunk);
    FillRgn(canvas, frame, color);
}

// --- Edges and frame controls -------------------------------------------------------------------------

namespace {

// One ring of an edge: the top-left sides first, then the bottom-right ones, which own the corners at the
// top right and the bottom left.
void EdgeRing(QPainter* p, const TRect& r, TColor topLeft, TColor bottomRight, unsigned sides)
{
    const int w = r.Width(), h = r.Height();
    if (sides & BF_LEFT)
        FillSolid(p, QRect(r.Left, r.Top, 1, h - 1), topLeft);
    if (sides & BF_TOP)
        FillSolid(p, QRect(r.Left, r.Top, w - 1, 1), topLeft);
    if (sides & BF_RIGHT)
        FillSolid(p, QRect(r.Right - 1, r.Top, 1, h), bottomRight);
    if (sides & BF_BOTTOM)
        FillSolid(p, QRect(r.Left, r.Bottom - 1, w, 1), bottomRight);
}

void Shrink(TRect& r, unsigned sides)
{
    if (sides & BF_LEFT)
        ++r.Left;
    if (sides & BF_TOP)
        ++r.Top;
    if (sides & BF_RIGHT)
        --r.Right;
    if (sides & BF_BOTTOM)
        --r.Bottom;
}

} // namespace

bool DrawEdge(TCanvas& canvas, TRect& rect, unsigned edge, unsigned flags)
{
    QPainter* p = State(canvas).BrushPainter();
    const unsigned sides = flags & BF_RECT;
    TRect r = rect;
    const auto ring = [&](TColor topLeft, TColor bottomRight) {
        if (p)
            EdgeRing(p, r, topLeft, bottomRight, sides);
        Shrink(r, sides);
    };
    if (flags & (BF_FLAT | BF_MONO)) {
        const TColor outer = (flags & BF_MONO) ? clWindowFrame : clBtnShadow;
        const TColor inner = (flags & BF_MONO) ? clWindow : clBtnFace;
        if (edge & BDR_OUTER)
            ring(outer, outer);
        if (edge & BDR_INNER)
            ring(inner, inner);
    } else {
        if (edge & BDR_RAISEDOUTER)
            ring(cl3DLight, cl3DDkShadow);
        else if (edge & BDR_SUNKENOUTER)
            ring(clBtnShadow, clBtnHighlight);
        if (edge & BDR_RAISEDINNER)
            ring(clBtnHighlight, clBtnShadow);
        else if (edge & BDR_SUNKENINNER)
            ring(cl3DDkShadow, cl3DLight);
    }
    if ((flags & BF_MIDDLE) && p)
        FillSolid(p, ToQRect(r), (flags & BF_MONO) ? clWindow : clBtnFace);
    if (flags & BF_ADJUST)
        rect = r;
    return true;
}

namespace {

bool DrawButtonFrame(TCanvas& canvas, QPainter* p, TRect& rect, unsigned state)
{
    const unsigned kind = state & 0x1F;
    if (kind == DFCS_BUTTONPUSH) {
        TRect r = rect;
        if (state & DFCS_FLAT)
            DrawEdge(canvas, r, BDR_OUTER, BF_RECT | BF_FLAT | BF_MIDDLE | BF_ADJUST);
        else
            DrawEdge(canvas, r, (state & (DFCS_PUSHED | DFCS_CHECKED)) ? EDGE_SUNKEN : EDGE_RAISED,
                     BF_RECT | BF_MIDDLE | BF_ADJUST);
        if (state & DFCS_ADJUSTRECT)
            rect = r;
        return true;
    }
    // Check and radio boxes: a 13-pixel box centred vertically at the left of rect.
    const int size = std::min({13, rect.Width(), rect.Height()});
    TRect box = Bounds(rect.Left, rect.Top + (rect.Height() - size) / 2, size, size);
    const bool dimmed = state & (DFCS_INACTIVE | DFCS_PUSHED);
    const TColor glyph = (state & DFCS_INACTIVE) ? clGrayText : clWindowText;
    if (kind == DFCS_BUTTONRADIO) {
        p->setPen(QPen(ToQColor(clBtnShadow), 1));
        p->setBrush(ToQColor(dimmed ? clBtnFace : clWindow));
        p->drawEllipse(ToQRect(box).adjusted(0, 0, -1, -1));
        p->setBrush(Qt::NoBrush);
        if (state & DFCS_CHECKED)
            p->fillRect(ToQRect(box).adjusted(size / 2 - 2, size / 2 - 2, -(size / 2 - 2), -(size / 2 - 2)),
                        ToQColor(glyph));
        return true;
    }
    TRect inner = box;
    DrawEdge(canvas, inner, (state & DFCS_FLAT) ? BDR_SUNKENOUTER : EDGE_SUNKEN,
             BF_RECT | BF_ADJUST | ((state & DFCS_FLAT) ? BF_FLAT : 0u));
    FillSolid(p, ToQRect(inner), dimmed ? clBtnFace : clWindow);
    if (state & DFCS_CHECKED)
        DrawCheckGlyph(p, inner, ToQColor(glyph));
    return true;
}

bool DrawScrollFrame(TCanvas& canvas, QPainter* p, TRect& rect, unsigned state)
{
    const unsigned kind = state & 0x1F;
    if (kind == DFCS_SCROLLSIZEGRIP) {
        FillSolid(p, ToQRect(rect), clBtnFace);
        for (int i = 0; i < 3; ++i) {
            const int offset = 4 * i + 2;
            for (int j = 0; j < rect.Width() - offset; ++j) {
                FillSolid(p,
                          QRect(rect.Right - 1 - j, rect.Bottom - offset - (rect.Width() - offset - j), 1, 1),
                          clBtnHighlight);
            }
        }
        return true;
    }
    TRect face = rect;
    if (state & DFCS_FLAT)
        DrawEdge(canvas, face, BDR_OUTER, BF_RECT | BF_FLAT | BF_MIDDLE | BF_ADJUST);
    else
        DrawEdge(canvas, face, (state & DFCS_PUSHED) ? EDGE_SUNKEN : EDGE_RAISED,
                 BF_RECT | BF_MIDDLE | BF_ADJUST);
    TArrowDirection direction = TArrowDirection::Down;
    if (kind == DFCS_SCROLLUP)
        direction = TArrowDirection::Up;
    else if (kind == DFCS_SCROLLLEFT)
        direction = TArrowDirection::Left;
    else if (kind == DFCS_SCROLLRIGHT)
        direction = TArrowDirection::Right;
    TRect glyph = face;
    if (state & DFCS_PUSHED) {
        ++glyph.Left, ++glyph.Top, ++glyph.Right, ++glyph.Bottom;
    }
    if (state & DFCS_INACTIVE) {
        DrawArrowGlyph(p, {glyph.Left + 1, glyph.Top + 1, glyph.Right + 1, glyph.Bottom + 1}, direction,
                       ToQColor(clBtnHighlight));
        DrawArrowGlyph(p, glyph, direction, ToQColor(clBtnShadow));
    } else {
        DrawArrowGlyph(p, glyph, direction, ToQColor(clBtnText));
    }
    return true;
}

} // namespace

bool DrawFrameControl(TCanvas& canvas, TRect& rect, unsigned type, unsigned state)
{
    QPainter* p = State(canvas).BrushPainter();
    if (!p)
        return false;
    switch (type) {
    case DFC_BUTTON:
        return DrawButtonFrame(canvas, p, rect, state);
    case DFC_SCROLL:
        return DrawScrollFrame(canvas, p, rect, state);
    case DFC_MENU:
        DrawArrowGlyph(p, rect, TArrowDirection::Right, Qt::black);
        return true;
    case DFC_CAPTION: {
        TRect face = rect;
        DrawEdge(canvas, face, (state & DFCS_PUSHED) ? EDGE_SUNKEN : EDGE_RAISED,
                 BF_RECT | BF_MIDDLE | BF_ADJUST);
        if (state & DFCS_PUSHED)
            face = {face.Left + 1, face.Top + 1, face.Right + 1, face.Bottom + 1};
        // The cross fills the face but for a pixel at each side, as the desktop's caption buttons show it.
        TRect glyph = face;
        InflateRect(glyph, 3, 3);
        DrawCrossGlyph(p, glyph, ToQColor((state & DFCS_INACTIVE) ? clGrayText : clBtnText));
        return true;
    }
    default:
        return false;
    }
}

void DrawFocusRect(TCanvas& canvas, const TRect& rect)
{
    canvas.DrawFocusRect(rect);
}

// --- Fills and blits ----------------------------------------------------------------------------------

void GradientFill(TCanvas& canvas, const TRect& rect, TColor from, TColor to, unsigned mode)
{
    QPainter* p = State(canvas).BrushPainter();
    const bool horizontal = mode == GRADIENT_FILL_RECT_H;
    const int steps = horizontal ? rect.Width() : rect.Height();
    if (!p || rect.Width() <= 0 || rect.Height() <= 0)
        return;
    const TColor a = ColorToRGB(from), b = ColorToRGB(to);
    const auto channel = [&](int ca, int cb, int i) {
        return steps == 1 ? ca : ca + static_cast<int>(std::lround(double(cb - ca) * i / (steps - 1)));
    };
    for (int i = 0; i < steps; ++i) {
        const QColor color(channel(GetRValue(a), GetRValue(b), i), channel(GetGValue(a), GetGValue(b), i),
                           channel(GetBValue(a), GetBValue(b), i));
        const QRect line = horizontal ? QRect(rect.Left + i, rect.Top, 1, rect.Height())
                                      : QRect(rect.Left, rect.Top + i, rect.Width(), 1);
        p->fillRect(line, color);
    }
}

namespace {

std::optional<QPainter::CompositionMode> SourceComposition(uint32_t rop)
{
    switch (rop) {
    case SRCCOPY:
        return QPainter::CompositionMode_Source;
    case SRCPAINT:
        return QPainter::RasterOp_SourceOrDestination;
    case SRCAND:
        return QPainter::RasterOp_SourceAndDestination;
    case SRCINVERT:
        return QPainter::RasterOp_SourceXorDestination;
    case SRCERASE:
        return QPainter::RasterOp_SourceAndNotDestination;
    case NOTSRCCOPY:
        return QPainter::RasterOp_NotSource;
    case NOTSRCERASE:
        return QPainter::RasterOp_NotSourceAndNotDestination;
    case MERGEPAINT:
        return QPainter::RasterOp_NotSourceOrDestination;
    default:
        return std::nullopt;
    }
}

// The source pixels of a blit in source device coordinates, or a null image.
QImage SourcePixels(TCanvas& source, int x, int y, int width, int height)
{
    TCanvas::Impl& s = State(source);
    if (!s.image || s.image->isNull())
        return QImage();
    const QRect area = s.ToDevice().mapRect(QRect(x, y, width, height));
    return s.image->copy(area);
}

// Paints the brush where the source is black and keeps the destination elsewhere.
QImage BrushThroughBlack(const QImage& source, const QColor& brush)
{
    QImage out(source.size(), QImage::Format_ARGB32);
    const QImage src = source.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < src.width(); ++x)
            dst[x] = (in[x] & 0xFFFFFF) == 0 ? brush.rgba() : 0;
    }
    return out;
}

} // namespace

bool PatBlt(TCanvas& dest, int x, int y, int width, int height, uint32_t rop)
{
    TCanvas::Impl& d = State(dest);
    QPainter* p = d.Painter();
    if (!p)
        return false;
    const QRect area(x, y, width, height);
    switch (rop) {
    case PATCOPY:
        p->setCompositionMode(QPainter::CompositionMode_Source);
        p->fillRect(area, d.Brush());
        break;
    case PATINVERT:
        p->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p->fillRect(area, d.Brush());
        break;
    case DSTINVERT:
        p->setCompositionMode(QPainter::RasterOp_NotDestination);
        p->fillRect(area, Qt::black);
        break;
    case BLACKNESS:
    case WHITENESS:
        p->setCompositionMode(QPainter::CompositionMode_Source);
        p->fillRect(area, rop == BLACKNESS ? Qt::black : Qt::white);
        break;
    default:
        return false;
    }
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    return true;
}

bool StretchBlt(TCanvas& dest, int x, int y, int width, int height, TCanvas& source, int sourceX, int sourceY,
                int sourceWidth, int sourceHeight, uint32_t rop)
{
    if (width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0)
        return false;
    if (rop == PATCOPY || rop == PATINVERT || rop == DSTINVERT || rop == BLACKNESS || rop == WHITENESS)
        return PatBlt(dest, x, y, width, height, rop);
    TCanvas::Impl& d = State(dest);
    QPainter* p = d.Painter();
    const QImage pixels = SourcePixels(source, sourceX, sourceY, sourceWidth, sourceHeight);
    if (!p || pixels.isNull())
        return false;
    const QRect target(x, y, width, height);
    p->setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (rop == ROP_DSPDXAX) {
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
        p->drawImage(target, BrushThroughBlack(pixels, ToQColor(d.brush.Color())));
        return true;
    }
    const auto mode = SourceComposition(rop);
    if (!mode)
        return false;
    p->setCompositionMode(*mode);
    p->drawImage(target, pixels);
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    return true;
}

bool PlgBlt(TCanvas& dest, const TPoint points[3], TCanvas& source, int sourceX, int sourceY, int width,
            int height)
{
    if (width <= 0 || height <= 0)
        return false;
    QPainter* p = State(dest).Painter();
    const QImage pixels = SourcePixels(source, sourceX, sourceY, width, height); // a copy: dest may be source
    if (!p || pixels.isNull())
        return false;
    const QTransform toParallelogram(qreal(points[1].X - points[0].X) / width,
                                     qreal(points[1].Y - points[0].Y) / width,
                                     qreal(points[2].X - points[0].X) / height,
                                     qreal(points[2].Y - points[0].Y) / height, points[0].X, points[0].Y);
    p->save();
    p->setTransform(toParallelogram * p->transform());
    p->setRenderHint(QPainter::SmoothPixmapTransform, false);
    p->setCompositionMode(QPainter::CompositionMode_Source);
    p->drawImage(0, 0, pixels);
    p->restore();
    return true;
}

bool BitBlt(TCanvas& dest, int x, int y, int width, int height, TCanvas& source, int sourceX, int sourceY,
            uint32_t rop)
{
    return StretchBlt(dest, x, y, width, height, source, sourceX, sourceY, width, height, rop);
}

bool AlphaBlend(TCanvas& dest, int x, int y, int width, int height, TCanvas& source, int sourceX, int sourceY,
                int sourceWidth, int sourceHeight, TBlendFunction blend)
{
    if (width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0 || blend.BlendOp != AC_SRC_OVER)
        return false;
    QPainter* p = State(dest).Painter();
    QImage pixels = SourcePixels(source, sourceX, sourceY, sourceWidth, sourceHeight);
    if (!p || pixels.isNull())
        return false;
    if (blend.AlphaFormat & AC_SRC_ALPHA) {
        // The bytes are taken as they stand: colours already multiplied by their alpha.
        pixels = pixels.convertToFormat(QImage::Format_ARGB32);
        pixels.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    } else {
        pixels =
            pixels.convertToFormat(QImage::Format_RGB32).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->setRenderHint(QPainter::SmoothPixmapTransform, false);
    p->setOpacity(blend.SourceConstantAlpha / 255.0);
    p->drawImage(QRect(x, y, width, height), pixels);
    p->setOpacity(1.0);
    return true;
}

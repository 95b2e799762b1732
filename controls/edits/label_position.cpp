#include "controls/edits/label_position.h"

#include "platform/gui/forms/screen.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/gdi.h"

namespace {

bool IsOneOf(TLabelPosition position, std::initializer_list<TLabelPosition> positions)
{
    for (TLabelPosition p : positions)
        if (p == position)
            return true;
    return false;
}

bool LeftOfControl(TLabelPosition p)
{
    return IsOneOf(p, {lpLeftTop, lpLeftCenter, lpLeftBottom});
}

bool RightOfControl(TLabelPosition p)
{
    return IsOneOf(p, {lpRightTop, lpRightCenter, lpRighBottom});
}

// Centres a length inside another from start; integer division truncates toward zero either way round.
int Centred(int start, int outer, int inner)
{
    return start + (outer - inner) / 2;
}

int LabelTop(TLabelPosition p, const TRect& c, const TLabelMetrics& label)
{
    const int height = label.Size.cy;
    if (IsOneOf(p, {lpLeftTop, lpLeftTopLeft, lpRightTop}))
        return c.Top;
    if (IsOneOf(p, {lpLeftCenter, lpLeftCenterLeft, lpRightCenter}))
        return Centred(c.Top, c.Height() - label.BorderTrim, height);
    if (IsOneOf(p, {lpLeftBottom, lpLeftBottomLeft, lpRighBottom}))
        return c.Bottom - height;
    if (IsOneOf(p, {lpTopLeft, lpTopCenter, lpTopRight}))
        return c.Top - height - label.Margin;
    return c.Bottom + label.Margin;
}

int LabelLeft(TLabelPosition p, const TRect& c, const TLabelMetrics& label)
{
    if (LeftOfControl(p))
        return c.Left - label.TextWidth - label.Margin;
    if (IsOneOf(p, {lpLeftTopLeft, lpLeftCenterLeft, lpLeftBottomLeft}))
        return c.Left - label.Margin;
    if (IsOneOf(p, {lpTopLeft, lpBottomLeft}))
        return c.Left;
    if (IsOneOf(p, {lpTopCenter, lpBottomCenter}))
        return Centred(c.Left, c.Width(), label.Size.cx);
    if (RightOfControl(p))
        return c.Right + label.Margin;
    return c.Right - label.Size.cx;
}

} // namespace

TPoint LabelPlace(TLabelPosition position, const TRect& control, const TLabelMetrics& label)
{
    return {LabelLeft(position, control, label), LabelTop(position, control, label)};
}

TRect BoundsWithRoomForLabel(TRect bounds, TAlign align, TLabelPosition position, TSize label, int margin,
                             bool topRightToo)
{
    const bool acrossTheParent = align == alTop || align == alBottom || align == alClient;
    if (acrossTheParent && LeftOfControl(position))
        bounds.Left += label.cx + margin;
    if (acrossTheParent && RightOfControl(position))
        bounds.Right -= label.cx + margin;
    const bool above =
        position == lpTopLeft || position == lpTopCenter || (topRightToo && position == lpTopRight);
    if (above && (align == alTop || align == alLeft || align == alRight || align == alClient))
        OffsetRect(bounds, 0, label.cy);
    return bounds;
}

void SetBold(TFont& font, bool bold)
{
    TFontStyles style = font.Style();
    if (bold)
        style.Include(fsBold);
    else
        style.Exclude(fsBold);
    font.SetStyle(style);
}

int LabelTextWidth(const std::string& caption, const TFont& font)
{
    TBitmap scratch(1, 1);
    scratch.Canvas()->SetFont(&font);
    TRect measured{0, 0, 1000, 255};
    DrawText(*scratch.Canvas(), caption, measured, DT_CALCRECT | DT_HIDEPREFIX);
    return measured.Width();
}

double DpiScaleFactor()
{
    // Fonts scale with the pixels per inch, and so does the height of their "0".
    return Screen->PixelsPerInch() / 96.0;
}

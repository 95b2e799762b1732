#pragma once

// Conversions between the layer's value types and Qt's; for the layer's own sources only.

#include "support/basic_types.h"

#include <QColor>
#include <QFont>
#include <QRect>

class TFont;

QColor ToQColor(TColor color); // system colours resolved
TColor FromQColor(const QColor& color);
QFont ToQFont(const TFont& font);

// Right and bottom are exclusive in a TRect and inclusive in a QRect.
inline QRect ToQRect(const TRect& r)
{
    return QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
}

inline TRect FromQRect(const QRect& r)
{
    return TRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

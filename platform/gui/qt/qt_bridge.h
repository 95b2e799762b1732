#pragma once

// Conversions between the layer's value types and Qt's; for the layer's own sources only.

#include "support/basic_types.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QRect>

#include <memory>
#include <unordered_map>

class TFont;

QColor ToQColor(TColor color); // system colours resolved
TColor FromQColor(const QColor& color);

// A font as the toolkit draws and measures it. Made once for each set of the properties that shape it
// (name, height, style, pitch) and shared by everyone who asks for the same, so that a paint changing fonts
// between texts finds them made.
struct TFontFace
{
    explicit TFontFace(const QFont& qfont) : font(qfont), metrics(qfont) {}

    // The width of text in this font. Short texts are remembered: labels, buttons and grids measure the
    // same captions and values at every layout and paint, and each measuring shapes the text anew.
    int Advance(const QString& text) const;

    // A line of text shaped left to right into glyphs, placed from an origin ascent above the baseline.
    struct TShapedLine
    {
        QList<QGlyphRun> runs;
        qreal ascent = 0;
    };
    // The glyphs of a short line of text, remembered as the widths are, since every paint draws the same
    // captions again; nullptr for a text too long to remember.
    const TShapedLine* Shaped(const QString& text) const;

    QFont font;
    QFontMetrics metrics;

private:
    mutable std::unordered_map<QString, int> advances_;
    mutable std::unordered_map<QString, TShapedLine> shapedLines_;
};
std::shared_ptr<const TFontFace> FontFace(const TFont& font);
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

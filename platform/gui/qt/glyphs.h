#pragma once

// Small glyphs shared by the classic frame controls and the theme painter; for the layer's own sources.

#include "support/basic_types.h"

#include <QColor>

class QPainter;

enum class TArrowDirection
{
    Up,
    Down,
    Left,
    Right
};

// A filled triangle centred in r, sized to it.
void DrawArrowGlyph(QPainter* p, const TRect& r, TArrowDirection direction, const QColor& color);
// The classic tick: seven columns three pixels high, centred in r.
void DrawCheckGlyph(QPainter* p, const TRect& r, const QColor& color);
// An "x" of two-pixel strokes centred in r.
void DrawCrossGlyph(QPainter* p, const TRect& r, const QColor& color);

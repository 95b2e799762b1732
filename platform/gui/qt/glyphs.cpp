#include "platform/gui/qt/glyphs.h"

#include <QPainter>

#include <algorithm>

void DrawArrowGlyph(QPainter* p, const TRect& r, TArrowDirection direction, const QColor& c)
{
    const int size = std::max(1, (std::min(r.Width(), r.Height()) - 4) / 4);
    const int cx = r.Left + (r.Width() - 1) / 2, cy = r.Top + (r.Height() - 1) / 2;
    const bool vertical = direction == TArrowDirection::Up || direction == TArrowDirection::Down;
    const bool towardsStart = direction == TArrowDirection::Up || direction == TArrowDirection::Left;
    for (int k = 0; k <= size; ++k) {
        const int length = 2 * (size - k) + 1; // the base first, the tip last
        const int across = towardsStart ? size - k : k;
        if (vertical)
            p->fillRect(QRect(cx - size + k, cy - size / 2 + across, length, 1), c);
        else
            p->fillRect(QRect(cx - size / 2 + across, cy - size + k, 1, length), c);
    }
}

void DrawCheckGlyph(QPainter* p, const TRect& r, const QColor& c)
{
    const int x = r.Left + (r.Width() - 7) / 2, y = r.Top + (r.Height() - 7) / 2;
    for (int i = 0; i < 7; ++i) {
        const int top = i <= 2 ? y + 2 + i : y + 4 - (i - 2);
        p->fillRect(QRect(x + i, top, 1, 3), c);
    }
}

void DrawCrossGlyph(QPainter* p, const TRect& r, const QColor& c)
{
    const int size = std::max(3, std::min(r.Width(), r.Height()) - 8);
    const int x = r.Left + (r.Width() - size) / 2, y = r.Top + (r.Height() - size) / 2;
    for (int i = 0; i < size; ++i) {
        p->fillRect(QRect(x + i, y + i, 2, 1).intersected(QRect(x, y, size, size)), c);
        p->fillRect(QRect(x + size - 1 - i - 1, y + i, 2, 1).intersected(QRect(x, y, size, size)), c);
    }
}

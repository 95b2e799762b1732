#pragma once

// Rendering and input for the standard controls' tests.

#include "platform/gui/core/exceptions.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/windows/window_functions.h"
#include "window_test_support.h"

#include <memory>

// The window of control painted into a bitmap of its size (frame, client and children).
inline std::unique_ptr<TBitmap> Render(TWinControl* control)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(control->Width(), control->Height());
    control->PaintTo(*bitmap->Canvas(), 0, 0);
    return bitmap;
}

// How many pixels of rect have the colour.
inline int CountPixels(TBitmap& bitmap, const TRect& rect, TColor color)
{
    int count = 0;
    for (int y = rect.Top; y < rect.Bottom; ++y)
        for (int x = rect.Left; x < rect.Right; ++x)
            count += bitmap.Canvas()->Pixels(x, y) == color ? 1 : 0;
    return count;
}

// A press and release of the left button at a client point.
inline void ClickAt(TWinControl* control, TPoint p, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* widget = control->Window().client;
    const QPoint local(p.X, p.Y);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, QPointF(local), QPointF(widget->mapToGlobal(local)), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, modifiers);
        QApplication::sendEvent(widget, &event);
    }
}

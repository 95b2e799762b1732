#pragma once

// Rendering and input for the standard controls' tests.

#include "platform/gui/core/exceptions.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/windows/window_functions.h"
#include "window_test_support.h"

#include <memory>

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

#pragma once

// The test driver's toolkit side, for the layer's own tests that speak Qt's key and mouse terms.

#include "gui_driver.h"

#include <QEvent>
#include <QImage>
#include <QString>

void SendKey(TWinControl* control, int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
             const QString& text = {});
// A mouse event at a point of the control's client area.
void SendMouse(TWinControl* control, QEvent::Type type, TPoint clientPos,
               Qt::MouseButton button = Qt::LeftButton);
// A mouse event at a point of the control's window (frame included).
void SendWindowMouse(TWinControl* control, QEvent::Type type, TPoint windowPos,
                     Qt::MouseButton button = Qt::LeftButton);

// The control's client area as it stands on the (offscreen) screen, read without painting anything.
QImage ScreenPixels(TWinControl* control);
// Saves a picture as <build>/screenshots/<name>.png, as the bitmap form does.
std::string SaveScreenshot(const QImage& image, const std::string& name, int scale = 1);

#pragma once

// The input method's side of a window: the rectangle it places its candidates by, and the text being
// composed (pre-edit), which the layer shows at the caret, underlined, over the window's own painting until
// it is committed; a commit arrives as characters (WM_CHAR). For the layer's own sources.

#include "platform/gui/windows/messages.h"

#include <QVariant>

class QInputMethodEvent;
class TWinControl;

// The answer to the input method's query for window (invalid when the layer has none of its own): the
// cursor rectangle is the caret's (moved past the composed text before its cursor), in the coordinates of
// the window's widget, and the font is the control's.
QVariant InputMethodAnswer(TWinControl& window, Qt::InputMethodQuery query);
// Takes the event's composed text for window (none ends the composition).
void NoteComposition(TWinControl& window, const QInputMethodEvent& event);
// Draws the composed text of window, if any, on canvas (the client area).
void PaintComposition(HWND window, TCanvas& canvas);

#pragma once

#include "platform/gui/graphics/canvas.h"

class TControl;

// Clip regions for painting parts of a control, and a see-through background.

// Clips the canvas to rect given in the coordinates the device context had before its window origin was
// moved (the region is shifted by the negated window origin).
void ClipToRect(TCanvas& canvas, const TRect& rect);
// Clips the canvas to rect as it stands.
void SelectClipRect(TCanvas& canvas, const TRect& rect);
// Paints onto canvas what the control's parent shows behind the control: the parent erases and paints
// itself with its window origin moved to the control's place. Nothing without a parent window.
void PaintParentImage(TControl& control, TCanvas& canvas);

#pragma once

#include "support/basic_types.h"

class TCanvas;
class TWinControl;

// The faces and frames of the skinned buttons, edits and lists in the look in force: the classic one, the
// platform theme's or the current skin's. Each gives back the pen, brush and clipping it changed.

// A push button's face; a focused one gets a focus rectangle 3 pixels inside it.
void PaintButtonBackground(TCanvas& canvas, const TRect& rect, bool enabled, bool pushed, bool hotTrack,
                           bool checked, bool focused, bool defaulted);
// An edit box's frame. clipClient leaves the inside alone (all but the outer ring when hot, the two outer
// rings otherwise); innerColoursOnly draws a skin's inner-only border colours as an outer line.
void PaintEditFrame(TCanvas& canvas, const TRect& rect, bool enabled, bool hotTrack, bool clipClient,
                    bool innerColoursOnly);
// A window control's frame (the outer two pixels of its window) while it paints its frame: the control's
// colour when noBorder, else what its parent shows there under an edit-box frame.
void PaintControlFrame(TWinControl& control, bool hotTrack, bool innerColoursOnly, bool noBorder);
// A list entry's background; sets the canvas's font colour for the entry's text. forceRect keeps all four
// corners of a skin's borders square.
void PaintListItemBackground(TCanvas& canvas, const TRect& rect, bool checked, bool hotTrack, bool drawFocus,
                             bool forceRect, bool borders);

#pragma once

#include "support/basic_types.h"

class TCanvas;

// The faces of the buttons that sit inside a skinned edit or combo box, in the look in force. A button on
// the right side (onRightSide) faces the text with its left edge. Each gives back the tools it changed.

// The edit frame looks different when hot: a border is on, a skin is in force and its Normal and HotTrack
// borders of the edit frame differ.
bool EditFrameHotLookDiffers(bool borderStyleOn);

// The skin's edit-button face; while the edit is hot it covers the edit's frame on all but the text side.
void PaintEditButtonBackground(TCanvas& canvas, const TRect& rect, bool enabled, bool editHot, bool buttonHot,
                               bool pushed, bool onRightSide);
// A button that shows only a downward arrow (a combo box's, an edit button without caption or image).
void PaintDropDownArrowButton(TCanvas& canvas, const TRect& rect, bool enabled, bool editHot, bool buttonHot,
                              bool pushed, bool onRightSide);
// The up and down halves of a spin button.
void PaintSpinButtons(TCanvas& canvas, const TRect& rect, bool enabled, bool editHot, bool upHot,
                      bool downHot, bool upPushed, bool downPushed, bool onRightSide);

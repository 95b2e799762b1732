#pragma once

#include "platform/gui/windows/control.h"

// Where the combo box and the typed edit put the label they carry, and the room an aligned control makes
// for it. (The thirteenth place is spelled so.)

enum TLabelPosition
{
    lpLeftTop,
    lpLeftCenter,
    lpLeftBottom,
    lpTopLeft,
    lpBottomLeft,
    lpLeftTopLeft,
    lpLeftCenterLeft,
    lpLeftBottomLeft,
    lpTopCenter,
    lpBottomCenter,
    lpRightTop,
    lpRightCenter,
    lpRighBottom,
    lpTopRight,
    lpBottomRight
};

// What the placement needs of the label.
struct TLabelMetrics
{
    TSize Size;     // the label's width and height
    int TextWidth;  // the caption's width as drawn
    int Margin;     // the gap between label and control
    int BorderTrim; // taken off the control's height when centring beside it (a single border's 2)
};

// The label's top-left corner beside a control at bounds (in the parent's coordinates).
TPoint LabelPlace(TLabelPosition position, const TRect& control, const TLabelMetrics& label);

// The bounds an aligned control takes so that its label fits beside it: left places move it right and
// narrow it, right places narrow it, places above move it down (lpTopRight only when topRightToo).
TRect BoundsWithRoomForLabel(TRect bounds, TAlign align, TLabelPosition position, TSize label, int margin,
                             bool topRightToo);

// Bold on or off, the font's other styles kept.
void SetBold(TFont& font, bool bold);

// The width of a caption as a label draws it, accelerator marks hidden.
int LabelTextWidth(const std::string& caption, const TFont& font);

// How much larger than at 96 pixels per inch the screen draws text: the height of "0" in a 9-point font at
// the screen's pixels per inch over that at 96.
double DpiScaleFactor();

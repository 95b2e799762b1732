#pragma once

#include "platform/gui/graphics/canvas.h"
#include "platform/gui/standard/std_control_types.h"

#include <string>

// Text drawn into rectangles the way the controls' headers, cells and buttons draw it. All of them draw
// with a clear brush (the text's background is left as it is) and make the brush solid again afterwards.

// One line, vertically centred, shortened with an ellipsis at the end, without prefix processing; right or
// centred as alignment says, in right-to-left reading order unless biDiMode is bdLeftToRight.
void DrawTextRectEx(TCanvas& canvas, const TRect& rect, TAlignment alignment, const std::string& text,
                    TBiDiMode biDiMode);
// As DrawTextRectEx, left to right, and with "&" marking a prefix unless noPrefix is set.
void DrawAlignedText(TCanvas& canvas, const TRect& rect, TAlignment alignment, const std::string& text,
                     bool noPrefix);
// One left-aligned line, vertically centred, with an ellipsis at the end, without prefix processing.
void DrawSingleLineText(TCanvas& canvas, const TRect& rect, const std::string& text, TBiDiMode biDiMode);
// Text turned by 90 degrees, reading bottom to top, rising from one line height above the bottom of rect
// (clipped to rect); with multiLine, each line of a
// text holding carriage returns stands right of the one before.
void DrawVerticalText(TCanvas& canvas, const TRect& rect, const std::string& text, bool multiLine);

// The 6-series controls' wrap kinds; in a namespace of their own because the skinned items' caption
// fittings take the names twNone, twEndEllipsis and twPathEllipsis too.
namespace TextWrap {
enum TGxTextWrapKind
{
    twNone,
    twEndEllipsis,
    twPathEllipsis,
    twWordEllipsis,
    twWordWrap
};
} // namespace TextWrap
using TextWrap::TGxTextWrapKind;

// Text aligned in rect both ways. Wrapped text aligned to the centre or the bottom moves down by the
// room its lines leave (half of it for the centre).
void DrawTextInRect(TCanvas& canvas, const TRect& rect, TAlignment alignment,
                    TVerticalAlignment verticalAlignment, const std::string& text, TGxTextWrapKind wrapKind,
                    bool showPrefix);

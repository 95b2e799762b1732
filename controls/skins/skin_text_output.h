#pragma once

#include "platform/gui/graphics/gdi.h"

#include <memory>
#include <string>

class TControl;

// Text of the skinned controls: drawing with a glow and at a right angle, the layout of a caption with its
// glyphs, the platform's glowing caption text, measuring, and the small text helpers. Rotated text is turned
// by the canvas itself, in any face.

enum TQvTextRotationAngle
{
    tra0,
    tra90, // runs upwards
    tra270 // runs downwards
};

enum TQvGlyphLayout
{
    ghlGlyphLeft,
    ghlGlyphTop
};

enum TQvGlowDirection
{
    gldNone,
    gldAll,        // a pixel up, down, left and right
    gldTopLeft,    // a pixel up and left
    gldBottomRight // a pixel down and right
};

// Draws text into r (or with DT_CALCRECT measures it and sets r), first in glowColor at the glow offsets,
// then in the font colour. Returns the text's height; 0 for an empty r, where nothing is drawn.
int DrawSkinText(TCanvas& canvas, const std::string& text, TRect& r, unsigned flags, TQvGlowDirection glow,
                 TColor glowColor, TQvTextRotationAngle angle);
// One line at 90 or 270 degrees, centred across r, at r's top or (DT_CENTER) centred along it; an "&" marks
// the next character unless DT_NOPREFIX, underlined unless DT_HIDEPREFIX; DT_END_ELLIPSIS shortens a line
// longer than r is high. With DT_CALCRECT r becomes the turned text's extent. Returns the line height; 0 for
// an empty text.
int DrawRotatedText(TCanvas& canvas, const std::string& text, TRect& r, unsigned flags,
                    TQvTextRotationAngle angle);
// A copy of the canvas's font turned by escapement tenths of a degree (900 upwards, 2700 downwards).
std::unique_ptr<TFont> CreateRotatedFont(const TCanvas& canvas, int escapement);

// Where a caption and its glyphs go in r. A glyph of positive size keeps 4 pixels from the text (1 below it
// when on top); the right glyph sits at the right edge of a left-aligned caption. With rotated, r is laid out
// as if turned a quarter and the results are turned back. Returns the text's height; 0 without text.
int CalcCaptionLayout(TCanvas& canvas, const TRect& r, const std::string& caption, TAlignment alignment,
                      unsigned flags, TSize glyphSize, TSize rightGlyphSize, TQvGlyphLayout layout,
                      bool pushedCaption, TRect& textRect, TRect& glyphRect, TRect& rightGlyphRect,
                      bool rotated);

// Text with the platform theme's glow around it, blended onto r; with DT_CALCRECT only measured. Without a
// theme the text is drawn plainly. Returns the text's height.
int DrawGlowText(TCanvas& canvas, const std::string& text, TRect& r, unsigned flags, int glowSize);
int DrawThemedGlowText(TCanvas& canvas, const std::string& text, TRect& r, unsigned flags, int glowSize);

// The extent of one line, without its "&" marks when stripPrefix.
TSize GetTextSize(TCanvas& canvas, const std::string& text, bool stripPrefix);
// The extent of one line in font (measured the same on every canvas here).
TSize GetControlTextSize(const TControl* control, const TFont& font, const std::string& text);
// The height of "WQqJ" in font.
int GetFontTextHeight(const TControl* control, const TFont& font);

// "&&" becomes "&"; any other "&" goes.
std::string StripAmpersands(const std::string& text);
// The text before the first tab.
std::string StripAfterTab(const std::string& text);
// Without one trailing ":" (in a text longer than one character), else without a trailing "..." (in a text
// longer than three).
std::string StripCaptionEnding(const std::string& text);

#pragma once

#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/standard/bit_button.h"

#include <functional>
#include <string>

// Where a button's glyph and caption go: given the client rectangle, the glyph's size, the caption and the
// button's Layout, Margin and Spacing (-1 meaning automatic), the top-left corners of glyph and caption.
// Nothing is clamped: content wider than the client gives negative margins.

struct TGlyphAndCaptionPlaces
{
    TPoint GlyphPos;
    TPoint TextPos;
};

// The size a caption takes laid out by DrawText in calculate mode with flags (biDiFlags | DT_CALCRECT) in a
// rectangle width pixels wide.
using TCaptionMeasure = std::function<TSize(const std::string& caption, int width, unsigned flags)>;

// pressedOffset or downOffset moves both places one pixel right and down. biDiFlags are the control's
// DrawTextBiDiModeFlags(0); with DT_RIGHT in them the left and right layouts swap.
TGlyphAndCaptionPlaces PlaceGlyphAndCaption(const TCaptionMeasure& measure, const TGraphic* glyph,
                                            const TRect& client, bool pressedOffset, bool downOffset,
                                            const std::string& caption, TButtonLayout layout, int margin,
                                            int spacing, unsigned biDiFlags);
// The same, measuring with the canvas's font.
TGlyphAndCaptionPlaces PlaceGlyphAndCaption(TCanvas& canvas, const TGraphic* glyph, const TRect& client,
                                            bool pressedOffset, bool downOffset, const std::string& caption,
                                            TButtonLayout layout, int margin, int spacing,
                                            unsigned biDiFlags);

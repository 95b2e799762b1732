#pragma once

#include "platform/gui/graphics/canvas.h"

#include <string>

// Sizes of texts in a canvas's font.

// Width and height of the text on one line.
TSize WideTextExtent(TCanvas& canvas, const std::string& text);
int WideTextWidth(TCanvas& canvas, const std::string& text);
int WideTextHeight(TCanvas& canvas, const std::string& text);
// The width of the widest line of the text (line breaks break lines).
int CalcTextWidth(TCanvas& canvas, const std::string& text);
// The size of the text word-wrapped to the rectangle's width.
TSize MeasureWrappedText(TCanvas& canvas, const TRect& rect, const std::string& text);
// The size of the text on one line, "&" marking a prefix unless noPrefix is set.
TSize MeasureText(TCanvas& canvas, const std::string& text, bool noPrefix);

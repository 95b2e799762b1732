#pragma once

#include "controls/memo/line_text.h"

#include <vector>

// Word wrap of one author's line into rows of at most width characters. A row ends after a break character
// (space, "+", "-", "*", "/") where the next word would not fit; a word longer than the width is cut at
// exactly width characters. Nothing is dropped: the rows joined give the line back. A width of 0 or less
// gives the line whole.
std::vector<TLineText> WrapPieces(const TLineText& line, int width);

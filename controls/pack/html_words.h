#pragma once

#include "platform/gui/graphics/graphics.h"

#include <memory>
#include <string>
#include <vector>

// What the HTML-like label's builder makes of its text: positioned words and the table of links.

// What a word draws.
enum THTMLWordTag
{
    wtText = -1,       // its text (also the empty word of an opening heading)
    wtRule = 10,       // "HR": a horizontal rule
    wtColorStrip = 11, // "LC": a strip from the word's left edge to the right
    wtBullet = 12,     // "LI"
    wtBullet2 = 13,    // "LI2"
    wtImage = 14,      // "IMG"
    wtBodyColor = 15,  // "BBC": the background from the word's line down
    wtLine = 20        // "LN": a one-pixel line from the word's left edge to the right
};

struct TVHWord
{
    // In text-area pixels: x 0 is the text area's left edge, y 0 its top before vertical alignment.
    TRect Rect;
    std::string Text;
    int Group = 0; // the alignment group
    TAlignment Align = taLeftJustify;
    std::unique_ptr<TFont> Font;
    TColor BColor = clNone; // the background behind the text
    bool Link = false;
    int LinkID = -1;
    bool Space = false; // one blank
    bool Hover = false; // the mouse is over the word's link
    TColor ExtraColor = clNone;
    int TagID = wtText;
};

using TVHWordList = std::vector<TVHWord>;

// A link's target (the "A" parameter) and its visible text; a link's index in the table is its ID.
struct TVHLinkData
{
    std::string Target;
    std::string Text;
};

using TVHLinkDataList = std::vector<TVHLinkData>;

#pragma once

#include "platform/gui/standard/std_control_types.h"

#include <string>

class TCustomComboBox;

// The look of the settings panels' owner-drawn lists: every item a vertical gradient that ends in its
// background colour (a selected item, in the highlight colours, darkens from it instead), items of the
// dropped-down list parted by a darker line along their tops, and the text 4 pixels in. A text holding a
// line break is wrapped from the top; any other stays on one line, centred, with tab stops every three
// average characters. The closed box takes the background of the item it shows.

struct TShadedItemLook
{
    TColor Background;
    TColor Text;
    bool Bold = false;
    int SeparatorDarkenPercent = 8; // how much darker than the background the line between items is
};

void DrawShadedListItem(TCustomComboBox& combo, const std::string& text, const TRect& rect,
                        TOwnerDrawState state, TShadedItemLook look);

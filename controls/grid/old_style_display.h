#pragma once

#include "controls/grid/style_display.h"

// Raised boxes with a dark outer edge for headers, corner boxes and indicator cells.
class TOldStyleDisplay : public TStyleDisplay
{
public:
    using TStyleDisplay::TStyleDisplay;

    TStyleDisplayAttributes GetStyleDisplayAttributes() const override { return {sdaInvertFocus}; }
    void DrawCornerBox(const TRect& rect, TBoxLocation) override { DrawRaisedBox(rect); }
    void DrawHeaderBackground(TGxCustomColumn*, const TRect& rect) override { DrawRaisedBox(rect); }
    void DrawIndicator(const TRect& rect, int, bool, bool) override { DrawRaisedBox(rect); }

private:
    void DrawRaisedBox(const TRect& rect);
};

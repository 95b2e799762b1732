#pragma once

#include "controls/grid/style_display.h"

// Light grey headers; a sorted header shows a blue strip at its top with a small white arrow in it.
class TVistaStyleDisplay : public TStyleDisplay
{
public:
    using TStyleDisplay::TStyleDisplay;

    TStyleDisplayAttributes GetStyleDisplayAttributes() const override { return {sdaCustomArrow}; }
    void AdjustHeaderTextRect(TRect& rect) override { rect.Left += 2; }
    void DrawHeaderBackground(TGxCustomColumn* column, const TRect& rect) override
    {
        DrawHeaderFace(column, rect);
    }
    void DrawIndicator(const TRect& rect, int index, bool selected, bool highlighted) override;
    virtual void DrawHeaderFace(TGxCustomColumn* column, const TRect& rect);

private:
    // A white line on the left and a clBtnFace line on the right; answers the inside between them.
    TRect DrawSideLines(const TRect& rect);
};

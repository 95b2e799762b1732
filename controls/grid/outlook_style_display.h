#pragma once

#include "controls/grid/style_display.h"

// Headers whose bottom edge darkens over three rows.
class TOutlookStyleDisplay : public TStyleDisplay
{
public:
    using TStyleDisplay::TStyleDisplay;

    TStyleDisplayAttributes GetStyleDisplayAttributes() const override { return {sdaInvertFocus}; }
    void AdjustHeaderTextRect(TRect& rect) override { rect.Bottom -= 3; }
    void DrawAreaSplitter(const TRect& rect) override;
    void DrawCornerBox(const TRect& rect, TBoxLocation location) override;
    void DrawHeaderBackground(TGxCustomColumn* column, const TRect& rect) override
    {
        DrawHeaderFace(column, rect);
    }
    virtual void DrawHeaderFace(TGxCustomColumn* column, const TRect& rect);

private:
    // Three lines across at the bottom, blended further towards clBtnShadow row by row.
    void DrawDarkeningBottom(const TRect& rect, TColor face);
};

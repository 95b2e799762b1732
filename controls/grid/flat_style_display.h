#pragma once

#include "controls/grid/style_display.h"

// Flat fills with thin grid lines in the grid's KV_ colours: the look of both grids of the windows.
class TFlatStyleDisplay : public TStyleDisplay
{
public:
    using TStyleDisplay::TStyleDisplay;

    void DrawAreaSplitter(const TRect& rect) override;
    // The box left of the header (its top at most 4) takes the top colours, any lower box the bottom ones.
    void DrawCornerBox(const TRect& rect, TBoxLocation location) override;
    void DrawHeaderBackground(TGxCustomColumn* column, const TRect& rect) override
    {
        DrawHeaderFace(column, rect);
    }
    void DrawIndicator(const TRect& rect, int index, bool selected, bool highlighted) override;
    virtual void DrawHeaderFace(TGxCustomColumn* column, const TRect& rect);
};

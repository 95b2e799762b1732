#pragma once

#include "controls/grid/style_display.h"

// Gradient headers in the colours of the current 5-series colour scheme.
class TOffice2007StyleDisplay : public TStyleDisplay
{
public:
    using TStyleDisplay::TStyleDisplay;

    void AdjustHeaderTextRect(TRect& rect) override { rect.Left += 2; }
    void DrawAreaSplitter(const TRect& rect) override;
    void DrawCornerBox(const TRect& rect, TBoxLocation location) override;
    void DrawHeaderBackground(TGxCustomColumn* column, const TRect& rect) override
    {
        DrawHeaderFace(column, rect);
    }
    void DrawIndicator(const TRect& rect, int, bool, bool) override { DrawCornerBox(rect, bpAlone); }
    virtual void DrawHeaderFace(TGxCustomColumn* column, const TRect& rect);

protected:
    // The two ends of the header gradient, top first.
    virtual TColor GradientTop() const;
    virtual TColor GradientBottom() const;
};

// As the 2007 look with other scheme colours, and a sort arrow of its own.
class TOffice2010StyleDisplay : public TOffice2007StyleDisplay
{
public:
    using TOffice2007StyleDisplay::TOffice2007StyleDisplay;

    // The themed arrow's triangle, outlined black and filled, whatever UseThemes says.
    void DrawSortArrow(int x, int y, bool ascending) override;

protected:
    TColor GradientTop() const override;
    TColor GradientBottom() const override;
};

#pragma once

#include "controls/grid/column_display.h"

// The side of a cell's check box: 13 pixels in the theme's look, 11 in the classic one. (The class
// library's styles, which would ask for 16, never run here.)
int CheckBoxSize();
// Where the check box of a cell lies in r: placed 2 pixels in from the edges the column aligns it to.
TRect CheckBoxRect(const TGxCustomColumn& column, const TRect& r);

// The display of check-box columns: a check box, checked for a True cell, aligned as the column says.
class TCheckBoxColumnDisplay : public TColumnDisplay
{
public:
    using TColumnDisplay::TColumnDisplay;

    int GetContentWidth() override { return CheckBoxSize(); }
    void Paint() override;
    // The box in the theme's look, else in the classic one: a frame with a check mark 3 pixels thick.
    virtual void DrawCheckBox(const TRect& r, bool checked, bool hot, bool pressed);

private:
    void DrawClassicCheckBox(const TRect& box, bool checked, bool pressed);
};

#pragma once

#include "controls/grid/column_play.h"

// The play of check-box columns: a release inside the box (with the column's coCanClick) or the space key
// flips the value, sets AsString to "True" or "False" and reports the change: first to the grid (OnChange),
// then to the check-box column (its OnChange).
class TCheckBoxColumnPlay : public TColumnPlay
{
public:
    using TColumnPlay::TColumnPlay;

    // The box in cell coordinates: the cell's size grown by 1 on every side, the box placed in it as the
    // display places it.
    TRect GetCheckBoxRect() const;

    void KeyPress(char32_t& key) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    // The base's, then the display's box painted checked.
    void Show() override;

protected:
    void DoChange() override;

private:
    void Toggle();
};

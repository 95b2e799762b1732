#pragma once

#include "controls/grid/column_play.h"

// The play of tree columns: a release on the expand button, or the key "+" or "-", expands or collapses the
// row (OnExpand), unless the column's ExpandLock is set.
class TTreeColumnPlay : public TColumnPlay
{
public:
    using TColumnPlay::TColumnPlay;

    // The button of a row of the level in cell coordinates (rect gives the cell's height), where the display
    // draws it: inside the column's Padding.
    TRect GetButtonRect(const TRect& rect, int level) const;
    bool IsExpandLock() const;

    void KeyPress(char32_t& key) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
};

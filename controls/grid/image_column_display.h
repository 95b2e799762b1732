#pragma once

#include "controls/grid/column_display.h"

// The display of image columns: image AsInteger of the column's image list, placed 2 pixels in from the
// edges the column aligns it to; nothing without a list or for an index outside it.
class TImageColumnDisplay : public TColumnDisplay
{
public:
    using TColumnDisplay::TColumnDisplay;

    // The image list's width; 0 without one.
    int GetContentWidth() override;
    void Paint() override;
};

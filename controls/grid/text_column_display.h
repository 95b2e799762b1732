#pragma once

#include "controls/grid/column_display.h"
#include "controls/grid/column_types.h"

// The display of text and virtual columns: the column's text for the cell (GetDrawText, so prefixes,
// suffixes, password characters and OnGetDrawText apply) in the text rectangle.
class TTextColumnDisplay : public TColumnDisplay
{
public:
    using TColumnDisplay::TColumnDisplay;

    void Paint() override;

protected:
    // The cell as the column's GetDrawText reads it.
    virtual TCellInfo CellInfo() const;
};

// The display of number columns: as the text display, with the value handed on as a number too, which the
// number columns format.
class TNumberColumnDisplay : public TTextColumnDisplay
{
public:
    using TTextColumnDisplay::TTextColumnDisplay;

protected:
    TCellInfo CellInfo() const override;
};

#pragma once

// One cell painted with its column's display the way a grid paints it (column_display.h).

#include "controls/grid/column.h"
#include "controls/grid/column_display.h"
#include "platform/gui/graphics/canvas.h"

#include <functional>

// The row facts a tree column's display needs.
struct TTreeRowFacts
{
    int RowIndex = 0;
    int Level = 0;
    int ChildCount = 0;
    bool Expanded = false;
    bool IsFirst = false;
    bool IsLast = false;
    TParentRowProc OnParentRow{};
};

// The display of the column loaded with the canvas, the cell and its value (through load), the background
// filled in the column's colour, the rectangle narrowed by the padding, then painted.
inline TColumnDisplay& PaintCell(TGxCustomColumn& column, TCanvas& canvas, const TRect& cell,
                                 const std::function<void(TColumnDisplay&)>& load)
{
    TColumnDisplay& display = *column.Display();
    canvas.Font()->Assign(column.Font());
    display.SetCanvas(&canvas);
    display.SetClientRect(cell);
    display.SetAsString("");
    display.SetAsBoolean(false);
    display.SetAsInteger(0);
    display.SetAsFloat(0);
    load(display);
    display.PaintBackground(column.Color());
    display.SetClientRect(
        {cell.Left + column.Padding(), cell.Top, cell.Right - column.Padding(), cell.Bottom});
    display.Paint();
    return display;
}

inline void LoadTreeRow(TColumnDisplay& display, const TTreeRowFacts& row)
{
    display.SetRowIndex(row.RowIndex);
    display.SetLevel(row.Level);
    display.SetChildCount(row.ChildCount);
    display.SetExpanded(row.Expanded);
    display.SetIsFirst(row.IsFirst);
    display.SetIsLast(row.IsLast);
    display.SetOnParentRow(row.OnParentRow);
}

#pragma once

#include "support/basic_types.h"

#include <string>

// What a cell asks of the grid that shows it, for its position (the store's last lookup). The grid that
// holds the cell store (TDataGrid) implements it; the interface never owns the grid.
class ICellsGrid
{
public:
    // The colours the cell is painted in, after selection and sorting shades.
    virtual TColor GetActualCellColor(int ACol, int ARow) = 0;
    virtual TColor GetActualCellFontColor(int ACol, int ARow) = 0;
    // The text the column paints for the cell.
    virtual std::string GetDrawText(int ACol, int ARow) = 0;
    virtual bool IsCellHighlighted(int ACol, int ARow) = 0;

protected:
    ~ICellsGrid() = default;
};

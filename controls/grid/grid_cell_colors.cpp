// Which cells show the selection, and the colours and state a cell is painted with.

#include "controls/grid/color_blend.h"
#include "controls/grid/column.h"
#include "controls/grid/columns.h"
#include "controls/grid/grid_control.h"
#include "platform/gui/graphics/canvas.h"
#include "support/system_colors.h"

bool TGxCustomGridControl::IsCellHighlighted(int ACol, int ARow)
{
    if (FGridStyle == gsSlides && !FAppearanceOptions.Contains(aoHighlightSlideCells))
        return false;
    if (FInputSelected || FColumns->GetItem(ACol)->Options().Contains(coDontHighlight))
        return false;
    if (FAppearanceOptions.Contains(aoHideSelection) && !Focused())
        return false;
    const bool selectedCell = ACol == FSelectedColumn && ARow == FSelectedRow;
    const bool edited = FGridState.Contains(gtEdit) && FEditingCell == TPoint{ACol, ARow};
    if (!FOptions.Contains(goSelectFullRow))
        return selectedCell && !edited;
    if (!GetSelected(ARow))
        return false;
    if (selectedCell)
        return !FAppearanceOptions.Contains(aoIndicateSelectedCell) && !edited;
    return true;
}

TColor TGxCustomGridControl::GetActualCellColor(int ACol, int ARow)
{
    TColor color = GetCellColor(ACol, ARow);
    if (FAppearanceOptions.Contains(aoIndicateSortedColumn) && FColumns->GetItem(ACol)->Sorted())
        color = BlendColor(clBlack, color, 10);
    if (!IsCellHighlighted(ACol, ARow))
        return color;
    if (!Focused())
        return FInactiveSelectionColor;
    if (FAppearanceOptions.Contains(aoAlphaBlendedSelection))
        return BlendColor(color, clHighlight, 0.25);
    return FSelectionColor;
}

TColor TGxCustomGridControl::GetActualCellFontColor(int ACol, int ARow)
{
    if (IsCellHighlighted(ACol, ARow) && Focused())
        return FHighlightedTextColor;
    return FColumns->GetItem(ACol)->Font()->Color();
}

// The colours OnCellColoring hands back are not used here.
TCellState TGxCustomGridControl::GetCellState(int ACol, int ARow)
{
    TGxCustomColumn* column = FColumns->GetItem(ACol);
    Canvas()->SetFont(column->Font());
    TColor color = GetActualCellColor(ACol, ARow);
    TColor gridColor = FGridLinesColor;
    TCellState state = SelectionState(ACol, ARow);
    Raise(OnCellColoring, ACol, ARow, color, gridColor, state);
    return state;
}

TCellState TGxCustomGridControl::SelectionState(int ACol, int ARow)
{
    TCellState state;
    if (IsCellHighlighted(ACol, ARow)) {
        state.Include(csSelected);
        if (FAppearanceOptions.Contains(aoBoldTextSelection))
            state.Include(csBoldTextSelection);
    }
    if (Focused() && !FAppearanceOptions.Contains(aoHideFocus))
        state.Include(csFocused);
    return state;
}

bool TGxCustomGridControl::PrepareCell(int ACol, int ARow, TCellState cellState)
{
    TCanvas& canvas = *Canvas();
    canvas.SetFont(FColumns->GetItem(ACol)->Font());
    canvas.Font()->SetColor(Enabled() ? GetActualCellFontColor(ACol, ARow) : clGrayText);
    if (cellState.Contains(csBoldTextSelection))
        canvas.Font()->SetStyle(canvas.Font()->Style() + fsBold);
    return false;
}

// Sorted columns are shaded unless the cell shows the selection.
TColor TGxCustomGridControl::SortedShade(TColor cellColor) const
{
    switch (FSortedStyle) {
    case soDarker:
        return FKV_CustomizationEnabled ? FKV_SortDarker : BlendColor(clBlack, cellColor, 10);
    case soWhite:
        return 0xFFFFFF;
    default:
        return cellColor;
    }
}

// The selected cell, the rows' selection flags in row mode (Ctrl toggles, Shift extends from an anchor) and
// the input row as a line of its own.

#include "controls/grid/column.h"
#include "controls/grid/columns.h"
#include "controls/grid/grid_control.h"

void TGxCustomGridControl::SelectCell(int ACol, int index, TShiftState shift, bool deselect, bool autoEdit)
{
    bool accept = CanSelectCell(ACol, index, shift);
    Raise(OnBeforeSelect, ACol, index, accept);
    if (!accept)
        return;
    if (FGridState.Contains(gtMultiSelect) && !shift.Contains(ssShift) && !shift.Contains(ssCtrl) && deselect)
        NoSelection();
    if (!FColumns->Exists(ACol) || !FColumns->GetItem(ACol)->Enabled())
        return;
    const int oldCol = FSelectedColumn;
    const int oldRow = FSelectedRow;
    FSelectedColumn = ACol;
    FSelectedRow = index;
    const bool cellChanged = ACol != oldCol || index != oldRow;
    if (cellChanged) {
        if (CellBounds(oldCol, oldRow))
            Raise(OnDeselectCell, oldCol, oldRow);
        EndEditing();
    }
    if (FAutoScroll && RowExist(index))
        ScrollToRow(index);
    if (FInputSelected) {
        if (ACol == oldCol)
            return;
        Raise(OnInputSelectCell, ACol);
        RefreshColumn(FColumns->GetItem(ACol), gaInput);
        if (FColumns->Exists(oldCol))
            RefreshColumn(FColumns->GetItem(oldCol), gaInput);
        return;
    }
    if (RowCount() == 0)
        return;
    if (FOptions.Contains(goSelectFullRow)) {
        SelectRowMode(ACol, index, shift, oldCol, oldRow);
        return;
    }
    if (cellChanged) {
        if (index != oldRow) {
            if (FGridStyle == gsSlides) {
                RefreshSlide(index, true);
                RefreshSlide(oldRow, true);
            } else {
                RefreshRowIndicator(index);
                RefreshRowIndicator(oldRow);
            }
        }
        RefreshCell(ACol, index);
        RefreshCell(oldCol, oldRow);
    }
    Raise(OnSelectCell, ACol, index);
    if (autoEdit)
        EditCell(ACol, index, "");
}

void TGxCustomGridControl::SelectRowMode(int ACol, int index, TShiftState shift, int oldCol, int oldRow)
{
    const bool multi = FOptions.Contains(goMultiSelect);
    const bool rowChanged = index != oldRow;
    if (multi && shift.Contains(ssCtrl) && !shift.Contains(ssShift)) {
        FFromSelected = index;
        FGridState.Include(gtMultiSelect);
        SetSelected(index, !GetSelected(index));
        if (rowChanged)
            RefreshRowAndSlide(oldRow);
    } else if (multi && shift.Contains(ssShift)) {
        SelectShiftRange(index, shift);
        if (rowChanged) {
            RefreshRowAndSlide(index);
            RefreshRowAndSlide(oldRow);
        }
    } else {
        if (!rowChanged && FAppearanceOptions.Contains(aoIndicateSelectedCell) && ACol != oldCol) {
            RefreshCell(ACol, index);
            RefreshCell(oldCol, oldRow);
        }
        if (rowChanged && !FGridState.Contains(gtMultiSelect))
            SetSelected(oldRow, false);
        SetSelected(index, true);
        FFromSelected = index;
        if (FUpdateCount == 0) {
            RefreshRowAndSlide(index);
            RefreshRowAndSlide(oldRow);
        }
    }
    Raise(OnSelectCell, ACol, index);
}

// The rows from the anchor to the row selected; without Ctrl nothing else stays selected. An anchor that
// names no row counts as none: the row becomes the anchor.
void TGxCustomGridControl::SelectShiftRange(int index, TShiftState shift)
{
    FGridState.Include(gtMultiSelect);
    if (!RowExist(FFromSelected))
        FFromSelected = index;
    const int from = std::min(FFromSelected, index);
    const int to = std::max(FFromSelected, index);
    if (!shift.Contains(ssCtrl)) {
        SelectRange(0, from - 1, false);
        SelectRange(to + 1, RowCount() - 1, false);
    }
    SelectRange(from, to, true);
}

void TGxCustomGridControl::RefreshRowAndSlide(int index)
{
    if (FGridStyle == gsSlides)
        RefreshSlide(index, false);
    else
        RefreshRow(index, false);
}

void TGxCustomGridControl::SetSelectedRow(int value)
{
    if (RowCount() == 0 || value < -1 || value >= RowCount())
        return;
    SetInputSelected(false);
    SelectCell(FSelectedColumn, value, {}, true, false);
}

void TGxCustomGridControl::ClearSelection()
{
    for (int row = 0; row < RowCount(); ++row)
        if (GetSelected(row))
            SetSelected(row, false);
    FSelectedRow = -1;
    FSelectedColumn = -1;
}

// The selection is reset in place: no events are raised for it.
void TGxCustomGridControl::NoSelection()
{
    BeginUpdate();
    ClearSelection();
    EndUpdate(true);
    FGridState.Exclude(gtMultiSelect);
    FSelectedRow = -1;
    FSelectedColumn = 0;
}

void TGxCustomGridControl::SelectAll()
{
    if (!MultiSelect())
        return;
    BeginUpdate();
    SelectRange(0, RowCount() - 1, true);
    FGridState.Include(gtMultiSelect);
    EndUpdate(false);
    Invalidate();
}

void TGxCustomGridControl::StoreSelectedCell(int ACol, int ARow)
{
    FSelectedColumn = ACol;
    FSelectedRow = ARow;
}

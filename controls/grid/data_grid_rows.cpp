// Rows added, inserted, deleted, cleared, moved and swapped, their heights, visibility and selection flags.

#include "controls/grid/column.h"
#include "controls/grid/columns.h"
#include "controls/grid/data_grid.h"
#include "platform/gui/windows/window_functions.h"

#include <algorithm>

void TDataGrid::ApplyDefaultValues(int row)
{
    if (!Options().Contains(goUseDefaultValues))
        return;
    for (int index = 0; index < Columns()->Count(); ++index)
        if (const std::string& value = Columns()->GetItem(index)->DefaultValue(); !value.empty())
            SetCells(index, row, value);
}

int TDataGrid::AddRow(int count)
{
    if (count <= 0)
        return FLastAddedRow;
    const int oldCount = RowCount();
    FCells->AddRow(count);
    for (int row = oldCount; row < RowCount(); ++row)
        ApplyDefaultValues(row);
    const bool updating = UpdateCount() > 0;
    if (!updating) {
        if (GridLinesStyle() == lsFramed && Options().Contains(goGrid) && RowCount() > 1 && oldCount > 0)
            RefreshRowGrid(oldCount - 1);
        RefreshRowGrid(RowCount() - 1);
        RefreshRange(oldCount, RowCount() - 1);
    }
    FLastAddedRow = FLastVisibleRow = RowCount() - 1;
    if (!updating)
        UpdateVertScrollBar();
    Raise(OnDataChange, dcAddRow, FLastAddedRow);
    return FLastAddedRow;
}

void TDataGrid::ReserveRows(int count)
{
    FCells->AddRow(count);
    FLastAddedRow = FLastVisibleRow = RowCount() - 1;
    Invalidate();
    UpdateEditorBounds();
}

// The selected row moves with the rows only when it lies at or below the place of the insertion.
void TDataGrid::InsertRow(int pos, int count)
{
    if (count <= 0)
        return;
    TGxCustomGrid::InsertRow(pos, count);
    FCells->InsertRow(pos, count);
    // Rows inserted above the view leave the rows it shows where they are.
    if (pos < FFirstRow)
        FFirstRow += count;
    const int height = GridStyle() == gsSlides ? SlideSize() : RowSize();
    for (int row = pos; row < pos + count; ++row)
        AdjustRowShown(row, height, true);
    // The last visible row is the last inserted one when the insertion lies beyond it.
    FLastVisibleRow = FLastVisibleRow < pos ? pos + count - 1 : FLastVisibleRow + count;
    FLastAddedRow = pos;
    if (SelectedRow() >= pos)
        SetSelectedRow(SelectedRow() + count);
    Raise(OnDataChange, dcInsertRow, pos);
}

void TDataGrid::DeleteRow(int index)
{
    TGxCustomGrid::DeleteRow(index);
    if (Row(index)->HasChildren())
        ClearChildRows(index);
    if (TRow* parent = Row(index)->ParentRow())
        parent->DeleteChild();
    const int height = ShownHeight(index);
    const bool wasVisible = GetRowVisible(index);
    FCells->DeleteRow(index);
    if (wasVisible) {
        // A row above the view leaves the rows it shows where they are (FirstRow follows them down).
        const bool aboveView = index < FFirstRow;
        UpdateVisibleRowsAfterDelete(index);
        if (aboveView)
            AfterRowShown(index, height, false);
        else
            AdjustRowShown(index, height, false);
    }
    if (FFromSelected >= RowCount())
        FFromSelected = RowCount() - 1;
    if (SelectedRow() >= FLastVisibleRow && SelectedRow() >= 0 && RowCount() > 0) {
        Raise(OnDeselectCell, SelectedColumn(), SelectedRow());
        StoreSelectedCell(SelectedColumn(), FLastVisibleRow);
    } else if (RowCount() == 0) {
        StoreSelectedCell(SelectedColumn(), -1);
    }
    RefreshSelection();
    FillViewToTheLastRow();
    UpdateVertScrollBar();
    Raise(OnDataChange, dcDeleteRow, index);
    if (FLastAddedRow > RowCount() - 1)
        FLastAddedRow = std::max(RowCount() - 1, 0);
}

void TDataGrid::UpdateVisibleRowsAfterDelete(int index)
{
    if (RowCount() == 0) {
        FFirstVisibleRow = FLastVisibleRow = 0;
    } else {
        if (index < FFirstVisibleRow)
            FFirstVisibleRow = GetNextVisibleRow(0);
        if (index < FLastVisibleRow)
            --FLastVisibleRow;
        else
            FLastVisibleRow = GetPrevVisibleRow(RowCount() - 1);
    }
    if (index < FFirstRow && FFirstRow > 0)
        --FFirstRow;
}

void TDataGrid::ClearRows()
{
    TGxCustomGrid::ClearRows();
    FCells->ClearRows();
    FFirstRow = FFirstVisibleRow = FLastVisibleRow = 0;
    RefreshArea(gaBody);
    RefreshArea(gaFooter);
    RefreshArea(gaIndicator);
    UpdateVertScrollBar();
    UpdateHorzScrollBar();
    Raise(OnDataChange, dcClearRows, -1);
}

void TDataGrid::MoveRow(int fromPos, int toPos)
{
    TGxCustomGrid::MoveRow(fromPos, toPos);
    if (fromPos == toPos)
        return;
    const bool sourceVisible = GetRowVisible(fromPos);
    const bool targetVisible = GetRowVisible(toPos);
    FCells->MoveRow(fromPos, toPos);
    if (sourceVisible) {
        if (toPos < fromPos) {
            if (toPos < FFirstVisibleRow)
                FFirstVisibleRow = toPos;
            if (fromPos == FLastVisibleRow)
                FLastVisibleRow = GetPrevVisibleRow(fromPos);
        } else {
            if (fromPos == FFirstVisibleRow)
                FFirstVisibleRow = GetNextVisibleRow(fromPos);
            if (toPos > FLastVisibleRow)
                FLastVisibleRow = toPos;
        }
    }
    if (!targetVisible)
        AdjustRowShown(toPos, ShownHeight(toPos), true);
}

void TDataGrid::SwapRows(int fromRow, int toRow)
{
    FCells->SwapRows(fromRow, toRow);
    if (UpdateCount() > 0)
        return;
    RefreshRow(fromRow, false);
    RefreshRow(toRow, false);
}

void TDataGrid::SelectRange(int fromRow, int toRow, bool value)
{
    if (!RowExist(fromRow) || !RowExist(toRow))
        return;
    for (int row = fromRow; row <= toRow; ++row)
        Row(row)->SetSelected(value);
    RefreshRange(fromRow, toRow);
}

void TDataGrid::SetSelected(int index, bool value)
{
    if (!RowExist(index) || Row(index)->Selected() == value)
        return;
    Row(index)->SetSelected(value);
    if (value)
        FGridState.Include(gtMultiSelect);
    if (GridStyle() == gsSlides)
        RefreshSlide(index, false);
    else
        RefreshRow(index, false);
}

void TDataGrid::SetStartRowCount(int value)
{
    if (value < 0 || value == FStartRowCount)
        return;
    if (value > FStartRowCount) {
        AddRow(value - FStartRowCount);
    } else {
        const int deletions = FStartRowCount >= RowCount() ? RowCount() - value : FStartRowCount - value;
        for (int i = 0; i < deletions && RowCount() > 0; ++i)
            DeleteRow(0);
    }
    FStartRowCount = value;
    Invalidate();
}

// --- heights and visibility --------------------------------------------------------------------------------

int TDataGrid::GetRowHeight(int index) const
{
    int height = RowExist(index) ? Row(index)->RowHeight() : RowSize();
    if (OnMeasuringRowHeight)
        OnMeasuringRowHeight(const_cast<TDataGrid*>(this), index, height);
    return height;
}

int TDataGrid::ShownHeight(int index) const
{
    return GridStyle() == gsSlides ? SlideSize() : GetRowHeight(index);
}

void TDataGrid::SetRowSize(int value)
{
    TGxCustomGrid::SetRowSize(value);
    if (value > 0)
        FCells->SetRowHeight(value);
}

// The body below the row moves by the change of its height.
void TDataGrid::SetRowHeight(int index, int value)
{
    TRow* row = Row(index);
    const int oldHeight = row->RowHeight();
    if (oldHeight == value)
        return;
    row->SetRowHeight(value);
    Raise(OnChangeRowHeight, index, value);
    if (!GetRowVisible(index) || UpdateCount() > 0 || index < FFirstRow || !HandleAllocated())
        return;
    RefreshRow(index, false);
    const int newBottom = GetRowTop(index) + value;
    ScrollBodyFrom(std::min(newBottom, newBottom - (value - oldHeight)), value - oldHeight);
    UpdateVertScrollBar();
}

bool TDataGrid::GetRowVisible(int index) const
{
    const TRow* row = Row(index);
    return row->Visible() && row->Shown();
}

void TDataGrid::SetRowVisible(int index, bool value)
{
    if (GetRowVisible(index) == value)
        return;
    FCells->ShowRow(index, value);
    if (UpdateCount() == 0)
        AdjustRowShown(index, ShownHeight(index), value);
    TGxCustomGrid::SetRowVisible(index, value);
}

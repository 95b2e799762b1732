// Mouse presses, releases and the wheel: clicks on cells, headers, footers and the input row, selection with
// Shift and Ctrl, clicks handed to a column's play, sorting by a header click and double clicks.

#include "controls/grid/column.h"
#include "controls/grid/column_play.h"
#include "controls/grid/columns.h"
#include "controls/grid/custom_grid.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/window_functions.h"

void TGxCustomGrid::MouseDown(TMouseButton button, TShiftState shift, int X, int Y)
{
    TGxCustomGridControl::MouseDown(button, shift, X, Y);
    FMouseDownPoint = {X, Y};
    FMouseDownCell = GetCellAtPos({X, Y});
    if (shift.Contains(ssDouble)) {
        DoubleClickAt(X, Y);
        FMouseDownPoint = {-1, -1};
        return;
    }
    if (Visible() && CanFocus() && !Focused())
        SetFocus();
    if (Columns()->Count() == 0 || (button != mbLeft && button != mbRight))
        return;
    const TGridArea area = AreaAt(X, Y);
    if (button == mbLeft && area == gaHeader) {
        if (TGxCustomColumn* column = GetColumnSizeGripAtPos(X, Y)) {
            StartColumnResize(column);
            return;
        }
    }
    switch (area) {
    case gaHeader:
        HeaderPress(button, shift, X, Y);
        break;
    case gaBody:
        CellPress(button, shift, X, Y);
        break;
    case gaIndicator:
        IndicatorPress(X, Y);
        break;
    case gaNone:
        ApplyEditing();
        EndEditing();
        ClickOutside();
        break;
    default:
        break;
    }
}

// A double click on a size grip fits the column to its cells; elsewhere it is reported. The grip is looked
// up again: no move need come between the two clicks.
void TGxCustomGrid::DoubleClickAt(int X, int Y)
{
    const TGridArea area = AreaAt(X, Y);
    if (area == gaHeader)
        FSizeReadyColumn = GetColumnSizeGripAtPos(X, Y);
    if (FSizeReadyColumn && FSizeReadyColumn->ColumnStyle().Contains(csFitToLargest)) {
        BestFitColumn(FSizeReadyColumn->Index(), bfCells, true);
        FSizeReadyColumn = nullptr;
        return;
    }
    if (area == gaBody && CellBounds(FMouseDownCell.X, FMouseDownCell.Y)) {
        Raise(OnCellDblClick, FMouseDownCell.X, FMouseDownCell.Y);
    } else if (area == gaHeader) {
        if (const TGxCustomColumn* column = GetColumnAtPos({X, Y}))
            Raise(OnHeaderDblClick, column->Index());
    } else if (area == gaIndicator && Options().Contains(goRowResizing)) {
        if (const int row = GetRowSizeGripAtPos(X, Y); row >= 0)
            BestFitRow(row);
    }
}

void TGxCustomGrid::HeaderPress(TMouseButton button, TShiftState shift, int X, int Y)
{
    if (shift.Contains(ssDouble) || button != mbLeft)
        return;
    FMouseDownColumn = GetColumnAtPos({X, Y});
    if (!FMouseDownColumn || !FMouseDownColumn->Options().Contains(coCanClick)) {
        FMouseDownColumn = nullptr;
        return;
    }
    FGridState.Include(gtColumnHeaderDown);
    FFocusedColumn = FMouseDownColumn;
    RefreshColumn(FFocusedColumn, gaHeader);
}

bool TGxCustomGrid::PlayTakesInput(TGxCustomColumn* column, int ARow) const
{
    return column->Play() &&
           (column->Options().Contains(coEditing) || column->ColumnStyle().Contains(csClickable)) &&
           RowExist(ARow) && !ReadOnly();
}

// Under multi-selection a left press on a selected row keeps the selection for a row move (completed on a
// release without one), and a right press on a row outside the selection selects that row alone.
void TGxCustomGrid::CellPress(TMouseButton button, TShiftState shift, int X, int Y)
{
    if (FGridState.Contains(gtEdit) || FGridState.Contains(gtInput)) {
        ApplyEditing();
        if (FGridState.Contains(gtInput))
            AddRowFromInput();
        EndEditing();
    }
    if (GridStyle() == gsReport)
        SetInputSelected(false);
    int col = FMouseDownCell.X;
    const int row = FMouseDownCell.Y;
    FClickOnSelected = FMouseDownCell == SelectedCell();
    const TShiftState selectShift = MultiSelect() ? shift : TShiftState{};
    bool deselect = button == mbLeft;
    FCanDeselect = false;
    if (MultiSelect() && RowExist(row) && !shift.Contains(ssShift) && !shift.Contains(ssCtrl)) {
        if (button == mbLeft && GetSelected(row) && Options().Contains(goRowMoving) && SelectedCount() > 1) {
            deselect = false;
            FCanDeselect = true;
        } else if (button == mbRight && !GetSelected(row)) {
            deselect = true;
            FCanDeselect = true;
        }
    }
    if (RowExist(row)) {
        FMouseDownRow = row;
        if (!Columns()->Exists(col))
            col = SelectedColumn();
    }
    if (Columns()->Exists(col)) {
        TGxCustomColumn* column = Columns()->GetItem(col);
        const TRect cell = GetCellRect(col, row);
        if (PlayTakesInput(column, row) && PreparePlay(col, row, cell, true))
            column->Play()->MouseDown(button, shift, X - cell.Left, Y - cell.Top);
    }
    SelectCell(col, row, selectShift, deselect, false);
    if (RowExist(row) && GetRowRect(row).Bottom > GetBodyRect().Bottom) {
        if (GridStyle() == gsSlides)
            VertScrollBar()->Next();
        else
            ScrollToRow(row);
    }
}

void TGxCustomGrid::IndicatorPress(int X, int Y)
{
    if (Options().Contains(goRowResizing)) {
        if (const int row = GetRowSizeGripAtPos(X, Y); row >= 0) {
            StartRowResize(row, X, Y);
            return;
        }
    }
    SetSelectedRow(GetRowAtPos(X, Y));
}

void TGxCustomGrid::MouseUp(TMouseButton button, TShiftState shift, int X, int Y)
{
    TGxCustomGridControl::MouseUp(button, shift, X, Y);
    TGxCustomColumn* pressedColumn = FMouseDownColumn;
    FMouseDownColumn = nullptr;
    FMouseDownPoint = {-1, -1};
    if (FGridState.Contains(gtRowMoving))
        DropRow(X, Y);
    else if (FCanDeselect && button == mbLeft)
        CompletePlainSelection();
    FGridState.Exclude(gtColumnHeaderDown);
    if (FGridState.Contains(gtColumnResizing)) {
        EndColumnResize();
        return;
    }
    if (FResizingRow >= 0)
        EndRowResize();
    EndPressedHeader();
    if (button != mbLeft) {
        EndEditing();
        return;
    }
    switch (AreaAt(X, Y)) {
    case gaBody:
        CellRelease(shift, X, Y);
        break;
    case gaFooter:
        if (const TGxCustomColumn* column = GetColumnAtPos({X, Y}))
            Raise(OnFooterClick, column->Index());
        break;
    case gaHeader:
        HeaderRelease(pressedColumn, X, Y);
        break;
    case gaInput:
        if (TGxCustomColumn* column = GetColumnAtPos({X, Y}))
            InputColumn(column, "");
        break;
    case gaNone:
        // A release on no part of the grid; one on the indicator keeps the row it selected.
        if (FGridState.Contains(gtMultiSelect))
            ClearSelection();
        break;
    default:
        break;
    }
}

// The pressed header is reported wherever the button goes up.
void TGxCustomGrid::EndPressedHeader()
{
    if (!FFocusedColumn)
        return;
    TGxCustomColumn* column = FFocusedColumn;
    Raise(OnHeaderClick, column->Index());
    RefreshColumn(column, gaHeader);
    FFocusedColumn = nullptr;
}

void TGxCustomGrid::CellRelease(TShiftState shift, int X, int Y)
{
    const TPoint cell = GetCellAtPos({X, Y});
    if (CellBounds(cell.X, cell.Y) && cell == FMouseDownCell)
        Raise(OnCellClick, cell.X, cell.Y);
    if (!Columns()->Exists(cell.X))
        return;
    if (shift.Contains(ssShift) || shift.Contains(ssCtrl)) {
        if (cell.Y == -1)
            ClearSelection();
        return;
    }
    if (cell != FMouseDownCell || !RowExist(cell.Y))
        return;
    TGxCustomColumn* column = Columns()->GetItem(cell.X);
    const TRect rect = GetCellRect(cell.X, cell.Y);
    if (PlayTakesInput(column, cell.Y) && PreparePlay(cell.X, cell.Y, rect, true))
        column->Play()->MouseUp(mbLeft, shift, X - rect.Left, Y - rect.Top);
    TRect editRect = rect;
    column->AdjustEditRect(GetRowLevel(cell.Y), editRect);
    if (PtInRect(editRect, {X, Y}) && (!Options().Contains(goSecondClickEdit) || FClickOnSelected) &&
        CanSelectCell(cell.X, cell.Y, shift))
        EditCell(cell.X, cell.Y, "");
}

// The first click sorts in the column's sort kind, every further click reverses the order.
void TGxCustomGrid::HeaderRelease(TGxCustomColumn* pressedColumn, int X, int Y)
{
    TGxCustomColumn* column = GetColumnAtPos({X, Y});
    if (!column || column != pressedColumn || !column->Options().Contains(coCanSort))
        return;
    if (!column->Sorted())
        column->SetSorted(true);
    else
        column->SetSortKind(column->SortKind() == skAscending ? skDescending : skAscending);
}

void TGxCustomGrid::CompletePlainSelection()
{
    FCanDeselect = false;
    SelectCell(SelectedColumn(), SelectedRow(), {}, true, false);
}

void TGxCustomGrid::DragCanceled()
{
    TGxCustomGridControl::DragCanceled();
    if (FCanDeselect)
        CompletePlainSelection();
}

// --- the wheel ---------------------------------------------------------------------------------------------

namespace {

bool HasRange(const TGxScrollBar& bar)
{
    return bar.Max() > 0 && bar.Max() >= bar.PageSize();
}

void StepBar(TGxScrollBar& bar, bool forward, bool page)
{
    if (page)
        forward ? bar.PageDown() : bar.PageUp();
    else
        forward ? bar.Next() : bar.Prior();
}

} // namespace

// A page with Ctrl, else a line; the horizontal bar takes the wheel when there is no vertical one.
bool TGxCustomGrid::DoMouseWheelDown(TShiftState shift, TPoint mousePos)
{
    const bool handled = TGxCustomGridControl::DoMouseWheelDown(shift, mousePos);
    if (!handled || FGridState.Contains(gtEdit))
        return handled;
    TGxScrollBar& vert = *VertScrollBar();
    TGxScrollBar& horz = *HorzScrollBar();
    if (HasRange(vert) && !vert.IsLast())
        StepBar(vert, true, shift.Contains(ssCtrl));
    else if (GridStyle() == gsReport && HasRange(horz) && !vert.Visible())
        StepBar(horz, true, shift.Contains(ssCtrl));
    return handled;
}

bool TGxCustomGrid::DoMouseWheelUp(TShiftState shift, TPoint mousePos)
{
    const bool handled = TGxCustomGridControl::DoMouseWheelUp(shift, mousePos);
    if (!handled || FGridState.Contains(gtEdit))
        return handled;
    TGxScrollBar& vert = *VertScrollBar();
    TGxScrollBar& horz = *HorzScrollBar();
    if (HasRange(vert))
        StepBar(vert, false, shift.Contains(ssCtrl));
    else if (GridStyle() == gsReport && HasRange(horz))
        StepBar(horz, false, shift.Contains(ssCtrl));
    return handled;
}

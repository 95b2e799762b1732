// Moving the selection by rows and columns, and scrolling a row or column into view.

#include "controls/grid/column.h"
#include "controls/grid/columns.h"
#include "controls/grid/grid_control.h"

#include <algorithm>

namespace {

bool ColumnAutoEdit(TGxColumns* columns, int ACol)
{
    return columns->Exists(ACol) && columns->GetItem(ACol)->AutoEdit();
}

} // namespace

// The nearest visible row from `from` on in the direction of step that the grid lets select; -1 for none.
int TGxCustomGridControl::NextSelectableRow(int from, int step)
{
    for (int row = from; row >= 0 && row < RowCount(); row += step)
        if (GetRowVisible(row) && CanSelectCell(FSelectedColumn, row, {}))
            return row;
    return -1;
}

void TGxCustomGridControl::MoveByRow(bool moveDown, TShiftState shift)
{
    if (!moveDown && FSelectedRow == FirstVisibleRow() && FOptions.Contains(goInput)) {
        SetInputSelected(true);
        return;
    }
    const int row = NextSelectableRow(FSelectedRow + (moveDown ? 1 : -1), moveDown ? 1 : -1);
    if (row < 0)
        return;
    SelectCell(FSelectedColumn, row, shift, true, ColumnAutoEdit(FColumns, FSelectedColumn));
    if (moveDown && row >= LastRowInView())
        ScrollToRow(row);
    else if (!moveDown && row < FFirstRow)
        VertScrollBar()->MoveBy(-1);
}

void TGxCustomGridControl::MoveSelectionDown(TShiftState shift, bool nextControl, bool selectFirst)
{
    if (RowCount() == 0)
        return;
    if (FInputSelected) {
        SetInputSelected(false);
        MoveByRow(true, shift);
        return;
    }
    if (FSelectedRow < 0)
        return;
    if (FSelectedRow == LastVisibleRow()) {
        if (nextControl)
            TabToNextControl();
        if (selectFirst)
            SelectFirstRow(shift);
        return;
    }
    MoveByRow(true, shift);
}

void TGxCustomGridControl::MoveSelectionUp(TShiftState shift)
{
    if (FSelectedRow < 0)
        return;
    if (FSelectedRow == FirstVisibleRow() && FOptions.Contains(goInput) && FGridStyle == gsReport) {
        SetInputSelected(true);
        return;
    }
    if (FInputSelected)
        return;
    const int row = NextSelectableRow(FSelectedRow - 1, -1);
    if (row < 0)
        return;
    SelectCell(FSelectedColumn, row, shift, true, ColumnAutoEdit(FColumns, FSelectedColumn));
    if (row < FFirstRow)
        VertScrollBar()->Prior();
}

void TGxCustomGridControl::MoveSelectionBy(int distance)
{
    int row = FSelectedRow;
    const int step = distance < 0 ? -1 : 1;
    const int limit = distance < 0 ? FirstVisibleRow() : LastVisibleRow();
    for (int moved = 0; moved < std::abs(distance) && row != limit;) {
        row += step;
        if (GetRowVisible(row))
            ++moved;
    }
    SetSelectedRow(row);
}

void TGxCustomGridControl::MoveSelectionLeft(TMoveSelectionKey key)
{
    if (!FColumns->Exists(FSelectedColumn))
        return;
    int newCol = FColumns->GetItem(FSelectedColumn)->PrevColumn()->Index();
    Raise(OnSelectionMove, newCol, FSelectedRow, key);
    SelectCell(newCol, FSelectedRow, {}, true, ColumnAutoEdit(FColumns, newCol));
    if (FGridStyle == gsReport && FColumns->Exists(newCol))
        ScrollToColumn(FColumns->GetItem(newCol));
}

void TGxCustomGridControl::MoveSelectionRight(TMoveSelectionKey key)
{
    if (!FColumns->Exists(FSelectedColumn))
        return;
    int newCol = FColumns->GetItem(FSelectedColumn)->NextColumn()->Index();
    Raise(OnSelectionMove, newCol, FSelectedRow, key);
    SelectCell(newCol, FSelectedRow, {}, true, ColumnAutoEdit(FColumns, newCol));
    if (FGridStyle == gsReport && FColumns->Exists(newCol))
        ScrollToColumn(FColumns->GetItem(newCol));
}

void TGxCustomGridControl::MoveToNextCell(bool tabKey)
{
    if (!FColumns->Exists(FSelectedColumn))
        return;
    const TMoveSelectionKey key = tabKey ? mkTab : mkUndefined;
    if (!FColumns->GetItem(FSelectedColumn)->Last()) {
        MoveSelectionRight(key);
        return;
    }
    if (FInputSelected) {
        if (FTabLeaveControl)
            TabToNextControl();
        return;
    }
    MoveSelectionDown({}, tabKey && FTabLeaveControl, tabKey);
    TGxCustomColumn* first = FColumns->FirstEnabled();
    int newCol = first ? first->Index() : -1;
    Raise(OnSelectionMove, newCol, FSelectedRow, key);
    SetSelectedColumn(newCol);
}

void TGxCustomGridControl::MoveToPrevCell(bool tabKey)
{
    if (!FColumns->Exists(FSelectedColumn))
        return;
    const TMoveSelectionKey key = tabKey ? mkTab : mkUndefined;
    if (!FColumns->GetItem(FSelectedColumn)->First()) {
        MoveSelectionLeft(key);
        return;
    }
    if (!FInputSelected && FSelectedRow > FirstVisibleRow()) {
        MoveSelectionUp({});
        TGxCustomColumn* last = FColumns->LastEnabled();
        int newCol = last ? last->Index() : -1;
        Raise(OnSelectionMove, newCol, FSelectedRow, key);
        SetSelectedColumn(newCol);
        return;
    }
    if (FTabLeaveControl)
        TabToPrevControl();
}

void TGxCustomGridControl::SelectFirstRow(TShiftState shift)
{
    SetInputSelected(false);
    SelectCell(FSelectedColumn, FirstVisibleRow(), shift, true, false);
    VertScrollBar()->First();
}

void TGxCustomGridControl::SelectLastRow(TShiftState shift)
{
    SetInputSelected(false);
    SelectCell(FSelectedColumn, LastVisibleRow(), shift, true, false);
    VertScrollBar()->Last();
}

void TGxCustomGridControl::SelectFirstColumn()
{
    if (TGxCustomColumn* column = FColumns->FirstEnabled()) {
        SetSelectedColumn(column->Index());
        ScrollToColumn(column);
    }
}

void TGxCustomGridControl::SelectLastColumn()
{
    if (TGxCustomColumn* column = FColumns->Last()) {
        SetSelectedColumn(column->Index());
        ScrollToColumn(column);
    }
}

// A row below the last fully shown one ends up as the last fully shown row; a row above FirstRow becomes
// the first shown. Only the rows between the row and the new first row are walked.
void TGxCustomGridControl::ScrollToRow(int index)
{
    if (!RowExist(index))
        return;
    if (index < FFirstRow) {
        VertScrollBar()->MoveBy(-CountVisibleRows(index, FFirstRow));
        return;
    }
    if (index <= GetLastFullRow())
        return;
    const int bodyHeight = GetBodyRect().Height();
    int used = FGridSpace[lpTop] + GetActualRowHeight(index);
    int newFirst = index;
    for (int row = index - 1; row > FFirstRow; --row) {
        if (!GetRowVisible(row))
            continue;
        const int next = used + GetActualRowHeight(row) + FGridSpace[lpTopBottom];
        if (next > bodyHeight)
            break;
        used = next;
        newFirst = row;
    }
    const int count = CountVisibleRows(FFirstRow, newFirst);
    VertScrollBar()->MoveBy(count);
    AfterScrollToRow(count);
}

void TGxCustomGridControl::ScrollToColumn(TGxCustomColumn* column)
{
    if (!column || IsFixed(column))
        return;
    const int x = column->Left() - HorzScrollPosition();
    const TRect scroll = GetScrollRect();
    if (x < scroll.Left)
        HorzScrollBar()->MoveBy(x - scroll.Left);
    else if (x + column->Width() > scroll.Right)
        HorzScrollBar()->MoveBy(x + column->Width() - scroll.Right);
    else
        return;
    UpdateEditorBounds();
}

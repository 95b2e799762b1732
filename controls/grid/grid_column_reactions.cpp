// How the grid answers what its column collection reports.

#include "controls/grid/column.h"
#include "controls/grid/columns.h"
#include "controls/grid/grid_control.h"
#include "platform/gui/windows/window_functions.h"

#include <algorithm>

void TGxCustomGridControl::HandleColumnsChange(TColumnsOperation operation, int value1, int value2)
{
    ColumnsChanged(operation, value1, value2);
    if (value1 == -1)
        return;
    TDataChange change = dcAddColumn;
    if (operation == TColumnsOperation::opDelete)
        change = dcDeleteColumn;
    else if (operation == TColumnsOperation::opInsert)
        change = dcInsertColumn;
    Raise(OnDataChange, change, value1);
}

void TGxCustomGridControl::ColumnsChanged(TColumnsOperation operation, int, int)
{
    if (operation == TColumnsOperation::opDelete || operation == TColumnsOperation::opClear)
        EndEditing();
    UpdateHorzScrollBar();
}

void TGxCustomGridControl::ColumnsRepaint(TColumnsOperation operation)
{
    if (operation != TColumnsOperation::opClear)
        UpdateEditorBounds();
    Invalidate();
}

void TGxCustomGridControl::ColumnChanged(TGxCustomColumn* column, TColumnChangeKind kind, int param)
{
    if (!HandleAllocated())
        return;
    if (kind == ccInputChange) {
        RefreshColumn(column, gaInput);
        return;
    }
    const bool editorOpen = FGridState.Contains(gtEdit) || FGridState.Contains(gtInput);
    if (editorOpen && (kind == ccPosition || kind == ccSorted || kind == ccVisible || kind == ccWidth))
        UpdateEditorBounds();
    switch (kind) {
    case ccPosition:
        Raise(OnColumnMove, column->Index(), param, column->Position());
        Invalidate();
        break;
    case ccVisible:
        UpdateHorzScrollBar();
        Invalidate();
        break;
    case ccUndefined:
        RefreshColumn(column, gaNone);
        break;
    case ccRevertStyle:
        RevertStyle(column->Index());
        break;
    case ccSlideChanged:
        RefreshColumnSlide();
        Raise(OnSlideChange, column->Index());
        break;
    case ccUnsorted:
        RefreshColumn(column, gaHeader);
        if (FAppearanceOptions.Contains(aoIndicateSortedColumn))
            RefreshColumn(column, gaBody);
        if (FSortedColumn == column)
            FSortedColumn = nullptr;
        break;
    case ccWidth:
        ScrollColumnResize(column, param);
        Raise(OnColumnResize, column->Index());
        UpdateHorzScrollBar();
        break;
    case ccSorted:
    case ccSortTypeChange:
        if (column->Sorted()) {
            RefreshColumn(column, gaHeader);
            SortColumn(column, column->SortKind() == skAscending);
        }
        break;
    default:
        break;
    }
}

// The column is repainted and what lies right of it moves by the change of its width.
void TGxCustomGridControl::ScrollColumnResize(TGxCustomColumn* column, int delta)
{
    if (FUpdateCount > 0)
        return;
    RefreshColumn(column, gaNone);
    const int newRight = column->AbsoluteLeft() + column->Width();
    const int left = std::min(newRight, newRight - delta);
    const int bottom = FGridStyle == gsSlides ? FHeaderSize : ClientHeight();
    const TRect strip{left, 0, ClientWidth(), bottom};
    ScrollWindowEx(Handle(), delta, 0, &strip, &strip, nullptr, nullptr, SW_INVALIDATE);
}

void TGxCustomGridControl::SortColumn(TGxCustomColumn* column, bool)
{
    if (!column->Options().Contains(coCanSort))
        return;
    EndEditing();
    FSortedColumn = column;
    Raise(OnSortColumn, column->Index(), column->SortKind() == skAscending);
}

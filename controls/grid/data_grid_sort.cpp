// Sorting by a column: the store orders the rows, and the selected row is selected again where it went.

#include "controls/grid/column.h"
#include "controls/grid/columns.h"
#include "controls/grid/data_grid.h"

void TDataGrid::SortColumn(TGxCustomColumn* column, bool ascending)
{
    if (!column->Options().Contains(coCanSort))
        return;
    TGxCustomGrid::SortColumn(column, ascending);
    const TRow* selected = RowExist(SelectedRow()) ? Row(SelectedRow()) : nullptr;
    FCells->SortColumn(column->Index(), column->SortType(), ascending ? skAscending : skDescending,
                       column->Options().Contains(coFullResort));
    // The selection flags went with their rows; only the selected row's index follows.
    if (selected)
        SelectCell(SelectedColumn(), FCells->GetRowIndex(selected), {}, false, false);
    if (RowExist(SelectedRow()))
        ScrollToRow(SelectedRow());
    FFirstRow = GetScrollRowIndex();
    FFirstVisibleRow = GetNextVisibleRow(0);
    FLastVisibleRow = std::max(GetPrevVisibleRow(RowCount() - 1), 0);
    RefreshArea(gaBody);
    RefreshArea(gaIndicator);
    Raise(OnAfterSort, column->Index());
}

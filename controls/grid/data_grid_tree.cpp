// Tree rows: child rows added under a parent, parents and siblings found, rows expanded and collapsed.

#include "controls/grid/data_grid.h"

void TDataGrid::AddChildRow(int index, TChildRowPosition position)
{
    const int target = position == crFirst ? index + 1 : index + GetChildCount(index, true) + 1;
    FCells->AddChildRow(index, target);
    ApplyDefaultValues(target);
    if (FFirstRow >= target)
        ++FFirstRow;
    const bool shown = GetRowVisible(target);
    if (shown)
        AdjustRowShown(target, RowSize(), true);
    FLastRow = LastRowInView();
    const bool updating = UpdateCount() > 0;
    if (!updating && GetRowVisible(index) && Row(index)->ChildCount() == 1)
        RefreshRow(index, false);
    FLastAddedRow = target;
    if (shown)
        ++FLastVisibleRow;
    if (!updating)
        UpdateVertScrollBar();
    Raise(OnDataChange, dcAddChildRow, target);
}

int TDataGrid::GetParent(int index) const
{
    const TRow* parent = Row(index)->ParentRow();
    if (Row(index)->Level() == 0 || !parent)
        return -1;
    return FCells->GetRowIndex(parent);
}

int TDataGrid::GetNextSibling(int index) const
{
    const int level = Row(index)->Level();
    for (int row = index + 1; row < RowCount(); ++row) {
        if (Row(row)->Level() < level)
            return -1;
        if (Row(row)->Level() == level)
            return row;
    }
    return -1;
}

int TDataGrid::GetChildCount(int index, bool recurse) const
{
    return recurse ? FCells->GetChildCount(index) : FCells->GetChildsCount(index);
}

void TDataGrid::GetParentRow(int& ARow, int& nextSibling) const
{
    nextSibling = GetNextSibling(ARow);
    ARow = GetParent(ARow);
}

void TDataGrid::ClearChildRows(int index)
{
    const int descendants = FCells->GetChildCount(index);
    for (int row = index + descendants; row > index; --row)
        FCells->DeleteRow(row);
    Row(index)->Clear();
    Invalidate();
}

void TDataGrid::SetExpanded(int index, bool value)
{
    if (GetExpanded(index) == value)
        return;
    Row(index)->SetExpanded(value);
    RefreshRow(index, false);
    if (Row(index)->HasChildren())
        ExpandDescendants(index, value);
    DoExpand(index);
}

// Shows or hides the descendants; those of a collapsed descendant stay hidden when expanding.
void TDataGrid::ExpandDescendants(int index, bool show)
{
    const int level = Row(index)->Level();
    for (int row = index + 1; row < RowCount() && Row(row)->Level() > level; ++row) {
        if (show) {
            if (Row(row)->Shown())
                continue;
            FCells->ExpandRow(row, true);
            if (row > FLastVisibleRow)
                FLastVisibleRow = row;
            AdjustRowShown(row, ShownHeight(row), true);
            if (!Row(row)->Expanded())
                for (const int deeper = Row(row)->Level();
                     row + 1 < RowCount() && Row(row + 1)->Level() > deeper;)
                    ++row;
        } else if (Row(row)->Shown()) {
            FCells->ExpandRow(row, false);
            if (row <= FLastVisibleRow && FLastVisibleRow > 0)
                FLastVisibleRow = GetPrevVisibleRow(FLastVisibleRow);
            AdjustRowShown(row, ShownHeight(row), false);
        }
    }
}

#include "controls/grid/cells.h"

#include "controls/grid/columns.h"
#include "platform/gui/core/exceptions.h"

#include <algorithm>

TCells::TCells(ICellsGrid* grid, TGxColumns* columns) : FColumns(columns), FGrid(grid) {}

TCells::~TCells()
{
    ClearRows();
    ClearColumns();
}

void TCells::CheckRow(int index) const
{
    if (index < 0 || index >= RowCount())
        ThrowListIndexError(index);
}

void TCells::CheckInsertPlace(int index) const
{
    if (index < 0 || index > RowCount())
        ThrowListIndexError(index);
}

TCells::TColumnCells& TCells::CellsOf(int column)
{
    if (column < 0 || column >= ColCount())
        ThrowListIndexError(column);
    return FCellsList[static_cast<size_t>(column)];
}

TGxCustomColumn* TCells::ColumnAt(int index) const
{
    return FColumns && FColumns->Exists(index) ? FColumns->GetItem(index) : nullptr;
}

TCell* TCells::GetCell(int ACol, int ARow)
{
    TColumnCells& cells = CellsOf(ACol);
    CheckRow(ARow);
    FColIndex = ACol;
    FRowIndex = ARow;
    return cells[static_cast<size_t>(ARow)];
}

TRow* TCells::GetRow(int index) const
{
    CheckRow(index);
    return FRowsList[static_cast<size_t>(index)];
}

int TCells::GetRowIndex(const TRow* row) const
{
    const auto found = std::find(FRowsList.begin(), FRowsList.end(), row);
    return found == FRowsList.end() ? -1 : static_cast<int>(found - FRowsList.begin());
}

int TCells::GetChildCount(int index) const
{
    const int level = GetRow(index)->FLevel;
    int last = index + 1;
    while (last < RowCount() && FRowsList[static_cast<size_t>(last)]->FLevel > level)
        ++last;
    return last - index - 1;
}

int TCells::GetChildsCount(int index) const
{
    const int level = GetRow(index)->FLevel;
    const int descendants = GetChildCount(index);
    int children = 0;
    for (int i = index + 1; i <= index + descendants; ++i)
        children += FRowsList[static_cast<size_t>(i)]->FLevel == level + 1 ? 1 : 0;
    return children;
}

void TCells::DoCellChange()
{
    if (OnCellChange)
        OnCellChange(this, FColIndex, FRowIndex);
    FSorted = false;
}

void TCells::DoCompare(TCell* cell1, TCell* cell2, int& compare)
{
    if (OnCompare)
        OnCompare(this, cell1, cell2, compare);
}

// --- Rows ---------------------------------------------------------------------------------------------

TRow* TCells::NewRow()
{
    auto* row = new (FMemory.Allocate(sizeof(TRow))) TRow;
    row->FRowHeight = FRowHeight;
    return row;
}

void TCells::DestroyRow(TRow* row)
{
    row->~TRow();
    FMemory.Deallocate(row, sizeof(TRow));
}

void TCells::DestroyRows()
{
    for (TRow* row : FRowsList)
        DestroyRow(row);
    FRowsList.clear();
    FVisibleRowCount = 0;
}

void TCells::InsertRowRecord(int index, TRow* row)
{
    if (row->FVisible && row->FShown)
        ++FVisibleRowCount;
    FRowsList.insert(FRowsList.begin() + index, row);
}

void TCells::AddRow(int count)
{
    for (int n = 0; n < count; ++n) {
        for (int column = 0; column < ColCount(); ++column)
            FCellsList[static_cast<size_t>(column)].push_back(NewCell(column, TCellOrigin::RowAdded));
        InsertRowRecord(RowCount(), NewRow());
    }
    FSorted = false;
}

void TCells::InsertRow(int index, int count)
{
    CheckInsertPlace(index);
    for (int n = 0; n < count; ++n) {
        for (int column = 0; column < ColCount(); ++column) {
            TColumnCells& cells = FCellsList[static_cast<size_t>(column)];
            cells.insert(cells.begin() + index, NewCell(column, TCellOrigin::RowInserted));
        }
        InsertRowRecord(index, NewRow());
    }
    FSorted = false;
}

void TCells::AddChildRow(int index, int position)
{
    TRow* parent = GetRow(index);
    CheckInsertPlace(position);
    TRow* row = NewRow();
    row->FParentRow = parent;
    row->FShown = parent->FExpanded && parent->FShown;
    row->FLevel = parent->FLevel + 1;
    parent->AddChild();
    for (int column = 0; column < ColCount(); ++column) {
        TColumnCells& cells = FCellsList[static_cast<size_t>(column)];
        cells.insert(cells.begin() + position, NewCell(column, TCellOrigin::ChildAdded));
    }
    InsertRowRecord(position, row);
    FSorted = false;
}

void TCells::DeleteRow(int index)
{
    CheckRow(index);
    for (TColumnCells& cells : FCellsList) {
        DestroyCell(cells[static_cast<size_t>(index)]);
        cells.erase(cells.begin() + index);
    }
    TRow* row = FRowsList[static_cast<size_t>(index)];
    if (row->FVisible && row->FShown)
        --FVisibleRowCount;
    // Descendants left behind (the grid deletes them first) must not point at a freed parent.
    if (row->HasChildren())
        for (size_t i = static_cast<size_t>(index) + 1;
             i < FRowsList.size() && FRowsList[i]->FLevel > row->FLevel; ++i)
            if (FRowsList[i]->FParentRow == row)
                FRowsList[i]->FParentRow = nullptr;
    DestroyRow(row);
    FRowsList.erase(FRowsList.begin() + index);
}

// With every cell and row gone the store keeps its memory for the rows that follow: a list cleared is
// mostly filled again, and memory handed back would have to be paged in anew. The columns going or the
// store going hand it back.
void TCells::ClearRows()
{
    // Row by row, the order the cells were made in, so the walk goes through the memory in sequence.
    for (size_t row = 0; row < FRowsList.size(); ++row)
        for (TColumnCells& cells : FCellsList)
            DestroyCell(cells[row]);
    for (TColumnCells& cells : FCellsList)
        cells.clear();
    DestroyRows();
    FMemory.Recycle();
    FSorted = false;
}

namespace {

template <typename T> void MoveEntry(std::vector<T>& list, int curIndex, int newIndex)
{
    T entry = std::move(list[static_cast<size_t>(curIndex)]);
    list.erase(list.begin() + curIndex);
    list.insert(list.begin() + newIndex, std::move(entry));
}

} // namespace

void TCells::MoveRow(int curIndex, int newIndex)
{
    CheckRow(curIndex);
    CheckRow(newIndex);
    for (TColumnCells& cells : FCellsList)
        MoveEntry(cells, curIndex, newIndex);
    MoveEntry(FRowsList, curIndex, newIndex);
    FSorted = false;
}

void TCells::SwapRows(int index1, int index2)
{
    CheckRow(index1);
    CheckRow(index2);
    for (TColumnCells& cells : FCellsList)
        std::swap(cells[static_cast<size_t>(index1)], cells[static_cast<size_t>(index2)]);
    std::swap(FRowsList[static_cast<size_t>(index1)], FRowsList[static_cast<size_t>(index2)]);
    FSorted = false;
}

void TCells::ShowRow(int index, bool value)
{
    TRow* row = GetRow(index);
    if (row->FVisible == value)
        return;
    row->FVisible = value;
    if (row->FShown)
        FVisibleRowCount += value ? 1 : -1;
}

void TCells::ExpandRow(int index, bool value)
{
    TRow* row = GetRow(index);
    if (row->FShown == value)
        return;
    row->FShown = value;
    if (row->FVisible)
        FVisibleRowCount += value ? 1 : -1;
}

// --- Columns ------------------------------------------------------------------------------------------

void TCells::AddColumn()
{
    FCellsList.emplace_back();
    const int column = ColCount() - 1;
    TColumnCells& cells = FCellsList.back();
    // The new list takes the type and looks of the collection's last column, the one just added.
    const int source = FColumns && !FColumns->Empty() ? FColumns->Count() - 1 : column;
    for (int row = 0; row < RowCount(); ++row)
        cells.push_back(NewCell(source, TCellOrigin::RowAdded));
}

void TCells::InsertColumn(int pos)
{
    if (pos < 0 || pos > ColCount())
        ThrowListIndexError(pos);
    TColumnCells cells;
    for (int row = 0; row < RowCount(); ++row)
        cells.push_back(NewCell(pos, TCellOrigin::ColumnInserted));
    FCellsList.insert(FCellsList.begin() + pos, std::move(cells));
    if (FSortIndex >= pos)
        ++FSortIndex;
    FSorted = false;
}

void TCells::DeleteColumn(int index)
{
    DestroyCells(CellsOf(index));
    FCellsList.erase(FCellsList.begin() + index);
    // The sort state keeps naming the column that was sorted; without it the rows are no longer sorted.
    if (index == FSortIndex)
        FSorted = false;
    else if (index < FSortIndex)
        --FSortIndex;
    if (FCellsList.empty())
        ClearColumns();
}

void TCells::ClearColumns()
{
    for (TColumnCells& cells : FCellsList)
        DestroyCells(cells);
    FCellsList.clear();
    DestroyRows();
    FMemory.Release();
}

void TCells::MoveColumn(int curIndex, int newIndex)
{
    CellsOf(curIndex);
    CellsOf(newIndex);
    MoveEntry(FCellsList, curIndex, newIndex);
    if (FSortIndex == curIndex)
        FSortIndex = newIndex;
    else if (curIndex < FSortIndex && FSortIndex <= newIndex)
        --FSortIndex;
    else if (newIndex <= FSortIndex && FSortIndex < curIndex)
        ++FSortIndex;
}

void TCells::ColumnsChange(TColumnsOperation operation, int value1, int value2)
{
    switch (operation) {
    case TColumnsOperation::opAdd:
        AddColumn();
        break;
    case TColumnsOperation::opDelete:
        DeleteColumn(value1);
        break;
    case TColumnsOperation::opClear:
        ClearColumns();
        break;
    case TColumnsOperation::opInsert:
        InsertColumn(value1);
        break;
    case TColumnsOperation::opMove:
        MoveColumn(value1, value2);
        break;
    }
}

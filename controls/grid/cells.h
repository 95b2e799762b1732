#pragma once

#include "controls/grid/cell.h"
#include "controls/grid/cell_memory.h"
#include "controls/grid/column_types.h"
#include "controls/grid/row.h"

#include <functional>
#include <random>
#include <vector>

class ICellsGrid;
class TGxColumns;

using TCellChangeEvent = std::function<void(TObject* sender, int ACol, int ARow)>;
using TCompareEvent = std::function<void(TObject* sender, TCell* cell1, TCell* cell2, int& compare)>;

// All data of one grid: the row records and, for every column, a list of cells, kept in step so that row r
// of every column list belongs to row record r. The lists follow the column collection's index order
// (ColumnsChange); a cell's class follows its column's type and how it was made. The store owns every cell
// and row record, makes them and the cells' texts in its own memory, and takes any number of columns.
//
// Sorted is True only after a successful SortColumn and turns False with any change of a cell or of the row
// order. Sorting the sorted column again the other way, with nothing changed, only reverses the rows. Row
// and column indexes outside the lists raise EListError.
class TCells : public TObject
{
public:
    TCells(ICellsGrid* grid, TGxColumns* columns);
    ~TCells() override;

    // Remembers the position as the last lookup (every cell's ColumnIndex and RowIndex).
    TCell* GetCell(int ACol, int ARow);
    TRow* GetRow(int index) const;
    int GetRowIndex(const TRow* row) const;
    // All descendants of a row (the following rows deeper than it), and its direct children among them.
    int GetChildCount(int index) const;
    int GetChildsCount(int index) const;

    void AddRow(int count);
    void InsertRow(int index, int count);
    // Inserts one row at position as a child of row index, shown when its parent is expanded and shown.
    void AddChildRow(int index, int position);
    void DeleteRow(int index);
    void ClearRows();
    void MoveRow(int curIndex, int newIndex);
    void SwapRows(int index1, int index2);
    void ShowRow(int index, bool value);
    void ExpandRow(int index, bool value);

    void AddColumn();
    void InsertColumn(int pos);
    // Deleting the last column deletes every row too.
    void DeleteColumn(int index);
    void ClearColumns();
    void MoveColumn(int curIndex, int newIndex);
    // The column collection's report of a change of its index order.
    void ColumnsChange(TColumnsOperation operation, int value1, int value2);

    // Orders all rows by a column with a randomised quicksort, or only reverses them when the column is
    // sorted the other way and nothing changed since (unless resort). A comparison that raises leaves the
    // rows as they were and the store unsorted; the sort state is set only after success.
    void SortColumn(int ACol, TSortType sortType, TSortKind sortKind, bool resort);
    // The pivots are drawn from this generator; tests seed it.
    void SeedSortGenerator(uint32_t seed) { random_.seed(seed); }

    int ColCount() const { return static_cast<int>(FCellsList.size()); }
    int RowCount() const { return static_cast<int>(FRowsList.size()); }
    int VisibleRowCount() const { return FVisibleRowCount; }
    int SortIndex() const { return FSortIndex; }
    TSortKind SortKind() const { return FSortKind; }
    bool Sorted() const { return FSorted; }
    int RowHeight() const { return FRowHeight; }
    void SetRowHeight(int value) { FRowHeight = value; }
    ICellsGrid* Grid() const { return FGrid; }
    TGxColumns* Columns() const { return FColumns; }
    int LookedUpColumn() const { return FColIndex; }
    int LookedUpRow() const { return FRowIndex; }
    // The bytes the store holds for its rows, cells and texts, kept over ClearRows for the next rows.
    size_t MemorySize() const { return FMemory.ReservedBytes(); }

    TCellChangeEvent OnCellChange;
    TCompareEvent OnCompare;

protected:
    friend class TCell;
    friend class TCellComparer;

    virtual void DoCellChange();
    virtual void DoCompare(TCell* cell1, TCell* cell2, int& compare);

private:
    // Cells and row records made in FMemory, destroyed with DestroyCell and DestroyRow.
    using TColumnCells = std::vector<TCell*>;
    using TRowList = std::vector<TRow*>;
    // How a cell comes to be: auto-increment and identifier columns give some paths other cell classes.
    enum class TCellOrigin
    {
        RowAdded,       // AddRow, and AddColumn for the rows there are
        RowInserted,    // InsertRow
        ColumnInserted, // InsertColumn
        ChildAdded      // AddChildRow
    };

    TCell* NewCell(int column, TCellOrigin origin);
    template <typename TCellClass> TCellClass* MakeCell();
    void DestroyCell(TCell* cell);
    void DestroyCells(TColumnCells& cells);
    TGxCustomColumn* ColumnAt(int index) const;
    void InsertRowRecord(int index, TRow* row);
    TRow* NewRow();
    void DestroyRow(TRow* row);
    void DestroyRows();
    TColumnCells& CellsOf(int column);
    void CheckRow(int index) const;
    void CheckInsertPlace(int index) const;
    void ReverseRows();
    void ApplyRowOrder(const std::vector<int>& order);

    // First, so that they go last.
    TCellMemory FMemory;
    TCell::TExtrasTable FCellExtras;      // the hints and object references of the cells that have them
    std::vector<TColumnCells> FCellsList; // one list per column, index = column index
    int FColIndex = 0;                    // column of the last lookup
    TGxColumns* FColumns;                 // not owned
    ICellsGrid* FGrid;                    // not owned
    int FRowHeight = 0;                   // given to new rows
    int FRowIndex = 0;                    // row of the last lookup
    TRowList FRowsList;
    bool FSorted = false;
    int FSortIndex = -1;
    TSortKind FSortKind = skAscending;
    int FVisibleRowCount = 0;
    std::mt19937 random_{std::random_device{}()};
};

#pragma once

#include "controls/grid/cells.h"
#include "controls/grid/cells_grid.h"
#include "controls/grid/custom_grid.h"

#include <functional>
#include <memory>
#include <string>

class TColumnPlay;

// Where a child row goes among its parent's children.
enum TChildRowPosition
{
    crFirst,
    crLast
};

using TCellFormatingEvent = std::function<void(TObject* sender, int ACol, int ARow, TColor& TextColor,
                                               TFontStyles& FontStyle, TCellState CellState)>;
using TGxRowExpandEvent = std::function<void(TObject* sender, int ARow)>;
// Raised after a row came into view or left it; without a sender.
using TKV_AfterRowShowEvent = std::function<void(int Index, int ARowHeight, bool Show)>;

// The grid that windows place: its data live in one cell store (TCells), created with the grid and its
// column collection. It supplies the row count, cells, row heights and visibility, selection flags, the
// row operations, the footer calculation and sorting, and tree rows with expand and collapse.
//
// Cells[c, r] raises "Cell out of bounds (c, r)" for a cell outside the grid and changes nothing; Cell, Row
// and the row operations do not test their indexes (the store raises EListError for a row outside it).
class TDataGrid : public TGxCustomGrid, public ICellsGrid
{
public:
    explicit TDataGrid(TComponent* owner);
    ~TDataGrid() override;

    int StartRowCount() const { return FStartRowCount; }
    // A larger value adds rows; a smaller one deletes rows from the top.
    void SetStartRowCount(int value);
    int LastAddedRow() const { return FLastAddedRow; }
    TCell* Cell(int ACol, int ARow) { return GetCell(ACol, ARow); }
    TRow* Row(int index) const { return FCells->GetRow(index); }
    bool Expanded(int index) const { return GetExpanded(index); }
    void SetExpanded(int index, bool value);
    TCells* CellStore() const { return FCells.get(); }

    int RowCount() const override { return FCells->RowCount(); }
    int VisibleRows() const override { return FCells->VisibleRowCount(); }
    int FirstVisibleRow() const override { return FFirstVisibleRow; }
    int LastVisibleRow() const override { return FLastVisibleRow; }

    virtual TCell* GetCell(int ACol, int ARow) { return FCells->GetCell(ACol, ARow); }
    std::string GetCells(int ACol, int ARow) override;
    void SetCells(int ACol, int ARow, const std::string& value) override;
    TCellInfo GetCellInfo(int ACol, int ARow) override;
    std::string GetDrawText(int ACol, int ARow) override;
    std::string GetHintText(int ACol, int ARow) override;
    TColor GetCellColor(int ACol, int ARow) override;
    std::string GetCellHint(int ACol, int ARow) override;
    int GetRowHeight(int index) const override;
    void SetRowHeight(int index, int value) override;
    int GetRowImageIndex(int index) const override { return Row(index)->ImageIndex(); }
    int GetRowLevel(int index) const override { return Row(index)->Level(); }
    bool GetRowVisible(int index) const override;
    void SetRowVisible(int index, bool value) override;
    bool GetSelected(int index) const override { return Row(index)->Selected(); }
    void SetSelected(int index, bool value) override;
    void SetRowSize(int value) override;
    TColor GetActualCellColor(int ACol, int ARow) override
    {
        return TGxCustomGrid::GetActualCellColor(ACol, ARow);
    }
    TColor GetActualCellFontColor(int ACol, int ARow) override
    {
        return TGxCustomGrid::GetActualCellFontColor(ACol, ARow);
    }
    bool IsCellHighlighted(int ACol, int ARow) override
    {
        return TGxCustomGrid::IsCellHighlighted(ACol, ARow);
    }

    // --- rows ---
    int AddRow(int count) override;
    // Appends rows without default values and without an event.
    virtual void ReserveRows(int count);
    virtual void AddChildRow(int index, TChildRowPosition position);
    void InsertRow(int pos, int count) override;
    void DeleteRow(int index) override;
    void ClearRows() override;
    void MoveRow(int fromPos, int toPos) override;
    void SwapRows(int fromRow, int toRow) override;
    void SelectRange(int fromRow, int toRow, bool value) override;
    void RevertStyle(int index) override;
    void CalculateFooter(bool visibleOnly) override;
    void SortColumn(TGxCustomColumn* column, bool ascending) override;

    // --- tree rows ---
    int GetLevel(int index) const { return Row(index)->Level(); }
    // -1 at level 0 or without a parent record.
    int GetParent(int index) const;
    // The first later row with the same level; -1 when a row with a lower level or the end comes first.
    int GetNextSibling(int index) const;
    int GetChildCount(int index, bool recurse) const;
    bool GetExpanded(int index) const { return Row(index)->Expanded(); }
    // Deletes the row's descendants; row indexes of the grid are not adjusted and no event is raised.
    void ClearChildRows(int index);
    // Moves a row index to its parent and reports that parent's next sibling (for the tree display).
    void GetParentRow(int& ARow, int& nextSibling) const;

    // --- cell plays ---
    // The column's play loaded with the cell (position, canvas, value) and connected to the grid; nullptr
    // when the column has no play or the cell does not exist.
    TColumnPlay* LoadPlay(int ACol, int ARow);
    void LoadPlayValue(TColumnPlay* play) override;
    // The play's change: OnEditAccept may refuse it; else the cell takes the value and OnAfterEdit follows.
    void PlayChange(TObject* sender) override;
    void PlayExpand(TObject* sender) override;

    TCellFormatingEvent OnCellFormating;
    TCompareEvent OnCompare;
    TGxRowExpandEvent OnExpand;
    TKV_AfterRowShowEvent KV_OnAfterRowShow;

protected:
    bool IsCellHidden(int ACol, int ARow) override;
    bool PrepareCell(int ACol, int ARow, TCellState cellState) override;
    void FormatCell(int ACol, int ARow, const TCellInfo& value, TCellState cellState) override;
    void PrepareDisplay(int ACol, int ARow, TColumnDisplay* display) override;
    void ColumnsChanged(TColumnsOperation operation, int value1, int value2) override;
    void DoCompare(TCell* cell1, TCell* cell2, int& compare);
    void DoExpand(int ARow) { Raise(OnExpand, ARow); }

private:
    void CellChanged(int ACol, int ARow);
    // Moves the painted body when a row comes into view or leaves it, instead of repainting it.
    void AdjustRowShown(int index, int height, bool show);
    // The event of a row shown or hidden, and the bar counting the rows again.
    void AfterRowShown(int index, int height, bool show);
    void FillViewToTheLastRow();
    void ScrollBodyFrom(int top, int dy);
    int ShownHeight(int index) const;
    void CheckCell(int ACol, int ARow) const;
    void ApplyDefaultValues(int row);
    double FooterValue(TGxCustomColumn* column, bool visibleOnly);
    bool TakesPart(int row, bool visibleOnly);
    void UpdateVisibleRowsAfterDelete(int index);
    void ExpandDescendants(int index, bool show);

    std::unique_ptr<TCells> FCells;
    int FLastAddedRow = 0;
    int FStartRowCount = 0;
};

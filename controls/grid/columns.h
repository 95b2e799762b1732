#pragma once

#include "controls/grid/column_types.h"

#include <vector>

class IColumnsGrid;

// A grid's columns in two orders: the index order (creation or Move; the cell store and the application's
// indexed access use it) and the position order (the order on screen). The collection computes each
// column's left edge, shares the free width among the auto-size columns and reports changes through three
// events the grid handles: OnColumnChange (one column changed), OnChange (columns added, deleted or moved in
// the index order) and OnRepaint. Its owner is the grid, which implements IColumnsGrid.
class TGxColumns : public TComponent
{
public:
    explicit TGxColumns(TComponent* owner);
    // Destroys every column of the index order, the last first, without reports.
    ~TGxColumns() override;

    int Count() const { return static_cast<int>(FItemsList.size()); }
    bool Empty() const { return FItemsList.empty(); }
    bool Exists(int index) const { return index >= 0 && index < Count(); }
    // The column at a place of the index order or of the position order; EListError outside.
    virtual TGxCustomColumn* GetItem(int index) const;
    TGxCustomColumn* Items(int index) const { return GetItem(index); }
    TGxCustomColumn* GetPositionItem(int index) const;
    int IndexOf(const TGxCustomColumn* column) const;
    int PositionIndexOf(const TGxCustomColumn* column) const;

    // Registers a column made in code: it joins both orders at their ends.
    virtual void AddColumn(TGxCustomColumn* column);
    void Remove(TGxCustomColumn* column);
    // Moves a column in the index order; ignored unless both indexes are places of it.
    void Move(int curIndex, int newIndex);
    // Moves a column in the position order and reports ccPosition with its old position; equal places do
    // nothing.
    void ChangePosition(int curPosition, int newPosition);

    // Recomputes lefts, visible indexes and the fixed width (and each Position from its place when asked).
    void UpdateColumns(bool updatePosition);
    void UpdateColumn(TGxCustomColumn* column, TGridArea area);
    // Shares the free width among the visible auto-size columns from a start place on: from the column's
    // place (useColumn), from the place after it, or from the first place without a column.
    void ResizeColumns(TGxCustomColumn* column, bool useColumn);
    // Moves or stretches the slide bounds anchored to the right when the grid's width changes.
    void AnchorSlides(int oldWidth, int newWidth);

    int FixedCols() const { return FFixedCols; }
    void SetFixedCols(int value);
    int FixedWidth() const { return FFixedWidth; }
    int ClientWidth() const;
    int VisibleCount() const;
    // The first or last visible (and enabled) column in position order; nullptr when none.
    TGxCustomColumn* First() const;
    TGxCustomColumn* Last() const;
    TGxCustomColumn* FirstEnabled() const;
    TGxCustomColumn* LastEnabled() const;
    TGxCustomColumn* LastAdded() const { return FLastAdded; }

    IColumnsGrid* Grid() const;
    bool GridReading() const;
    bool GridDestroying() const;

    // A column read from a layout joins the index order when it is placed on the grid, and the position
    // order by its stored Position once its values are in.
    void AddReadColumn(TGxCustomColumn* column);
    void PlaceReadColumn(TGxCustomColumn* column);

    virtual void DoColumnChange(TGxCustomColumn* column, TColumnChangeKind kind, int param);
    virtual void DoChange(TColumnsOperation operation, int value1, int value2);
    virtual void DoRepaint(TColumnsOperation operation, int value1, int value2);

    TColumnChangeEvent OnColumnChange;
    TColumnsChangeEvent OnChange;
    TColumnsChangeEvent OnRepaint;

private:
    template <typename Test> TGxCustomColumn* FirstWhere(Test test) const;
    template <typename Test> TGxCustomColumn* LastWhere(Test test) const;

    int FFixedCols = 0;
    int FFixedWidth = 0;                      // width of the visible columns among the fixed places
    std::vector<TGxCustomColumn*> FItemsList; // index order
    TGxCustomColumn* FLastAdded = nullptr;
    std::vector<TGxCustomColumn*> FPositionItemsList; // position order
    mutable IColumnsGrid* grid_ = nullptr;            // the owner seen as the grid, found on first use
};

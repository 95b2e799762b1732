// Where a column stands in its grid and who its neighbours are.

#include "controls/grid/column.h"

#include "controls/grid/columns.h"
#include "controls/grid/columns_grid.h"
#include "controls/grid/slide_bounds.h"

int TGxCustomColumn::AbsoluteLeft() const
{
    const IColumnsGrid* grid = Grid();
    if (!grid || FPosition < FColumns->FixedCols())
        return FLeft;
    return FLeft - grid->HorzScrollPosition();
}

bool TGxCustomColumn::IsAlone() const
{
    return FColumns && FColumns->VisibleCount() == 1;
}

TColumnLocation TGxCustomColumn::Location() const
{
    if (IsAlone())
        return clAlone;
    if (FVisibleIndex == 0)
        return clLeftSide;
    if (FColumns && FVisibleIndex + 1 == FColumns->VisibleCount())
        return clRightSide;
    return clMiddle;
}

bool TGxCustomColumn::First() const
{
    return FColumns && FColumns->FirstEnabled() == this;
}

bool TGxCustomColumn::Last() const
{
    return FColumns && FColumns->LastEnabled() == this;
}

TGxCustomColumn* TGxCustomColumn::NextColumn()
{
    if (!FColumns)
        return this;
    for (int place = FColumns->PositionIndexOf(this) + 1; place < FColumns->Count(); ++place)
        if (TGxCustomColumn* column = FColumns->GetPositionItem(place); column->FEnabled && column->FVisible)
            return column;
    return this;
}

TGxCustomColumn* TGxCustomColumn::PrevColumn()
{
    if (!FColumns)
        return this;
    for (int place = FColumns->PositionIndexOf(this) - 1; place >= 0; --place)
        if (TGxCustomColumn* column = FColumns->GetPositionItem(place); column->FEnabled && column->FVisible)
            return column;
    return this;
}

TRect TGxCustomColumn::GetMemberRect(TColumnMemberKind kind) const
{
    const IColumnsGrid* grid = Grid();
    if (!grid)
        return {};
    const int left = AbsoluteLeft();
    switch (kind) {
    case ckFooter: {
        const TRect footer = grid->GetFooterRect();
        return {left, footer.Top + 4, left + FWidth, footer.Bottom};
    }
    case ckHeader: {
        const TRect header = grid->GetHeaderRect();
        return {left, header.Top, left + FWidth, header.Bottom};
    }
    case ckInput: {
        const TRect input = grid->GetInputRect();
        return {left, input.Top, left + FWidth, input.Bottom - 6};
    }
    default:
        return {};
    }
}

TRect TGxCustomColumn::SlideRect() const
{
    return {FSlideBounds->Left(), FSlideBounds->Top(), FSlideBounds->Right(), FSlideBounds->Bottom()};
}

int TGxCustomColumn::SlideWidth() const
{
    return FSlideBounds->Right() - FSlideBounds->Left();
}

bool TGxCustomColumn::Selected() const
{
    const IColumnsGrid* grid = Grid();
    return grid && Index() == grid->SelectedColumn();
}

bool TGxCustomColumn::Focused() const
{
    const IColumnsGrid* grid = Grid();
    return grid && grid->FocusedColumn() == this;
}

bool TGxCustomColumn::Hover() const
{
    const IColumnsGrid* grid = Grid();
    return grid && grid->HoverColumn() == this;
}

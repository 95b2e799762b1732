// Which column, row, cell or size grip lies at a client point, and where a dragged column or row would
// land.

#include "controls/grid/column.h"
#include "controls/grid/columns.h"
#include "controls/grid/custom_grid.h"
#include "controls/grid/slide_bounds.h"
#include "platform/gui/graphics/gdi.h"

#include <cstdlib>

TGxCustomColumn* TGxCustomGrid::GetColumnAtPos(TPoint point) const
{
    for (int position = 0; position < Columns()->Count(); ++position) {
        TGxCustomColumn* column = Columns()->GetPositionItem(position);
        if (!column->Visible())
            continue;
        const int left = column->AbsoluteLeft();
        if (left <= point.X && point.X <= left + column->Width())
            return column;
    }
    return nullptr;
}

// A scrolling column's grip hidden under the fixed columns does not count.
TGxCustomColumn* TGxCustomGrid::GetColumnSizeGripAtPos(int X, int) const
{
    const int fixedRight = GetScrollRect().Left;
    for (int position = 0; position < Columns()->Count(); ++position) {
        TGxCustomColumn* column = Columns()->GetPositionItem(position);
        if (!column->Visible() || column->Options().Contains(coFixedSize))
            continue;
        const int right = column->AbsoluteLeft() + column->Width();
        if (position >= FixedCols() && X < fixedRight)
            continue;
        if (right - 3 <= X && X <= right + 2)
            return column;
    }
    return nullptr;
}

int TGxCustomGrid::GetRowAtPos(int X, int Y) const
{
    const TRect body = GetBodyRect();
    if (!PtInRect({0, body.Top, body.Right, body.Bottom}, {X, Y}))
        return -1;
    int y = body.Top;
    for (int row = FFirstRow; row < RowCount(); ++row) {
        if (!GetRowVisible(row))
            continue;
        y += GetRowHeight(row) + GetGridSpace(lpTop);
        if (y >= Y)
            return row;
        y += GetGridSpace(lpBottom);
    }
    return -1;
}

int TGxCustomGrid::GetRowSizeGripAtPos(int X, int Y) const
{
    const TRect body = GetBodyRect();
    if (Y < body.Top || X > kIndicatorWidth)
        return -1;
    int y = body.Top;
    for (int row = FFirstRow; row < RowCount() && y <= body.Bottom; ++row) {
        if (!GetRowVisible(row))
            continue;
        y += GetRowHeight(row) + GetGridSpace(lpTop);
        if (y - 3 < Y && Y < y + 1)
            return row;
        y += GetGridSpace(lpBottom);
    }
    return -1;
}

int TGxCustomGrid::GetSlideAtPos(int, int Y) const
{
    const TRect body = GetBodyRect();
    if (Y < body.Top)
        return FFirstRow;
    int y = body.Top;
    for (int row = FFirstRow; row < RowCount(); ++row) {
        if (!GetRowVisible(row))
            continue;
        y += SlideSize() + GetGridSpace(lpTopBottom);
        if (y >= Y)
            return row;
    }
    return -1;
}

TPoint TGxCustomGrid::GetCellAtPos(TPoint point) const
{
    if (GridStyle() == gsReport) {
        const TGxCustomColumn* column = GetColumnAtPos(point);
        return {column ? column->Index() : -1, GetRowAtPos(point.X, point.Y)};
    }
    const int row = GetSlideAtPos(point.X, point.Y);
    if (row < 0)
        return {-1, -1};
    const TPoint inSlide{point.X, point.Y - GetSlideTop(row)};
    for (int index = 0; index < Columns()->Count(); ++index) {
        const TGxCustomColumn* column = Columns()->GetItem(index);
        if (column->Visible() && PtInRect(column->SlideRect(), inSlide))
            return {index, row};
    }
    return {-1, row};
}

// Over the column under X: its left half puts the dragged column before it, its right half after it. A
// place under the fixed columns is no place for a scrolling column.
int TGxCustomGrid::GetNearestPosition(TGxCustomColumn* column, int X) const
{
    const int own = column->Position();
    TGxCustomColumn* previous = nullptr; // the column considered before the current one
    for (int position = 0; position < Columns()->Count(); ++position) {
        TGxCustomColumn* c = Columns()->GetPositionItem(position);
        if (!c->Visible() && c != column)
            continue;
        const int left = c->AbsoluteLeft();
        const int right = left + c->Width();
        if (X < left || X > right) {
            previous = c;
            continue;
        }
        if (c == column)
            return own;
        int answer;
        if (X <= right - c->Width() / 2)
            answer = c->Position() < own ? c->Position() : previous ? previous->Position() : c->Position();
        else
            answer = c->Position() > own ? c->Position() : c->Position() + 1;
        const TGxCustomColumn* target = Columns()->GetPositionItem(answer);
        if (answer >= FixedCols() && target->AbsoluteLeft() < GetScrollRect().Left)
            return own;
        return answer;
    }
    return own;
}

int TGxCustomGrid::GetNearestRow(int, int Y) const
{
    const TRect body = GetBodyRect();
    if (Y < body.Top)
        return -1;
    const int lines = GetGridSpace(lpTop) + GetGridSpace(lpBottom);
    int y = body.Top;
    for (int row = FFirstRow; row < RowCount() && y < body.Bottom; ++row) {
        if (!GetRowVisible(row))
            continue;
        const int height = GetActualRowHeight(row);
        if (y < Y && Y <= y + height + lines)
            return Y > y + height / 2 ? row + 1 : row;
        y += height + lines;
    }
    return -1;
}

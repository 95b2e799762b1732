// Invalidation of the smallest area that changed: a cell, a row or only its border, an indicator cell, a
// column's part. Nothing is erased; the next paint draws what was invalidated.

#include "controls/grid/column.h"
#include "controls/grid/columns.h"
#include "controls/grid/grid_control.h"
#include "platform/gui/windows/window_functions.h"

#include <algorithm>

namespace {

// The four one-pixel-wide or wider bands along the edges of rect.
void InvalidateBorder(TGxCustomGridControl& grid, const TRect& r, int width, int height)
{
    grid.RefreshRect({r.Left, r.Top, r.Right, r.Top + height});
    grid.RefreshRect({r.Left, r.Bottom - height, r.Right, r.Bottom});
    grid.RefreshRect({r.Left, r.Top + height, r.Left + width, r.Bottom - height});
    grid.RefreshRect({r.Right - width, r.Top + height, r.Right, r.Bottom - height});
}

} // namespace

void TGxCustomGridControl::RefreshRect(const TRect& rect)
{
    if (HandleAllocated() && rect.Right > rect.Left && rect.Bottom > rect.Top)
        InvalidateRect(Handle(), &rect, false);
}

// Rows above FirstRow are not on screen.
void TGxCustomGridControl::RefreshCell(int ACol, int ARow)
{
    if (!CellBounds(ACol, ARow) || ARow < FFirstRow)
        return;
    TRect rect = GetCellRect(ACol, ARow);
    rect.Right += FGridSpace[lpBottom];
    rect.Bottom += FGridSpace[lpBottom];
    RefreshRect(rect);
}

void TGxCustomGridControl::RefreshColumn(TGxCustomColumn* column, TGridArea area)
{
    if (FUpdateCount > 0 || !column)
        return;
    TRect rect = ClientRect();
    switch (area) {
    case gaBody:
        rect = GetBodyRect();
        break;
    case gaFooter:
        rect = GetFooterRect();
        break;
    case gaHeader:
        rect = GetHeaderRect();
        break;
    case gaIndicator:
        rect = GetIndicatorRect();
        break;
    case gaInput:
        rect = GetInputRect();
        break;
    default:
        break;
    }
    rect.Left = ColumnLeft(column);
    rect.Right = rect.Left + column->Width();
    RefreshRect(rect);
}

void TGxCustomGridControl::RefreshRange(int fromPos, int toPos)
{
    const int low = std::max(std::min(fromPos, toPos), FFirstRow);
    const int high = std::max(fromPos, toPos);
    if (high < low)
        return;
    const TRect body = GetBodyRect();
    if (FGridStyle == gsSlides) {
        RefreshRect({0, GetSlideRect(low).Top, ClientWidth(), GetSlideRect(high).Bottom});
        return;
    }
    const int top = GetRowTop(low) - FGridSpace[lpTop];
    if (top > body.Bottom)
        return;
    RefreshRect({0, top, body.Right, std::min(GetRowRect(high).Bottom, static_cast<int>(body.Bottom))});
}

// With borderOnly only the one-pixel border repaints: four strips.
void TGxCustomGridControl::RefreshRow(int index, bool borderOnly)
{
    if (!RowExist(index) || index < FFirstRow || index > FLastRow)
        return;
    const TRect rect = GetRowRect(index);
    if (borderOnly)
        InvalidateBorder(*this, rect, 1, 1);
    else
        RefreshRect(rect);
}

void TGxCustomGridControl::RefreshRowGrid(int index)
{
    if (index < FFirstRow)
        return;
    const TRect rect = FGridStyle == gsSlides ? GetSlideRect(index) : GetRowRect(index);
    RefreshRect({rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom});
}

void TGxCustomGridControl::RefreshSlide(int index, bool borderOnly)
{
    if (!RowExist(index) || index < FFirstRow)
        return;
    const TRect rect = GetSlideRect(index);
    if (borderOnly)
        InvalidateBorder(*this, rect, 3, 4);
    else
        RefreshRect(rect);
}

void TGxCustomGridControl::RefreshArea(TGridArea area)
{
    switch (area) {
    case gaBody:
        RefreshRect(GetBodyRect());
        break;
    case gaFooter:
        if (FOptions.Contains(goFooter))
            RefreshRect(GetFooterRect());
        break;
    case gaHeader:
        if (FOptions.Contains(goHeader))
            RefreshRect(GetHeaderRect());
        break;
    case gaIndicator:
        if (FOptions.Contains(goIndicator))
            RefreshRect(GetIndicatorRect());
        break;
    case gaInput:
        if (FOptions.Contains(goInput))
            RefreshRect(GetInputRect());
        break;
    default:
        break;
    }
}

void TGxCustomGridControl::RefreshRowIndicator(int index)
{
    if (!RowExist(index) || index < FFirstRow)
        return;
    const int top = GetRowTop(index);
    RefreshRect(
        {0, top - FGridSpace[lpTop], kIndicatorWidth, top + GetRowHeight(index) + FGridSpace[lpBottom]});
}

// The selected rows are looked for only among the rows in view.
void TGxCustomGridControl::RefreshSelection()
{
    if (FInputSelected)
        RefreshArea(gaInput);
    if (RowCount() == 0 || FColumns->Count() == 0)
        return;
    if (!FOptions.Contains(goSelectFullRow)) {
        RefreshCell(FSelectedColumn, FSelectedRow);
        return;
    }
    const int last = std::min(LastRowInView() + 1, RowCount() - 1);
    for (int row = FFirstRow; row <= last; ++row)
        if (GetSelected(row))
            RefreshRow(row, false);
}

void TGxCustomGridControl::RefreshSelectedSlides()
{
    if (RowCount() == 0 || FColumns->Count() == 0)
        return;
    const int last = std::min(GetLastFullRow() + 1, RowCount() - 1);
    for (int row = FFirstRow; row <= last; ++row)
        if (GetSelected(row))
            RefreshSlide(row, false);
}

void TGxCustomGridControl::RefreshRowsFrom(int index, int count)
{
    const TRect body = GetBodyRect();
    const int top =
        std::max(GetRowTop(std::max(index, FFirstRow)) - FGridSpace[lpTop], static_cast<int>(body.Top));
    const int bottom = count > 0 ? std::min(GetRowRect(index + count - 1).Bottom, body.Bottom) : body.Bottom;
    RefreshRect({0, top, body.Right, bottom});
}

// Where the areas, rows and cells of the grid lie, and how many rows fit.

#include "controls/grid/column.h"
#include "controls/grid/columns.h"
#include "controls/grid/grid_control.h"
#include "controls/grid/slide_bounds.h"

#include <algorithm>

void TGxCustomGridControl::UpdateGridSpace()
{
    FGridSpace.fill(0);
    if (FOptions.Contains(goGrid)) {
        if (FGridLinesStyle != lsHorizontalOnly && FGridLinesStyle != lsActiveHorzOnly) {
            FGridSpace[lpRight] = 1;
            FGridSpace[lpLeft] = FAppearanceOptions.Contains(ao3DGridLines) ? 1 : 0;
        }
        if (FGridLinesStyle != lsVerticalOnly) {
            FGridSpace[lpBottom] = 1;
            FGridSpace[lpTop] = FAppearanceOptions.Contains(ao3DGridLines) ? 1 : 0;
        }
    }
    FGridSpace[lpTopBottom] = FGridSpace[lpTop] + FGridSpace[lpBottom];
}

int TGxCustomGridControl::HorzScrollPosition() const
{
    return HorzScrollBar()->Position();
}

int TGxCustomGridControl::ColumnsRight() const
{
    return FColumns->ClientWidth() + IndicatorWidth() - HorzScrollPosition();
}

int TGxCustomGridControl::InnerWidth() const
{
    return FGridStyle == gsReport && ShowsIndicator() ? ClientWidth() - kIndicatorWidth : ClientWidth();
}

int TGxCustomGridControl::GetFixedWidth() const
{
    return FColumns->FixedWidth();
}

// --- areas -------------------------------------------------------------------------------------------------

TRect TGxCustomGridControl::GetBodyRect() const
{
    if (FGridStyle == gsSlides)
        return {IndicatorWidth(), FOptions.Contains(goHeader) ? FHeaderSize : 0, ClientWidth(),
                ClientHeight()};
    TRect body{IndicatorWidth(), FOptions.Contains(goHeader) ? FHeaderSize : 0, 0, ClientHeight()};
    if (FOptions.Contains(goInput))
        body.Top += FInputSize + 6 + FGridSpace[lpBottom];
    body.Right = std::min(FColumns->ClientWidth() + body.Left - HorzScrollPosition(), ClientWidth());
    if (FOptions.Contains(goFooter))
        body.Bottom = ClientHeight() - FFooterSize - 4 - FGridSpace[lpBottom];
    return body;
}

TRect TGxCustomGridControl::GetHeaderRect() const
{
    return {IndicatorWidth(), 0, ColumnsRight(), FHeaderSize};
}

TRect TGxCustomGridControl::GetFooterRect() const
{
    if (FGridStyle == gsSlides)
        return {};
    return {IndicatorWidth(), ClientHeight() - FFooterSize - 4 - FGridSpace[lpBottom], ColumnsRight(),
            ClientHeight()};
}

TRect TGxCustomGridControl::GetIndicatorRect() const
{
    return {0, 0, kIndicatorWidth, ClientHeight()};
}

TRect TGxCustomGridControl::GetInputRect() const
{
    const int top = FOptions.Contains(goHeader) ? FHeaderSize : 0;
    return {IndicatorWidth(), top, ColumnsRight(), top + FInputSize + 6 + FGridSpace[lpBottom]};
}

TRect TGxCustomGridControl::GetInputCellRect(int ACol) const
{
    const TGxCustomColumn* column = FColumns->GetItem(ACol);
    const int top = GetInputRect().Top;
    const int left = column->Left() - HorzScrollPosition();
    return {left, top, left + column->Width(), top + FInputSize};
}

TRect TGxCustomGridControl::GetScrollRect() const
{
    return {GetFixedWidth() + IndicatorWidth(), 0, ClientWidth(), ClientHeight()};
}

// --- rows and cells ----------------------------------------------------------------------------------------

int TGxCustomGridControl::RowHeightOrDefault(int index) const
{
    return index >= RowCount() ? FRowSize : GetRowHeight(index);
}

// Rows past the last one count RowSize each, so that the space below the rows can be laid out as empty
// cells. The walk stops below the client area: a row further down answers a top below it.
int TGxCustomGridControl::GetRowTop(int index) const
{
    int top = GetBodyRect().Top + FGridSpace[lpTop];
    const int limit = ClientHeight();
    for (int row = FFirstRow; row < index && top <= limit; ++row) {
        const int height = row >= RowCount() ? FRowSize : GetRowVisible(row) ? GetRowHeight(row) : 0;
        if (height > 0)
            top += height + FGridSpace[lpTopBottom];
    }
    return top;
}

TRect TGxCustomGridControl::GetRowRect(int index) const
{
    const int top = GetRowTop(index);
    return {0, top, GetBodyRect().Right, top + RowHeightOrDefault(index) + FGridSpace[lpBottom]};
}

TRect TGxCustomGridControl::GetCellRect(int ACol, int index) const
{
    const TGxCustomColumn* column = FColumns->GetItem(ACol);
    if (FGridStyle == gsSlides) {
        const TRect slide = column->SlideRect();
        const int top = GetSlideTop(index) + slide.Top;
        return {slide.Left, top, slide.Right, top + slide.Height()};
    }
    const int left = ColumnLeft(column);
    const int top = GetRowTop(index);
    return {left, top, left + column->Width(), top + RowHeightOrDefault(index)};
}

int TGxCustomGridControl::GetCellTop(int ACol, int index) const
{
    if (FGridStyle == gsSlides)
        return GetSlideTop(index) + FColumns->GetItem(ACol)->SlideBounds()->Top();
    return GetRowTop(index);
}

int TGxCustomGridControl::GetSlideTop(int index) const
{
    const int step = FSlideSize + FGridSpace[lpTopBottom];
    return GetBodyRect().Top + CountVisibleRows(FFirstRow, std::max(index, FFirstRow)) * step;
}

TRect TGxCustomGridControl::GetSlideRect(int index) const
{
    const int top = GetSlideTop(index) + FGridSpace[lpTop];
    return {0, top, ClientWidth(), top + FSlideSize};
}

int TGxCustomGridControl::GetActualRowHeight(int index) const
{
    return FGridStyle == gsSlides ? FSlideSize : GetRowHeight(index);
}

void TGxCustomGridControl::ExcludeGrid(TRect& cellRect) const
{
    cellRect.Left += FGridSpace[lpLeft];
    cellRect.Right -= FGridSpace[lpRight];
}

bool TGxCustomGridControl::CellBounds(int ACol, int ARow) const
{
    return ACol >= 0 && ACol < FColumns->Count() && ARow >= 0 && ARow < RowCount();
}

TRect TGxCustomGridControl::GetEditorRect() const
{
    if (FGridState.Contains(gtInput) && FInputingColumn >= 0)
        return GetInputCellRect(FInputingColumn);
    return GetCellRect(FEditingCell.X, FEditingCell.Y);
}

// --- rows that fit -----------------------------------------------------------------------------------------

int TGxCustomGridControl::LastRowInView() const
{
    const int bodyHeight = GetBodyRect().Height();
    int answer = FFirstRow;
    int sum = 0;
    for (int row = FFirstRow; row < RowCount(); ++row) {
        if (!GetRowVisible(row))
            continue;
        sum += GetRowHeight(row) + FGridSpace[lpTopBottom];
        if (sum > bodyHeight)
            break;
        answer = row;
    }
    return answer;
}

int TGxCustomGridControl::GetLastFullRow() const
{
    const TRect body = GetBodyRect();
    int answer = FFirstRow;
    int y = body.Top;
    for (int row = FFirstRow; row < RowCount(); ++row) {
        if (!GetRowVisible(row))
            continue;
        y += GetActualRowHeight(row) + FGridSpace[lpTopBottom];
        if (y > body.Bottom)
            break;
        answer = row;
    }
    return answer;
}

int TGxCustomGridControl::GetVisibleCount(bool expand) const
{
    const int bodyHeight = GetBodyRect().Height();
    int count = 0;
    int sum = 0;
    for (int row = FFirstRow; row < RowCount(); ++row) {
        if (!GetRowVisible(row))
            continue;
        sum += GetActualRowHeight(row) + FGridSpace[lpTopBottom];
        if (sum > bodyHeight)
            return count;
        ++count;
    }
    if (!expand)
        return count;
    for (int row = FFirstRow - 1; row >= 0; --row) {
        if (!GetRowVisible(row))
            continue;
        sum += GetActualRowHeight(row) + FGridSpace[lpTopBottom];
        if (sum > bodyHeight)
            break;
        ++count;
    }
    return count;
}

int TGxCustomGridControl::GetRowAtOffset(int n) const
{
    int row = FFirstRow;
    for (int passed = 0; passed < n - 1 && row + 1 < RowCount(); ++row)
        if (GetRowVisible(row))
            ++passed;
    return row;
}

// With every row visible the answers need no walk.
int TGxCustomGridControl::CountVisibleRows(int a, int b) const
{
    if (a == b)
        return 0;
    const int from = std::min(a, b);
    const int to = std::min(std::max(a, b), RowCount());
    if (VisibleRows() == RowCount())
        return std::max(0, to - from);
    int count = 0;
    for (int row = from; row < to; ++row)
        if (GetRowVisible(row))
            ++count;
    return count;
}

int TGxCustomGridControl::GetNextVisibleRow(int start) const
{
    for (int row = std::max(start, 0); row < RowCount(); ++row)
        if (GetRowVisible(row))
            return row;
    return start;
}

int TGxCustomGridControl::GetPrevVisibleRow(int start) const
{
    for (int row = std::min(start, RowCount() - 1); row >= 0; --row)
        if (GetRowVisible(row))
            return row;
    return start;
}

int TGxCustomGridControl::GetScrollRowIndex() const
{
    const int position = VertScrollBar()->Position();
    if (VisibleRows() == RowCount())
        return std::min(position, RowCount());
    int passed = 0;
    int row = 0;
    for (; row < RowCount() && passed < position; ++row)
        if (GetRowVisible(row))
            ++passed;
    return row;
}

// The first and last visible rows after the descendant stored a row's flag.
void TGxCustomGridControl::SetRowVisible(int index, bool value)
{
    if (value) {
        FFirstVisibleRow = std::min(FFirstVisibleRow, index);
        FLastVisibleRow = std::max(FLastVisibleRow, index);
        return;
    }
    if (index == FFirstVisibleRow)
        FFirstVisibleRow = GetNextVisibleRow(index);
    FLastVisibleRow = GetPrevVisibleRow(FLastVisibleRow);
}

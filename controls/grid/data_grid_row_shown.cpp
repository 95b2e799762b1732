// A row that comes into view or leaves it moves the painted body (ScrollWindowEx) instead of repainting it,
// and keeps FirstRow and the vertical bar in step.

#include "controls/grid/data_grid.h"
#include "platform/gui/windows/window_functions.h"

#include <algorithm>

void TDataGrid::ScrollBodyFrom(int top, int dy)
{
    if (!HandleAllocated() || dy == 0)
        return;
    const TRect area{0, top, ClientWidth(), GetBodyRect().Bottom};
    if (area.Bottom > area.Top)
        ScrollWindowEx(Handle(), 0, dy, &area, &area, nullptr, nullptr, SW_INVALIDATE);
}

void TDataGrid::AdjustRowShown(int index, int height, bool show)
{
    const int gs = GetGridSpace(lpTopBottom);
    TGxScrollBar* bar = VertScrollBar();
    auto rowTop = [&] {
        return GridStyle() == gsSlides ? GetSlideTop(index) : GetRowTop(index) - GetGridSpace(lpTop);
    };
    auto stepBack = [&] {
        if (bar->IsLast() && bar->Max() > 0)
            bar->SetPosition(bar->Position() - 1);
    };
    if (VisibleRows() == 0) {
        ScrollBodyFrom(rowTop(), -(height + gs));
        FFirstRow = 0;
    }
    if (index == FFirstRow) {
        if (!show) {
            if (!bar->IsLast() && VisibleRows() > 0)
                FFirstRow = GetNextVisibleRow(FFirstRow);
            ScrollBodyFrom(rowTop(), -(height + gs));
            stepBack();
        } else {
            ScrollBodyFrom(rowTop(), height + GetGridSpace(lpBottom));
        }
    } else if (index > FFirstRow) {
        if (UpdateCount() > 0)
            return;
        ScrollBodyFrom(rowTop(), show ? height + gs : -(height + gs));
        stepBack();
    } else if (bar->IsFirst()) {
        if (show)
            FFirstRow = index;
        ScrollBodyFrom(rowTop(), show ? height + gs : gs - height);
    }
    // Further above the view only the count of rows above it changes, which the bar's update takes.
    AfterRowShown(index, height, show);
}

void TDataGrid::AfterRowShown(int index, int height, bool show)
{
    if (KV_OnAfterRowShow)
        KV_OnAfterRowShow(index, height, show);
    UpdateVertScrollBar();
}

// Rows gone from under a scrolled view leave no empty space below the last row while rows lie above the
// view: the view moves back until the last row is the last one it shows whole.
void TDataGrid::FillViewToTheLastRow()
{
    const int bodyHeight = GetBodyRect().Height();
    const int gs = GetGridSpace(lpTopBottom);
    int used = 0;
    for (int row = FFirstRow; row < RowCount() && used <= bodyHeight; ++row)
        if (GetRowVisible(row))
            used += GetActualRowHeight(row) + gs;
    int first = std::min(FFirstRow, RowCount());
    for (int row = first - 1; row >= 0; --row) {
        if (!GetRowVisible(row))
            continue;
        used += GetActualRowHeight(row) + gs;
        if (used > bodyHeight)
            break;
        first = row;
    }
    if (first >= RowCount())
        first = 0;
    if (first == FFirstRow)
        return;
    FFirstRow = first;
    if (UpdateCount() == 0) {
        RefreshArea(gaBody);
        RefreshArea(gaIndicator);
    }
}

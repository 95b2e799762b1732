// The scroll bars' ranges and the content movement they cause: the vertical bar counts visible rows, the
// horizontal one pixels. A step walks only the rows it scrolls past.

#include "controls/grid/column.h"
#include "controls/grid/columns.h"
#include "controls/grid/grid_control.h"
#include "platform/gui/windows/scroll_bars.h"
#include "platform/gui/windows/system_metrics.h"

#include <algorithm>

void TGxCustomGridControl::UpdateVertScrollBar()
{
    const int visible = RowCount() == 1 ? 0 : VisibleRows();
    const TRect body = GetBodyRect();
    int fitting = 0;
    int y = body.Top;
    for (int row = FFirstRow; row < RowCount() && fitting < visible; ++row) {
        if (!GetRowVisible(row))
            continue;
        y += GetActualRowHeight(row) + FGridSpace[lpTopBottom];
        if (y > body.Bottom)
            break;
        ++fitting;
    }
    // The bar follows the view: it stands on the first row shown, and neither a shorter range nor the
    // position scrolls the content.
    TGxScrollBar* bar = VertScrollBar();
    bar->BeginUpdate();
    if (fitting < visible) {
        bar->SetMax(visible);
        bar->SetPageSize(fitting + 1);
        bar->SetLargeChange(bar->PageSize());
    } else {
        bar->SetMax(0);
    }
    bar->SetPosition(CountVisibleRows(0, FFirstRow));
    bar->EndUpdate();
}

void TGxCustomGridControl::UpdateHorzScrollBar()
{
    TGxScrollBar* bar = HorzScrollBar();
    if (FGridStyle == gsSlides) {
        bar->SetVisible(false);
        return;
    }
    int total = IndicatorWidth();
    for (int index = 0; index < FColumns->Count(); ++index)
        if (const TGxCustomColumn* column = FColumns->GetItem(index); column->Visible())
            total += column->Width();
    const int page = ClientWidth() + 1;
    // The page step follows the new page, never the one the bar had before.
    const int large = std::max(page - 10, 1);
    int trackPosition = bar->Position();
    if (HandleAllocated()) {
        TScrollInfo track;
        track.fMask = SIF_TRACKPOS;
        GetScrollInfo(Handle(), SB_HORZ, track);
        trackPosition = track.nTrackPos;
    }
    const bool visible = ClientWidth() > GetSystemMetrics(SM_CXHSCROLL) && total > page;
    bar->SetValues(total, page, large);
    bar->SetVisible(visible);
    if (visible)
        bar->SetPosition(trackPosition);
}

int TGxCustomGridControl::GetHorzScrollDelta(int oldPos, int newPos)
{
    return oldPos - newPos;
}

// Moves FirstRow past the rows scrolled over (hidden ones too) and answers the pixels the content moves.
int TGxCustomGridControl::GetVertScrollDelta(int oldPos, int newPos)
{
    const int lines = FGridSpace[lpTop] + FGridSpace[lpBottom];
    int distance = 0;
    int counted = 0;
    if (newPos > oldPos) {
        const int steps = newPos - oldPos;
        int row = FFirstRow;
        for (; row < RowCount(); ++row) {
            if (!GetRowVisible(row))
                continue;
            if (counted + 1 > steps)
                break;
            ++counted;
            distance -= GetActualRowHeight(row) + lines;
        }
        FFirstRow = row;
    } else {
        const int steps = oldPos - newPos;
        for (int row = FFirstRow - 1; row >= 0 && counted < steps; --row) {
            FFirstRow = row;
            if (!GetRowVisible(row))
                continue;
            ++counted;
            distance += GetActualRowHeight(row) + lines;
        }
    }
    return distance;
}

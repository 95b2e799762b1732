// A row that comes into view or leaves it moves the painted body (ScrollWindowEx) instead of repainting it,
// and keeps FirstRow and the vertical bar in step.

#include "controls/grid/data_grid.h"
#include "platform/gui/windows/window_functions.h"

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
    } else {
        bar->BeginUpdate();
        bar->SetPosition(show || bar->IsLast() ? bar->Position() + 1 : bar->Position() - 1);
        bar->EndUpdate();
    }
    if (KV_OnAfterRowShow)
        KV_OnAfterRowShow(index, height, show);
    UpdateVertScrollBar();
}

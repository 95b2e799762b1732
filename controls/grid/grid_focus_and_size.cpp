// Focus with the two events the program's maker added, and the grid's answers to size, scroll and font
// messages. Size and scroll messages write an open editor's value before they close it, as leaving the grid
// does.

#include "controls/grid/column.h"
#include "controls/grid/columns.h"
#include "controls/grid/custom_grid.h"
#include "platform/gui/forms/screen.h"

#include <algorithm>

void TGxCustomGrid::FocusGained()
{
    if (RowCount() > 0) {
        if (GridStyle() == gsSlides) {
            RefreshSelectedSlides();
            RefreshSlide(SelectedRow(), false);
        } else {
            RefreshSelection();
        }
    } else if (Options().Contains(goInput)) {
        SetInputSelected(true);
        RefreshArea(gaInput);
    }
    Raise(KV_OnAfterSetFocus);
}

// Every drag, resize and press ends; KV_OnAfterKillFocus hears of it afterwards.
void TGxCustomGrid::FocusLost()
{
    HideHint();
    FHintPosition = hpNone;
    if (FGridState.Contains(gtColumnResizing)) {
        RefreshVerticalGuide(FLeftResizingGuide);
        RefreshVerticalGuide(FRightResizingGuide);
    }
    if (FResizingRow >= 0)
        RefreshHorizontalGuide(FRowSizingPos.Y);
    if (FGridState.Contains(gtRowMoving))
        Screen->SetCursor(crDefault);
    EraseDropIndicator();
    FGridState -= {gtColumnResizing, gtColumnHeaderDown, gtColumnMoving, gtRolling, gtRowMoving};
    if (GridStyle() == gsSlides)
        RefreshSelectedSlides();
    else
        RefreshSelection();
    if (Options().Contains(goHeader)) {
        RefreshColumn(FHoverColumn, gaHeader);
        RefreshColumn(FFocusedColumn, gaHeader);
    }
    FMouseDownRow = -1;
    FResizingRow = -1;
    FSizeProgressColumn = nullptr;
    FHoverColumn = nullptr;
    FMouseDownColumn = nullptr;
    FFocusedColumn = nullptr;
    Raise(KV_OnAfterKillFocus);
}

void TGxCustomGrid::SizeChanged()
{
    if (ClientHeight() != FOldHeight)
        ClientHeightChanged(ClientHeight());
    if (ClientWidth() != FOldWidth)
        ClientWidthChanged(ClientWidth());
    ApplyAndEndEditing();
}

// The footer moves with the bottom edge; a grid that grew takes rows above the view back into it while
// the space below the last row can hold them.
void TGxCustomGrid::ClientHeightChanged(int height)
{
    const int old = FOldHeight;
    const int low = std::min(old, height);
    const int high = std::max(old, height);
    if (GridStyle() == gsSlides) {
        RefreshRect({0, low, ClientWidth(), high});
    } else if (Options().Contains(goFooter)) {
        const int footerBlock = FooterSize() + 4 + GetGridSpace(lpBottom);
        RefreshArea(gaFooter);
        if (Options().Contains(goIndicator))
            RefreshRect({0, height - footerBlock, kIndicatorWidth, height});
        RefreshRect({0, low - footerBlock, ClientWidth(), high});
    }
    if (old < height) {
        ScrollRowsBackIntoView();
        FVertResizeKind = rkExpansion;
    } else {
        FVertResizeKind = rkShrink;
    }
    FOldHeight = height;
    UpdateVertScrollBar();
}

void TGxCustomGrid::ScrollRowsBackIntoView()
{
    const int lines = GetGridSpace(lpTopBottom);
    while (FFirstRow > 0) {
        const int previous = GetPrevVisibleRow(FFirstRow - 1);
        if (!GetRowVisible(previous))
            return;
        int free = GetBodyRect().Height();
        for (int row = FFirstRow; row < RowCount() && free >= 0; ++row)
            if (GetRowVisible(row))
                free -= GetActualRowHeight(row) + lines;
        const int firstRow = FFirstRow;
        if (free < GetActualRowHeight(previous) + lines)
            return;
        VertScrollBar()->MoveBy(-1);
        if (FFirstRow == firstRow)
            return;
    }
}

// The columns sharing the width follow it; slides anchored to the right keep their distance to the edge
// from the second size on (the first one only tells the width). The new width is taken first: a scroll bar
// that comes and goes while the columns change size re-enters here only for a width it has not seen.
void TGxCustomGrid::ClientWidthChanged(int width)
{
    const int old = FOldWidth;
    FOldWidth = width;
    if (HorzScrollPosition() > 0) {
        Invalidate();
    } else {
        const int left = std::min(old, width) - (GridStyle() == gsSlides ? 3 : 0);
        RefreshRect({left, 0, std::max(old, width), ClientHeight()});
    }
    if (old > 0)
        Columns()->AnchorSlides(old, width);
    Columns()->ResizeColumns(nullptr, false);
    UpdateHorzScrollBar();
    if (!Caption().empty() && VisibleRows() == 0)
        RefreshArea(gaBody);
}

void TGxCustomGrid::HorzScrollMessage(TMessage& message)
{
    ApplyAndEndEditing();
    const bool focusArea = !AppearanceOptions().Contains(aoAlphaBlendedSelection);
    if (focusArea)
        RefreshFocusArea();
    TGxCustomGridControl::Dispatch(message);
    if (focusArea)
        RefreshFocusArea();
}

void TGxCustomGrid::RefreshFocusArea()
{
    if (Options().Contains(goSelectFullRow))
        RefreshRow(SelectedRow(), false);
    else
        RefreshCell(SelectedColumn(), SelectedRow());
}

void TGxCustomGrid::ColumnsTakeGridFont()
{
    for (int index = 0; index < Columns()->Count(); ++index)
        if (TGxCustomColumn* column = Columns()->GetItem(index); column->ParentFont())
            column->SetParentFont(true);
}

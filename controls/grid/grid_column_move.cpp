// Moving a column by dragging its header: the floating drag box reports the pointer, the red arrows point
// at the gap the column would land in, and a drop outside the header strip hides the column where the grid
// allows it.

#include "controls/grid/column.h"
#include "controls/grid/column_drag_box.h"
#include "controls/grid/columns.h"
#include "controls/grid/custom_grid.h"
#include "controls/grid/drag_arrow.h"
#include "controls/grid/grid_cursors.h"
#include "platform/gui/forms/screen.h"
#include "platform/gui/graphics/gdi.h"

#include <algorithm>

// The box starts as the pressed header's copy in its place on the screen.
void TGxCustomGrid::StartColumnMove(int X, int Y)
{
    TGxCustomColumn* column = FMouseDownColumn;
    FGridState.Include(gtColumnMoving);
    FDragDropColumn = column;
    FColumnDragBox->Font()->Assign(Font());
    const TPoint topLeft = ClientToScreen({column->AbsoluteLeft(), 0});
    FColumnDragBox->SetBounds(topLeft.X, topLeft.Y, column->Width(), HeaderSize());
    const TPoint mouse = ClientToScreen({X, Y});
    FColumnDragBox->Show(mouse.X, mouse.Y, column, false);
}

// The header strip, from the left edge to the end of the columns and down to the body.
TRect TGxCustomGrid::DropZone() const
{
    return {0, 0, std::min(static_cast<int>(GetHeaderRect().Right), ClientWidth()) + 1,
            GetBodyRect().Top + 1};
}

// With goLockFixedCols a column moves only among the scrolling places.
bool TGxCustomGrid::FixedLockForbids(int fromPosition, int toPosition) const
{
    return Options().Contains(goLockFixedCols) && (fromPosition < FixedCols() || toPosition < FixedCols());
}

void TGxCustomGrid::DragBoxMove(int X, int Y)
{
    TGxCustomColumn* column = FDragDropColumn;
    const TPoint p = ScreenToClient({X, Y});
    if (column && PtInRect(DropZone(), p)) {
        const int target = GetNearestPosition(column, p.X);
        if (!FixedLockForbids(column->Position(), target)) {
            if (Columns()->GetPositionItem(target)->Visible())
                UpdateArrows(column->Position(), target, false);
            Screen->SetCursor(crDefault);
            return;
        }
    }
    HideArrows();
    Screen->SetCursor(crColumnNoDrag);
}

void TGxCustomGrid::DragBoxDrop(int X, int Y)
{
    Screen->SetCursor(crDefault);
    TGxCustomColumn* column = FDragDropColumn;
    const TPoint p = ScreenToClient({X, Y});
    if (column && PtInRect(DropZone(), p)) {
        const int target = GetNearestPosition(column, p.X);
        if (!FixedLockForbids(column->Position(), target))
            Columns()->ChangePosition(column->Position(), target);
    } else if (column && Options().Contains(goCanHideColumn)) {
        column->SetVisible(false);
    }
    if (column)
        RefreshColumn(column, gaHeader);
    FMouseDownColumn = nullptr;
    FFocusedColumn = nullptr;
    FDragDropColumn = nullptr;
    FMouseDownPoint = {-1, -1};
    HideArrows();
    FGridState -= {gtColumnMoving, gtColumnHeaderDown};
}

void TGxCustomGrid::HideArrows()
{
    FDownDragArrow->HideFloating();
    FUpDragArrow->HideFloating();
}

// Moving right, the arrows mark the target's right edge (a hidden column moved in always counts as moving
// right); otherwise its left edge. Their tips are centred on the gap, above and below the header.
void TGxCustomGrid::UpdateArrows(int curPosition, int newPosition, bool useSelf)
{
    if (curPosition == newPosition && !useSelf) {
        HideArrows();
        return;
    }
    const TGxCustomColumn* moved = Columns()->GetPositionItem(curPosition);
    const TGxCustomColumn* target = Columns()->GetPositionItem(newPosition);
    const TColumnLocation location = target->Location();
    const bool right =
        curPosition < newPosition && (!moved->Visible() || location == clMiddle || location == clRightSide);
    TPoint gap = ClientToScreen({target->Left() + (right ? target->Width() : 0), 0});
    if (newPosition >= FixedCols())
        gap.X -= HorzScrollPosition();
    FDownDragArrow->SetBounds(gap.X - 4, gap.Y - 12, 9, 9);
    FUpDragArrow->SetBounds(gap.X - 4, gap.Y + HeaderSize() - 1, 9, 9);
    FDownDragArrow->ShowFloating();
    FUpDragArrow->ShowFloating();
}

// Moving a row by dragging it: the red drop indicator between the rows, scrolling at the edges of the view,
// and the drop that the application may refuse.

#include "controls/grid/custom_grid.h"
#include "platform/gui/forms/screen.h"
#include "platform/gui/graphics/canvas.h"

#include <array>
#include <cstdlib>

namespace {

// The three rectangles the drop indicator covers at y on a row rectangle ending at right: the two arrow
// heads and the line between them.
std::array<TRect, 3> DropIndicatorRects(int y, int right)
{
    return {TRect{0, y - 5, 7, y + 6}, TRect{right - 7, y - 5, right + 1, y + 6}, TRect{7, y, right, y + 1}};
}

} // namespace

// A pressed row dragged more than 5 pixels starts moving; dropping at the first row in view or one past
// the last steps the view that way.
void TGxCustomGrid::MoveRowDrag(TShiftState shift, int X, int Y)
{
    if (!FGridState.Contains(gtRowMoving)) {
        if (FMouseDownRow == -1 || !Options().Contains(goRowMoving) || !shift.Contains(ssLeft) ||
            (std::abs(X - FMouseDownPoint.X) <= 5 && std::abs(Y - FMouseDownPoint.Y) <= 5))
            return;
        FGridState.Include(gtRowMoving);
        Screen->SetCursor(crDrag);
    }
    FMoveRow = GetNearestRow(X, Y);
    if (FMoveRow == FOldRowPosition)
        return;
    EraseDropIndicator();
    if (FMoveRow == FFirstRow)
        VertScrollBar()->Prior();
    else if (FMoveRow == LastRowInView() + 1)
        VertScrollBar()->Next();
    ShowDropIndicator(FMoveRow);
}

// Below the pressed row the target is one less, since the pressed row leaves its place first.
void TGxCustomGrid::DropRow(int X, int Y)
{
    EraseDropIndicator();
    Screen->SetCursor(crDefault);
    int target = GetNearestRow(X, Y);
    if (target >= 0) {
        if (FMouseDownRow < target)
            --target;
        if (DoRowMove(FMouseDownRow, target) && FMouseDownRow != -1) {
            MoveRow(FMouseDownRow, target);
            Raise(OnAfterRowMove, FMouseDownRow, target);
            SetSelectedRow(target);
        }
    }
    FGridState.Exclude(gtRowMoving);
    FMouseDownRow = -1;
    FCanDeselect = false;
}

// The line the indicator marks: one pixel above the row's top unless it is the first row in view, across
// the row.
TRect TGxCustomGrid::DropIndicatorLine(int row) const
{
    const TRect rect = GetRowRect(row);
    const int y = row == FFirstRow ? rect.Top : rect.Top - 1;
    return {0, y, rect.Right, y + 1};
}

void TGxCustomGrid::ShowDropIndicator(int row)
{
    if (row < 0)
        return;
    FOldRowPosition = row;
    const TRect line = DropIndicatorLine(row);
    for (const TRect& part : DropIndicatorRects(line.Top, line.Right))
        RefreshRect(part);
}

void TGxCustomGrid::EraseDropIndicator()
{
    if (FOldRowPosition < 0)
        return;
    const TRect line = DropIndicatorLine(FOldRowPosition);
    FOldRowPosition = -1;
    for (const TRect& part : DropIndicatorRects(line.Top, line.Right))
        RefreshRect(part);
}

// Two red arrow heads at the row's edges pointing at each other and a line between them.
void TGxCustomGrid::PaintDropIndicator(int row)
{
    const TRect line = DropIndicatorLine(row);
    const int y = line.Top;
    const int R = line.Right;
    TCanvas& canvas = *Canvas();
    canvas.Pen()->SetColor(clRed);
    canvas.Pen()->SetStyle(psSolid);
    canvas.Brush()->SetColor(clRed);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Polygon({{0, y - 2}, {2, y - 2}, {2, y - 5}, {7, y}, {2, y + 5}, {2, y + 2}, {0, y + 2}});
    canvas.Polygon({{R - 1, y - 2},
                    {R - 3, y - 2},
                    {R - 3, y - 5},
                    {R - 8, y},
                    {R - 3, y + 5},
                    {R - 3, y + 2},
                    {R - 1, y + 2}});
    canvas.MoveTo(8, y);
    canvas.LineTo(R - 8, y);
}

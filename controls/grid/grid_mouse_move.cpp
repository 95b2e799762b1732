// Mouse moves: the pointer's shape, hot headers, header, footer and cell hints, the hover of a column's play,
// and the thresholds that start a column move or a row move; the pointer leaving the grid and the program
// going to the background.

#include "controls/grid/column.h"
#include "controls/grid/column_drag_box.h"
#include "controls/grid/column_parts.h"
#include "controls/grid/column_play.h"
#include "controls/grid/columns.h"
#include "controls/grid/custom_grid.h"
#include "controls/grid/grid_cursors.h"
#include "platform/gui/forms/screen.h"
#include "platform/gui/windows/window_functions.h"

#include <cstdlib>

namespace {

bool BeyondThreshold(TPoint from, int X, int Y, int threshold)
{
    return std::abs(X - from.X) > threshold || std::abs(Y - from.Y) > threshold;
}

} // namespace

void TGxCustomGrid::MouseMove(TShiftState shift, int X, int Y)
{
    TGxCustomGridControl::MouseMove(shift, X, Y);
    const TPoint previousCell = FMouseOverCell;
    FMouseOverCell = {-1, -1};
    if (Columns()->Count() == 0 || ViewState().Contains(vsRolling))
        return;
    if (FGridState.Contains(gtColumnResizing)) {
        MoveColumnResize(X);
        return;
    }
    if (Options().Contains(goRowResizing) && FResizingRow >= 0) {
        MoveRowResize(X, Y);
        return;
    }
    const TGridArea area = AreaAt(X, Y);
    if (area == gaHeader) {
        if (HeaderMove(shift, X, Y))
            return;
    } else {
        LeaveHeader();
    }
    if (area != gaFooter && FHintPosition == hpFooter) {
        HideHint();
        FFooterHintColumn = nullptr;
    }
    if (area != gaBody)
        LeaveBody();
    switch (area) {
    case gaFooter:
        FooterMove(X, Y);
        break;
    case gaBody:
        HoverMove(shift, X, Y, previousCell);
        break;
    case gaIndicator:
        IndicatorMove(X, Y);
        break;
    case gaNone:
        HideHint();
        SetCursor(crDefault);
        break;
    default:
        break;
    }
}

// The size grip's pointer, the start of a column move, or the hover: hot header and header hint. True when
// a column move started.
bool TGxCustomGrid::HeaderMove(TShiftState shift, int X, int Y)
{
    FSizeReadyColumn = GetColumnSizeGripAtPos(X, Y);
    SetCursor(FSizeReadyColumn ? crHorzSplit : crDefault);
    if (FMouseDownColumn && shift.Contains(ssLeft) &&
        !FMouseDownColumn->Options().Contains(coDisableMoving) &&
        !Options().Contains(goDisableColumnMoving) && BeyondThreshold(FMouseDownPoint, X, Y, 3)) {
        StartColumnMove(X, Y);
        return true;
    }
    TGxCustomColumn* old = FHoverColumn;
    FHoverColumn = GetColumnAtPos({X, Y});
    if (FHoverColumn && !FHoverColumn->Header()->Hint().empty()) {
        if (FHeaderHintColumn != FHoverColumn) {
            FHeaderHintColumn = FHoverColumn;
            ShowColumnHint(FHoverColumn->AbsoluteLeft(), HeaderSize() + 2, FHoverColumn->Header()->Hint());
            FHintPosition = hpHeader;
        }
    } else {
        HideHint();
        FHeaderHintColumn = nullptr;
    }
    if (old != FHoverColumn && CurrentStyleDisplay()->StyleDisplayAttributes().Contains(sdaHoverEnabled)) {
        RefreshColumn(FHoverColumn, gaHeader);
        RefreshColumn(old, gaHeader);
    }
    return false;
}

void TGxCustomGrid::LeaveHeader()
{
    if (FHintPosition == hpHeader)
        HideHint();
    if (FSizeReadyColumn)
        SetCursor(crDefault);
    TGxCustomColumn* old = FHoverColumn;
    FHeaderHintColumn = nullptr;
    FSizeReadyColumn = nullptr;
    FHoverColumn = nullptr;
    if (old)
        RefreshColumn(old, gaHeader);
}

void TGxCustomGrid::FooterMove(int X, int Y)
{
    TGxCustomColumn* column = GetColumnAtPos({X, Y});
    if (!column || column->Footer()->Hint().empty()) {
        HideHint();
        FFooterHintColumn = nullptr;
        return;
    }
    if (column == FFooterHintColumn)
        return;
    FFooterHintColumn = column;
    ShowColumnHint(column->AbsoluteLeft(), ClientHeight() + 2, column->Footer()->Hint());
    FHintPosition = hpFooter;
}

// The play of the cell under the pointer follows it (the hot check box); a pressed row far enough away
// starts a row move; the cell's pointer shape and hint follow the cell.
void TGxCustomGrid::HoverMove(TShiftState shift, int X, int Y, TPoint previousCell)
{
    FMouseOverCell = GetCellAtPos({X, Y});
    if (FMouseOverCell != FHoverCell) {
        LeaveBody();
        FHoverCell = FMouseOverCell;
    }
    const TPoint cell = FMouseOverCell;
    if (CellBounds(cell.X, cell.Y) && !ReadOnly()) {
        TGxCustomColumn* column = Columns()->GetItem(cell.X);
        if (TColumnPlay* play = column->Play()) {
            const TRect rect = GetCellRect(cell.X, cell.Y);
            PreparePlay(cell.X, cell.Y, rect, false);
            play->MouseMove(shift, X - rect.Left, Y - rect.Top);
        }
    }
    MoveRowDrag(shift, X, Y);
    if (!CellBounds(cell.X, cell.Y)) {
        SetCursor(crDefault);
        FHintPosition = hpNone;
        HideHint();
        return;
    }
    if (cell != EditingCell() || !Editing())
        SetCursor(Columns()->GetItem(cell.X)->Cursor());
    CellHintMove(cell, previousCell);
}

// A cell whose text does not fit shows it whole over the cell; another cell shows its hint. The hint of
// one cell never stays over another.
void TGxCustomGrid::CellHintMove(TPoint cell, TPoint previousCell)
{
    if (cell == previousCell)
        return;
    if (Editing() && cell == EditingCell()) {
        FHintPosition = hpNone;
        HideHint();
        return;
    }
    if (Columns()->GetItem(cell.X)->Options().Contains(coShowTextFitHint) && !IsTextFit(cell.X, cell.Y)) {
        ShowTextFitHint(cell.X, cell.Y);
        return;
    }
    const std::string hint = GetCellHint(cell.X, cell.Y);
    if (hint.empty()) {
        FHintPosition = hpNone;
        HideHint();
        return;
    }
    ShowCellHint(cell.X, cell.Y, hint);
}

// The hint of a cell goes, and the play of the cell the pointer was over hears that it left.
void TGxCustomGrid::LeaveBody()
{
    if (FHintPosition == hpTextFit || FHintPosition == hpCellHint) {
        FHintPosition = hpNone;
        HideHint();
    }
    const TPoint old = FHoverCell;
    FHoverCell = {-1, -1};
    if (!CellBounds(old.X, old.Y))
        return;
    if (TColumnPlay* play = Columns()->GetItem(old.X)->Play())
        play->MouseLeave();
}

void TGxCustomGrid::IndicatorMove(int X, int Y)
{
    const TRect body = GetBodyRect();
    if (Options().Contains(goRowResizing) && GetRowSizeGripAtPos(X, Y) >= 0)
        SetCursor(crVertSplit);
    else if (RowCount() > 0 && Y >= body.Top && Y < GetRowRect(LastRowInView()).Bottom)
        SetCursor(crIndicatorSelect);
    else
        SetCursor(crDefault);
}

void TGxCustomGrid::MouseLeft()
{
    EraseDropIndicator();
    HideHint();
    FHintPosition = hpNone;
    FHeaderHintColumn = nullptr;
    TGxCustomColumn* old = FHoverColumn;
    FHoverColumn = nullptr;
    if (old)
        RefreshColumn(old, gaHeader);
}

// A drag cannot go on in the background: the press, the drag box and the arrows are let go.
void TGxCustomGrid::AppDeactivated()
{
    TGxCustomColumn* pressedHeader = FFocusedColumn;
    FMouseDownColumn = nullptr;
    FMouseDownPoint = {-1, -1};
    FMouseDownCell = {-1, -1};
    FDragDropColumn = nullptr;
    FFocusedColumn = nullptr;
    FGridState -= {gtColumnMoving, gtColumnHeaderDown};
    if (pressedHeader)
        RefreshColumn(pressedHeader, gaHeader);
    HideArrows();
    if (FColumnDragBox->HandleAllocated() && GetCapture() == FColumnDragBox->Handle())
        ReleaseCapture();
    FColumnDragBox->HideFloating();
    Screen->SetCursor(crDefault);
}

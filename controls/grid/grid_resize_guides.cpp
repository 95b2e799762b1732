// Resizing a column by its header edge and a row by its lower edge in the indicator column, with the
// inverted guide lines that show the new edges while the button is held.

#include "controls/grid/column.h"
#include "controls/grid/columns.h"
#include "controls/grid/custom_grid.h"
#include "platform/gui/graphics/canvas.h"

#include <algorithm>

namespace {

// The smallest height a row can be given by its grip.
constexpr int kMinRowHeight = 8;

} // namespace

// The guide lines start at the column's left edge (one pixel further left unless it is the first column)
// and at its right edge.
void TGxCustomGrid::StartColumnResize(TGxCustomColumn* column)
{
    FSizeProgressColumn = column;
    FGridState.Include(gtColumnResizing);
    FSizeDelta = 0;
    const int left = column->AbsoluteLeft();
    FLeftResizingGuide = column->Index() == 0 ? left : left - 1;
    FRightResizingGuide = left + column->Width() - 1;
    RefreshVerticalGuide(FLeftResizingGuide);
    RefreshVerticalGuide(FRightResizingGuide);
}

// The right guide follows the pointer, never nearer the left edge than the column's MinWidth.
void TGxCustomGrid::MoveColumnResize(int X)
{
    TGxCustomColumn* column = FSizeProgressColumn;
    RefreshVerticalGuide(FRightResizingGuide);
    const int right = column->AbsoluteLeft() + column->Width();
    FSizeDelta = X - right;
    if (column->Width() + FSizeDelta < column->MinWidth())
        FSizeDelta = column->MinWidth() - column->Width();
    FRightResizingGuide = right + FSizeDelta - 1;
    RefreshVerticalGuide(FRightResizingGuide);
}

void TGxCustomGrid::EndColumnResize()
{
    TGxCustomColumn* column = FSizeProgressColumn;
    FSizeProgressColumn = nullptr;
    FSizeReadyColumn = nullptr;
    FGridState.Exclude(gtColumnResizing);
    RefreshVerticalGuide(FLeftResizingGuide);
    RefreshVerticalGuide(FRightResizingGuide);
    if (column)
        column->SetWidth(column->Width() + FSizeDelta);
}

// The guide never comes nearer the row's top than the smallest height, from the press on: a click on the
// grip of a low row leaves it at least that high.
void TGxCustomGrid::StartRowResize(int row, int X, int Y)
{
    FResizingRow = row;
    FRowSizingPos = {X, std::max(Y, GetRowTop(row) + kMinRowHeight)};
    RefreshHorizontalGuide(FRowSizingPos.Y);
}

void TGxCustomGrid::MoveRowResize(int X, int Y)
{
    RefreshHorizontalGuide(FRowSizingPos.Y);
    FRowSizingPos = {X, std::max(Y, GetRowTop(FResizingRow) + kMinRowHeight)};
    RefreshHorizontalGuide(FRowSizingPos.Y);
}

void TGxCustomGrid::EndRowResize()
{
    const int row = FResizingRow;
    FResizingRow = -1;
    RefreshHorizontalGuide(FRowSizingPos.Y);
    SetRowHeight(row, FRowSizingPos.Y - GetRowTop(row));
}

void TGxCustomGrid::RefreshVerticalGuide(int x)
{
    RefreshRect({x, 0, x + 1, ClientHeight()});
}

void TGxCustomGrid::RefreshHorizontalGuide(int y)
{
    RefreshRect({0, y, ClientWidth(), y + 1});
}

// Drawn over what the paint drew, inverting it, so the lines show on any colour.
void TGxCustomGrid::PaintGuides()
{
    const bool columnResize = FGridState.Contains(gtColumnResizing);
    if (!columnResize && FResizingRow < 0)
        return;
    TCanvas& canvas = *Canvas();
    canvas.Pen()->SetStyle(psSolid);
    canvas.Pen()->SetWidth(1);
    canvas.Pen()->SetMode(pmNot);
    if (columnResize) {
        for (const int x : {FLeftResizingGuide, FRightResizingGuide}) {
            canvas.MoveTo(x, 0);
            canvas.LineTo(x, ClientHeight());
        }
    }
    if (FResizingRow >= 0) {
        canvas.MoveTo(0, FRowSizingPos.Y);
        canvas.LineTo(ClientWidth(), FRowSizingPos.Y);
    }
    canvas.Pen()->SetMode(pmCopy);
}

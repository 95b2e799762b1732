// One cell: its colours and state, grid lines, background and content, in a clip that is put back on
// every path; empty cells past the last row, and the focus rectangle.

#include "controls/grid/color_blend.h"
#include "controls/grid/column.h"
#include "controls/grid/column_display.h"
#include "controls/grid/columns.h"
#include "controls/grid/grid_control.h"
#include "controls/grid/providers.h"
#include "controls/grid/saved_clip.h"
#include "support/system_colors.h"

#include <algorithm>

namespace {

// Resets the painting cell when the cell's painting ends, also when a handler raises.
class TPaintingCellReset
{
public:
    explicit TPaintingCellReset(TPoint& cell) : cell_(cell) {}
    ~TPaintingCellReset() { cell_ = {-1, -1}; }
    TPaintingCellReset(const TPaintingCellReset&) = delete;
    TPaintingCellReset& operator=(const TPaintingCellReset&) = delete;

private:
    TPoint& cell_;
};

} // namespace

// The cell's rectangle widened by the grid spaces, never left of the scrolling area for a scrolling
// column (fixed columns are never overdrawn) and never below the body.
TRect TGxCustomGridControl::ClipCellRect(TGxCustomColumn* column, const TRect& cellRect) const
{
    TRect clip = cellRect;
    if (!IsFixed(column))
        clip.Left = std::max(clip.Left, GetScrollRect().Left);
    clip.Left -= FGridSpace[lpLeft];
    clip.Top -= FGridSpace[lpTop];
    clip.Right += FGridSpace[lpRight];
    clip.Bottom = std::min(clip.Bottom + FGridSpace[lpBottom], GetBodyRect().Bottom);
    return clip;
}

void TGxCustomGridControl::PaintCell(int ACol, int ARow, const TRect& cellRect)
{
    TGxCustomColumn* column = FColumns->GetItem(ACol);
    TCanvas& canvas = *Canvas();
    if (!column->Visible() || !RectVisible(canvas, cellRect))
        return;
    canvas.SetFont(column->Font());
    TColor cellColor = GetActualCellColor(ACol, ARow);
    TColor gridColor = FGridLinesColor;
    bool defaultDrawing = true;
    TCellState state = SelectionState(ACol, ARow);
    Raise(OnCellColoring, ACol, ARow, cellColor, gridColor, state);
    if (column->Sorted() && !state.Contains(csSelected))
        cellColor = SortedShade(cellColor);
    TRect rect = cellRect;
    {
        TSavedClip clip(canvas);
        clip.Intersect(ClipCellRect(column, cellRect));
        canvas.Pen()->SetColor(clBlack);
        if (FOptions.Contains(goGrid) && FGridStyle == gsReport)
            DrawCellGrid(ACol, ARow, rect, gridColor);
        ExcludeGrid(rect);
        if (FAppearanceOptions.Contains(aoDontFillCells) || column->DrawingOptions() == doCustomOnly)
            defaultDrawing = false;
        TPaintingCellReset reset(FPaintingCell);
        FPaintingCell = {ACol, ARow};
        Raise(OnDrawCellBackground, ACol, ARow, rect, state, defaultDrawing);
        PaintCellContent(ACol, ARow, column, rect, state, cellColor, defaultDrawing);
        if (!FOptions.Contains(goSelectFullRow) && ACol == FSelectedColumn && ARow == FSelectedRow)
            PaintFocusRect();
    }
    if (!ComponentState().Contains(csDesigning))
        Raise(KV_AfterDrawCell, ACol, ARow, rect, state);
}

// What the column's display paints: the background, the content, the hint mark, the custom drawing.
void TGxCustomGridControl::PaintCellContent(int ACol, int ARow, TGxCustomColumn* column, TRect cellRect,
                                            TCellState state, TColor cellColor, bool defaultDrawing)
{
    TCanvas& canvas = *Canvas();
    TColumnDisplay* display = column->Display();
    if (display) {
        display->SetHandle(Handle());
        display->SetCanvas(&canvas);
        display->SetClientRect(cellRect);
        display->SetImageIndex(GetRowImageIndex(ARow));
        display->SetHighlightedTextColor(FHighlightedTextColor);
        display->SetHighlighted(state.Contains(csSelected));
        PrepareDisplay(ACol, ARow, display);
    }
    if (FGridState.Contains(gtEdit) && FEditingCell == TPoint{ACol, ARow}) {
        TRect editor = GetEditorRect();
        column->AdjustEditRect(GetRowLevel(ARow), editor);
        ExcludeClipRect(canvas, editor.Left + 1, editor.Top + 1, editor.Right - 2, editor.Bottom - 1);
    }
    DoColumnSetCell(column, ACol, ARow, cellRect, state);
    if (defaultDrawing) {
        if (display) {
            display->PaintBackground(cellColor);
        } else {
            canvas.Brush()->SetStyle(bsSolid);
            canvas.Brush()->SetColor(cellColor);
            canvas.FillRect(cellRect);
        }
    }
    const TDrawingOptions drawing = column->DrawingOptions();
    if (display) {
        display->SetSelected(ACol == FSelectedColumn && ARow == FSelectedRow);
        display->SetClientRect({cellRect.Left + column->Padding(), cellRect.Top,
                                cellRect.Right - column->Padding(), cellRect.Bottom});
        if ((drawing == doNormal || drawing == doCustom) && !IsCellHidden(ACol, ARow) &&
            PrepareCell(ACol, ARow, state))
            display->Paint();
        if (FAppearanceOptions.Contains(aoHintMarks) && !GetCellHint(ACol, ARow).empty())
            display->DrawHintMark();
    }
    if (drawing != doNormal)
        Raise(OnCustomDrawCell, ACol, ARow, cellRect, state);
}

// The column's OnSetCell runs with painting held.
void TGxCustomGridControl::DoColumnSetCell(TGxCustomColumn* column, int ACol, int ARow, const TRect& cellRect,
                                           TCellState state)
{
    if (!column->OnSetCell)
        return;
    BeginUpdate();
    try {
        column->OnSetCell(column, ACol, ARow, cellRect, state);
    } catch (...) {
        EndUpdate(false);
        throw;
    }
    EndUpdate(false);
}

void TGxCustomGridControl::DrawCellGrid(int ACol, int ARow, const TRect& r, TColor gridColor)
{
    TCanvas& canvas = *Canvas();
    const bool lastRow = ARow == RowCount() - 1;
    auto line = [&canvas](TColor color, TPoint from, TPoint to) {
        canvas.Pen()->SetColor(color);
        canvas.Polyline({from, to});
    };
    if (FGridSpace[lpBottom] > 0) {
        TColor color = lastRow && FGridLinesStyle == lsFramed ? clBlack : gridColor;
        if (lastRow && FKV_LastRowHorizontalGridColor != clNone)
            color = FKV_LastRowHorizontalGridColor;
        line(color, {r.Left, r.Bottom}, {r.Right + 1, r.Bottom});
    }
    if (FGridSpace[lpTop] > 0)
        line(clBtnHighlight, {r.Left, r.Top - 1}, {r.Right + 1, r.Top - 1});
    if (FGridSpace[lpLeft] > 0)
        line(clBtnHighlight, {r.Left, r.Top - 1}, {r.Left, r.Bottom + 1});
    if (FGridSpace[lpRight] >= 1) {
        TColor color = gridColor;
        if (RowExist(ARow) && FColumns->GetItem(ACol)->Location() == clRightSide) {
            if (FGridLinesStyle == lsFramed)
                color = clBlack;
            if (FKV_LastColVerticalGridColor != clNone)
                color = FKV_LastColVerticalGridColor;
        }
        line(color, {r.Right - 1, r.Top - 1}, {r.Right - 1, r.Bottom + 1});
    }
}

void TGxCustomGridControl::PaintEmptyCell(int ACol, int row, const TRect& cellRect)
{
    TGxCustomColumn* column = FColumns->GetItem(ACol);
    TCanvas& canvas = *Canvas();
    if (!RectVisible(canvas, cellRect))
        return;
    TColor cellColor = Color();
    if (column->Sorted() && FAppearanceOptions.Contains(aoIndicateSortedColumn))
        cellColor = BlendColor(clBlack, cellColor, 10);
    TColor gridColor =
        FGridLinesStyle == lsActiveRows || FGridLinesStyle == lsActiveHorzOnly ? cellColor : FGridLinesColor;
    TSavedClip clip(canvas);
    clip.Intersect(ClipCellRect(column, cellRect));
    Raise(OnCellColoring, ACol, row, cellColor, gridColor, TCellState{csEmpty});
    TRect rect = cellRect;
    if (FOptions.Contains(goGrid))
        DrawCellGrid(ACol, row, rect, gridColor);
    ExcludeGrid(rect);
    bool defaultDrawing = true;
    Raise(OnDrawCellBackground, ACol, row, rect, TCellState{csEmpty}, defaultDrawing);
    if (!defaultDrawing)
        return;
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(cellColor);
    canvas.FillRect(rect);
}

void TGxCustomGridControl::PaintFocusRect()
{
    if (!CellBounds(FSelectedColumn, FSelectedRow) || FSelectedRow < FFirstRow || FInputSelected ||
        !Focused() || FAppearanceOptions.Contains(aoHideFocus) || FKV_DoNotDrawFocusRect)
        return;
    const TRect body = GetBodyRect();
    TRect rect;
    TSavedClip clip(*Canvas());
    if (FOptions.Contains(goSelectFullRow)) {
        const int top = GetRowTop(FSelectedRow);
        rect = {IndicatorWidth() - HorzScrollPosition(), top, ColumnsRight(),
                top + GetRowHeight(FSelectedRow)};
        ExcludeGrid(rect);
        rect.Left = std::max(rect.Left, body.Left);
    } else {
        rect = GetCellRect(FSelectedColumn, FSelectedRow);
        ExcludeGrid(rect);
        clip.Intersect(ClipCellRect(FColumns->GetItem(FSelectedColumn), rect));
    }
    if (rect.Right > body.Left && rect.Left < body.Right && rect.Bottom > body.Top && rect.Top < body.Bottom)
        TGraphicsProvider::DrawFocused(*Canvas(), rect, FAppearanceOptions.Contains(aoAlphaBlendedSelection));
}

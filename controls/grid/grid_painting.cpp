// The paint pass: rows and their indicator cells, then headers, input row and footers through the current
// style display; the space right of the columns, the caption of an empty grid, and the slides layout.

#include "controls/grid/color_blend.h"
#include "controls/grid/column.h"
#include "controls/grid/column_parts.h"
#include "controls/grid/columns.h"
#include "controls/grid/grid_control.h"
#include "controls/grid/providers.h"
#include "controls/grid/saved_clip.h"
#include "controls/grid/text_measuring.h"
#include "controls/grid/ux_themes.h"
#include "support/system_colors.h"

void TGxCustomGridControl::Paint()
{
    TGxScrollControl::Paint();
    if (FUpdateCount > 0)
        return;
    FCurrentStyleDisplay->SetCanvas(Canvas());
    FCurrentStyleDisplay->SetUseThemes(FEnableVisualStyles && UxThemesActive());
    if (FGridStyle == gsReport) {
        SetScrollClipRects();
        PaintReport();
        PaintSpaceRightOfColumns();
    } else {
        if (FOptions.Contains(goHeader) && UxThemesActive() && FHeaderStyle == hsAuto)
            FCurrentStyleDisplay->DrawInactiveHeader({ColumnsRight(), 0, ClientWidth(), FHeaderSize});
        SetScrollClipRects();
        PaintSlides();
    }
    if (VisibleRows() == 0)
        PaintCaption();
    Raise(OnPostDraw);
}

void TGxCustomGridControl::SetScrollClipRects()
{
    const TRect body = GetBodyRect();
    if (FGridStyle == gsReport) {
        SetHorzScrollClipRect({GetFixedWidth() + body.Left, 0, ClientWidth(), ClientHeight()});
        SetVertScrollClipRect({0, body.Top, ClientWidth(), body.Bottom});
    } else {
        SetHorzScrollClipRect(ClientRect());
        SetVertScrollClipRect({0, body.Top, ClientWidth(), ClientHeight()});
    }
}

void TGxCustomGridControl::PaintReport()
{
    PaintRows();
    PaintHeaderAndFooter();
}

// Right of the last column: the grid's colour, under an inactive themed header in the automatic style.
void TGxCustomGridControl::PaintSpaceRightOfColumns()
{
    const int right = ColumnsRight();
    if (right >= ClientWidth())
        return;
    int top = 0;
    if (UxThemesActive() && FHeaderStyle == hsAuto && FOptions.Contains(goHeader)) {
        FCurrentStyleDisplay->DrawInactiveHeader({right, 0, ClientWidth(), FHeaderSize});
        top = GetInputRect().Top;
    }
    Canvas()->Brush()->SetStyle(bsSolid);
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect({right, top, ClientWidth(), ClientHeight()});
}

void TGxCustomGridControl::PaintCaption()
{
    TCanvas& canvas = *Canvas();
    canvas.SetFont(Font());
    if (!Enabled())
        canvas.Font()->SetColor(clGrayText);
    const TRect body = GetBodyRect();
    const int horz = HorzScrollPosition();
    const int top = body.Top + 4;
    const TRect rect{body.Left - horz, top, ClientWidth() - horz, top + WideTextHeight(canvas, FCaption)};
    TGraphicsProvider::DrawTextRect(canvas, rect, taCenter, FCaption, bdLeftToRight);
}

// Rows from FirstRow down to the body's lower edge; past the last row empty cells fill the body.
void TGxCustomGridControl::PaintRows()
{
    const TRect body = GetBodyRect();
    int y = body.Top;
    FLastRow = FFirstRow;
    const bool indicator = FOptions.Contains(goIndicator);
    while (y < body.Bottom) {
        const int row = FLastRow;
        if (row >= RowCount()) {
            y += FGridSpace[lpTop];
            PaintRowCells(row, y, GetRowHeight(row), true);
            if (indicator)
                PaintIndicator(row, false, false);
            y += FRowSize + FGridSpace[lpBottom];
        } else if (GetRowVisible(row)) {
            const int height = GetRowHeight(row);
            y += FGridSpace[lpTop];
            PaintRowCells(row, y, height, false);
            if (indicator) {
                const bool selected = row == FSelectedRow && !FInputSelected;
                PaintIndicator(row, selected, !FInputSelected && (GetSelected(row) || row == FSelectedRow));
            }
            y += height + FGridSpace[lpBottom];
        }
        ++FLastRow;
    }
    if (FOptions.Contains(goSelectFullRow))
        PaintFocusRect();
}

bool TGxCustomGridControl::IsFixed(const TGxCustomColumn* column) const
{
    return column->Position() < FColumns->FixedCols();
}

int TGxCustomGridControl::ColumnLeft(const TGxCustomColumn* column) const
{
    return column->Left() - (IsFixed(column) ? 0 : HorzScrollPosition());
}

// A scrolling column that ends left of the fixed area is hidden behind it.
bool TGxCustomGridControl::LeftOfFixedArea(const TGxCustomColumn* column, int x) const
{
    return !IsFixed(column) && x + column->Width() < GetFixedWidth();
}

void TGxCustomGridControl::PaintRowCells(int row, int y, int height, bool empty)
{
    const int bodyBottom = GetBodyRect().Bottom;
    for (int place = 0; place < FColumns->Count(); ++place) {
        TGxCustomColumn* column = FColumns->GetPositionItem(place);
        if (!column->Visible())
            continue;
        const int x = ColumnLeft(column);
        if (LeftOfFixedArea(column, x) || x > ClientWidth() || x + column->Width() < 0)
            continue;
        const TRect cell = Bounds(x, y, column->Width(), height);
        if (empty || (SkipPartialRows() && y + height + FGridSpace[lpBottom] > bodyBottom))
            PaintEmptyCell(column->Index(), row, cell);
        else
            PaintCell(column->Index(), row, cell);
    }
}

void TGxCustomGridControl::PaintIndicator(int index, bool selected, bool highlighted)
{
    const int top = GetRowTop(index);
    const TRect rect{0, top - FGridSpace[lpTop], kIndicatorWidth,
                     top + RowHeightOrDefault(index) + FGridSpace[lpBottom]};
    if (FIndicatorDrawingOptions == doNormal || FIndicatorDrawingOptions == doBackgroundOnly)
        FCurrentStyleDisplay->DrawIndicator(rect, index, selected, highlighted);
    if (FIndicatorDrawingOptions == doNormal || FIndicatorDrawingOptions == doCustom)
        FCurrentStyleDisplay->DrawIndicatorState(rect, selected, highlighted);
    if (FIndicatorDrawingOptions != doNormal)
        Raise(OnCustomDrawIndicator, index, rect, selected, highlighted);
}

void TGxCustomGridControl::PaintHeaderAndFooter()
{
    TStyleDisplay& display = *FCurrentStyleDisplay;
    TCanvas& canvas = *Canvas();
    display.OnHeaderDraw = [this](TObject*, int index, const TRect& rect) {
        DoCustomDrawHeader(index, rect);
    };
    display.OnDraw = [this](TObject*, int index, const TRect& rect) { DoCustomDrawFooter(index, rect); };
    const TRect scroll = GetScrollRect();
    for (int place = 0; place < FColumns->Count(); ++place) {
        TGxCustomColumn* column = FColumns->GetPositionItem(place);
        if (!column->Visible())
            continue;
        const int x = ColumnLeft(column);
        if (x > ClientWidth())
            break;
        if (LeftOfFixedArea(column, x))
            continue;
        TSavedClip clip(canvas);
        if (!IsFixed(column))
            clip.Intersect(scroll);
        canvas.SetFont(column->Header()->ParentFont() ? Font() : column->Header()->Font());
        if (FOptions.Contains(goHeader))
            display.DrawHeader(column, column->GetMemberRect(ckHeader));
        if (FOptions.Contains(goInput))
            display.DrawInput(column, column->GetMemberRect(ckInput), FOptions.Contains(goGrid),
                              FInputSelected, Focused());
        if (FOptions.Contains(goFooter))
            display.DrawFooter(column, column->GetMemberRect(ckFooter), FOptions.Contains(goGrid));
    }
    const int horz = HorzScrollPosition();
    const TRect input = GetInputRect();
    const TRect footer = GetFooterRect();
    if (FOptions.Contains(goInput))
        display.DrawAreaSplitter({footer.Left - horz, input.Bottom - 6, input.Right, input.Bottom});
    if (FOptions.Contains(goFooter))
        display.DrawAreaSplitter({footer.Left - horz, footer.Top, footer.Right, footer.Top + 4});
    if (!FOptions.Contains(goIndicator))
        return;
    if (FOptions.Contains(goInput))
        display.DrawCornerBox({0, input.Top, kIndicatorWidth, input.Bottom}, bpAlone);
    if (FOptions.Contains(goFooter))
        display.DrawCornerBox({0, footer.Top, kIndicatorWidth, footer.Bottom}, bpBottom);
    if (FOptions.Contains(goHeader))
        display.DrawCornerBox({0, 0, kIndicatorWidth, FHeaderSize}, bpAlone);
}

// --- slides ------------------------------------------------------------------------------------------------

void TGxCustomGridControl::PaintSlides()
{
    PaintSlidesHeader();
    PaintSlidesBody();
}

void TGxCustomGridControl::PaintSlidesHeader()
{
    TCanvas& canvas = *Canvas();
    if (FOptions.Contains(goHeader)) {
        int x = GetBodyRect().Left - HorzScrollPosition();
        for (int place = 0; place < FColumns->Count(); ++place) {
            TGxCustomColumn* column = FColumns->GetPositionItem(place);
            if (!column->Visible())
                continue;
            canvas.SetFont(column->Header()->ParentFont() ? Font() : column->Header()->Font());
            FCurrentStyleDisplay->DrawHeader(column, {x, 0, x + column->Width(), FHeaderSize});
            x += column->Width();
        }
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(Color());
        canvas.FillRect({x, 0, ClientWidth(), FHeaderSize});
    }
    if (FOptions.Contains(goIndicator))
        FCurrentStyleDisplay->DrawCornerBox({0, 0, kIndicatorWidth, FHeaderSize}, bpAlone);
}

void TGxCustomGridControl::PaintSlidesBody()
{
    TCanvas& canvas = *Canvas();
    const TRect body = GetBodyRect();
    const bool focused = Focused();
    int y = body.Top;
    for (int row = FFirstRow; row < RowCount() && y <= ClientHeight(); ++row) {
        if (!GetRowVisible(row))
            continue;
        y += FGridSpace[lpTop];
        const TRect slide{0, y, ClientWidth(), y + FSlideSize + FGridSpace[lpBottom]};
        if (FAppearanceOptions.Contains(ao3DGridLines)) {
            canvas.Pen()->SetColor(Color());
            canvas.Polyline({{0, y - 1}, {ClientWidth(), y - 1}});
        }
        TColor slideColor = Color();
        if (GetSelected(row) && !FSlideOptions.Contains(soHideSelection))
            slideColor = focused ? FSlideSelectionColor : clBtnFace;
        TColor gridColor = FGridLinesColor;
        TSlideState state;
        if (row == FSelectedRow) {
            state.Include(stSelected);
            if (FSlideOptions.Contains(soFrame))
                state.Include(stFocused);
        }
        Raise(OnSlideColoring, row, slideColor, gridColor, state);
        {
            TSavedClip clip(canvas);
            clip.Intersect(slide);
            canvas.Brush()->SetStyle(bsSolid);
            canvas.Brush()->SetColor(slideColor);
            canvas.FillRect(slide);
            for (int place = 0; place < FColumns->Count(); ++place) {
                TGxCustomColumn* column = FColumns->GetPositionItem(place);
                if (!column->Visible())
                    continue;
                if (SkipPartialRows() && slide.Bottom > body.Bottom)
                    return;
                const TRect bounds = column->SlideRect();
                const TRect cell = Bounds(bounds.Left, y + bounds.Top, bounds.Width(), bounds.Height());
                PaintCell(column->Index(), row, cell);
                PaintSlideCaption(column, cell);
            }
        }
        if (state.Contains(stFocused)) {
            canvas.Brush()->SetColor(focused ? FSelectionColor : FInactiveSelectionColor);
            canvas.FrameRect({slide.Left + 1, slide.Top + 1, slide.Right - 1, slide.Bottom - 2});
            canvas.FrameRect({slide.Left + 2, slide.Top + 2, slide.Right - 2, slide.Bottom - 3});
        }
        y += FSlideSize + FGridSpace[lpBottom];
        if (FOptions.Contains(goGrid)) {
            canvas.Pen()->SetColor(gridColor);
            canvas.Polyline({{0, y - 1}, {ClientWidth(), y - 1}});
        }
    }
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect({0, y, ClientWidth(), ClientHeight()});
}

void TGxCustomGridControl::PaintSlideCaption(TGxCustomColumn* column, const TRect& cell)
{
    if (column->SlideCaption().empty())
        return;
    TCanvas& canvas = *Canvas();
    canvas.Font()->SetColor(FSlideCaptionColor);
    canvas.Font()->SetStyle({});
    const std::string& caption = column->SlideCaption();
    if (column->SlideCaptionLocation() == clLeft) {
        const int width = WideTextWidth(canvas, caption);
        TGraphicsProvider::DrawTextRect(canvas, {cell.Left - 2 - width, cell.Top, cell.Left - 2, cell.Bottom},
                                        taRightJustify, caption, bdLeftToRight);
    } else {
        const int height = WideTextHeight(canvas, caption);
        TGraphicsProvider::DrawTextRect(canvas,
                                        {cell.Left + 2, cell.Top - 2 - height, cell.Right, cell.Top - 2},
                                        taLeftJustify, caption, bdLeftToRight);
    }
}

// The grid control's creation, properties, update counting, focus and border.

#include "controls/grid/grid_control.h"

#include "controls/grid/cell_edit.h"
#include "controls/grid/color_schemes.h"
#include "controls/grid/column.h"
#include "controls/grid/columns.h"
#include "controls/grid/default_style_display.h"
#include "controls/grid/flat_style_display.h"
#include "controls/grid/office_style_displays.h"
#include "controls/grid/old_style_display.h"
#include "controls/grid/outlook_style_display.h"
#include "controls/grid/ux_themes.h"
#include "controls/grid/vista_style_display.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/window_functions.h"
#include "support/system_colors.h"

TGxCustomGridControl::TGxCustomGridControl(TComponent* owner)
    : TGxScrollControl(owner), FGridLinesColor(clBtnFace), FHighlightedTextColor(clHighlightText),
      FInactiveSelectionColor(clBtnFace), FSelectionColor(clHighlight), FSlideSelectionColor(clWindow),
      FSlideCaptionColor(clGrayText), FKV_IndicatorColumnBackground(clBtnFace),
      FKV_IndicatorColumnGrid(clGrayText), FKV_IndicatorColumnGridSelected(clGrayText),
      FKV_FooterAreaSplitter(clBtnFace), FKV_HeaderGrid(clGrayText), FKV_CornerBoxTop(clBtnFace),
      FKV_CornerBoxTopBorder(clGrayText), FKV_CornerBoxBottom(clBtnFace),
      FKV_CornerBoxBottomBorder(clGrayText), FKV_SortDarker(clBtnFace)
{
    // The collection finds this grid as its owner, through IColumnsGrid.
    FColumns = new TGxColumns(this);
    FColumns->OnRepaint = [this](TObject*, TColumnsOperation operation, int, int) {
        ColumnsRepaint(operation);
    };
    FColumns->OnColumnChange = [this](TObject*, TGxCustomColumn* column, TColumnChangeKind kind, int param) {
        ColumnChanged(column, kind, param);
    };
    FColumns->OnChange = [this](TObject*, TColumnsOperation operation, int value1, int value2) {
        HandleColumnsChange(operation, value1, value2);
    };
    FDefaultStyleDisplay = std::make_unique<TDefaultStyleDisplay>(this);
    FCurrentStyleDisplay = FDefaultStyleDisplay.get();
    FCurrentStyleDisplay->SetCanvas(Canvas());
    FFlatStyleDisplay = std::make_unique<TFlatStyleDisplay>(this);
    FOffice2007StyleDisplay = std::make_unique<TOffice2007StyleDisplay>(this);
    FOffice2010StyleDisplay = std::make_unique<TOffice2010StyleDisplay>(this);
    FOldStyleDisplay = std::make_unique<TOldStyleDisplay>(this);
    FOutlookStyleDisplay = std::make_unique<TOutlookStyleDisplay>(this);
    FVistaStyleDisplay = std::make_unique<TVistaStyleDisplay>(this);
    VertScrollBar()->SetAutoHide(FHideScrollBar);
    SetTabStop(true);
    SetBounds(Left(), Top(), 250, 150);
}

TGxCustomGridControl::~TGxCustomGridControl()
{
    FColumns->Free();
    FColumns = nullptr;
    FCurrentStyleDisplay = nullptr;
    FInplaceEdit = nullptr;
    CloseHeaderTheme();
}

// --- properties --------------------------------------------------------------------------------------------

void TGxCustomGridControl::SetAppearanceOptions(TAppearanceOptions value)
{
    FAppearanceOptions = value;
    UpdateGridSpace();
    Invalidate();
    RedrawBorder();
}

void TGxCustomGridControl::SetBorderStyle(TBorderStyle value)
{
    if (value == FBorderStyle)
        return;
    FBorderStyle = value;
    if (HandleAllocated())
        RecreateWnd();
}

void TGxCustomGridControl::SetCaption(const std::string& value)
{
    FCaption = value;
    RefreshArea(gaBody);
}

void TGxCustomGridControl::SetEnableVisualStyles(bool value)
{
    FEnableVisualStyles = value;
    Invalidate();
    RedrawBorder();
}

int TGxCustomGridControl::FixedCols() const
{
    return FColumns->FixedCols();
}

void TGxCustomGridControl::SetFixedCols(int value)
{
    FColumns->SetFixedCols(value);
    Invalidate();
}

void TGxCustomGridControl::SetFooterSize(int value)
{
    SetAndRepaint(FFooterSize, value);
}

void TGxCustomGridControl::SetGridLinesColor(TColor value)
{
    SetAndRepaint(FGridLinesColor, value);
}

void TGxCustomGridControl::SetGridLinesStyle(TGridLinesStyle value)
{
    FGridLinesStyle = value;
    UpdateGridSpace();
    Invalidate();
}

void TGxCustomGridControl::SetGridStyle(TGridStyle value)
{
    if (value == FGridStyle)
        return;
    GridStyleChanged(value);
    FGridStyle = value;
    if (value == gsSlides) {
        EndEditing();
        SetInputSelected(false);
    }
    Invalidate();
    UpdateEditorBounds();
    UpdateVertScrollBar();
    UpdateHorzScrollBar();
}

void TGxCustomGridControl::SetHeaderSize(int value)
{
    SetAndRepaint(FHeaderSize, value);
    UpdateEditorBounds();
}

void TGxCustomGridControl::SetHeaderStyle(THeaderStyle value)
{
    if (value == FHeaderStyle)
        return;
    FHeaderStyle = value;
    SelectStyleDisplay();
}

void TGxCustomGridControl::SetHideScrollBar(bool value)
{
    FHideScrollBar = value;
    VertScrollBar()->SetAutoHide(value);
}

void TGxCustomGridControl::SetHighlightedTextColor(TColor value)
{
    FHighlightedTextColor = value;
    RefreshSelection();
}

void TGxCustomGridControl::SetInactiveSelectionColor(TColor value)
{
    SetAndRepaint(FInactiveSelectionColor, value);
}

void TGxCustomGridControl::SetIndicatorDrawingOptions(TDrawingOptions value)
{
    FIndicatorDrawingOptions = value;
    RefreshArea(gaIndicator);
}

void TGxCustomGridControl::SetInputSize(int value)
{
    SetAndRepaint(FInputSize, value);
}

void TGxCustomGridControl::SetOptions(TGridOptions value)
{
    const bool indicatorChanged = value.Contains(goIndicator) != FOptions.Contains(goIndicator);
    FOptions = value;
    if (indicatorChanged)
        Raise(OnUpdateColumns);
    UpdateGridSpace();
    if (!HandleAllocated())
        return;
    Invalidate();
    UpdateEditorBounds();
    UpdateHorzScrollBar();
}

void TGxCustomGridControl::SetRowSize(int value)
{
    if (value <= 0)
        return;
    FRowSize = value;
    RefreshArea(gaBody);
    RefreshArea(gaInput);
    RefreshArea(gaIndicator);
    UpdateEditorBounds();
}

void TGxCustomGridControl::SetSlidesOptions(TGridSlideOptions value)
{
    SetAndRepaint(FSlideOptions, value);
}

void TGxCustomGridControl::SetSlideCaptionColor(TColor value)
{
    SetAndRepaint(FSlideCaptionColor, value);
}

void TGxCustomGridControl::SetSlideSelectionColor(TColor value)
{
    SetAndRepaint(FSlideSelectionColor, value);
}

void TGxCustomGridControl::SetSlideSize(int value)
{
    FSlideSize = value;
    UpdateVertScrollBar();
    Invalidate();
}

void TGxCustomGridControl::SetSortedStyle(TSortedStyle value)
{
    SetAndRepaint(FSortedStyle, value);
}

void TGxCustomGridControl::SetKV_BorderColor(TColor value)
{
    if (value == FKV_BorderColor)
        return;
    FKV_BorderColor = value;
    if (FBorderStyle == bsNone)
        return;
    Invalidate();
    RedrawBorder();
}

void TGxCustomGridControl::SetKV_DontDrawHeaderVertGridOnLastCol(bool value)
{
    SetChangedAndRepaint(FKV_DontDrawHeaderVertGridOnLastCol, value);
}

void TGxCustomGridControl::SetKV_LastColVerticalGridColor(TColor value)
{
    SetChangedAndRepaint(FKV_LastColVerticalGridColor, value);
}

void TGxCustomGridControl::SetKV_LastRowHorizontalGridColor(TColor value)
{
    SetChangedAndRepaint(FKV_LastRowHorizontalGridColor, value);
}

void TGxCustomGridControl::SetRowCount(int value)
{
    if (value < 0)
        return;
    if (value > RowCount())
        AddRow(value - RowCount());
    while (RowCount() > value)
        DeleteRow(RowCount() - 1);
}

void TGxCustomGridControl::SetSelectedColumn(int value)
{
    if (FColumns->Exists(value))
        SelectCell(value, FSelectedRow, {}, true, false);
}

int TGxCustomGridControl::SelectedCount() const
{
    int count = 0;
    for (int row = 0; row < RowCount(); ++row)
        if (GetSelected(row))
            ++count;
    return count;
}

bool TGxCustomGridControl::Focused() const
{
    return TWinControl::Focused() || (FInplaceEdit && FInplaceEdit->Focused());
}

void TGxCustomGridControl::SetInputSelected(bool value)
{
    if (value == FInputSelected)
        return;
    if (value)
        SetSelected(FSelectedRow, false);
    else
        EndEditing();
    FInputSelected = value;
    RefreshArea(gaInput);
    RefreshArea(gaIndicator);
    RefreshSelection();
}

// --- update counting ---------------------------------------------------------------------------------------

void TGxCustomGridControl::EndUpdate(bool canUpdate)
{
    if (FUpdateCount > 0)
        --FUpdateCount;
    if (FUpdateCount != 0 || !canUpdate)
        return;
    Invalidate();
    UpdateVertScrollBar();
    UpdateHorzScrollBar();
}

// --- hooks with a body here --------------------------------------------------------------------------------

bool TGxCustomGridControl::DoCalculateRow(int index)
{
    bool accept = true;
    Raise(OnCalculateRow, index, accept);
    return accept;
}

bool TGxCustomGridControl::DoRowMove(int fromPos, int toPos)
{
    bool accept = true;
    Raise(OnRowMove, fromPos, toPos, accept);
    return accept;
}

void TGxCustomGridControl::SetEditingCellValue(int, int, const std::string& value)
{
    SetCells(FEditingCell.X, FEditingCell.Y, value);
}

TColor TGxCustomGridControl::GetCellColor(int ACol, int)
{
    return FColumns->GetItem(ACol)->Color();
}

std::string TGxCustomGridControl::GetCellHint(int ACol, int ARow)
{
    std::string hint;
    Raise(OnCellHint, ACol, ARow, hint);
    return hint;
}

bool TGxCustomGridControl::IsCellHidden(int ACol, int ARow)
{
    bool showing = true;
    Raise(OnCellShowing, ACol, ARow, showing);
    return !showing;
}

void TGxCustomGridControl::SetRowHeight(int index, int value)
{
    Raise(OnChangeRowHeight, index, value);
}

int TGxCustomGridControl::GetHorzOverflow() const
{
    return std::max(0, FColumns->ClientWidth() + IndicatorWidth() - ClientWidth());
}

int TGxCustomGridControl::GetShownRowCount() const
{
    return RowCount() > 0 && FColumns->Count() > 0 ? VisibleRows() : 0;
}

// --- row operations the descendant completes ---------------------------------------------------------------

void TGxCustomGridControl::ClearRows()
{
    FFirstRow = 0;
    FSelectedColumn = 0;
    FSelectedRow = -1;
    FFromSelected = -1;
    EndEditing();
}

void TGxCustomGridControl::DeleteRow(int)
{
    EndEditing();
}

void TGxCustomGridControl::InsertRow(int pos, int)
{
    EndEditing();
    if (pos < FFirstVisibleRow)
        FFirstVisibleRow = pos;
    if (VertScrollBar()->Position() == 0)
        FFirstRow = FFirstVisibleRow;
}

void TGxCustomGridControl::MoveRow(int, int)
{
    Invalidate();
    EndEditing();
}

// --- style displays, theme and border ----------------------------------------------------------------------

void TGxCustomGridControl::SelectStyleDisplay()
{
    TStyleDisplay* displays[] = {FDefaultStyleDisplay.get(),    FFlatStyleDisplay.get(),
                                 FOffice2007StyleDisplay.get(), FOffice2010StyleDisplay.get(),
                                 FOldStyleDisplay.get(),        FOutlookStyleDisplay.get(),
                                 FVistaStyleDisplay.get()};
    FCurrentStyleDisplay = displays[FHeaderStyle];
    FCurrentStyleDisplay->SetCanvas(Canvas());
    Invalidate();
    RedrawBorder();
}

void TGxCustomGridControl::RedrawBorder()
{
    if (HandleAllocated())
        RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TGxCustomGridControl::OpenHeaderTheme()
{
    if (!UxThemesActive() || FTheme)
        return;
    FTheme = OpenThemeData("header");
    FDefaultStyleDisplay->SetTheme(FTheme);
}

void TGxCustomGridControl::CloseHeaderTheme()
{
    if (!FTheme)
        return;
    CloseThemeData(FTheme);
    FTheme = nullptr;
    FDefaultStyleDisplay->SetTheme(nullptr);
}

void TGxCustomGridControl::CreateParams(TCreateParams& params)
{
    TGxScrollControl::CreateParams(params);
    if (FBorderStyle == bsSingle)
        params.ExStyle |= WS_EX_STATICEDGE;
    else
        params.ExStyle &= ~WS_EX_STATICEDGE;
    // Resizing does not repaint everything.
    params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TGxCustomGridControl::CreateWnd()
{
    TGxScrollControl::CreateWnd();
    OpenHeaderTheme();
}

void TGxCustomGridControl::Dispatch(TMessage& message)
{
    TGxScrollControl::Dispatch(message);
    switch (message.Msg) {
    case WM_NCPAINT:
        if (HDC dc = message.WParam > 1 ? TPaintView(message).DC : GetWindowDC(Handle()))
            PaintGridBorder(*dc);
        break;
    case WM_THEMECHANGED:
        CloseHeaderTheme();
        OpenHeaderTheme();
        break;
    }
}

// One of four outcomes: a scheme-coloured frame, the KV_ frame, the themed list-view border, or none.
void TGxCustomGridControl::PaintGridBorder(TCanvas& windowCanvas)
{
    const bool border = FBorderStyle == bsSingle;
    const TRect window{0, 0, Width(), Height()};
    auto frame = [&](TColor color) {
        windowCanvas.Brush()->SetStyle(bsSolid);
        windowCanvas.Brush()->SetColor(color);
        windowCanvas.FrameRect(window);
    };
    if (border && (FHeaderStyle == hsOffice2007 || FHeaderStyle == hsOffice2010)) {
        frame(GetSchemeColor(2, csDefault));
        return;
    }
    if (border && FHeaderStyle == hsFlatBorders && FKV_BorderColor != clNone) {
        frame(FKV_BorderColor);
        return;
    }
    if (BorderWidth() != 0)
        SetBorderWidth(0);
    if (!border || !FEnableVisualStyles || !UxThemesActive())
        return;
    const int saved = SaveDC(windowCanvas);
    ExcludeClipRect(windowCanvas, 1, 1, window.Right - 1, window.Bottom - 1);
    DrawThemedBackground(windowCanvas, window, "listview", 1, 0);
    RestoreDC(windowCanvas, saved);
}

// --- focus -------------------------------------------------------------------------------------------------

void TGxCustomGridControl::DoEnter()
{
    TGxScrollControl::DoEnter();
    RefreshArea(gaIndicator);
}

void TGxCustomGridControl::DoExit()
{
    ApplyAndEndEditing();
    TGxScrollControl::DoExit();
}

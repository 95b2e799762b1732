#pragma once

#include "controls/grid/columns_grid.h"
#include "controls/grid/grid_types.h"
#include "controls/grid/scroll_control.h"
#include "controls/grid/style_display.h"
#include "platform/gui/standard/std_control_types.h"

#include <array>
#include <memory>
#include <string>

class TColumnDisplay;
class TGxColumns;
class TGxCustomEdit;

// The abstract grid: it owns the column collection and the seven header styles, carries every appearance
// and behaviour property, measures its client area (indicator, header, input row, body, footer), paints,
// keeps the selection and scrolls. It stores no cell data: the row count, cells, selection flags, row
// heights and visibility come from the descendant (TDataGrid). It opens a column's in-place editor over a
// cell or an input-row cell, writes the edited value back and closes it (inplace_edit_contract.h), and
// measures cells for best fit through the columns' displays.
//
// Events are raised only when a handler is assigned. While BeginUpdate brackets are open nothing is
// painted; EndUpdate(true) closing the last one repaints and recomputes both scroll bars once.
class TGxCustomGridControl : public TGxScrollControl, public IColumnsGrid
{
public:
    explicit TGxCustomGridControl(TComponent* owner);
    ~TGxCustomGridControl() override;

    // --- appearance and behaviour ---
    TAppearanceOptions AppearanceOptions() const { return FAppearanceOptions; }
    void SetAppearanceOptions(TAppearanceOptions value);
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool value) { FAutoScroll = value; }
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    // Drawn centred in the body while the grid shows no rows.
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value);
    bool EnableVisualStyles() const { return FEnableVisualStyles; }
    void SetEnableVisualStyles(bool value);
    int FixedCols() const;
    void SetFixedCols(int value);
    int FooterSize() const { return FFooterSize; }
    void SetFooterSize(int value);
    TColor GridLinesColor() const { return FGridLinesColor; }
    void SetGridLinesColor(TColor value);
    TGridLinesStyle GridLinesStyle() const { return FGridLinesStyle; }
    void SetGridLinesStyle(TGridLinesStyle value);
    TGridStyle GridStyle() const { return FGridStyle; }
    void SetGridStyle(TGridStyle value);
    int HeaderSize() const { return FHeaderSize; }
    void SetHeaderSize(int value);
    THeaderStyle HeaderStyle() const { return FHeaderStyle; }
    void SetHeaderStyle(THeaderStyle value);
    bool HideScrollBar() const { return FHideScrollBar; }
    void SetHideScrollBar(bool value);
    TColor HighlightedTextColor() const { return FHighlightedTextColor; }
    void SetHighlightedTextColor(TColor value);
    THomeEndBehaviour HomeEndBehaviour() const { return FHomeEndBehaviour; }
    void SetHomeEndBehaviour(THomeEndBehaviour value) { FHomeEndBehaviour = value; }
    TColor InactiveSelectionColor() const { return FInactiveSelectionColor; }
    void SetInactiveSelectionColor(TColor value);
    TDrawingOptions IndicatorDrawingOptions() const { return FIndicatorDrawingOptions; }
    void SetIndicatorDrawingOptions(TDrawingOptions value);
    TInputEnterMode InputEnterMode() const { return FInputEnterMode; }
    void SetInputEnterMode(TInputEnterMode value) { FInputEnterMode = value; }
    int InputSize() const { return FInputSize; }
    void SetInputSize(int value);
    TGridOptions Options() const { return FOptions; }
    void SetOptions(TGridOptions value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    int RowSize() const { return FRowSize; }
    virtual void SetRowSize(int value);
    // Stored only: the next paint uses it.
    TColor SelectionColor() const { return FSelectionColor; }
    void SetSelectionColor(TColor value) { FSelectionColor = value; }
    TSelectionMoveDirection SelectionMoveDirection() const { return FSelectionMoveDirection; }
    void SetSelectionMoveDirection(TSelectionMoveDirection value) { FSelectionMoveDirection = value; }
    TGridSlideOptions SlidesOptions() const { return FSlideOptions; }
    void SetSlidesOptions(TGridSlideOptions value);
    TColor SlideCaptionColor() const { return FSlideCaptionColor; }
    void SetSlideCaptionColor(TColor value);
    TColor SlideSelectionColor() const { return FSlideSelectionColor; }
    void SetSlideSelectionColor(TColor value);
    int SlideSize() const { return FSlideSize; }
    void SetSlideSize(int value);
    TSortedStyle SortedStyle() const { return FSortedStyle; }
    void SetSortedStyle(TSortedStyle value);
    bool TabLeaveControl() const { return FTabLeaveControl; }
    void SetTabLeaveControl(bool value) { FTabLeaveControl = value; }
    // Always "5.9.85": any value written is replaced by it.
    const std::string& Version() const { return FVersion; }
    void SetVersion(const std::string&) { FVersion = kVersion; }
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool value) { FWantReturns = value; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool value) { FWantTabs = value; }

    // --- the program maker's colours and switches (read by the style displays and the cell painting) ---
    bool KV_CustomizationEnabled() const { return FKV_CustomizationEnabled; }
    void SetKV_CustomizationEnabled(bool value) { SetAndRepaint(FKV_CustomizationEnabled, value); }
    TColor KV_IndicatorHotBackground() const { return FKV_IndicatorHotBackground; }
    void SetKV_IndicatorHotBackground(TColor value) { SetAndRepaint(FKV_IndicatorHotBackground, value); }
    TColor KV_IndicatorHotTriangle() const { return FKV_IndicatorHotTriangle; }
    void SetKV_IndicatorHotTriangle(TColor value) { SetAndRepaint(FKV_IndicatorHotTriangle, value); }
    TColor KV_IndicatorColumnBackground() const { return FKV_IndicatorColumnBackground; }
    void SetKV_IndicatorColumnBackground(TColor value)
    {
        SetAndRepaint(FKV_IndicatorColumnBackground, value);
    }
    TColor KV_IndicatorColumnGrid() const { return FKV_IndicatorColumnGrid; }
    void SetKV_IndicatorColumnGrid(TColor value) { SetAndRepaint(FKV_IndicatorColumnGrid, value); }
    TColor KV_IndicatorColumnGridSelected() const { return FKV_IndicatorColumnGridSelected; }
    void SetKV_IndicatorColumnGridSelected(TColor value)
    {
        SetAndRepaint(FKV_IndicatorColumnGridSelected, value);
    }
    TColor KV_FooterBorder() const { return FKV_FooterBorder; }
    void SetKV_FooterBorder(TColor value) { SetAndRepaint(FKV_FooterBorder, value); }
    TColor KV_FooterAreaSplitter() const { return FKV_FooterAreaSplitter; }
    void SetKV_FooterAreaSplitter(TColor value) { SetAndRepaint(FKV_FooterAreaSplitter, value); }
    TColor KV_HeaderGrid() const { return FKV_HeaderGrid; }
    void SetKV_HeaderGrid(TColor value) { SetAndRepaint(FKV_HeaderGrid, value); }
    TColor KV_CornerBoxTop() const { return FKV_CornerBoxTop; }
    void SetKV_CornerBoxTop(TColor value) { SetAndRepaint(FKV_CornerBoxTop, value); }
    TColor KV_CornerBoxTopBorder() const { return FKV_CornerBoxTopBorder; }
    void SetKV_CornerBoxTopBorder(TColor value) { SetAndRepaint(FKV_CornerBoxTopBorder, value); }
    TColor KV_CornerBoxBottom() const { return FKV_CornerBoxBottom; }
    void SetKV_CornerBoxBottom(TColor value) { SetAndRepaint(FKV_CornerBoxBottom, value); }
    TColor KV_CornerBoxBottomBorder() const { return FKV_CornerBoxBottomBorder; }
    void SetKV_CornerBoxBottomBorder(TColor value) { SetAndRepaint(FKV_CornerBoxBottomBorder, value); }
    bool KV_DoNotDrawFocusRect() const { return FKV_DoNotDrawFocusRect; }
    void SetKV_DoNotDrawFocusRect(bool value) { SetAndRepaint(FKV_DoNotDrawFocusRect, value); }
    TColor KV_SortDarker() const { return FKV_SortDarker; }
    void SetKV_SortDarker(TColor value) { SetAndRepaint(FKV_SortDarker, value); }
    // The one-pixel border with hsFlatBorders; clNone falls back to the themed or plain border.
    TColor KV_BorderColor() const { return FKV_BorderColor; }
    void SetKV_BorderColor(TColor value);
    bool KV_DontDrawHeaderVertGridOnLastCol() const { return FKV_DontDrawHeaderVertGridOnLastCol; }
    void SetKV_DontDrawHeaderVertGridOnLastCol(bool value);
    TColor KV_LastColVerticalGridColor() const { return FKV_LastColVerticalGridColor; }
    void SetKV_LastColVerticalGridColor(TColor value);
    TColor KV_LastRowHorizontalGridColor() const { return FKV_LastRowHorizontalGridColor; }
    void SetKV_LastRowHorizontalGridColor(TColor value);

    // --- state ---
    TGxColumns* Columns() const override { return FColumns; }
    TStyleDisplay* CurrentStyleDisplay() const { return FCurrentStyleDisplay; }
    bool Editing() const { return FGridState.Contains(gtEdit); }
    TPoint EditingCell() const { return FEditingCell; }
    void SetEditingCell(TPoint value) { EditCell(value.X, value.Y, ""); }
    int FirstRow() const { return FFirstRow; }
    virtual int FirstVisibleRow() const = 0;
    virtual int LastVisibleRow() const = 0;
    TGxCustomColumn* FocusedColumn() const override { return FFocusedColumn; }
    TGxCustomColumn* HoverColumn() const override { return FHoverColumn; }
    TGridState GridState() const { return FGridState; }
    TGxCustomEdit* InplaceEdit() const { return FInplaceEdit; }
    int InputingColumn() const { return FInputingColumn; }
    bool InputSelected() const { return FInputSelected; }
    // Selecting the input row deselects the selected body row; leaving it ends an open editor.
    void SetInputSelected(bool value);
    int LastRow() const { return FLastRow; }
    bool MultiSelect() const
    {
        return FOptions.Contains(goMultiSelect) && FOptions.Contains(goSelectFullRow);
    }
    TPoint PaintingCell() const { return FPaintingCell; }
    virtual int RowCount() const = 0;
    // Adds rows through AddRow or deletes them from the end one by one; negative values are ignored.
    void SetRowCount(int value);
    TPoint SelectedCell() const { return {FSelectedColumn, FSelectedRow}; }
    int SelectedColumn() const override { return FSelectedColumn; }
    void SetSelectedColumn(int value);
    virtual int SelectedCount() const;
    virtual int SelectedRow() const { return FSelectedRow; }
    virtual void SetSelectedRow(int value);
    TGxCustomColumn* SortedColumn() const { return FSortedColumn; }
    int UpdateCount() const { return FUpdateCount; }
    virtual int VisibleRows() const = 0;
    // The grid or its attached editor has the focus.
    bool Focused() const;

    // --- update counting ---
    void BeginUpdate() { ++FUpdateCount; }
    // Closing the last bracket with canUpdate repaints and recomputes both scroll bars.
    void EndUpdate(bool canUpdate);

    // --- geometry (client coordinates) ---
    TRect GetBodyRect() const override;
    TRect GetHeaderRect() const override;
    TRect GetFooterRect() const override;
    TRect GetInputRect() const override;
    TRect GetIndicatorRect() const;
    TRect GetInputCellRect(int ACol) const;
    TRect GetScrollRect() const;
    int GetFixedWidth() const;
    int InnerWidth() const override;
    int GetGridSpace(TGridLinePosition position) const { return FGridSpace[position]; }
    int GetRowTop(int index) const;
    TRect GetRowRect(int index) const;
    virtual TRect GetCellRect(int ACol, int index) const;
    int GetCellTop(int ACol, int index) const;
    int GetSlideTop(int index) const;
    TRect GetSlideRect(int index) const;
    int GetActualRowHeight(int index) const;
    // The paintable part of a cell: the left and right grid-line spaces taken off.
    void ExcludeGrid(TRect& cellRect) const;
    bool CellBounds(int ACol, int ARow) const;
    bool RowExist(int index) const { return index >= 0 && index < RowCount(); }
    int GetVisibleCount(bool expand) const;
    // The last row whose lower edge is inside the body (FirstRow when none fits).
    int LastRowInView() const;
    bool ShowsIndicator() const override { return FOptions.Contains(goIndicator); }
    int HorzScrollPosition() const override;
    TFont* GridFont() const override { return Font(); }

    // --- cells, rows and their looks ---
    virtual std::string GetCells(int ACol, int ARow) = 0;
    virtual void SetCells(int ACol, int ARow, const std::string& value) = 0;
    virtual TCellInfo GetCellInfo(int ACol, int ARow) = 0;
    virtual std::string GetDrawText(int ACol, int ARow) = 0;
    virtual std::string GetHintText(int ACol, int ARow) = 0;
    virtual TColor GetCellColor(int ACol, int ARow);
    virtual std::string GetCellHint(int ACol, int ARow);
    virtual int GetRowHeight(int /*index*/) const { return FRowSize; }
    virtual void SetRowHeight(int index, int value);
    virtual int GetRowImageIndex(int) const { return -1; }
    virtual int GetRowLevel(int) const { return 0; }
    virtual bool GetRowVisible(int) const { return true; }
    virtual void SetRowVisible(int index, bool value);
    virtual bool GetSelected(int index) const = 0;
    virtual void SetSelected(int index, bool value) = 0;
    virtual TColor GetActualCellColor(int ACol, int ARow);
    virtual TColor GetActualCellFontColor(int ACol, int ARow);
    TCellState GetCellState(int ACol, int ARow);
    bool IsCellHighlighted(int ACol, int ARow);
    // Width of the columns and the indicator beyond the client width; 0 when they fit.
    int GetHorzOverflow() const;
    // The visible row count while there are rows and columns.
    int GetShownRowCount() const;

    // --- row operations (the descendant keeps the rows) ---
    virtual int AddRow(int count) = 0;
    virtual void CalculateFooter(bool visibleOnly) = 0;
    virtual void ClearRows();
    virtual void ClearSelection();
    virtual void DeleteRow(int index);
    virtual void InsertRow(int pos, int count);
    virtual void MoveRow(int fromPos, int toPos);
    virtual void SelectRange(int fromRow, int toRow, bool value) = 0;
    virtual void SwapRows(int fromRow, int toRow) = 0;
    virtual void SortColumn(TGxCustomColumn* column, bool ascending);

    // --- selection and navigation ---
    virtual void SelectCell(int ACol, int index, TShiftState shift, bool deselect, bool autoEdit);
    void NoSelection();
    void SelectAll();
    void MoveByRow(bool moveDown, TShiftState shift);
    virtual void MoveSelectionDown(TShiftState shift, bool nextControl, bool selectFirst);
    virtual void MoveSelectionUp(TShiftState shift);
    void MoveSelectionBy(int distance);
    void MoveSelectionLeft(TMoveSelectionKey key);
    void MoveSelectionRight(TMoveSelectionKey key);
    void MoveToNextCell(bool tabKey);
    void MoveToPrevCell(bool tabKey);
    virtual void SelectFirstRow(TShiftState shift);
    virtual void SelectLastRow(TShiftState shift);
    void SelectFirstColumn();
    void SelectLastColumn();
    void ScrollToRow(int index);
    void ScrollToColumn(TGxCustomColumn* column);

    // --- editing: a column's editor over a cell or an input-row cell ---
    // Opens the editor over the cell where the column, the grid and OnBeforeEdit allow it, after writing
    // back and closing an open one; a non-empty text replaces the cell's text as the starting text.
    virtual void EditCell(int ACol, int ARow, const std::string& AText);
    // The same, with the key typed into the empty editor.
    virtual void StartEdit(int ACol, int ARow, char32_t key);
    // Writes the open editor's value into its cell (or the input column's InputValue); true when a value
    // was taken.
    virtual bool ApplyEditing();
    // Closes the open editor unless OnEndEditing refuses; the focus goes back to the grid when the editor
    // had it.
    virtual void EndEditing();
    // Places, shows and focuses the open editor over its cell; hidden while its row is above the body.
    virtual void UpdateEditorBounds();
    // Attaches an editor: the grid becomes its parent, its text and OnChange are cleared, WantTabs and
    // BiDiMode come from the grid. nullptr only forgets the attached one.
    void SetInplaceEdit(TGxCustomEdit* value);
    // The grid's handlers on the attached editor's change, focus and key events.
    void AssignEditorEvents();
    // Selects the input row and opens the column's input editor with key typed into it.
    void StartInput(int index, char32_t key);
    // Selects the input row and the column and opens its input editor with value (else its InputValue).
    void InputColumn(TGxCustomColumn* column, const std::string& value);
    // Appends a row of the columns' input values (their default values where empty) unless OnInputAccept
    // refuses.
    void AddRowFromInput();
    // The editing cell's rectangle, or the input cell's while the input row is edited.
    TRect GetEditorRect() const;

    // --- best fit and text export ---
    // The height the cell's text needs, measured by the column's display as it paints it.
    int GetCellHeight(int ACol, int ARow);
    // The row as high as its tallest cell needs, never lower than RowSize.
    void BestFitRow(int index);
    // The column as wide as its header and/or its cells need, with its padding and 5 pixels to spare.
    void BestFitColumn(int index, TBestFitMode mode, bool onlyVisible);
    // Every cell's text, rows in lines and cells after separator; a line break inside a cell is marked
    // with "%". Without columns: the separator alone.
    std::string GetGridText(char32_t separator);

    // --- invalidation (the smallest area, never erased) ---
    void RefreshCell(int ACol, int ARow);
    void RefreshColumn(TGxCustomColumn* column, TGridArea area) override;
    void RefreshColumnSlide() { Invalidate(); }
    void RefreshRange(int fromPos, int toPos);
    void RefreshRow(int index, bool borderOnly);
    void RefreshRowGrid(int index);
    void RefreshSlide(int index, bool borderOnly);
    void RefreshArea(TGridArea area);
    void RefreshRowIndicator(int index);
    void RefreshRect(const TRect& rect);
    void RefreshSelection();
    void RefreshSelectedSlides();
    void RefreshRowsFrom(int index, int count);
    virtual void RevertStyle(int) {}

    // --- scroll ranges ---
    virtual void UpdateHorzScrollBar();
    virtual void UpdateVertScrollBar();
    int GetHorzScrollDelta(int oldPos, int newPos) override;
    int GetVertScrollDelta(int oldPos, int newPos) override;

    void SetOnUpdateColumns(TNotifyEvent handler) override { OnUpdateColumns = std::move(handler); }

    // --- events ---
    TGridCellValueEvent OnAfterEdit;
    TGridRowMoveEvent OnAfterRowMove;
    TGridColumnEvent OnAfterSort;
    TGridCellTextEvent OnApplyCell;
    TGridCellTextEvent OnApplyEditText;
    TGridCellAcceptEvent OnBeforeEdit;
    TGridBeforeScrollEvent OnBeforeScroll;
    TGridCellAcceptEvent OnBeforeSelect;
    TGridRowAcceptEvent OnCalculateRow;
    TGridCellEvent OnCellClick;
    TGridCellEvent OnCellDblClick;
    TCellColoringEvent OnCellColoring;
    TGridCellTextEvent OnCellHint;
    TCellShowingEvent OnCellShowing;
    TGridCellEvent OnChange;
    TChangeRowHeightEvent OnChangeRowHeight;
    TGridColumnValueEvent OnColumnFooterValue;
    TColumnMoveEvent OnColumnMove;
    TGridColumnEvent OnColumnResize;
    TDrawCellEvent OnCustomDrawCell;
    TCustomDrawEvent OnCustomDrawFooter;
    TCustomDrawEvent OnCustomDrawHeader;
    TCustomDrawIndicatorEvent OnCustomDrawIndicator;
    TDataChangeEvent OnDataChange;
    TGridCellEvent OnDeselectCell;
    TDrawCellBackgroundEvent OnDrawCellBackground;
    TGridCellValueEvent OnEdit;
    TEditAcceptEvent OnEditAccept;
    TNotifyEvent OnEditEnter;
    TNotifyEvent OnEditExit;
    TGridCellTextEvent OnEditText;
    TEndEditingEvent OnEndEditing;
    TGridColumnValueEvent OnFooterCalculate;
    TGridColumnEvent OnFooterClick;
    TGridColumnEvent OnHeaderClick;
    TGridColumnEvent OnHeaderDblClick;
    TGridAcceptEvent OnInputAccept;
    TNotifyEvent OnInputAdded;
    TGridColumnEvent OnInputSelectCell;
    TGridCellEvent OnLoadProgress; // declared, never raised
    TMeasuringRowHeightEvent OnMeasuringRowHeight;
    TNotifyEvent OnPostDraw;
    TGridRowMoveAcceptEvent OnRowMove;
    TGridCellEvent OnSelectCell;
    TGridColumnEvent OnSlideChange;
    TSlideColoringEvent OnSlideColoring;
    TSortColumnEvent OnSortColumn;
    TSelectionMoveEvent OnSelectionMove;
    TNotifyEvent OnUpdateColumns;
    TKV_AfterDrawCellEvent KV_AfterDrawCell;

protected:
    static constexpr const char* kVersion = "5.9.85";
    static constexpr int kIndicatorWidth = 12;

    // Raises an event only when a handler is assigned.
    template <typename Event, typename... Args> void Raise(const Event& event, Args&&... args)
    {
        if (event)
            event(this, std::forward<Args>(args)...);
    }
    bool DoCalculateRow(int index);
    bool DoRowMove(int fromPos, int toPos);
    void DoCustomDrawFooter(int index, const TRect& rect) { Raise(OnCustomDrawFooter, index, rect); }
    void DoCustomDrawHeader(int index, const TRect& rect) { Raise(OnCustomDrawHeader, index, rect); }

    // Writes and closes an open cell or input-row editor.
    void ApplyAndEndEditing();
    // The column's display loaded for measuring the cell as painting would load it: the grid's canvas with
    // the column's font and the cell's formatting, clientRect, and the text the cell shows. nullptr for a
    // column without display.
    TColumnDisplay* PrepareMeasuring(int ACol, int ARow, const TRect& clientRect);

    // Hooks of the descendants.
    virtual void AfterScrollToRow(int) {}
    virtual void SetEditingCellValue(int ACol, int ARow, const std::string& value);
    virtual bool CanEdit() { return true; }
    virtual bool CanSelectCell(int, int, TShiftState) { return true; }
    virtual bool PrepareCell(int ACol, int ARow, TCellState cellState);
    virtual void FormatCell(int, int, const TCellInfo&, TCellState) {}
    virtual bool SkipPartialRows() const { return false; }
    virtual void PrepareDisplay(int, int, TColumnDisplay*) {}
    virtual bool IsCellHidden(int ACol, int ARow);
    virtual void GridStyleChanged(TGridStyle) {}
    virtual void EditorPrepared() {}
    virtual void ColumnsChanged(TColumnsOperation operation, int value1, int value2);
    virtual void ColumnChanged(TGxCustomColumn* column, TColumnChangeKind kind, int param);
    virtual void ColumnsRepaint(TColumnsOperation operation);

    // Painting.
    void Paint() override;
    virtual void PaintReport();
    virtual void PaintRows();
    virtual void PaintHeaderAndFooter();
    virtual void PaintSlides();
    virtual void PaintSlidesHeader();
    virtual void PaintSlidesBody();
    virtual void PaintCell(int ACol, int ARow, const TRect& cellRect);
    virtual void PaintIndicator(int index, bool selected, bool highlighted);
    void PaintEmptyCell(int ACol, int row, const TRect& cellRect);
    void PaintFocusRect();
    void PaintGridBorder(TCanvas& windowCanvas);

    // Selection bookkeeping without events or repaint (rows deleted by the descendant).
    void StoreSelectedCell(int ACol, int ARow);
    // The row at the vertical bar's position, counted over visible rows.
    int GetScrollRowIndex() const;
    int GetLastFullRow() const;
    int GetRowAtOffset(int n) const;
    int CountVisibleRows(int a, int b) const;
    int GetNextVisibleRow(int start) const;
    int GetPrevVisibleRow(int start) const;
    void UpdateGridSpace();
    void SelectStyleDisplay();
    // Repaints the window's border (the non-client frame).
    void RedrawBorder();

    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Dispatch(TMessage& message) override;
    void DoEnter() override;
    void DoExit() override;

    // Fields the descendants and the later parts of the grid work with.
    TPoint FEditingCell{-1, -1};
    int FFirstRow = 0;
    int FFirstVisibleRow = 0;
    int FLastVisibleRow = 0;
    int FFromSelected = -1; // anchor row of Shift ranges
    TGridState FGridState;
    int FLastRow = 0; // the last row the last paint pass reached
    int FSelectedColumn = 0;
    int FSelectedRow = -1;
    TGxCustomColumn* FSortedColumn = nullptr;
    TGxCustomColumn* FFocusedColumn = nullptr;
    TGxCustomColumn* FHoverColumn = nullptr;
    TPoint FMouseDownCell{-1, -1};
    TResizeKind FVertResizeKind = rkShrink;
    TGxCustomEdit* FInplaceEdit = nullptr; // borrowed from its column
    bool FInplaceEditUpdate = false;       // the grid itself writes the editor's text
    int FInputingColumn = -1;
    bool FInputSelected = false;

private:
    template <typename T> void SetAndRepaint(T& field, T value)
    {
        field = value;
        Invalidate();
    }
    template <typename T> void SetChangedAndRepaint(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        Invalidate();
    }
    void HandleColumnsChange(TColumnsOperation operation, int value1, int value2);
    // Editing helpers.
    bool CanEditCell(int ACol, int ARow);
    bool CanInputColumn(TGxCustomColumn* column);
    void PrepareColumnEditor(TGxCustomColumn* column, int ACol, int ARow, bool forInput);
    void OpenInputEditor(TGxCustomColumn* column);
    bool BeginCellEditing(int ACol, int ARow);
    void FinishOpening(TGxCustomColumn* column);
    void EditorChange();
    void EditorFocusChange();
    void EditorKeyDown(uint16_t& key, TShiftState shift);
    void FocusGridFromEditor();
    void ScrollColumnResize(TGxCustomColumn* column, int delta);
    void OpenHeaderTheme();
    void CloseHeaderTheme();
    // Painting helpers.
    void PaintSpaceRightOfColumns();
    void PaintCaption();
    void SetScrollClipRects();
    TRect ClipCellRect(TGxCustomColumn* column, const TRect& cellRect) const;
    void DrawCellGrid(int ACol, int ARow, const TRect& r, TColor gridColor);
    TColor SortedShade(TColor cellColor) const;
    void PaintCellContent(int ACol, int ARow, TGxCustomColumn* column, TRect cellRect, TCellState state,
                          TColor cellColor, bool defaultDrawing);
    void DoColumnSetCell(TGxCustomColumn* column, int ACol, int ARow, const TRect& cellRect,
                         TCellState state);
    void PaintRowCells(int row, int y, int height, bool empty);
    void PaintSlideCaption(TGxCustomColumn* column, const TRect& cellRect);
    TCellState SelectionState(int ACol, int ARow);
    bool IsFixed(const TGxCustomColumn* column) const;
    // The column's left edge on screen: scrolling columns move with the horizontal bar.
    int ColumnLeft(const TGxCustomColumn* column) const;
    bool LeftOfFixedArea(const TGxCustomColumn* column, int x) const;
    // Selection helpers.
    void SelectRowMode(int ACol, int index, TShiftState shift, int oldCol, int oldRow);
    void SelectShiftRange(int index, TShiftState shift);
    void RefreshRowAndSlide(int index);
    int NextSelectableRow(int from, int step);
    // Geometry helpers.
    int IndicatorWidth() const { return ShowsIndicator() ? kIndicatorWidth : 0; }
    int ColumnsRight() const;
    int RowHeightOrDefault(int index) const;

    TAppearanceOptions FAppearanceOptions{aoHideSelection, aoHighlightSlideCells};
    bool FAutoScroll = false;
    TBorderStyle FBorderStyle = bsSingle;
    std::string FCaption;
    TStyleDisplay* FCurrentStyleDisplay = nullptr;
    std::unique_ptr<TStyleDisplay> FDefaultStyleDisplay;
    TColumnDisplay* FEditingDisplay = nullptr; // never assigned
    bool FEnableVisualStyles = true;
    std::unique_ptr<TStyleDisplay> FFlatStyleDisplay;
    int FFooterSize = 18;
    TColor FGridLinesColor;
    TGridLinesStyle FGridLinesStyle = lsNormal;
    std::array<int, 5> FGridSpace{}; // pixels the grid lines take at each side of a cell
    TGridStyle FGridStyle = gsReport;
    int FHeaderSize = 18;
    THeaderStyle FHeaderStyle = hsAuto;
    bool FHideScrollBar = true;
    TColor FHighlightedTextColor;
    TColor FInactiveSelectionColor;
    TDrawingOptions FIndicatorDrawingOptions = doNormal;
    int FInputSize = 16;
    std::unique_ptr<TStyleDisplay> FOffice2007StyleDisplay;
    std::unique_ptr<TStyleDisplay> FOffice2010StyleDisplay;
    std::unique_ptr<TStyleDisplay> FOldStyleDisplay;
    TGridOptions FOptions{goHeader};
    std::unique_ptr<TStyleDisplay> FOutlookStyleDisplay;
    TPoint FPaintingCell{-1, -1};
    bool FReadOnly = false;
    int FRowSize = 16;
    TColor FSelectionColor;
    TSelectionMoveDirection FSelectionMoveDirection = mdDown;
    TGridSlideOptions FSlideOptions{soFrame, soHideSelection};
    TColor FSlideSelectionColor;
    int FSlideSize = 80;
    TSortedStyle FSortedStyle = soDefault;
    int FUpdateCount = 0;
    std::string FVersion = kVersion;
    std::unique_ptr<TStyleDisplay> FVistaStyleDisplay;
    bool FWantReturns = false;
    bool FWantTabs = false;
    TColor FSlideCaptionColor;
    TInputEnterMode FInputEnterMode = imEditing;
    THomeEndBehaviour FHomeEndBehaviour = hebTopBottom;
    bool FTabLeaveControl = true;
    bool FKV_CustomizationEnabled = true;
    TColor FKV_IndicatorHotBackground = 0x333333;
    TColor FKV_IndicatorHotTriangle = 0xFFFFFF;
    TColor FKV_IndicatorColumnBackground;
    TColor FKV_IndicatorColumnGrid;
    TColor FKV_IndicatorColumnGridSelected;
    TColor FKV_FooterBorder = 0xC0C0C0;
    TColor FKV_FooterAreaSplitter;
    TColor FKV_HeaderGrid;
    TColor FKV_CornerBoxTop;
    TColor FKV_CornerBoxTopBorder;
    TColor FKV_CornerBoxBottom;
    TColor FKV_CornerBoxBottomBorder;
    bool FKV_DoNotDrawFocusRect = false;
    TColor FKV_SortDarker;
    TColor FKV_BorderColor = 0x808080;
    bool FKV_DontDrawHeaderVertGridOnLastCol = false;
    TColor FKV_LastColVerticalGridColor = clNone;
    TColor FKV_LastRowHorizontalGridColor = clNone;
    TGxColumns* FColumns = nullptr; // owned
    HTHEME FTheme = nullptr;        // the header class's theme while visual styles are active
};

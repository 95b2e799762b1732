#pragma once

#include "controls/grid/grid_control.h"

#include <string>

class TColumnDragBox;
class TColumnPlay;
class TDragArrow;
class THintWindow;
class TTimer;

// What the grid's hint window shows.
enum THintPosition
{
    hpNone,
    hpFooter,
    hpHeader,
    hpTextFit,
    hpCellHint
};

// The middle class of the grid: it publishes the grid control's properties, with the grid's own colour
// clWindow as the default, and turns the mouse and the keyboard into grid actions. The mouse resizes
// columns by their header edges and rows in the indicator, moves columns with a floating copy of their
// header and rows by dragging them, sorts by a header click, selects with Shift and Ctrl and hands clicks
// to a column's play (the check box); the keyboard moves the selection, starts editing and finds rows by
// typing their first letters; hints tell header, footer and cell hints and the whole text of a cell that
// does not fit.
//
// Guide lines of a resize and the drop indicator of a row move are drawn by the paint over what the grid
// paints; moving or ending them invalidates the rectangles they covered.
class TGxCustomGrid : public TGxCustomGridControl
{
public:
    explicit TGxCustomGrid(TComponent* owner);
    ~TGxCustomGrid() override;

    // The row the last type-ahead search selected; -1 before the first.
    int LastFoundRow() const { return FLastFoundRow; }

    // --- hit tests (client pixels) ---
    // The visible column whose span holds X, both edges included.
    TGxCustomColumn* GetColumnAtPos(TPoint point) const;
    // The visible resizable column whose right edge r has r - 3 <= X <= r + 2.
    TGxCustomColumn* GetColumnSizeGripAtPos(int X, int Y) const;
    // -1 outside the body and below the last row.
    int GetRowAtPos(int X, int Y) const;
    // The row whose lower border lies within 3 pixels above and at Y, over the indicator column only.
    int GetRowSizeGripAtPos(int X, int Y) const;
    // Slides layout: the row whose slide reaches Y; FirstRow above the body, -1 below the last slide.
    int GetSlideAtPos(int X, int Y) const;
    // (column index, row); -1 where there is none.
    TPoint GetCellAtPos(TPoint point) const;
    // The position a dragged column takes when dropped at X; its own where it would not move.
    int GetNearestPosition(TGxCustomColumn* column, int X) const;
    // The row a dragged row goes before: a drop in a row's lower half goes after it.
    int GetNearestRow(int X, int Y) const;
    void HideArrows();
    // Points the drop arrows at the gap a column moved from curPosition to newPosition would land in.
    void UpdateArrows(int curPosition, int newPosition, bool useSelf);

    // --- search and hints ---
    // Selects the next visible row whose text in column index starts with S (letter case ignored), after
    // the selected row and then from the top, or from the top when fromFirst.
    bool SearchNext(int index, const std::string& S, bool fromFirst);
    // The cell's painted text fits its column with 5 pixels to spare.
    bool IsTextFit(int ACol, int ARow);
    void ShowColumnHint(int X, int Y, const std::string& text);
    void ShowCellHint(int ACol, int ARow, const std::string& text);
    void ShowTextFitHint(int ACol, int ARow);
    // What the hint window shows now, and the window (nullptr before the first hint).
    THintPosition HintPosition() const { return FHintPosition; }
    THintWindow* HintWindow() const { return FHintWindow; }

    // --- cell plays ---
    // Asks OnBeforeEdit (with askBeforeEdit), then loads the column's play with the cell and connects it.
    virtual bool PreparePlay(int ACol, int ARow, const TRect& cellRect, bool askBeforeEdit);
    virtual void LoadPlayValue(TColumnPlay*) {}
    virtual void PlayChange(TObject*) {}
    virtual void PlayExpand(TObject*) {}

    TNotifyEvent KV_OnAfterKillFocus;
    TNotifyEvent KV_OnAfterSetFocus;

protected:
    // A press that hit no part of the grid.
    virtual void ClickOutside() {}
    // The key map: Tab, the page keys, Home and End, the arrows and Ctrl+A.
    virtual void KeyNavigate(uint16_t key, TShiftState shift);
    // Makes sure the hint window exists and is of the application's hint window class.
    virtual void CreateHintWindow();

    void CreateWnd() override;
    void Dispatch(TMessage& message) override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int X, int Y) override;
    void MouseMove(TShiftState shift, int X, int Y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;
    void DragCanceled() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;

    THintWindow* FHintWindow = nullptr; // owned; of the application's hint window class
    TPoint FMouseOverCell{-1, -1};      // the cell under the pointer

private:
    // Which part of the client area a point is in.
    TGridArea AreaAt(int X, int Y) const;
    TRect DropZone() const;
    bool FixedLockForbids(int fromPosition, int toPosition) const;

    // Mouse presses and releases.
    void DoubleClickAt(int X, int Y);
    void HeaderPress(TMouseButton button, TShiftState shift, int X, int Y);
    void CellPress(TMouseButton button, TShiftState shift, int X, int Y);
    void IndicatorPress(int X, int Y);
    void CellRelease(TShiftState shift, int X, int Y);
    void HeaderRelease(TGxCustomColumn* pressedColumn, int X, int Y);
    void EndPressedHeader();
    // A press on a row of a multi-selection kept the selection for a drag that never came: select it alone.
    // The row move is the grid's own, so the release without one is where the platform's drag would have
    // been cancelled.
    void CompletePlainSelection();
    bool PlayTakesInput(TGxCustomColumn* column, int ARow) const;

    // Mouse moves.
    bool HeaderMove(TShiftState shift, int X, int Y);
    void LeaveHeader();
    void FooterMove(int X, int Y);
    void HoverMove(TShiftState shift, int X, int Y, TPoint previousCell);
    void LeaveBody();
    void IndicatorMove(int X, int Y);
    void CellHintMove(TPoint cell, TPoint previousCell);
    void MouseLeft();
    void AppDeactivated();

    // Column resizing, row resizing and row moving with the lines the paint draws for them.
    void StartColumnResize(TGxCustomColumn* column);
    void MoveColumnResize(int X);
    void EndColumnResize();
    void StartRowResize(int row, int X, int Y);
    void MoveRowResize(int X, int Y);
    void EndRowResize();
    void MoveRowDrag(TShiftState shift, int X, int Y);
    void DropRow(int X, int Y);
    TRect DropIndicatorLine(int row) const;
    void ShowDropIndicator(int row);
    void EraseDropIndicator();
    void RefreshVerticalGuide(int x);
    void RefreshHorizontalGuide(int y);
    void PaintGuides();
    void PaintDropIndicator(int row);

    // Column moving through the drag box.
    void StartColumnMove(int X, int Y);
    void DragBoxMove(int X, int Y);
    void DragBoxDrop(int X, int Y);

    // Keys.
    void PageUp();
    void PageDown();
    void MarkRowsAndGo(bool toEnd, TShiftState shift);
    void EnterPressed();
    void PlayKey(char32_t& key);
    void TypeAhead(char32_t key);
    void ChildKey(TMessage& message);
    unsigned DialogCode();

    // Hints.
    bool HintsShown() const;
    void ShowHintAt(TPoint clientPos, int maxWidth, const std::string& text);
    void HideHint();

    // Focus, size, scrolling and fonts.
    void FocusGained();
    void FocusLost();
    void SizeChanged();
    void ClientHeightChanged(int height);
    void ScrollRowsBackIntoView();
    void ClientWidthChanged(int width);
    void HorzScrollMessage(TMessage& message);
    void RefreshFocusArea();
    void ColumnsTakeGridFont();

    bool FCanDeselect = false;                  // a press left a multi-selection for a drag
    bool FClickOnSelected = false;              // the last press hit the selected cell
    TColumnDragBox* FColumnDragBox = nullptr;   // owned, hidden between drags
    TDragArrow* FDownDragArrow = nullptr;       // owned; above the header, pointing down
    TGxCustomColumn* FDragDropColumn = nullptr; // the column being moved
    TGxCustomColumn* FFooterHintColumn = nullptr;
    TGxCustomColumn* FHeaderHintColumn = nullptr;
    THintPosition FHintPosition = hpNone;
    TPoint FHoverCell{-1, -1}; // the cell under the pointer at the last move
    int FLastFoundRow = -1;
    int FLeftResizingGuide = 0; // x of the guide lines while a column is resized
    int FRightResizingGuide = 0;
    TGxCustomColumn* FMouseDownColumn = nullptr; // header pressed
    TPoint FMouseDownPoint{-1, -1};
    int FMouseDownRow = -1; // row pressed, the one a row move moves
    int FMoveRow = 0;       // drop row of a row move
    int FOldHeight = 0;     // client size at the last size message
    int FOldWidth = 0;
    int FOldRowPosition = -1; // the row the drop indicator is drawn at; -1 while none is drawn
    int FResizingRow = -1;
    TPoint FRowSizingPos; // the pointer of a row resize; its guide line runs at Y
    std::string FSearchBuffer;
    TTimer* FSearchTimer = nullptr; // owned; empties the search text 700 ms after the last key
    int FSizeDelta = 0;
    TGxCustomColumn* FSizeProgressColumn = nullptr; // being resized
    TGxCustomColumn* FSizeReadyColumn = nullptr;    // its size grip is under the pointer
    TDragArrow* FUpDragArrow = nullptr;             // owned; below the header, pointing up
};

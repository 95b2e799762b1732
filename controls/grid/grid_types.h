#pragma once

#include "controls/grid/column_types.h"
#include "platform/gui/windows/control.h"

#include <functional>
#include <string>

// The enumerations, sets and event types of the grid control.

enum TGridOption
{
    goArrowKeyExitEditing,
    goCanHideColumn,
    goDisableColumnMoving,
    goDisableKeys,
    goEscClearEdit,
    goFooter,
    goGrid,
    goHeader,
    goIndicator,
    goInput,
    goLockFixedCols,
    goMultiSelect,
    goRowResizing,
    goRowMoving,
    goSecondClickEdit,
    goSelectFullRow,
    goUseDefaultValues,
    goInplaceEditEvents
};
using TGridOptions = TSet<TGridOption>;

enum TAppearanceOption
{
    ao3DGridLines,
    aoAlphaBlendedSelection,
    aoBoldTextSelection,
    aoDontFillCells,
    aoHideFocus,
    aoHideSelection,
    aoHighlightSlideCells,
    aoHintMarks,
    aoIndicateSelectedCell,
    aoIndicateSortedColumn
};
using TAppearanceOptions = TSet<TAppearanceOption>;

// Rows and columns, or each row drawn as a card with its cells placed by the columns' slide bounds.
enum TGridStyle
{
    gsReport,
    gsSlides
};

enum TGridLinesStyle
{
    lsNormal,
    lsActiveHorzOnly,
    lsActiveRows,
    lsFramed,
    lsHorizontalOnly,
    lsVerticalOnly
};

// Index of the grid-line spaces around a cell.
enum TGridLinePosition
{
    lpLeft,
    lpTop,
    lpRight,
    lpBottom,
    lpTopBottom
};

enum THeaderStyle
{
    hsAuto,
    hsFlatBorders,
    hsOffice2007,
    hsOffice2010,
    hsOldStyle,
    hsOutlook,
    hsVista
};

enum TSortedStyle
{
    soDefault,
    soDarker,
    soWhite
};

enum TSelectionMoveDirection
{
    mdNone,
    mdUp,
    mdDown,
    mdLeft,
    mdRight
};

enum TInputEnterMode
{
    imAllways,
    imEditing
};

enum THomeEndBehaviour
{
    hebTopBottom,
    hebLeftRight
};

// The slides layout's options; named apart from the columns' TSlideOptions.
enum TGridSlideOption
{
    soFrame,
    soHideSelection
};
using TGridSlideOptions = TSet<TGridSlideOption>;

enum TSlideStateFlag
{
    stFocused,
    stSelected
};
using TSlideState = TSet<TSlideStateFlag>;

enum TGridStateFlag
{
    gtColumnResizing,
    gtColumnHeaderDown,
    gtColumnMoving,
    gtEdit,
    gtEditorMoving,
    gtIndicatorMouseDown,
    gtInput,
    gtMultiSelect,
    gtRolling,
    gtRowMoving,
    gtHorzScrolling,
    gtUpdating
};
using TGridState = TSet<TGridStateFlag>;

enum TDataChange
{
    dcAddColumn,
    dcAddChildRow,
    dcAddRow,
    dcInsertColumn,
    dcInsertRow,
    dcDeleteColumn,
    dcDeleteRow,
    dcClearRows
};

enum TMoveSelectionKey
{
    mkUndefined,
    mkArrows,
    mkTab,
    mkEnter
};

enum TResizeKind
{
    rkShrink,
    rkExpansion
};

enum TBestFitMode
{
    bfBoth,
    bfCells,
    bfHeader
};

// --- events (the sender first) -----------------------------------------------------------------------------

using TGridCellEvent = std::function<void(TObject* sender, int ACol, int ARow)>;
using TGridColumnEvent = std::function<void(TObject* sender, int ACol)>;
using TGridCellAcceptEvent = std::function<void(TObject* sender, int ACol, int ARow, bool& Accept)>;
using TGridCellTextEvent = std::function<void(TObject* sender, int ACol, int ARow, std::string& Value)>;
using TGridCellValueEvent =
    std::function<void(TObject* sender, int ACol, int ARow, const std::string& Value)>;
using TGridColumnValueEvent = std::function<void(TObject* sender, int ACol, double& Value)>;
using TGridRowMoveEvent = std::function<void(TObject* sender, int FromPos, int ToPos)>;
using TGridRowMoveAcceptEvent = std::function<void(TObject* sender, int FromPos, int ToPos, bool& Accept)>;
using TGridRowAcceptEvent = std::function<void(TObject* sender, int Index, bool& Accept)>;
using TGridAcceptEvent = std::function<void(TObject* sender, bool& Accept)>;
using TCellColoringEvent = std::function<void(TObject* sender, int ACol, int ARow, TColor& CellColor,
                                              TColor& GridColor, TCellState CellState)>;
using TCellShowingEvent = std::function<void(TObject* sender, int ACol, int ARow, bool& Showing)>;
using TChangeRowHeightEvent = std::function<void(TObject* sender, int Index, int Height)>;
using TColumnMoveEvent = std::function<void(TObject* sender, int ACol, int FromPos, int ToPos)>;
using TCustomDrawEvent = std::function<void(TObject* sender, int Index, const TRect& Rect)>;
using TCustomDrawIndicatorEvent = std::function<void(TObject* sender, int Index, const TRect& IndicatorRect,
                                                     bool Selected, bool Highlighted)>;
using TDataChangeEvent = std::function<void(TObject* sender, TDataChange AChangeType, int AIndex)>;
using TDrawCellBackgroundEvent = std::function<void(
    TObject* sender, int ACol, int ARow, const TRect& CellRect, TCellState CellState, bool& DefaultDrawing)>;
using TEditAcceptEvent =
    std::function<void(TObject* sender, int ACol, int ARow, const std::string& Value, bool& Accept)>;
using TEndEditingEvent =
    std::function<void(TObject* sender, int ACol, int ARow, std::string& Value, bool& Accept)>;
using TMeasuringRowHeightEvent = std::function<void(TObject* sender, int Index, int& RowHeight)>;
// The grid unit's own scroll event; declared, never raised.
using TGridBeforeScrollEvent = std::function<void(TObject* sender, int Kind, bool& Accept)>;
using TSlideColoringEvent =
    std::function<void(TObject* sender, int Index, TColor& SlideColor, TColor& GridColor, TSlideState State)>;
using TSortColumnEvent = std::function<void(TObject* sender, int ACol, bool Ascending)>;
using TSelectionMoveEvent = std::function<void(TObject* sender, int& ACol, int ARow, TMoveSelectionKey Key)>;
using TKV_AfterDrawCellEvent =
    std::function<void(TObject* sender, int ACol, int ARow, const TRect& CellRect, TCellState CellState)>;

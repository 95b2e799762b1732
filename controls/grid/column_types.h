#pragma once

#include "platform/gui/core/classes.h"
#include "platform/gui/core/set_of.h"
#include "support/basic_types.h"

#include <functional>
#include <string>

// The enumerations, sets, events and records the grid's columns, cells and painting share.

class TGxCustomColumn;

enum TColumnOption
{
    coAutoSize,
    coCanClick,
    coCanInput,
    coCanSort,
    coDisableMoving,
    coDontHighlight,
    coEditing,
    coEditorAutoSelect,
    coFixedSize,
    coImageForIcon,
    coPublicUsing,
    coFullResort,
    coSearchColumn,
    coShowTextFitHint,
    coTextForCaption
};
using TColumnOptions = TSet<TColumnOption>;

// What changed in one column, as the collection reports it to the grid.
enum TColumnChangeKind
{
    ccFieldName,
    ccInputChange,
    ccPosition,
    ccRevertStyle,
    ccSlideChanged,
    ccSorted,
    ccSortTypeChange,
    ccUndefined,
    ccVisible,
    ccUnsorted,
    ccWidth
};

// What changed in the collection. Scoped, since the component model's TOperation holds an opInsert too.
enum class TColumnsOperation
{
    opAdd,
    opDelete,
    opClear,
    opInsert,
    opMove
};

enum TColumnLocation
{
    clAlone,
    clLeftSide,
    clMiddle,
    clRightSide
};

enum TColumnMemberKind
{
    ckFooter,
    ckHeader,
    ckInactiveHeader,
    ckIndicator,
    ckInput
};

// The kind of value a column's cells hold; it decides the cell class.
enum TColumnType
{
    ctAutoInc,
    ctBoolean,
    ctNone,
    ctDate,
    ctFloat,
    ctGraphic,
    ctGuid,
    ctInteger,
    ctString,
    ctLookup,
    ctMemo,
    ctVirtual
};

enum TColumnStyleFlag
{
    csClickable,
    csCanEdit,
    csDisableSorting,
    csFitToLargest,
    csRedrawInplaceEdit,
    csTextFitHint,
    csWantReturns
};
using TColumnStyle = TSet<TColumnStyleFlag>;

enum TColumnStateFlag
{
    ceEditable,
    ceCanInput
};
using TColumnState = TSet<TColumnStateFlag>;

enum TDisplayMode
{
    dmImageOnly,
    dmTextAndImage,
    dmTextOnly
};

enum TDisplayOption
{
    doMultiLine
};
using TDisplayOptions = TSet<TDisplayOption>;

enum TFormulaKind
{
    fkNone,
    fkAverage,
    fkCount,
    fkDistinct,
    fkMaximum,
    fkMinimum,
    fkSum,
    fkCustom
};

enum TFormatMaskKind
{
    mkText,
    mkFloat
};

enum THeaderOrientation
{
    hoHorizontal,
    hoVertical
};

enum TSortKind
{
    skAscending,
    skDescending
};

// How the values of a column compare when the rows are sorted by it.
enum TSortType
{
    stAlphabetic,
    stBoolean,
    stCaseInsensitive,
    stCustom,
    stNumeric,
    stDate,
    stIP,
    stUnicodeAlphabetic
};

enum TSlideCatpionLocation
{
    clLeft,
    clTop
};

enum TSlideOption
{
    soAutoSize
};
using TSlideOptions = TSet<TSlideOption>;

// How a cell, header, footer or indicator is painted: by the grid, by a handler, or both.
enum TDrawingOptions
{
    doNormal,
    doBackgroundOnly,
    doCustom,
    doCustomOnly
};

// How too long cell text is cut or wrapped.
enum TWrapKind
{
    wkNone,
    wkEllipsis,
    wkPathEllipsis,
    wkWordWrap
};

// The parts of the grid's client area.
enum TGridArea
{
    gaNone,
    gaBody,
    gaFooter,
    gaHeader,
    gaIndicator,
    gaInput
};

// The state passed to the painting events.
enum TCellStateFlag
{
    csBoldTextSelection,
    csEmpty,
    csFocused,
    csSelected
};
using TCellState = TSet<TCellStateFlag>;

// A cell's value on its way to the text routines: the field its column type asks for is filled.
struct TCellInfo
{
    bool AsBoolean = false;
    TDateTime AsDateTime = 0;
    double AsFloat = 0;
    int AsInteger = 0;
    std::string AsString;
    TObject* ObjectReference = nullptr;
};

using TColumnGetTextEvent = std::function<void(TObject* sender, std::string& text)>;
using TDrawCellEvent =
    std::function<void(TObject* sender, int ACol, int ARow, TRect CellRect, TCellState CellState)>;
using TColumnChangeEvent =
    std::function<void(TObject* sender, TGxCustomColumn* AColumn, TColumnChangeKind ChangeKind, int Param)>;
using TColumnsChangeEvent =
    std::function<void(TObject* sender, TColumnsOperation ChangeOpearation, int Value1, int Value2)>;

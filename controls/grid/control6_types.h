#pragma once

#include "controls/grid/style_painters.h"
#include "platform/gui/core/strings.h"
#include "platform/gui/standard/std_control_types.h"

// The enumerations and small classes that the 6-series controls share (TGxButtonState and TGxStyleOptions
// are the painters', style_painters.h).

enum TGxOrientation
{
    orHorizontal,
    orVertical
};

// Native looks, looks in the colour scheme's colours, or the user's own colours.
enum TGxAppearanceStyle
{
    stNative,
    stModern,
    stUserDefined
};

// The drawn border of a 6-series control.
enum TGxBorderStyle
{
    btSolid,
    btLowered,
    btRaised
};

// Free text, or a read-only list choice.
enum TGxDropDownStyle
{
    dsDropDown,
    dsDropDownList
};

// The lower corner of its edit that a popup hangs from: its left edge at the point, or its right edge. In a
// namespace of its own because the popup menus' alignments take the names paLeft and paRight too.
namespace PopupAnchor {
enum TGxPopupAnchor
{
    paLeft,
    paRight
};
} // namespace PopupAnchor
using PopupAnchor::TGxPopupAnchor;

enum TGxTabsLocation
{
    tbTop,
    tbLeft,
    tbRight,
    tbBottom
};

// Which part of a name=value line a combo box shows.
enum TGxStringsDisplayMode
{
    dmDefault,
    dmNameList,
    dmValueList,
    dmIndentList
};

enum TGxValidationResult
{
    vrUnchecked,
    vrValid,
    vrInvalid
};

// The drawing steps of a list item; in a namespace of their own because the grid's drawing options take
// the name doCustom too.
namespace ItemDrawing {
enum TGxDrawingOption
{
    doBackground,
    doContent,
    doCustom
};
} // namespace ItemDrawing
using ItemDrawing::TGxDrawingOption;
using TGxDrawingOptions = TSet<TGxDrawingOption>;

// The window scroll bars a scrolling control shows.
using TGxScrollBars = TSet<TScrollBarKind>;

// The string list of the 6-series controls.
class TGxStringList : public TStringList
{
};

#pragma once

#include "platform/gui/forms/forms.h"
#include "platform/gui/standard/owner_draw.h"

#include <functional>

// Types shared by the standard controls: text alignment and layout, bevels, scroll codes and the
// owner-draw records that a control hands to its drawing handler.

// A check box or radio button's caption side: taRightJustify puts the caption right of the box.
using TLeftRight = TAlignment;

enum TVerticalAlignment
{
    taAlignTop,
    taAlignBottom,
    taVerticalCenter
};

enum TTextLayout
{
    tlTop,
    tlCenter,
    tlBottom
};

// Where a label shortens text that does not fit.
enum TEllipsisPosition
{
    epNone,
    epPathEllipsis,
    epEndEllipsis,
    epWordEllipsis
};

// A control's own border: bsNone or bsSingle of the form border styles.
using TBorderStyle = TFormBorderStyle;

enum TBevelCut
{
    bvNone,
    bvLowered,
    bvRaised,
    bvSpace
};
using TBevelWidth = int;

enum TScrollBarKind
{
    sbHorizontal,
    sbVertical
};

// What a scroll step was: the SB_* codes of the scroll messages.
enum TScrollCode
{
    scLineUp,
    scLineDown,
    scPageUp,
    scPageDown,
    scPosition,
    scTrack,
    scTop,
    scBottom,
    scEndScroll
};
using TScrollEvent = std::function<void(TObject* sender, TScrollCode scrollCode, int& scrollPos)>;

// --- owner drawing -----------------------------------------------------------------------------------------

using TDrawItemEvent =
    std::function<void(TWinControl* control, int index, const TRect& rect, TOwnerDrawState state)>;
using TMeasureItemEvent = std::function<void(TWinControl* control, int index, int& height)>;

// Owner-draw control kinds and item states (CN_DRAWITEM, CN_MEASUREITEM).
constexpr unsigned ODT_LISTBOX = 2;
constexpr unsigned ODT_COMBOBOX = 3;
constexpr unsigned ODT_BUTTON = 4;
constexpr unsigned ODA_DRAWENTIRE = 0x1;
constexpr unsigned ODA_SELECT = 0x2;
constexpr unsigned ODA_FOCUS = 0x4;
constexpr unsigned ODS_SELECTED = 0x0001;
constexpr unsigned ODS_GRAYED = 0x0002;
constexpr unsigned ODS_DISABLED = 0x0004;
constexpr unsigned ODS_CHECKED = 0x0008;
constexpr unsigned ODS_FOCUS = 0x0010;
constexpr unsigned ODS_DEFAULT = 0x0020;
constexpr unsigned ODS_COMBOBOXEDIT = 0x1000;
constexpr unsigned ODS_HOTLIGHT = 0x0040;
constexpr unsigned ODS_INACTIVE = 0x0080;
constexpr unsigned ODS_NOACCEL = 0x0100;
constexpr unsigned ODS_NOFOCUSRECT = 0x0200;

// CN_DRAWITEM points at one through LParam.
struct TDrawItemStruct
{
    unsigned CtlType = 0;
    unsigned CtlID = 0;
    int itemID = -1;
    unsigned itemAction = ODA_DRAWENTIRE;
    unsigned itemState = 0;
    HWND hwndItem = nullptr;
    HDC hDC = nullptr;
    TRect rcItem;
    uintptr_t itemData = 0;
};

// CN_MEASUREITEM points at one through LParam.
struct TMeasureItemStruct
{
    unsigned CtlType = 0;
    unsigned CtlID = 0;
    int itemID = -1;
    unsigned itemWidth = 0;
    unsigned itemHeight = 0;
    uintptr_t itemData = 0;
};

// Draws a control's text with DrawText in the font the canvas holds; disabled text is grey with themes on
// and embossed (highlight under shadow) in the classic looks.
void DrawControlText(TCanvas& canvas, const std::string& text, TRect& rect, unsigned flags, bool enabled);

// The frame of a single border: the sunken client edge (WS_EX_CLIENTEDGE) with Ctl3D, a flat line
// (WS_BORDER) without. AddSingleBorder puts it into the creation parameters; SetSingleBorder gives a live
// window that frame or takes it away and lays out its frame again.
void AddSingleBorder(TCreateParams& params, const TWinControl& control);
void SetSingleBorder(TWinControl& control, bool on);

// The owner-draw state flags of an item state.
TOwnerDrawState OwnerDrawStateOf(unsigned itemState);

// Button notifications (CN_COMMAND, high word of WParam) and messages.
constexpr unsigned BN_CLICKED = 0;
constexpr uint32_t BM_GETCHECK = 0x00F0;
constexpr uint32_t BM_SETCHECK = 0x00F1;
constexpr uint32_t BM_GETSTATE = 0x00F2;
constexpr uint32_t BM_SETSTATE = 0x00F3;
constexpr uint32_t BM_CLICK = 0x00F5;
constexpr unsigned BST_UNCHECKED = 0;
constexpr unsigned BST_CHECKED = 1;
constexpr unsigned BST_INDETERMINATE = 2;
constexpr unsigned BST_PUSHED = 4;
constexpr unsigned BST_FOCUS = 8;

// List box notifications (CN_COMMAND, high word of WParam).
constexpr unsigned LBN_SELCHANGE = 1;
constexpr unsigned LBN_DBLCLK = 2;

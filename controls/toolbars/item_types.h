#pragma once

#include "platform/gui/core/set_of.h"
#include "platform/gui/windows/messages.h"

#include <cstdint>
#include <functional>

// The vocabulary of the item tree: what an item does (its style), the options it is shown with, the changes
// it reports, and how a menu's modal loop ended.

class TBarCustomItem;

// Behaviour flags, set by the item's class.
enum TBarItemStyleFlag
{
    tbisSubmenu,                // opens its children as a popup (on a click, a key or the open delay)
    tbisSelectable,             // a view may select it
    tbisSeparator,              // follows the separator rules of the layout
    tbisEmbeddedGroup,          // not shown itself: its children are shown in its place, one level deeper
    tbisClicksTransparent,      // a press on it does not start a toolbar's menu loop
    tbisCombo,                  // a split item: a button part and a submenu part
    tbisNoAutoOpen,             // a toolbar in drop-down state does not open it when the keyboard selects it
    tbisSubitemsEditable,       // carried for group items
    tbisNoLineBreak,            // a separator that does not break the line after a wrapped line
    tbisRightAlign,             // pushed with the rest of its line to the line's end
    tbisDontSelectFirst,        // passed over when the first entry is selected
    tbisRedrawOnSelChange,      // painted again when it gains or loses the selection
    tbisRedrawOnMouseOverChange // painted again when the pointer moves on or off it under capture
};
using TBarItemStyle = TSet<TBarItemStyleFlag>;

enum TBarItemOption
{
    tboDefault, // the caption drawn and sized bold; never inherited
    tboDropdownArrow,
    tboImageAboveCaption,
    tboLongHintInMenuOnly,
    tboNoAutoHint,
    tboNoRotation,
    tboSameWidth,
    tboShowHint,
    tboToolbarStyle,
    tboToolbarSize // in a popup, laid out as a toolbar button, side by side
};
using TBarItemOptions = TSet<TBarItemOption>;

enum TBarItemDisplayMode
{
    nbdmDefault,
    nbdmTextOnly,
    nbdmTextOnlyInMenus,
    nbdmImageAndText
};

// What changed, as the listeners of an item hear it.
enum TBarItemChangedAction
{
    tbicInserted,
    tbicDeleting,
    tbicSubitemsChanged,
    tbicSubitemsBeginUpdate,
    tbicSubitemsEndUpdate,
    tbicInvalidate,
    tbicInvalidateAndResize,
    tbicRecreateItemViewers,
    tbicNameChanged,
    tbicSubMenuImagesChanged
};

// A listener of an item's changes: sender is the item that changed (or the embedded group that relays it),
// relayed tells whether sender differs from the item the listener registered with.
using TBarItemChangedCall = std::function<void(
    TBarCustomItem* sender, bool relayed, TBarItemChangedAction action, int index, TBarCustomItem* item)>;

// A listener made from a method of an object; two are the same listener when they call the same method of
// the same object, so that one registered twice needs unregistering twice.
struct TBarItemChangedProc
{
    const void* Instance = nullptr;
    const void* Method = nullptr;
    TBarItemChangedCall Call;

    bool SameMethod(const TBarItemChangedProc& other) const
    {
        return Instance == other.Instance && Method == other.Method;
    }
};

namespace item_detail {
template <auto M> inline const char methodKey = 0;
}

// ItemChangedProc<&TBarView::HandleItemChange>(view)
template <auto Method, typename C> TBarItemChangedProc ItemChangedProc(C* instance)
{
    return {instance, &item_detail::methodKey<Method>,
            [instance](TBarCustomItem* sender, bool relayed, TBarItemChangedAction action, int index,
                       TBarCustomItem* item) { (instance->*Method)(sender, relayed, action, index, item); }};
}

// How a modal menu loop ended, kept by the root view.
enum TBarDoneAction
{
    tbdaNone,
    tbdaCancel,
    tbdaClickItem,
    tbdaOpenSystemMenu,
    tbdaHelpContext
};

struct TBarDoneActionData
{
    TBarDoneAction DoneAction = tbdaNone;
    TBarCustomItem* ClickItem = nullptr;
    bool Sound = false; // the command was chosen in a popup
    HWND Wnd = nullptr; // the window whose system menu opens
    uint16_t Key = 0;   // the key that asked for it
    int ContextID = 0;  // the help topic
};

// Where a popup stands against the point it opens at.
enum TBarPopupAlignment
{
    tbpaLeft,
    tbpaRight,
    tbpaCenter
};

// The sides a popup slides in from.
enum TBarAnimationDirectionFlag
{
    tbadLeft,
    tbadRight,
    tbadDown,
    tbadUp
};
using TBarAnimationDirection = TSet<TBarAnimationDirectionFlag>;

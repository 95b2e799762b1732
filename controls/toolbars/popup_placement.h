#pragma once

#include "controls/toolbars/item_types.h"

#include <functional>

// Where a popup menu opens: beside the entry or below the button it belongs to, or at a point, kept on its
// monitor and, where it can be, off the button it came from.

struct TPopupPlacementRequest
{
    int Width = 0;
    int Height = 0;
    TRect Monitor;
    // The entry or button the popup belongs to (screen); an empty rectangle at the point for a free-standing
    // popup.
    TRect ParentRect;
    TPoint PopupPoint;
    bool HasParentView = false;
    bool ParentVertical = false;
    // A submenu beside a menu entry, rather than a drop-down below a button.
    bool PositionAsSubmenu = false;
    // A chevron's popup, and whether its toolbar is vertical.
    bool Chevron = false;
    bool ChevronVertical = false;
    // The parent popup opened on the left of its own parent.
    bool OppositeRequested = false;
    TBarPopupAlignment Alignment = tbpaLeft;
    // The desktop drops menus aligned with the right edge of their button.
    bool MenuDropRight = false;
    // How many of the parent view's shown viewers lie wholly inside a popup rectangle (screen).
    std::function<int(const TRect&)> CoveredViewers;
};

struct TPopupPlacement
{
    TPoint Pos;
    // The submenu opened on the left of its parent: its own submenus try the left first.
    bool Opposite = false;
    TBarAnimationDirection Direction;
};

TPopupPlacement PlacePopup(const TPopupPlacementRequest& request);

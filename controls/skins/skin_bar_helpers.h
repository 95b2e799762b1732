#pragma once

#include "controls/skins/skin_control_focus.h"
#include "platform/gui/windows/win_control.h"
#include "support/basic_types.h"

#include <vector>

// What the skinned toolbar, popup windows and compound bars share about their items, views and windows:
// drop positions while customizing, the right-align spacer's share of a bar, drag handle sizes, the
// controls hosted by items, and a few window tools.

class TBarControlItem;
class TBarCustomDockableWindow;
class TBarCustomItem;
class TBarDock;
class TBarItemViewer;
class TBarView;
class TCustomForm;

// --- items and viewers ---
// The bounds of a viewer; for a group item, the union of its members' viewers (the visible viewers that
// follow it, up to the next viewer of a direct child of parentItem). Empty for nullptr.
TRect GetGroupItemRect(TBarItemViewer* viewer, TBarCustomItem* parentItem);
// The viewer at p; with skipGroupMembers a viewer of a group's member answers its group's viewer (nullptr
// when none precedes it). nullptr without an item or a view.
TBarItemViewer* ViewerForDrop(TBarCustomItem* parentItem, TBarView* view, TPoint p, bool skipGroupMembers);
// Where a dragged item lands at p: the viewer under it, the root index to insert at (-1 for none) and the
// 4-pixel mark before or after that viewer, whichever half p lies in.
void GetDropPosition(TBarCustomItem* rootItem, TBarView* view, TPoint p, TBarItemViewer*& dropViewer,
                     int& dropIndex, TRect& dropMarkRect);
// The first visible right-align spacer's viewer, or nullptr. totalSize sums the extents along the bar of
// the visible viewers, rightAlignedSize those from the spacer on; list (when given) receives these.
TBarItemViewer* GetRightAlignInfo(TBarView* view, std::vector<TBarItemViewer*>* list, bool vertical,
                                  int& totalSize, int& rightAlignedSize);
// The control item among parentItem's children that hosts control; with recurse, groups are searched
// first.
TBarControlItem* FindControlItem(TBarCustomItem* parentItem, TControl* control, bool recurse);
// The largest image width and height among the viewers that show an image; (0, 0) for none.
TSize GetMaxImageSize(TBarView* view);

// --- docked windows ---
// The drag handle band of a docked window: 0 unless its dock allows dragging.
int GetDragHandleSize(const TBarCustomDockableWindow* window);
// The window's dock lies at the left or the right.
bool IsDockVertical(const TBarCustomDockableWindow* window);
// The dock has a background object that is in use.
bool DockBackgroundInUse(const TBarDock* dock);

// --- controls and windows ---
// Index of control among parent's child controls; -1 when absent.
int IndexOfControl(TWinControl* parent, TControl* control);
// The nearest parent of control of class T; nullptr for none.
template <typename T> T* FindParentOfClass(TControl* control);
// The window's frame is computed and painted again; false without a window.
bool RecalcFrame(TWinControl* control);
// Desktop composition is off on this desktop, and nothing paints on glass.
inline bool IsDwmCompositionEnabled()
{
    return false;
}
// The compositor's frame rendering; nothing to switch without composition.
inline void SetDwmNonClientRendering(TCustomForm* /*form*/, bool /*enabled*/) {}

// The form's show state (0 normal, 1 minimized, 2 maximized) and its normal position as left, top, width
// and height (in the Right and Bottom fields); 0 and an empty rectangle without a window.
int GetWindowPlacementInfo(TCustomForm* form, TRect& rect);
// Shows the form in state with the normal position rect (left, top, width, height) when that is not empty.
void SetWindowPlacementInfo(TCustomForm* form, int state, const TRect& rect);

template <typename T> T* FindParentOfClass(TControl* control)
{
    if (!control)
        return nullptr;
    for (TWinControl* parent = control->Parent(); parent; parent = parent->Parent()) {
        if (auto* found = dynamic_cast<T*>(parent))
            return found;
    }
    return nullptr;
}

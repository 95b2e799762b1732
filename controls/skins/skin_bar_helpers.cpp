#include "controls/skins/skin_bar_helpers.h"

#include "controls/skins/skin_item_painting.h"
#include "controls/skins/skin_label_items.h"
#include "controls/toolbars/chevron_item.h"
#include "controls/toolbars/dock.h"
#include "controls/toolbars/dock_helpers.h"
#include "controls/toolbars/dockable_window.h"
#include "controls/toolbars/item_classes.h"
#include "controls/toolbars/item_viewer.h"
#include "controls/toolbars/view.h"
#include "platform/gui/forms/forms.h"
#include "platform/gui/graphics/image_list.h"
#include "platform/gui/windows/window_functions.h"

#include <algorithm>

namespace {

TRect UnionOf(const TRect& a, const TRect& b)
{
    if (IsRectEmpty(a))
        return b;
    if (IsRectEmpty(b))
        return a;
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

int ExtentAlong(const TBarItemViewer& viewer, bool vertical)
{
    const TRect& r = viewer.BoundsRect();
    return vertical ? r.Height() : r.Width();
}

bool ShowsImage(TBarItemViewer& viewer)
{
    if (auto* skinned = dynamic_cast<IQvSkinnedItemViewer*>(&viewer))
        return skinned->GetImageShown();
    return viewer.ImageShown();
}

} // namespace

TRect GetGroupItemRect(TBarItemViewer* viewer, TBarCustomItem* parentItem)
{
    if (!viewer)
        return {};
    if (!dynamic_cast<TBarGroupItem*>(viewer->Item()))
        return viewer->BoundsRect();
    TBarView* view = viewer->View();
    TRect result;
    for (int i = view->IndexOf(viewer) + 1; i < view->ViewerCount(); ++i) {
        TBarItemViewer* member = view->Viewers(i);
        if (member->Item()->Parent() == parentItem)
            break;
        if (member->Show() && !dynamic_cast<TBarGroupItem*>(member->Item()))
            result = UnionOf(result, member->BoundsRect());
    }
    return result;
}

TBarItemViewer* ViewerForDrop(TBarCustomItem* parentItem, TBarView* view, TPoint p, bool skipGroupMembers)
{
    if (!parentItem || !view)
        return nullptr;
    TBarItemViewer* viewer = view->ViewerFromPoint(p);
    if (!viewer || !skipGroupMembers || dynamic_cast<TBarChevronItemViewer*>(viewer) ||
        viewer->Item()->Parent() == parentItem)
        return viewer;
    for (int i = view->IndexOf(viewer); i >= 0; --i) {
        if (dynamic_cast<TBarGroupItem*>(view->Viewers(i)->Item()))
            return view->Viewers(i);
    }
    return nullptr;
}

void GetDropPosition(TBarCustomItem* rootItem, TBarView* view, TPoint p, TBarItemViewer*& dropViewer,
                     int& dropIndex, TRect& dropMarkRect)
{
    dropIndex = -1;
    dropMarkRect = {};
    dropViewer = ViewerForDrop(rootItem, view, p, true);
    if (!dropViewer)
        return;
    constexpr int markThickness = 4;
    dropIndex = rootItem->IndexOf(dropViewer->Item());
    const TRect r = GetGroupItemRect(dropViewer, rootItem);
    if (view->Orientation() == tbvoVertical) {
        const bool after = p.Y > (r.Top + r.Bottom) / 2;
        const int row = after ? r.Bottom : r.Top;
        dropIndex += after ? 1 : 0;
        dropMarkRect = {0, row, view->BaseSize().X, row + markThickness};
    } else {
        const bool after = p.X > (r.Left + r.Right) / 2;
        const int column = after ? r.Right : r.Left;
        dropIndex += after ? 1 : 0;
        dropMarkRect = {column, 0, column + markThickness, view->BaseSize().Y};
    }
}

TBarItemViewer* GetRightAlignInfo(TBarView* view, std::vector<TBarItemViewer*>* list, bool vertical,
                                  int& totalSize, int& rightAlignedSize)
{
    if (list)
        list->clear();
    totalSize = 0;
    rightAlignedSize = 0;
    TBarItemViewer* spacer = nullptr;
    if (!view)
        return nullptr;
    for (int i = 0; i < view->ViewerCount(); ++i) {
        TBarItemViewer* viewer = view->Viewers(i);
        if (!viewer->Show())
            continue;
        const int extent = ExtentAlong(*viewer, vertical);
        totalSize += extent;
        if (!spacer && dynamic_cast<TQvRightAlignSpacerItem*>(viewer->Item()))
            spacer = viewer;
        if (spacer) {
            if (list)
                list->push_back(viewer);
            rightAlignedSize += extent;
        }
    }
    return spacer;
}

TBarControlItem* FindControlItem(TBarCustomItem* parentItem, TControl* control, bool recurse)
{
    if (!parentItem)
        return nullptr;
    if (recurse) {
        for (int i = 0; i < parentItem->Count(); ++i) {
            if (auto* group = dynamic_cast<TBarGroupItem*>(parentItem->Items(i))) {
                if (TBarControlItem* found = FindControlItem(group, control, true))
                    return found;
            }
        }
    }
    for (int i = 0; i < parentItem->Count(); ++i) {
        auto* item = dynamic_cast<TBarControlItem*>(parentItem->Items(i));
        if (item && item->Control() == control)
            return item;
    }
    return nullptr;
}

TSize GetMaxImageSize(TBarView* view)
{
    TSize result;
    if (!view)
        return result;
    for (int i = 0; i < view->ViewerCount(); ++i) {
        TBarItemViewer* viewer = view->Viewers(i);
        TCustomImageList* images = viewer->GetImageList();
        if (images && ShowsImage(*viewer)) {
            result.cx = std::max(result.cx, images->Width());
            result.cy = std::max(result.cy, images->Height());
        }
    }
    return result;
}

int GetDragHandleSize(const TBarCustomDockableWindow* window)
{
    TBarDock* dock = window ? window->CurrentDock() : nullptr;
    if (!dock || !dock->AllowDrag())
        return 0;
    return DragHandleSize(window->CloseButtonWhenDocked(), window->DragHandleStyle());
}

bool IsDockVertical(const TBarCustomDockableWindow* window)
{
    return window && window->CurrentDock() && window->CurrentDock()->Vertical();
}

bool DockBackgroundInUse(const TBarDock* dock)
{
    return dock && dock->Background() && dock->Background()->UsingBackground();
}

int IndexOfControl(TWinControl* parent, TControl* control)
{
    if (!parent)
        return -1;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        if (parent->Controls(i) == control)
            return i;
    }
    return -1;
}

bool RecalcFrame(TWinControl* control)
{
    if (!control || !control->HandleAllocated())
        return false;
    return SetWindowPos(control->Handle(), nullptr, 0, 0, 0, 0,
                        SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

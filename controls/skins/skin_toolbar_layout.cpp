// The skinned toolbar's view and its layout passes: the right-align spacer and the anchored items that a
// toolbar stretched across its dock widens, and the item changes that set them off.

#include "controls/skins/skin_bar_helpers.h"
#include "controls/skins/skin_toolbar.h"
#include "controls/toolbars/dock.h"
#include "controls/toolbars/dock_helpers.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/canvas.h"

#include <algorithm>

namespace {

// Takes a guard flag out of the toolbar's state and closes the framework's update bracket on every way out.
class TAlignmentPass
{
public:
    TAlignmentPass(TBarView& view, TQvToolbarStates& state, TQvToolbarState flag)
        : view_(view), state_(state), flag_(flag)
    {
        state_.Include(flag_);
        view_.BeginUpdate();
    }
    ~TAlignmentPass()
    {
        view_.EndUpdate();
        state_.Exclude(flag_);
    }
    TAlignmentPass(const TAlignmentPass&) = delete;
    TAlignmentPass& operator=(const TAlignmentPass&) = delete;

private:
    TBarView& view_;
    TQvToolbarStates& state_;
    TQvToolbarState flag_;
};

} // namespace

// --- the view ----------------------------------------------------------------------------------------------

TQvToolbarView::TQvToolbarView(TComponent* owner, TBarView* parentView, TBarCustomItem* parentItem,
                               TWinControl* window, bool isToolbar, bool customizing, bool usePriorityList)
    : TBarToolbarView(owner, parentView, parentItem, window, isToolbar, customizing, usePriorityList)
{}

void TQvToolbarView::SetMaxSize(int value)
{
    if (value == FMaxSize)
        return;
    FMaxSize = value;
    UpdatePositions();
}

void TQvToolbarView::BeginUpdate()
{
    ++FUpdating;
    TBarView::BeginUpdate();
}

void TQvToolbarView::EndUpdate()
{
    --FUpdating;
    TBarView::EndUpdate();
    if (FUpdating == 0) {
        if (auto* toolbar = dynamic_cast<TQvToolbar*>(Owner())) {
            toolbar->UpdateRightAlignment();
            toolbar->UpdateAnchors(true);
        }
    }
}

void TQvToolbarView::DoUpdatePositions(TPoint& size)
{
    FTallestItemSize = 0;
    MeasureTallestItem();
    TBarToolbarView::DoUpdatePositions(size);
}

void TQvToolbarView::MeasureTallestItem()
{
    TWinControl* window = Window();
    if (!window || !window->HandleAllocated() || window->ClientWidth() <= 0 || window->ClientHeight() <= 0 ||
        ViewerCount() <= 2 || IsUpdating())
        return;
    TBitmap measuring(1, 1);
    TCanvas& canvas = *measuring.Canvas();
    if (TFont* font = GetFont())
        canvas.SetFont(font);
    const bool vertical = Orientation() == tbvoVertical;
    int tallest = 0;
    for (int i = 0; i < ViewerCount(); ++i) {
        TBarItemViewer* viewer = Viewers(i);
        if (!viewer->Item()->Visible())
            continue;
        int width = 0, height = 0;
        if (auto* skinned = dynamic_cast<TQvItemViewer*>(viewer))
            skinned->InternalCalcSize(canvas, false, width, height);
        else
            viewer->CalcSize(canvas, width, height);
        tallest = std::max(tallest, vertical ? width : height);
    }
    FTallestItemSize = tallest;
}

// --- the passes --------------------------------------------------------------------------------------------

bool TQvToolbar::CanAlignItems(TQvToolbarState guard) const
{
    return !IsDestroying() && !FState.Contains(guard) && CurrentDock() && Stretch() &&
           ShrinkMode() == tbsmNone && !IsUpdating();
}

void TQvToolbar::UpdateRightAlignment()
{
    if (!CanAlignItems(tstRightAligning) || Items()->Count() == 0)
        return;
    const TBarDock* dock = CurrentDock();
    if (dock->Width() <= 0 && dock->Height() <= 0)
        return;
    View()->ValidatePositions();
    TAlignmentPass pass(*View(), FState, tstRightAligning);
    const bool vertical = IsVertical();
    int total = 0, rightAligned = 0;
    if (TBarItemViewer* spacer = GetRightAlignInfo(View(), nullptr, vertical, total, rightAligned)) {
        const TRect& own = spacer->BoundsRect();
        const int length = vertical ? dock->Height() : dock->Width();
        const int width = length - RightAlignMargin() - (total - (vertical ? own.Height() : own.Width()));
        static_cast<TQvCustomItem*>(spacer->Item())->SetCustomWidth(std::max(width, 0));
    }
    View()->UpdatePositions();
}

void TQvToolbar::UpdateAnchors(bool adjust)
{
    if (!CanAlignItems(tstAnchoring))
        return;
    const int dockWidth = CurrentDock()->Width();
    const int dockHeight = CurrentDock()->Height();
    if (dockWidth == 0 || dockHeight == 0)
        return;
    {
        TAlignmentPass pass(*View(), FState, tstAnchoring);
        View()->ValidatePositions();
        int delta = 0;
        if (FLastSelectableWidth > 0 && adjust && View()->NextSelectable(nullptr, false))
            delta = FLastSelectableWidth - LastSelectableEdge();
        for (int i = 0; i < View()->ViewerCount(); ++i)
            AnchorViewer(*View()->Viewers(i), delta, dockWidth, dockHeight);
        View()->UpdatePositions();
    }
    FLastSelectableWidth = LastSelectableEdge();
}

int TQvToolbar::LastSelectableEdge()
{
    const TBarItemViewer* last = View()->NextSelectable(nullptr, false);
    if (!last)
        return 0;
    return IsVertical() ? last->BoundsRect().Bottom : last->BoundsRect().Right;
}

void TQvToolbar::AnchorViewer(TBarItemViewer& viewer, int delta, int dockWidth, int dockHeight)
{
    auto* skinned = dynamic_cast<TQvItemViewer*>(&viewer);
    if (!skinned || !dynamic_cast<TQvCustomItem*>(viewer.Item())) {
        if (auto* control = dynamic_cast<TBarControlItem*>(viewer.Item()); IsAnchoredControlItem(control))
            AnchorControlItem(*control, delta, dockWidth, dockHeight);
        else
            ForgetAnchoredControlItem(viewer.Item());
        return;
    }
    if (!skinned->Item()->Anchored())
        return;
    TPoint& size = skinned->FAnchorSize;
    if (size.X == 0 && size.Y == 0)
        size = {dockWidth, dockHeight};
    if (IsVertical()) {
        size.Y -= delta;
        skinned->FAnchorDelta = dockHeight - size.Y;
    } else {
        size.X -= delta;
        skinned->FAnchorDelta = dockWidth - size.X;
    }
}

bool TQvToolbar::IsAnchoredControlItem(TBarCustomItem* item) const
{
    auto* controlItem = dynamic_cast<TBarControlItem*>(item);
    if (!Docked() || !controlItem || !controlItem->Control())
        return false;
    const TControl* control = controlItem->Control();
    return control->Align() == alClient || control->Anchors().Contains(akRight);
}

void TQvToolbar::AnchorControlItem(TBarControlItem& item, int delta, int dockWidth, int dockHeight)
{
    TControl* control = item.Control();
    int index = FAnchoredControlItems.IndexOf(&item);
    if (index < 0) {
        index = FAnchoredControlItems.Add(&item);
        TQvItemCache* entry = FAnchoredControlItems.Items(index);
        entry->SetWidth(control->Width());
        entry->SetHeight(control->Height());
        entry->SetParentWidth(dockWidth);
        entry->SetParentHeight(dockHeight);
        entry->SetDock(CurrentDock());
    }
    TQvItemCache* entry = FAnchoredControlItems.Items(index);
    if (entry->Dock() != CurrentDock())
        return;
    entry->SetWidth(entry->Width() + delta);
    control->SetWidth(entry->Width() + (dockWidth - entry->ParentWidth()));
}

void TQvToolbar::ForgetAnchoredControlItem(TBarCustomItem* item)
{
    const int index = FAnchoredControlItems.IndexOf(item);
    if (index >= 0)
        FAnchoredControlItems.Delete(index);
}

void TQvToolbar::ItemNotification(TBarCustomItem* ancestor, bool relayed, TBarItemChangedAction action,
                                  int index, TBarCustomItem* item)
{
    // The cache holds the item's address: an item on its way out leaves the cache whatever else is going
    // on, so that no entry outlives its item.
    if (action == tbicDeleting)
        ForgetAnchoredControlItem(item);
    if (IsDestroying() || ComponentState().Contains(csLoading) || ComponentState().Contains(csReading) ||
        FState.Contains(tstResizing) || IsItemMoving())
        return;
    if (OnItemNotification)
        OnItemNotification(this, ancestor, relayed, action, index, item);
    switch (action) {
    case tbicInserted:
    case tbicDeleting:
        UpdateRightAlignment();
        UpdateAnchors(true);
        break;
    case tbicInvalidateAndResize:
        UpdateRightAlignment();
        break;
    default:
        break;
    }
}

void TQvToolbar::Resize()
{
    if (!IsDestroying()) {
        FState.Include(tstResizing);
        try {
            UpdateRightAlignment();
            UpdateAnchors(true);
        } catch (...) {
            FState.Exclude(tstResizing);
            throw;
        }
        FState.Exclude(tstResizing);
    }
    TBarCustomToolbar::Resize();
}

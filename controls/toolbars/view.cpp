#include "controls/toolbars/view.h"

#include "controls/toolbars/accessibility.h"
#include "controls/toolbars/dpi_scaling.h"
#include "controls/toolbars/item_classes.h"
#include "controls/toolbars/item_viewer.h"
#include "controls/toolbars/menu_font.h"
#include "controls/toolbars/message_helpers.h"
#include "controls/toolbars/pointer_lists.h"
#include "controls/toolbars/popup_animation.h"
#include "controls/toolbars/popup_window.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/win_control.h"
#include "platform/gui/windows/window_functions.h"

namespace {

// How deep embedded groups are shown.
constexpr int MaxGroupLevel = 10;

} // namespace

TBarView::TBarView(TComponent* owner, TBarView* parentView, TBarCustomItem* parentItem, TWinControl* window,
                   bool isToolbar, bool customizing, bool usePriorityList)
    : TComponent(owner), FCustomizing(customizing), FIsPopup(!isToolbar), FIsToolbar(isToolbar),
      FParentView(parentView), FParentItem(parentItem), FUsePriorityList(usePriorityList), FWindow(window)
{
    if (parentItem) {
        parentItem->RegisterNotification(ItemChangedProc<&TBarView::HandleParentItemChange>(this));
        parentItem->FreeNotification(this);
    }
    UpdateLinkedParentItem();
}

TBarView::~TBarView()
{
    Destroying();
    CloseChildPopups();
    if (FAccObjectInstance) {
        BarAccessibility().ClientIsDestroying(FAccObjectInstance.get());
        FAccObjectInstance.reset();
    }
    if (FParentView && FParentView->FIsToolbar) {
        FParentView->FState.Include(vsNoAnimation);
        if (FParentView->FOpenViewer)
            FParentView->Invalidate(FParentView->FOpenViewer);
    }
    if (FCurParentItem)
        FCurParentItem->UnregisterNotification(ItemChangedProc<&TBarView::HandleItemChange>(this));
    if (FParentItem)
        FParentItem->UnregisterNotification(ItemChangedProc<&TBarView::HandleParentItemChange>(this));
    SendFreeNotifications();
    FPriorityList.reset();
    FreeViewers();
    if (FParentView)
        FParentView->NotifyFocusEvent();
}

TBarView* TBarView::RootView()
{
    TBarView* view = this;
    while (view->FParentView)
        view = view->FParentView;
    return view;
}

TFont* TBarView::GetFont()
{
    if (TFont* font = FrameworkMenuFont())
        return font;
    return FWindow ? FWindow->Font() : nullptr;
}

void TBarView::GetMargins(TBarViewOrientation orientation, TRect& margins)
{
    margins = orientation == tbvoFloating
                  ? TRect{ScaleForDPI(4), ScaleForDPI(2), ScaleForDPI(4), ScaleForDPI(1)}
                  : TRect{};
}

void TBarView::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == FParentItem) {
        FParentItem = nullptr;
        UpdateLinkedParentItem();
        if (FParentView)
            FParentView->CloseChildPopups();
    }
    if (component == FOpenViewerWindow) {
        FOpenViewerWindow = nullptr;
        FOpenViewerView = nullptr;
        FOpenViewer = nullptr;
    }
    if (component == FChevronParentView)
        FChevronParentView = nullptr;
}

void TBarView::UpdateLinkedParentItem()
{
    TBarCustomItem* newItem = TBarCustomItem::LinkedOrSelf(FParentItem);
    if (newItem == FCurParentItem)
        return;
    CloseChildPopups();
    if (FCurParentItem)
        FCurParentItem->UnregisterNotification(ItemChangedProc<&TBarView::HandleItemChange>(this));
    FCurParentItem = newItem;
    if (FCurParentItem)
        FCurParentItem->RegisterNotification(ItemChangedProc<&TBarView::HandleItemChange>(this));
    RecreateAllViewers();
    if (newItem && !newItem->ComponentState().Contains(csDesigning))
        for (TBarItemViewer* viewer : std::vector<TBarItemViewer*>(FViewers))
            viewer->Item()->InitiateAction();
}

void TBarView::SetCustomizing(bool value)
{
    if (value == FCustomizing)
        return;
    FCustomizing = value;
    RecreateAllViewers();
}

void TBarView::SetUsePriorityList(bool value)
{
    if (value == FUsePriorityList)
        return;
    FUsePriorityList = value;
    RecreateAllViewers();
}

// --- viewers
// -------------------------------------------------------------------------------------------------

TBarItemViewer* TBarView::GetViewer(int index) const
{
    if (index < 0 || index >= ViewerCount())
        throw ETBItemError("Toolbar item index out of range");
    return FViewers[static_cast<size_t>(index)];
}

int TBarView::IndexOf(const TBarItemViewer* viewer) const
{
    const auto it = std::find(FViewers.begin(), FViewers.end(), viewer);
    return viewer && it != FViewers.end() ? static_cast<int>(it - FViewers.begin()) : -1;
}

TBarItemViewer* TBarView::Find(const TBarCustomItem* item) const
{
    for (TBarItemViewer* viewer : FViewers)
        if (viewer->Item() == item)
            return viewer;
    throw ETBItemError("An item viewer associated the specified item could not be found");
}

TBarItemViewer* TBarView::ViewerFromPoint(TPoint p)
{
    ValidatePositions();
    for (TBarItemViewer* viewer : FViewers)
        if (viewer->FShow && PtInRect(viewer->FBoundsRect, p))
            return viewer;
    return nullptr;
}

bool TBarView::ContainsView(const TBarView* view) const
{
    for (; view; view = view->FParentView)
        if (view == this)
            return true;
    return false;
}

void TBarView::GetOffEdgeControlList(std::vector<TControl*>& list) const
{
    for (TBarItemViewer* viewer : FViewers)
        if (auto* item = dynamic_cast<TBarControlItem*>(viewer->Item()); item && viewer->FOffEdge)
            if (auto* control = dynamic_cast<TWinControl*>(item->Control()))
                list.push_back(control);
}

int TBarView::InsertViewersOfItem(int index, TBarCustomItem* item, int groupLevel, bool addToPriorityList,
                                  bool topOfPriorityList)
{
    if (groupLevel > MaxGroupLevel)
        return 0;
    TBarItemViewer* viewer = item->GetItemViewerClass(this).Create(this, item, groupLevel);
    FViewers.insert(FViewers.begin() + index, viewer);
    if (addToPriorityList && FUsePriorityList) {
        if (!FPriorityList)
            FPriorityList = std::make_unique<std::vector<TBarItemViewer*>>();
        if (topOfPriorityList)
            ListInsertFrontUnique(*FPriorityList, viewer);
        else
            ListAddUnique(*FPriorityList, viewer);
    }
    int inserted = 1;
    if (!FCustomizing && item->ItemStyle().Contains(tbisEmbeddedGroup)) {
        TBarCustomItem* shown = TBarCustomItem::LinkedOrSelf(item);
        for (int i = 0; i < shown->Count(); ++i)
            inserted += InsertViewersOfItem(index + inserted, shown->Items(i), groupLevel + 1,
                                            addToPriorityList, topOfPriorityList);
    }
    return inserted;
}

void TBarView::FreeViewers()
{
    while (!FViewers.empty()) {
        TBarItemViewer* viewer = FViewers.back();
        FViewers.pop_back();
        delete viewer;
    }
}

void TBarView::RecreateAllViewers()
{
    CloseChildPopups();
    SetSelected(nullptr);
    InvalidatePositions();
    FPriorityList.reset();
    FreeViewers();
    FInternalViewersAtFront = FInternalViewersAtEnd = 0;
    if (TBarCustomItem* item = GetMDISystemMenuItem())
        FInternalViewersAtFront += InsertViewersOfItem(ViewerCount(), item, 0, false, false);
    if (FCurParentItem)
        for (int i = 0; i < FCurParentItem->Count(); ++i)
            InsertViewersOfItem(ViewerCount(), FCurParentItem->Items(i), 0, true, false);
    if (TBarCustomItem* buttons = GetMDIButtonsItem())
        for (int i = 0; i < buttons->Count(); ++i)
            FInternalViewersAtEnd += InsertViewersOfItem(ViewerCount(), buttons->Items(i), 0, false, false);
    if (TBarCustomItem* chevron = GetChevronItem())
        FInternalViewersAtEnd += InsertViewersOfItem(ViewerCount(), chevron, 0, false, false);
}

void TBarView::ForgetViewer(TBarItemViewer* viewer)
{
    if (viewer == FSelected)
        FSelected = nullptr;
    if (viewer == FOpenViewer)
        CloseChildPopups();
}

void TBarView::RecreateViewerAt(int index)
{
    TBarItemViewer* old = FViewers[static_cast<size_t>(index)];
    ForgetViewer(old);
    TBarItemViewer* viewer =
        old->Item()->GetItemViewerClass(this).Create(this, old->Item(), old->FGroupLevel);
    FViewers[static_cast<size_t>(index)] = viewer;
    if (FPriorityList)
        std::replace(FPriorityList->begin(), FPriorityList->end(), old, viewer);
    delete old;
}

void TBarView::DeleteViewer(int index)
{
    TBarItemViewer* viewer = FViewers[static_cast<size_t>(index)];
    ForgetViewer(viewer);
    if (FPriorityList) {
        ListRemoveAndFree(*FPriorityList, viewer);
        if (FPriorityList->empty())
            FPriorityList.reset();
    }
    FViewers.erase(FViewers.begin() + index);
    delete viewer;
}

// --- following the items
// ---------------------------------------------------------------------------------------

void TBarView::HandleItemChange(TBarCustomItem* sender, bool relayed, TBarItemChangedAction action, int index,
                                TBarCustomItem* item)
{
    switch (action) {
    case tbicInserted:
        InvalidatePositions();
        InsertItemViewers(sender, index, item);
        break;
    case tbicDeleting:
        InvalidatePositions();
        DeleteItemViewers(item);
        break;
    case tbicSubitemsChanged:
        if (relayed)
            RecreateAllViewers();
        break;
    case tbicSubitemsBeginUpdate:
        BeginUpdate();
        break;
    case tbicSubitemsEndUpdate:
        EndUpdate();
        break;
    case tbicInvalidate:
        for (TBarItemViewer* viewer : FViewers)
            if (viewer->Item() == item)
                Invalidate(viewer);
        break;
    case tbicInvalidateAndResize:
        InvalidatePositions();
        break;
    case tbicRecreateItemViewers:
        InvalidatePositions();
        for (int i = 0; i < ViewerCount(); ++i)
            if (FViewers[static_cast<size_t>(i)]->Item() == item)
                RecreateViewerAt(i);
        break;
    case tbicNameChanged:
        return;
    case tbicSubMenuImagesChanged:
        SubmenuImagesChanged();
        break;
    }
    TryValidatePositions();
}

void TBarView::InsertItemViewers(TBarCustomItem* sender, int index, TBarCustomItem* item)
{
    int newLevel = 0;
    int start = 0;
    int insertPoint = ViewerCount();
    if (sender != FCurParentItem) {
        // An embedded group shown in this view: the child goes into the group's run of viewers.
        for (;;) {
            while (start < ViewerCount() && FViewers[static_cast<size_t>(start)]->Item() != sender)
                ++start;
            if (start == ViewerCount())
                return;
            newLevel = FViewers[static_cast<size_t>(start)]->FGroupLevel + 1;
            ++start;
            insertPoint = start;
            bool alreadyShown = false;
            while (insertPoint < ViewerCount() &&
                   FViewers[static_cast<size_t>(insertPoint)]->FGroupLevel >= newLevel) {
                const TBarItemViewer* viewer = FViewers[static_cast<size_t>(insertPoint)];
                alreadyShown = alreadyShown || (viewer->Item() == item && viewer->FGroupLevel == newLevel);
                ++insertPoint;
            }
            if (!alreadyShown)
                break;
            start = insertPoint;
        }
    }
    if (insertPoint == ViewerCount())
        insertPoint = std::max(insertPoint - FInternalViewersAtEnd, 0);
    if (TBarCustomItem* parent = item->Parent(); parent && index < parent->Count() - 1) {
        const TBarCustomItem* next = parent->Items(index + 1);
        for (int i = start; i < insertPoint; ++i)
            if (FViewers[static_cast<size_t>(i)]->Item() == next &&
                FViewers[static_cast<size_t>(i)]->FGroupLevel == newLevel) {
                insertPoint = i;
                break;
            }
    }
    InsertViewersOfItem(insertPoint, item, newLevel, true,
                        !item->ComponentState().Contains(csLoading) && FNewViewersGetHighestPriority);
}

void TBarView::DeleteItemViewers(TBarCustomItem* item)
{
    for (int i = 0; i < ViewerCount();) {
        if (FViewers[static_cast<size_t>(i)]->Item() != item) {
            ++i;
            continue;
        }
        const int level = FViewers[static_cast<size_t>(i)]->FGroupLevel;
        DeleteViewer(i);
        while (i < ViewerCount() && FViewers[static_cast<size_t>(i)]->FGroupLevel > level)
            DeleteViewer(i);
    }
}

void TBarView::HandleParentItemChange(TBarCustomItem*, bool, TBarItemChangedAction action, int,
                                      TBarCustomItem*)
{
    if (action == tbicSubitemsChanged)
        UpdateLinkedParentItem();
    else if (action == tbicSubMenuImagesChanged && FParentItem != FCurParentItem)
        SubmenuImagesChanged();
}

void TBarView::SubmenuImagesChanged()
{
    for (TBarView* view = this; view; view = view->FOpenViewerView) {
        view->InvalidatePositions();
        view->TryValidatePositions();
    }
}

// --- validation
// ------------------------------------------------------------------------------------------------

void TBarView::InvalidateWindow(const TRect* rect, bool erase)
{
    if (!FWindow || !FWindow->HandleAllocated())
        return;
    EndAnimation(FWindow->Handle());
    InvalidateRect(FWindow->Handle(), rect, erase);
}

void TBarView::InvalidatePositions()
{
    if (!FValidated)
        return;
    FValidated = false;
    InvalidateWindow(nullptr, true);
}

void TBarView::TryValidatePositions()
{
    if (FUpdating > 0)
        return;
    if (FParentItem && (FParentItem->ComponentState().Contains(csLoading) ||
                        (FParentItem->Owner() && FParentItem->Owner()->ComponentState().Contains(csLoading))))
        return;
    ValidatePositions();
}

void TBarView::ValidatePositions()
{
    if (!FValidated)
        UpdatePositions();
}

void TBarView::BeginUpdate()
{
    ++FUpdating;
}

void TBarView::EndUpdate()
{
    if (--FUpdating == 0)
        TryValidatePositions();
}

TPoint TBarView::UpdatePositions()
{
    TPoint size;
    DoUpdatePositions(size);
    return size;
}

void TBarView::DoUpdatePositions(TPoint& size)
{
    int wrappedLines = 0;
    ComputeLayout(true, FOrientation, FWrapOffset, FChevronOffset, FChevronSize, FBaseSize, size,
                  wrappedLines);
    FValidated = true;
    if (FWindow && FWindow->HandleAllocated())
        ValidateRect(FWindow->Handle(), nullptr);
    AutoSize(size.X, size.Y);
    if (FWindow && FWindow->HandleAllocated())
        RepaintWithoutFlicker(FWindow->Handle());
}

// --- priority
// ----------------------------------------------------------------------------------------------------

void TBarView::GivePriority(TBarItemViewer* viewer)
{
    if (FChevronParentView) {
        const int index = IndexOf(viewer) + FChevronParentView->FInternalViewersAtFront;
        if (index >= 0 && index < FChevronParentView->ViewerCount())
            FChevronParentView->GivePriority(FChevronParentView->FViewers[static_cast<size_t>(index)]);
        return;
    }
    if (FPriorityList &&
        std::find(FPriorityList->begin(), FPriorityList->end(), viewer) != FPriorityList->end()) {
        std::erase(*FPriorityList, viewer);
        FPriorityList->insert(FPriorityList->begin(), viewer);
        if (!FValidated || viewer->FOffEdge)
            UpdatePositions();
    }
    if (FParentView && FParentView->FOpenViewer)
        FParentView->GivePriority(FParentView->FOpenViewer);
}

TBarItemViewer* TBarView::HighestPriorityViewer()
{
    ValidatePositions();
    const std::vector<TBarItemViewer*>& list = FPriorityList ? *FPriorityList : FViewers;
    for (TBarItemViewer* viewer : list)
        if (viewer->FShow && !viewer->Item()->ItemStyle().Contains(tbisSeparator))
            return viewer;
    return nullptr;
}

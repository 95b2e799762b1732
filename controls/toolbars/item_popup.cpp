#include "controls/toolbars/accessibility.h"
#include "controls/toolbars/done_action.h"
#include "controls/toolbars/item.h"
#include "controls/toolbars/item_viewer.h"
#include "controls/toolbars/modal_handler.h"
#include "controls/toolbars/monitor_rects.h"
#include "controls/toolbars/popup_placement.h"
#include "controls/toolbars/popup_window.h"
#include "platform/gui/windows/system_metrics.h"

#include <memory>

// An item's children as a popup: opened from a view as a submenu or drop-down, or free-standing at a point.

namespace {

// The parent viewer's rectangle on the screen.
TRect ScreenBounds(TBarView& view, const TBarItemViewer& viewer)
{
    const TRect& r = viewer.BoundsRect();
    const TPoint topLeft = view.Window()->ClientToScreen(r.TopLeft());
    return Bounds(topLeft.X, topLeft.Y, r.Width(), r.Height());
}

// How many of the view's shown viewers lie wholly inside a screen rectangle.
int CoveredViewers(TBarView& view, const TRect& screen)
{
    const TPoint origin = view.Window()->ClientToScreen({0, 0});
    int covered = 0;
    for (int i = 0; i < view.ViewerCount(); ++i) {
        const TBarItemViewer* viewer = view.Viewers(i);
        const TRect& r = viewer->BoundsRect();
        covered += viewer->Show() && r.Left + origin.X >= screen.Left && r.Right + origin.X <= screen.Right &&
                           r.Top + origin.Y >= screen.Top && r.Bottom + origin.Y <= screen.Bottom
                       ? 1
                       : 0;
    }
    return covered;
}

} // namespace

TBarPopupWindow* TBarCustomItem::CreatePopup(TBarView* parentView, TBarItemViewer* parentViewer,
                                             bool positionAsSubmenu, bool selectFirstItem, bool customizing,
                                             TPoint popupPoint, TBarPopupAlignment alignment)
{
    if (TBarCustomItem* linked = LinkedOrSelf(this); linked != this)
        linked->DoPopup(this, true);
    DoPopup(this, false);
    TBarView* chevronView = GetChevronParentView();
    TBarCustomItem* shown = chevronView ? chevronView->ParentItem() : this;
    std::unique_ptr<TBarPopupWindow, void (*)(TBarPopupWindow*)> window(
        GetPopupWindowClass().Create(nullptr, parentView, shown, customizing),
        [](TBarPopupWindow* w) { w->Free(); });
    TBarView& view = *window->View();
    if (chevronView) {
        chevronView->FreeNotification(&view);
        view.FChevronParentView = chevronView;
        view.FIsToolbar = true;
        if (chevronView->Style().Contains(vsAlwaysShowHints))
            view.FStyle.Include(vsAlwaysShowHints);
        window->SetColor(clBtnFace);
    }
    TPopupPlacementRequest request;
    request.PopupPoint = popupPoint;
    request.Alignment = alignment;
    request.PositionAsSubmenu = positionAsSubmenu;
    request.Chevron = chevronView != nullptr;
    request.ChevronVertical = chevronView && chevronView->Orientation() == tbvoVertical;
    request.MenuDropRight = GetSystemMetrics(SM_MENUDROPALIGNMENT) != 0;
    if (parentView) {
        parentView->ValidatePositions();
        request.HasParentView = true;
        request.ParentVertical = parentView->Orientation() == tbvoVertical;
        request.OppositeRequested = parentView->State().Contains(vsOppositePopup);
        request.ParentRect = ScreenBounds(*parentView, *parentViewer);
        const TRect own = parentView->MonitorRect();
        request.Monitor = own.Right > own.Left && own.Bottom > own.Top
                              ? own
                              : GetMonitorRectOfRect(request.ParentRect, false);
        request.CoveredViewers = [parentView](const TRect& r) { return CoveredViewers(*parentView, r); };
    } else {
        request.ParentRect = {popupPoint.X, popupPoint.Y, popupPoint.X, popupPoint.Y};
        request.Monitor = GetMonitorRectOfPoint(popupPoint, false);
    }
    view.FMonitorRect = request.Monitor;
    if (chevronView)
        view.FWrapOffset = request.Monitor.Width() - 6;
    else
        view.FMaxHeight = request.Monitor.Height() - 6;
    if (selectFirstItem)
        view.SetSelected(view.FirstSelectable());
    view.UpdatePositions();
    request.Width = window->Width();
    request.Height = window->Height();
    const TPopupPlacement placement = PlacePopup(request);
    if (placement.Opposite)
        view.FState.Include(vsOppositePopup);
    window->FAnimationDirection = placement.Direction;
    window->SetBounds(placement.Pos.X, placement.Pos.Y, request.Width, request.Height);
    if (parentView) {
        window->FreeNotification(parentView);
        parentView->FOpenViewerWindow = window.get();
        parentView->FOpenViewerView = &view;
        parentView->FOpenViewer = parentViewer;
        if (parentView->IsToolbar()) {
            parentView->FState.Include(vsDropDownMenus);
            parentView->Invalidate(parentViewer);
            parentView->Window()->Update();
        }
    }
    view.FState.Include(vsDrawInOrder);
    window->ShowPopup();
    CallNotifyWinEvent(EVENT_SYSTEM_MENUPOPUPSTART, window->Handle(), OBJID_CLIENT, 0);
    if (view.Selected())
        view.NotifyFocusEvent();
    return window.release();
}

TBarCustomItem* TBarCustomItem::Popup(int x, int y, bool trackRightButton, TBarPopupAlignment alignment,
                                      bool returnClickedItemOnly)
{
    TBarDoneActionData data;
    {
        TBarModalHandler handler(nullptr);
        TBarPopupWindow* window = CreatePopup(nullptr, nullptr, false, false, false, {x, y}, alignment);
        TBarView* view = window->View();
        view->FState.Include(vsIgnoreFirstMouseUp);
        handler.RootPopup = window;
        auto cleanUp = [&] {
            handler.RootPopup = nullptr;
            view->FState.Exclude(vsModal);
            window->Free();
        };
        try {
            handler.Loop(view, false, false, false, trackRightButton);
            data = view->DoneActionData();
        } catch (...) {
            cleanUp();
            throw;
        }
        cleanUp();
    }
    return RunDoneAction(data, returnClickedItemOnly);
}

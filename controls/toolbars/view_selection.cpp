#include "controls/toolbars/view.h"

#include "controls/toolbars/accel_text.h"
#include "controls/toolbars/item_metrics.h"
#include "controls/toolbars/item_viewer.h"
#include "controls/toolbars/modal_handler.h"
#include "controls/toolbars/system_queries.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/win_control.h"
#include "platform/gui/windows/window_functions.h"
#include "support/utf8.h"

#include <climits>

namespace {

bool Selectable(const TBarItemViewer& viewer)
{
    const TBarCustomItem* item = viewer.Item();
    return (viewer.Show() || viewer.Clipped()) && item->Visible() &&
           item->ItemStyle().Contains(tbisSelectable);
}

} // namespace

TBarItemViewer* TBarView::NextSelectable(TBarItemViewer* curViewer, bool goForward)
{
    ValidatePositions();
    const int count = ViewerCount();
    int i = IndexOf(curViewer);
    for (int step = 0; step < count; ++step) {
        i = goForward ? (i + 1) % count : (i <= 0 ? count : i) - 1;
        if (Selectable(*FViewers[static_cast<size_t>(i)]))
            return FViewers[static_cast<size_t>(i)];
    }
    return nullptr;
}

TBarItemViewer* TBarView::FirstSelectable()
{
    TBarItemViewer* first = NextSelectable(nullptr, true);
    TBarItemViewer* viewer = first;
    while (viewer && viewer->Item()->ItemStyle().Contains(tbisDontSelectFirst)) {
        viewer = NextSelectable(viewer, true);
        if (viewer == first)
            break;
    }
    return viewer;
}

void TBarView::SelectionTimers(TBarItemViewer* value, bool viaMouse)
{
    if (FIsToolbar || !viaMouse) {
        StopViewTimer(ViewTimerClose);
        if (value != FOpenViewer)
            CloseChildPopups();
    } else if (FOpenViewer && value == FOpenViewer) {
        // Back on the owner before the delay ran out: its submenu stays open.
        StopViewTimer(ViewTimerClose);
    } else if (FOpenViewer && !FActiveTimers.Contains(ViewTimerClose)) {
        // The submenu closes after the menu delay unless the pointer comes back to its owner.
        StartViewTimer(ViewTimerClose, static_cast<unsigned>(QueryMenuShowDelay()));
    }
}

void TBarView::Select(TBarItemViewer* value, bool viaMouse)
{
    TBarItemViewer* old = FSelected;
    if (value != old) {
        // The owner of an open submenu stays highlighted in the parent view.
        if (value && FParentView && FParentView->FOpenViewer &&
            FParentView->FSelected != FParentView->FOpenViewer) {
            FParentView->Select(FParentView->FOpenViewer, false);
            FParentView->StopViewTimer(ViewTimerClose);
            FParentView->StopViewTimer(ViewTimerOpen);
        }
        if (FState.Contains(vsModal))
            SelectionTimers(value, viaMouse);
        CancelCapture();
        if (old)
            old->LeaveSelection();
        FSelected = value;
        FSelectedViaMouse = viaMouse;
    }
    bool overSelected = false;
    if (value && FWindow) {
        TPoint cursor;
        GetCursorPos(cursor);
        if (FindDragTarget(cursor, true) == FWindow) {
            const TPoint p = FWindow->ScreenToClient(cursor);
            overSelected = ViewerFromPoint(p) == value &&
                           (!FCapture || value->IsPointInButtonPart(p.X - value->FBoundsRect.Left,
                                                                    p.Y - value->FBoundsRect.Top));
        }
    }
    if (value == old) {
        if (overSelected != FMouseOverSelected) {
            FMouseOverSelected = overSelected;
            if (FCapture && value && value->Item()->ItemStyle().Contains(tbisRedrawOnMouseOverChange))
                Invalidate(value);
        }
        return;
    }
    FMouseOverSelected = overSelected;
    if (old && old->Item()->ItemStyle().Contains(tbisRedrawOnSelChange))
        Invalidate(old);
    if (value) {
        if (value->Item()->ItemStyle().Contains(tbisRedrawOnSelChange))
            Invalidate(value);
        value->EnterSelection();
    }
    NotifyFocusEvent();
    if (!FState.Contains(vsModal))
        return;
    if (FIsPopup) {
        StopViewTimer(ViewTimerOpen);
        // An owner whose submenu shows already needs no timer to open it (it would close and open again).
        if (viaMouse && value && value != FOpenViewer && value->Item()->ItemStyle().Contains(tbisSubmenu))
            StartViewTimer(ViewTimerOpen, static_cast<unsigned>(QueryMenuShowDelay()));
    } else if (value) {
        if (viaMouse && FParentView)
            FState.Include(vsDropDownMenus);
        if (FState.Contains(vsDropDownMenus) &&
            (viaMouse || !value->Item()->ItemStyle().Contains(tbisNoAutoOpen)))
            OpenChildPopup(!viaMouse);
    }
}

bool TBarView::MouseOverArrow(TPoint p, bool up)
{
    if (!FState.Contains(vsModal) || !FState.Contains(vsMouseInWindow) || FCapture || p.X == INT32_MIN ||
        !FWindow || !(up ? FShowUpArrow : FShowDownArrow))
        return false;
    const TPoint client = FWindow->ScreenToClient(p);
    if (!PtInRect(FWindow->ClientRect(), client))
        return false;
    return up ? client.Y < PopupScrollArrowHeight()
              : client.Y >= FWindow->ClientHeight() - PopupScrollArrowHeight();
}

void TBarView::UpdateSelection(TPoint p, bool allowNewSelection)
{
    ValidatePositions();
    TBarItemViewer* selection = nullptr;
    if (FCapture) {
        selection = FSelected;
        FState.Include(vsMouseInWindow);
    } else {
        selection = FState.Contains(vsModal) ? FSelected : nullptr;
        const bool inside = p.X != INT32_MIN && FWindow && FindDragTarget(p, true) == FWindow;
        if (inside) {
            FState.Include(vsMouseInWindow);
            if (FIsPopup)
                selection = nullptr;
            if (allowNewSelection || FSelected)
                if (TBarItemViewer* viewer = ViewerFromPoint(FWindow->ScreenToClient(p)))
                    selection = viewer;
        } else {
            const bool wasInside = FState.Contains(vsMouseInWindow);
            FState.Exclude(vsMouseInWindow);
            // The owner of an open submenu stays selected while the pointer travels to the submenu.
            if (FIsPopup && wasInside && selection &&
                !(FOpenViewerView && selection->Item()->ItemStyle().Contains(tbisSubmenu)))
                selection = nullptr;
        }
    }
    Select(selection, true);
    if (MouseOverArrow(p, true)) {
        StopViewTimer(ViewTimerScrollDown);
        if (!FActiveTimers.Contains(ViewTimerScrollUp))
            StartViewTimer(ViewTimerScrollUp, 100);
    } else if (MouseOverArrow(p, false)) {
        StopViewTimer(ViewTimerScrollUp);
        if (!FActiveTimers.Contains(ViewTimerScrollDown))
            StartViewTimer(ViewTimerScrollDown, 100);
    } else {
        StopViewTimer(ViewTimerScrollUp);
        StopViewTimer(ViewTimerScrollDown);
    }
}

void TBarView::CancelCapture()
{
    if (!FCapture)
        return;
    FCapture = false;
    TBarModalHandler::LastPos.X = INT32_MIN;
    if (FSelected)
        FSelected->CaptureLost();
}

// --- accelerators
// ----------------------------------------------------------------------------------------------

TBarItemViewer* TBarView::AccelPass(TBarItemViewer* curViewer, char32_t key, bool primary, bool enabled)
{
    const int count = ViewerCount();
    int i = IndexOf(curViewer);
    for (int step = 0; step < count; ++step) {
        i = (i + 1) % count;
        TBarItemViewer* viewer = FViewers[static_cast<size_t>(i)];
        if (!Selectable(*viewer) || viewer->Item()->Enabled() != enabled || !viewer->CaptionShown())
            continue;
        const std::string caption = viewer->GetDisplayCaption();
        if (caption.empty())
            continue;
        const char32_t accel = GetAccelChar(caption);
        const bool matches = primary ? accel != U'\0' && CharToLower(accel) == CharToLower(key)
                                     : accel == U'\0' && key != U' ' &&
                                           CharToLower(Utf8ToUtf32(caption).front()) == CharToLower(key);
        if (matches)
            return viewer;
    }
    return nullptr;
}

TBarItemViewer* TBarView::NextSelectableWithAccel(TBarItemViewer* curViewer, char32_t key,
                                                  bool requirePrimaryAccel, bool& isOnlyItemWithAccel)
{
    ValidatePositions();
    isOnlyItemWithAccel = false;
    if (FViewers.empty())
        return nullptr;
    const struct
    {
        bool primary;
        bool enabled;
    } passes[] = {{true, true}, {true, false}, {false, true}, {false, false}};
    for (const auto& pass : passes) {
        if (!pass.primary && requirePrimaryAccel)
            break;
        if (TBarItemViewer* found = AccelPass(curViewer, key, pass.primary, pass.enabled)) {
            isOnlyItemWithAccel = !pass.enabled || AccelPass(found, key, pass.primary, pass.enabled) == found;
            return found;
        }
    }
    return nullptr;
}

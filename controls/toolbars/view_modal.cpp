#include "controls/toolbars/view.h"

#include "controls/toolbars/done_action.h"
#include "controls/toolbars/item_viewer.h"
#include "controls/toolbars/modal_handler.h"
#include "controls/toolbars/popup_window.h"

#include <climits>

void TBarView::EnterToolbarLoop(TBarEnterToolbarLoopOptions options)
{
    if (FState.Contains(vsModal))
        return;
    {
        TBarModalHandler handler(FWindow->Handle());
        FState = (FState * vsShowAccels) + vsModal;
        FDoneActionData.DoneAction = tbdaNone;
        if (FSelected)
            NotifyFocusEvent();
        auto restore = [this] {
            FState.Exclude(vsModal);
            StopAllViewTimers();
            CloseChildPopups();
            UpdateSelection({INT32_MIN, INT32_MIN}, true);
        };
        try {
            handler.Loop(this, options.Contains(tbetMouseDown), options.Contains(tbetExecuteSelected),
                         options.Contains(tbetFromMSAA), false);
        } catch (...) {
            restore();
            throw;
        }
        restore();
    }
    UpdateAccelUnderlines(false);
    // The command runs after the loop, from the message loop.
    RunDoneAction(FDoneActionData, false);
}

void TBarView::ExecuteSelected(bool givePriority)
{
    if (FSelected && FSelected->Item()->Enabled()) {
        const TBarItemStyle style = FSelected->Item()->ItemStyle();
        if (!style.Contains(tbisCombo) && OpenChildPopup(true))
            return;
        if (style.Contains(tbisSelectable)) {
            FSelected->Execute(givePriority);
            return;
        }
    }
    EndModal();
}

void TBarView::EndModal()
{
    RootView()->FDoneActionData.DoneAction = tbdaCancel;
}

void TBarView::EndModalWithClick(TBarItemViewer* viewer)
{
    TBarDoneActionData& data = RootView()->FDoneActionData;
    data.ClickItem = viewer->Item();
    data.Sound = viewer->View()->FIsPopup;
    data.DoneAction = tbdaClickItem;
}

void TBarView::EndModalWithHelp(int contextID)
{
    TBarDoneActionData& data = RootView()->FDoneActionData;
    data.ContextID = contextID;
    data.DoneAction = tbdaHelpContext;
}

void TBarView::EndModalWithSystemMenu(HWND wnd, uint16_t key)
{
    TBarDoneActionData& data = RootView()->FDoneActionData;
    data.Wnd = wnd;
    data.Key = key;
    data.DoneAction = tbdaOpenSystemMenu;
}

bool TBarView::IsModalEnding()
{
    return RootView()->FDoneActionData.DoneAction != tbdaNone;
}

void TBarView::CancelMode()
{
    EndModal();
    TBarView* deepest = this;
    while (deepest->FOpenViewerView)
        deepest = deepest->FOpenViewerView;
    for (TBarView* view = deepest; view; view = view->FParentView) {
        view->StopAllViewTimers();
        if (auto* popup = dynamic_cast<TBarPopupWindow*>(view->FWindow))
            popup->HidePopup();
    }
}

#include "controls/toolbars/view.h"

#include "controls/toolbars/item_viewer.h"

void TBarView::SelectNext(bool goForward)
{
    SetSelected(NextSelectable(FSelected, goForward));
    ScrollSelectedIntoView();
}

void TBarView::HandleNavigationKey(uint16_t& key, TShiftState)
{
    TBarView* toolbar = this;
    while (toolbar && !toolbar->FIsToolbar)
        toolbar = toolbar->FParentView;
    const bool horizontalToolbar = toolbar && toolbar->FOrientation != tbvoVertical;
    switch (key) {
    case VK_TAB:
        SelectNext(GetKeyState(VK_SHIFT) >= 0);
        break;
    case VK_RETURN:
        ExecuteSelected(true);
        break;
    case VK_ESCAPE:
        if (FParentView)
            FParentView->CancelChildPopups(); // this popup only
        else
            EndModal();
        break;
    case VK_MENU:
    case VK_F10:
        EndModal();
        break;
    case VK_HOME:
    case VK_END:
        SetSelected(NextSelectable(nullptr, key == VK_HOME));
        ScrollSelectedIntoView();
        break;
    case VK_UP:
    case VK_DOWN:
        if (toolbar == this && FOrientation != tbvoVertical)
            OpenChildPopup(true);
        else
            SelectNext(key == VK_DOWN);
        break;
    case VK_LEFT:
        if (toolbar == this && !horizontalToolbar)
            OpenChildPopup(true);
        else if (horizontalToolbar) {
            if (toolbar == this || toolbar == FParentView)
                toolbar->SelectNext(false);
            else
                FParentView->CloseChildPopups(); // back to the parent popup
        } else if (FParentView) {
            FParentView->CancelChildPopups();
        }
        break;
    case VK_RIGHT:
        if (toolbar == this && !horizontalToolbar)
            OpenChildPopup(true);
        else if ((toolbar == this || !OpenChildPopup(true)) && horizontalToolbar)
            toolbar->SelectNext(true);
        break;
    case VK_F1:
        for (TBarView* view = this; view; view = view->FParentView)
            if (view->FSelected && view->FSelected->Item()->HelpContext() != 0) {
                EndModalWithHelp(view->FSelected->Item()->HelpContext());
                break;
            }
        break;
    default:
        return;
    }
    key = 0;
}

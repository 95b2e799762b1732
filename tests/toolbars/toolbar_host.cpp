#include "toolbar_host.h"

#include "controls/toolbars/item_viewer.h"
#include "platform/gui/windows/message_views.h"

TToolbarHost::TToolbarHost(TComponent* owner) : TCustomControl(owner), items_(new TBarRootItem(nullptr))
{
    controlStyle_.Include(csDoubleClicks);
    SetColor(clBtnFace);
    view_ = new TBarView(nullptr, nullptr, items_, this, true, false, true);
}

TToolbarHost::~TToolbarHost()
{
    view_->Free();
    items_->Free();
}

TPoint TToolbarHost::Centre(const TBarCustomItem* item) const
{
    view_->ValidatePositions();
    const TRect r = view_->Find(item)->BoundsRect();
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

void TToolbarHost::Paint()
{
    view_->DrawSubitems(*Canvas());
}

void TToolbarHost::Dispatch(TMessage& message)
{
    if (message.Msg == WM_LBUTTONDOWN && !view_->State().Contains(vsModal)) {
        view_->UpdateSelection(ClientToScreen(TMouseView(message).Pos), true);
        if (view_->Selected() && !view_->Selected()->Item()->ItemStyle().Contains(tbisClicksTransparent)) {
            view_->EnterToolbarLoop(tbetMouseDown);
            return;
        }
    }
    TCustomControl::Dispatch(message);
}

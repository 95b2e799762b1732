#pragma once

#include "controls/toolbars/item_classes.h"
#include "controls/toolbars/view.h"
#include "platform/gui/windows/win_control.h"

// A plain custom control that shows a toolbar view of its items and enters the view's menu loop on a press,
// standing in for the toolbar until there is one.
class TToolbarHost : public TCustomControl
{
public:
    explicit TToolbarHost(TComponent* owner);
    ~TToolbarHost() override;
    TBarRootItem* Items() const { return items_; }
    TBarView* View() const { return view_; }
    // The client point at the middle of item's button.
    TPoint Centre(const TBarCustomItem* item) const;

protected:
    void Paint() override;
    void Dispatch(TMessage& message) override;

private:
    TBarRootItem* items_;
    TBarView* view_;
};

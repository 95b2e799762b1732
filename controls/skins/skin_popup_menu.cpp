#include "controls/skins/skin_popup_menu.h"

#include "controls/skins/skin_items.h"
#include "controls/skins/skin_types.h"
#include "platform/gui/core/free_watch.h"
#include "platform/gui/windows/message_loop.h"
#include "platform/gui/windows/win_control.h"

namespace {

TBarPopupAlignment BarAlignment(TPopupAlignment alignment)
{
    static constexpr TBarPopupAlignment alignments[] = {tbpaLeft, tbpaRight, tbpaCenter};
    return alignments[alignment];
}

// Where the menu opens: below popupControl's bottom-left corner when it sits on a parent, else at the point.
TPoint PopupOrigin(int x, int y, const TControl* popupControl)
{
    if (!popupControl || !popupControl->Parent())
        return {x, y};
    const TRect bounds = popupControl->BoundsRect();
    return popupControl->Parent()->ClientToScreen({bounds.Left, bounds.Bottom});
}

} // namespace

TQvPopupMenu::TQvPopupMenu(TComponent* owner) : TBarPopupMenu(owner, TBarRootItemClass::Of<TQvRootItem>()) {}

TQvRootItem* TQvPopupMenu::Items() const
{
    return static_cast<TQvRootItem*>(TBarPopupMenu::Items());
}

void TQvPopupMenu::Popup(int x, int y)
{
    PopupEx(x, y);
}

TBarCustomItem* TQvPopupMenu::PopupEx(int x, int y, TControl* popupControl, bool returnClickedItemOnly)
{
    FReturnClickedItemOnly = returnClickedItemOnly;
    try {
        RunPopup(x, y, false, popupControl);
    } catch (...) {
        FReturnClickedItemOnly = false;
        throw;
    }
    FReturnClickedItemOnly = false;
    return FClickedItem;
}

bool TQvPopupMenu::RunPopup(int x, int y, bool /*forceFocus*/, TControl* popupControl)
{
    FClickedItem = nullptr;
    SetPopupPoint({x, y});
    const TPoint origin = PopupOrigin(x, y, popupControl);
    TWinControl* target = NotificationTarget(popupControl);
    // The opener may go while the menu runs (a handler may free it); then nobody is told.
    TFreeWatch watch;
    watch.Watch(target);
    Items()->SetToolBoxPopup(FToolBoxPopup);
    // The opener hears of the close even when the menu loop raised: a drop-down button would otherwise stay
    // down for good.
    try {
        FClickedItem = Items()->Popup(origin.X, origin.Y, TrackButton() == tbRightButton,
                                      BarAlignment(Alignment()), FReturnClickedItemOnly);
    } catch (...) {
        if (watch.Alive(target))
            NotifyPopupClosed(target);
        throw;
    }
    if (watch.Alive(target))
        NotifyPopupClosed(target);
    return true;
}

TWinControl* TQvPopupMenu::NotificationTarget(TControl* popupControl)
{
    return popupControl && popupControl->Parent() ? dynamic_cast<TWinControl*>(popupControl) : nullptr;
}

void TQvPopupMenu::NotifyPopupClosed(TWinControl* target)
{
    if (!target)
        return;
    const auto menu = reinterpret_cast<WPARAM>(static_cast<TObject*>(this));
    PostMessage(target->Handle(), CM_POPUPCLOSED, menu, 0);
    TMessage message{};
    message.Msg = CM_POPUPCLOSED;
    message.WParam = menu;
    target->Broadcast(message);
}

const TQvPopupEvent& TQvPopupMenu::OnInitPopup() const
{
    return Items()->OnInitPopup;
}

void TQvPopupMenu::SetOnInitPopup(TQvPopupEvent handler)
{
    Items()->OnInitPopup = std::move(handler);
}

const TNotifyEvent& TQvPopupMenu::OnClosePopup() const
{
    return Items()->OnClosePopup;
}

void TQvPopupMenu::SetOnClosePopup(TNotifyEvent handler)
{
    Items()->OnClosePopup = std::move(handler);
}

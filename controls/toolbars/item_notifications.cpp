#include "controls/toolbars/item.h"

// The listener protocol of the items: registrations are counted, and a change is relayed through the
// embedded groups that show an item's children inline, so that the views of the group's parent hear it.

namespace {

// How many embedded groups deep a change is relayed.
constexpr int MaxRelayLevel = 10;

} // namespace

void TBarCustomItem::RegisterNotification(const TBarItemChangedProc& notify)
{
    if (!FNotifyList)
        FNotifyList = std::make_unique<std::vector<TItemChangedNotificationData>>();
    for (TItemChangedNotificationData& entry : *FNotifyList)
        if (entry.Proc.SameMethod(notify)) {
            ++entry.RefCount;
            return;
        }
    FNotifyList->push_back({notify, 1});
}

void TBarCustomItem::UnregisterNotification(const TBarItemChangedProc& notify)
{
    if (!FNotifyList)
        return;
    auto& list = *FNotifyList;
    const auto it = std::find_if(list.begin(), list.end(), [&](const TItemChangedNotificationData& entry) {
        return entry.Proc.SameMethod(notify);
    });
    if (it == list.end() || --it->RefCount > 0)
        return;
    list.erase(it);
    if (list.empty())
        FNotifyList.reset();
}

void TBarCustomItem::ViewBeginUpdate()
{
    NotifyViews(tbicSubitemsBeginUpdate, -1, nullptr);
}

void TBarCustomItem::ViewEndUpdate()
{
    NotifyViews(tbicSubitemsEndUpdate, -1, nullptr);
}

void TBarCustomItem::NotifyViews(TBarItemChangedAction action, int index, TBarCustomItem* item)
{
    RelayNotification(this, this, 0, action, index, item);
}

void TBarCustomItem::RelayNotification(TBarCustomItem* ancestor, TBarCustomItem* origin, int relayLevel,
                                       TBarItemChangedAction action, int index, TBarCustomItem* item)
{
    if (relayLevel <= MaxRelayLevel && ancestor->FItemStyle.Contains(tbisEmbeddedGroup) && ancestor->FParent)
        RelayNotification(ancestor->FParent, origin, relayLevel + 1, action, index, item);
    // Groups that show this item's children through their LinkSubitems relay it to their own parents.
    for (TBarCustomItem* linkParent : std::vector<TBarCustomItem*>(ancestor->FLinkParents)) {
        if (linkParent == ancestor->FParent)
            continue;
        if (relayLevel <= MaxRelayLevel && linkParent->FItemStyle.Contains(tbisEmbeddedGroup) &&
            linkParent->FParent)
            RelayNotification(linkParent->FParent, origin == ancestor ? linkParent : origin, relayLevel + 1,
                              action, index, item);
    }
    ancestor->CallListeners(origin, action, index, item);
}

void TBarCustomItem::CallListeners(TBarCustomItem* origin, TBarItemChangedAction action, int index,
                                   TBarCustomItem* item)
{
    size_t position = 0;
    while (FNotifyList && position < FNotifyList->size()) {
        const TBarItemChangedProc proc = (*FNotifyList)[position].Proc;
        proc.Call(origin, origin != this, action, index, item);
        // A listener that took itself out leaves the next one at its own position.
        if (FNotifyList && position < FNotifyList->size() && (*FNotifyList)[position].Proc.SameMethod(proc))
            ++position;
    }
}

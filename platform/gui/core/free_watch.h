#pragma once

#include "platform/gui/core/classes.h"

#include <functional>
#include <set>

// Keeps track of which components still exist while handlers run that may free them (a menu's items
// while the menu runs, the controls of a drag while it lasts).
class TFreeWatch : public TComponent
{
public:
    TFreeWatch() : TComponent(nullptr) {}

    void Watch(TComponent* component)
    {
        if (component && watched_.insert(component).second)
            component->FreeNotification(this);
    }
    bool Alive(const TComponent* component) const
    {
        return watched_.contains(const_cast<TComponent*>(component));
    }

    // Told when a watched component goes.
    std::function<void(TComponent* component)> OnFreed;

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (operation == opRemove && watched_.erase(component) && OnFreed)
            OnFreed(component);
    }

private:
    std::set<TComponent*> watched_;
};

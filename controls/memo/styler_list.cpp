#include "controls/memo/styler_list.h"

#include "controls/memo/memo_styler.h"

#include <typeinfo>

namespace {

// The stylers of this system derive from the base directly: the base itself is no such class, and no
// class derives from the Pascal preset.
bool IsDirectStyler(const TComponent* component)
{
    return dynamic_cast<const TVezCustomMemoStyler*>(component) &&
           typeid(*component) != typeid(TVezCustomMemoStyler);
}

} // namespace

void TVezStylerList::AddStylersOf(const TComponent* owner)
{
    if (!owner)
        return;
    for (int i = 0; i < owner->ComponentCount(); ++i) {
        TComponent* component = owner->Components(i);
        if (IsDirectStyler(component) && StylerList.IndexOf(component) < 0)
            StylerList.Add(component);
    }
}

void TVezStylerList::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    // A component going away is no longer of its class by now: what is in the list leaves it.
    if (operation == opRemove)
        StylerList.Remove(component);
    else if (IsDirectStyler(component))
        StylerList.Add(component);
}
